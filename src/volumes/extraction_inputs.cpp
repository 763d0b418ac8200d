#include "volumes/extraction_inputs.h"

namespace bunrako {
void NameCriterionInput::storeInto(int& flag, std::string& stored) const {
    flag = on ? 1 : 0;
    if (on) stored = name;
}

YearRangeInput YearRangeInput::Of(int flag, const OleDateTime& from, const OleDateTime& to,
                                  bool western, int periodType, const CMyTool& tool) {
    return {flag == 1, fiscalYearInputOf(from, western, periodType, tool),
            fiscalYearInputOf(to, western, periodType, tool)};
}

bool YearRangeInput::isComplete(const CMyTool& tool) const {
    return !on || (isExtractionYear(from, tool) && isExtractionYear(to, tool));
}

void YearRangeInput::storeInto(int& flag, OleDateTime& storedFrom, OleDateTime& storedTo,
                               int periodType, const CMyTool& tool) const {
    flag = on ? 1 : 0;
    if (!on) return;
    storedFrom = fiscalYearStartOf(from, periodType, tool);
    storedTo = fiscalYearStartOf(to, periodType, tool);
}

MonthRangeInput MonthRangeInput::Of(int flag, const OleDateTime& from, const OleDateTime& to,
                                    bool western, const CMyTool& tool) {
    return {flag == 1, monthInputOf(from, western, tool), monthInputOf(to, western, tool)};
}

bool MonthRangeInput::isComplete(const CMyTool& tool) const {
    return !on || (isExtractionMonth(from, tool) && isExtractionMonth(to, tool));
}

void MonthRangeInput::storeInto(int& flag, OleDateTime& storedFrom, OleDateTime& storedTo,
                                const CMyTool& tool) const {
    flag = on ? 1 : 0;
    if (!on) return;
    storedFrom = firstDayOfMonth(from, tool);
    storedTo = firstDayOfMonth(to, tool);
}

}  // namespace bunrako
