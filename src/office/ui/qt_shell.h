#pragma once

#include "common/shell.h"

namespace bunrako {

// Starts outside programs with QProcess and opens files with the desktop's
// association. Printing, which desktops other than Windows do not offer as
// an association, goes through the office suite's print switch or lp.
class QtShell : public Shell {
  public:
    int startProcess(const std::string& commandLine, bool wait) override;
    int openDocument(const std::string& path, ShellVerb verb) override;
    bool canStart(const std::string& program) const override;
};

}  // namespace bunrako
