#include "volumes/year_input.h"

#include <cstdlib>
#include <string>

#include "common/format_text.h"
#include "common/my_tool.h"

namespace bunrako {

OleDateTime fiscalYearStartOf(const YearInput& input, int periodType, const CMyTool& tool) {
    if (input.western) return tool.FiscalStartFromYear(input.year, periodType);
    return tool.FiscalStartFromEraYear(input.era, input.eraYear, periodType);
}

OleDateTime firstDayOfMonth(const YearMonthInput& input, const CMyTool& tool) {
    const std::string western =
        input.year.western ? formatPrintf("%04d,%02d,01", input.year.year, input.month)
                           : tool.EraToWesternText(formatPrintf("%d,%02d,%02d,01", input.year.era,
                                                                input.year.eraYear, input.month));
    if (western.size() != 10) return OleDateTime::invalidValue();
    return tool.WesternTextToDate(western);
}

bool isExtractionYear(const YearInput& input, const CMyTool& tool) {
    if (input.western) return input.year >= 1000 && input.year <= 3000;
    return input.era >= 1 && input.era <= tool.EraCount() && input.eraYear >= 1 &&
           input.eraYear <= 99;
}

bool isExtractionMonth(const YearMonthInput& input, const CMyTool& tool) {
    return isExtractionYear(input.year, tool) && input.month >= 1 && input.month <= 12;
}

YearInput yearInputOf(const OleDateTime& date, bool western, const CMyTool& tool) {
    YearInput input;
    input.western = western;
    input.year = date.isValid() ? date.year() : 0;
    // "E,YY,MM,DD", or "E,YYY,MM,DD" a hundred years into an era.
    const std::string era = tool.DateToEraText(date);
    const size_t yearEnd = era.find(',', 2);
    if (era.size() >= 10 && era[0] >= '1' && era[0] <= '9' && era[1] == ',' &&
        yearEnd != std::string::npos) {
        input.era = era[0] - '0';
        input.eraYear = std::atoi(era.substr(2, yearEnd - 2).c_str());
    }
    return input;
}

int westernYearOf(int era, int eraYear, const CMyTool& tool) {
    if (era < 1 || era > tool.EraCount()) return 0;
    const std::string firstYear = tool.EraToWesternText(formatPrintf("%d,01,04,01", era));
    if (firstYear.size() != 10) return 0;
    return std::atoi(firstYear.substr(0, 4).c_str()) + eraYear - 1;
}

OleDateTime firstDayOfEntryMonth(const YearMonthInput& input, const CMyTool& tool) {
    if (input.year.western) return firstDayOfMonth(input, tool);
    const int year = westernYearOf(input.year.era, input.year.eraYear, tool);
    if (year <= 0 || input.year.eraYear < 1) return OleDateTime::invalidValue();
    return firstDayOfMonth({{true, 0, 0, year}, input.month}, tool);
}

OleDateTime fiscalYearStartOfEntry(const YearInput& input, int periodType, const CMyTool& tool) {
    if (input.western) return fiscalYearStartOf(input, periodType, tool);
    const int year = westernYearOf(input.era, input.eraYear, tool);
    if (year <= 0 || input.eraYear < 1) return OleDateTime::invalidValue();
    return tool.FiscalStartFromYear(year, periodType);
}

YearInput fiscalYearInputOf(const OleDateTime& date, bool western, int periodType,
                            const CMyTool& tool) {
    const OleDateTime label = tool.FiscalLabelDate(date, periodType);
    return yearInputOf(label.isValid() ? label : date, western, tool);
}

YearMonthInput monthInputOf(const OleDateTime& date, bool western, const CMyTool& tool) {
    return {yearInputOf(date, western, tool), date.isValid() ? date.month() : 0};
}

}  // namespace bunrako
