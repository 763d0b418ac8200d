// dump for the settings, the receipt numbers and the setting-item masters.
#include <string>

#include "common/cp932.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/read_report.h"
#include "settings/receipt_file.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_file.h"
#include "settings/texts.h"
#include "tool/dump.h"
#include "tool/texts.h"

namespace bunrako::cli {
namespace {

DumpOutcome unreadable() { return {false, {}}; }

// The whole file without creating it; a failure is told as the program
// tells it (path + "Open" + cause).
bool readForDump(const std::filesystem::path& file, Prompt& prompt, std::string& bytes) {
    return CMyTool::CheckFileError(prompt, readWholeFile(file, bytes),
                                   pathToUtf8(file) + settings::texts::kOpenLabel, true);
}

Json settingsRecordJson(const CShokiSetteiData& record) {
    Json json = Json::object();
    for (const ShokiSetteiField& field : ShokiSetteiFields()) {
        // The receipt number is not kept in the settings file.
        if (field.number == &CShokiSetteiData::m_nNextReceiptNo) continue;
        if (field.text) {
            json[field.name] = record.*field.text;
        } else {
            json[field.name] = record.*field.number;
        }
    }
    return json;
}

}  // namespace

DumpOutcome dumpMaster(const std::filesystem::path& file, Prompt& prompt) {
    CSetteiKoumokuList master;
    const std::string pathText = pathToUtf8(file);
    if (!master.LoadItems(prompt, pathText)) return unreadable();
    // LoadItems tells a short file and a bad count; the bytes no item
    // claims are told here.
    const std::string unclaimed = describeUnclaimedBytes(master.lastRead(), pathText);
    if (!unclaimed.empty()) prompt.showMessage(unclaimed, {}, MessageIcon::warning);
    DumpOutcome outcome{true, recordsDocument("master", std::nullopt)};
    for (const CSetteiKoumokuData& item : master.Items()) {
        outcome.document["records"].push_back({{"code", textJson(item.code)},
                                               {"name", textJson(item.name)},
                                               {"subName", textJson(item.subName)}});
    }
    return outcome;
}

DumpOutcome dumpSettings(const std::filesystem::path& file, Prompt& prompt) {
    std::string bytes;
    if (!readForDump(file, prompt, bytes)) return unreadable();
    const ShokiSetteiFileContent content = ReadShokiSetteiFile(bytes, pathToUtf8(file), prompt);
    if (!content.readable) return unreadable();
    DumpOutcome outcome{true, recordsDocument("settings", content.version)};
    const std::string pathText = pathToUtf8(file);
    for (size_t i = 0; i < content.records.size(); ++i) {
        const CShokiSetteiData& record = content.records[i];
        outcome.document["records"].push_back(settingsRecordJson(record));
        for (const std::string& problem : ShokiSetteiChoiceProblems(record)) {
            prompt.showMessage(
                formatPrintf(tool::texts::kDumpSettingsRecord, pathText.c_str(), i + 1) + problem,
                {}, MessageIcon::warning);
        }
    }
    return outcome;
}

DumpOutcome dumpReceipts(const std::filesystem::path& file, Prompt& prompt) {
    std::string bytes;
    if (!readForDump(file, prompt, bytes)) return unreadable();
    const ReceiptFileContent content = ReadReceiptFile(bytes);
    DumpOutcome outcome{true, recordsDocument("receipts", std::nullopt)};
    for (const ReceiptPair& pair : content.pairs) {
        outcome.document["records"].push_back({{"m_strSectionName", storedText(pair.sectionName)},
                                               {"m_nNextReceiptNo", pair.nextReceiptNo}});
    }
    if (content.unreadBytes > 0) {
        prompt.showMessage(pathToUtf8(file) + tool::texts::kReceiptsCutOff +
                               std::to_string(content.unreadBytes) + tool::texts::kBytesDropped,
                           {}, MessageIcon::warning);
    }
    return outcome;
}

}  // namespace bunrako::cli
