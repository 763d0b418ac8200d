#include "volumes/henkousho_filter.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/keep_matching.h"
#include "common/my_tool.h"
#include "settings/settei_koumoku_list.h"

namespace bunrako {

HenkoushoFilter::HenkoushoFilter(const CHozonNengenHenkoushoTyuushutuJouken& criteria,
                                 int periodType, const CSetteiKoumokuList& retention) {
    const CMyTool tool;
    const auto fiscalYears = [&](const OleDateTime& from, const OleDateTime& to) {
        return FiscalYearRange::Of(from, to, periodType, tool);
    };
    if (criteria.byTitle == 1 && !criteria.titleText.empty()) {
        m_title = utf8ToCp932(criteria.titleText);
    }
    if (criteria.byCreationYear == 1) {
        m_creation = fiscalYears(criteria.creationFrom, criteria.creationTo);
    }
    // The lower levels count only together with the level above them.
    m_department = nameCriterion(criteria.byDepartment, criteria.department);
    if (m_department) m_section = nameCriterion(criteria.bySection, criteria.section);
    m_major = nameCriterion(criteria.byMajor, criteria.major);
    if (m_major) m_middle = nameCriterion(criteria.byMiddle, criteria.middle);
    if (m_middle) m_minor = nameCriterion(criteria.byMinor, criteria.minor);
    if (criteria.byFilingStart == 1) {
        m_filingStart = fiscalYears(criteria.filingStartFrom, criteria.filingStartTo);
    }
    if (criteria.byFilingEnd == 1) {
        m_filingEnd = fiscalYears(criteria.filingEndFrom, criteria.filingEndTo);
    }
    for (const CSetteiKoumokuData& row : retention.Items()) {
        m_retentionNames.emplace_back(fixedBytes(row.name));
    }
    m_byTypeBefore = criteria.byTypeBefore == 1;
    if (m_byTypeBefore) m_typeBefore = rowRange(criteria.typeBeforeFrom, criteria.typeBeforeTo);
    m_byTypeAfter = criteria.byTypeAfter == 1;
    if (m_byTypeAfter) m_typeAfter = rowRange(criteria.typeAfterFrom, criteria.typeAfterTo);
    if (criteria.byReason == 1 && !criteria.reasonText.empty()) {
        m_reason = utf8ToCp932(criteria.reasonText);
    }
}

std::optional<size_t> HenkoushoFilter::rowOf(std::string_view type) const {
    const auto found = std::find(m_retentionNames.begin(), m_retentionNames.end(), type);
    if (found == m_retentionNames.end()) return std::nullopt;
    return static_cast<size_t>(found - m_retentionNames.begin());
}

std::optional<HenkoushoFilter::RowRange> HenkoushoFilter::rowRange(const std::string& from,
                                                                   const std::string& to) const {
    const std::optional<size_t> a = rowOf(utf8ToCp932(from));
    const std::optional<size_t> b = rowOf(utf8ToCp932(to));
    if (!a || !b) return std::nullopt;
    return RowRange{std::min(*a, *b), std::max(*a, *b)};
}

bool HenkoushoFilter::typeWithin(const std::optional<RowRange>& range,
                                 std::string_view type) const {
    if (!range) return false;
    const std::optional<size_t> row = rowOf(type);
    return row && range->first <= *row && *row <= range->last;
}

bool HenkoushoFilter::operator()(const CHozonNengenHenkoushoData& form) const {
    if (m_title && !containsCp932(fixedBytes(form.HenkouTitle), *m_title)) return false;
    if (m_creation && !m_creation->contains(form.HenkouSakuseiNendo)) return false;
    if (!passesName(m_department, fixedBytes(form.HenkouKaMei)) ||
        !passesName(m_section, fixedBytes(form.HenkouKakariMei)) ||
        !passesName(m_major, fixedBytes(form.HenkouDaiBunruiMei)) ||
        !passesName(m_middle, fixedBytes(form.HenkouChuuBunruiMei)) ||
        !passesName(m_minor, fixedBytes(form.HenkouShouBunruiMei))) {
        return false;
    }
    if (m_filingStart && !m_filingStart->contains(form.HenkouShuunouKaisiNendo)) return false;
    if (m_filingEnd && !m_filingEnd->contains(form.HenkouShuunouShuuryouNendo)) return false;
    if (m_byTypeBefore && !typeWithin(m_typeBefore, fixedBytes(form.HenkouMaeShubetu))) {
        return false;
    }
    if (m_byTypeAfter && !typeWithin(m_typeAfter, fixedBytes(form.HenkouGoShubetu))) return false;
    if (m_reason && !containsCp932(fixedBytes(form.HenkouRiyuu), *m_reason)) return false;
    return true;
}

std::vector<CHozonNengenHenkoushoData> extractForms(
    std::span<const CHozonNengenHenkoushoData> forms, const HenkoushoFilter& filter) {
    return keepMatching(forms, filter);
}

}  // namespace bunrako
