#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/my_tool.h"
#include "volumes/bosatu_tyuushutu_jouken.h"
#include "volumes/extraction_inputs.h"
#include "volumes/volume_choices.h"

namespace bunrako {

// The values of the volume extraction dialog's controls.
struct VolumeExtractionValues {
    TextCriterionInput title;
    YearRangeInput creation;
    NameCriterionInput department;
    NameCriterionInput section;
    NameCriterionInput major;
    NameCriterionInput middle;
    NameCriterionInput minor;
    NameCriterionInput retentionType;
    YearRangeInput filing;
    MonthRangeInput expiry;
    MonthRangeInput disposal;
    MonthRangeInput review;
    bool byCatalogue = false;
    // 登録項目「有」 (true) or 「無」.
    bool catalogueHasEntries = true;
};

// The rules of the extraction dialog of the three volume tabs (文書整理一覧表,
// 永年簿冊台帳, 廃棄簿冊名一覧表): the criteria as the controls show them,
// the combos' lists, the check on OK and the criteria it writes.
class VolumeExtractionForm {
  public:
    // The longest title text, in CP932 bytes.
    static constexpr int kTitleBytes = 72;

    VolumeExtractionForm(const CBosatuTyuushutuJouken& criteria, const VolumeChoices& choices,
                         VolumeTab tab, bool western, int periodType);

    VolumeTab tab() const { return m_tab; }
    bool western() const { return m_western; }
    const char* caption() const { return extractionDialogCaption(m_tab); }
    VolumeExtractionValues& values() { return m_values; }
    const VolumeExtractionValues& values() const { return m_values; }
    const VolumeChoices& choices() const { return m_choices; }

    std::vector<std::string> sections() const;
    std::vector<std::string> middles() const;
    std::vector<std::string> minors() const;

    // A checked criterion without a choice, or with a year or month out of
    // range: the message to show.
    std::optional<std::string> validate() const;
    // Stores every flag, and the values of the criteria that are on.
    void store(CBosatuTyuushutuJouken& criteria) const;

  private:
    const VolumeChoices& m_choices;
    VolumeTab m_tab;
    bool m_western;
    int m_periodType;
    CMyTool m_tool;
    VolumeExtractionValues m_values;
};

}  // namespace bunrako
