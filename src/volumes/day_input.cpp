#include "volumes/day_input.h"

#include "common/format_text.h"
#include "common/my_tool.h"

namespace bunrako {

DayInput DayInput::of(const OleDateTime& date, bool western, const CMyTool& tool) {
    DayInput input;
    input.year = yearInputOf(date, western, tool);
    input.month = date.isValid() ? date.month() : 0;
    input.day = date.isValid() ? date.day() : 0;
    return input;
}

OleDateTime DayInput::toDate(const CMyTool& tool) const {
    if (year.western) {
        return tool.WesternTextToDate(formatPrintf("%04d,%02d,%02d", year.year, month, day));
    }
    return tool.EraTextToDate(
        formatPrintf("%d,%02d,%02d,%02d", year.era, year.eraYear, month, day));
}

bool DayInput::isFilled() const {
    const bool yearFilled = year.western ? year.year > 0 : year.era > 0 && year.eraYear > 0;
    return yearFilled && month > 0 && day > 0;
}

}  // namespace bunrako
