#include "volumes/volume_list_cells.h"

#include <cmath>

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
static_assert(std::size(kVolumeListColumns) == static_cast<size_t>(VolumeListColumn::count));
static_assert(std::size(kPermanentLedgerColumns) ==
              static_cast<size_t>(PermanentLedgerColumn::count));
static_assert(std::size(kChangeFormListColumns) ==
              static_cast<size_t>(ChangeFormListColumn::count));
// The ledger shares the volume list's first columns, up to the retention type.
static_assert(static_cast<int>(PermanentLedgerColumn::retention) ==
              static_cast<int>(VolumeListColumn::retention));

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

// The calendar is read-only once built; the lists share one.
const CMyTool& calendar() {
    static const CMyTool tool;
    return tool;
}

// The cells show dates by the label of their fiscal year.
class DateCells {
  public:
    explicit DateCells(CalendarMode mode) : m_mode(mode), m_tool(calendar()) {}

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
    const CMyTool& m_tool;
};

std::string serialOf(const CDocMasterData& volume) {
    const std::string_view number = fixedBytes(volume.KanriBangou);
    if (number.size() <= kNumberPrefixLength) return {};
    return cp932ToUtf8(number.substr(kNumberPrefixLength, 4));
}

std::string number(int value) { return formatPrintf(texts::kCellNumber, value); }

// Days that no span can hold (damaged data) show an empty cell.
bool holdableDays(double days) { return std::fabs(days) <= OleSpan::kMaxDays; }

std::string periodYears(const OleSpan& period) {
    return holdableDays(period.days()) ? number(ledgerPeriodYears(period.days())) : std::string();
}

std::string disposalCell(const CDocMasterData& volume, const DateCells& dates) {
    return volume.Haiki != 0 ? dates.yearMonth(volume.HaikiNengetu) : std::string();
}

// Columns 0-10 of both volume lists: department to retention type; the
// ledger shows the classification codes alone.
std::string commonVolumeCell(const CDocMasterData& volume, int column, const DateCells& dates,
                             bool codesOnly) {
    const auto level = [&](const auto& code, const auto& name) {
        return codesOnly ? classification(fixedBytes(code))
                         : classification(fixedBytes(code), fixedBytes(name));
    };
    switch (static_cast<VolumeListColumn>(column)) {
        case VolumeListColumn::department:
            return text(volume.KaMei);
        case VolumeListColumn::section:
            return text(volume.KakariMei);
        case VolumeListColumn::major:
            return level(volume.DaiBunruiCode, volume.DaiBunruiMei);
        case VolumeListColumn::middle:
            return level(volume.ChuuBunruiCode, volume.ChuuBunruiMei);
        case VolumeListColumn::minor:
            return level(volume.ShouBunruiCode, volume.ShouBunruiMei);
        case VolumeListColumn::serial:
            return serialOf(volume);
        case VolumeListColumn::title:
            return text(volume.Title);
        case VolumeListColumn::books:
            return number(volume.Sassuu);
        case VolumeListColumn::filingFrom:
            return dates.year(volume.ShuunouKaisiNendo);
        case VolumeListColumn::filingTo:
            return dates.year(volume.ShuunouShuuryouNendo);
        case VolumeListColumn::retention:
            return text(volume.HozonShubetuMei);
        default:
            return {};
    }
}

template <typename Record, typename Cell>
std::vector<std::string> row(const Record& record, std::span<const ListColumn> columns,
                             CalendarMode mode, Cell cell) {
    std::vector<std::string> cells;
    cells.reserve(columns.size());
    for (size_t column = 0; column < columns.size(); ++column) {
        cells.push_back(cell(record, static_cast<int>(column), mode));
    }
    return cells;
}

}  // namespace

std::span<const ListColumn> volumeListColumns() { return kVolumeListColumns; }
std::span<const ListColumn> permanentLedgerColumns() { return kPermanentLedgerColumns; }
std::span<const ListColumn> changeFormListColumns() { return kChangeFormListColumns; }

int ledgerPeriodYears(double days) {
    if (!holdableDays(days)) return 0;
    const double rounded = days + (days < 0 ? -kHalfSecond : kHalfSecond);
    const auto wholeDays = static_cast<long long>(rounded);
    return static_cast<int>(wholeDays / kLedgerDaysPerYear);
}

