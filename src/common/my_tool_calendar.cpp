// The calendar half of CMyTool: the era table, date texts, display forms and
// fiscal years. The file and program half lives in the other my_tool_*.cpp.

#include <cstdio>
#include <iterator>

#include "common/cp932.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/text_functions.h"

namespace bunrako {
namespace {

struct EraRow {
    const char* name;
    const char* initial;
    // The last day that does not belong to the era, as a Western date text.
    const char* boundary;
};

// Oldest first; the era number of the date texts is the 1-based row. A new
// era is one more row.
// clang-format off
constexpr EraRow kEraTable[] = {
    {"明治", "M", "1868,09,07"},
    {"大正", "T", "1912,07,30"},
    {"昭和", "S", "1926,12,25"},
    {"平成", "H", "1989,01,07"},
    {"令和", "R", "2019,04,30"},
};
// clang-format on

constexpr size_t kDateTextLength = 10;
// What stands in for the name or initial of an era number outside the table.
constexpr const char* kUnknownEraName = "****";
constexpr const char* kUnknownEraInitial = "*";

// Display forms 0 year-month-day, 1 year-month, 2 year. The era name (or its
// stand-in) comes first; the padded forms give numbers below 10 a blank.
struct DisplayForm {
    const char* plain;
    const char* padded;
    const char* shortForm;
};
constexpr DisplayForm kDisplayForms[] = {
    {"%s%d年%d月%d日", "%s%2d年%2d月%2d日", "%s%d.%d.%d"},
    {"%s%d年%d月", "%s%2d年%2d月", "%s%d.%d"},
    {"%s%d年", "%s%2d年", "%s%d"},
};

// Fiscal years by management period type 0-3: the month they start in, and
// whether they are named by the year they end in (July and October starts)
// rather than the year they start in.
struct PeriodType {
    int startMonth;
    bool labelIsEndYear;
};
constexpr PeriodType kPeriodTypes[] = {{4, false}, {7, true}, {10, true}, {1, false}};

const PeriodType* periodType(int type) {
    return type >= 0 && type < static_cast<int>(std::size(kPeriodTypes)) ? &kPeriodTypes[type]
                                                                         : nullptr;
}

// The integer at the start of a text the way the C library reads one:
// leading blanks, an optional sign, digits; no digits read as 0. Saturates
// far below INT_MAX so that sums of two readings cannot overflow.
int leadingNumber(std::string_view text) {
    constexpr long long kLimit = 999'999'999;
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > kLimit) value = kLimit;
    }
    return static_cast<int>(negative ? -value : value);
}

// Characters [pos, pos + count) of a text, shorter or empty past its end.
std::string_view slice(std::string_view text, size_t pos, size_t count) {
    return pos < text.size() ? text.substr(pos, count) : std::string_view();
}

// Copies a date text into an 11-byte field; a text that does not fit leaves
// the field empty rather than holding a cut date.
void writeDateText(char (&buffer)[11], std::string_view text) {
    writeFixedBytes(buffer, text.size() < sizeof buffer ? text : std::string_view(""));
}

std::string_view readDateText(const char (&buffer)[11]) { return fixedBytes(buffer); }

// The three numbers of an era text as the display forms read them.
struct EraTextParts {
    int era;
    int year;
    int month;
    int day;
};

EraTextParts readEraTextParts(std::string_view era) {
    const char first = era.empty() ? '\0' : era[0];
    return {first >= '0' && first <= '9' ? first - '0' : 0, leadingNumber(slice(era, 2, 2)),
            leadingNumber(slice(era, 5, 2)), leadingNumber(slice(era, 8, 2))};
}

}  // namespace

CMyTool::CMyTool() {
    for (const EraRow& row : kEraTable) {
        m_eraNames.emplace_back(row.name);
        m_eraInitials.emplace_back(row.initial);
        m_eraBoundaries.emplace_back(row.boundary);
    }
}

std::string CMyTool::EraName(int era) const {
    return era >= 1 && era <= EraCount() ? m_eraNames[era - 1] : std::string();
}

std::string CMyTool::EraInitial(int era) const {
    return era >= 1 && era <= EraCount() ? m_eraInitials[era - 1] : std::string();
}

int CMyTool::EraOfDate(const OleDateTime& date) const {
    const std::string western = date.format("%Y,%m,%d");
    if (western.size() != kDateTextLength) return 0;
    // Fixed-width texts: string order is date order.
    for (int era = EraCount(); era >= 1; --era) {
        if (western > m_eraBoundaries[era - 1]) return era;
    }
    return 0;
}

std::string CMyTool::WesternToEraText(std::string_view western) const {
    if (western.size() != kDateTextLength) return {};
    const std::string month = ExtractField(western, 2);
    const std::string day = ExtractField(western, 3);
    for (int era = EraCount(); era >= 1; --era) {
        const std::string& boundary = m_eraBoundaries[era - 1];
        if (western > std::string_view(boundary)) {
            const int eraYear = leadingNumber(ExtractField(western, 1)) -
                                leadingNumber(ExtractField(boundary, 1)) + 1;
            return formatPrintf("%1d,%02d,%s,%s", era, eraYear, month.c_str(), day.c_str());
        }
    }
    return formatPrintf("*,**,%s,%s", month.c_str(), day.c_str());
}

