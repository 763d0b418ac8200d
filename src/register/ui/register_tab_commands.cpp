#include "register/ui/register_tab_commands.h"

#include <QTableView>

#include "common/file_io.h"
#include "office/document_data.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/record_list_model.h"
#include "office/ui/row_selection.h"
#include "register/register_commands.h"
#include "register/register_criteria_form.h"
#include "register/register_data_disposal.h"
#include "register/ui/bunsho_ken_meibo_dialog.h"
#include "register/ui/register_criteria_dialog.h"
#include "register/ui/register_drafts.h"

namespace bunrako {

RegisterTabCommands::RegisterTabCommands(const DesktopPorts& ports, DocumentData& document,
                                         CBunrakoView& view)
    : m_ports(ports), m_document(document), m_view(view) {}

bool RegisterTabCommands::run(CommandId id) {
    switch (id) {
        case CommandId::registerExtract:
            extract();
            return true;
        case CommandId::registerAdd:
            add();
            return true;
        case CommandId::registerChange:
            change();
            return true;
        case CommandId::registerDelete:
            remove();
            return true;
        case CommandId::registerLink:
            link();
            return true;
        case CommandId::registerDataDisposal:
            dispose();
            return true;
        default:
            return false;
    }
}

std::vector<CBunshoKenMeiboData> RegisterTabCommands::selectedEntries() const {
    std::vector<CBunshoKenMeiboData> entries;
    const auto* model = dynamic_cast<const RecordListModel<CBunshoKenMeiboData>*>(
        m_view.listModel(RegisterTab::titleRegister));
    if (!model) return entries;
    for (const int row : selectedRows(*m_view.list(RegisterTab::titleRegister)->selectionModel())) {
        entries.push_back(model->record(row));
    }
    return entries;
}

void RegisterTabCommands::refill() { m_view.refill(RegisterTab::titleRegister); }

bool RegisterTabCommands::runEntryDialog(const CBunshoKenMeiboData& entry,
                                         BunshoKenMeiboForm::Mode mode,
                                         const BunshoKenMeiboForm::Store& store) {
    const CShokiSetteiData& settings = m_document.m_settings.Current();
    const BunshoKenMeiboForm::Office office{m_document.m_department, m_document.volumes().records(),
                                            settings.m_nCalendarMode, settings.m_nManagementPeriod,
                                            pathFromUtf8(m_document.m_strDataFolder)};
    BunshoKenMeiboForm form(entry, mode, office, m_ports.prompt, m_ports.clock);
    const BunshoKenMeiboForm::Stores stores{store, pathFromUtf8(settings.m_strVolumeFile)};
    CDlgBunshoKenMeibo dialog(form, m_ports.prompt, stores, &m_view);
    RegisterDrafts drafts(m_ports, m_document, form, &dialog);
    dialog.setDraftHandler([&drafts](int draftNumber) { return drafts.run(draftNumber); });
    return dialog.exec() == QDialog::Accepted;
}

void RegisterTabCommands::add() {
    const CShokiSetteiData& settings = m_document.m_settings.Current();
    const std::filesystem::path file = pathFromUtf8(settings.m_strRegisterFile);
    // Proposed from the register as the tab last read it; taken again on save.
    const CBunshoKenMeiboData entry =
        newRegisterEntry(settings, m_document.titleRegister(), m_ports.clock);
    const std::string proposed = entry.documentNumberText();
    // Once stored, a retried OK (after the catalogue failed) replaces the
    // stored entry instead of numbering it again.
    bool stored = false;
    // Through the tab's own list, which then holds what was written: the
    // refill after the dialog does not read the register again.
    CBunshoKenMeiboList& list = m_document.titleRegister();
    const auto store = [&](CBunshoKenMeiboData& edited) {
        stored = stored ? storeRegisterEntry(edited, file, list)
                        : storeNewRegisterEntry(edited, proposed, file,
                                                settings.m_nManagementPeriod, list);
        return stored;
    };
    runEntryDialog(entry, BunshoKenMeiboForm::Mode::add, store);
    if (stored) refill();
}

void RegisterTabCommands::change() {
    const std::vector<CBunshoKenMeiboData> chosen = selectedEntries();
    if (chosen.empty()) {
        add();
        return;
    }
    const CShokiSetteiData& settings = m_document.m_settings.Current();
    const std::filesystem::path file = pathFromUtf8(settings.m_strRegisterFile);
    for (const CBunshoKenMeiboData& entry : chosen) {
        bool stored = false;
        const auto store = [&](CBunshoKenMeiboData& edited) {
            stored = storeRegisterEntry(edited, file, m_document.titleRegister());
            return stored;
        };
        runEntryDialog(entry, BunshoKenMeiboForm::Mode::change, store);
        if (stored) refill();
    }
}

void RegisterTabCommands::remove() {
    const std::vector<CBunshoKenMeiboData> chosen = selectedEntries();
    const std::filesystem::path file =
        pathFromUtf8(m_document.m_settings.Current().m_strRegisterFile);
    for (const CBunshoKenMeiboData& entry : chosen) {
        bool removed = false;
        const auto store = [&](CBunshoKenMeiboData& edited) {
            removed = deleteRegisterEntry(edited, file, m_ports.prompt);
            return removed;
        };
        runEntryDialog(entry, BunshoKenMeiboForm::Mode::remove, store);
        if (removed) refill();
    }
}

void RegisterTabCommands::extract() {
    const CShokiSetteiData& settings = m_document.m_settings.Current();
    RegisterCriteriaForm form(m_document.m_registerCriteria, m_document.m_department,
                              settings.m_nCalendarMode, settings.m_nManagementPeriod);
    CDlgBunshoKenMeiboTyuushutu dialog(form, m_ports.prompt, &m_view);
    if (dialog.exec() != QDialog::Accepted) return;
    m_document.m_registerCriteria = form.gather();
    refill();
}

void RegisterTabCommands::link() {
    const std::vector<CBunshoKenMeiboData> chosen = selectedEntries();
    if (chosen.empty()) return;
    linkRegisterData(chosen, m_document.m_settings.Current(),
                     pathFromUtf8(m_document.m_strDataFolder), m_document.m_department,
                     m_ports.shell, m_ports.prompt);
}

void RegisterTabCommands::dispose() {
    const std::vector<CBunshoKenMeiboData> chosen = selectedEntries();
    if (chosen.empty()) return;
    const std::filesystem::path file =
        pathFromUtf8(m_document.m_settings.Current().m_strRegisterFile);
    disposeRegisterData(chosen, file, m_ports.prompt);
    refill();
}

}  // namespace bunrako
