#pragma once

#include <string>

namespace bunrako {

enum class ShellVerb { open, print };

// Starting outside programs and opening files with the desktop's association.
class Shell {
  public:
    virtual ~Shell() = default;

    // Starts a command line; with wait set, returns only when it has ended.
    // Returns 1 when the program could be started, 0 otherwise.
    virtual int startProcess(const std::string& commandLine, bool wait) = 0;
    // Opens or prints a file. Returns a value above 32 on success, otherwise
    // one of the shell error codes (2 file not found, 31 no association, ...).
    virtual int openDocument(const std::string& path, ShellVerb verb) = 0;
    // Whether a program (a path, or a bare name looked up on the search
    // path) can be started on this computer. A shell that cannot tell says
    // yes, and a failed start is reported then.
    virtual bool canStart(const std::string& program) const {
        (void)program;
        return true;
    }
};

}  // namespace bunrako
