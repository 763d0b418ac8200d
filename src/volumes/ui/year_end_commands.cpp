#include "volumes/ui/year_end_commands.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

#include "catalogue/sakuin_mokuroku_commands.h"
#include "catalogue/texts.h"
#include "common/clock.h"
#include "common/cp932.h"
#include "common/csv_date_texts.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "office/document_data.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/record_list_model.h"
#include "office/ui/row_selection.h"
#include "office/ui/wait_cursor.h"
#include "settings/outside_programs.h"
#include "settings/texts.h"
#include "volumes/excel_bosatu_form.h"
#include "volumes/nendo_kirikae_form.h"
#include "volumes/texts.h"
#include "volumes/ui/dlg_bunsho_seiri_nendo_kirikae.h"
#include "volumes/ui/dlg_shoki_settei_excel_bosatu.h"
#include "volumes/ui/texts.h"
#include "volumes/volume_choices.h"
#include "volumes/volume_linkage.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
namespace vtexts = volumes::texts;
namespace uitexts = volumes::ui::texts;

VolumeLinkageTab linkageTabOf(RegisterTab tab) {
    switch (tab) {
        case RegisterTab::permanent:
            return VolumeLinkageTab::permanentLedger;
        case RegisterTab::disposed:
            return VolumeLinkageTab::disposedList;
        default:
            return VolumeLinkageTab::volumeList;
    }
}

// The folder the linkage files go to: the data folder, else the program's.
fs::path linkageFolder(const DocumentData& document) {
    const fs::path folder = pathFromUtf8(document.m_strDataFolder);
    return folder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : folder;
}

std::string fileList(const fs::path& folder, std::initializer_list<const char*> names) {
    std::string list;
    for (const char* name : names) list += "\n" + pathToUtf8(folder / pathFromUtf8(name));
    return list;
}

}  // namespace

YearEndCommands::YearEndCommands(CBunrakoView& view, DocumentData& document,
                                 const DesktopPorts& ports)
    : QObject(&view), m_view(view), m_document(document), m_ports(ports) {}

bool YearEndCommands::run(CommandId id) {
    switch (id) {
        case CommandId::yearSwitch:
            switchYear();
            return true;
        case CommandId::bulkVolumeImport:
            importVolumes();
            return true;
        case CommandId::volumeLink:
            link(RegisterTab::volumes);
            return true;
        case CommandId::permanentLink:
            link(RegisterTab::permanent);
            return true;
        case CommandId::disposedLink:
            link(RegisterTab::disposed);
            return true;
        case CommandId::volumeTitlePrint:
            printTitles();
            return true;
        default:
            return false;
    }
}

std::vector<CDocMasterData> YearEndCommands::displayedVolumes(RegisterTab tab) const {
    const auto* model = dynamic_cast<const RecordListModel<CDocMasterData>*>(m_view.listModel(tab));
    return model ? model->records() : std::vector<CDocMasterData>{};
}

std::vector<int> YearEndCommands::selectionMask(RegisterTab tab) const {
    std::vector<int> mask(static_cast<size_t>(m_view.rowCount(tab)), 0);
    if (const QItemSelectionModel* selection = m_view.list(tab)->selectionModel()) {
        for (const RowRun& run : selectedRowRuns(*selection)) {
            for (int row = run.first; row <= run.last; ++row) {
                if (static_cast<size_t>(row) < mask.size()) mask[static_cast<size_t>(row)] = 1;
            }
        }
    }
    return mask;
}

std::vector<CDocMasterData> YearEndCommands::selectedVolumes(RegisterTab tab) const {
    const std::vector<CDocMasterData> displayed = displayedVolumes(tab);
    const std::vector<int> mask = selectionMask(tab);
    std::vector<CDocMasterData> chosen;
    for (size_t row = 0; row < displayed.size() && row < mask.size(); ++row) {
        if (mask[row] == 1) chosen.push_back(displayed[row]);
    }
    return chosen;
}

void YearEndCommands::reload(RegisterTab tab) { m_view.selectTab(tabIndex(tab)); }

