#include "volumes/volume_list_cells.h"

#include <cmath>
#include <iterator>

#include "common/cp932.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "volumes/doc_master_data.h"
#include "volumes/hozon_nengen_henkousho_data.h"
#include "volumes/management_number.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace texts = volumes::texts;

// clang-format off
constexpr ListColumn kVolumeListColumns[] = {
    {texts::kColumnDepartment, 80}, {texts::kColumnSection, 80}, {texts::kColumnMajor, 100},
    {texts::kColumnMiddle, 100}, {texts::kColumnMinor, 100}, {texts::kColumnSerial, 50},
    {texts::kColumnTitle, 300}, {texts::kColumnBooks, 30}, {texts::kColumnFilingFrom, 70},
    {texts::kColumnFilingTo, 70}, {texts::kColumnRetention, 60}, {texts::kColumnExpiry, 70},
    {texts::kColumnDailyUse, 60}, {texts::kColumnContents, 30}, {texts::kColumnDisposal, 70},
};
constexpr ListColumn kPermanentLedgerColumns[] = {
    {texts::kColumnDepartment, 80}, {texts::kColumnSection, 80}, {texts::kColumnMajorShort, 30},
    {texts::kColumnMiddleShort, 30}, {texts::kColumnMinorShort, 30}, {texts::kColumnSerial, 50},
    {texts::kColumnTitle, 300}, {texts::kColumnBooks, 30}, {texts::kColumnFilingFrom, 70},
    {texts::kColumnFilingTo, 70}, {texts::kColumnRetention, 60}, {texts::kColumnReview1, 60},
    {texts::kColumnRetention, 30}, {texts::kColumnReview2, 60}, {texts::kColumnRetention, 30},
    {texts::kColumnReview3, 60}, {texts::kColumnRetention, 30}, {texts::kColumnDisposal, 70},
    {texts::kColumnNote, 70},
};
constexpr ListColumn kChangeFormListColumns[] = {
    {texts::kColumnDepartment, 80}, {texts::kColumnSection, 80}, {texts::kColumnMajor, 100},
    {texts::kColumnMiddle, 100}, {texts::kColumnMinor, 100}, {texts::kColumnSerial, 30},
    {texts::kColumnTitle, 300}, {texts::kColumnFilingFrom, 70}, {texts::kColumnFilingTo, 70},
    {texts::kColumnRetentionBefore, 50}, {texts::kColumnRetentionAfter, 50},
    {texts::kColumnReason, 200},
};
// clang-format on

constexpr int kYearForm = 2;
constexpr int kYearMonthForm = 1;
// Half a second in days: the ledger rounds its periods by it.
constexpr double kHalfSecond = 5.787037037037037e-6;
constexpr int kLedgerDaysPerYear = 365;

// A classification code right-aligned in two characters (longer codes are
// shown whole), optionally followed by its name.
std::string classification(std::string_view code, std::string_view name = {}) {
    std::string cell;
    if (code.size() < 2) cell.assign(2 - code.size(), ' ');
    cell.append(code);
    cell.append(name);
    return cp932ToUtf8(cell);
}

template <size_t N>
std::string text(const char (&field)[N]) {
    return readFixedText(field);
}

// The cells show dates by the label of their fiscal year.
class DateCells {
  public:
    explicit DateCells(CalendarMode mode) : m_mode(mode) {}

    std::string year(const OleDateTime& date) const {
        const OleDateTime label = m_tool.FiscalLabelDate(date, m_mode.periodType);
        if (!label.isValid()) return {};
        if (m_mode.western) return formatPrintf(texts::kCellNumber, label.year());
        return m_tool.FormatEraDateShort(m_tool.DateToEraText(label), kYearForm);
    }
    std::string yearMonth(const OleDateTime& date) const {
        const OleDateTime label = m_tool.FiscalLabelDate(date, m_mode.periodType);
        if (!label.isValid()) return {};
        if (m_mode.western) return formatPrintf(texts::kCellYearMonth, label.year(), label.month());
        return m_tool.FormatEraDateShort(m_tool.DateToEraText(label), kYearMonthForm);
    }

  private:
    CalendarMode m_mode;
    CMyTool m_tool;
};

