#pragma once

#include <string>
#include <vector>

#include "register/register_criteria.h"
#include "volumes/day_input.h"
#include "volumes/year_input.h"

namespace bunrako {

class CSetteiKoumokuList;

// The extraction dialog of the title register (文書件名簿（受付簿）の抽出):
// the criteria as its controls show them, what each check enables, the
// ranges its fields take and the criteria it writes back on OK.
class RegisterCriteriaForm {
  public:
    RegisterCriteriaForm(const RegisterCriteria& criteria, const CSetteiKoumokuList& departments,
                         int calendarMode, int managementPeriod);

    bool western() const { return m_western; }
    // "年度で抽出する" / "年で抽出する" and "年度" / "年" by the register's
    // kind of year.
    const char* yearCheckCaption() const;
    const char* yearUnit() const;

    bool byWord = false;
    std::string word;
    bool byYear = false;
    YearInput yearFrom;
    YearInput yearTo;
    bool bySection = false;
    bool bySubsection = false;
    bool byNumber = false;
    std::string numberFrom;
    std::string numberTo;
    bool byReceivedDate = false;
    DayInput receivedFrom;
    DayInput receivedTo;
    bool byCompleted = false;
    bool notCompleted = false;
    bool byCompletedDate = false;
    DayInput completedFrom;
    DayInput completedTo;

    std::vector<std::string> sectionNames() const;
    const std::vector<std::string>& subsectionNames() const { return m_subsections; }
    const std::string& section() const { return m_section; }
    const std::string& subsection() const { return m_subsection; }
    // A changed section refills the sub-sections (none chosen).
    void setSection(const std::string& name);
    void setSubsection(const std::string& name) { m_subsection = name; }

    // 係で抽出する follows 課で抽出する; the radios follow 結了で抽出する;
    // 結了日で抽出する needs 結了している.
    bool subsectionEnabled() const { return bySection; }
    bool completionRadiosEnabled() const { return byCompleted; }
    bool completedDateEnabled() const { return byCompleted && !notCompleted; }
    // 結了していない clears 結了日で抽出する.
    void setNotCompleted(bool value);

    // The fields of every criterion that is on lie in their ranges.
    bool isValid() const;
    // The criteria the controls give; the switches, word and numbers as
    // shown, the years as their first days, the section code of the chosen
    // section (and sub-section with 係で抽出する).
    RegisterCriteria gather() const;

  private:
    RegisterCriteria m_criteria;
    const CSetteiKoumokuList& m_departments;
    bool m_western;
    int m_period;
    std::string m_section;
    std::string m_subsection;
    std::vector<std::string> m_subsections;
};

}  // namespace bunrako
