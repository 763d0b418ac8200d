#include "volumes/volume_linkage.h"

#include <algorithm>
#include <iterator>

#include "app/shoki_settei_data.h"
#include "common/format_text.h"
#include "common/linkage_file.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "volumes/doc_master_csv.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

enum RunMode { kStart = 1, kOpen = 2, kPrint = 3 };

template <size_t N>
bool isOneOf(const std::string& text, const char* const (&spellings)[N]) {
    return std::any_of(std::begin(spellings), std::end(spellings),
                       [&](const char* spelling) { return text == spelling; });
}

bool writeFiles(Prompt& prompt, const CShokiSetteiData& settings,
                const std::filesystem::path& folder, std::span<const CDocMasterData> volumes) {
    return WriteVolumeCsvFiles(prompt, folder, volumes, settings.m_nCalendarMode,
                               settings.m_nManagementPeriod) == VolumeCsvResult::written;
}

int printTitleForm(Prompt& prompt, Shell& shell, const CShokiSetteiData& settings) {
    const std::string& form = settings.m_strVolumeTitleForm;
    const std::string& extension = settings.m_strWordProcessorExt;
    if (isOneOf(extension, vtexts::kTaroExtensions)) {
        return CMyTool::RunProgram(shell, prompt, form, kPrint, std::string());
    }
    if (isOneOf(extension, vtexts::kWordExtensions)) {
        return CMyTool::RunProgram(shell, prompt, settings.m_strWordProcessorExe, kStart,
                                   formatText(vtexts::kMergeMacroArgument, form));
    }
    return CMyTool::RunProgram(shell, prompt, form, kOpen, std::string());
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
        printTitleForm(prompt, shell, settings);
    }
    return 1;
}

}  // namespace bunrako
