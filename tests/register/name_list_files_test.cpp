#include <gtest/gtest.h>

#include <filesystem>

#include "register/hassin_jusin_list.h"
#include "register/shoku_simei_list.h"
#include "support/archive_images.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::slotBytes;
using testing::writeBytes;

const OleDateTime kNow = OleDateTime::fromDateTime(2024, 6, 3, 14, 25, 0);

double days(int year, int month, int day) {
    return static_cast<double>(daysFromCivil(year, month, day));
}

class NameFilesTest : public ::testing::Test {
  protected:
    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FixedClock clock{kNow};
};

TEST_F(NameFilesTest, AMissingSenderFileGivesEmptyListsQuietlyAndTheFirstNameCreatesIt) {
    HassinJusinList lists(prompt, clock, folder.path());
    EXPECT_TRUE(lists.Hassin.Names().empty());
    EXPECT_TRUE(lists.Jusin.Names().empty());
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_FALSE(fs::exists(folder / "HassinJusinList.dat"));

    EXPECT_FALSE(lists.AddSender(""));
    EXPECT_FALSE(fs::exists(folder / "HassinJusinList.dat"));

    EXPECT_TRUE(lists.AddReceiver("\xe5\xb1\xb1\xe7\x94\xb0"));  // 山田
    std::string expected;
    for (int i = 0; i < 30; ++i) {
        expected += slotBytes("", 0, kNow.days());
        expected +=
            i == 0 ? slotBytes("\x8e\x52\x93\x63", 1, kNow.days()) : slotBytes("", 0, kNow.days());
    }
    EXPECT_EQ(readBytes(folder / "HassinJusinList.dat"), expected);
}

TEST_F(NameFilesTest, SendersAndReceiversAlternateInTheFileAndRoundTrip) {
    std::string image;
    for (int i = 0; i < 30; ++i) {
        image += slotBytes(i < 2 ? "S" + std::to_string(i) : "", 5 - i, days(2020, 1, 1 + i));
        image += slotBytes(i < 3 ? "R" + std::to_string(i) : "", 9 - i, days(2021, 1, 1 + i));
    }
    writeBytes(folder / "HassinJusinList.dat", image);
    HassinJusinList lists(prompt, clock, folder.path());
    EXPECT_EQ(lists.Hassin.Names(), (std::vector<std::string>{"S0", "S1"}));
    EXPECT_EQ(lists.Jusin.Names(), (std::vector<std::string>{"R0", "R1", "R2"}));
    EXPECT_EQ(lists.Jusin.slots()[29].kaisuu, -20);
    EXPECT_EQ(lists.Jusin.slots()[2].hiniti, OleDateTime::fromDate(2021, 1, 3));
    ASSERT_TRUE(lists.Save());
    EXPECT_EQ(readBytes(folder / "HassinJusinList.dat"), image);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(NameFilesTest, ADamagedFileKeepsTheSlotsBeforeTheDamageAndNamesTheItem) {
    std::string image;
    for (int i = 0; i < 3; ++i) {
        image += slotBytes("S" + std::to_string(i), 1, days(2020, 1, 1));
        image += slotBytes("R" + std::to_string(i), 1, days(2020, 1, 1));
    }
    image += slotBytes("S3", 1, days(2020, 1, 1));
    image += std::string("\x02R3\x01\x00", 5);  // receiver 3: its count is cut short
    writeBytes(folder / "HassinJusinList.dat", image);
    HassinJusinList lists(prompt, clock, folder.path());
    const HassinJusinList::LoadReport report = lists.Load();
    EXPECT_EQ(report.hassinRead, 4u);
    EXPECT_EQ(report.jusinRead, 3u);
    EXPECT_EQ(lists.Hassin.Names().size(), 4u);
    EXPECT_EQ(lists.Jusin.slots()[3].meishou, "R3");
    ASSERT_FALSE(prompt.messages.empty());
    EXPECT_EQ(prompt.messages[0].text,
              (folder / "HassinJusinList.dat").string() +
                  ":Jusin[3].kaisuu:オブジェクトの読み込み中にファイルの終わりに到達しました。");
}

TEST_F(NameFilesTest, AHostileStringLengthIsAnErrorNotAnAllocation) {
    writeBytes(folder / "HassinJusinList.dat",
               std::string("\xff\xff\xff\xff\xff\xff\x7f", 7) + std::string(10, 'x'));
    HassinJusinList lists(prompt, clock, folder.path());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find(":Hassin[0].meishou:"), std::string::npos);
    EXPECT_TRUE(lists.Hassin.Names().empty());
}

