#include <ostream>

#include "tool/cli.h"
#include "tool/commands.h"

namespace bunrako::cli {

int runDate(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "bunrako-tool date: not built yet\n";
    return kFailure;
}

}  // namespace bunrako::cli
