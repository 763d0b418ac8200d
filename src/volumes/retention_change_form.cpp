#include "volumes/retention_change_form.h"

#include <algorithm>

#include "common/cp932.h"
#include "settings/settei_koumoku_list.h"

namespace bunrako {

RetentionChangeForm::RetentionChangeForm(const CSetteiKoumokuList& retention)
    : m_retention(retention) {}

std::vector<std::string> RetentionChangeForm::typeNames() const {
    std::vector<std::string> names;
    for (const auto& row : m_retention.Items()) {
        const std::string name = row.Name();
        if (name.empty() || std::find(names.begin(), names.end(), name) != names.end()) continue;
        names.push_back(name);
    }
    return names;
}

std::optional<RetentionType> RetentionChangeForm::chosenType() const {
    if (m_type.empty() || m_reason.empty()) return std::nullopt;
    if (cp932Length(m_reason) > static_cast<size_t>(kReasonBytes)) return std::nullopt;
    return RetentionType::Find(m_type, m_retention);
}

}  // namespace bunrako