void YearEndCommands::switchYear() {
    const std::vector<CDocMasterData> displayed = displayedVolumes(RegisterTab::volumes);
    const std::vector<int> mask = selectionMask(RegisterTab::volumes);
    if (std::find(mask.begin(), mask.end(), 1) == mask.end()) return;
    const CShokiSetteiData& settings = m_document.m_settings.Current();
    const CalendarMode calendar = m_document.calendar();
    const fs::path dataFolder = pathFromUtf8(m_document.m_strDataFolder);
    NendoKirikaeForm::Setup setup;
    setup.western = calendar.western;
    setup.periodType = calendar.periodType;
    setup.today = m_ports.clock.today();
    setup.department = settings.m_strSectionName;
    setup.section = settings.m_strSubsectionName;
    setup.volumeFile = settings.m_strVolumeFile;
    setup.dataFolder = dataFolder;
    setup.otherDataFiles = {m_document.disposedVolumes().path(),
                            m_document.changeForms().path(),
                            pathFromUtf8(m_document.titleRegisterFile()),
                            dataFolder / settings::texts::kSettingsFileName,
                            dataFolder / settings::texts::kDepartmentFileName,
                            dataFolder / settings::texts::kClassificationFileName,
                            dataFolder / settings::texts::kRetentionFileName};
    const VolumeChoices choices(m_document.m_department, m_document.m_classification,
                                m_document.m_retention);
    CDlgBunshoSeiriNendoKirikae dialog(choices, std::move(setup), displayed, mask, m_ports.prompt,
                                       m_ports.fileBrowser, &m_view);
    if (dialog.exec() != QDialog::Accepted) return;
    reload(RegisterTab::volumes);
    const NendoKirikaeResult& result = dialog.result();
    const std::string year = cp932ToUtf8(
        CsvDateTexts(calendar.western, calendar.periodType).fiscalYearOf(dialog.request().newYear));
    std::string message = formatPrintf(vtexts::kYearSwitchDone, result.copied.size(), year.c_str(),
                                       pathToUtf8(dialog.request().masterFile).c_str());
    if (!result.notCopied.empty()) {
        message += formatPrintf(vtexts::kYearSwitchNotCopied, result.notCopied.size());
    }
    m_ports.prompt.showMessage(message, uitexts::kYearSwitchCaption, MessageIcon::information);
}

void YearEndCommands::importVolumes() {
    const CShokiSetteiData& settings = m_document.m_settings.Current();
    const CalendarMode calendar = m_document.calendar();
    const VolumeChoices choices(m_document.m_department, m_document.m_classification,
                                m_document.m_retention);
    CDlgShokiSetteiExcelBosatu::Setup setup;
    setup.programFolder = pathFromUtf8(m_document.OwnFilesFolder());
    setup.volumeFile = m_document.volumes().path();
    setup.calendarMode = calendar.western ? 1 : 0;
    setup.periodType = calendar.periodType;
    setup.today = m_ports.clock.today();
    setup.example = ExcelBosatuFormExample::FromChoices(choices, settings.m_strSectionName,
                                                        settings.m_strSubsectionName);
    CDlgShokiSetteiExcelBosatu dialog(
        std::move(setup),
        {m_document.m_department, m_document.m_classification, m_document.m_retention},
        {m_ports.prompt, m_ports.shell, m_ports.fileBrowser}, &m_view);
    dialog.exec();
    // Volumes stored stay stored whichever way the dialog was closed.
    reload(RegisterTab::volumes);
}

void YearEndCommands::link(RegisterTab tab) {
    const std::vector<CDocMasterData> volumes = selectedVolumes(tab);
    if (volumes.empty()) return;
    const CShokiSetteiData settings =
        withProgramsOfThisComputer(m_document.m_settings.Current(), m_ports.shell);
    const fs::path folder = linkageFolder(m_document);
    const bool withCatalogues = tab == RegisterTab::volumes;
    int written = 0;
    {
        const WaitCursor wait;
        written = VolumeDataLinkage(
            m_ports.prompt, m_ports.shell, settings, folder, volumes, linkageTabOf(tab),
            withCatalogues
                ? SakuinIkkatuLinkageStep(m_ports.prompt, m_ports.clock, settings, folder)
                : CatalogueLinkageStep{});
    }
    if (written != 1) return;
    std::string files = fileList(folder, {vtexts::kVolumeCsvName, vtexts::kVolumeWordCsvName});
    if (withCatalogues) {
        files += fileList(folder,
                          {catalogue::texts::kBatchCsvName, catalogue::texts::kBatchWordCsvName});
    }
    m_ports.prompt.showMessage(formatPrintf(vtexts::kLinkageDone, volumes.size(), files.c_str()),
                               {}, MessageIcon::information);
}

void YearEndCommands::printTitles() {
    const std::vector<CDocMasterData> volumes = selectedVolumes(RegisterTab::volumes);
    if (volumes.empty()) return;
    const CShokiSetteiData settings =
        withProgramsOfThisComputer(m_document.m_settings.Current(), m_ports.shell);
    const fs::path folder = linkageFolder(m_document);
    int written = 0;
    {
        const WaitCursor wait;
        written = PrintVolumeTitles(m_ports.prompt, m_ports.shell, settings, folder, volumes);
    }
    if (written != 1) return;
    const std::string files =
        fileList(folder, {vtexts::kVolumeCsvName, vtexts::kVolumeWordCsvName});
    m_ports.prompt.showMessage(formatPrintf(vtexts::kTitleDataDone, volumes.size(), files.c_str()),
                               {}, MessageIcon::information);
}

}  // namespace bunrako
