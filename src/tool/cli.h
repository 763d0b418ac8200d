#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace bunrako::cli {

enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = 2 };

// Runs one bunrako-tool command line (without the program name), writing
// results to out and errors to err. Returns the exit status.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace bunrako::cli
