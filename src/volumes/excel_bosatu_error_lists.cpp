#include "volumes/excel_bosatu_error_lists.h"

#include "common/cp932.h"
#include "common/csv_date_texts.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/texts.h"
#include "settings/calendar_mode.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

std::string lineOf(const char* utf8) {
    return utf8ToCp932(utf8) + bunrako::common::texts::kCsvLineEnd;
}

template <size_t N>
std::string bytes(const char (&field)[N]) {
    return std::string(fixedBytes(field));
}

int wholeYears(const OleSpan& period) { return static_cast<int>(period.wholeDays() / 366); }

class FailedRowLine {
  public:
    FailedRowLine(int calendarMode, int periodType)
        : m_western(CalendarMode::IsWestern(calendarMode)),
          m_dates(m_western, periodType),
          m_periodType(periodType) {}

    std::string operator()(const ExcelBosatuFailedRow& failed) const {
        const CExcelBosatuData& row = failed.row.data;
        const std::string dailyUse =
            utf8ToCp932(row.Jouyou == 1 ? vtexts::kDailyUse : vtexts::kArchiveRoom);
        const std::string contents =
            utf8ToCp932(row.Mokuji == 1 ? vtexts::kWithContents : vtexts::kWithoutContents);
        const std::string disposal = row.Haiki == 1 ? yearMonthCell(row.HaikiNengetu) : "";
        const std::string note =
            utf8ToCp932(formatPrintf(vtexts::kNoteRow, failed.row.lineNumber, failed.note.c_str()));
        const auto sassuu = static_cast<unsigned>(row.Sassuu);
        if (m_western) {
            return formatPrintf(vtexts::kConvertErrorLineWestern, labelYear(row.SakuseiNendo),
                                bytes(row.KaMei).c_str(), bytes(row.KakariMei).c_str(),
                                bytes(row.DaiBunruiMei).c_str(), bytes(row.ChuuBunruiMei).c_str(),
                                bytes(row.ShouBunruiMei).c_str(), bytes(row.Title).c_str(), sassuu,
                                labelYear(row.ShuunouKaisiNendo),
                                labelYear(row.ShuunouShuuryouNendo), wholeYears(row.HozonNengen),
                                row.ManryouNengetu.year(), row.ManryouNengetu.month(),
                                dailyUse.c_str(), contents.c_str(), disposal.c_str(), note.c_str(),
                                bunrako::common::texts::kCsvLineEnd);
        }
        return formatPrintf(
            vtexts::kConvertErrorLineEra, m_dates.fiscalYearShortOf(row.SakuseiNendo).c_str(),
            bytes(row.KaMei).c_str(), bytes(row.KakariMei).c_str(), bytes(row.DaiBunruiMei).c_str(),
            bytes(row.ChuuBunruiMei).c_str(), bytes(row.ShouBunruiMei).c_str(),
            bytes(row.Title).c_str(), sassuu,
            m_dates.fiscalYearShortOf(row.ShuunouKaisiNendo).c_str(),
            m_dates.fiscalYearShortOf(row.ShuunouShuuryouNendo).c_str(),
            wholeYears(row.HozonNengen), m_dates.yearMonthShortOf(row.ManryouNengetu).c_str(),
            dailyUse.c_str(), contents.c_str(), disposal.c_str(), note.c_str(),
            bunrako::common::texts::kCsvLineEnd);
    }

  private:
    int labelYear(const OleDateTime& date) const {
        return m_tool.FiscalLabelDate(date, m_periodType).year();
    }
    // The month as the CSV's cell gives it: R12.4 or 2030.4.
    std::string yearMonthCell(const OleDateTime& date) const {
        if (!m_western) return m_dates.yearMonthShortOf(date);
        return formatPrintf(vtexts::kImportWesternYearMonthCell, date.year(), date.month());
    }

    bool m_western;
    CsvDateTexts m_dates;
    int m_periodType;
    CMyTool m_tool;
};

}  // namespace

std::string ReadErrorListBytes(const std::vector<ExcelBosatuListedLine>& listed) {
    if (listed.empty()) return lineOf(vtexts::kReadNoErrors);
    std::string text = lineOf(vtexts::kReadErrorsHeader);
    for (const ExcelBosatuListedLine& line : listed) {
        text += line.line + bunrako::common::texts::kCsvLineEnd;
        const std::string why = line.imported ? line.note : line.note + vtexts::kNoteNotImported;
        text += lineOf(formatPrintf(vtexts::kNoteLine, line.lineNumber, why.c_str()).c_str());
    }
    return text;
}

std::string ConvertErrorListBytes(const std::vector<ExcelBosatuFailedRow>& failed, int calendarMode,
                                  int periodType) {
    if (failed.empty()) return lineOf(vtexts::kConvertNoErrors);
    const FailedRowLine lineOfRow(calendarMode, periodType);
    std::string text = lineOf(vtexts::kConvertErrorsHeader);
    for (const ExcelBosatuFailedRow& row : failed) text += lineOfRow(row);
    return text;
}

}  // namespace bunrako
