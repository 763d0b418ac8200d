#pragma once

#include <set>
#include <string>
#include <vector>

#include "common/shell.h"

namespace bunrako::testing {

// Records the command lines and documents it is asked to start.
class FakeShell : public Shell {
  public:
    struct Started {
        std::string commandLine;
        bool wait;
    };
    struct Opened {
        std::string path;
        ShellVerb verb;
    };

    int startProcess(const std::string& commandLine, bool wait) override {
        started.push_back({commandLine, wait});
        return startResult;
    }
    int openDocument(const std::string& path, ShellVerb verb) override {
        opened.push_back({path, verb});
        return openResult;
    }

    bool canStart(const std::string& program) const override {
        return installed.empty() || installed.count(program) > 0;
    }

    std::vector<Started> started;
    std::vector<Opened> opened;
    int startResult = 1;
    int openResult = 42;
    // The programs this computer has; empty: every program.
    std::set<std::string> installed;
};

}  // namespace bunrako::testing
