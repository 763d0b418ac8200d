#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

#include "common/file_io.h"
#include "common/format_text.h"
#include "tool/cli.h"
#include "tool/commands.h"
#include "tool/date_argument.h"
#include "tool/demo_office.h"
#include "tool/stderr_prompt.h"
#include "tool/texts.h"

namespace bunrako::cli {
namespace {

namespace fs = std::filesystem;

// The days the office may stand at: every volume year then has an era year
// of two digits, as the management number holds it.
constexpr int kFirstTodayYear = 1960;
constexpr int kLastTodayYear = 2099;

struct DemoArguments {
    DemoOptions options;
    std::string folder;
    bool force = false;
    bool help = false;
};

std::string isoText(const OleDateTime& date) {
    return formatPrintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

void printUsage(std::ostream& stream) {
    const DemoOptions defaults;
    stream << formatPrintf(tool::texts::kDemoUsage, kDemoDefaultVolumes, kDemoDefaultEntries,
                           kDemoMaxCount, isoText(defaults.today).c_str(), defaults.catalogueLimit);
}

// Decimal digits only, within [low, high].
std::optional<int64_t> parseNumber(std::string_view text, int64_t low, int64_t high) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<OleDateTime> parseToday(std::string_view text) {
    const std::optional<DateParts> parts = parseDateArgument(text);
    if (!parts || parts->year < kFirstTodayYear || parts->year > kLastTodayYear) {
        return std::nullopt;
    }
    const OleDateTime date = OleDateTime::fromDate(parts->year, parts->month, parts->day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

// Takes one option with its value; false (with the reason on err) when the
// value is missing or not acceptable.
bool takeOption(const std::string& option, const std::string* value, DemoArguments& parsed,
                std::ostream& err) {
    const auto bad = [&] {
        err << formatPrintf(tool::texts::kDemoBadValue, option.c_str(), value ? value->c_str() : "")
            << "\n";
        return false;
    };
    if (!value) return bad();
    if (option == "--volumes" || option == "--entries") {
        const auto count = parseNumber(*value, option == "--volumes" ? 1 : 0, kDemoMaxCount);
        if (!count) return bad();
        (option == "--volumes" ? parsed.options.volumes : parsed.options.entries) =
            static_cast<int>(*count);
    } else if (option == "--seed") {
        const auto seed = parseNumber(*value, 0, UINT32_MAX);
        if (!seed) return bad();
        parsed.options.seed = static_cast<uint32_t>(*seed);
    } else {
        const auto today = parseToday(*value);
        if (!today) return bad();
        parsed.options.today = *today;
    }
    return true;
}

std::optional<DemoArguments> parseArguments(const std::vector<std::string>& args,
                                            std::ostream& err) {
    DemoArguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--force") {
            parsed.force = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--volumes" || arg == "--entries" || arg == "--seed" ||
                   arg == "--today") {
            const std::string* value = i + 1 < args.size() ? &args[++i] : nullptr;
            if (!takeOption(arg, value, parsed, err)) return std::nullopt;
        } else if (parsed.folder.empty() && !arg.starts_with("-")) {
            parsed.folder = arg;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.folder.empty() && !parsed.help) return std::nullopt;
    return parsed;
}

// A new or empty folder is used; one with contents only with --force.
bool prepareFolder(const fs::path& folder, const std::string& folderText, bool force,
                   std::ostream& err) {
    std::error_code ec;
    if (fs::exists(folder, ec)) {
        if (!fs::is_directory(folder, ec)) {
            err << formatText(tool::texts::kDemoNotFolder, folderText) << "\n";
            return false;
        }
        const bool empty = fs::is_empty(folder, ec);
        if (ec || (!empty && !force)) {
            err << formatText(tool::texts::kDemoNotEmpty, folderText) << "\n";
            return false;
        }
        return true;
    }
    if (!fs::create_directories(folder, ec) || ec) {
        err << formatText(tool::texts::kDemoCannotCreate, folderText) << "\n";
        return false;
    }
    return true;
}

void printSummary(const DemoSummary& made, const DemoOptions& options, std::ostream& out) {
    out << formatText(tool::texts::kDemoMadeFolder, made.dataFolder) << "\n"
        << formatPrintf(tool::texts::kDemoMadeVolumes, made.volumes, made.disposed,
                        made.changeForms)
        << "\n"
        << formatPrintf(tool::texts::kDemoMadeCatalogues, made.catalogues, made.catalogueEntries,
                        made.relatedFiles)
        << "\n"
        << formatPrintf(tool::texts::kDemoMadeRegister, made.registerEntries) << "\n"
        << formatPrintf(tool::texts::kDemoMadeBasis, isoText(options.today).c_str(), options.seed)
        << "\n";
}

}  // namespace

int runDemo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<DemoArguments> parsed = parseArguments(args, err);
    if (!parsed) {
        printUsage(err);
        return kUsage;
    }
    if (parsed->help) {
        printUsage(out);
        return kSuccess;
    }
    parsed->options.folder = pathFromUtf8(parsed->folder);
    if (!prepareFolder(parsed->options.folder, parsed->folder, parsed->force, err)) {
        return kFailure;
    }
    StderrPrompt prompt(err);
    const DemoSummary made = makeDemoOffice(parsed->options, prompt);
    if (!made.written) {
        err << tool::texts::kDemoStopped << "\n";
        return kFailure;
    }
    printSummary(made, parsed->options, out);
    return kSuccess;
}

}  // namespace bunrako::cli
