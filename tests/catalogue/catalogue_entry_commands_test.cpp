#include "catalogue/catalogue_entry_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/sakuin_mokuroku.h"
#include "settings/settei_koumoku_list.h"
#include "support/catalogue_images.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "volumes/bosatu_tyuushutu_jouken.h"
#include "volumes/doc_master_data.h"
#include "volumes/volume_filter.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::day;
using testing::EntryValues;

OleDateTime date(int y, int m, int d) { return OleDateTime::fromDate(y, m, d); }

CSakuinMokurokuList entry(std::string_view number, OleDateTime received,
                          std::string_view subject = "会議") {
    CSakuinMokurokuList e = CSakuinMokurokuList::Cleared(date(2021, 1, 1));
    e.receivedDate = received;
    e.setDocumentNumberText(number);
    e.setSubjectText(subject);
    return e;
}

class CatalogueEntryCommandsTest : public ::testing::Test {
  protected:
    CatalogueEntryCommandsTest() {
        volume.setDaiBunruiMei("総務");
        volume.setChuuBunruiMei("文書");
        volume.setShouBunruiMei("会議");
        volume.setTitle("会議録");
    }
    fs::path yearFolder() const {
        return folder / "総務/文書/会議/会議録/索引目録データ/令和2年度";
    }
    fs::path catalogueFile() const { return yearFolder() / "SakuinMokuroku.dat"; }
    std::vector<std::string> numbers() {
        CSakuinMokuroku catalogue(prompt, clock, catalogueFile());
        catalogue.Load();
        std::vector<std::string> result;
        for (const auto& e : catalogue.entries()) result.push_back(e.documentNumberText());
        return result;
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FixedClock clock{OleDateTime::fromDateTime(2021, 2, 10, 10, 0, 0)};
    fs::path volumeFile = folder / "DocMaster.dat";
    CDocMasterData volume = CDocMasterData::NewRecord(date(2020, 6, 1));
};

TEST_F(CatalogueEntryCommandsTest, RegisteringKeepsTheEntriesInDateOrder) {
    EXPECT_EQ(
        registerCatalogueEntry(entry("1", date(2020, 5, 1)), volume, volumeFile, clock, prompt), 0);
    EXPECT_EQ(
        registerCatalogueEntry(entry("3", date(2020, 7, 1)), volume, volumeFile, clock, prompt), 1);
    EXPECT_EQ(
        registerCatalogueEntry(entry("2", date(2020, 6, 1)), volume, volumeFile, clock, prompt), 1);
    EXPECT_EQ(numbers(), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(CatalogueEntryCommandsTest, ChangingWithRemovalLeavesOneEntryAtItsNewDate) {
    for (const auto& e : {entry("1", date(2020, 5, 1)), entry("2", date(2020, 6, 1)),
                          entry("3", date(2020, 7, 1))}) {
        registerCatalogueEntry(e, volume, volumeFile, clock, prompt);
    }
    const CSakuinMokurokuList before = entry("1", date(2020, 5, 1));
    CSakuinMokurokuList edited = before;
    edited.receivedDate = date(2020, 6, 15);
    const CatalogueChangeResult result =
        changeCatalogueEntry(before, edited, true, volume, volumeFile, clock, prompt);
    EXPECT_TRUE(result.stored);
    EXPECT_TRUE(result.removedBefore);
    EXPECT_EQ(result.index, 1);
    EXPECT_EQ(numbers(), (std::vector<std::string>{"2", "1", "3"}));

    // Without removal the entry as it was stays beside the new one.
    CSakuinMokurokuList again = edited;
    again.receivedDate = date(2020, 8, 1);
    const CatalogueChangeResult kept =
        changeCatalogueEntry(edited, again, false, volume, volumeFile, clock, prompt);
    EXPECT_FALSE(kept.removedBefore);
    EXPECT_EQ(numbers(), (std::vector<std::string>{"2", "1", "3", "1"}));
}

TEST_F(CatalogueEntryCommandsTest, AnEditThatKeepsTheKeyReplacesInPlace) {
    registerCatalogueEntry(entry("1", date(2020, 5, 1)), volume, volumeFile, clock, prompt);
    registerCatalogueEntry(entry("2", date(2020, 6, 1)), volume, volumeFile, clock, prompt);
    const CSakuinMokurokuList before = entry("1", date(2020, 5, 1));
    CSakuinMokurokuList edited = before;
    edited.setSenderText("総務部長");
    const CatalogueChangeResult result =
        changeCatalogueEntry(before, edited, true, volume, volumeFile, clock, prompt);
    EXPECT_TRUE(result.stored);
    EXPECT_EQ(result.index, 0);
    CSakuinMokuroku catalogue(prompt, clock, catalogueFile());
    catalogue.Load();
    ASSERT_EQ(catalogue.entries().size(), 2u);
    EXPECT_EQ(catalogue.entries()[0].senderText(), "総務部長");
}

TEST_F(CatalogueEntryCommandsTest, TheEntryAsItWasStaysWhenItsSuccessorCannotBeWritten) {
    registerCatalogueEntry(entry("1", date(2020, 5, 1)), volume, volumeFile, clock, prompt);
    // The safety copy's name is taken by a folder; the clerk gives up.
    fs::create_directory(yearFolder() / "SakuinMokuroku.da$");
    const std::string stored = testing::readBytes(catalogueFile());
    CSakuinMokurokuList edited = entry("1", date(2020, 9, 1));
    const CatalogueChangeResult result = changeCatalogueEntry(
        entry("1", date(2020, 5, 1)), edited, true, volume, volumeFile, clock, prompt);
    EXPECT_FALSE(result.stored);
    EXPECT_FALSE(result.removedBefore);
    EXPECT_EQ(testing::readBytes(catalogueFile()), stored);
}

TEST_F(CatalogueEntryCommandsTest, DeletingRemovesTheConfirmedEntry) {
    registerCatalogueEntry(entry("1", date(2020, 5, 1)), volume, volumeFile, clock, prompt);
    registerCatalogueEntry(entry("2", date(2020, 6, 1)), volume, volumeFile, clock, prompt);
    EXPECT_EQ(deleteCatalogueEntry(entry("1", date(2020, 5, 1)), volume, volumeFile, clock, prompt),
              1);
    EXPECT_EQ(numbers(), (std::vector<std::string>{"2"}));
    // Removed already: a second delete finds nothing, and nothing is left to do.
    EXPECT_TRUE(
        catalogueLacksEntry(entry("1", date(2020, 5, 1)), volume, volumeFile, clock, prompt));
    EXPECT_FALSE(
        catalogueLacksEntry(entry("2", date(2020, 6, 1)), volume, volumeFile, clock, prompt));
    // Another subject is another document: nothing is removed or written.
    fs::remove(yearFolder() / "SakuinMokuroku.da$");
    EXPECT_EQ(deleteCatalogueEntry(entry("2", date(2020, 6, 1), "別件"), volume, volumeFile, clock,
                                   prompt),
              0);
    EXPECT_EQ(numbers(), (std::vector<std::string>{"2"}));
    EXPECT_FALSE(fs::exists(yearFolder() / "SakuinMokuroku.da$"));
}

TEST(CatalogueStorageYearsTest, ReceptionMustLieWithinTheStorageYears) {
    CSakuinMokurokuHeader header = CSakuinMokurokuHeader::Cleared(date(2021, 1, 1));
    header.storageStartYear = date(2019, 4, 1);
    header.storageEndYear = date(2020, 4, 1);
    EXPECT_FALSE(receivedWithinStorageYears(date(2019, 3, 31), header, 0));
    EXPECT_TRUE(receivedWithinStorageYears(date(2019, 4, 1), header, 0));
    EXPECT_TRUE(
        receivedWithinStorageYears(OleDateTime::fromDateTime(2021, 3, 31, 17, 0, 0), header, 0));
    EXPECT_FALSE(receivedWithinStorageYears(date(2021, 4, 1), header, 0));
    // Under an October year the fiscal years run October to September.
    EXPECT_TRUE(receivedWithinStorageYears(date(2018, 10, 1), header, 2));
    EXPECT_FALSE(receivedWithinStorageYears(date(2018, 9, 30), header, 2));
    EXPECT_TRUE(receivedWithinStorageYears(date(2020, 9, 30), header, 2));
}

TEST_F(CatalogueEntryCommandsTest, TheProbeOnlyReadsCatalogues) {
    // No catalogue: none, and no folder is made.
    EXPECT_FALSE(volumeHasCatalogueEntries(volumeFile, volume));
    EXPECT_FALSE(fs::exists(folder / "総務"));
    // A catalogue without entries.
    CSakuinMokuroku catalogue(prompt, clock);
    catalogue.setVolume(&volume);
    catalogue.OpenForVolume(volumeFile);
    ASSERT_EQ(catalogue.Save(), 1);
    EXPECT_FALSE(volumeHasCatalogueEntries(volumeFile, volume));
    registerCatalogueEntry(entry("1", date(2020, 5, 1)), volume, volumeFile, clock, prompt);
    EXPECT_TRUE(volumeHasCatalogueEntries(volumeFile, volume));

    // A catalogue an earlier release kept in the old place counts, and stays.
    CDocMasterData other = volume;
    other.setTitle("議事録");
    const fs::path oldFolder = folder / "総務/文書/会議/議事録/令和2年度";
    fs::create_directories(oldFolder);
    testing::writeBytes(
        oldFolder / "SakuinMokuroku.dat",
        testing::tag("SakuinMokurokuVer316") + testing::headerImage() + testing::entryImage316());
    EXPECT_TRUE(volumeHasCatalogueEntries(volumeFile, other));
    EXPECT_TRUE(fs::exists(oldFolder / "SakuinMokuroku.dat"));
    EXPECT_FALSE(fs::exists(folder / "総務/文書/会議/議事録/索引目録データ"));
}

TEST_F(CatalogueEntryCommandsTest, TheVolumeExtractionAsksTheProbe) {
    registerCatalogueEntry(entry("1", date(2020, 5, 1)), volume, volumeFile, clock, prompt);
    CDocMasterData empty = volume;
    empty.setTitle("空の簿冊");
    CBosatuTyuushutuJouken criteria;
    criteria.byCatalogue = 1;
    criteria.catalogueHasEntries = 1;
    const CSetteiKoumokuList retention;
    const VolumeFilter withEntries(criteria, 0, retention, catalogueProbe(volumeFile));
    EXPECT_TRUE(withEntries(volume));
    EXPECT_FALSE(withEntries(empty));
    criteria.catalogueHasEntries = 0;
    const VolumeFilter withoutEntries(criteria, 0, retention, catalogueProbe(volumeFile));
    EXPECT_FALSE(withoutEntries(volume));
    EXPECT_TRUE(withoutEntries(empty));
}

}  // namespace
}  // namespace bunrako
