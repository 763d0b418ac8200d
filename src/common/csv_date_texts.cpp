#include "common/csv_date_texts.h"

#include "common/cp932.h"
#include "common/format_text.h"
#include "common/texts.h"

namespace bunrako {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int lastTwoDigits(int year) { return year % 100; }

}  // namespace

bool CsvDateTexts::eraYearOf(const OleDateTime& date, EraYear& eraYear) const {
    if (!date.isValid()) return false;
    const std::string text = m_tool.DateToEraText(date);
    if (text.size() != 10 || !isDigit(text[0]) || !isDigit(text[2]) || !isDigit(text[3])) {
        return false;
    }
    eraYear.era = text[0] - '0';
    if (eraYear.era < 1 || eraYear.era > m_tool.EraCount()) return false;
    eraYear.year = (text[2] - '0') * 10 + (text[3] - '0');
    return true;
}

std::string CsvDateTexts::yearOf(const OleDateTime& date) const {
    if (!date.isValid()) return {};
    if (m_western) {
        const char* pattern = m_westernYears == WesternYears::fourDigits
                                  ? common::texts::kCsvWesternYearFourDigits
                                  : common::texts::kCsvWesternYear;
        return utf8ToCp932(formatPrintf(pattern, date.year()));
    }
    EraYear eraYear;
    if (!eraYearOf(date, eraYear)) return {};
    return utf8ToCp932(formatPrintf(common::texts::kCsvEraYear, m_tool.EraName(eraYear.era).c_str(),
                                    eraYear.year));
}

std::string CsvDateTexts::fiscalYearOf(const OleDateTime& date) const {
    return yearOf(m_tool.FiscalLabelDate(date, m_periodType));
}

std::string CsvDateTexts::fiscalYearShortOf(const OleDateTime& date) const {
    const OleDateTime label = m_tool.FiscalLabelDate(date, m_periodType);
    if (!label.isValid()) return {};
    if (m_western)
        return formatPrintf(common::texts::kCsvWesternShortYear, lastTwoDigits(label.year()));
    EraYear eraYear;
    if (!eraYearOf(label, eraYear)) return {};
    return formatPrintf(common::texts::kCsvEraShortYear, m_tool.EraInitial(eraYear.era).c_str(),
                        eraYear.year);
}

std::string CsvDateTexts::yearMonthOf(const OleDateTime& date) const {
    if (!date.isValid()) return {};
    if (m_western) {
        return utf8ToCp932(
            formatPrintf(common::texts::kCsvWesternYearMonth, date.year(), date.month()));
    }
    EraYear eraYear;
    if (!eraYearOf(date, eraYear)) return {};
    return utf8ToCp932(formatPrintf(common::texts::kCsvEraYearMonth,
                                    m_tool.EraName(eraYear.era).c_str(), eraYear.year,
                                    date.month()));
}

std::string CsvDateTexts::yearMonthShortOf(const OleDateTime& date) const {
    if (!date.isValid()) return {};
    if (m_western) {
        return formatPrintf(common::texts::kCsvWesternShortYearMonth, lastTwoDigits(date.year()),
                            date.month());
    }
    EraYear eraYear;
    if (!eraYearOf(date, eraYear)) return {};
    return formatPrintf(common::texts::kCsvEraShortYearMonth,
                        m_tool.EraInitial(eraYear.era).c_str(), eraYear.year, date.month());
}

std::string CsvDateTexts::dayOf(const OleDateTime& date) const {
    if (!date.isValid()) return {};
    if (m_western) {
        return utf8ToCp932(
            formatPrintf(common::texts::kCsvWesternDate, date.year(), date.month(), date.day()));
    }
    EraYear eraYear;
    if (!eraYearOf(date, eraYear)) return {};
    return utf8ToCp932(formatPrintf(common::texts::kCsvEraDate, m_tool.EraName(eraYear.era).c_str(),
                                    eraYear.year, date.month(), date.day()));
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += fields[i];
    }
    return line + common::texts::kCsvLineEnd;
}

}  // namespace bunrako
