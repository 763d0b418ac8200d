#include "volumes/volume_extraction_form.h"

#include "volumes/texts.h"

namespace bunrako {

VolumeExtractionForm::VolumeExtractionForm(const CBosatuTyuushutuJouken& criteria,
                                           const VolumeChoices& choices, VolumeTab tab,
                                           bool western, int periodType)
    : m_choices(choices), m_tab(tab), m_western(western), m_periodType(periodType) {
    const CBosatuTyuushutuJouken shown = criteriaAsDialogOpens(criteria, tab);
    VolumeExtractionValues& v = m_values;
    v.title = {shown.byTitle == 1, shown.titleText};
    v.creation = YearRangeInput::Of(shown.byCreationYear, shown.creationFrom, shown.creationTo,
                                    western, periodType, m_tool);
    v.department = {shown.byDepartment == 1, shown.department};
    v.section = {shown.bySection == 1, shown.section};
    v.major = {shown.byMajor == 1, shown.major};
    v.middle = {shown.byMiddle == 1, shown.middle};
    v.minor = {shown.byMinor == 1, shown.minor};
    v.retentionType = {shown.byRetentionType == 1, shown.retentionType};
    // The ledger of permanent volumes offers 永年 until another type is kept.
    if (tab == VolumeTab::permanentLedger && v.retentionType.name.empty()) {
        v.retentionType.name = volumes::texts::kPermanentRetention;
    }
    v.filing = YearRangeInput::Of(shown.byFilingYear, shown.filingFrom, shown.filingTo, western,
                                  periodType, m_tool);
    v.expiry =
        MonthRangeInput::Of(shown.byExpiry, shown.expiryFrom, shown.expiryTo, western, m_tool);
    v.disposal = MonthRangeInput::Of(shown.byDisposal, shown.disposalFrom, shown.disposalTo,
                                     western, m_tool);
    v.review =
        MonthRangeInput::Of(shown.byReview, shown.reviewFrom, shown.reviewTo, western, m_tool);
    v.byCatalogue = shown.byCatalogue == 1;
    v.catalogueHasEntries = shown.catalogueHasEntries == 1;
}

std::vector<std::string> VolumeExtractionForm::sections() const {
    return m_choices.sectionsOf(m_values.department.name);
}

std::vector<std::string> VolumeExtractionForm::middles() const {
    return m_choices.middlesOf(m_values.major.name);
}

std::vector<std::string> VolumeExtractionForm::minors() const {
    return m_choices.minorsOf(m_values.major.name, m_values.middle.name);
}

std::optional<std::string> VolumeExtractionForm::validate() const {
    const VolumeExtractionValues& v = m_values;
    const bool valid = v.creation.isComplete(m_tool) && v.department.isComplete() &&
                       v.section.isComplete() && v.major.isComplete() && v.middle.isComplete() &&
                       v.minor.isComplete() && v.retentionType.isComplete() &&
                       v.filing.isComplete(m_tool) && v.expiry.isComplete(m_tool) &&
                       v.disposal.isComplete(m_tool) && v.review.isComplete(m_tool);
    if (valid) return std::nullopt;
    return std::string(volumes::texts::kInvalidInput);
}

void VolumeExtractionForm::store(CBosatuTyuushutuJouken& criteria) const {
    const VolumeExtractionValues& v = m_values;
    criteria.byTitle = v.title.on ? 1 : 0;
    if (v.title.on) criteria.titleText = v.title.text;
    v.creation.storeInto(criteria.byCreationYear, criteria.creationFrom, criteria.creationTo,
                         m_periodType, m_tool);
    v.department.storeInto(criteria.byDepartment, criteria.department);
    v.section.storeInto(criteria.bySection, criteria.section);
    v.major.storeInto(criteria.byMajor, criteria.major);
    v.middle.storeInto(criteria.byMiddle, criteria.middle);
    v.minor.storeInto(criteria.byMinor, criteria.minor);
    v.retentionType.storeInto(criteria.byRetentionType, criteria.retentionType);
    v.filing.storeInto(criteria.byFilingYear, criteria.filingFrom, criteria.filingTo, m_periodType,
                       m_tool);
    v.expiry.storeInto(criteria.byExpiry, criteria.expiryFrom, criteria.expiryTo, m_tool);
    v.disposal.storeInto(criteria.byDisposal, criteria.disposalFrom, criteria.disposalTo, m_tool);
    v.review.storeInto(criteria.byReview, criteria.reviewFrom, criteria.reviewTo, m_tool);
    criteria.byCatalogue = v.byCatalogue ? 1 : 0;
    if (v.byCatalogue) criteria.catalogueHasEntries = v.catalogueHasEntries ? 1 : 0;
}

}  // namespace bunrako
