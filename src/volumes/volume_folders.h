#pragma once

#include <filesystem>
#include <string>

namespace bunrako {

class CMyTool;
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
// Creates the tree one level at a time; a level that is already there, or
// cannot be made, is passed over (a later write reports an unreachable folder).
void createVolumeFolderTree(const std::filesystem::path& volumeFile, const CDocMasterData& volume);

}  // namespace bunrako
