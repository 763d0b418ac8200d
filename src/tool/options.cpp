#include "tool/options.h"

namespace bunrako::cli {

std::optional<Options> parseOptions(const std::vector<std::string>& args,
                                    const std::set<std::string>& known) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            options.positional.push_back(arg);
            continue;
        }
        if (!known.contains(arg) || i + 1 >= args.size()) return std::nullopt;
        if (!options.values.emplace(arg, args[++i]).second) return std::nullopt;
    }
    return options;
}

}  // namespace bunrako::cli
