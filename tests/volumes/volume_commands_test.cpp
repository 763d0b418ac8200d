#include "volumes/volume_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "settings/shoki_settei_data.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_list.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;
namespace fs = std::filesystem;

class VolumeCommandsTest : public ::testing::Test {
  protected:
    VolumeCommandsTest() { testing::writeBytes(master(), vb::file(1, {stored})); }

    fs::path master() const { return folder / "DocMaster.dat"; }
    fs::path catalogueOf(const char* title) const {
        return folder / "文書" / "例規" / "条例" / title / "索引目録データ" / "令和2年度";
    }
    std::vector<std::string> titlesInFile() {
        CDocMasterList reader(master(), prompt);
        reader.Read();
        std::vector<std::string> titles;
        for (const auto& volume : reader.records()) titles.push_back(volume.title());
        return titles;
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    CDocMasterList list{master(), prompt};
    vb::Record stored = vb::volume("502001001 1 2 3000100", vb::kYosansho);
};

TEST_F(VolumeCommandsTest, ANewVolumeStartsInTodaysFiscalYearAndTheSettingsSection) {
    CShokiSetteiData settings;
    settings.m_nManagementPeriod = 1;
    settings.m_strSectionName = "総務課";
    settings.m_strSubsectionName = "庶務係";
    settings.m_strSectionCode = "0010010000";
    const CDocMasterData volume = newVolumeToRegister(OleDateTime::fromDate(2020, 8, 15), settings);
    const OleDateTime july2020 = OleDateTime::fromDate(2020, 7, 1);
    EXPECT_EQ(volume.SakuseiNendo, july2020);
    EXPECT_EQ(volume.ShuunouKaisiNendo, july2020);
    EXPECT_EQ(volume.ShuunouShuuryouNendo, july2020);
    EXPECT_EQ(volume.kaMei(), "総務課");
    EXPECT_EQ(volume.kakariMei(), "庶務係");
    EXPECT_EQ(volume.kaBunruiCode(), "0010010000");
    EXPECT_EQ(volume.Sassuu, 1);
    EXPECT_EQ(volume.Mokuji, 1);
}

TEST_F(VolumeCommandsTest, ARetitledVolumeReplacesTheOldOneOnlyWhenAsked) {
    auto edited = fromBytes(stored);
    edited.setTitle("人事");
    auto result = changeVolume(fromBytes(stored), edited, false, list);
    EXPECT_EQ(result.result(), 1);
    EXPECT_FALSE(result.removedBefore);
    EXPECT_EQ(titlesInFile(), (std::vector<std::string>{"予算書", "人事"}));

    testing::writeBytes(master(), vb::file(1, {stored}));
    result = changeVolume(fromBytes(stored), edited, true, list);
    EXPECT_TRUE(result.removedBefore);
    EXPECT_EQ(titlesInFile(), std::vector<std::string>{"人事"});
}

TEST_F(VolumeCommandsTest, AnUnchangedIdentityReplacesTheVolumeInPlace) {
    auto edited = fromBytes(stored);
    edited.Sassuu = 4;
    edited.setShouBunruiMei("規則");
    const auto result = changeVolume(fromBytes(stored), edited, true, list);
    EXPECT_EQ(result.result(), 1);
    EXPECT_FALSE(result.removedBefore);
    CDocMasterList reader(master(), prompt);
    ASSERT_EQ(reader.Read(), 1);
    ASSERT_EQ(reader.size(), 1u);
    EXPECT_EQ(reader[0].Sassuu, 4);
}

TEST_F(VolumeCommandsTest, TheIndexCatalogueFollowsTheVolumeToItsNewFolder) {
    fs::create_directories(catalogueOf("予算書"));
    const std::string catalogue = "catalogue bytes\x82\xa0";
    testing::writeBytes(catalogueOf("予算書") / "SakuinMokuroku.dat", catalogue);
    auto edited = fromBytes(stored);
    edited.setTitle("人事");
    ASSERT_EQ(changeVolume(fromBytes(stored), edited, true, list).result(), 1);
    EXPECT_EQ(testing::readBytes(catalogueOf("人事") / "SakuinMokuroku.dat"), catalogue);
    // The old data stays where it was.
    EXPECT_EQ(testing::readBytes(catalogueOf("予算書") / "SakuinMokuroku.dat"), catalogue);
}

TEST_F(VolumeCommandsTest, TheOldVolumeStaysWhenItsCatalogueCannotFollow) {
    fs::create_directories(catalogueOf("予算書"));
    testing::writeBytes(catalogueOf("予算書") / "SakuinMokuroku.dat", "x");
    // A file stands where the new title's folder would be.
    testing::writeBytes(folder / "文書" / "例規" / "条例" / "人事", "in the way");
    auto edited = fromBytes(stored);
    edited.setTitle("人事");
    const auto result = changeVolume(fromBytes(stored), edited, true, list);
    EXPECT_TRUE(result.stored);
    EXPECT_FALSE(result.catalogueCarried);
    EXPECT_FALSE(result.removedBefore);
    EXPECT_EQ(result.result(), 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].text.find("索引目録データ"), std::string::npos);
    EXPECT_EQ(titlesInFile(), (std::vector<std::string>{"予算書", "人事"}));
}

TEST_F(VolumeCommandsTest, NothingMovesWhenTheEditCannotBeStored) {
    fs::remove(master());
    fs::create_directory(master());
    auto edited = fromBytes(stored);
    edited.setTitle("人事");
    const auto result = changeVolume(fromBytes(stored), edited, true, list);
    EXPECT_FALSE(result.stored);
    EXPECT_FALSE(result.removedBefore);
    EXPECT_FALSE(fs::exists(catalogueOf("人事")));
}

TEST_F(VolumeCommandsTest, RegisterAndDelete) {
    auto added = fromBytes(stored);
    added.setTitle("人事");
    EXPECT_EQ(registerVolume(added, list), 1);
    EXPECT_TRUE(fs::is_directory(catalogueOf("人事")));
    EXPECT_EQ(titlesInFile(), (std::vector<std::string>{"予算書", "人事"}));
    // Deleting matches the classification names as well.
    auto otherMinor = fromBytes(stored);
    otherMinor.setShouBunruiMei("規則");
    EXPECT_EQ(deleteVolume(otherMinor, list), 0);
    EXPECT_EQ(deleteVolume(fromBytes(stored), list), 1);
    EXPECT_EQ(titlesInFile(), std::vector<std::string>{"人事"});
}

}  // namespace
}  // namespace bunrako
