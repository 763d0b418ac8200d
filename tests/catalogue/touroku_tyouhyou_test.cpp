#include "catalogue/touroku_tyouhyou.h"

#include <gtest/gtest.h>

#include "support/catalogue_images.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using namespace testing;
using namespace testing::bytes;

const std::string kTag = registeredFormsTag();

class RegisteredFormsTest : public ::testing::Test {
  protected:
    CTourokuTyouhyouData form(const std::string& title, const std::string& target, int mode = 3) {
        CTourokuTyouhyouData r = CTourokuTyouhyouData::New();
        r.setTitleText(title);
        r.setFileText(target);
        r.runMode = mode;
        return r;
    }
    std::vector<std::string> titles(const CTourokuTyouhyou& list) {
        std::vector<std::string> out;
        for (const auto& r : list.records()) out.push_back(r.titleText());
        return out;
    }
    using Titles = std::vector<std::string>;

    TempFolder folder;
    FakePrompt prompt;
    std::filesystem::path file = CTourokuTyouhyou::FileInFolder(folder.path());
};

TEST_F(RegisteredFormsTest, TwoRecordsMake1213Bytes) {
    const std::string image = kTag + le32(2) +
                              registeredFormBytes("出張命令書", "C:\\様式\\出張.jtd", 3, "") +
                              registeredFormBytes("集計", "calc.exe", 0, "/s 集計.xls");
    ASSERT_EQ(image.size(), 1213u);
    writeBytes(file, image);
    CTourokuTyouhyou list(prompt, file);
    ASSERT_EQ(list.records().size(), 2u);
    EXPECT_EQ(list.records()[0].titleText(), "出張命令書");
    EXPECT_EQ(list.records()[0].fileText(), "C:\\様式\\出張.jtd");
    EXPECT_EQ(list.records()[0].runMode, 3);
    EXPECT_EQ(list.records()[1].runMode, 0);
    EXPECT_EQ(list.records()[1].optionText(), "/s 集計.xls");
    ASSERT_EQ(list.Save(), 1);
    EXPECT_EQ(readBytes(file), image);
}

TEST_F(RegisteredFormsTest, ATitleKeepsItsPlaceWhenReplaced) {
    CTourokuTyouhyou list(prompt, file);
    EXPECT_EQ(list.Load(), 1);  // missing: an empty list
    EXPECT_EQ(list.AddOrReplace(form("A", "a.jtd")), 1);
    EXPECT_EQ(list.AddOrReplace(form("B", "b.jtd")), 1);
    EXPECT_EQ(list.AddOrReplace(form("A", "new.exe", 1)), 1);
    EXPECT_EQ(titles(list), (Titles{"A", "B"}));
    EXPECT_EQ(list.records()[0].fileText(), "new.exe");
    EXPECT_EQ(list.records()[0].runMode, 1);
    EXPECT_EQ(readBytes(file), kTag + le32(2) + registeredFormBytes("A", "new.exe", 1, "") +
                                   registeredFormBytes("B", "b.jtd", 3, ""));
    EXPECT_EQ(list.Remove(form("A", "")), 1);
    EXPECT_EQ(readBytes(file), kTag + le32(1) + registeredFormBytes("B", "b.jtd", 3, ""));
}

TEST_F(RegisteredFormsTest, AnotherTagShowsEmptyAndIsNeverOverwritten) {
    const std::string foreign =
        fixed("Ver20250101", 15) + le32(1) + registeredFormBytes("A", "a", 3, "");
    writeBytes(file, foreign);
    CTourokuTyouhyou list(prompt, file);
    EXPECT_TRUE(list.records().empty());
    EXPECT_EQ(list.readReport().state, ReadState::unknownTag);
    EXPECT_EQ(list.AddOrReplace(form("B", "b")), 0);
    EXPECT_EQ(readBytes(file), foreign);
    EXPECT_NE(prompt.lastMessage().find("Ver20250101"), std::string::npos);
}

TEST_F(RegisteredFormsTest, CountsBeyondTheDataAndImpossibleCounts) {
    writeBytes(file, kTag + le32(1000000) + registeredFormBytes("A", "a", 3, "") + "xyz");
    CTourokuTyouhyou list(prompt, file);
    EXPECT_EQ(list.Load(), 0);
    EXPECT_EQ(titles(list), (Titles{"A"}));
    EXPECT_EQ(list.readReport().state, ReadState::recordsMissing);
    // The complete records are kept and written back with their true count.
    EXPECT_EQ(list.AddOrReplace(form("B", "b")), 1);
    EXPECT_EQ(readBytes(file), kTag + le32(2) + registeredFormBytes("A", "a", 3, "") +
                                   registeredFormBytes("B", "b", 3, ""));

    const std::string negative = kTag + le32(-5) + registeredFormBytes("A", "a", 3, "");
    writeBytes(file, negative);
    EXPECT_EQ(list.Load(), 0);
    EXPECT_TRUE(list.records().empty());
    EXPECT_EQ(list.AddOrReplace(form("B", "b")), 0);
    EXPECT_EQ(readBytes(file), negative);

    writeBytes(file, kTag.substr(0, 15) + "\x01");
    EXPECT_EQ(list.Load(), 0);
    EXPECT_EQ(list.readReport().state, ReadState::headerCut);
}

}  // namespace
}  // namespace bunrako
