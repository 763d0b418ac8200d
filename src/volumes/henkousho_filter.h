#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "volumes/extraction_parts.h"
#include "volumes/hozon_nengen_henkousho_data.h"
#include "volumes/hozon_nengen_henkousho_tyuushutu_jouken.h"

namespace bunrako {

class CSetteiKoumokuList;

// The match predicate of the change-form tab. Names compare byte for byte as
// CP932, dates with the half-second equality; texts are searched as whole
// characters.
//
// The two retention-type criteria take a range over the retention table: a
// form passes when the row of its type (the first row of that name) lies
// between the rows of the two chosen types, both included, whichever of the
// two comes first. Choosing the same type twice asks for that type alone. A
// type that no row names lies in no range.
class HenkoushoFilter {
  public:
    HenkoushoFilter(const CHozonNengenHenkoushoTyuushutuJouken& criteria, int periodType,
                    const CSetteiKoumokuList& retention);

    bool operator()(const CHozonNengenHenkoushoData& form) const;

  private:
    struct RowRange {
        size_t first = 0;
        size_t last = 0;
    };

    std::optional<size_t> rowOf(std::string_view type) const;
    std::optional<RowRange> rowRange(const std::string& from, const std::string& to) const;
    bool typeWithin(const std::optional<RowRange>& range, std::string_view type) const;

    std::optional<std::string> m_title;
    std::optional<FiscalYearRange> m_creation;
    std::optional<std::string> m_department;
    std::optional<std::string> m_section;
    std::optional<std::string> m_major;
    std::optional<std::string> m_middle;
    std::optional<std::string> m_minor;
    std::optional<FiscalYearRange> m_filingStart;
    std::optional<FiscalYearRange> m_filingEnd;
    std::vector<std::string> m_retentionNames;
    bool m_byTypeBefore = false;
    std::optional<RowRange> m_typeBefore;
    bool m_byTypeAfter = false;
    std::optional<RowRange> m_typeAfter;
    std::optional<std::string> m_reason;
};

std::vector<CHozonNengenHenkoushoData> extractForms(
    std::span<const CHozonNengenHenkoushoData> forms, const HenkoushoFilter& filter);

}  // namespace bunrako
