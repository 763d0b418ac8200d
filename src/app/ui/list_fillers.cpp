#include "app/ui/list_fillers.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <cstring>
#include <string>
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
constexpr size_t kKeySize = sizeof CDocMasterData::KanriBangou + sizeof CDocMasterData::Title;

void appendKey(std::string& keys, const CDocMasterData& volume) {
    keys.append(volume.KanriBangou, sizeof volume.KanriBangou);
    keys.append(volume.Title, sizeof volume.Title);
}

// The keys of the selected volumes, kept across a refill: one buffer of keys
// and a set of views into it, so that even a hundred thousand selected
// volumes cost no allocation each.
class ChosenVolumes {
  public:
    ChosenVolumes(const std::vector<CDocMasterData>& volumes, const std::vector<int>& rows) {
        m_keys.reserve(rows.size() * kKeySize);
        for (const int row : rows) appendKey(m_keys, volumes[static_cast<size_t>(row)]);
        m_set.reserve(rows.size());
        for (size_t at = 0; at < m_keys.size(); at += kKeySize) {
            m_set.insert(std::string_view(m_keys).substr(at, kKeySize));
        }
    }
    bool empty() const { return m_set.empty(); }
    bool contains(const CDocMasterData& volume) const {
        char key[kKeySize];
        std::memcpy(key, volume.KanriBangou, sizeof volume.KanriBangou);
        std::memcpy(key + sizeof volume.KanriBangou, volume.Title, sizeof volume.Title);
        return m_set.count(std::string_view(key, kKeySize)) > 0;
    }

  private:
    std::string m_keys;
    std::unordered_set<std::string_view> m_set;
};

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

    const ChosenVolumes chosen(model->records(), selectedRows(selection));

    RegisterRows<CDocMasterData> rows =
        RefillVolumeTab(m_document, volumeTabOf(tab), m_view.titleOrder());
    *m_calendar = m_document.calendar();
    model->setRecords(std::move(rows.records));
    m_view.setTabCaption(tab, toQString(rows.caption));

    if (chosen.empty()) return;
    std::vector<int> again;
    const auto& volumes = model->records();
    for (size_t row = 0; row < volumes.size(); ++row) {
        if (chosen.contains(volumes[row])) again.push_back(static_cast<int>(row));
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