std::string serialOf(const CDocMasterData& volume) {
    const std::string_view number = fixedBytes(volume.KanriBangou);
    if (number.size() <= kNumberPrefixLength) return {};
    return cp932ToUtf8(number.substr(kNumberPrefixLength, 4));
}

std::string disposalCell(const CDocMasterData& volume, const DateCells& dates) {
    return volume.Haiki != 0 ? dates.yearMonth(volume.HaikiNengetu) : std::string();
}

}  // namespace

std::span<const ListColumn> volumeListColumns() { return kVolumeListColumns; }
std::span<const ListColumn> permanentLedgerColumns() { return kPermanentLedgerColumns; }
std::span<const ListColumn> changeFormListColumns() { return kChangeFormListColumns; }

int ledgerPeriodYears(double days) {
    const double rounded = days + (days < 0 ? -kHalfSecond : kHalfSecond);
    const auto wholeDays = static_cast<long long>(rounded);
    return static_cast<int>(wholeDays / kLedgerDaysPerYear);
}

std::vector<std::string> volumeListCells(const CDocMasterData& volume, CalendarMode mode) {
    const DateCells dates(mode);
    return {
        text(volume.KaMei),
        text(volume.KakariMei),
        classification(fixedBytes(volume.DaiBunruiCode), fixedBytes(volume.DaiBunruiMei)),
        classification(fixedBytes(volume.ChuuBunruiCode), fixedBytes(volume.ChuuBunruiMei)),
        classification(fixedBytes(volume.ShouBunruiCode), fixedBytes(volume.ShouBunruiMei)),
        serialOf(volume),
        text(volume.Title),
        formatPrintf(texts::kCellNumber, volume.Sassuu),
        dates.year(volume.ShuunouKaisiNendo),
        dates.year(volume.ShuunouShuuryouNendo),
        text(volume.HozonShubetuMei),
        dates.yearMonth(volume.ManryouNengetu),
        volume.Jouyou == 1 ? texts::kCellDailyUse : texts::kCellArchiveRoom,
        volume.Mokuji == 1 ? texts::kCellHasContents : "",
        disposalCell(volume, dates),
    };
}

std::vector<std::string> permanentLedgerCells(const CDocMasterData& volume, CalendarMode mode) {
    const DateCells dates(mode);
    const auto years = [](const OleSpan& period) {
        return formatPrintf(texts::kCellNumber, ledgerPeriodYears(period.days()));
    };
    return {
        text(volume.KaMei),
        text(volume.KakariMei),
        classification(fixedBytes(volume.DaiBunruiCode)),
        classification(fixedBytes(volume.ChuuBunruiCode)),
        classification(fixedBytes(volume.ShouBunruiCode)),
        serialOf(volume),
        text(volume.Title),
        formatPrintf(texts::kCellNumber, volume.Sassuu),
        dates.year(volume.ShuunouKaisiNendo),
        dates.year(volume.ShuunouShuuryouNendo),
        text(volume.HozonShubetuMei),
        dates.yearMonth(volume.Minaosi1Jiki),
        years(volume.Minaosi1Nengen),
        dates.yearMonth(volume.Minaosi2Jiki),
        years(volume.Minaosi2Nengen),
        dates.yearMonth(volume.Minaosi3Jiki),
        years(volume.Minaosi3Nengen),
        disposalCell(volume, dates),
        std::string(),
    };
}

std::vector<std::string> changeFormListCells(const CHozonNengenHenkoushoData& form,
                                             CalendarMode mode) {
    const DateCells dates(mode);
    return {
        text(form.HenkouKaMei),
        text(form.HenkouKakariMei),
        classification(fixedBytes(form.HenkouDaiBunruiCode), fixedBytes(form.HenkouDaiBunruiMei)),
        classification(fixedBytes(form.HenkouChuuBunruiCode), fixedBytes(form.HenkouChuuBunruiMei)),
        classification(fixedBytes(form.HenkouShouBunruiCode), fixedBytes(form.HenkouShouBunruiMei)),
        std::string(),
        text(form.HenkouTitle),
        dates.year(form.HenkouShuunouKaisiNendo),
        dates.year(form.HenkouShuunouShuuryouNendo),
        text(form.HenkouMaeShubetu),
        text(form.HenkouGoShubetu),
        text(form.HenkouRiyuu),
    };
}

}  // namespace bunrako
