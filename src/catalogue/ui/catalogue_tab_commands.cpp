#include "catalogue/ui/catalogue_tab_commands.h"

#include <QTableView>
#include <system_error>

#include "catalogue/catalogue_criteria_form.h"
#include "catalogue/catalogue_entry_commands.h"
#include "catalogue/sakuin_mokuroku_commands.h"
#include "catalogue/ui/sakuin_mokuroku_dialog.h"
#include "catalogue/ui/sakuinmokuroku_tyuushutu_dialog.h"
#include "common/clock.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "office/document_data.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/record_list_model.h"
#include "office/ui/row_selection.h"
#include "office/ui/texts.h"
#include "office/ui/wait_cursor.h"
#include "register/catalogue_register_side.h"
#include "register/draft_file.h"
#include "register/kian_form.h"
#include "register/ui/kian_dialog.h"
#include "volumes/volume_folders.h"

namespace bunrako {
namespace {

using Mode = SakuinMokurokuForm::Mode;

// The header the catalogue has once the tab brought it in line with its
// volume: the volume's own fields.
CSakuinMokurokuHeader headerOf(const CDocMasterData& volume, const OleDateTime& now) {
    CSakuinMokurokuHeader header = CSakuinMokurokuHeader::Cleared(now);
    header.CopyVolumeFields(volume);
    return header;
}

}  // namespace

CatalogueTabCommands::CatalogueTabCommands(const DesktopPorts& ports, DocumentData& document,
                                           CBunrakoView& view)
    : m_ports(ports), m_document(document), m_view(view) {}

bool CatalogueTabCommands::run(CommandId id) {
    switch (id) {
        case CommandId::indexExtract:
            extract();
            return true;
        case CommandId::indexAdd:
            add();
            return true;
        case CommandId::indexChange:
            change();
            return true;
        case CommandId::indexDelete:
            remove();
            return true;
        case CommandId::indexLink:
            link();
            return true;
        case CommandId::indexBatchPrint:
            printBatch();
            return true;
        default:
            return false;
    }
}

std::optional<CDocMasterData> CatalogueTabCommands::chosenVolume() const {
    if (const CDocMasterData* volume = m_view.firstSelectedVolume(RegisterTab::volumes)) {
        return *volume;
    }
    m_ports.prompt.showMessage(office::ui::texts::kSelectVolumeFirst, {}, MessageIcon::warning);
    return std::nullopt;
}

std::vector<CSakuinMokurokuList> CatalogueTabCommands::selectedEntries() const {
    std::vector<CSakuinMokurokuList> entries;
    const auto* model = dynamic_cast<const RecordListModel<CSakuinMokurokuList>*>(
        m_view.listModel(RegisterTab::indexCatalogue));
    if (!model) return entries;
    for (const int row :
         selectedRows(*m_view.list(RegisterTab::indexCatalogue)->selectionModel())) {
        entries.push_back(model->record(row));
    }
    return entries;
}

void CatalogueTabCommands::refill() { m_view.refill(RegisterTab::indexCatalogue); }

bool CatalogueTabCommands::runEntryDialog(const CDocMasterData& volume,
                                          const CSakuinMokurokuList& entry, Mode mode) {
    const CShokiSetteiData& settings = m_document.m_settings.Current();
    const std::filesystem::path volumeFile = m_document.volumes().path();
    const std::filesystem::path dataFolder = pathFromUtf8(m_document.m_strDataFolder);
    Prompt& prompt = m_ports.prompt;
    const Clock& clock = m_ports.clock;
    const CSakuinMokurokuHeader header = headerOf(volume, clock.now());
    SakuinMokurokuForm form(entry, header, mode,
                            {settings.m_nCalendarMode, settings.m_nManagementPeriod,
                             volumeCatalogueFolder(volumeFile, volume)},
                            catalogueRegisterSide(settings, dataFolder, clock, prompt));

    // Once stored, a retried OK (after the register failed) replaces what
    // this dialog stored instead of adding beside it.
    bool stored = false;
    CSakuinMokurokuList lastStored = entry;
    const auto store = [&](const CSakuinMokurokuList& edited) {
        bool done = false;
        if (mode == Mode::remove) {
            // An entry another workstation removed meanwhile is gone as asked.
            done = deleteCatalogueEntry(edited, volume, volumeFile, clock, prompt) == 1 ||
                   catalogueLacksEntry(edited, volume, volumeFile, clock, prompt);
        } else if (mode == Mode::add && !stored) {
            done = registerCatalogueEntry(edited, volume, volumeFile, clock, prompt) >= 0;
        } else {
            const bool replace = stored || form.removeBefore;
            done =
                changeCatalogueEntry(lastStored, edited, replace, volume, volumeFile, clock, prompt)
                    .stored;
        }
        if (done) {
            stored = true;
            lastStored = edited;
        }
        return done;
    };

    CDlgSakuinMokuroku dialog(form, prompt, store, &m_view);
    dialog.setDraftHandler([&](int draftNumber, const CSakuinMokurokuList& draftEntry) {
        const std::filesystem::path path =
            draftFilePath(volumeFile, volume, draftEntry.subjectText(), draftNumber,
                          settings.m_strWordProcessorExt);
        std::error_code ignored;
        if (std::filesystem::exists(path, ignored)) {
            CMyTool::RunProgram(m_ports.shell, prompt, pathToUtf8(path), RunMode::open, {});
            return true;
        }
        KianForm kian(prompt, m_ports.shell, clock, settings, dataFolder, pathToUtf8(path),
                      draftEntry, header);
        CDlgKian draft(kian, m_ports.fileBrowser, &dialog);
        return draft.exec() == QDialog::Accepted;
    });
    dialog.exec();
    return stored;
}

void CatalogueTabCommands::add() {
    const std::optional<CDocMasterData> volume = chosenVolume();
    if (!volume) return;
    if (runEntryDialog(*volume, CSakuinMokurokuList::Cleared(m_ports.clock.now()), Mode::add)) {
        refill();
    }
}

void CatalogueTabCommands::change() {
    const std::vector<CSakuinMokurokuList> chosen = selectedEntries();
    if (chosen.empty()) {
        add();
        return;
    }
    const std::optional<CDocMasterData> volume = chosenVolume();
    if (!volume) return;
    bool changed = false;
    for (const CSakuinMokurokuList& entry : chosen) {
        changed = runEntryDialog(*volume, entry, Mode::change) || changed;
    }
    if (changed) refill();
}

void CatalogueTabCommands::remove() {
    // Copied first: the list changes while deleting.
    const std::vector<CSakuinMokurokuList> chosen = selectedEntries();
    if (chosen.empty()) return;
    const std::optional<CDocMasterData> volume = chosenVolume();
    if (!volume) return;
    bool changed = false;
    for (const CSakuinMokurokuList& entry : chosen) {
        changed = runEntryDialog(*volume, entry, Mode::remove) || changed;
    }
    if (changed) refill();
}

void CatalogueTabCommands::extract() {
    CatalogueCriteriaForm form(m_document.m_catalogueCriteria,
                               m_document.m_settings.Current().m_nCalendarMode);
    CDlgSakuinmokurokuTyuushutu dialog(form, m_ports.prompt, &m_view);
    if (dialog.exec() != QDialog::Accepted) return;
    m_document.m_catalogueCriteria = form.gather();
    if (m_view.firstSelectedVolume(RegisterTab::volumes)) refill();
}

void CatalogueTabCommands::link() {
    const std::optional<CDocMasterData> volume = chosenVolume();
    if (!volume) return;
    const auto* model = dynamic_cast<const RecordListModel<CSakuinMokurokuList>*>(
        m_view.listModel(RegisterTab::indexCatalogue));
    if (!model) return;
    const WaitCursor wait;
    LinkSakuinMokuroku(m_ports.prompt, m_ports.shell, m_document.m_settings.Current(),
                       pathFromUtf8(m_document.m_strDataFolder),
                       headerOf(*volume, m_ports.clock.now()), model->records());
}

void CatalogueTabCommands::printBatch() {
    const auto* model = dynamic_cast<const RecordListModel<CDocMasterData>*>(
        m_view.listModel(RegisterTab::volumes));
    if (!model) return;
    std::vector<CDocMasterData> selected;
    for (const int row : selectedRows(*m_view.list(RegisterTab::volumes)->selectionModel())) {
        selected.push_back(model->record(row));
    }
    if (selected.empty()) return;
    const WaitCursor wait;
    PrintSakuinIkkatu(m_ports.prompt, m_ports.shell, m_ports.clock, m_document.m_settings.Current(),
                      pathFromUtf8(m_document.m_strDataFolder), selected);
}

}  // namespace bunrako
