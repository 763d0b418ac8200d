#include "volumes/extraction_parts.h"

#include "common/cp932.h"
#include "common/my_tool.h"

namespace bunrako {

FiscalYearRange FiscalYearRange::Of(const OleDateTime& fromYear, const OleDateTime& toYear,
                                    int periodType, const CMyTool& tool) {
    return {tool.FiscalYearStart(fromYear, periodType), tool.FiscalYearEnd(toYear, periodType)};
}

bool FiscalYearRange::contains(const OleDateTime& date) const {
    if (!date.isValid() || !from.isValid() || !to.isValid()) return false;
    const bool afterFrom = from.days() < date.days() || from == date;
    const bool beforeTo = date.days() < to.days() || date == to;
    return afterFrom && beforeTo;
}

MonthRange MonthRange::Of(const OleDateTime& from, const OleDateTime& to) {
    if (!from.isValid() || !to.isValid()) return {};
    return {keyOf(from), keyOf(to)};
}

bool MonthRange::contains(const OleDateTime& date) const {
    if (!date.isValid()) return false;
    const int key = keyOf(date);
    return from <= key && key <= to;
}

DayRange DayRange::Of(const OleDateTime& from, const OleDateTime& to) {
    if (!from.isValid() || !to.isValid()) return {};
    return {keyOf(from), keyOf(to)};
}

bool DayRange::contains(const OleDateTime& date) const {
    if (!date.isValid()) return false;
    const int key = keyOf(date);
    return from <= key && key <= to;
}

std::optional<std::string> nameCriterion(int flag, const std::string& utf8) {
    if (flag != 1) return std::nullopt;
    return utf8ToCp932(utf8);
}

}  // namespace bunrako
