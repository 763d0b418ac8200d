#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogue_entry_commands.h"
#include "catalogue/catalogue_list_cells.h"
#include "catalogue/kanren_file_data.h"
#include "catalogue/related_file_cells.h"
#include "catalogue/sakuin_mokuroku_file.h"
#include "catalogue/sakuin_mokuroku_filter.h"
#include "support/catalogue_images.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::day;
using testing::EntryValues;

constexpr CalendarMode kWestern{true, 0};
constexpr CalendarMode kEra{false, 0};

CSakuinMokurokuHeader parsedHeader() {
    return parseCatalogueFile(testing::tag("SakuinMokurokuVer316") + testing::headerImage(), {})
        .header;
}

void expectColumns(std::span<const ListColumn> columns,
                   const std::vector<std::pair<std::string, int>>& expected) {
    ASSERT_EQ(columns.size(), expected.size());
    for (size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].caption, expected[i].first);
        EXPECT_EQ(columns[i].width, expected[i].second);
    }
}

TEST(CatalogueListTest, ColumnsAndCellsInBothCalendarModes) {
    expectColumns(catalogueListColumns(),
                  {{"受付日", 100}, {"文書番号", 80}, {"文書名", 500}, {"備考", 200}});
    CSakuinMokurokuList e = CSakuinMokurokuList::Cleared({});
    e.receivedDate = OleDateTime::fromDateTime(2008, 4, 1, 9, 0, 0);
    e.setDocumentNumberText("12");
    e.setSubjectText("会議の開催について");
    e.setRemarksText("原本は総務課");
    EXPECT_EQ(catalogueListCells(e, kWestern),
              (std::vector<std::string>{"2008.4.1", "12", "会議の開催について", "原本は総務課"}));
    EXPECT_EQ(catalogueListCells(e, kEra),
              (std::vector<std::string>{"H20.4.1", "12", "会議の開催について", "原本は総務課"}));
    e.receivedDate = OleDateTime::fromDate(2019, 5, 1);
    EXPECT_EQ(catalogueListCell(e, columnIndex(CatalogueListColumn::received), kEra), "R1.5.1");
    e.receivedDate = OleDateTime::invalidValue();
    EXPECT_EQ(catalogueListCell(e, columnIndex(CatalogueListColumn::received), kWestern), "");
    EXPECT_EQ(catalogueListCell(e, columnIndex(CatalogueListColumn::count), kWestern), "");
}

TEST(CatalogueListTest, CaptionNamesTheVolume) {
    const CSakuinMokurokuHeader header = parsedHeader();
    EXPECT_EQ(catalogueCaption(header, kEra), "令和2年度（01-02-03）会議録　　総務課　庶務係");
    EXPECT_EQ(catalogueCaption(header, kWestern), "2020年度（01-02-03）会議録　　総務課　庶務係");
    // The year is the label of the volume's fiscal year: a July year that
    // began in 2020 is 2021.
    CSakuinMokurokuHeader july = header;
    july.fiscalYear = OleDateTime::fromDate(2020, 7, 1);
    EXPECT_EQ(catalogueCaption(july, {true, 1}), "2021年度（01-02-03）会議録　　総務課　庶務係");
    EXPECT_EQ(catalogueCaption(july, {false, 1}), "令和3年度（01-02-03）会議録　　総務課　庶務係");
}

TEST(RelatedFileListTest, ColumnsAndCells) {
    expectColumns(
        relatedFileListColumns(),
        {{"ファイル", 500}, {"効力", 50}, {"種類", 150}, {"最終更新", 160}, {"フォルダ", 300}});
    CKanrenFileData file = CKanrenFileData::New(OleDateTime::fromDateTime(2024, 5, 1, 9, 3, 7));
    file.setFileNameText("議事録.docx");
    file.setFileTypeText("文書");
    file.setFolderText("/data/会議/");
    EXPECT_EQ(relatedFileListCells(file),
              (std::vector<std::string>{"議事録.docx", "", "文書", "2024/05/01 09:03:07",
                                        "/data/会議/"}));
    file.valid = 0;
    EXPECT_EQ(relatedFileListCell(file, columnIndex(RelatedFileListColumn::valid)), "無効");
    file.valid = 2;
    EXPECT_EQ(relatedFileListCell(file, columnIndex(RelatedFileListColumn::valid)), "無効");
    EXPECT_EQ(relatedFileListCell(file, columnIndex(RelatedFileListColumn::count)), "");
}

