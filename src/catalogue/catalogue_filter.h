#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalogue/sakuin_mokuroku_filter.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "volumes/extraction_parts.h"

namespace bunrako {

// The match predicate of the index catalogue tab: an entry passes when it
// passes every criterion of the set that is on.
// - number: the values the texts start with (like atoi, 0 without digits);
// - reception and completion dates: by calendar day, both ends included;
// - word: occurs in the subject as CP932 characters (never across a
//   character boundary); an empty word lets every entry through;
// - completion: 結了していない keeps every entry not marked completed, whatever
//   the completion dates say; 結了している keeps the completed ones, within the
//   completion dates when those are on as well.
// A date that is not valid lies in no range.
class CatalogueFilter {
  public:
    explicit CatalogueFilter(const CSakuinMokurokuFilter& criteria);

    bool operator()(const CSakuinMokurokuList& entry) const;

  private:
    struct NumberRange {
        int from;
        int to;
    };
    enum class Completion { completed, notCompleted };

    std::optional<NumberRange> m_number;
    std::optional<DayRange> m_received;
    std::optional<std::string> m_word;
    std::optional<Completion> m_completion;
    std::optional<DayRange> m_completedDates;
};

// The entries that pass, in catalogue order.
std::vector<CSakuinMokurokuList> extractCatalogue(std::span<const CSakuinMokurokuList> entries,
                                                  const CatalogueFilter& filter);

}  // namespace bunrako