TEST_F(NameFilesTest, PostsAndNamesAreSavedOnlyWhenAsked) {
    ShokuSimeiList lists(prompt, clock);
    lists.SetFolder(folder.path());
    // Both missing files are reported, and neither is created by reading.
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[0].text, (folder / "ShokuList.dat").string() + ":ファイル未定義");
    EXPECT_FALSE(fs::exists(folder / "ShokuList.dat"));

    EXPECT_TRUE(lists.AddShoku("課長"));
    EXPECT_TRUE(lists.AddSimei("X"));
    EXPECT_FALSE(fs::exists(folder / "ShokuList.dat"));
    ASSERT_TRUE(lists.SaveShoku());
    ASSERT_TRUE(lists.SaveSimei());

    std::string expected = slotBytes("\x89\xdb\x92\xb7", 1, kNow.days());
    for (int i = 1; i < 10; ++i) expected += slotBytes("", 0, kNow.days());
    EXPECT_EQ(readBytes(folder / "ShokuList.dat"), expected);

    ShokuSimeiList again(prompt, clock);
    again.SetFolder(folder.path());
    EXPECT_EQ(again.SimeiList.Names(), std::vector<std::string>{"X"});
    EXPECT_EQ(prompt.messages.size(), 2u);
}

TEST_F(NameFilesTest, ADamagedPostFileIsReportedWithItsKey) {
    writeBytes(folder / "SimeiList.dat", slotBytes("A", 2, days(2020, 1, 1)) + "\x05" + "ab");
    NameList list(10, 10, kNow);
    const auto report =
        ShokuSimeiList::LoadFile(prompt, folder / "SimeiList.dat", "SimeiList", list);
    EXPECT_TRUE(report.opened);
    EXPECT_EQ(report.slotsRead, 1u);
    EXPECT_NE(prompt.lastMessage().find("SimeiList.dat:SimeiList[1].meishou:"), std::string::npos);
    EXPECT_EQ(list.Names(), std::vector<std::string>{"A"});
}

TEST_F(NameFilesTest, ANameEndsAtItsFirstNulAndTheRestIsWrittenBack) {
    const std::string tailed("AB\0CD", 5);
    std::string image =
        slotBytes(tailed, 3, days(2020, 1, 1)) + slotBytes("E", 2, days(2020, 1, 2));
    // A name of nothing but what follows a NUL marks an unused slot.
    image += slotBytes(std::string("\0F", 2), 0, days(2020, 1, 3));
    for (int i = 3; i < 10; ++i) image += slotBytes("", 0, days(2020, 1, 1));
    writeBytes(folder / "ShokuList.dat", image + "zz");
    NameList list(10, 10, kNow);
    const auto report =
        ShokuSimeiList::LoadFile(prompt, folder / "ShokuList.dat", "ShokuList", list);
    EXPECT_EQ(report.trailingBytes, 2u);
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"AB", "E"}));
    // Recording the same name again counts the slot and keeps its bytes.
    EXPECT_TRUE(list.Record("AB", OleDateTime{days(2020, 1, 1), OleDateTime::valid}));
    EXPECT_EQ(list.slots()[0].meishou, tailed);
    EXPECT_EQ(list.slots()[0].kaisuu, 4);
    ASSERT_TRUE(ShokuSimeiList::SaveFile(prompt, folder / "ShokuList.dat", list));
    const std::string first = slotBytes(tailed, 4, days(2020, 1, 1));
    EXPECT_EQ(readBytes(folder / "ShokuList.dat").substr(0, first.size()), first);
}

TEST_F(NameFilesTest, AFolderThatIsGoneIsReportedOnSavingPosts) {
    ShokuSimeiList lists(prompt, clock);
    lists.SetFolder(folder / "gone");
    prompt.messages.clear();
    EXPECT_FALSE(lists.SaveShoku());
    EXPECT_EQ(prompt.messages.size(), 1u);
    HassinJusinList senders(prompt, clock, folder / "gone");
    EXPECT_TRUE(senders.AddSender("a"));  // recorded; the file is skipped quietly
    EXPECT_EQ(prompt.messages.size(), 1u);
}

}  // namespace
}  // namespace bunrako
