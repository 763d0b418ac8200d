#include "catalogue/sakuin_mokuroku_commands.h"

#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/sakuin_mokuroku_csv.h"
#include "catalogue/texts.h"
#include "common/file_io.h"
#include "common/linkage_file.h"
#include "common/my_tool.h"
#include "common/office_programs.h"
#include "common/prompt.h"
#include "common/texts.h"
#include "settings/shoki_settei_data.h"
#include "volumes/doc_master_data.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace ct = catalogue::texts;

// Reports a linkage file that was not written, naming it and the cause.
template <typename Writer>
bool writeOrReport(Prompt& prompt, const std::filesystem::path& folder, const char* fileName,
                   Writer write) {
    FileErrorCause cause = FileErrorCause::none;
    if (write(&cause) == 1) return true;
    CMyTool::CheckFileError(prompt, cause, pathToUtf8(SakuinCsvPath(folder, fileName)), true);
    return false;
}

}  // namespace

int LinkSakuinMokuroku(Prompt& prompt, Shell& shell, const CShokiSetteiData& settings,
                       const std::filesystem::path& dataFolder, const CSakuinMokurokuHeader& header,
                       std::span<const CSakuinMokurokuList> entries) {
    const CalendarMode calendar = CalendarMode::FromSettings(settings);
    const bool word = writeOrReport(prompt, dataFolder, ct::kBatchWordCsvName, [&](auto* cause) {
        return WriteSakuinIkkatuWordCsv(header, entries, 0, dataFolder, calendar, cause);
    });
    const bool taro = writeOrReport(prompt, dataFolder, ct::kBatchCsvName, [&](auto* cause) {
        return WriteSakuinIkkatuCsv(header, entries, 0, dataFolder, calendar, cause);
    });
    const bool single = writeOrReport(prompt, dataFolder, ct::kCatalogueCsvName, [&](auto* cause) {
        return WriteSakuinMokurokuCsv(header, entries, dataFolder, calendar, cause);
    });
    OpenLinkageFile(shell, prompt, settings.m_bUseSpreadsheet, settings.m_strLinkIndexProgram);
    return word && taro && single ? 1 : 0;
}

int WriteSakuinIkkatuForVolumes(Prompt& prompt, const Clock& clock,
                                std::span<const CDocMasterData> volumes,
                                const std::filesystem::path& volumeFile,
                                const std::filesystem::path& dataFolder, CalendarMode calendar) {
    int batchIndex = 0;
    for (const CDocMasterData& volume : volumes) {
        CSakuinMokuroku catalogue(prompt, clock);
        catalogue.setVolume(&volume);
        catalogue.OpenForVolume(volumeFile);
        catalogue.Load();
        catalogue.SyncHeaderFromVolume(volume);
        if (WriteSakuinIkkatuCsv(catalogue, batchIndex, dataFolder, calendar) != 1) {
            prompt.showMessage(volumes::texts::kTaroDataFailed, {}, MessageIcon::error);
            return 0;
        }
        if (WriteSakuinIkkatuWordCsv(catalogue, batchIndex, dataFolder, calendar) != 1) {
            prompt.showMessage(ct::kWordDataFailed, {}, MessageIcon::error);
            return 0;
        }
        ++batchIndex;
    }
    return 1;
}

CatalogueLinkageStep SakuinIkkatuLinkageStep(Prompt& prompt, const Clock& clock,
                                             const CShokiSetteiData& settings,
                                             const std::filesystem::path& dataFolder) {
    const std::filesystem::path volumeFile = pathFromUtf8(settings.m_strVolumeFile);
    const CalendarMode calendar = CalendarMode::FromSettings(settings);
    return [&prompt, &clock, volumeFile, dataFolder,
            calendar](std::span<const CDocMasterData> volumes) {
        return WriteSakuinIkkatuForVolumes(prompt, clock, volumes, volumeFile, dataFolder,
                                           calendar) == 1;
    };
}

int PrintSakuinIkkatu(Prompt& prompt, Shell& shell, const Clock& clock,
                      const CShokiSetteiData& settings, const std::filesystem::path& dataFolder,
                      std::span<const CDocMasterData> selected) {
    if (selected.empty()) return 0;
    if (WriteSakuinIkkatuForVolumes(prompt, clock, selected, pathFromUtf8(settings.m_strVolumeFile),
                                    dataFolder, CalendarMode::FromSettings(settings)) != 1) {
        return 0;
    }
    if (settings.m_bUseWordProcessor != 1) return 1;
    if (prompt.ask(ct::kBatchPrintQuestion, {}, Buttons::okCancel, MessageIcon::question) !=
        Answer::ok) {
        return 1;
    }
    OfficeDocumentRequest sheets;
    sheets.templatePath =
        OfficeTemplatePath(settings.m_strIndexBatchForm, common::texts::kIndexBatchTemplate);
    sheets.wordCsv = SakuinCsvPath(dataFolder, ct::kBatchWordCsvName);
    sheets.output = SakuinCsvPath(dataFolder, common::texts::kIndexBatchTemplate);
    return printForm(shell, prompt, settings.m_strWordProcessorExt, settings.m_strWordProcessorExe,
                     settings.m_strIndexBatchForm, sheets);
}

}  // namespace bunrako
