#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bunrako {

class CSetteiKoumokuList;

// What the volume dialogs offer in their combos, from the three setting-item
// masters: departments (課) and their sections (係), the three levels of
// the volume classification, and the retention types with their years.
// Names are UTF-8; a name that is not in its master has no children.
class VolumeChoices {
  public:
    VolumeChoices(const CSetteiKoumokuList& department, const CSetteiKoumokuList& classification,
                  const CSetteiKoumokuList& retention);

    // The distinct level-1 names, in table order.
    std::vector<std::string> departments() const;
    std::vector<std::string> sectionsOf(const std::string& department) const;
    std::vector<std::string> majors() const;
    std::vector<std::string> middlesOf(const std::string& major) const;
    std::vector<std::string> minorsOf(const std::string& major, const std::string& middle) const;
    std::vector<std::string> retentionTypes() const;

    // The first retention row of that name.
    std::optional<size_t> retentionRow(const std::string& name) const;
    // The years of a retention type: the number its second value starts
    // with; nothing for a type that is not in the table.
    std::optional<int> retentionYears(const std::string& name) const;

    // The department code of a department and section ("" when not found).
    std::string departmentCode(const std::string& department, const std::string& section) const;
    // The short codes volumes keep for the classification levels: the second
    // values of the items on the path ("" when not found).
    struct ClassificationCodes {
        std::string major;
        std::string middle;
        std::string minor;
    };
    ClassificationCodes classificationCodes(const std::string& major, const std::string& middle,
                                            const std::string& minor) const;

  private:
    const CSetteiKoumokuList& m_department;
    const CSetteiKoumokuList& m_classification;
    const CSetteiKoumokuList& m_retention;
};

// Whether a name is one of the choices.
bool isOneOf(const std::vector<std::string>& choices, const std::string& name);

}  // namespace bunrako
