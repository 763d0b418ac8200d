#include "volumes/change_form_extraction_form.h"

#include "volumes/texts.h"

namespace bunrako {
namespace {

void storeText(const TextCriterionInput& input, int& flag, std::string& stored) {
    flag = input.on ? 1 : 0;
    if (input.on) stored = input.text;
}

void storeTypes(const TypeRangeInput& input, int& flag, std::string& from, std::string& to) {
    flag = input.on ? 1 : 0;
    if (!input.on) return;
    from = input.from;
    to = input.to;
}

}  // namespace

ChangeFormExtractionForm::ChangeFormExtractionForm(
    const CHozonNengenHenkoushoTyuushutuJouken& criteria, const VolumeChoices& choices,
    bool western, int periodType)
    : m_choices(choices), m_western(western), m_periodType(periodType) {
    const auto& c = criteria;
    ChangeFormExtractionValues& v = m_values;
    v.title = {c.byTitle == 1, c.titleText};
    v.creation = YearRangeInput::Of(c.byCreationYear, c.creationFrom, c.creationTo, western,
                                    periodType, m_tool);
    v.department = {c.byDepartment == 1, c.department};
    v.section = {c.bySection == 1, c.section};
    v.major = {c.byMajor == 1, c.major};
    v.middle = {c.byMiddle == 1, c.middle};
    v.minor = {c.byMinor == 1, c.minor};
    v.filingStart = YearRangeInput::Of(c.byFilingStart, c.filingStartFrom, c.filingStartTo, western,
                                       periodType, m_tool);
    v.filingEnd = YearRangeInput::Of(c.byFilingEnd, c.filingEndFrom, c.filingEndTo, western,
                                     periodType, m_tool);
    v.typeBefore = {c.byTypeBefore == 1, c.typeBeforeFrom, c.typeBeforeTo};
    v.typeAfter = {c.byTypeAfter == 1, c.typeAfterFrom, c.typeAfterTo};
    v.reason = {c.byReason == 1, c.reasonText};
}

std::vector<std::string> ChangeFormExtractionForm::sections() const {
    return m_choices.sectionsOf(m_values.department.name);
}

std::vector<std::string> ChangeFormExtractionForm::middles() const {
    return m_choices.middlesOf(m_values.major.name);
}

std::vector<std::string> ChangeFormExtractionForm::minors() const {
    return m_choices.minorsOf(m_values.major.name, m_values.middle.name);
}

std::optional<std::string> ChangeFormExtractionForm::validate() const {
    const ChangeFormExtractionValues& v = m_values;
    const bool valid = v.creation.isComplete(m_tool) && v.department.isComplete() &&
                       v.section.isComplete() && v.major.isComplete() && v.middle.isComplete() &&
                       v.minor.isComplete() && v.filingStart.isComplete(m_tool) &&
                       v.filingEnd.isComplete(m_tool) && v.typeBefore.isComplete() &&
                       v.typeAfter.isComplete();
    if (valid) return std::nullopt;
    return std::string(volumes::texts::kInvalidCriteria);
}

void ChangeFormExtractionForm::store(CHozonNengenHenkoushoTyuushutuJouken& criteria) const {
    const ChangeFormExtractionValues& v = m_values;
    storeText(v.title, criteria.byTitle, criteria.titleText);
    v.creation.storeInto(criteria.byCreationYear, criteria.creationFrom, criteria.creationTo,
                         m_periodType, m_tool);
    v.department.storeInto(criteria.byDepartment, criteria.department);
    v.section.storeInto(criteria.bySection, criteria.section);
    v.major.storeInto(criteria.byMajor, criteria.major);
    v.middle.storeInto(criteria.byMiddle, criteria.middle);
    v.minor.storeInto(criteria.byMinor, criteria.minor);
    v.filingStart.storeInto(criteria.byFilingStart, criteria.filingStartFrom,
                            criteria.filingStartTo, m_periodType, m_tool);
    v.filingEnd.storeInto(criteria.byFilingEnd, criteria.filingEndFrom, criteria.filingEndTo,
                          m_periodType, m_tool);
    storeTypes(v.typeBefore, criteria.byTypeBefore, criteria.typeBeforeFrom, criteria.typeBeforeTo);
    storeTypes(v.typeAfter, criteria.byTypeAfter, criteria.typeAfterFrom, criteria.typeAfterTo);
    storeText(v.reason, criteria.byReason, criteria.reasonText);
}

}  // namespace bunrako