std::string volumeListCell(const CDocMasterData& volume, int column, CalendarMode mode) {
    const DateCells dates(mode);
    switch (static_cast<VolumeListColumn>(column)) {
        case VolumeListColumn::expiry:
            return dates.yearMonth(volume.ManryouNengetu);
        case VolumeListColumn::dailyUse:
            return volume.Jouyou == 1 ? texts::kCellDailyUse : texts::kCellArchiveRoom;
        case VolumeListColumn::contents:
            return volume.Mokuji == 1 ? texts::kCellHasContents : "";
        case VolumeListColumn::disposal:
            return disposalCell(volume, dates);
        default:
            return commonVolumeCell(volume, column, dates, false);
    }
}

std::string permanentLedgerCell(const CDocMasterData& volume, int column, CalendarMode mode) {
    const DateCells dates(mode);
    switch (static_cast<PermanentLedgerColumn>(column)) {
        case PermanentLedgerColumn::review1:
            return dates.yearMonth(volume.Minaosi1Jiki);
        case PermanentLedgerColumn::period1:
            return periodYears(volume.Minaosi1Nengen);
        case PermanentLedgerColumn::review2:
            return dates.yearMonth(volume.Minaosi2Jiki);
        case PermanentLedgerColumn::period2:
            return periodYears(volume.Minaosi2Nengen);
        case PermanentLedgerColumn::review3:
            return dates.yearMonth(volume.Minaosi3Jiki);
        case PermanentLedgerColumn::period3:
            return periodYears(volume.Minaosi3Nengen);
        case PermanentLedgerColumn::disposal:
            return disposalCell(volume, dates);
        case PermanentLedgerColumn::note:
            return {};  // 備考 stays empty
        default:
            return commonVolumeCell(volume, column, dates, true);
    }
}

std::string changeFormListCell(const CHozonNengenHenkoushoData& form, int column,
                               CalendarMode mode) {
    const DateCells dates(mode);
    switch (static_cast<ChangeFormListColumn>(column)) {
        case ChangeFormListColumn::department:
            return text(form.HenkouKaMei);
        case ChangeFormListColumn::section:
            return text(form.HenkouKakariMei);
        case ChangeFormListColumn::major:
            return classification(fixedBytes(form.HenkouDaiBunruiCode),
                                  fixedBytes(form.HenkouDaiBunruiMei));
        case ChangeFormListColumn::middle:
            return classification(fixedBytes(form.HenkouChuuBunruiCode),
                                  fixedBytes(form.HenkouChuuBunruiMei));
        case ChangeFormListColumn::minor:
            return classification(fixedBytes(form.HenkouShouBunruiCode),
                                  fixedBytes(form.HenkouShouBunruiMei));
        case ChangeFormListColumn::serial:
            return {};  // № stays empty
        case ChangeFormListColumn::title:
            return text(form.HenkouTitle);
        case ChangeFormListColumn::filingFrom:
            return dates.year(form.HenkouShuunouKaisiNendo);
        case ChangeFormListColumn::filingTo:
            return dates.year(form.HenkouShuunouShuuryouNendo);
        case ChangeFormListColumn::retentionBefore:
            return text(form.HenkouMaeShubetu);
        case ChangeFormListColumn::retentionAfter:
            return text(form.HenkouGoShubetu);
        case ChangeFormListColumn::reason:
            return text(form.HenkouRiyuu);
        default:
            return {};
    }
}

std::vector<std::string> volumeListCells(const CDocMasterData& volume, CalendarMode mode) {
    return row(volume, volumeListColumns(), mode, volumeListCell);
}

std::vector<std::string> permanentLedgerCells(const CDocMasterData& volume, CalendarMode mode) {
    return row(volume, permanentLedgerColumns(), mode, permanentLedgerCell);
}

std::vector<std::string> changeFormListCells(const CHozonNengenHenkoushoData& form,
                                             CalendarMode mode) {
    return row(form, changeFormListColumns(), mode, changeFormListCell);
}

}  // namespace bunrako
