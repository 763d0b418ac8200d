#include <algorithm>
#include <ostream>

#include "common/file_io.h"
#include "register/texts.h"
#include "tool/cli.h"
#include "tool/commands.h"
#include "tool/dump.h"
#include "tool/stderr_prompt.h"
#include "tool/texts.h"
#include "volumes/texts.h"

namespace bunrako::cli {
namespace {

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The fixed end of a yearly archive's file name pattern ("%s%s…dat").
std::string_view archiveSuffix(std::string_view pattern) {
    const size_t at = pattern.rfind("%s");
    return at == std::string_view::npos ? pattern : pattern.substr(at + 2);
}

bool insideCatalogueFolder(const std::filesystem::path& file) {
    for (const auto& part : file.parent_path()) {
        if (pathToUtf8(part) == volumes::texts::kCatalogueFolderName) return true;
    }
    return false;
}

}  // namespace

const std::map<std::string, DumpFunction>& dumpKinds() {
    static const std::map<std::string, DumpFunction> kinds = {
        // clang-format off
        {"master", dumpMaster},
        {"receipts", dumpReceipts},
        {"settings", dumpSettings},
        {"register", dumpRegister},
        {"forms", dumpForms},
        {"names", dumpNames},
        {"names10", dumpNames10},
        {"approvers", dumpApprovers},
        {"volumes", dumpVolumes},
        {"catalogue", dumpCatalogue},
        {"related", dumpRelated},
        {"registered", dumpRegistered},
        // clang-format on
    };
    return kinds;
}

std::optional<std::string> guessDumpKind(const std::filesystem::path& file) {
    const std::string name = pathToUtf8(file.filename());
    const std::string lower = lowerAscii(name);
    static const std::map<std::string, std::string> byName = {
        {"docmaster.dat", "volumes"},
        {"haikidoc.dat", "volumes"},
        {"minaosi.dat", "forms"},
        {"kamei.dat", "master"},
        {"bosatubunrui.dat", "master"},
        {"hozonnengen.dat", "master"},
        {"shokisettei.dat", "settings"},
        {"kenmeibo.dat", "register"},
        {"sakuinmokuroku.dat", "catalogue"},
        {"hassinjusinlist.dat", "names"},
        {"shokulist.dat", "names10"},
        {"simeilist.dat", "names10"},
        {"kessaikubun.dat", "approvers"},
        {"tourokutyouhyou.dat", "registered"},
    };
    if (const auto found = byName.find(lower); found != byName.end()) return found->second;
    if (endsWith(name, archiveSuffix(volumes::texts::kVolumeArchiveName)) ||
        endsWith(name, archiveSuffix(volumes::texts::kDisposedArchiveName))) {
        return "volumes";
    }
    if (endsWith(name, archiveSuffix(volumes::texts::kFormArchiveName))) return "forms";
    if (endsWith(name, archiveSuffix(register_::texts::kRegisterArchiveName))) return "register";
    if (endsWith(lower, ".dan")) return "receipts";
    if (endsWith(lower, ".dat") && insideCatalogueFolder(file)) return "related";
    return std::nullopt;
}

int runDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string fileArg;
    std::optional<std::string> kind;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--as" && i + 1 < args.size()) {
            kind = args[++i];
        } else if (fileArg.empty() && !args[i].starts_with("--")) {
            fileArg = args[i];
        } else {
            err << "usage: bunrako-tool dump FILE [--as KIND]\n";
            return kUsage;
        }
    }
    if (fileArg.empty()) {
        err << "usage: bunrako-tool dump FILE [--as KIND]\n";
        return kUsage;
    }
    const std::filesystem::path file = pathFromUtf8(fileArg);
    // The program's readers create a missing file; dump never writes.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        err << fileArg << tool::texts::kNoSuchFile << "\n";
        return kFailure;
    }
    if (!kind) kind = guessDumpKind(file);
    if (!kind) {
        err << tool::texts::kUnknownKind << fileArg << "\n";
        return kUsage;
    }
    const auto reader = dumpKinds().find(*kind);
    if (reader == dumpKinds().end()) {
        err << tool::texts::kNoSuchKind << *kind << "\n";
        return kUsage;
    }
    StderrPrompt prompt(err);
    const DumpOutcome outcome = reader->second(file, prompt);
    if (!outcome.readable) return kFailure;
    out << outcome.document.dump() << "\n";
    return kSuccess;
}

}  // namespace bunrako::cli
