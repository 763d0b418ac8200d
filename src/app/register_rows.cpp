#include "app/register_rows.h"

#include "app/document_data.h"
#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/texts.h"
#include "common/file_io.h"
#include "volumes/henkousho_filter.h"
#include "volumes/list_captions.h"
#include "volumes/volume_filter.h"

namespace bunrako {
namespace {

const CBosatuTyuushutuJouken& criteriaOf(const DocumentData& document, VolumeTab tab) {
    switch (tab) {
        case VolumeTab::permanentLedger:
            return document.m_permanentCriteria;
        case VolumeTab::disposedList:
            return document.m_disposedCriteria;
        case VolumeTab::volumeList:
            break;
    }
    return document.m_volumeCriteria;
}

VolumeRegister registerOf(VolumeTab tab) {
    switch (tab) {
        case VolumeTab::permanentLedger:
            return VolumeRegister::permanentLedger;
        case VolumeTab::disposedList:
            return VolumeRegister::disposedList;
        case VolumeTab::volumeList:
            break;
    }
    return VolumeRegister::volumeList;
}

// Whether a volume's index catalogue lists at least one document; read only
// for the volumes the other criteria leave, and only when asked.
CatalogueProbe catalogueProbe(DocumentData& document, const CDocMasterList& list) {
    return [&document, &list](const CDocMasterData& volume) {
        CSakuinMokuroku catalogue(
            document.prompt(), document.clock(),
            list.catalogueFolder(volume) / pathFromUtf8(texts::catalogue::kCatalogueFileName));
        catalogue.Load();
        return !catalogue.entries().empty();
    };
}

}  // namespace

RegisterRows<CDocMasterData> RefillVolumeTab(DocumentData& document, VolumeTab tab,
                                             bool titleOrder) {
    CDocMasterList& list =
        tab == VolumeTab::disposedList ? document.disposedVolumes() : document.volumes();
    list.Read();
    const CBosatuTyuushutuJouken& criteria = criteriaOf(document, tab);
    const CalendarMode mode = document.calendar();
    const VolumeFilter filter(
        criteria, mode.periodType, document.m_retention,
        criteria.byCatalogue == 1 ? catalogueProbe(document, list) : CatalogueProbe());
    RegisterRows<CDocMasterData> rows;
    rows.records = extractVolumes(list.records(), filter);
    if (titleOrder && tab == VolumeTab::volumeList) sortVolumesByTitle(rows.records);
    rows.caption = volumeRegisterCaption(registerOf(tab), criteria, mode);
    return rows;
}

RegisterRows<CHozonNengenHenkoushoData> RefillChangeFormTab(DocumentData& document) {
    CHozonNengenHenkoushoList& list = document.changeForms();
    list.Read();
    const CalendarMode mode = document.calendar();
    const HenkoushoFilter filter(document.m_changeFormCriteria, mode.periodType,
                                 document.m_retention);
    RegisterRows<CHozonNengenHenkoushoData> rows;
    rows.records = extractForms(list.forms(), filter);
    rows.caption = changeFormCaption(document.m_changeFormCriteria, mode);
    return rows;
}

}  // namespace bunrako
