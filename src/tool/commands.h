#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace bunrako::cli {

// Each subcommand takes its own arguments (after the command word).
int runDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runDate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runDemo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace bunrako::cli
