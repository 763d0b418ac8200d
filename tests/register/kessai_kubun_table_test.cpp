#include "register/kessai_kubun_table.h"

#include <gtest/gtest.h>

#include "common/cp932.h"
#include "support/archive_images.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::int32Bytes;
using testing::readBytes;
using testing::shortString;
using testing::writeBytes;

std::string sjis(std::string_view utf8) { return utf8ToCp932(utf8); }

// The sixteen names and symbols of the initial table, as the file holds them.
std::string initialItems() {
    const char* names[2][4] = {{"町長", "副町長", "課長", ""},
                               {"町長", "副町長", "教育長", "課長"}};
    const char* symbols[2][4] = {{"Ａ", "Ｂ", "Ｃ", ""}, {"Ａ", "Ｂ", "Ｂ", "Ｃ"}};
    std::string items;
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 4; ++j)
            items += shortString(sjis(names[i][j])) + shortString(sjis(symbols[i][j]));
    }
    return items;
}

// Items "N00", "S00", "N01", ... by type and level.
std::string numberedItems(int count = 16) {
    std::string items;
    for (int k = 0; k < count; ++k) {
        const int type = k / 8, level = (k / 2) % 4;
        items +=
            shortString((k % 2 == 0 ? "N" : "S") + std::to_string(type) + std::to_string(level));
    }
    return items;
}

class ApproverTableTest : public ::testing::Test {
  protected:
    fs::path file() const { return folder / "KessaiKubun.dat"; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    KessaiKubunTable table;
};

TEST_F(ApproverTableTest, TheInitialTableIsWrittenWithItsTag) {
    EXPECT_EQ(table.name(1, 2), "教育長");
    EXPECT_EQ(table.symbol(0, 2), "Ｃ");
    EXPECT_EQ(table.name(0, 3), "");
    EXPECT_EQ(KessaiKubunTable::PathIn(folder.path()), file());
    // A folder without the file keeps the initial table, quietly.
    EXPECT_FALSE(table.Load(prompt, file()).opened);
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_TRUE(table.Save(prompt, file()));
    EXPECT_EQ(readBytes(file()), shortString("1.000") + int32Bytes(0) + initialItems());
}

TEST_F(ApproverTableTest, ATaggedFileGivesTypeNamesAndSymbolsAndRoundTrips) {
    const std::string image = shortString("1.000") + int32Bytes(1) + numberedItems();
    writeBytes(file(), image);
    const auto report = table.Load(prompt, file());
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(report.version, "1.000");
    EXPECT_EQ(table.kessaiShubetsu, 1);
    EXPECT_EQ(table.name(0, 0), "N00");
    EXPECT_EQ(table.symbol(1, 3), "S13");
    ASSERT_TRUE(table.Save(prompt, file()));
    EXPECT_EQ(readBytes(file()), image);
}

TEST_F(ApproverTableTest, AnotherFirstStringIsFollowedByTheItemsAtOnce) {
    table.kessaiShubetsu = 1;
    writeBytes(file(), shortString("old") + numberedItems());
    const auto report = table.Load(prompt, file());
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(report.version, "old");
    EXPECT_EQ(report.trailingBytes, 0u);
    EXPECT_EQ(table.kessaiShubetsu, 0);
    EXPECT_EQ(table.name(0, 0), "N00");
    EXPECT_EQ(table.symbol(1, 3), "S13");
}

// A first string of the tag's shape that is not ours is a newer program's
// table: nothing is read and nothing is written over it.
class ApproverTableTagTest : public ApproverTableTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(ApproverTableTagTest, ANewerVersionIsNeitherReadNorWrittenOver) {
    const std::string image = shortString(GetParam()) + int32Bytes(1) + numberedItems();
    writeBytes(file(), image);
    const auto report = table.Load(prompt, file());
    EXPECT_TRUE(report.unknownVersion);
    EXPECT_EQ(report.itemsRead, 0);
    EXPECT_EQ(table.name(0, 0), "町長");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find(GetParam()), std::string::npos);
    EXPECT_FALSE(table.Save(prompt, file()));
    EXPECT_EQ(readBytes(file()), image);
    EXPECT_NE(prompt.lastMessage().find("上書きせずに"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Tags, ApproverTableTagTest, ::testing::Values("1.001", "0.900", "12.345"));

TEST_F(ApproverTableTest, AFileOfTheItemsAloneKeepsItsFirstName) {
    // Bytes after the sixteen items are no reason to read them otherwise.
    writeBytes(file(), numberedItems() + "\x07x");
    const auto report = table.Load(prompt, file());
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(report.trailingBytes, 2u);
    EXPECT_FALSE(report.version.has_value());
    EXPECT_EQ(table.name(0, 0), "N00");
    EXPECT_EQ(table.symbol(1, 3), "S13");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ApproverTableTest, LongNamesAndSymbolsAreCutAtACharacterBoundary) {
    std::string items = shortString(std::string(25, 'n')) + shortString(sjis("ＡＢＣＤＥＦ"));
    items += numberedItems().substr(8);  // the other fourteen
    writeBytes(file(), shortString("1.000") + int32Bytes(0) + items);
    table.Load(prompt, file());
    EXPECT_EQ(table.name(0, 0), std::string(20, 'n'));
    EXPECT_EQ(table.symbol(0, 0), "ＡＢＣＤＥ");
}

TEST_F(ApproverTableTest, ADamagedFileNamesTheItemAndKeepsWhatWasRead) {
    writeBytes(file(), shortString("1.000") + int32Bytes(1) + numberedItems(5));
    const auto report = table.Load(prompt, file());
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.itemsRead, 5);
    EXPECT_EQ(table.name(0, 2), "N02");
    EXPECT_EQ(table.symbol(0, 2), "Ｃ");  // not read: as it was
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.lastMessage(),
              file().string() +
                  ":Kessaikigou[0][2]:オブジェクトの読み込み中にファイルの終わりに到達しました。");

    writeBytes(file(), shortString("1.000") + "\x01");
    table.Load(prompt, file());
    EXPECT_NE(prompt.lastMessage().find(":決裁種別:"), std::string::npos);
    writeBytes(file(), "\xff\xfe\xff");
    table.Load(prompt, file());
    EXPECT_NE(prompt.lastMessage().find(":決裁者区分VerNo:"), std::string::npos);
}

TEST_F(ApproverTableTest, AFolderThatIsGoneIsReportedOnSaving) {
    EXPECT_FALSE(table.Save(prompt, folder / "gone" / "KessaiKubun.dat"));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find("KessaiKubun.dat:"), std::string::npos);
}

}  // namespace
}  // namespace bunrako
