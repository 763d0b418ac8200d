#include "app/ui/list_fillers.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <string_view>
#include <unordered_set>

#include "app/document_data.h"
#include "app/register_rows.h"
#include "app/ui/bunrako_view.h"
#include "app/ui/qt_text.h"
#include "app/ui/record_list_model.h"
#include "app/ui/row_selection.h"
#include "volumes/volume_list_cells.h"

namespace bunrako {
namespace {

using VolumeListModel = RecordListModel<CDocMasterData>;
using ChangeFormListModel = RecordListModel<CHozonNengenHenkoushoData>;

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

// What tells a volume apart across a re-read: its management number and
// title, as stored.
std::string volumeKey(const CDocMasterData& volume) {
    return std::string(volume.KanriBangou, sizeof volume.KanriBangou) +
           std::string(volume.Title, sizeof volume.Title);
}

}  // namespace

ListFillers::ListFillers(CBunrakoView& view, DocumentData& document)
    : QObject(&view),
      m_view(view),
      m_document(document),
      m_calendar(std::make_shared<CalendarMode>(document.calendar())) {
    for (const RegisterTab tab :
         {RegisterTab::volumes, RegisterTab::permanent, RegisterTab::disposed}) {
        installVolumeTab(tab);
    }
    installChangeFormTab();
}

void ListFillers::installVolumeTab(RegisterTab tab) {
    const bool ledger = tab == RegisterTab::permanent;
    auto* model = new VolumeListModel(
        registerTabInfo(tab).columns,
        [calendar = m_calendar, ledger](const CDocMasterData& volume, int column) {
            return ledger ? permanentLedgerCell(volume, column, *calendar)
                          : volumeListCell(volume, column, *calendar);
        });
    m_view.setListModel(tab, model);
    m_view.setTabRefresher(tab, [this, tab] { refillVolumeTab(tab); });
}

void ListFillers::installChangeFormTab() {
    auto* model = new ChangeFormListModel(
        registerTabInfo(RegisterTab::retentionChange).columns,
        [calendar = m_calendar](const CHozonNengenHenkoushoData& form, int column) {
            return changeFormListCell(form, column, *calendar);
        });
    m_view.setListModel(RegisterTab::retentionChange, model);
    m_view.setTabRefresher(RegisterTab::retentionChange, [this] { refillChangeFormTab(); });
}

void ListFillers::refillVolumeTab(RegisterTab tab) {
    auto* model = static_cast<VolumeListModel*>(m_view.listModel(tab));
    QItemSelectionModel& selection = *m_view.list(tab)->selectionModel();

    std::unordered_set<std::string> chosen;
    for (const int row : selectedRows(selection)) chosen.insert(volumeKey(model->record(row)));

    RegisterRows<CDocMasterData> rows =
        RefillVolumeTab(m_document, volumeTabOf(tab), m_view.titleOrder());
    *m_calendar = m_document.calendar();
    model->setRecords(std::move(rows.records));
    m_view.setTabCaption(tab, toQString(rows.caption));

    if (chosen.empty()) return;
    std::vector<int> again;
    const auto& volumes = model->records();
    for (size_t row = 0; row < volumes.size(); ++row) {
        if (chosen.count(volumeKey(volumes[row]))) again.push_back(static_cast<int>(row));
    }
    selectRows(selection, again);
}

void ListFillers::refillChangeFormTab() {
    auto* model = static_cast<ChangeFormListModel*>(m_view.listModel(RegisterTab::retentionChange));
    RegisterRows<CHozonNengenHenkoushoData> rows = RefillChangeFormTab(m_document);
    *m_calendar = m_document.calendar();
    model->setRecords(std::move(rows.records));
    m_view.setTabCaption(RegisterTab::retentionChange, toQString(rows.caption));
}

}  // namespace bunrako
