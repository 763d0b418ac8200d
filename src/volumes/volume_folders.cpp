#include "volumes/volume_folders.h"

#include <system_error>
#include <vector>

#include "common/file_io.h"
#include "common/my_tool.h"
#include "common/safe_file_name.h"
#include "settings/settei_koumoku_list.h"
#include "volumes/doc_master_data.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

constexpr int kYearForm = 2;

std::filesystem::path safeName(const std::string& utf8) { return pathFromUtf8(SafeFileName(utf8)); }

// The folder names of the tree, top down.
std::vector<std::filesystem::path> treeLevels(const CDocMasterData& volume) {
    const CMyTool tool;
    return {safeName(volume.daiBunruiMei()),
            safeName(volume.chuuBunruiMei()),
            safeName(volume.shouBunruiMei()),
            safeName(volume.title()),
            pathFromUtf8(volumes::texts::kCatalogueFolderName),
            safeName(volumeYearFolderName(volume, tool))};
}

}  // namespace

std::string volumeYearFolderName(const CDocMasterData& volume, const CMyTool& tool) {
    return tool.FormatEraDate(tool.DateToEraText(volume.SakuseiNendo), kYearForm) +
           volumes::texts::kFiscalYearSuffix;
}

std::filesystem::path volumeTitleFolder(const std::filesystem::path& volumeFile,
                                        const CDocMasterData& volume) {
    return volumeCatalogueFolder(volumeFile, volume).parent_path().parent_path();
}

std::filesystem::path volumeCatalogueFolder(const std::filesystem::path& volumeFile,
                                            const CDocMasterData& volume) {
    std::filesystem::path folder = volumeFile.parent_path();
    for (const auto& level : treeLevels(volume)) folder /= level;
    return folder;
}

ClassificationNames volumeClassificationNames(const CDocMasterData& volume,
                                              const CSetteiKoumokuList& classifications) {
    ClassificationNames names{volume.daiBunruiMei(), volume.chuuBunruiMei(),
                              volume.shouBunruiMei()};
    const std::string major = volume.daiBunruiCode();
    const std::string middle = volume.chuuBunruiCode();
    const std::string minor = volume.shouBunruiCode();
    // An empty code would match the first item that has no short code.
    if (major.empty() || middle.empty() || minor.empty()) return names;
    const std::string code = classifications.CodeBySubNames(major, middle, minor);
    if (code.size() != CSetteiKoumokuData::kCodeLength || ItemLevel(code) != 3) return names;
    const auto fromMaster = [&](std::string& name, const std::string& itemCode) {
        std::string found = classifications.NameByCode(itemCode);
        if (!found.empty()) name = std::move(found);
    };
    fromMaster(names.major, code.substr(0, 3) + "0000000");
    fromMaster(names.middle, code.substr(0, 6) + "0000");
    fromMaster(names.minor, code);
    return names;
}

std::filesystem::path volumeClassificationFolder(const std::filesystem::path& volumeFile,
                                                 const CDocMasterData& volume,
                                                 const CSetteiKoumokuList& classifications) {
    const ClassificationNames names = volumeClassificationNames(volume, classifications);
    return volumeFile.parent_path() / safeName(names.major) / safeName(names.middle) /
           safeName(names.minor);
}

void createVolumeFolderTree(const std::filesystem::path& volumeFile, const CDocMasterData& volume) {
    std::filesystem::path folder = volumeFile.parent_path();
    for (const auto& level : treeLevels(volume)) {
        folder /= level;
        std::error_code ignored;
        std::filesystem::create_directory(folder, ignored);
    }
}

}  // namespace bunrako
