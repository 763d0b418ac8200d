#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace bunrako::cli {

// A command's arguments: the words without "--" in order, and the options
// "--name VALUE" by name.
struct Options {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;

    std::optional<std::string> value(const std::string& name) const {
        const auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
};

// Splits the arguments; nothing for an option not among known, an option
// without its value, or an option given twice.
std::optional<Options> parseOptions(const std::vector<std::string>& args,
                                    const std::set<std::string>& known);

}  // namespace bunrako::cli
