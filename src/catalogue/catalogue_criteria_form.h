#pragma once

#include <string>

#include "catalogue/sakuin_mokuroku_filter.h"
#include "volumes/day_input.h"

namespace bunrako {

// The extraction dialog of the index catalogue (索引目録の抽出): the criteria
// as its controls show them, what each check enables, the ranges its dates
// take and the criteria it writes back on OK.
class CatalogueCriteriaForm {
  public:
    CatalogueCriteriaForm(const CSakuinMokurokuFilter& criteria, int calendarMode);

    bool western() const { return m_western; }

    bool byNumber = false;
    std::string numberFrom;
    std::string numberTo;
    bool byDate = false;
    DayInput dateFrom;
    DayInput dateTo;
    bool byWord = false;
    std::string word;
    bool byCompletion = false;
    bool notCompleted = false;
    bool byCompletionDate = false;
    DayInput completionFrom;
    DayInput completionTo;

    // Each check enables its fields; the radios follow 結了で抽出する, and
    // 結了日で抽出する counts only with 結了している.
    bool completionRadiosEnabled() const { return byCompletion; }
    bool completionDateEnabled() const { return byCompletion && !notCompleted; }

    // The dates of every criterion that is on are real days within the
    // ranges the fields take (era years 1-999, Western years 1-9999).
    bool isValid() const;
    // The criteria the controls give: the switches, numbers and word as
    // shown, each date from its fields.
    CSakuinMokurokuFilter gather() const;

  private:
    CSakuinMokurokuFilter m_criteria;
    bool m_western;
};

}  // namespace bunrako
