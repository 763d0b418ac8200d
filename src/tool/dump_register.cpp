// dump of the title register, the change forms, the name lists and the
// approver table, each read with the program's own reader.
#include <cctype>
#include <string>
#include <system_error>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "common/read_report.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/hassin_jusin_list.h"
#include "register/kessai_kubun_table.h"
#include "register/shoku_simei_list.h"
#include "register/texts.h"
#include "tool/dump.h"
#include "tool/texts.h"
#include "volumes/hozon_nengen_henkousho_list.h"

namespace bunrako::cli {
namespace {

// Passes on the first message only: a reader that tries a file several
// times tells each failure, and dump prints one error line.
class FirstMessagePrompt : public Prompt {
  public:
    explicit FirstMessagePrompt(Prompt& inner) : m_inner(inner) {}
    void showMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override {
        if (!m_shown) m_inner.showMessage(text, caption, icon);
        m_shown = true;
    }
    Answer ask(const std::string& text, const std::string& caption, Buttons buttons,
               MessageIcon icon) override {
        return m_inner.ask(text, caption, buttons, icon);
    }
    bool retryOrGiveUp(const std::string&) override { return false; }

  private:
    Prompt& m_inner;
    bool m_shown = false;
};

DumpOutcome unreadable() { return {false, Json()}; }

// Bytes after the last item of a whole list: no item claims them.
void tellUnclaimed(Prompt& prompt, const std::string& pathText, size_t items, uint64_t bytes) {
    const std::string line = unclaimedBytesLine(pathText, items, bytes);
    if (!line.empty()) prompt.showMessage(line, {}, MessageIcon::warning);
}

Json registerEntryJson(const CBunshoKenMeiboData& e) {
    Json record;
    record["documentNumber"] = textJson(e.documentNumber);
    record["registerYear"] = dateJson(e.registerYear);
    record["calendarYearFlag"] = e.calendarYearFlag;
    record["volumeYear"] = dateJson(e.volumeYear);
    record["sectionCode"] = textJson(e.sectionCode);
    record["receivedDate"] = dateJson(e.receivedDate);
    record["subject"] = textJson(e.subject);
    record["sender"] = textJson(e.sender);
    record["receiver"] = textJson(e.receiver);
    record["completedFlag"] = e.completedFlag;
    record["completedDate"] = dateJson(e.completedDate);
    Json flags = Json::array(), dates = Json::array(), texts = Json::array();
    for (int n = 0; n < CBunshoKenMeiboData::kProgressSteps; ++n) {
        flags.push_back(e.progressFlag[n]);
        dates.push_back(dateJson(e.progressDate[n]));
        texts.push_back(textJson(e.progressText[n]));
    }
    record["progressFlag"] = flags;
    record["progressDate"] = dates;
    record["progressText"] = texts;
    record["volumeNumber"] = textJson(e.volumeNumber);
    record["volumeTitle"] = textJson(e.volumeTitle);
    record["importantFlag"] = e.importantFlag;
    record["documentSymbol"] = textJson(e.documentSymbol);
    record["remarks"] = textJson(e.remarks);
    return record;
}

Json formJson(const CHozonNengenHenkoushoData& f) {
    Json record;
    record["HenkouSakuseiNendo"] = dateJson(f.HenkouSakuseiNendo);
    record["HenkouKaMei"] = textJson(f.HenkouKaMei);
    record["HenkouKakariMei"] = textJson(f.HenkouKakariMei);
    record["HenkouKaBunruiCode"] = textJson(f.HenkouKaBunruiCode);
    record["HenkouDaiBunruiCode"] = textJson(f.HenkouDaiBunruiCode);
    record["HenkouDaiBunruiMei"] = textJson(f.HenkouDaiBunruiMei);
    record["HenkouChuuBunruiCode"] = textJson(f.HenkouChuuBunruiCode);
    record["HenkouChuuBunruiMei"] = textJson(f.HenkouChuuBunruiMei);
    record["HenkouShouBunruiCode"] = textJson(f.HenkouShouBunruiCode);
    record["HenkouShouBunruiMei"] = textJson(f.HenkouShouBunruiMei);
    record["HenkouTitle"] = textJson(f.HenkouTitle);
    record["HenkouShuunouKaisiNendo"] = dateJson(f.HenkouShuunouKaisiNendo);
    record["HenkouShuunouShuuryouNendo"] = dateJson(f.HenkouShuunouShuuryouNendo);
    record["HenkouMaeShubetu"] = textJson(f.HenkouMaeShubetu);
    record["HenkouGoShubetu"] = textJson(f.HenkouGoShubetu);
    record["HenkouRiyuu"] = textJson(f.HenkouRiyuu);
    return record;
}

// The first `count` slots of a list.
Json slotsJson(const NameList& list, size_t count) {
    Json slots = Json::array();
    for (size_t i = 0; i < count && i < list.slots().size(); ++i) {
        const NameListSlot& slot = list.slots()[i];
        Json item;
        item["meishou"] = slot.name();
        item["kaisuu"] = slot.kaisuu;
        item["hiniti"] = dateJson(slot.hiniti);
        slots.push_back(item);
    }
    return slots;
}

std::string lowerFileName(const std::filesystem::path& file) {
    std::string name = pathToUtf8(file.filename());
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

}  // namespace

DumpOutcome dumpRegister(const std::filesystem::path& file, Prompt& prompt) {
    const std::string pathText = pathToUtf8(file);
    CBunshoKenMeiboList list(prompt);
    const bool loaded = list.Load(file);
    const auto& report = list.lastLoad();
    using Format = CBunshoKenMeiboList::LoadReport::Format;
    if (report.format == Format::notRead) return unreadable();
    if (report.format == Format::foreign) {
        prompt.showMessage(
            formatPrintf(tool::texts::kDumpUnknownTag, pathText.c_str(), report.tag.c_str()));
        return unreadable();
    }
    if (!loaded) {
        prompt.showMessage(formatPrintf(tool::texts::kDumpTagCut, pathText.c_str()));
        return unreadable();
    }
    DumpOutcome outcome;
    outcome.document = recordsDocument(
        "register", report.tag.empty() ? std::nullopt : std::optional<std::string>(report.tag));
    for (const CBunshoKenMeiboData& entry : list.entries()) {
        outcome.document["records"].push_back(registerEntryJson(entry));
    }
    if (report.droppedBytes > 0) {
        prompt.showMessage(
            formatPrintf(tool::texts::kDumpTailDropped, pathText.c_str(), report.droppedBytes));
    }
    return outcome;
}

DumpOutcome dumpForms(const std::filesystem::path& file, Prompt& prompt) {
    const std::string pathText = pathToUtf8(file);
    FirstMessagePrompt once(prompt);
    CHozonNengenHenkoushoList list(once, file);
    list.Read();
    const auto& report = list.lastRead();
    if (!report.opened()) return unreadable();
    DumpOutcome outcome;
    outcome.document = recordsDocument("forms", std::nullopt);
    for (const CHozonNengenHenkoushoData& form : list.forms()) {
        outcome.document["records"].push_back(formJson(form));
    }
    const size_t read = list.forms().size();
    const auto count = static_cast<int>(report.declaredCount);
    if (report.state == ReadState::headerCut) {
        prompt.showMessage(formatPrintf(tool::texts::kDumpNoCountWord, pathText.c_str()));
    } else if (report.state == ReadState::badCount) {
        prompt.showMessage(formatPrintf(tool::texts::kDumpBadCount, pathText.c_str(), count));
    } else if (report.state == ReadState::recordsMissing) {
        prompt.showMessage(
            formatPrintf(tool::texts::kDumpCountBeyondFile, pathText.c_str(), count, read));
    }
    // The bytes after the forms shown: a partial form or bytes no form claims.
    const size_t unshown = report.droppedBytes + static_cast<size_t>(report.trailingBytes);
    if (unshown > 0) {
        prompt.showMessage(
            formatPrintf(tool::texts::kDumpExtraBytes, pathText.c_str(), count, unshown));
    }
    return outcome;
}

DumpOutcome dumpNames(const std::filesystem::path& file, Prompt& prompt) {
    const OleDateTime unread = OleDateTime::nullValue();
    NameList hassin(HassinJusinList::kSlots, 0, unread);
    NameList jusin(HassinJusinList::kSlots, 0, unread);
    const auto report = HassinJusinList::LoadFile(prompt, file, hassin, jusin);
    const std::string pathText = pathToUtf8(file);
    if (!report.opened) {
        prompt.showMessage(formatPrintf(tool::texts::kDumpCannotRead, pathText.c_str()));
        return unreadable();
    }
    DumpOutcome outcome;
    outcome.document["kind"] = "names";
    outcome.document["version"] = nullptr;
    outcome.document["Hassin"] = slotsJson(hassin, report.hassinRead);
    outcome.document["Jusin"] = slotsJson(jusin, report.jusinRead);
    if (!report.complete()) {
        prompt.showMessage(formatPrintf(tool::texts::kDumpPartRead, pathText.c_str()));
    }
    tellUnclaimed(prompt, pathText, HassinJusinList::kSlots * 2, report.trailingBytes);
    return outcome;
}

DumpOutcome dumpNames10(const std::filesystem::path& file, Prompt& prompt) {
    const char* key = lowerFileName(file) == "simeilist.dat" ? register_::texts::kSimeiKey
                                                             : register_::texts::kShokuKey;
    NameList list(ShokuSimeiList::kSlots, 0, OleDateTime::nullValue());
    const auto report = ShokuSimeiList::LoadFile(prompt, file, key, list);
    if (!report.opened) return unreadable();
    DumpOutcome outcome;
    outcome.document = recordsDocument("names10", std::nullopt);
    outcome.document["records"] = slotsJson(list, report.slotsRead);
    if (!report.complete()) {
        prompt.showMessage(formatPrintf(tool::texts::kDumpPartRead, pathToUtf8(file).c_str()));
    }
    tellUnclaimed(prompt, pathToUtf8(file), ShokuSimeiList::kSlots, report.trailingBytes);
    return outcome;
}

DumpOutcome dumpApprovers(const std::filesystem::path& file, Prompt& prompt) {
    KessaiKubunTable table;
    const auto report = table.Load(prompt, file);
    const std::string pathText = pathToUtf8(file);
    if (!report.opened) {
        prompt.showMessage(formatPrintf(tool::texts::kDumpCannotRead, pathText.c_str()));
        return unreadable();
    }
    // Load has said that a newer program's table was not read.
    if (report.unknownVersion) return unreadable();
    DumpOutcome outcome;
    Json& document = outcome.document;
    document["kind"] = "approvers";
    document["version"] = report.version ? Json(*report.version) : Json(nullptr);
    document["kessaiShubetsu"] = report.typeRead ? Json(table.kessaiShubetsu) : Json(nullptr);
    // Items the file did not hold print as null, not as the initial table.
    Json names = Json::array(), symbols = Json::array();
    for (int type = 0; type < KessaiKubunTable::kTypes; ++type) {
        Json typeNames = Json::array(), typeSymbols = Json::array();
        for (int level = 0; level < KessaiKubunTable::kLevels; ++level) {
            const int item = (type * KessaiKubunTable::kLevels + level) * 2;
            typeNames.push_back(item < report.itemsRead ? Json(table.name(type, level))
                                                        : Json(nullptr));
            typeSymbols.push_back(item + 1 < report.itemsRead ? Json(table.symbol(type, level))
                                                              : Json(nullptr));
        }
        names.push_back(typeNames);
        symbols.push_back(typeSymbols);
    }
    document["Kessaisha"] = names;
    document["Kessaikigou"] = symbols;
    if (!report.complete)
        prompt.showMessage(formatPrintf(tool::texts::kDumpPartRead, pathText.c_str()));
    tellUnclaimed(prompt, pathText, KessaiKubunTable::kItems, report.trailingBytes);
    return outcome;
}

}  // namespace bunrako::cli
