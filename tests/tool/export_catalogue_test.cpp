#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "common/cp932.h"
#include "common/file_io.h"
#include "support/catalogue_images.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "tool/cli.h"

namespace bunrako::cli {
namespace {

using bunrako::testing::runDump;
using bunrako::testing::runTool;
using bunrako::testing::ToolRun;

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

ToolRun tool(const std::vector<std::string>& args) { return runTool(args); }

std::string cp(const std::string& utf8) { return utf8ToCp932(utf8); }

std::string emptyGroups(int count) {
    std::string groups;
    for (int i = 0; i < count; ++i) groups += ",,,,";
    return groups;
}

class ExportCatalogueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(out);
        testing::EntryValues second;
        second.received = testing::day(2020, 11, 30);
        second.number = "123";
        second.subject = "予算,決算";
        second.remarks = "";
        writeBytes(file, testing::tag("SakuinMokurokuVer316") + testing::headerImage() +
                             testing::entryImage316() + testing::entryImage316(second));
    }
    ToolRun exportTo(std::vector<std::string> options = {}) const {
        std::vector<std::string> args = {"export", "catalogue", pathToUtf8(file), "--out",
                                         pathToUtf8(out)};
        args.insert(args.end(), options.begin(), options.end());
        return tool(args);
    }

    testing::TempFolder folder;
    fs::path file = folder / "SakuinMokuroku.dat";
    fs::path out = folder / "out";
};

TEST_F(ExportCatalogueTest, WritesTheThreeFilesInEraYears) {
    const ToolRun result = exportTo();
    ASSERT_EQ(result.status, kSuccess) << result.err;
    const std::string head = "索引目録,令和2年度,令和3年度,10年,01-02-03,総務課,庶務係,,会議録";
    EXPECT_EQ(readBytes(out / "SakuinMokuroku.csv"),
              cp(head + ",1,令和2年\r\n" + "R2.5.1,     12,会議の開催について,備考あり\r\n" +
                 "R2.11.30,    123,予算,決算,\r\n"));
    const std::string batch = cp(head + ",R2.5.1,     12,会議の開催について,備考あり" +
                                 ",R2.11.30,    123,予算,決算," + emptyGroups(20) + "\r\n");
    EXPECT_EQ(readBytes(out / "SakuinIkkatu.csv"), batch);
    const std::string word = readBytes(out / "SakuinIkkatuWord.csv");
    EXPECT_EQ(word.substr(0, word.find("\r\n") + 2).rfind(cp("帳票名,開始,終了,保存,"), 0), 0u);
    EXPECT_EQ(word.substr(word.find("\r\n") + 2), batch);

    const auto document = nlohmann::json::parse(result.out);
    EXPECT_EQ(document["kind"], "catalogue");
    EXPECT_EQ(document["records"], 2);
    ASSERT_EQ(document["files"].size(), 3u);
    EXPECT_EQ(document["files"][0], pathToUtf8(out / "SakuinMokuroku.csv"));
    EXPECT_EQ(document["files"][1], pathToUtf8(out / "SakuinIkkatu.csv"));
    EXPECT_EQ(document["files"][2], pathToUtf8(out / "SakuinIkkatuWord.csv"));
}

TEST_F(ExportCatalogueTest, WesternYearsUnderAnotherPeriod) {
    const ToolRun result = exportTo({"--calendar", "western", "--period", "2"});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(readBytes(out / "SakuinMokuroku.csv"),
              cp("索引目録,2020年度,2021年度,10年,01-02-03,総務課,庶務係,,会議録,1,2020年\r\n"
                 "20.05.01,     12,会議の開催について,備考あり\r\n"
                 "20.11.30,    123,予算,決算,\r\n"));
    // The fiscal year of 2020-11-30 under an October start ends in 2021, but
    // entries show their own date.
    EXPECT_NE(readBytes(out / "SakuinIkkatu.csv").find(cp(",20.11.30,    123,")),
              std::string::npos);
}

TEST_F(ExportCatalogueTest, ACatalogueWithoutEntriesStillHasItsHeadLine) {
    writeBytes(file, testing::tag("SakuinMokurokuVer316") + testing::headerImage());
    const ToolRun result = exportTo();
    ASSERT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(readBytes(out / "SakuinIkkatu.csv"),
              cp("索引目録,令和2年度,令和3年度,10年,01-02-03,総務課,庶務係,,会議録" +
                 emptyGroups(22) + "\r\n"));
}

TEST_F(ExportCatalogueTest, ACutFileExportsItsWholeEntriesAndSaysWhatWasLeftOut) {
    writeBytes(file, testing::tag("SakuinMokurokuVer316") + testing::headerImage() +
                         testing::entryImage316() + std::string(100, 'x'));
    const ToolRun result = exportTo();
    ASSERT_EQ(result.status, kSuccess) << result.err;
    EXPECT_NE(result.err.find(pathToUtf8(file)), std::string::npos);
    EXPECT_NE(result.err.find("100"), std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(result.out)["records"], 1);
}

TEST_F(ExportCatalogueTest, FilesItCannotReadOrWriteFail) {
    writeBytes(file, testing::tag("SakuinMokurokuVer999") + testing::headerImage());
    ToolRun result = exportTo();
    EXPECT_EQ(result.status, kFailure);
    EXPECT_TRUE(result.out.empty());
    EXPECT_FALSE(fs::exists(out / "SakuinMokuroku.csv"));

    writeBytes(file, "");
    EXPECT_EQ(exportTo().status, kFailure);

    writeBytes(file, testing::tag("SakuinMokurokuVer316") + testing::headerImage());
    // An output folder that cannot be made is named.
    writeBytes(folder / "blocker", "x");
    result = tool(
        {"export", "catalogue", pathToUtf8(file), "--out", pathToUtf8(folder / "blocker" / "out")});
    EXPECT_EQ(result.status, kFailure);
    EXPECT_NE(result.err.find(pathToUtf8(folder / "blocker" / "out") + ": 出力先のフォルダ"),
              std::string::npos);

    result = tool({"export", "catalogue", pathToUtf8(folder / "none.dat")});
    EXPECT_EQ(result.status, kFailure);
    EXPECT_NE(result.err.find("none.dat:ファイルがありません"), std::string::npos);
    EXPECT_EQ(exportTo({"--period", "4"}).status, kUsage);
}

}  // namespace
}  // namespace bunrako::cli
