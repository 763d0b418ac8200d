#include <gtest/gtest.h>

#include <filesystem>

#include "register/bunsho_ken_meibo_list.h"
#include "support/fake_prompt.h"
#include "support/register_images.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::day;
using testing::EntryAt;
using testing::entryImage;
using testing::kRegisterTag;
using testing::LegacyAt;
using testing::putBytes;
using testing::putDate;
using testing::putInt32;
using testing::readBytes;
using testing::writeBytes;

class RegisterFileTest : public ::testing::Test {
  protected:
    fs::path file() const { return folder / "KenMeibo.dat"; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    CBunshoKenMeiboList list{prompt};
};

TEST_F(RegisterFileTest, AMissingFileIsCreatedEmpty) {
    EXPECT_TRUE(list.Load(file()));
    EXPECT_TRUE(list.entries().empty());
    EXPECT_TRUE(fs::exists(file()));
    EXPECT_EQ(fs::file_size(file()), 0u);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(list.NextDocumentNumber(file(), OleDateTime::fromDate(2024, 5, 1), 0), "1");
}

TEST_F(RegisterFileTest, ReadsEveryFieldOfTheCurrentLayout) {
    std::string entry = entryImage("123", "0010020000", day(2024, 4, 1), day(2024, 5, 10));
    putDate(entry, EntryAt::volumeYear, day(2023, 4, 1));
    putBytes(entry, EntryAt::subject, std::string(160, 'S'));
    putBytes(entry, EntryAt::sender, "\x8e\x52\x93\x63");  // 山田
    putBytes(entry, EntryAt::receiver, "R");
    putInt32(entry, EntryAt::completedFlag, 1);
    putDate(entry, EntryAt::completedDate, day(2024, 6, 1), 2);
    putInt32(entry, EntryAt::progressFlag + 13 * 4, 1);
    putDate(entry, EntryAt::progressDate + 13 * 12, day(2024, 7, 1));
    putBytes(entry, EntryAt::progressText + 13 * 41, "step14");
    putBytes(entry, EntryAt::volumeNumber, "512001001 1 1000100");
    putBytes(entry, EntryAt::volumeTitle, "title");
    putInt32(entry, EntryAt::important, 1);
    putBytes(entry, EntryAt::symbol, "\x8f\xe3\x95\xdb\x91\xe6");  // 上保第
    putBytes(entry, EntryAt::remarks, "note");
    writeBytes(file(), std::string(kRegisterTag) + entry);

    ASSERT_TRUE(list.Load(file()));
    ASSERT_EQ(list.entries().size(), 1u);
    const CBunshoKenMeiboData& e = list.entries()[0];
    EXPECT_EQ(e.documentNumberText(), "123");
    EXPECT_EQ(e.registerYear, OleDateTime::fromDate(2024, 4, 1));
    EXPECT_EQ(e.volumeYear, OleDateTime::fromDate(2023, 4, 1));
    EXPECT_EQ(e.sectionCodeText(), "0010020000");
    EXPECT_EQ(e.receivedDate, OleDateTime::fromDate(2024, 5, 10));
    EXPECT_EQ(e.subjectText(), std::string(160, 'S'));
    EXPECT_EQ(e.senderText(), "山田");
    EXPECT_EQ(e.receiverText(), "R");
    EXPECT_EQ(e.completedFlag, 1);
    EXPECT_EQ(e.completedDate.status(), OleDateTime::null);
    EXPECT_EQ(e.progressFlag[13], 1);
    EXPECT_EQ(e.progressDate[13], OleDateTime::fromDate(2024, 7, 1));
    EXPECT_EQ(e.progressTextOf(13), "step14");
    EXPECT_EQ(e.volumeNumberText(), "512001001 1 1000100");
    EXPECT_EQ(e.volumeTitleText(), "title");
    EXPECT_EQ(e.importantFlag, 1);
    EXPECT_EQ(e.documentSymbolText(), "上保第");
    EXPECT_EQ(e.remarksText(), "note");
    EXPECT_EQ(list.lastLoad().tag, "BunshoKenMeiboVer200");
}

TEST_F(RegisterFileTest, SavingWritesTheTagAndTheEntriesUnchanged) {
    std::string first = entryImage("1", "001", day(2024, 4, 1), day(2024, 5, 10));
    first[7] = 'x';  // padding travels with the entry
    first[1330] = 'y';
    const std::string second = entryImage("2", "001", day(2024, 4, 1), day(2024, 5, 11));
    const std::string image = std::string(kRegisterTag) + first + second;
    writeBytes(file(), image);
    ASSERT_TRUE(list.Load(file()));
    ASSERT_TRUE(list.Save(file()));
    EXPECT_EQ(readBytes(file()), image);
    EXPECT_EQ(readBytes(folder / "KenMeibo.da$"), image);
}

TEST_F(RegisterFileTest, TheOlderLayoutIsConvertedAndSavedInTheCurrentOne) {
    std::string legacy[2];
    std::string expected[2];
    for (int i = 0; i < 2; ++i) {
        const std::string number = std::to_string(i + 1);
        legacy[i] = entryImage<LegacyAt>(number, "002", day(2010, 4, 1), day(2010, 6, 1 + i), 1);
        expected[i] = entryImage(number, "002", day(2010, 4, 1), day(2010, 6, 1 + i), 1);
    }
    // Every converted field, in the older and the current place.
    auto both = [&](auto put, size_t oldOffset, size_t newOffset, auto value) {
        put(legacy[0], oldOffset, value);
        put(expected[0], newOffset, value);
    };
    auto text = [](std::string& image, size_t offset, std::string_view bytes) {
        putBytes(image, offset, bytes);
    };
    auto integer = [](std::string& image, size_t offset, int32_t v) { putInt32(image, offset, v); };
    auto date = [](std::string& image, size_t offset, double d) { putDate(image, offset, d); };
    both(date, LegacyAt::volumeYear, EntryAt::volumeYear, day(2009, 4, 1));
    both(text, LegacyAt::subject, EntryAt::subject, std::string(80, 'A'));
    both(text, LegacyAt::sender, EntryAt::sender, std::string(40, 'B'));
    both(text, LegacyAt::receiver, EntryAt::receiver, std::string(40, 'C'));
    both(integer, LegacyAt::completedFlag, EntryAt::completedFlag, 1);
    both(date, LegacyAt::completedDate, EntryAt::completedDate, day(2010, 7, 1));
    both(integer, LegacyAt::progressFlag + 4, EntryAt::progressFlag + 4, 1);
    both(date, LegacyAt::progressDate + 12, EntryAt::progressDate + 12, day(2010, 6, 20));
    both(text, LegacyAt::progressText + 41, EntryAt::progressText + 41, "two");
    both(text, LegacyAt::progressText + 13 * 41, EntryAt::progressText + 13 * 41, "fourteen");
    both(text, LegacyAt::volumeNumber, EntryAt::volumeNumber, std::string(21, 'N'));
    both(text, LegacyAt::volumeTitle, EntryAt::volumeTitle, std::string(72, 'T'));
    both(integer, LegacyAt::important, EntryAt::important, 1);
    both(text, LegacyAt::symbol, EntryAt::symbol, std::string(20, 'K'));
    // The 63 bytes after the symbol are not read.
    putBytes(legacy[0], 1161, std::string(63, 'Z'));
    writeBytes(file(), legacy[0] + legacy[1]);

    ASSERT_TRUE(list.Load(file()));
    ASSERT_EQ(list.entries().size(), 2u);
    EXPECT_EQ(list.entries()[0].subjectText(), std::string(80, 'A'));
    EXPECT_EQ(list.entries()[0].remarksText(), "");
    EXPECT_TRUE(list.lastLoad().tag.empty());
    ASSERT_TRUE(list.Save(file()));
    const std::string saved = readBytes(file());
    ASSERT_EQ(saved.size(), 21u + 2 * 1332);
    EXPECT_EQ(saved, std::string(kRegisterTag) + expected[0] + expected[1]);
}

TEST_F(RegisterFileTest, PartialEntriesAtTheEndAreIgnored) {
    writeBytes(file(), std::string(kRegisterTag));
    EXPECT_TRUE(list.Load(file()));
    EXPECT_TRUE(list.entries().empty());

    writeBytes(file(), std::string(kRegisterTag) + std::string(1331, 'x'));
    EXPECT_TRUE(list.Load(file()));
    EXPECT_TRUE(list.entries().empty());
    EXPECT_EQ(list.lastLoad().droppedBytes, 1331u);

    const std::string one = entryImage("5", "001", day(2024, 4, 1), day(2024, 4, 2));
    writeBytes(file(), std::string(kRegisterTag) + one + one.substr(0, 700));
    EXPECT_TRUE(list.Load(file()));
    EXPECT_EQ(list.entries().size(), 1u);
    EXPECT_EQ(list.lastLoad().droppedBytes, 700u);

    const std::string old = entryImage<LegacyAt>("5", "001", day(2024, 4, 1), day(2024, 4, 2));
    writeBytes(file(), old + old.substr(0, 1223));
    EXPECT_TRUE(list.Load(file()));
    EXPECT_EQ(list.entries().size(), 1u);
    EXPECT_EQ(list.lastLoad().droppedBytes, 1223u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(RegisterFileTest, ATagCutShortOfItsTerminatorReadsNothing) {
    writeBytes(file(), "BunshoKenMeiboVer200");
    EXPECT_FALSE(list.Load(file()));
    EXPECT_TRUE(list.entries().empty());
}

TEST_F(RegisterFileTest, AnUnknownTagIsNotReadAndNeverOverwritten) {
    const std::string known = entryImage("7", "001", day(2024, 4, 1), day(2024, 4, 2));
    writeBytes(folder / "old.dat", std::string(kRegisterTag) + known);
    ASSERT_TRUE(list.Load(folder / "old.dat"));
    ASSERT_EQ(list.entries().size(), 1u);

    const std::string foreign = std::string("BunshoKenMeiboVer300\0", 21) + std::string(2000, 'q');
    writeBytes(file(), foreign);
    EXPECT_TRUE(list.Load(file()));
    EXPECT_EQ(list.entries().size(), 1u);  // kept as it was
    EXPECT_EQ(list.lastLoad().tag, "BunshoKenMeiboVer300");

    EXPECT_FALSE(list.Save(file()));
    EXPECT_EQ(readBytes(file()), foreign);
    EXPECT_FALSE(fs::exists(folder / "KenMeibo.da$"));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find("KenMeibo.dat"), std::string::npos);
    EXPECT_NE(prompt.lastMessage().find("BunshoKenMeiboVer300"), std::string::npos);

    // Another file is still written.
    EXPECT_TRUE(list.Save(folder / "other.dat"));
}

TEST_F(RegisterFileTest, GivingUpOnAFolderThatIsGoneLosesNothing) {
    const fs::path share = folder / "share";
    fs::create_directory(share);
    const std::string image =
        std::string(kRegisterTag) + entryImage("1", "001", day(2024, 4, 1), day(2024, 4, 2));
    writeBytes(share / "KenMeibo.dat", image);
    ASSERT_TRUE(list.Load(share / "KenMeibo.dat"));
    fs::rename(share, folder / "away");

    EXPECT_FALSE(list.Save(share / "KenMeibo.dat"));
    ASSERT_EQ(prompt.retries.size(), 1u);
    EXPECT_NE(prompt.retries[0].find("KenMeibo.dat"), std::string::npos);
    EXPECT_FALSE(fs::exists(share));
    EXPECT_EQ(readBytes(folder / "away" / "KenMeibo.dat"), image);
}

TEST_F(RegisterFileTest, AFileThatWillNotOpenKeepsTheListAndSaysWhy) {
    writeBytes(file(), std::string(kRegisterTag) +
                           entryImage("1", "001", day(2024, 4, 1), day(2024, 4, 2)));
    ASSERT_TRUE(list.Load(file()));
    EXPECT_FALSE(list.Load(folder / "gone" / "KenMeibo.dat"));
    EXPECT_EQ(list.entries().size(), 1u);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find("KenMeibo.dat:"), std::string::npos);
}

// A refill right after this list saved the register takes the list as it
// is; a change since, another file or an old save loads the file, where
// another workstation's entry shows.
enum class SinceSave { nothing, changed, otherFile, trustExpired };

class LoadAfterSaveTest : public RegisterFileTest,
                          public ::testing::WithParamInterface<SinceSave> {};

TEST_P(LoadAfterSaveTest, LoadsUnlessThisListHasJustSavedTheFile) {
    const std::string one = entryImage("1", "0010020000", day(2024, 4, 1), day(2024, 5, 10));
    const std::string two = entryImage("2", "0010020000", day(2024, 4, 1), day(2024, 5, 11));
    const std::string both = std::string(kRegisterTag) + one + two;
    writeBytes(file(), std::string(kRegisterTag) + one);
    ASSERT_TRUE(list.Load(file()));
    ASSERT_TRUE(list.Save(file()));
    writeBytes(file(), both);
    writeBytes(folder / "other.dat", both);

    fs::path loaded = file();
    auto trustFor = CBunshoKenMeiboList::kTrustOwnSave;
    size_t expected = 2;
    switch (GetParam()) {
        case SinceSave::nothing:
            expected = 1;
            break;
        case SinceSave::changed:
            list.AddOrReplace(list.entries().front());
            break;
        case SinceSave::otherFile:
            loaded = folder / "other.dat";
            break;
        case SinceSave::trustExpired:
            trustFor = std::chrono::milliseconds(0);
            break;
    }
    EXPECT_TRUE(list.LoadUnlessJustSaved(loaded, trustFor));
    EXPECT_EQ(list.entries().size(), expected);
}

INSTANTIATE_TEST_SUITE_P(RegisterFile, LoadAfterSaveTest,
                         ::testing::Values(SinceSave::nothing, SinceSave::changed,
                                           SinceSave::otherFile, SinceSave::trustExpired));

}  // namespace
}  // namespace bunrako
