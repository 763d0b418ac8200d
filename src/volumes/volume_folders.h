#pragma once

#include <filesystem>
#include <string>

namespace bunrako {

class CMyTool;
class CSetteiKoumokuList;
struct CDocMasterData;

// Each volume has a folder tree below the folder that holds its volume file:
//   大分類名/中分類名/小分類名/タイトル/索引目録データ/<令和2年>度
// Every name is made safe for the file system, so a title such as "../x" or
// "a/b" stays one folder inside the data folder; the record keeps its text.

// The year folder's name: the creation year as era year ("令和2年") + "度".
std::string volumeYearFolderName(const CDocMasterData& volume, const CMyTool& tool);
// <folder of the volume file>/大分類名/中分類名/小分類名/タイトル
std::filesystem::path volumeTitleFolder(const std::filesystem::path& volumeFile,
                                        const CDocMasterData& volume);
// The last folder of the tree, where the volume's index catalogue lives.
std::filesystem::path volumeCatalogueFolder(const std::filesystem::path& volumeFile,
                                            const CDocMasterData& volume);
// The names of a volume's three classification levels.
struct ClassificationNames {
    std::string major;   // 大分類
    std::string middle;  // 中分類
    std::string minor;   // 小分類
};
// The classification names as the master gives them today, so that a renamed
// classification leads to its new name. The volume's item is found by the
// short classification codes the record copied from the master (they stay
// when an item is renamed); the names are those of the items at the first 3
// digits of its code + "0000000", the first 6 + "0000" and the full code. A
// volume whose codes the master lacks keeps the names of its record, as does
// a level whose master item has no name.
ClassificationNames volumeClassificationNames(const CDocMasterData& volume,
                                              const CSetteiKoumokuList& classifications);
// <folder of the volume file>/大分類名/中分類名/小分類名 with the names above,
// each made safe as in the tree.
std::filesystem::path volumeClassificationFolder(const std::filesystem::path& volumeFile,
                                                 const CDocMasterData& volume,
                                                 const CSetteiKoumokuList& classifications);
// Creates the tree one level at a time; a level that is already there, or
// cannot be made, is passed over (a later write reports an unreachable folder).
void createVolumeFolderTree(const std::filesystem::path& volumeFile, const CDocMasterData& volume);

}  // namespace bunrako
