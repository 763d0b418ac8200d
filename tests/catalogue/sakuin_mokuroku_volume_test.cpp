#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/sakuin_mokuroku.h"
#include "common/file_io.h"
#include "support/catalogue_images.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

using namespace testing;
namespace fs = std::filesystem;

class CatalogueOfVolumeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        volume.setDaiBunruiMei("総務");
        volume.setChuuBunruiMei("文書");
        volume.setShouBunruiMei("会議");
        volume.setTitle("会議録");
        volume.setKaMei("総務課");
        volume.setHozonShubetuMei("10年");
        volume.HozonNengen = OleSpan::fromDays(3660);
    }
    fs::path titleFolder() const { return folder / "総務/文書/会議/会議録"; }
    fs::path oldFolder() const { return titleFolder() / fs::u8path("令和2年度"); }
    fs::path newFolder() const { return titleFolder() / fs::u8path("索引目録データ/令和2年度"); }
    std::string catalogueImage(const std::string& subject) const {
        EntryValues v;
        v.subject = subject;
        return tag("SakuinMokurokuVer316") + headerImage() + entryImage316(v);
    }
    void putOldCatalogue(const std::string& subject) {
        fs::create_directories(oldFolder() / "添付");
        writeBytes(oldFolder() / "SakuinMokuroku.dat", catalogueImage(subject));
        writeBytes(oldFolder() / fs::u8path("会議.dat"), "related");
        writeBytes(oldFolder() / fs::u8path("添付/議事.doc"), "doc");
    }
    CSakuinMokuroku opened() {
        CSakuinMokuroku catalogue(prompt, clock);
        catalogue.setVolume(&volume);
        EXPECT_EQ(catalogue.OpenForVolume(volumeFile), 1);
        return catalogue;
    }

    TempFolder folder;
    FakePrompt prompt;
    FixedClock clock{OleDateTime::fromDateTime(2021, 2, 10, 10, 0, 0)};
    fs::path volumeFile = folder / "DocMaster.dat";
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2020, 6, 1));
};

TEST_F(CatalogueOfVolumeTest, OpeningMakesTheFolderChainAndPointsIntoIt) {
    CSakuinMokuroku catalogue = opened();
    EXPECT_TRUE(fs::is_directory(newFolder()));
    EXPECT_EQ(catalogue.filePath(), newFolder() / "SakuinMokuroku.dat");
    EXPECT_TRUE(prompt.messages.empty());

    CSakuinMokuroku withoutVolume(prompt, clock);
    EXPECT_EQ(withoutVolume.OpenForVolume(volumeFile), 0);
}

TEST_F(CatalogueOfVolumeTest, TitlesStayOneFolder) {
    volume.setTitle("../../外");
    CSakuinMokuroku catalogue = opened();
    EXPECT_EQ(catalogue.filePath().parent_path().parent_path().parent_path(),
              folder / "総務/文書/会議" / fs::u8path("..／..／外"));
}

TEST_F(CatalogueOfVolumeTest, TheOldFolderMovesWithEverythingInIt) {
    putOldCatalogue("旧い件名");
    CSakuinMokuroku catalogue = opened();
    EXPECT_FALSE(fs::exists(oldFolder()));
    EXPECT_EQ(readBytes(newFolder() / fs::u8path("会議.dat")), "related");
    EXPECT_EQ(readBytes(newFolder() / fs::u8path("添付/議事.doc")), "doc");
    ASSERT_EQ(catalogue.Load(), 1);
    ASSERT_EQ(catalogue.entries().size(), 1u);
    EXPECT_EQ(catalogue.entries()[0].subjectText(), "旧い件名");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CatalogueOfVolumeTest, AFolderWithoutACatalogueStays) {
    fs::create_directories(oldFolder());
    writeBytes(oldFolder() / "memo.txt", "x");
    opened();
    EXPECT_TRUE(fs::exists(oldFolder() / "memo.txt"));
    EXPECT_FALSE(fs::exists(newFolder() / "memo.txt"));
}

TEST_F(CatalogueOfVolumeTest, NeverReplacesADifferentCatalogueInTheNewFolder) {
    putOldCatalogue("旧い件名");
    fs::create_directories(newFolder());
    writeBytes(newFolder() / "SakuinMokuroku.dat", catalogueImage("新しい件名"));
    CSakuinMokuroku catalogue = opened();
    EXPECT_EQ(readBytes(newFolder() / "SakuinMokuroku.dat"), catalogueImage("新しい件名"));
    EXPECT_EQ(readBytes(oldFolder() / "SakuinMokuroku.dat"), catalogueImage("旧い件名"));
    EXPECT_FALSE(fs::exists(newFolder() / fs::u8path("会議.dat")));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.lastMessage().rfind(pathToUtf8(oldFolder()), 0), 0u);
    EXPECT_NE(prompt.lastMessage().find("古いフォルダの索引目録を移さずに残しました"),
              std::string::npos);
}

