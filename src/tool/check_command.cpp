#include <algorithm>
#include <ostream>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "tool/cli.h"
#include "tool/commands.h"
#include "tool/dump.h"
#include "tool/texts.h"
#include "volumes/texts.h"

namespace bunrako::cli {
namespace {

namespace fs = std::filesystem;

// Keeps what a reader would have shown: each message is a problem.
class CollectingPrompt : public Prompt {
  public:
    void showMessage(const std::string& text, const std::string&, MessageIcon) override {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\n', ' ');
        messages.push_back(line);
    }
    Answer ask(const std::string& text, const std::string& caption, Buttons buttons,
               MessageIcon icon) override {
        showMessage(text, caption, icon);
        return buttons == Buttons::yesNo ? Answer::no : Answer::cancel;
    }
    bool retryOrGiveUp(const std::string& text) override {
        showMessage(text, {}, MessageIcon::error);
        return false;
    }

    std::vector<std::string> messages;
};

// The replacement character never comes from Shift-JIS: where the printed
// text has one, the stored bytes were not Shift-JIS.
int countBadTexts(const Json& value) {
    if (value.is_string()) {
        return value.get_ref<const std::string&>().find("\xEF\xBF\xBD") != std::string::npos;
    }
    int count = 0;
    if (value.is_structured()) {
        for (const auto& item : value) count += countBadTexts(item);
    }
    return count;
}

// Catalogues used to sit in the year folder right below the title folder;
// opening the volume moves them below 索引目録データ.
bool inOldCataloguePlace(const fs::path& file) {
    return pathToUtf8(file.parent_path().parent_path().filename()) !=
           volumes::texts::kCatalogueFolderName;
}

std::vector<std::string> checkFile(const fs::path& file, const std::string& kind,
                                   DumpFunction reader) {
    const std::string name = pathToUtf8(file);
    CollectingPrompt prompt;
    ValueScan scan;
    const DumpOutcome outcome = reader(file, prompt);
    std::vector<std::string> problems = std::move(prompt.messages);
    if (kind == "catalogue" && inOldCataloguePlace(file)) {
        problems.push_back(formatText(tool::texts::kCheckOldCataloguePlace, name));
    }
    if (!outcome.readable) {
        if (problems.empty()) problems.push_back(formatText(tool::texts::kCheckUnreadable, name));
        return problems;
    }
    if (const int bad = countBadTexts(outcome.document)) {
        problems.push_back(formatPrintf(tool::texts::kCheckBadTexts, name.c_str(), bad));
    }
    if (scan.invalidDates > 0) {
        problems.push_back(
            formatPrintf(tool::texts::kCheckInvalidDates, name.c_str(), scan.invalidDates));
    }
    if (scan.valuesNamingNothing > 0) {
        problems.push_back(formatPrintf(tool::texts::kCheckValuesNamingNothing, name.c_str(),
                                        scan.valuesNamingNothing));
    }
    return problems;
}

// Every file below the folder that dump recognises, in name order; links are
// not followed and folders that cannot be listed are problems.
std::vector<fs::path> dataFilesBelow(const fs::path& folder, std::vector<std::string>& problems) {
    std::vector<fs::path> files;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, fs::directory_options::none, ec);
    if (ec) problems.push_back(formatText(tool::texts::kCheckCannotList, pathToUtf8(folder)));
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code statusError;
        if (it->is_regular_file(statusError) && !it->is_symlink(statusError) &&
            guessDumpKind(it->path())) {
            files.push_back(it->path());
        }
    }
    if (ec) problems.push_back(formatText(tool::texts::kCheckCannotList, pathToUtf8(folder)));
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args.front().starts_with("--")) {
        err << tool::texts::kCheckUsage << "\n";
        return kUsage;
    }
    const fs::path target = pathFromUtf8(args.front());
    std::error_code ec;
    std::vector<std::string> problems;
    std::vector<fs::path> files;
    if (fs::is_directory(target, ec)) {
        files = dataFilesBelow(target, problems);
    } else if (fs::is_regular_file(target, ec)) {
        if (!guessDumpKind(target)) {
            err << tool::texts::kUnknownKind << args.front() << "\n";
            return kFailure;
        }
        files.push_back(target);
    } else {
        err << args.front() << tool::texts::kNoSuchFile << "\n";
        return kFailure;
    }
    for (const fs::path& file : files) {
        const std::string kind = *guessDumpKind(file);
        const auto reader = dumpKinds().find(kind);
        if (reader == dumpKinds().end()) continue;
        for (std::string& problem : checkFile(file, kind, reader->second)) {
            problems.push_back(std::move(problem));
        }
    }
    for (const std::string& problem : problems) out << problem << "\n";
    const int fileCount = static_cast<int>(files.size());
    if (problems.empty()) {
        out << formatPrintf(tool::texts::kCheckSummaryClean, fileCount) << "\n";
        return kSuccess;
    }
    out << formatPrintf(tool::texts::kCheckSummaryProblems, fileCount,
                        static_cast<int>(problems.size()))
        << "\n";
    return kFailure;
}

}  // namespace bunrako::cli
