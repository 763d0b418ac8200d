#include "register/draft_file.h"

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/safe_file_name.h"
#include "register/texts.h"
#include "volumes/volume_folders.h"

namespace bunrako {

std::filesystem::path draftFilePath(const std::filesystem::path& volumeFile,
                                    const CDocMasterData& volume, const std::string& subject,
                                    int draftNumber, const std::string& extension) {
    const std::string name = SafeFileName(formatPrintf(
        register_::texts::kDraftFileName, subject.c_str(), draftNumber, extension.c_str()));
    return volumeTitleFolder(volumeFile, volume) / pathFromUtf8(name);
}

}  // namespace bunrako
