#include "catalogue/catalogue_filter.h"

#include "common/cp932.h"
#include "common/text_functions.h"

namespace bunrako {

CatalogueFilter::CatalogueFilter(const CSakuinMokurokuFilter& criteria) {
    if (criteria.byNumber == 1) {
        m_number =
            NumberRange{LeadingInteger(criteria.numberFrom), LeadingInteger(criteria.numberTo)};
    }
    if (criteria.byDate == 1) m_received = DayRange::Of(criteria.dateFrom, criteria.dateTo);
    if (criteria.byWord == 1) m_word = utf8ToCp932(criteria.word);
    if (criteria.byCompletion == 1) {
        m_completion =
            criteria.notCompleted == 1 ? Completion::notCompleted : Completion::completed;
        if (*m_completion == Completion::completed && criteria.byCompletionDate == 1) {
            m_completedDates = DayRange::Of(criteria.completionFrom, criteria.completionTo);
        }
    }
}

bool CatalogueFilter::operator()(const CSakuinMokurokuList& entry) const {
    if (m_number) {
        const int number = LeadingInteger(fixedBytes(entry.documentNumber));
        if (number < m_number->from || number > m_number->to) return false;
    }
    if (m_received && !m_received->contains(entry.receivedDate)) return false;
    if (m_word && !containsCp932(fixedBytes(entry.subject), *m_word)) return false;
    if (!m_completion) return true;
    const bool completed = entry.completedFlag == 1;
    if (*m_completion == Completion::notCompleted) return !completed;
    return completed && (!m_completedDates || m_completedDates->contains(entry.completedDate));
}

std::vector<CSakuinMokurokuList> extractCatalogue(std::span<const CSakuinMokurokuList> entries,
                                                  const CatalogueFilter& filter) {
    std::vector<CSakuinMokurokuList> kept;
    for (const CSakuinMokurokuList& entry : entries) {
        if (filter(entry)) kept.push_back(entry);
    }
    return kept;
}

}  // namespace bunrako
