#include "volumes/volume_linkage.h"

#include "common/file_io.h"
#include "common/linkage_file.h"
#include "common/my_tool.h"
#include "common/office_programs.h"
#include "common/prompt.h"
#include "common/texts.h"
#include "settings/shoki_settei_data.h"
#include "volumes/doc_master_csv.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

bool writeFiles(Prompt& prompt, const CShokiSetteiData& settings,
                const std::filesystem::path& folder, std::span<const CDocMasterData> volumes) {
    return WriteVolumeCsvFiles(prompt, folder, volumes, settings.m_nCalendarMode,
                               settings.m_nManagementPeriod) == VolumeCsvResult::written;
}

}  // namespace

const std::string& VolumeLinkFile(const CShokiSetteiData& settings, VolumeLinkageTab tab) {
    switch (tab) {
        case VolumeLinkageTab::permanentLedger:
            return settings.m_strLinkPermanentProgram;
        case VolumeLinkageTab::disposedList:
            return settings.m_strLinkDisposedProgram;
        case VolumeLinkageTab::volumeList:
            break;
    }
    return settings.m_strLinkVolumeProgram;
}

int VolumeDataLinkage(Prompt& prompt, Shell& shell, const CShokiSetteiData& settings,
                      const std::filesystem::path& folder, std::span<const CDocMasterData> volumes,
                      VolumeLinkageTab tab, const CatalogueLinkageStep& catalogueStep) {
    if (volumes.empty()) return 0;
    if (!writeFiles(prompt, settings, folder, volumes)) return 0;
    if (tab == VolumeLinkageTab::volumeList && catalogueStep && !catalogueStep(volumes)) return 0;
    OpenLinkageFile(shell, prompt, settings.m_bUseSpreadsheet, VolumeLinkFile(settings, tab));
    return 1;
}

int PrintVolumeTitles(Prompt& prompt, Shell& shell, const CShokiSetteiData& settings,
                      const std::filesystem::path& folder,
                      std::span<const CDocMasterData> volumes) {
    if (volumes.empty()) return 0;
    if (!writeFiles(prompt, settings, folder, volumes)) return 0;
    if (settings.m_bUseWordProcessor != 1) return 1;
    if (prompt.ask(vtexts::kPrintTitlesQuestion, {}, Buttons::okCancel, MessageIcon::question) ==
        Answer::ok) {
        const std::filesystem::path base =
            folder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : folder;
        OfficeDocumentRequest labels;
        labels.templatePath =
            OfficeTemplatePath(settings.m_strVolumeTitleForm, common::texts::kVolumeTitleTemplate);
        labels.wordCsv = base / pathFromUtf8(vtexts::kVolumeWordCsvName);
        labels.absorbingColumn = vtexts::kTitleColumn;
        labels.output = base / pathFromUtf8(common::texts::kVolumeTitleTemplate);
        printForm(shell, prompt, settings.m_strWordProcessorExt, settings.m_strWordProcessorExe,
                  settings.m_strVolumeTitleForm, labels);
    }
    return 1;
}

}  // namespace bunrako
