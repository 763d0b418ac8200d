#include "settings/section_switch_form.h"

#include <algorithm>

namespace bunrako {
namespace {

constexpr std::string_view kCodeEnd = "::";

std::string lineOf(const CShokiSetteiData& record) {
    return record.m_strSectionCode + std::string(kCodeEnd) + record.m_strSectionName + " " +
           record.m_strSubsectionName;
}

// A record is offered when its names are set and its code still names its
// sub-section in the department master.
bool isSwitchable(const CShokiSetteiData& record, const CSetteiKoumokuList& department) {
    return !record.m_strSectionCode.empty() && !record.m_strSectionName.empty() &&
           !record.m_strSubsectionName.empty() && department.FindCode(record.m_strSectionCode) &&
           department.NameByCode(record.m_strSectionCode) == record.m_strSubsectionName;
}

}  // namespace

SectionSwitchForm::SectionSwitchForm(const CShokiSetteiList& settings,
                                     const CSetteiKoumokuList& department)
    : m_settings(settings) {
    for (const CShokiSetteiData& record : settings.Records()) {
        if (isSwitchable(record, department)) m_lines.push_back(lineOf(record));
    }
    std::sort(m_lines.begin(), m_lines.end());
    const auto current = std::find(m_lines.begin(), m_lines.end(), lineOf(settings.Current()));
    if (current != m_lines.end()) m_currentLine = static_cast<size_t>(current - m_lines.begin());
}

std::optional<CShokiSetteiData> SectionSwitchForm::RecordOf(size_t line) const {
    if (line >= m_lines.size()) return std::nullopt;
    const std::string code = m_lines[line].substr(0, m_lines[line].find(kCodeEnd));
    for (const CShokiSetteiData& record : m_settings.Records()) {
        if (record.m_strSectionCode == code) return record;
    }
    return std::nullopt;
}

}  // namespace bunrako