// A volume whose fields are those of the test header image.
CDocMasterData volumeOfHeader() {
    CDocMasterData v{};
    std::memcpy(v.KanriBangou, "502123456 1 2 3000100", 21);
    v.SakuseiNendo = OleDateTime::fromDate(2020, 4, 1);
    v.setKaMei("総務課");
    v.setKakariMei("庶務係");
    v.setKaBunruiCode("0102030000");
    v.setDaiBunruiCode("01");
    v.setDaiBunruiMei("総務");
    v.setChuuBunruiCode("02");
    v.setChuuBunruiMei("文書");
    v.setShouBunruiCode("03");
    v.setShouBunruiMei("会議");
    v.setTitle("会議録");
    v.Sassuu = 1;
    v.ShuunouKaisiNendo = OleDateTime::fromDate(2020, 4, 1);
    v.ShuunouShuuryouNendo = OleDateTime::fromDate(2021, 4, 1);
    v.HozonShubetuIndex = 4;
    v.setHozonShubetuMei("10年");
    v.HozonNengen = OleSpan::fromDays(3660.0);
    return v;
}

class CatalogueListingTest : public ::testing::Test {
  protected:
    fs::path catalogueFile() const {
        return folder / "総務/文書/会議/会議録/索引目録データ/令和2年度/SakuinMokuroku.dat";
    }
    std::string entries() const {
        EntryValues open;
        open.number = "1";
        open.completed = 0;
        EntryValues done;
        done.number = "2";
        done.received = day(2020, 5, 2);
        return testing::entryImage316(open) + testing::entryImage316(done);
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FixedClock clock{OleDateTime::fromDateTime(2021, 2, 10, 10, 0, 0)};
    fs::path volumeFile = folder / "DocMaster.dat";
    CDocMasterData volume = volumeOfHeader();
};

TEST_F(CatalogueListingTest, TheHeaderFollowsTheVolumeAndTheWholeCatalogueIsKept) {
    const std::string stored =
        testing::tag("SakuinMokurokuVer316") + testing::headerImage() + entries();
    fs::create_directories(catalogueFile().parent_path());
    testing::writeBytes(catalogueFile(), stored);
    volume.setKakariMei("文書係");
    CSakuinMokurokuFilter criteria;
    criteria.byCompletion = 1;
    criteria.notCompleted = 1;

    const CatalogueListing listing =
        listCatalogue(volume, volumeFile, criteria, kEra, clock, prompt);
    EXPECT_EQ(listing.caption, "令和2年度（01-02-03）会議録　　総務課　文書係");
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].documentNumberText(), "1");
    // Written once, whole: the safety copy holds the file as it was.
    std::string header = testing::headerImage();
    header.replace(57, 21, testing::bytes::fixed("文書係", 21));
    EXPECT_EQ(testing::readBytes(catalogueFile()),
              testing::tag("SakuinMokurokuVer316") + header + entries());
    EXPECT_EQ(testing::readBytes(catalogueFile().replace_extension(".da$")), stored);

    // Nothing differs any more: the file is left alone.
    fs::remove(catalogueFile().replace_extension(".da$"));
    listCatalogue(volume, volumeFile, criteria, kWestern, clock, prompt);
    EXPECT_FALSE(fs::exists(catalogueFile().replace_extension(".da$")));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CatalogueListingTest, AVolumeWithoutCatalogueGetsNoFile) {
    const CatalogueListing listing =
        listCatalogue(volume, volumeFile, CSakuinMokurokuFilter{}, kWestern, clock, prompt);
    EXPECT_TRUE(listing.entries.empty());
    EXPECT_EQ(listing.caption, "2020年度（01-02-03）会議録　　総務課　庶務係");
    EXPECT_FALSE(fs::exists(catalogueFile()));
}

}  // namespace
}  // namespace bunrako
