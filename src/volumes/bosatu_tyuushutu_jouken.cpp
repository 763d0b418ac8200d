#include "volumes/bosatu_tyuushutu_jouken.h"

#include "common/my_tool.h"
#include "volumes/texts.h"

namespace bunrako {

CBosatuTyuushutuJouken CBosatuTyuushutuJouken::Initial(const OleDateTime& today, int periodType,
                                                       const CMyTool& tool) {
    CBosatuTyuushutuJouken criteria;
    const OleDateTime start = tool.FiscalYearStart(today, periodType);
    const OleDateTime end = tool.FiscalYearEnd(today, periodType);
    criteria.byCreationYear = 1;
    criteria.byDepartment = 1;
    criteria.bySection = 1;
    criteria.creationFrom = start;
    criteria.creationTo = end;
    criteria.filingFrom = start;
    criteria.filingTo = end;
    for (OleDateTime* bound : {&criteria.expiryFrom, &criteria.expiryTo, &criteria.disposalFrom,
                               &criteria.disposalTo, &criteria.reviewFrom, &criteria.reviewTo}) {
        *bound = start;
    }
    return criteria;
}

void CBosatuTyuushutuJouken::setSection(std::string departmentName, std::string sectionName) {
    department = std::move(departmentName);
    section = std::move(sectionName);
}

CBosatuTyuushutuJouken criteriaAsDialogOpens(const CBosatuTyuushutuJouken& criteria,
                                             VolumeTab tab) {
    CBosatuTyuushutuJouken shown = criteria;
    if (tab == VolumeTab::permanentLedger) shown.byRetentionType = 1;
    return shown;
}

const char* extractionDialogCaption(VolumeTab tab) {
    switch (tab) {
        case VolumeTab::permanentLedger:
            return volumes::texts::kPermanentExtractionCaption;
        case VolumeTab::disposedList:
            return volumes::texts::kDisposedExtractionCaption;
        case VolumeTab::volumeList:
            break;
    }
    return volumes::texts::kVolumeExtractionCaption;
}

}  // namespace bunrako
