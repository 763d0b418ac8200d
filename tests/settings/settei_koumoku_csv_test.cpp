#include <gtest/gtest.h>

#include "common/file_io.h"
#include "settings/settei_koumoku_list.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

const std::string kSoumu = "\x91\x8d\x96\xb1\x89\xdb";  // 総務課
const std::string kNen10 = "\x31\x30\x94\x4e";          // 10年
const std::string kHyou = "\x95\x5c";                   // 表: its second byte is a backslash

CSetteiKoumokuList retentionTypes() {
    CSetteiKoumokuList list;
    list.AddOrReplace({"0010000000", "総務課", ""});
    list.AddOrReplace({"0020000000", "表", "10年"});
    return list;
}

std::string csvPath(const TempFolder& folder, const char* name = "Kamei.csv") {
    return pathToUtf8(folder / name);
}

TEST(SetteiKoumokuCsv, ExportWritesCodeNameAndSubNameInCp932) {
    TempFolder folder;
    FakePrompt prompt;
    ASSERT_EQ(retentionTypes().ExportItemsCsv(prompt, csvPath(folder)), 1);
    EXPECT_EQ(readBytes(folder / "Kamei.csv"),
              "0010000000," + kSoumu + ",\r\n" + "0020000000," + kHyou + "," + kNen10 + "\r\n");
}

TEST(SetteiKoumokuCsv, ExportThenImportGivesTheSameItemsInOrder) {
    TempFolder folder;
    FakePrompt prompt;
    CSetteiKoumokuList original = retentionTypes();
    original.AddOrReplace({"0020010000", "A,B", "\"quoted\""});
    original.AddOrReplace({"0020010001", "a\"b", ""});
    ASSERT_EQ(original.ExportItemsCsv(prompt, csvPath(folder)), 1);
    CSetteiKoumokuList imported;
    imported.AddOrReplace({"0090000000", "old", ""});
    ASSERT_EQ(imported.ImportItemsCsv(prompt, csvPath(folder)), 1);
    ASSERT_EQ(imported.size(), original.size());
    for (size_t i = 0; i < original.size(); ++i) {
        EXPECT_EQ(std::string(original[i].code, 93), std::string(imported[i].code, 93)) << i;
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(SetteiKoumokuCsv, ImportTakesSpreadsheetHabits) {
    TempFolder folder;
    // Leading zeros dropped by a spreadsheet, quotes, LF endings, empty rows,
    // a missing last field and a UTF-8 file with its mark.
    writeBytes(folder / "a.csv", "10000000,\"" + kSoumu + "\",x\n\"10010000\",\"A\"\n,,\r\n\n1,B");
    FakePrompt prompt;
    CSetteiKoumokuList list;
    ASSERT_EQ(list.ImportItemsCsv(prompt, csvPath(folder, "a.csv")), 1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Code(), "0010000000");
    EXPECT_EQ(list[0].Name(), "総務課");
    EXPECT_EQ(list[0].SubName(), "x");
    EXPECT_EQ(list[1].Code(), "0010010000");
    EXPECT_EQ(list[1].SubName(), "");
    EXPECT_EQ(list[2].Code(), "0000000001");

    writeBytes(folder / "u.csv",
               "\xEF\xBB\xBF"
               "0010000000,総務課,\r\n");
    ASSERT_EQ(list.ImportItemsCsv(prompt, csvPath(folder, "u.csv")), 1);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(std::string(list[0].name), kSoumu);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(SetteiKoumokuCsv, MalformedLinesAreListedAndNothingChanges) {
    TempFolder folder;
    const std::string longName(41, 'n');
    writeBytes(folder / "bad.csv",
               "0010000000,ok,\r\n"
               "\x81\x20,x,y\r\n"  // a lead byte without its second byte
               "abc,x,y\r\n"
               "00100000001,x,y\r\n"
               "0010010000," +
                   longName +
                   ",\r\n"
                   "0010020000,x," +
                   longName +
                   "\r\n"
                   "0010030000,a,b,c\r\n"
                   ",x,y\r\n");
    FakePrompt prompt;
    CSetteiKoumokuList list = retentionTypes();
    EXPECT_EQ(list.ImportItemsCsv(prompt, csvPath(folder, "bad.csv")), 0);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].Name(), "表");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(
        prompt.lastMessage(),
        "CSVファイルに誤りがあるため、取り込みを中止しました。項目の設定は変更されていません。\n" +
            csvPath(folder, "bad.csv") +
            "\n2行目：文字コードがShift-JISではありません。Shift-JISで保存し直してください。"
            "\n3行目：コードは10桁以内の数字で指定してください。"
            "\n4行目：コードは10桁以内の数字で指定してください。"
            "\n5行目：名称が40バイトを超えています。"
            "\n6行目：サブが40バイトを超えています。"
            "\n7行目：項目が多すぎます（コード,名称,サブの3項目です）。"
            "\n8行目：コードがありません。");
}

TEST(SetteiKoumokuCsv, ManyBadLinesAreCounted) {
    TempFolder folder;
    std::string csv;
    for (int i = 0; i < 13; ++i) csv += "x,y,z\r\n";
    writeBytes(folder / "bad.csv", csv);
    FakePrompt prompt;
    CSetteiKoumokuList list;
    EXPECT_EQ(list.ImportItemsCsv(prompt, csvPath(folder, "bad.csv")), 0);
    EXPECT_NE(prompt.lastMessage().find("\n10行目："), std::string::npos);
    EXPECT_EQ(prompt.lastMessage().find("\n11行目："), std::string::npos);
    EXPECT_NE(prompt.lastMessage().find("ほか 3 行に誤りがあります。"), std::string::npos);
}

TEST(SetteiKoumokuCsv, AMissingFileIsTold) {
    TempFolder folder;
    FakePrompt prompt;
    CSetteiKoumokuList list = retentionTypes();
    EXPECT_EQ(list.ImportItemsCsv(prompt, csvPath(folder, "none.csv")), 0);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(prompt.lastMessage(), csvPath(folder, "none.csv") + ":Open:ファイル未定義");
    EXPECT_FALSE(std::filesystem::exists(folder / "none.csv"));
}

}  // namespace
}  // namespace bunrako
