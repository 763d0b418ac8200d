#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/my_tool.h"
#include "volumes/extraction_inputs.h"
#include "volumes/hozon_nengen_henkousho_tyuushutu_jouken.h"
#include "volumes/volume_choices.h"

namespace bunrako {

// A pair of retention types (from ～ to).
struct TypeRangeInput {
    bool on = false;
    std::string from;
    std::string to;

    // A criterion that is on needs both types.
    bool isComplete() const { return !on || (!from.empty() && !to.empty()); }
};

// The values of the change-form extraction dialog's controls.
struct ChangeFormExtractionValues {
    TextCriterionInput title;
    YearRangeInput creation;
    NameCriterionInput department;
    NameCriterionInput section;
    NameCriterionInput major;
    NameCriterionInput middle;
    NameCriterionInput minor;
    YearRangeInput filingStart;
    YearRangeInput filingEnd;
    TypeRangeInput typeBefore;
    TypeRangeInput typeAfter;
    TextCriterionInput reason;
};

// The rules of the extraction dialog of the change-form tab (保存年限変更書の
// 抽出): the twelve criteria as the controls show them, the check on OK and
// the criteria it writes.
class ChangeFormExtractionForm {
  public:
    static constexpr int kTitleBytes = 72;
    static constexpr int kReasonBytes = 512;

    ChangeFormExtractionForm(const CHozonNengenHenkoushoTyuushutuJouken& criteria,
                             const VolumeChoices& choices, bool western, int periodType);

    bool western() const { return m_western; }
    ChangeFormExtractionValues& values() { return m_values; }
    const ChangeFormExtractionValues& values() const { return m_values; }
    const VolumeChoices& choices() const { return m_choices; }

    std::vector<std::string> sections() const;
    std::vector<std::string> middles() const;
    std::vector<std::string> minors() const;

    std::optional<std::string> validate() const;
    void store(CHozonNengenHenkoushoTyuushutuJouken& criteria) const;

  private:
    const VolumeChoices& m_choices;
    bool m_western;
    int m_periodType;
    CMyTool m_tool;
    ChangeFormExtractionValues m_values;
};

}  // namespace bunrako