std::string CMyTool::EraToWesternText(std::string_view era) const {
    if (era.size() != kDateTextLength) return {};
    const int number = leadingNumber(ExtractField(era, 1));
    const std::string month = ExtractField(era, 3);
    const std::string day = ExtractField(era, 4);
    if (number < 1 || number > EraCount()) {
        return formatPrintf("****,%s,%s", month.c_str(), day.c_str());
    }
    const int year = leadingNumber(ExtractField(era, 2)) +
                     leadingNumber(ExtractField(m_eraBoundaries[number - 1], 1)) - 1;
    return formatPrintf("%04d,%s,%s", year, month.c_str(), day.c_str());
}

std::string CMyTool::DateToEraText(const OleDateTime& date) const {
    return WesternToEraText(date.format("%Y,%m,%d"));
}

std::string CMyTool::DateToEraText(const OleDateTime& date, char (&buffer)[11]) const {
    std::string era = DateToEraText(date);
    writeDateText(buffer, era);
    return era;
}

void CMyTool::WesternToEraTextInPlace(char (&buffer)[11]) const {
    writeDateText(buffer, WesternToEraText(readDateText(buffer)));
}

void CMyTool::EraToWesternTextInPlace(char (&buffer)[11]) const {
    writeDateText(buffer, EraToWesternText(readDateText(buffer)));
}

OleDateTime CMyTool::WesternTextToDate(std::string_view western) const {
    // Fixed positions only mean something in a text of the full width (a
    // five-digit year would otherwise shift its digits into the month).
    if (western.size() != kDateTextLength) return OleDateTime::invalidValue();
    return OleDateTime::fromDate(leadingNumber(slice(western, 0, 4)),
                                 leadingNumber(slice(western, 5, 2)),
                                 leadingNumber(slice(western, 8, 2)));
}

OleDateTime CMyTool::EraTextToDate(std::string_view era) const {
    return WesternTextToDate(EraToWesternText(era));
}

std::string CMyTool::FormatEraDate(std::string_view era, int form, bool pad) const {
    if (era.size() != kDateTextLength || form < 0 ||
        form >= static_cast<int>(std::size(kDisplayForms))) {
        return {};
    }
    const EraTextParts parts = readEraTextParts(era);
    const std::string name =
        parts.era >= 1 && parts.era <= EraCount() ? EraName(parts.era) : kUnknownEraName;
    const DisplayForm& pattern = kDisplayForms[form];
    return formatPrintf(pad ? pattern.padded : pattern.plain, name.c_str(), parts.year, parts.month,
                        parts.day);
}

std::string CMyTool::FormatEraDateShort(std::string_view era, int form) const {
    if (era.size() != kDateTextLength || form < 0 ||
        form >= static_cast<int>(std::size(kDisplayForms))) {
        return {};
    }
    const EraTextParts parts = readEraTextParts(era);
    const std::string initial =
        parts.era >= 1 && parts.era <= EraCount() ? EraInitial(parts.era) : kUnknownEraInitial;
    return formatPrintf(kDisplayForms[form].shortForm, initial.c_str(), parts.year, parts.month,
                        parts.day);
}

void CMyTool::FormatEraDateBuffer(std::string_view era, char (&buffer)[17]) const {
    writeFixedText(buffer, FormatEraDate(era, 0, false));
}

void CMyTool::FormatDateBuffer(const OleDateTime& date, char (&buffer)[17]) const {
    FormatEraDateBuffer(DateToEraText(date), buffer);
}

std::string CMyTool::FormatDate(const OleDateTime& date, int form, bool pad) const {
    return FormatEraDate(DateToEraText(date), form, pad);
}

OleDateTime CMyTool::FiscalLabelDate(const OleDateTime& date, int type) const {
    const PeriodType* period = periodType(type);
    if (!period || !date.isValid()) return OleDateTime::invalidValue();
    const int year = date.year();
    const int month = date.month();
    int label = year;
    if (period->labelIsEndYear) {
        if (month >= period->startMonth) label = year + 1;
    } else if (month < period->startMonth) {
        label = year - 1;
    }
    return OleDateTime::fromDate(label, period->startMonth, 1);
}

OleDateTime CMyTool::FiscalYearStart(const OleDateTime& date, int type) const {
    const PeriodType* period = periodType(type);
    if (!period || !date.isValid()) return OleDateTime::invalidValue();
    const int year = date.month() < period->startMonth ? date.year() - 1 : date.year();
    return OleDateTime::fromDate(year, period->startMonth, 1);
}

OleDateTime CMyTool::FiscalYearEnd(const OleDateTime& date, int type) const {
    const PeriodType* period = periodType(type);
    if (!period || !date.isValid()) return OleDateTime::invalidValue();
    if (period->startMonth == 1) return OleDateTime::fromDate(date.year(), 12, 31);
    const int year = date.month() >= period->startMonth ? date.year() + 1 : date.year();
    const int endMonth = period->startMonth - 1;
    return OleDateTime::fromDate(year, endMonth, daysInMonth(year, endMonth));
}

OleDateTime CMyTool::FiscalStartFromEraYear(int era, int eraYear, int type) const {
    const PeriodType* period = periodType(type);
    if (!period) return OleDateTime::invalidValue();
    const long long startEraYear = period->labelIsEndYear ? eraYear - 1LL : eraYear;
    return EraTextToDate(formatPrintf("%d,%02lld,%02d,01", era, startEraYear, period->startMonth));
}

OleDateTime CMyTool::FiscalStartFromYear(int year, int type) const {
    const PeriodType* period = periodType(type);
    if (!period) return OleDateTime::invalidValue();
    const long long startYear = period->labelIsEndYear ? year - 1LL : year;
    return WesternTextToDate(formatPrintf("%04lld,%02d,01", startYear, period->startMonth));
}

}  // namespace bunrako
