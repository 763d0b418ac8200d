#include "office/register_rows.h"

#include "catalogue/catalogue_entry_commands.h"
#include "catalogue/catalogue_filter.h"
#include "catalogue/texts.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "office/document_data.h"
#include "office/texts.h"
#include "register/register_caption.h"
#include "register/register_filter.h"
#include "settings/texts.h"
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

}  // namespace

RegisterRows<CDocMasterData> RefillVolumeTab(DocumentData& document, VolumeTab tab, bool titleOrder,
                                             std::vector<CDocMasterData> storage) {
    CDocMasterList& list =
        tab == VolumeTab::disposedList ? document.disposedVolumes() : document.volumes();
    if (document.HasSettings()) list.RefreshFromFile();
    const CBosatuTyuushutuJouken& criteria = criteriaOf(document, tab);
    const CalendarMode mode = document.calendar();
    const VolumeFilter filter(
        criteria, mode.periodType, document.m_retention,
        criteria.byCatalogue == 1 ? catalogueProbe(list.path()) : CatalogueProbe());
    RegisterRows<CDocMasterData> rows;
    rows.records = extractVolumes(list.records(), filter, std::move(storage));
    if (titleOrder && tab == VolumeTab::volumeList) sortVolumesByTitle(rows.records);
    rows.caption = volumeRegisterCaption(registerOf(tab), criteria, mode);
    return rows;
}

RegisterRows<CHozonNengenHenkoushoData> RefillChangeFormTab(DocumentData& document) {
    CHozonNengenHenkoushoList& list = document.changeForms();
    if (document.HasSettings()) list.Read();
    const CalendarMode mode = document.calendar();
    const HenkoushoFilter filter(document.m_changeFormCriteria, mode.periodType,
                                 document.m_retention);
    RegisterRows<CHozonNengenHenkoushoData> rows;
    rows.records = extractForms(list.forms(), filter);
    rows.caption = changeFormCaption(document.m_changeFormCriteria, mode);
    return rows;
}

RegisterRows<CBunshoKenMeiboData> RefillRegisterTab(DocumentData& document,
                                                    std::vector<CBunshoKenMeiboData> storage) {
    CBunshoKenMeiboList& list = document.titleRegister();
    const std::string& file = document.titleRegisterFile();
    if (file.empty()) {
        list.entries().clear();
    } else {
        list.LoadUnlessJustSaved(pathFromUtf8(file));
    }
    RegisterRows<CBunshoKenMeiboData> rows;
    rows.records = extractRegister(list.entries(), RegisterFilter(document.m_registerCriteria),
                                   std::move(storage));
    rows.caption = registerCaption(document.m_registerCriteria, document.calendar());
    return rows;
}

RegisterRows<CSakuinMokurokuList> RefillCatalogueTab(DocumentData& document,
                                                     const CDocMasterData& volume) {
    CatalogueListing listing =
        listCatalogue(volume, document.volumes().path(), document.m_catalogueCriteria,
                      document.calendar(), document.clock(), document.prompt());
    return {std::move(listing.entries), std::move(listing.caption)};
}

std::filesystem::path RelatedFilesOfCatalogueEntry(DocumentData& document,
                                                   const CDocMasterData& volume,
                                                   const CSakuinMokurokuList& entry) {
    const std::filesystem::path catalogueFile = document.volumes().catalogueFolder(volume) /
                                                pathFromUtf8(catalogue::texts::kCatalogueFileName);
    return CKanrenFile::PathForCatalogueEntry(catalogueFile, entry.subjectText());
}

std::optional<std::filesystem::path> RelatedFilesOfRegisterEntry(DocumentData& document,
                                                                 const CBunshoKenMeiboData& entry) {
    CDocMasterList& volumes = document.volumes();
    if (!document.HasSettings()) return std::nullopt;
    volumes.Read();
    const std::string_view number = fixedBytes(entry.volumeNumber);
    if (number.empty()) return std::nullopt;
    for (const CDocMasterData& volume : volumes.records()) {
        if (fixedBytes(volume.KanriBangou) == number) {
            return CKanrenFile::PathForRegisterDocument(volumes.path(), volume,
                                                        entry.subjectText());
        }
    }
    return std::nullopt;
}

RegisterRows<CKanrenFileData> RefillRelatedFileTab(
    DocumentData& document, const std::optional<std::filesystem::path>& listFile,
    const std::string& subject) {
    CKanrenFile& list = document.relatedFiles();
    list.setFilePath(listFile.value_or(std::filesystem::path()));
    RegisterRows<CKanrenFileData> rows;
    if (listFile) {
        list.Load();
        rows.records = list.records();
    }
    rows.caption = formatText(office::texts::kRelatedFilesCaption, subject);
    return rows;
}

}  // namespace bunrako
