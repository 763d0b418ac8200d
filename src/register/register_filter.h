#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "register/bunsho_ken_meibo_data.h"
#include "register/register_criteria.h"
#include "volumes/extraction_parts.h"

namespace bunrako {

// The match predicate of the title register tab: an entry passes when it
// passes every criterion of the set that is on.
// - number: the values the texts start with (like atoi, 0 without digits);
// - year: the year of the register year between the years of the bounds;
// - section / sub-section: the first 3 / 6 bytes of the codes, only when the
//   criteria's code is not empty;
// - reception and completion dates: by calendar day, both ends included;
// - word: occurs in the subject as CP932 characters (never across a
//   character boundary); an entry without a subject passes;
// - completion: 結了していない keeps every entry not marked completed, whatever
//   the completion dates say; 結了している keeps the completed ones, within the
//   completion dates when those are on as well.
// A date that is not valid lies in no range.
//
// Built once per extraction: the word is converted and the bounds worked out
// here, so testing an entry neither allocates nor converts.
class RegisterFilter {
  public:
    explicit RegisterFilter(const RegisterCriteria& criteria);

    bool operator()(const CBunshoKenMeiboData& entry) const;

  private:
    struct NumberRange {
        int from;
        int to;
    };
    struct YearRange {
        int from;
        int to;
    };
    enum class Completion { completed, notCompleted };

    bool passesCompletion(const CBunshoKenMeiboData& entry) const;

    std::optional<NumberRange> m_number;
    std::optional<YearRange> m_year;
    std::optional<std::string> m_section;
    std::optional<std::string> m_subsection;
    std::optional<DayRange> m_received;
    std::optional<std::string> m_word;
    std::optional<Completion> m_completion;
    std::optional<DayRange> m_completedDates;
};

// The entries that pass, copied in file order into the storage given: the
// list the tab shows.
std::vector<CBunshoKenMeiboData> extractRegister(std::span<const CBunshoKenMeiboData> entries,
                                                 const RegisterFilter& filter,
                                                 std::vector<CBunshoKenMeiboData> storage = {});

}  // namespace bunrako
