#include "volumes/volume_choices.h"

#include <algorithm>

#include "common/cp932.h"
#include "settings/settei_koumoku_list.h"

namespace bunrako {
namespace {

std::vector<std::string> childrenOf(const CSetteiKoumokuList& table, const std::string& code) {
    // An unknown path has no children (an empty code would mean the root).
    if (code.empty()) return {};
    return table.ListChildren(code);
}

std::vector<std::string> distinct(std::vector<std::string> names) {
    std::vector<std::string> kept;
    for (std::string& name : names) {
        if (!isOneOf(kept, name)) kept.push_back(std::move(name));
    }
    return kept;
}

std::optional<int> leadingNumber(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 9999) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

bool isOneOf(const std::vector<std::string>& choices, const std::string& name) {
    return std::find(choices.begin(), choices.end(), name) != choices.end();
}

VolumeChoices::VolumeChoices(const CSetteiKoumokuList& department,
                             const CSetteiKoumokuList& classification,
                             const CSetteiKoumokuList& retention)
    : m_department(department), m_classification(classification), m_retention(retention) {}

std::vector<std::string> VolumeChoices::departments() const {
    return distinct(m_department.ListChildren(kRootCode));
}

std::vector<std::string> VolumeChoices::sectionsOf(const std::string& department) const {
    if (department.empty()) return {};
    return childrenOf(m_department, m_department.CodeByNames(department));
}

std::vector<std::string> VolumeChoices::majors() const {
    return distinct(m_classification.ListChildren(kRootCode));
}

std::vector<std::string> VolumeChoices::middlesOf(const std::string& major) const {
    if (major.empty()) return {};
    return childrenOf(m_classification, m_classification.CodeByNames(major));
}

std::vector<std::string> VolumeChoices::minorsOf(const std::string& major,
                                                 const std::string& middle) const {
    if (major.empty() || middle.empty()) return {};
    return childrenOf(m_classification, m_classification.CodeByNames(major, middle));
}

std::vector<std::string> VolumeChoices::retentionTypes() const {
    std::vector<std::string> names;
    for (const CSetteiKoumokuData& row : m_retention.Items()) names.push_back(row.Name());
    return names;
}

std::optional<size_t> VolumeChoices::retentionRow(const std::string& name) const {
    for (size_t row = 0; row < m_retention.size(); ++row) {
        if (m_retention[row].Name() == name) return row;
    }
    return std::nullopt;
}

std::optional<int> VolumeChoices::retentionYears(const std::string& name) const {
    const auto row = retentionRow(name);
    if (!row) return std::nullopt;
    return leadingNumber(fixedBytes(m_retention[*row].subName));
}

std::string VolumeChoices::departmentCode(const std::string& department,
                                          const std::string& section) const {
    if (department.empty() || section.empty()) return {};
    return m_department.CodeByNames(department, section);
}

VolumeChoices::ClassificationCodes VolumeChoices::classificationCodes(
    const std::string& major, const std::string& middle, const std::string& minor) const {
    const auto subNameOf = [this](const std::string& code) {
        const auto index = code.empty() ? std::nullopt : m_classification.FindCode(code);
        return index ? m_classification[*index].SubName() : std::string();
    };
    return {subNameOf(m_classification.CodeByNames(major)),
            middle.empty() ? std::string() : subNameOf(m_classification.CodeByNames(major, middle)),
            minor.empty() || middle.empty()
                ? std::string()
                : subNameOf(m_classification.CodeByNames(major, middle, minor))};
}

}  // namespace bunrako
