#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "common/cp932.h"
#include "common/file_io.h"
#include "support/forms_images.h"
#include "support/register_images.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "support/volume_bytes.h"
#include "tool/cli.h"

namespace bunrako::cli {
namespace {

using bunrako::testing::runDump;
using bunrako::testing::runTool;
using bunrako::testing::ToolRun;

namespace fs = std::filesystem;
namespace vb = testing::volume_bytes;
using testing::readBytes;
using testing::writeBytes;

ToolRun tool(const std::vector<std::string>& args) { return runTool(args); }

std::string cp(const std::string& utf8) { return utf8ToCp932(utf8); }

// A master item: the 10-digit code, then name and second value, each in its
// NUL-filled field (11 + 41 + 41 bytes).
std::string masterItem(std::string_view code, std::string_view nameCp932) {
    std::string item(93, '\0');
    item.replace(0, code.size(), code);
    item.replace(11, nameCp932.size(), nameCp932);
    return item;
}

class ExportCommandTest : public ::testing::Test {
  protected:
    std::string path(std::string_view name) const { return pathToUtf8(folder / name); }

    testing::TempFolder folder;
};

TEST_F(ExportCommandTest, VolumesWritesBothLinkageFiles) {
    writeBytes(folder / "DocMaster.dat",
               vb::file(2, {vb::volume("502001001 1 2 3000100", vb::kYosansho)
                                .text(vb::kRetentionNameAt, cp("5年")),
                            vb::volume("502001001 1 2 3000200", vb::kJinji)
                                .text(vb::kRetentionNameAt, cp("5年"))
                                .int32(vb::kDailyUseAt, 1)}));
    fs::create_directory(folder / "out");
    const ToolRun result = tool({"export", "volumes", path("DocMaster.dat"), "--out", path("out")});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    const std::string lines =
        cp("502001001 1 2 3000100,令和2年度,R2,総務課,庶務係,0010010000,1-2-3,1･2･3,文書,例規,"
           "条例,予算書,1,令和2年度,R2,令和2年度,R2,5年,5年,5,令和8年4月,R8.4,書庫,,目次有,有,,,"
           ",,0年,0,,,0年,0,,,0年,0\r\n"
           "502001001 1 2 3000200,令和2年度,R2,総務課,庶務係,0010010000,1-2-3,1･2･3,文書,例規,"
           "条例,人事,1,令和2年度,R2,令和2年度,R2,5年,5年,5,令和8年4月,R8.4,常用,常,目次有,有,,"
           ",,,0年,0,,,0年,0,,,0年,0\r\n");
    EXPECT_EQ(readBytes(folder / "out" / "DocMaster.csv"), lines);
    const std::string word = readBytes(folder / "out" / "DocMasterWord.csv");
    EXPECT_EQ(word.substr(word.find("\r\n") + 2), lines);
    EXPECT_EQ(word.rfind(cp("管理番号,年度,年R,"), 0), 0u);

    const auto document = nlohmann::json::parse(result.out);
    EXPECT_EQ(document["kind"], "volumes");
    EXPECT_EQ(document["records"], 2);
    EXPECT_EQ(document["files"][0], path("out/DocMaster.csv"));
    EXPECT_EQ(document["files"][1], path("out/DocMasterWord.csv"));
}

TEST_F(ExportCommandTest, CalendarAndPeriodChooseTheYearTexts) {
    writeBytes(folder / "DocMaster.dat",
               vb::file(1, {vb::volume("502001001 1 2 3000100", vb::kYosansho,
                                       testing::day(2020, 7, 1))}));
    ASSERT_EQ(tool({"export", "volumes", path("DocMaster.dat"), "--calendar", "western", "--period",
                    "1", "--out", path("")})
                  .status,
              kSuccess);
    EXPECT_EQ(
        readBytes(folder / "DocMaster.csv").rfind(cp("502001001 1 2 3000100,2021年度,21,"), 0), 0u);
}

TEST_F(ExportCommandTest, FormsWritesTheChangeFormFile) {
    std::string form = testing::formImage("B", testing::day(2024, 4, 1));
    writeBytes(folder / "Minaosi.dat", testing::countWord(1) + form);
    ASSERT_EQ(tool({"export", "forms", path("Minaosi.dat"), "--out", path("")}).status, kSuccess);
    EXPECT_EQ(readBytes(folder / "HozonNengenHenkousho.csv"),
              cp("年度,課局室名,係名,課分類コード,大分類コード,大分類名称,中分類コード,中分類名称,"
                 "小分類コード,小分類名称,タイトル,収納開始年度,収納終了年度,見直し前の保存年限,"
                 "見直し後の保存年限,理由\r\n"
                 "令和6年度,KA,KAKARI,0010000000,1,DAI,2,CHUU,3,SHOU,B,令和6年度,令和6年度,5Y,10Y,"
                 "\r\n"));
}

TEST_F(ExportCommandTest, RegisterNamesSectionsFromTheDepartmentFile) {
    std::string entry =
        testing::entryImage("7", "0010020000", testing::day(2024, 4, 1), testing::day(2024, 5, 10));
    testing::putBytes(entry, testing::EntryAt::subject, cp("会議の件"));
    writeBytes(folder / "KenMeibo.dat", std::string(testing::kRegisterTag) + entry);
    std::string kamei = testing::countWord(2) + masterItem("0010000000", cp("総務課")) +
                        masterItem("0010020000", cp("経理係"));
    writeBytes(folder / "Kamei.dat", kamei);

    EXPECT_EQ(tool({"export", "register", path("KenMeibo.dat")}).status, kUsage);
    const ToolRun result = tool({"export", "register", path("KenMeibo.dat"), "--department",
                                 path("Kamei.dat"), "--calendar", "western", "--out", path("")});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    const std::string csv = readBytes(folder / "KenMeibo.csv");
    const std::string line = csv.substr(csv.find("\r\n") + 2);
    EXPECT_EQ(line.rfind(cp("2024年度,総務課,7,2024年5月10日,会議の件,"), 0), 0u);
}

TEST_F(ExportCommandTest, WrongUsageAndMissingFiles) {
    writeBytes(folder / "DocMaster.dat", vb::file(1, {vb::volume("502001001 1 2 3000100", "A")}));
    const std::string file = path("DocMaster.dat");
    EXPECT_EQ(tool({"export"}).status, kUsage);
    EXPECT_EQ(tool({"export", "volumes"}).status, kUsage);
    EXPECT_EQ(tool({"export", "volumes", file, "--calendar", "gregorian"}).status, kUsage);
    EXPECT_EQ(tool({"export", "volumes", file, "--period", "4"}).status, kUsage);
    EXPECT_EQ(tool({"export", "volumes", file, "--period"}).status, kUsage);
    EXPECT_EQ(tool({"export", "volumes", file, "--colour", "red"}).status, kUsage);
    const ToolRun unknown = tool({"export", "labels", file});
    EXPECT_EQ(unknown.status, kUsage);
    EXPECT_NE(unknown.err.find("そのような出力の種類はありません：labels"), std::string::npos);

    const ToolRun missing = tool({"export", "volumes", path("none.dat")});
    EXPECT_EQ(missing.status, kFailure);
    EXPECT_NE(missing.err.find("none.dat:ファイルがありません"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "none.dat"));
    EXPECT_EQ(tool({"export", "register", file, "--department", path("none.dat")}).status,
              kFailure);

    // An output folder that is not there yet is made; one that cannot be is named.
    EXPECT_EQ(tool({"export", "volumes", file, "--out", path("new/out")}).status, kSuccess);
    EXPECT_TRUE(fs::exists(folder / "new" / "out" / "DocMaster.csv"));
    writeBytes(folder / "blocker", "x");
    const ToolRun blocked = tool({"export", "volumes", file, "--out", path("blocker/out")});
    EXPECT_EQ(blocked.status, kFailure);
    EXPECT_EQ(blocked.err, path("blocker/out") + ": 出力先のフォルダを作成できません\n");
    EXPECT_TRUE(blocked.out.empty());
}

TEST_F(ExportCommandTest, AFileWithoutRecordsWritesNothing) {
    writeBytes(folder / "DocMaster.dat", vb::countWord(0));
    const ToolRun result = tool({"export", "volumes", path("DocMaster.dat"), "--out", path("")});
    EXPECT_EQ(result.status, kFailure);
    EXPECT_NE(result.err.find("レコードがないため、CSVファイルは作成しませんでした"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "DocMaster.csv"));
}

TEST_F(ExportCommandTest, ATruncatedFileExportsItsCompleteRecords) {
    writeBytes(folder / "DocMaster.dat",
               vb::file(3, {vb::volume("502001001 1 2 3000100", "A")}) + "partial");
    const ToolRun result = tool({"export", "volumes", path("DocMaster.dat"), "--out", path("")});
    EXPECT_EQ(result.status, kSuccess);
    EXPECT_FALSE(result.err.empty());
    EXPECT_EQ(nlohmann::json::parse(result.out)["records"], 1);
}

}  // namespace
}  // namespace bunrako::cli
