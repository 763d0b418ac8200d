#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_folder.h"
#include "tool/cli.h"
#include "tool/dump.h"

namespace bunrako::cli {
namespace {

TEST(DumpKind, GuessedFromTheFileNameAndPlace) {
    EXPECT_EQ(guessDumpKind("data/DocMaster.dat"), "volumes");
    EXPECT_EQ(guessDumpKind("HAIKIDOC.DAT"), "volumes");
    EXPECT_EQ(guessDumpKind(std::filesystem::u8path("令和02年度システム廃棄_文書整理一覧表.dat")),
              "volumes");
    EXPECT_EQ(guessDumpKind(std::filesystem::u8path("x_システム廃棄_保存年限変更書.dat")), "forms");
    EXPECT_EQ(guessDumpKind(std::filesystem::u8path("平成20年システム廃棄_文書件名簿.dat")),
              "register");
    EXPECT_EQ(guessDumpKind("Kamei.dat"), "master");
    EXPECT_EQ(guessDumpKind("KenMeibo.dan"), "receipts");
    EXPECT_EQ(guessDumpKind(std::filesystem::u8path("a/索引目録データ/令和2年度/12.dat")),
              "related");
    EXPECT_EQ(
        guessDumpKind(std::filesystem::u8path("a/索引目録データ/令和2年度/SakuinMokuroku.dat")),
        "catalogue");
    EXPECT_FALSE(guessDumpKind("notes.dat").has_value());
}

TEST(DumpValues, DatesSpansAndTexts) {
    EXPECT_EQ(dateJson(OleDateTime::fromDateTime(2020, 4, 1, 0, 0, 0)), "2020-04-01T00:00:00");
    EXPECT_EQ(dateJson(OleDateTime::invalidValue()), "invalid");
    EXPECT_TRUE(dateJson(OleDateTime::nullValue()).is_null());
    EXPECT_EQ(dateJson(OleDateTime{1.0, static_cast<OleDateTime::Status>(7)}), "invalid");
    EXPECT_EQ(spanJson(OleSpan::fromDays(1830)).dump(), "1830");
    EXPECT_EQ(spanJson(OleSpan{1.5, OleSpan::valid}).dump(), "1.5");
    EXPECT_EQ(spanJson(OleSpan{1.0, OleSpan::invalid}), "invalid");
    const char field[6] = {'\x82', '\xa0', 'a', 0, 'z', 'z'};
    EXPECT_EQ(textJson(field), "あa");
}

TEST(DumpCommand, UsageAndMissingFiles) {
    testing::TempFolder folder;
    std::ostringstream out, err;
    EXPECT_EQ(run({"dump"}, out, err), kUsage);
    EXPECT_TRUE(out.str().empty());
    // A missing file is named as missing, whatever its name.
    std::ostringstream missingErr;
    EXPECT_EQ(run({"dump", (folder / "notes.txt").string()}, out, missingErr), kFailure);
    EXPECT_EQ(missingErr.str(), (folder / "notes.txt").string() + ":ファイルがありません\n");
    testing::writeBytes(folder / "notes.txt", "x");
    EXPECT_EQ(run({"dump", (folder / "notes.txt").string()}, out, err), kUsage);
    EXPECT_EQ(run({"dump", (folder / "notes.txt").string(), "--as", "nonsense"}, out, err), kUsage);
    EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace bunrako::cli
