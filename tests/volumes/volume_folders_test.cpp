#include "volumes/volume_folders.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "common/my_tool.h"
#include "settings/settei_koumoku_list.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"
#include "volumes/doc_master_list.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;

CDocMasterData volumeNamed(std::string_view major, std::string_view middle, std::string_view minor,
                           std::string_view title) {
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2020, 6, 1));
    volume.setKaMei("総務課");
    volume.setKakariMei("庶務係");
    volume.setDaiBunruiMei(major);
    volume.setChuuBunruiMei(middle);
    volume.setShouBunruiMei(minor);
    volume.setTitle(title);
    return volume;
}

// Every folder below root, as paths relative to it.
std::vector<std::string> foldersBelow(const fs::path& root) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_directory()) found.push_back(pathToUtf8(fs::relative(entry.path(), root)));
    }
    std::sort(found.begin(), found.end());
    return found;
}

TEST(VolumeFolders, RegisteringCreatesTheTreeBelowTheVolumeFile) {
    testing::TempFolder folder;
    testing::FakePrompt prompt;
    CDocMasterList list(folder / "DocMaster.dat", prompt);
    const CDocMasterData volume = volumeNamed("文書", "例規", "条例", "予算書");
    ASSERT_EQ(list.AddOrReplace(volume), 1);
    const fs::path expected = folder / "文書/例規/条例/予算書/索引目録データ/令和2年度";
    EXPECT_TRUE(fs::is_directory(expected));
    EXPECT_EQ(list.catalogueFolder(volume), expected);
    EXPECT_EQ(volumeTitleFolder(folder / "DocMaster.dat", volume),
              folder / "文書/例規/条例/予算書");
    EXPECT_EQ(volumeYearFolderName(volume, CMyTool()), "令和2年度");
    EXPECT_EQ(foldersBelow(folder.path()).size(), 6u);
}

TEST(VolumeFolders, NamesNeverLeaveTheDataFolder) {
    testing::TempFolder outer;
    const fs::path data = outer / "data";
    fs::create_directory(data);
    testing::FakePrompt prompt;
    CDocMasterList list(data / "DocMaster.dat", prompt);
    const CDocMasterData volume = volumeNamed("..", "", "a/b", "../../x");
    ASSERT_EQ(list.AddOrReplace(volume), 1);
    // Nothing beside the data folder, and one folder per level inside it.
    EXPECT_EQ(foldersBelow(outer.path()).size(), 7u);
    const fs::path leaf = list.catalogueFolder(volume);
    EXPECT_TRUE(fs::is_directory(leaf));
    const fs::path below = fs::relative(leaf, data);
    EXPECT_EQ(std::distance(below.begin(), below.end()), 6);
    for (const auto& part : below) {
        EXPECT_NE(part, "..");
        EXPECT_NE(part, ".");
    }
    // The record keeps the text as typed.
    EXPECT_EQ(list[0].title(), "../../x");
    EXPECT_EQ(list[0].shouBunruiMei(), "a/b");
}

// The classification folder follows the master by the volume's short codes.
struct ClassificationCase {
    const char* what;
    const char* codes[3];  // 大, 中, 小分類コード of the record
    const char* expected;  // below the folder of the volume file
};

class ClassificationFolder : public ::testing::TestWithParam<ClassificationCase> {};

TEST_P(ClassificationFolder, FollowsTheMasterByTheShortCodes) {
    CSetteiKoumokuList master;
    master.Items() = {{"0010000000", "総務管理", "1"}, {"0010010000", "文書", "1"},
                      {"0010010001", "例規集", "1"},   {"0010010002", "a/b", "2"},
                      {"0020000000", "..", "2"},       {"0020010000", "", "1"},
                      {"0020010001", "予算", "1"}};
    CDocMasterData volume = volumeNamed("総務", "文書", "例規", "会議録");
    const ClassificationCase& row = GetParam();
    volume.setDaiBunruiCode(row.codes[0]);
    volume.setChuuBunruiCode(row.codes[1]);
    volume.setShouBunruiCode(row.codes[2]);
    EXPECT_EQ(volumeClassificationFolder(fs::path("data") / "DocMaster.dat", volume, master),
              fs::path("data") / pathFromUtf8(row.expected))
        << row.what;
}

using Case = ClassificationCase;
INSTANTIATE_TEST_SUITE_P(
    Cases, ClassificationFolder,
    ::testing::Values(
        Case{"renamed in the master", {"1", "1", "1"}, "総務管理/文書/例規集"},
        Case{"names made safe", {"1", "1", "2"}, "総務管理/文書/a／b"},
        Case{"same code, other parent; unnamed item", {"2", "1", "1"}, "．．/文書/予算"},
        Case{"a code the master lacks", {"1", "1", "9"}, "総務/文書/例規"},
        Case{"a parent code the master lacks", {"3", "1", "1"}, "総務/文書/例規"},
        Case{"no codes in the record", {"", "", ""}, "総務/文書/例規"}));

}  // namespace
}  // namespace bunrako
