#include "volumes/ui/volume_tab_commands.h"

#include <QItemSelectionModel>
#include <QTableView>

#include "common/clock.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "office/document_data.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/list_fillers.h"
#include "office/ui/record_list_model.h"
#include "office/ui/row_selection.h"
#include "office/ui/wait_cursor.h"
#include "volumes/change_form_extraction_form.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/ui/disposal_commands.h"
#include "volumes/ui/dlg_bosatu_itiran_data.h"
#include "volumes/ui/dlg_bunsho_seiri_itiranhyou_tyuushutu.h"
#include "volumes/ui/dlg_hozon_nengen_henkousho_tyuushutu.h"
#include "volumes/ui/selected_records.h"
#include "volumes/volume_choices.h"
#include "volumes/volume_commands.h"

namespace bunrako {
namespace {}  // namespace

VolumeTabCommands::VolumeTabCommands(CBunrakoView& view, DocumentData& document,
                                     const DesktopPorts& ports)
    : QObject(&view),
      m_view(view),
      m_document(document),
      m_ports(ports),
      m_disposal(new DisposalCommands(view, document, ports)) {}

bool VolumeTabCommands::run(CommandId id) {
    if (m_disposal->run(id)) return true;
    switch (id) {
        case CommandId::volumeAdd:
            registerVolume(VolumeEntryMode::registerNew);
            return true;
        case CommandId::volumeChange:
            changeSelected();
            return true;
        case CommandId::volumeDelete:
            deleteSelected();
            return true;
        case CommandId::volumeExtract:
            extractVolumes(RegisterTab::volumes);
            return true;
        case CommandId::permanentExtract:
            extractVolumes(RegisterTab::permanent);
            return true;
        case CommandId::disposedExtract:
            extractVolumes(RegisterTab::disposed);
            return true;
        case CommandId::changeFormExtract:
            extractChangeForms();
            return true;
        case CommandId::changeFormLink:
            linkChangeForms();
            return true;
        default:
            return false;
    }
}

// The document's own list: after a store it holds what was written, and the
// refill that follows does not read the file again.
CDocMasterList& VolumeTabCommands::listOf(RegisterTab tab) const {
    return tab == RegisterTab::disposed ? m_document.disposedVolumes() : m_document.volumes();
}

std::vector<CDocMasterData> VolumeTabCommands::selectedVolumes(RegisterTab tab) const {
    return selectedRecords<CDocMasterData>(m_view, tab);
}

std::vector<CHozonNengenHenkoushoData> VolumeTabCommands::selectedForms() const {
    return selectedRecords<CHozonNengenHenkoushoData>(m_view, RegisterTab::retentionChange);
}

void VolumeTabCommands::reload() { m_view.selectTab(m_view.currentTab()); }

bool VolumeTabCommands::openEntry(const CDocMasterData& volume, VolumeEntryMode mode,
                                  CDocMasterList& list) {
    const VolumeChoices choices(m_document.m_department, m_document.m_classification,
                                m_document.m_retention);
    const CalendarMode calendar = m_document.calendar();
    Prompt& prompt = m_ports.prompt;
    const auto store = [&](const CDocMasterData& edited, bool removeBefore) {
        const WaitCursor wait;
        switch (mode) {
            case VolumeEntryMode::registerNew:
                return bunrako::registerVolume(edited, list);
            case VolumeEntryMode::change:
                return changeVolume(volume, edited, removeBefore, list).result() == 1;
            case VolumeEntryMode::remove:
                // The volume as it was chosen goes, whatever was typed.
                return deleteVolume(volume, list);
        }
        return false;
    };
    CDlgBosatuItiranData dialog(volume, choices, mode, calendar.western, calendar.periodType,
                                prompt, store, &m_view);
    return dialog.exec() == QDialog::Accepted;
}

void VolumeTabCommands::registerVolume(VolumeEntryMode mode) {
    const CDocMasterData volume =
        newVolumeToRegister(m_ports.clock.now(), m_document.m_settings.Current());
    if (openEntry(volume, mode, listOf(RegisterTab::volumes))) reload();
}

void VolumeTabCommands::changeSelected() {
    const std::vector<CDocMasterData> volumes = selectedVolumes(RegisterTab::volumes);
    if (volumes.empty()) {
        registerVolume(VolumeEntryMode::change);
        return;
    }
    for (const CDocMasterData& volume : volumes) {
        openEntry(volume, VolumeEntryMode::change, listOf(RegisterTab::volumes));
    }
    // Once at the end, also for volumes another workstation changed.
    reload();
}

void VolumeTabCommands::deleteSelected() {
    const std::vector<CDocMasterData> volumes = selectedVolumes(RegisterTab::volumes);
    for (const CDocMasterData& volume : volumes) {
        openEntry(volume, VolumeEntryMode::remove, listOf(RegisterTab::volumes));
    }
    // Once at the end, also for volumes another workstation changed.
    reload();
}

void VolumeTabCommands::changeVolumeAt(RegisterTab tab, int row) {
    const auto* model = dynamic_cast<const RecordListModel<CDocMasterData>*>(m_view.listModel(tab));
    if (!model || row < 0 || static_cast<size_t>(row) >= model->records().size()) return;
    const CDocMasterData volume = model->record(row);
    if (openEntry(volume, VolumeEntryMode::change, listOf(tab))) reload();
}

void VolumeTabCommands::extractVolumes(RegisterTab tab) {
    CBosatuTyuushutuJouken& criteria =
        tab == RegisterTab::permanent  ? m_document.m_permanentCriteria
        : tab == RegisterTab::disposed ? m_document.m_disposedCriteria
                                       : m_document.m_volumeCriteria;
    const VolumeChoices choices(m_document.m_department, m_document.m_classification,
                                m_document.m_retention);
    const CalendarMode calendar = m_document.calendar();
    CDlgBunshoSeiriItiranhyouTyuushutu dialog(criteria, choices, volumeTabOf(tab), calendar.western,
                                              calendar.periodType, m_ports.prompt, &m_view);
    if (dialog.exec() == QDialog::Accepted) reload();
}

void VolumeTabCommands::extractChangeForms() {
    const VolumeChoices choices(m_document.m_department, m_document.m_classification,
                                m_document.m_retention);
    const CalendarMode calendar = m_document.calendar();
    CDlgHozonNengenHenkoushoTyuushutu dialog(m_document.m_changeFormCriteria, choices,
                                             calendar.western, calendar.periodType, m_ports.prompt,
                                             &m_view);
    if (dialog.exec() == QDialog::Accepted) reload();
}

// データ連携: the selected forms, in list order, into HozonNengenHenkousho.csv
// of the data folder; then the linkage file of the change forms is opened
// when the settings use the spreadsheet.
void VolumeTabCommands::linkChangeForms() {
    const std::vector<CHozonNengenHenkoushoData> forms = selectedForms();
    const CalendarMode calendar = m_document.calendar();
    const WaitCursor wait;
    if (!CHozonNengenHenkoushoList::ExportCsv(m_ports.prompt,
                                              pathFromUtf8(m_document.m_strDataFolder), forms,
                                              calendar.western ? 1 : 0, calendar.periodType)) {
        return;
    }
    const CShokiSetteiData& settings = m_document.m_settings.Current();
    if (settings.m_bUseSpreadsheet == 1 && !settings.m_strLinkRetentionProgram.empty()) {
        CMyTool::RunProgram(m_ports.shell, m_ports.prompt, settings.m_strLinkRetentionProgram,
                            RunMode::open, {});
    }
}

}  // namespace bunrako
