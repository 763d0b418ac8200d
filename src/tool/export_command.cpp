// bunrako-tool export: the data-linkage CSV files of every record of one
// data file, written by the same code as the desktop program's linkage.
#include <functional>
#include <map>
#include <ostream>

#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/sakuin_mokuroku_csv.h"
#include "catalogue/texts.h"
#include "common/cp932.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/read_report.h"
#include "common/system_clock.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/texts.h"
#include "settings/settei_koumoku_list.h"
#include "tool/cli.h"
#include "tool/commands.h"
#include "tool/dump.h"
#include "tool/options.h"
#include "tool/stderr_prompt.h"
#include "tool/texts.h"
#include "volumes/doc_master_csv.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/texts.h"

namespace bunrako::cli {
namespace {

namespace fs = std::filesystem;
namespace catalogue_texts = bunrako::catalogue::texts;

struct ExportRequest {
    fs::path file;
    int westernDates = 0;
    int periodType = 0;
    std::optional<fs::path> department;
    fs::path out;
};

struct ExportOutcome {
    int status = kFailure;
    size_t records = 0;
    std::vector<fs::path> files;
};

using ExportFunction = std::function<ExportOutcome(const ExportRequest&, Prompt&, std::ostream&)>;

bool fileExists(const fs::path& file, std::ostream& err) {
    std::error_code ec;
    if (fs::is_regular_file(file, ec)) return true;
    err << pathToUtf8(file) << tool::texts::kNoSuchFile << "\n";
    return false;
}

ExportOutcome nothingToExport(const fs::path& file, std::ostream& err) {
    err << formatPrintf(tool::texts::kNothingToExport, pathToUtf8(file).c_str()) << "\n";
    return {};
}

ExportOutcome exportVolumes(const ExportRequest& request, Prompt& prompt, std::ostream& err) {
    CDocMasterList list(request.file, prompt);
    list.setReadAttempts(1);
    list.Read();
    if (!list.lastRead().opened()) return {};
    if (list.empty()) return nothingToExport(request.file, err);
    if (WriteVolumeCsvFiles(prompt, request.out, list.records(), request.westernDates,
                            request.periodType) != VolumeCsvResult::written) {
        return {};
    }
    return {kSuccess,
            list.size(),
            {request.out / pathFromUtf8(volumes::texts::kVolumeCsvName),
             request.out / pathFromUtf8(volumes::texts::kVolumeWordCsvName)}};
}

ExportOutcome exportForms(const ExportRequest& request, Prompt& prompt, std::ostream& err) {
    CHozonNengenHenkoushoList list(prompt, request.file);
    list.Read();
    if (!list.lastRead().opened()) return {};
    if (list.forms().empty()) return nothingToExport(request.file, err);
    if (!CHozonNengenHenkoushoList::ExportCsv(prompt, request.out, list.forms(),
                                              request.westernDates, request.periodType)) {
        return {};
    }
    return {
        kSuccess, list.forms().size(), {request.out / pathFromUtf8(volumes::texts::kFormsCsvName)}};
}

ExportOutcome exportRegister(const ExportRequest& request, Prompt& prompt, std::ostream& err) {
    std::string masterBytes;
    if (!CMyTool::CheckFileError(prompt, readWholeFile(*request.department, masterBytes),
                                 pathToUtf8(*request.department) + ":Open", true)) {
        return {};
    }
    CSetteiKoumokuList department;
    department.Items() = ReadSetteiKoumokuFile(masterBytes).items;
    CBunshoKenMeiboList list(prompt);
    if (!list.Load(request.file)) return {};
    if (list.lastLoad().format == CBunshoKenMeiboList::LoadReport::Format::foreign) {
        err << formatPrintf(tool::texts::kUnknownRegisterVersion, pathToUtf8(request.file).c_str(),
                            list.lastLoad().tag.c_str())
            << "\n";
        return {};
    }
    if (list.entries().empty()) return nothingToExport(request.file, err);
    const DepartmentNameLookup names = [&](std::string_view code) {
        const auto index = department.FindCode(code);
        return index ? std::string(fixedBytes(department[*index].name)) : std::string();
    };
    if (!list.ExportCsv(request.out, names, request.westernDates, request.periodType)) return {};
    return {kSuccess,
            list.entries().size(),
            {request.out / pathFromUtf8(register_::texts::kRegisterCsvName)}};
}

// One index catalogue: SakuinMokuroku.csv and the batch files as the first
// catalogue of a batch. A catalogue without entries still has its head line.
// What a damaged file held is exported after a line saying what was lost;
// a file with nothing this program can read fails.
ExportOutcome exportCatalogue(const ExportRequest& request, Prompt& prompt, std::ostream&) {
    SystemClock clock;
    CSakuinMokuroku catalogue(prompt, clock, request.file);
    catalogue.Load();
    const ReadReport& report = catalogue.readReport();
    // Load has told of a text too long for its field itself.
    if (report.state != ReadState::complete && report.state != ReadState::textTooLong) {
        prompt.showMessage(describeReadProblem(report, pathToUtf8(request.file)));
    }
    if (report.unreadable() || report.state == ReadState::empty ||
        report.state == ReadState::unknownTag) {
        return {};
    }
    const CalendarMode calendar{request.westernDates == 1, request.periodType};
    using Writer = int (*)(const CSakuinMokuroku&, const fs::path&, CalendarMode, FileErrorCause*);
    const std::pair<const char*, Writer> writers[] = {
        {catalogue_texts::kCatalogueCsvName, &WriteSakuinMokurokuCsv},
        {catalogue_texts::kBatchCsvName,
         [](const CSakuinMokuroku& c, const fs::path& out, CalendarMode mode,
            FileErrorCause* cause) { return WriteSakuinIkkatuCsv(c, 0, out, mode, cause); }},
        {catalogue_texts::kBatchWordCsvName,
         [](const CSakuinMokuroku& c, const fs::path& out, CalendarMode mode,
            FileErrorCause* cause) { return WriteSakuinIkkatuWordCsv(c, 0, out, mode, cause); }},
    };
    ExportOutcome outcome{kSuccess, catalogue.entries().size(), {}};
    for (const auto& [name, write] : writers) {
        const fs::path file = SakuinCsvPath(request.out, name);
        FileErrorCause cause = FileErrorCause::none;
        if (write(catalogue, request.out, calendar, &cause) != 1) {
            CMyTool::CheckFileError(prompt, cause, pathToUtf8(file), true);
            return {};
        }
        outcome.files.push_back(file);
    }
    return outcome;
}

// The kinds of export.
const std::map<std::string, ExportFunction>& exportKinds() {
    static const std::map<std::string, ExportFunction> kinds = {
        {"volumes", exportVolumes},
        {"forms", exportForms},
        {"register", exportRegister},
        {"catalogue", exportCatalogue},
    };
    return kinds;
}

// The folder the CSV files go to, made when it is not there yet.
bool prepareOutFolder(const fs::path& folder, std::ostream& err) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    fs::create_directories(folder, ec);
    if (fs::is_directory(folder, ec)) return true;
    err << formatPrintf(tool::texts::kExportCannotMakeFolder, pathToUtf8(folder).c_str()) << "\n";
    return false;
}

int usage(std::ostream& err) {
    err << tool::texts::kExportUsage << "\n";
    return kUsage;
}

// The request from the options; nothing for a usage error.
std::optional<ExportRequest> requestOf(const Options& options) {
    ExportRequest request;
    request.file = pathFromUtf8(options.positional[1]);
    const std::string calendar = options.value("--calendar").value_or("era");
    if (calendar != "era" && calendar != "western") return std::nullopt;
    request.westernDates = calendar == "western" ? 1 : 0;
    const std::string period = options.value("--period").value_or("0");
    if (period.size() != 1 || period[0] < '0' || period[0] > '3') return std::nullopt;
    request.periodType = period[0] - '0';
    if (const auto department = options.value("--department")) {
        request.department = pathFromUtf8(*department);
    }
    // The current folder unless told; never the program's folder.
    request.out = pathFromUtf8(options.value("--out").value_or("."));
    return request;
}

}  // namespace

int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = parseOptions(args, {"--calendar", "--period", "--department", "--out"});
    if (!options || options->positional.size() != 2) return usage(err);
    const std::string& kind = options->positional[0];
    const auto exporter = exportKinds().find(kind);
    if (exporter == exportKinds().end()) {
        err << tool::texts::kNoSuchExportKind << kind << "\n";
        return usage(err);
    }
    const std::optional<ExportRequest> request = requestOf(*options);
    if (!request) return usage(err);
    if (kind == "register" && !request->department) {
        err << tool::texts::kRegisterNeedsDepartment << "\n";
        return kUsage;
    }
    if (!fileExists(request->file, err)) return kFailure;
    if (request->department && !fileExists(*request->department, err)) return kFailure;
    if (!prepareOutFolder(request->out, err)) return kFailure;

    StderrPrompt prompt(err);
    const ExportOutcome outcome = exporter->second(*request, prompt, err);
    if (outcome.status != kSuccess) return outcome.status;
    Json document = {{"kind", kind}, {"records", outcome.records}, {"files", Json::array()}};
    for (const fs::path& file : outcome.files) document["files"].push_back(pathToUtf8(file));
    out << document.dump() << "\n";
    return kSuccess;
}

}  // namespace bunrako::cli
