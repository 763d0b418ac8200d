#include "office/ui/list_fillers.h"

#include <QItemSelectionModel>
#include <QTableView>

#include "catalogue/catalogue_list_cells.h"
#include "catalogue/related_file_cells.h"
#include "catalogue/row_keys.h"
#include "office/document_data.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/chosen_rows.h"
#include "office/ui/qt_text.h"
#include "office/ui/record_list_model.h"
#include "office/ui/row_selection.h"
#include "register/register_list_cells.h"
#include "register/row_keys.h"
#include "volumes/row_keys.h"
#include "volumes/volume_list_cells.h"

namespace bunrako {

VolumeTab volumeTabOf(RegisterTab tab) {
    switch (tab) {
        case RegisterTab::permanent:
            return VolumeTab::permanentLedger;
        case RegisterTab::disposed:
            return VolumeTab::disposedList;
        default:
            return VolumeTab::volumeList;
    }
}

namespace {

template <class Record>
const Record* firstSelected(const CBunrakoView& view, RegisterTab tab) {
    const auto* model = dynamic_cast<const RecordListModel<Record>*>(view.listModel(tab));
    const QItemSelectionModel* selection = view.list(tab)->selectionModel();
    if (!model || !selection) return nullptr;
    const int row = firstSelectedRow(*selection);
    return row < 0 ? nullptr : &model->record(row);
}

}  // namespace

ListFillers::ListFillers(CBunrakoView& view, DocumentData& document)
    : QObject(&view),
      m_view(view),
      m_document(document),
      m_calendar(std::make_shared<CalendarMode>(document.calendar())) {
    const auto calendar = m_calendar;
    install<CBunshoKenMeiboData>(
        RegisterTab::titleRegister,
        [calendar](const CBunshoKenMeiboData& entry, int column) {
            return registerListCell(entry, column, *calendar);
        },
        [this] { refillRegisterTab(); });
    for (const RegisterTab tab : {RegisterTab::volumes, RegisterTab::disposed}) {
        install<CDocMasterData>(
            tab,
            [calendar](const CDocMasterData& volume, int column) {
                return volumeListCell(volume, column, *calendar);
            },
            [this, tab] { refillVolumeTab(tab); });
    }
    install<CDocMasterData>(
        RegisterTab::permanent,
        [calendar](const CDocMasterData& volume, int column) {
            return permanentLedgerCell(volume, column, *calendar);
        },
        [this] { refillVolumeTab(RegisterTab::permanent); });
    install<CHozonNengenHenkoushoData>(
        RegisterTab::retentionChange,
        [calendar](const CHozonNengenHenkoushoData& form, int column) {
            return changeFormListCell(form, column, *calendar);
        },
        [this] { refillChangeFormTab(); });
    install<CSakuinMokurokuList>(
        RegisterTab::indexCatalogue,
        [calendar](const CSakuinMokurokuList& entry, int column) {
            return catalogueListCell(entry, column, *calendar);
        },
        [this] { refillCatalogueTab(); });
    install<CKanrenFileData>(
        RegisterTab::relatedFiles,
        [](const CKanrenFileData& file, int column) { return relatedFileListCell(file, column); },
        [this] { refillRelatedFileTab(); });
}

template <class Record>
void ListFillers::install(RegisterTab tab, std::function<std::string(const Record&, int)> cellText,
                          std::function<void()> refill) {
    m_view.setListModel(
        tab, new RecordListModel<Record>(registerTabInfo(tab).columns, std::move(cellText)));
    m_view.setTabRefresher(tab, std::move(refill));
}

// Puts the refilled rows under the list, selects the records that were
// selected before and shows the caption.
template <class Record, class KeyOf>
void ListFillers::show(RegisterTab tab, RegisterRows<Record> rows, KeyOf keyOf) {
    showRefilled<Record>(
        tab, [&rows](std::vector<Record>) { return std::move(rows); }, keyOf);
}

// As show, with the rows made by refill(storage) in the storage of the rows
// they replace: the records of a long register are not allocated afresh at
// every refill.
template <class Record, class Refill, class KeyOf>
void ListFillers::showRefilled(RegisterTab tab, Refill refill, KeyOf keyOf) {
    auto* model = static_cast<RecordListModel<Record>*>(m_view.listModel(tab));
    QItemSelectionModel& selection = *m_view.list(tab)->selectionModel();
    const ChosenRows<Record> chosen(model->records(), selectedRows(selection), keyOf);
    RegisterRows<Record> rows = refill(model->takeRecords());
    *m_calendar = m_document.calendar();
    model->setRecords(std::move(rows.records));
    m_view.setTabCaption(tab, toQString(rows.caption));
    if (!chosen.empty()) selectRows(selection, chosen.rowsIn(model->records()));
}

void ListFillers::refillVolumeTab(RegisterTab tab) {
    showRefilled<CDocMasterData>(
        tab,
        [this, tab](std::vector<CDocMasterData> storage) {
            return RefillVolumeTab(m_document, volumeTabOf(tab), m_view.titleOrder(),
                                   std::move(storage));
        },
        appendVolumeRowKey);
}

void ListFillers::refillChangeFormTab() {
    show(RegisterTab::retentionChange, RefillChangeFormTab(m_document), appendChangeFormRowKey);
}

void ListFillers::refillRegisterTab() {
    showRefilled<CBunshoKenMeiboData>(
        RegisterTab::titleRegister,
        [this](std::vector<CBunshoKenMeiboData> storage) {
            return RefillRegisterTab(m_document, std::move(storage));
        },
        appendRegisterRowKey);
}

void ListFillers::refillCatalogueTab() {
    const CDocMasterData* volume = m_view.firstSelectedVolume(RegisterTab::volumes);
    if (!volume) {
        clearCatalogue();
        return;
    }
    // Another volume's catalogue starts without a selection.
    const bool sameVolume = m_catalogueVolume && fixedBytes(m_catalogueVolume->KanriBangou) ==
                                                     fixedBytes(volume->KanriBangou);
    if (!sameVolume) m_view.list(RegisterTab::indexCatalogue)->clearSelection();
    m_catalogueVolume = *volume;
    show(RegisterTab::indexCatalogue, RefillCatalogueTab(m_document, *m_catalogueVolume),
         appendCatalogueRowKey);
}

// The document of the related files: the selected index entry, else the
// selected title-register entry.
void ListFillers::refillRelatedFileTab() {
    const auto* entry = firstSelected<CSakuinMokurokuList>(m_view, RegisterTab::indexCatalogue);
    if (entry && m_catalogueVolume) {
        show(RegisterTab::relatedFiles,
             RefillRelatedFileTab(
                 m_document, RelatedFilesOfCatalogueEntry(m_document, *m_catalogueVolume, *entry),
                 entry->subjectText()),
             appendRelatedFileRowKey);
        return;
    }
    if (const auto* document =
            firstSelected<CBunshoKenMeiboData>(m_view, RegisterTab::titleRegister)) {
        show(RegisterTab::relatedFiles,
             RefillRelatedFileTab(m_document, RelatedFilesOfRegisterEntry(m_document, *document),
                                  document->subjectText()),
             appendRelatedFileRowKey);
        return;
    }
    clearRelatedFiles();
}

const CDocMasterData* ListFillers::catalogueVolume() const {
    return m_catalogueVolume ? &*m_catalogueVolume : nullptr;
}

const CKanrenFileData* ListFillers::selectedRelatedFile() const {
    return firstSelected<CKanrenFileData>(m_view, RegisterTab::relatedFiles);
}

void ListFillers::clearCatalogue() {
    m_catalogueVolume.reset();
    m_view.listModel(RegisterTab::indexCatalogue)->clearRecords();
    m_view.setTabCaption(RegisterTab::indexCatalogue, {});
}

void ListFillers::clearRelatedFiles() {
    m_document.relatedFiles().setFilePath({});
    m_view.listModel(RegisterTab::relatedFiles)->clearRecords();
    m_view.setTabCaption(RegisterTab::relatedFiles, {});
}

}  // namespace bunrako
