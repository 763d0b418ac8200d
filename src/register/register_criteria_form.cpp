#include "register/register_criteria_form.h"

#include "common/format_text.h"
#include "common/my_tool.h"
#include "register/texts.h"
#include "settings/settei_koumoku_data.h"
#include "settings/settei_koumoku_list.h"

namespace bunrako {
namespace {

struct YearRange {
    int westernLow;
    int westernHigh;
    int eraHigh;
};
constexpr YearRange kListedYears{1500, 3000, 99};
constexpr YearRange kCompletionYears{1, 9999, 999};

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

bool yearInRange(const YearInput& year, const YearRange& range) {
    if (year.western) return inRange(year.year, range.westernLow, range.westernHigh);
    return year.era > 0 && inRange(year.eraYear, 1, range.eraHigh);
}

bool dayInRange(const DayInput& day, const YearRange& range) {
    return yearInRange(day.year, range) && inRange(day.month, 1, 12) && inRange(day.day, 1, 31);
}

OleDateTime firstDayOfYear(const YearInput& year, bool calendarYear, int period,
                           const CMyTool& tool) {
    if (!calendarYear) return fiscalYearStartOf(year, period, tool);
    if (year.western) return tool.WesternTextToDate(formatPrintf("%04d,01,01", year.year));
    return tool.EraTextToDate(formatPrintf("%01d,%02d,01,01", year.era, year.eraYear));
}

// The year a bound names: the label year of its fiscal year, or its own.
YearInput shownYear(const OleDateTime& bound, bool calendarYear, bool western, int period,
                    const CMyTool& tool) {
    return yearInputOf(calendarYear ? bound : tool.FiscalLabelDate(bound, period), western, tool);
}

}  // namespace

RegisterCriteriaForm::RegisterCriteriaForm(const RegisterCriteria& criteria,
                                           const CSetteiKoumokuList& departments, int calendarMode,
                                           int managementPeriod)
    : m_criteria(criteria),
      m_departments(departments),
      m_western(calendarMode != 0),
      m_period(managementPeriod) {
    const CMyTool tool;
    const bool calendarYear = criteria.calendarYear != 0;
    byWord = criteria.byWord == 1;
    word = criteria.word;
    byYear = criteria.byYear == 1;
    yearFrom = shownYear(criteria.yearFrom, calendarYear, m_western, m_period, tool);
    yearTo = shownYear(criteria.yearTo, calendarYear, m_western, m_period, tool);
    bySection = criteria.bySection == 1;
    bySubsection = bySection && criteria.bySubsection == 1;
    byNumber = criteria.byNumber == 1;
    numberFrom = criteria.numberFrom;
    numberTo = criteria.numberTo;
    byReceivedDate = criteria.byReceivedDate == 1;
    receivedFrom = DayInput::of(criteria.receivedFrom, m_western, tool);
    receivedTo = DayInput::of(criteria.receivedTo, m_western, tool);
    byCompleted = criteria.byCompleted == 1;
    notCompleted = criteria.notCompleted == 1;
    byCompletedDate = byCompleted && !notCompleted && criteria.byCompletedDate == 1;
    completedFrom = DayInput::of(criteria.completedFrom, m_western, tool);
    completedTo = DayInput::of(criteria.completedTo, m_western, tool);

    const std::string& code = criteria.sectionCode;
    if (code.size() >= 3) {
        m_section = departments.NameByCode(code.substr(0, 3) + "0000000");
        m_subsections = departments.ListChildren(departments.CodeByNames(m_section));
        if (code.size() >= 6 && code.substr(3, 3) != "000") {
            m_subsection = departments.NameByCode(code.substr(0, 6) + "0000");
        }
    }
}

const char* RegisterCriteriaForm::yearCheckCaption() const {
    return m_criteria.calendarYear != 0 ? register_::texts::kByCalendarYear
                                        : register_::texts::kByFiscalYear;
}

const char* RegisterCriteriaForm::yearUnit() const {
    return m_criteria.calendarYear != 0 ? register_::texts::kUnitCalendarYear
                                        : register_::texts::kUnitFiscalYear;
}

std::vector<std::string> RegisterCriteriaForm::sectionNames() const {
    return m_departments.ListChildren(kRootCode);
}

void RegisterCriteriaForm::setSection(const std::string& name) {
    if (name == m_section) return;
    m_section = name;
    m_subsections = m_departments.ListChildren(m_departments.CodeByNames(name));
    m_subsection.clear();
}

void RegisterCriteriaForm::setNotCompleted(bool value) {
    notCompleted = value;
    if (value) byCompletedDate = false;
}

bool RegisterCriteriaForm::isValid() const {
    if (byYear && !(yearInRange(yearFrom, kListedYears) && yearInRange(yearTo, kListedYears))) {
        return false;
    }
    if (byReceivedDate &&
        !(dayInRange(receivedFrom, kListedYears) && dayInRange(receivedTo, kListedYears))) {
        return false;
    }
    if (byCompleted && byCompletedDate && !notCompleted &&
        !(dayInRange(completedFrom, kCompletionYears) &&
          dayInRange(completedTo, kCompletionYears))) {
        return false;
    }
    return true;
}

RegisterCriteria RegisterCriteriaForm::gather() const {
    const CMyTool tool;
    const bool calendarYear = m_criteria.calendarYear != 0;
    RegisterCriteria criteria = m_criteria;
    criteria.byWord = byWord ? 1 : 0;
    criteria.word = word;
    criteria.byYear = byYear ? 1 : 0;
    criteria.yearFrom = firstDayOfYear(yearFrom, calendarYear, m_period, tool);
    criteria.yearTo = firstDayOfYear(yearTo, calendarYear, m_period, tool);
    criteria.bySection = bySection ? 1 : 0;
    criteria.bySubsection = bySection && bySubsection ? 1 : 0;
    const bool withSubsection = criteria.bySubsection == 1 && !m_subsection.empty();
    criteria.sectionCode = withSubsection ? m_departments.CodeByNames(m_section, m_subsection)
                                          : m_departments.CodeByNames(m_section);
    criteria.byNumber = byNumber ? 1 : 0;
    criteria.numberFrom = numberFrom;
    criteria.numberTo = numberTo;
    criteria.byReceivedDate = byReceivedDate ? 1 : 0;
    criteria.receivedFrom = receivedFrom.toDate(tool);
    criteria.receivedTo = receivedTo.toDate(tool);
    criteria.byCompleted = byCompleted ? 1 : 0;
    criteria.notCompleted = notCompleted ? 1 : 0;
    criteria.byCompletedDate = completedDateEnabled() && byCompletedDate ? 1 : 0;
    criteria.completedFrom = completedFrom.toDate(tool);
    criteria.completedTo = completedTo.toDate(tool);
    return criteria;
}

}  // namespace bunrako
