#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "tool/cli.h"

namespace bunrako::testing {

// What one in-process run of bunrako-tool gave back.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
    nlohmann::json json() const { return nlohmann::json::parse(out); }
};

inline ToolRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

// bunrako-tool dump FILE [--as KIND].
inline ToolRun runDump(const std::filesystem::path& file, const std::string& kind = {}) {
    std::vector<std::string> args = {"dump", pathToUtf8(file)};
    if (!kind.empty()) args.insert(args.end(), {"--as", kind});
    return runTool(args);
}

}  // namespace bunrako::testing
