#include "register/kian_data.h"

#include <string_view>
#include <vector>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "common/cp932.h"
#include "common/csv_date_texts.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/texts.h"
#include "register/kessai_kubun_table.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace rtexts = register_::texts;

constexpr int kDayForm = 0;
// The levels each approval type uses.
constexpr int kLevelsOfType[KessaiKubunTable::kTypes] = {3, 4};

template <size_t N>
void put(char (&field)[N], std::string_view cp932) {
    writeFixedBytes(field, cp932);
}

template <size_t N>
void putText(char (&field)[N], std::string_view utf8) {
    writeFixedText(field, utf8);
}

// A date left blank for the clerk to write in.
std::string blankDate(const KianInput& input, bool western, const CMyTool& tool) {
    if (western) return rtexts::kKianBlankWesternDate;
    return formatPrintf(rtexts::kKianBlankEraDate, tool.EraName(input.era).c_str());
}

std::string westernDate(int year, int month, int day) {
    return formatPrintf(rtexts::kKianWesternDate, year, month, day);
}

// 収受: the reception date of a numbered document; blank without a number.
std::string receptionDate(const KianInput& input, const CSakuinMokurokuList& entry, bool western,
                          const CMyTool& tool) {
    const OleDateTime& date = entry.receivedDate;
    if (fixedBytes(entry.documentNumber).empty() || !date.isValid()) {
        return blankDate(input, western, tool);
    }
    if (western) return westernDate(date.year(), date.month(), date.day());
    char buffer[17];
    tool.FormatDateBuffer(date, buffer);
    return readFixedText(buffer);
}

// 起案: the drafting date of the dialog.
std::string draftingDate(const KianInput& input, bool western, const CMyTool& tool) {
    if (western) return westernDate(input.westernYear, input.month, input.day);
    return tool.FormatEraDate(
        formatPrintf(rtexts::kKianEraDateText, input.era, input.eraYear, input.month, input.day),
        kDayForm, false);
}

void fillApprovers(KianData& data, const KianInput& input, const KessaiKubunTable& approvers) {
    const int type = input.kessaiShubetsu;
    const int chosen = input.kessaiKubun;
    put(data.Kubun, fixedBytes(approvers.Kessaikigou[type][chosen]));
    for (int level = 0; level < KessaiKubunTable::kLevels; ++level) {
        const std::string_view name = fixedBytes(approvers.Kessaisha[type][level]);
        put(data.Kessaisha[level], name);
        // The class decides who is delegated and where the route starts.
        if (level >= 1 && level == chosen) {
            put(data.Inin[level - 1], std::string(name) + utf8ToCp932(rtexts::kKianDelegated));
        }
        if (level >= chosen) put(data.Kessaisha2[level], name);
    }
}

}  // namespace

void KianInput::SetDate(const OleDateTime& date, const CMyTool& tool) {
    const std::string eraText = tool.DateToEraText(date);
    era = eraText.size() == 10 ? eraText[0] - '0' : 0;
    eraYear = eraText.size() == 10 ? (eraText[2] - '0') * 10 + (eraText[3] - '0') : 0;
    westernYear = date.year();
    month = date.month();
    day = date.day();
}

bool KianInput::IsValid(bool western, const CMyTool& tool) const {
    if (shoku.empty() || simei.empty()) return false;
    if (western ? westernYear <= 0 : (era < 1 || era > tool.EraCount() || eraYear <= 0)) {
        return false;
    }
    if (month <= 0 || day <= 0) return false;
    if (kessaiShubetsu < 0 || kessaiShubetsu >= KessaiKubunTable::kTypes) return false;
    return kessaiKubun >= 0 && kessaiKubun < kLevelsOfType[kessaiShubetsu];
}

KianData KianData::Make(const KianInput& input, const CSakuinMokurokuList& entry,
                        const CSakuinMokurokuHeader& header, const KessaiKubunTable& approvers,
                        bool western) {
    const CMyTool tool;
    KianData data;
    put(data.Bangou, fixedBytes(entry.documentNumber));
    put(data.Hozon, fixedBytes(header.retentionText));
    put(data.Bunrui, formatPrintf(rtexts::kKianClassCodes,
                                  std::string(fixedBytes(header.majorClassCode)).c_str(),
                                  std::string(fixedBytes(header.middleClassCode)).c_str(),
                                  std::string(fixedBytes(header.minorClassCode)).c_str()));
    putText(data.Hassou, rtexts::kKianBlankSendDate);
    putText(data.Shuuju, receptionDate(input, entry, western, tool));
    putText(data.Kian, draftingDate(input, western, tool));
    putText(data.Kessai, blankDate(input, western, tool));
    put(data.Ka, fixedBytes(header.departmentName));
    put(data.Kakari, fixedBytes(header.sectionName));
    putText(data.Shoku, input.shoku);
    putText(data.Simei, input.simei);
    put(data.Kenmei, fixedBytes(entry.subject));
    for (int n = 0; n < KianInput::kAigiCount; ++n) {
        putText(data.Aigi[n], input.aigi[static_cast<size_t>(n)]);
    }
    put(data.Title, fixedBytes(header.volumeTitle));
    fillApprovers(data, input, approvers);
    return data;
}

std::string KianData::CsvLine() const {
    std::vector<std::string> fields;
    const auto add = [&](const auto& field) { fields.emplace_back(fixedBytes(field)); };
    for (const auto* field : {&Bangou, &Hozon}) add(*field);
    add(Bunrui);
    add(Hassou);
    add(Kubun);
    for (const auto* field : {&Shuuju, &Kian, &Kessai, &Ka, &Kakari, &Shoku, &Simei}) add(*field);
    add(Kenmei);
    for (const auto& name : Kessaisha) add(name);
    for (const auto& name : Aigi) add(name);
    for (const auto& name : Inin) add(name);
    add(Title);
    for (const auto& name : Kessaisha2) add(name);
    return csvLine(fields);
}

std::string KianData::CsvHeaderLine() {
    return utf8ToCp932(rtexts::kKianCsvHeader) + common::texts::kCsvLineEnd;
}

}  // namespace bunrako
