// dump of the index catalogue, related-file lists and registered forms.
#include <filesystem>

#include "catalogue/kanren_file.h"
#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/touroku_tyouhyou.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "common/read_report.h"
#include "common/system_clock.h"
#include "tool/dump.h"

namespace bunrako::cli {
namespace {

// The readers' own messages are replaced by the one line dump prints about
// the file, so nothing is said twice.
class QuietPrompt : public Prompt {
  public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
    Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::cancel;
    }
    bool retryOrGiveUp(const std::string&) override { return false; }
};

// Prints what the reader could not read. False when it read nothing worth
// printing (a file of a version this program does not know included): dump
// then prints nothing and fails.
bool reportReading(const ReadReport& report, const std::filesystem::path& file, Prompt& prompt,
                   bool emptyIsUnreadable) {
    for (const std::string& problem : {describeReadProblem(report, pathToUtf8(file)),
                                       describeUnclaimedBytes(report, pathToUtf8(file))}) {
        if (!problem.empty()) prompt.showMessage(problem, {}, MessageIcon::warning);
    }
    return !(report.unreadable() || report.state == ReadState::unknownTag ||
             (emptyIsUnreadable && report.state == ReadState::empty));
}

Json versionJson(const ReadReport& report) {
    return report.versionTag ? Json(*report.versionTag) : Json(nullptr);
}

Json headerJson(const CSakuinMokurokuHeader& h) {
    Json j;
    j["volumeNumber"] = textJson(h.volumeNumber);
    j["fiscalYear"] = dateJson(h.fiscalYear);
    j["departmentName"] = textJson(h.departmentName);
    j["sectionName"] = textJson(h.sectionName);
    j["departmentClassCode"] = textJson(h.departmentClassCode);
    j["majorClassCode"] = textJson(h.majorClassCode);
    j["majorClassName"] = textJson(h.majorClassName);
    j["middleClassCode"] = textJson(h.middleClassCode);
    j["middleClassName"] = textJson(h.middleClassName);
    j["minorClassCode"] = textJson(h.minorClassCode);
    j["minorClassName"] = textJson(h.minorClassName);
    j["volumeTitle"] = textJson(h.volumeTitle);
    j["bookCount"] = h.bookCount;
    j["storageStartYear"] = dateJson(h.storageStartYear);
    j["storageEndYear"] = dateJson(h.storageEndYear);
    j["retentionClass"] = h.retentionClass;
    j["retentionText"] = textJson(h.retentionText);
    j["retentionSpan"] = spanJson(h.retentionSpan);
    return j;
}

Json entryJson(const CSakuinMokurokuList& e) {
    Json flags = Json::array();
    Json dates = Json::array();
    Json notes = Json::array();
    for (int step = 0; step < CSakuinMokurokuList::kProgressSteps; ++step) {
        flags.push_back(e.progressFlag[step]);
        dates.push_back(dateJson(e.progressDate[step]));
        notes.push_back(textJson(e.progressText[step]));
    }
    Json j;
    j["receivedDate"] = dateJson(e.receivedDate);
    j["documentNumber"] = textJson(e.documentNumber);
    j["subject"] = textJson(e.subject);
    j["remarks"] = textJson(e.remarks);
    j["progressFlag"] = std::move(flags);
    j["progressDate"] = std::move(dates);
    j["progressText"] = std::move(notes);
    j["registerLinkFlag"] = e.registerLinkFlag;
    j["sender"] = textJson(e.sender);
    j["receiver"] = textJson(e.receiver);
    j["completedFlag"] = e.completedFlag;
    j["completedDate"] = dateJson(e.completedDate);
    return j;
}

Json relatedJson(const CKanrenFileData& r) {
    Json j;
    j["fileName"] = textJson(r.fileName);
    j["fileType"] = textJson(r.fileType);
    j["lastUpdate"] = dateJson(r.lastUpdate);
    j["valid"] = r.valid;
    j["folder"] = textJson(r.folder);
    return j;
}

Json registeredJson(const CTourokuTyouhyouData& r) {
    Json j;
    j["title"] = textJson(r.title);
    j["file"] = textJson(r.file);
    j["runMode"] = r.runMode;
    j["option"] = textJson(r.option);
    return j;
}

}  // namespace

DumpOutcome dumpCatalogue(const std::filesystem::path& file, Prompt& prompt) {
    QuietPrompt quiet;
    SystemClock clock;
    CSakuinMokuroku catalogue(quiet, clock, file);
    catalogue.Load();
    const ReadReport& report = catalogue.readReport();
    if (!reportReading(report, file, prompt, true)) return {false, {}};
    Json document;
    document["kind"] = "catalogue";
    document["version"] = versionJson(report);
    document["header"] = headerJson(catalogue.header());
    document["records"] = Json::array();
    for (const CSakuinMokurokuList& entry : catalogue.entries()) {
        document["records"].push_back(entryJson(entry));
    }
    return {true, std::move(document)};
}

DumpOutcome dumpRelated(const std::filesystem::path& file, Prompt& prompt) {
    QuietPrompt quiet;
    CKanrenFile list(quiet, file);
    list.Load();
    if (!reportReading(list.readReport(), file, prompt, false)) return {false, {}};
    Json document = recordsDocument("related", list.readReport().versionTag);
    for (const CKanrenFileData& record : list.records()) {
        document["records"].push_back(relatedJson(record));
    }
    return {true, std::move(document)};
}

DumpOutcome dumpRegistered(const std::filesystem::path& file, Prompt& prompt) {
    QuietPrompt quiet;
    const CTourokuTyouhyou list(quiet, file);
    if (!reportReading(list.readReport(), file, prompt, false)) return {false, {}};
    Json document = recordsDocument("registered", list.readReport().versionTag);
    for (const CTourokuTyouhyouData& record : list.records()) {
        document["records"].push_back(registeredJson(record));
    }
    return {true, std::move(document)};
}

}  // namespace bunrako::cli
