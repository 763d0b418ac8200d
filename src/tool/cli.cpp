#include "tool/cli.h"

#include <functional>
#include <map>
#include <ostream>

#include "common/version.h"
#include "tool/commands.h"

namespace bunrako::cli {
namespace {

using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"check", runCheck}, {"date", runDate},     {"demo", runDemo},
        {"dump", runDump},   {"export", runExport}, {"import", runImport},
    };
    return table;
}

void printUsage(std::ostream& stream) {
    stream
        << "usage: bunrako-tool COMMAND [ARGS]\n"
           "       bunrako-tool --version\n"
           "  date YYYY-MM-DD\n"
           "  dump FILE [--as KIND]\n"
           "  export KIND FILE [--calendar era|western] [--period 0-3] [--department Kamei.dat]"
           " [--out FOLDER]\n"
           "  import CSV --data-folder FOLDER [--volume-file PATH]\n"
           "  check PATH\n"
           "  demo FOLDER [--volumes N] [--entries N] [--seed S] [--today YYYY-MM-DD] [--force]\n";
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        printUsage(err);
        return kUsage;
    }
    if (args.front() == "--help" || args.front() == "-h") {
        printUsage(out);
        return kSuccess;
    }
    if (args.front() == "--version") {
        out << VersionLine("bunrako-tool");
        return kSuccess;
    }
    const auto found = commands().find(args.front());
    if (found == commands().end()) {
        err << "bunrako-tool: unknown command: " << args.front() << "\n";
        printUsage(err);
        return kUsage;
    }
    return found->second(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}

}  // namespace bunrako::cli
