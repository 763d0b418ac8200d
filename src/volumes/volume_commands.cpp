#include "volumes/volume_commands.h"

#include <system_error>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "settings/shoki_settei_data.h"
#include "volumes/doc_master_list.h"
#include "volumes/texts.h"
#include "volumes/volume_folders.h"
#include "volumes/volume_identity.h"

namespace bunrako {
namespace {

// Copies the catalogue folder of the volume as it was to that of the edited
// volume; nothing to do when there is none or both are the same folder.
bool carryCatalogue(const std::filesystem::path& masterFile, const CDocMasterData& before,
                    const CDocMasterData& edited, Prompt& prompt) {
    const std::filesystem::path from = volumeCatalogueFolder(masterFile, before);
    const std::filesystem::path to = volumeCatalogueFolder(masterFile, edited);
    std::error_code error;
    if (from == to || !std::filesystem::is_directory(from, error)) return true;
    const std::string fromText = pathToUtf8(from);
    const std::string toText = pathToUtf8(to);
    if (CMyTool::CopyFolderTree(fromText, toText)) return true;
    prompt.showMessage(
        formatPrintf(volumes::texts::kCatalogueCopyFailed, fromText.c_str(), toText.c_str()), {},
        MessageIcon::error);
    return false;
}

}  // namespace

CDocMasterData newVolumeToRegister(const OleDateTime& today, const CShokiSetteiData& settings) {
    CDocMasterData volume = CDocMasterData::NewRecord(today);
    const OleDateTime fiscalYear = CMyTool().FiscalYearStart(today, settings.m_nManagementPeriod);
    volume.SakuseiNendo = fiscalYear;
    volume.ShuunouKaisiNendo = fiscalYear;
    volume.ShuunouShuuryouNendo = fiscalYear;
    volume.setKaBunruiCode(settings.m_strSectionCode);
    volume.setKaMei(settings.m_strSectionName);
    volume.setKakariMei(settings.m_strSubsectionName);
    return volume;
}

bool registerVolume(const CDocMasterData& volume, CDocMasterList& list) {
    return list.AddOrReplace(volume) == 1;
}

VolumeChangeResult changeVolume(const CDocMasterData& before, const CDocMasterData& edited,
                                bool removeBefore, CDocMasterList& list) {
    VolumeChangeResult result;
    result.stored = list.AddOrReplace(edited) == 1;
    if (!result.stored) return result;
    result.catalogueCarried = carryCatalogue(list.path(), before, edited, list.prompt());
    if (!result.catalogueCarried) return result;
    // When the identity is unchanged, storing has already replaced it.
    if (removeBefore && !isSameVolume(before, edited)) {
        result.removedBefore = list.Remove(before) == 1;
    }
    return result;
}

bool deleteVolume(const CDocMasterData& volume, CDocMasterList& list) {
    return list.Remove(volume) == 1;
}

}  // namespace bunrako
