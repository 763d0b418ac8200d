#include "catalogue/catalogue_criteria_form.h"

#include "common/my_tool.h"

namespace bunrako {
namespace {

constexpr int kEraYearHigh = 999;
constexpr int kWesternYearHigh = 9999;

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

bool isCriteriaDay(const DayInput& day, const CMyTool& tool) {
    const YearInput& year = day.year;
    const bool yearFits = year.western ? inRange(year.year, 1, kWesternYearHigh)
                                       : year.era > 0 && inRange(year.eraYear, 1, kEraYearHigh);
    return yearFits && inRange(day.month, 1, 12) && inRange(day.day, 1, 31) &&
           day.toDate(tool).isValid();
}

}  // namespace

CatalogueCriteriaForm::CatalogueCriteriaForm(const CSakuinMokurokuFilter& criteria,
                                             int calendarMode)
    : m_criteria(criteria), m_western(calendarMode != 0) {
    const CMyTool tool;
    byNumber = criteria.byNumber == 1;
    numberFrom = criteria.numberFrom;
    numberTo = criteria.numberTo;
    byDate = criteria.byDate == 1;
    dateFrom = DayInput::of(criteria.dateFrom, m_western, tool);
    dateTo = DayInput::of(criteria.dateTo, m_western, tool);
    byWord = criteria.byWord == 1;
    word = criteria.word;
    byCompletion = criteria.byCompletion == 1;
    notCompleted = criteria.notCompleted == 1;
    byCompletionDate = criteria.byCompletionDate == 1;
    completionFrom = DayInput::of(criteria.completionFrom, m_western, tool);
    completionTo = DayInput::of(criteria.completionTo, m_western, tool);
}

bool CatalogueCriteriaForm::isValid() const {
    const CMyTool tool;
    if (byDate && !(isCriteriaDay(dateFrom, tool) && isCriteriaDay(dateTo, tool))) return false;
    if (completionDateEnabled() && byCompletionDate &&
        !(isCriteriaDay(completionFrom, tool) && isCriteriaDay(completionTo, tool))) {
        return false;
    }
    return true;
}

CSakuinMokurokuFilter CatalogueCriteriaForm::gather() const {
    const CMyTool tool;
    CSakuinMokurokuFilter criteria = m_criteria;
    criteria.byNumber = byNumber ? 1 : 0;
    criteria.numberFrom = numberFrom;
    criteria.numberTo = numberTo;
    criteria.byDate = byDate ? 1 : 0;
    // A date that is off keeps its bound as it was when its fields are
    // not a day.
    const auto dateOf = [&tool](const DayInput& input, const OleDateTime& kept) {
        const OleDateTime date = input.toDate(tool);
        return date.isValid() ? date : kept;
    };
    criteria.dateFrom = dateOf(dateFrom, m_criteria.dateFrom);
    criteria.dateTo = dateOf(dateTo, m_criteria.dateTo);
    criteria.byWord = byWord ? 1 : 0;
    criteria.word = word;
    criteria.byCompletion = byCompletion ? 1 : 0;
    criteria.notCompleted = notCompleted ? 1 : 0;
    criteria.byCompletionDate = byCompletionDate ? 1 : 0;
    criteria.completionFrom = dateOf(completionFrom, m_criteria.completionFrom);
    criteria.completionTo = dateOf(completionTo, m_criteria.completionTo);
    return criteria;
}

}  // namespace bunrako
