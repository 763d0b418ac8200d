// bunrako-tool import: the three steps of the bulk import of volumes, run in
// a row without the dialog, by the same code as the dialog.
#include <ostream>

#include "common/file_io.h"
#include "common/format_text.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_file.h"
#include "settings/texts.h"
#include "tool/cli.h"
#include "tool/commands.h"
#include "tool/dump.h"
#include "tool/options.h"
#include "tool/stderr_prompt.h"
#include "tool/texts.h"
#include "volumes/excel_bosatu_import.h"
#include "volumes/texts.h"

namespace bunrako::cli {
namespace {

namespace fs = std::filesystem;

int usage(std::ostream& err) {
    err << tool::texts::kImportUsage << "\n";
    return kUsage;
}

// A master of the data folder; a missing one is empty (its rows then fail
// to convert, each with its reason). Nothing is created.
CSetteiKoumokuList readMaster(const fs::path& folder, const char* name) {
    CSetteiKoumokuList master;
    std::string bytes;
    if (readWholeFile(folder / pathFromUtf8(name), bytes) == FileErrorCause::none) {
        master.Items() = ReadSetteiKoumokuFile(bytes).items;
    }
    return master;
}

// The section in use: the first record of the settings file.
std::optional<CShokiSetteiData> readSettings(const fs::path& folder, Prompt& prompt,
                                             std::ostream& err) {
    const fs::path file = folder / pathFromUtf8(settings::texts::kSettingsFileName);
    std::string bytes;
    if (readWholeFile(file, bytes) != FileErrorCause::none) {
        err << formatPrintf(tool::texts::kNoSettingsFile, pathToUtf8(folder).c_str()) << "\n";
        return std::nullopt;
    }
    const ShokiSetteiFileContent content = ReadShokiSetteiFile(bytes, pathToUtf8(file), prompt);
    if (!content.readable) {
        err << formatPrintf(tool::texts::kSettingsUnreadable, pathToUtf8(file).c_str()) << "\n";
        return std::nullopt;
    }
    const CShokiSetteiData section =
        content.records.empty() ? CShokiSetteiData() : content.records.front();
    // Without a known period no year of the CSV could be read: every line
    // would fail for a reason that is not its own.
    const std::vector<std::string> problems = ShokiSetteiChoiceProblems(section);
    if (!problems.empty()) {
        err << formatPrintf(tool::texts::kImportBadSettings, pathToUtf8(file).c_str())
            << problems.front() << tool::texts::kImportStopped << "\n";
        return std::nullopt;
    }
    return section;
}

// The volume file: the one given, or the settings' file; a bare name or a
// relative path is taken inside the data folder.
fs::path volumeFileOf(const Options& options, const CShokiSetteiData& settings,
                      const fs::path& folder) {
    if (const auto given = options.value("--volume-file")) return pathFromUtf8(*given);
    const std::string& stored = settings.m_strVolumeFile.empty()
                                    ? std::string(volumes::texts::kVolumeFileName)
                                    : settings.m_strVolumeFile;
    const fs::path path = pathFromUtf8(stored);
    return path.is_absolute() ? path : folder / path;
}

Json errorListJson(const CExcelBosatuImport::StepReport& report) {
    return report.errorList.empty() ? Json() : Json(pathToUtf8(report.errorList));
}

}  // namespace

int runImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = parseOptions(args, {"--data-folder", "--volume-file"});
    if (!options || options->positional.size() != 1 || !options->value("--data-folder")) {
        return usage(err);
    }
    const fs::path csv = pathFromUtf8(options->positional[0]);
    const fs::path folder = pathFromUtf8(*options->value("--data-folder"));
    std::error_code ec;
    if (!fs::is_regular_file(csv, ec)) {
        err << options->positional[0] << tool::texts::kNoSuchFile << "\n";
        return kFailure;
    }
    if (!fs::is_directory(folder, ec)) {
        err << formatPrintf(tool::texts::kNoDataFolder, pathToUtf8(folder).c_str()) << "\n";
        return kFailure;
    }
    StderrPrompt prompt(err);
    const std::optional<CShokiSetteiData> settings = readSettings(folder, prompt, err);
    if (!settings) return kFailure;
    const CSetteiKoumokuList department = readMaster(folder, settings::texts::kDepartmentFileName);
    const CSetteiKoumokuList classification =
        readMaster(folder, settings::texts::kClassificationFileName);
    const CSetteiKoumokuList retention = readMaster(folder, settings::texts::kRetentionFileName);

    CExcelBosatuImport import(settings->m_nCalendarMode, settings->m_nManagementPeriod, department,
                              classification, retention);
    const auto read = import.ReadCsv(prompt, csv);
    if (!read.done) return kFailure;
    const auto converted = import.Convert(prompt);
    const auto stored = import.Store(prompt, volumeFileOf(*options, *settings, folder));

    const Json document = {{"read", read.count},
                           {"converted", converted.count},
                           {"stored", stored.count},
                           {"readErrors", read.listed},
                           {"convertErrors", converted.listed},
                           {"errorLists", {errorListJson(read), errorListJson(converted)}}};
    out << document.dump() << "\n";
    // Lines or rows listed in the error lists are problems of the input.
    const bool clean = stored.done && read.listed == 0 && converted.listed == 0 &&
                       !read.errorList.empty() && !converted.errorList.empty();
    return clean ? kSuccess : kFailure;
}

}  // namespace bunrako::cli
