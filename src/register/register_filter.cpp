#include "register/register_filter.h"

#include <string_view>

#include "common/cp932.h"
#include "common/keep_matching.h"
#include "common/text_functions.h"

namespace bunrako {
namespace {

constexpr size_t kSectionLength = 3;
constexpr size_t kSubsectionLength = 6;

// The first bytes of a code as CP932; nothing when the code is empty.
std::optional<std::string> codePrefix(int flag, const std::string& codeUtf8, size_t length) {
    if (flag != 1 || codeUtf8.empty()) return std::nullopt;
    return utf8ToCp932(codeUtf8).substr(0, length);
}

}  // namespace

RegisterFilter::RegisterFilter(const RegisterCriteria& criteria) {
    if (criteria.byNumber == 1) {
        m_number =
            NumberRange{LeadingInteger(criteria.numberFrom), LeadingInteger(criteria.numberTo)};
    }
    if (criteria.byYear == 1) {
        // A bound that is not a date reads as year -1 and holds nothing.
        const bool valid = criteria.yearFrom.isValid() && criteria.yearTo.isValid();
        m_year =
            valid ? YearRange{criteria.yearFrom.year(), criteria.yearTo.year()} : YearRange{1, 0};
    }
    m_section = codePrefix(criteria.bySection, criteria.sectionCode, kSectionLength);
    m_subsection = codePrefix(criteria.bySubsection, criteria.sectionCode, kSubsectionLength);
    if (criteria.byReceivedDate == 1) {
        m_received = DayRange::Of(criteria.receivedFrom, criteria.receivedTo);
    }
    if (criteria.byWord == 1) m_word = utf8ToCp932(criteria.word);
    if (criteria.byCompleted == 1) {
        m_completion =
            criteria.notCompleted == 1 ? Completion::notCompleted : Completion::completed;
        if (*m_completion == Completion::completed && criteria.byCompletedDate == 1) {
            m_completedDates = DayRange::Of(criteria.completedFrom, criteria.completedTo);
        }
    }
}

bool RegisterFilter::operator()(const CBunshoKenMeiboData& entry) const {
    if (m_number) {
        const int number = entry.documentNumberValue();
        if (number < m_number->from || number > m_number->to) return false;
    }
    if (m_year) {
        if (!entry.registerYear.isValid()) return false;
        const int year = entry.registerYear.year();
        if (year < m_year->from || year > m_year->to) return false;
    }
    const std::string_view code = fixedBytes(entry.sectionCode);
    if (m_section && code.substr(0, kSectionLength) != *m_section) return false;
    if (m_subsection && code.substr(0, kSubsectionLength) != *m_subsection) return false;
    if (m_received && !m_received->contains(entry.receivedDate)) return false;
    if (m_word) {
        const std::string_view subject = fixedBytes(entry.subject);
        if (!subject.empty() && !containsCp932(subject, *m_word)) return false;
    }
    return passesCompletion(entry);
}

bool RegisterFilter::passesCompletion(const CBunshoKenMeiboData& entry) const {
    if (!m_completion) return true;
    const bool completed = entry.completedFlag == 1;
    if (*m_completion == Completion::notCompleted) return !completed;
    if (!completed) return false;
    return !m_completedDates || m_completedDates->contains(entry.completedDate);
}

std::vector<CBunshoKenMeiboData> extractRegister(std::span<const CBunshoKenMeiboData> entries,
                                                 const RegisterFilter& filter,
                                                 std::vector<CBunshoKenMeiboData> storage) {
    return keepMatching(entries, filter, std::move(storage));
}

}  // namespace bunrako