TEST_F(CatalogueOfVolumeTest, ACopyThatFailsKeepsTheOldFolder) {
    putOldCatalogue("旧い件名");
    fs::create_directories(newFolder());
    writeBytes(newFolder() / fs::u8path("添付"), "a file where a folder must go");
    opened();
    EXPECT_EQ(readBytes(oldFolder() / fs::u8path("添付/議事.doc")), "doc");
    EXPECT_EQ(readBytes(oldFolder() / "SakuinMokuroku.dat"), catalogueImage("旧い件名"));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find("写せなかったため、古いフォルダを残しました"),
              std::string::npos);
}

TEST_F(CatalogueOfVolumeTest, AnEarlierMoveThatCouldNotDeleteIsFinished) {
    putOldCatalogue("旧い件名");
    fs::create_directories(newFolder());
    writeBytes(newFolder() / "SakuinMokuroku.dat", catalogueImage("旧い件名"));
    opened();
    EXPECT_FALSE(fs::exists(oldFolder()));
    EXPECT_EQ(readBytes(newFolder() / fs::u8path("添付/議事.doc")), "doc");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CatalogueOfVolumeTest, HeaderSyncKeepsEntriesStoredElsewhereSinceTheLoad) {
    putOldCatalogue("会議の開催について");
    CSakuinMokuroku catalogue = opened();
    ASSERT_EQ(catalogue.Load(), 1);
    CSakuinMokuroku otherWorkstation = opened();
    CSakuinMokurokuList entry = catalogue.entries().front();
    entry.receivedDate = OleDateTime::fromDate(2020, 8, 1);
    ASSERT_GE(otherWorkstation.AddOrReplace(entry), 0);

    ASSERT_EQ(catalogue.SyncHeaderFromVolume(volume), 1);
    EXPECT_EQ(catalogue.entries().size(), 2u);
    ASSERT_EQ(otherWorkstation.Load(), 1);
    EXPECT_EQ(otherWorkstation.entries().size(), 2u);
    EXPECT_EQ(otherWorkstation.header().volumeTitleText(), "会議録");
}

TEST_F(CatalogueOfVolumeTest, HeaderSyncCopiesWhatDiffersAndSavesOnce) {
    CSakuinMokuroku catalogue = opened();
    catalogue.Load();
    ASSERT_EQ(catalogue.SyncHeaderFromVolume(volume), 1);
    const std::string saved = readBytes(catalogue.filePath());
    ASSERT_EQ(saved.size(), 21u + 324u);
    EXPECT_EQ(catalogue.header().volumeTitleText(), "会議録");
    EXPECT_EQ(catalogue.header().retentionTextText(), "10年");
    EXPECT_EQ(catalogue.header().retentionSpan, OleSpan::fromDays(3660));
    EXPECT_EQ(catalogue.header().fiscalYear, volume.SakuseiNendo);
    EXPECT_EQ(catalogue.header().bookCount, volume.Sassuu);
    EXPECT_EQ(saved.substr(21, 22), std::string(volume.KanriBangou, 22));
    EXPECT_EQ(saved.substr(21 + 163, 73), std::string(volume.Title, 73));

    // Nothing differs now: the file is not written again.
    fs::remove(catalogue.filePath());
    EXPECT_EQ(catalogue.SyncHeaderFromVolume(volume), 1);
    EXPECT_FALSE(fs::exists(catalogue.filePath()));

    // Invalid dates never compare equal, but the same bytes are no change.
    volume.ShuunouKaisiNendo = OleDateTime::invalidValue();
    EXPECT_EQ(catalogue.SyncHeaderFromVolume(volume), 1);
    EXPECT_TRUE(fs::exists(catalogue.filePath()));
    fs::remove(catalogue.filePath());
    EXPECT_EQ(catalogue.SyncHeaderFromVolume(volume), 1);
    EXPECT_FALSE(fs::exists(catalogue.filePath()));

    // One changed field is enough.
    volume.setHozonShubetuMei("永年");
    EXPECT_EQ(catalogue.SyncHeaderFromVolume(volume), 1);
    EXPECT_EQ(catalogue.header().retentionTextText(), "永年");
    EXPECT_TRUE(fs::exists(catalogue.filePath()));
}

}  // namespace
}  // namespace bunrako
