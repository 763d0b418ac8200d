#include "volumes/excel_bosatu_converter.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/format_text.h"
#include "settings/settei_koumoku_list.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

constexpr long kPermanentYears = 99;
constexpr long kDaysPerYearForType = 365;
constexpr int kReviewYears = 10;

// The number at the start of a text ("5", "30年"), 0 when there is none.
long leadingYears(std::string_view text) {
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > 9999) break;
    }
    return value;
}

std::string utf8(const char* field, size_t width) { return readFixedText(field, width); }

template <size_t N>
std::string utf8(const char (&field)[N]) {
    return utf8(field, N);
}

template <size_t N>
std::string bytes(const char (&field)[N]) {
    return std::string(fixedBytes(field));
}

// The same month and day so many years later (28 February for 29 February).
OleDateTime yearsLater(const OleDateTime& date, int years) {
    if (!date.isValid()) return date;
    const int year = date.year() + years;
    return OleDateTime::fromDate(year, date.month(),
                                 std::min(date.day(), daysInMonth(year, date.month())));
}

}  // namespace

ExcelBosatuConverter::ExcelBosatuConverter(const CSetteiKoumokuList& department,
                                           const CSetteiKoumokuList& classification,
                                           const CSetteiKoumokuList& retention)
    : m_department(department), m_classification(classification), m_retention(retention) {
    for (size_t i = 0; i < retention.size(); ++i) {
        m_retentionYears.push_back({leadingYears(fixedBytes(retention[i].subName)), i});
    }
}

const std::string& ExcelBosatuConverter::departmentCode(const CExcelBosatuData& row) {
    auto [entry, added] = m_departmentCodes.try_emplace({bytes(row.KaMei), bytes(row.KakariMei)});
    if (added && !std::get<0>(entry->first).empty() && !std::get<1>(entry->first).empty()) {
        entry->second = m_department.CodeByNames(utf8(row.KaMei), utf8(row.KakariMei));
    }
    return entry->second;
}

const ExcelBosatuConverter::Classification& ExcelBosatuConverter::classification(
    const CExcelBosatuData& row) {
    auto [entry, added] = m_classifications.try_emplace(
        {bytes(row.DaiBunruiMei), bytes(row.ChuuBunruiMei), bytes(row.ShouBunruiMei)});
    if (!added) return entry->second;
    const auto& [major, middle, minor] = entry->first;
    if (major.empty() || middle.empty() || minor.empty()) return entry->second;
    const std::string code = m_classification.CodeByNames(
        utf8(row.DaiBunruiMei), utf8(row.ChuuBunruiMei), utf8(row.ShouBunruiMei));
    if (code.size() != CSetteiKoumokuData::kCodeLength) return entry->second;
    const auto subNameOf = [&](const std::string& itemCode) {
        const auto index = m_classification.FindCode(itemCode);
        return index ? std::string(fixedBytes(m_classification[*index].subName)) : std::string();
    };
    Classification& found = entry->second;
    found.found = true;
    found.major = subNameOf(code.substr(0, 3) + "0000000");
    found.middle = subNameOf(code.substr(0, 6) + "0000");
    found.minor = subNameOf(code);
    return found;
}

bool ExcelBosatuConverter::retentionType(const CExcelBosatuData& row, CDocMasterData& volume,
                                         std::string& note) const {
    const long years = row.HozonNengen.wholeDays() / kDaysPerYearForType;
    const RetentionType* taken = nullptr;
    if (years == kPermanentYears) {
        const std::string permanent = utf8ToCp932(vtexts::kPermanentType);
        for (const RetentionType& type : m_retentionYears) {
            if (fixedBytes(m_retention[type.index].name) == permanent) {
                taken = &type;
                break;
            }
        }
        if (!taken) {
            note = vtexts::kNoteNoPermanentType;
            return false;
        }
        volume.HozonNengen = OleSpan::fromYears(static_cast<int>(taken->years));
    } else {
        // Every type of that many years is taken in turn: the last one wins.
        for (const RetentionType& type : m_retentionYears) {
            if (type.years == years) taken = &type;
        }
        if (!taken) {
            note = formatPrintf(vtexts::kNoteNoRetentionType, years);
            return false;
        }
        volume.HozonNengen = row.HozonNengen;
    }
    volume.HozonShubetuIndex = static_cast<int32_t>(taken->index);
    writeFixedBytes(volume.HozonShubetuMei, fixedBytes(m_retention[taken->index].name));
    return true;
}

bool ExcelBosatuConverter::Convert(const CExcelBosatuData& row, CDocMasterData& volume,
                                   std::string& note) {
    // Every date of the new record is then set from the row.
    volume = CDocMasterData::NewRecord(row.SakuseiNendo);
    volume.SakuseiNendo = row.SakuseiNendo;
    writeFixedBytes(volume.KaMei, fixedBytes(row.KaMei));
    writeFixedBytes(volume.KakariMei, fixedBytes(row.KakariMei));
    writeFixedBytes(volume.DaiBunruiMei, fixedBytes(row.DaiBunruiMei));
    writeFixedBytes(volume.ChuuBunruiMei, fixedBytes(row.ChuuBunruiMei));
    writeFixedBytes(volume.ShouBunruiMei, fixedBytes(row.ShouBunruiMei));
    writeFixedBytes(volume.Title, fixedBytes(row.Title));
    volume.Sassuu = row.Sassuu;
    volume.ShuunouKaisiNendo = row.ShuunouKaisiNendo;
    volume.ShuunouShuuryouNendo = row.ShuunouShuuryouNendo;
    volume.HozonNengen = row.HozonNengen;
    volume.ManryouNengetu = row.ManryouNengetu;
    volume.Jouyou = row.Jouyou;
    volume.Mokuji = row.Mokuji;
    volume.Haiki = row.Haiki;
    volume.HaikiNengetu = row.HaikiNengetu;

    const std::string& department = departmentCode(row);
    if (department.empty()) {
        note = formatPrintf(vtexts::kNoteNoDepartment, utf8(row.KaMei).c_str(),
                            utf8(row.KakariMei).c_str());
        return false;
    }
    writeFixedBytes(volume.KaBunruiCode, department);

    const Classification& codes = classification(row);
    if (!codes.found) {
        note = formatPrintf(vtexts::kNoteNoClassification, utf8(row.DaiBunruiMei).c_str(),
                            utf8(row.ChuuBunruiMei).c_str(), utf8(row.ShouBunruiMei).c_str());
        return false;
    }
    writeFixedBytes(volume.DaiBunruiCode, codes.major);
    writeFixedBytes(volume.ChuuBunruiCode, codes.middle);
    writeFixedBytes(volume.ShouBunruiCode, codes.minor);

    if (!retentionType(row, volume, note)) return false;

    // No review is scheduled yet; the review dates follow the expiry ten
    // years apart.
    const OleSpan tenYears = OleSpan::fromYears(kReviewYears);
    volume.Minaosi1 = volume.Minaosi2 = volume.Minaosi3 = 0;
    volume.Minaosi1Jiki = volume.ManryouNengetu;
    volume.Minaosi2Jiki = yearsLater(volume.Minaosi1Jiki, kReviewYears);
    volume.Minaosi3Jiki = yearsLater(volume.Minaosi2Jiki, kReviewYears);
    volume.Minaosi1Nengen = volume.Minaosi2Nengen = volume.Minaosi3Nengen = tenYears;
    return true;
}

}  // namespace bunrako
