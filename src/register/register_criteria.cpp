#include "register/register_criteria.h"

#include "common/my_tool.h"

namespace bunrako {

OleDateTime RegisterCriteria::startOfYear(const OleDateTime& date, int calendarYear, int periodType,
                                          const CMyTool& tool) {
    if (calendarYear != 0) return OleDateTime::fromDate(date.year(), 1, 1);
    return tool.FiscalYearStart(date, periodType);
}

RegisterCriteria RegisterCriteria::Initial(const OleDateTime& now, int calendarYear, int periodType,
                                           std::string sectionCode) {
    const CMyTool tool;
    const OleDateTime start = startOfYear(now, calendarYear, periodType, tool);
    RegisterCriteria criteria;
    criteria.calendarYear = calendarYear;
    criteria.sectionCode = std::move(sectionCode);
    criteria.yearFrom = start;
    criteria.yearTo = start;
    criteria.receivedFrom = start;
    criteria.receivedTo = now;
    criteria.completedFrom = start;
    criteria.completedTo = now;
    return criteria;
}

void RegisterCriteria::applySettings(int registerPeriod, std::string code, const OleDateTime& now,
                                     int periodType) {
    const bool kindChanged = (registerPeriod != 0) != (calendarYear != 0);
    calendarYear = registerPeriod;
    sectionCode = std::move(code);
    if (kindChanged) {
        const OleDateTime start = startOfYear(now, calendarYear, periodType, CMyTool());
        yearFrom = start;
        yearTo = start;
    }
}

}  // namespace bunrako
