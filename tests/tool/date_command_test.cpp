#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/tool_run.h"
#include "tool/cli.h"

namespace bunrako::cli {
namespace {

using bunrako::testing::runDump;
using bunrako::testing::runTool;
using bunrako::testing::ToolRun;

size_t lineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(DateCommand, FirstDayOfReiwa) {
    const ToolRun result = runTool({"date", "2019-05-01"});
    EXPECT_EQ(result.status, kSuccess);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(
        result.out,
        R"({"western":"2019,05,01","era":"5,01,05,01","long":"令和1年5月1日","short":"R1.5.1",)"
        R"("fiscal":[)"
        R"({"type":0,"label":"2019-04-01","start":"2019-04-01","end":"2020-03-31"},)"
        R"({"type":1,"label":"2019-07-01","start":"2018-07-01","end":"2019-06-30"},)"
        R"({"type":2,"label":"2019-10-01","start":"2018-10-01","end":"2019-09-30"},)"
        R"({"type":3,"label":"2019-01-01","start":"2019-01-01","end":"2019-12-31"}]})"
        "\n");
}

TEST(DateCommand, LastDayOfShowa) {
    const ToolRun result = runTool({"date", "1989-01-07"});
    EXPECT_EQ(result.status, kSuccess);
    EXPECT_EQ(
        result.out,
        R"({"western":"1989,01,07","era":"3,64,01,07","long":"昭和64年1月7日","short":"S64.1.7",)"
        R"("fiscal":[)"
        R"({"type":0,"label":"1988-04-01","start":"1988-04-01","end":"1989-03-31"},)"
        R"({"type":1,"label":"1989-07-01","start":"1988-07-01","end":"1989-06-30"},)"
        R"({"type":2,"label":"1989-10-01","start":"1988-10-01","end":"1989-09-30"},)"
        R"({"type":3,"label":"1989-01-01","start":"1989-01-01","end":"1989-12-31"}]})"
        "\n");
}

TEST(DateCommand, BeforeTheFirstEra) {
    const ToolRun result = runTool({"date", "1868-09-07"});
    ASSERT_EQ(result.status, kSuccess);
    const auto facts = nlohmann::json::parse(result.out);
    EXPECT_EQ(facts["era"], "*,**,09,07");
    EXPECT_EQ(facts["long"], "****0年9月7日");
    EXPECT_EQ(facts["short"], "*0.9.7");
}

TEST(DateCommand, FiscalYearsBeyondTheLastYearAreNull) {
    const ToolRun result = runTool({"date", "9999-12-31"});
    ASSERT_EQ(result.status, kSuccess);
    const auto fiscal = nlohmann::json::parse(result.out)["fiscal"];
    ASSERT_EQ(fiscal.size(), 4u);
    EXPECT_TRUE(fiscal[0]["end"].is_null());
    EXPECT_TRUE(fiscal[1]["label"].is_null());
    EXPECT_EQ(fiscal[3]["end"], "9999-12-31");
}

TEST(DateCommand, MalformedArgumentsAreUsageErrors) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"date"},
                                               {"date", "2019-05-01", "2019-05-02"},
                                               {"date", "2019-5-1"},
                                               {"date", "2019/05/01"},
                                               {"date", "20190501"},
                                               {"date", "+019-05-01"},
                                               {"date", "2019-05-0a"},
                                               {"date", ""}}) {
        const ToolRun result = runTool(args);
        EXPECT_EQ(result.status, kUsage) << args.back();
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(lineCount(result.err), 1u) << result.err;
    }
}

TEST(DateCommand, ImpossibleDatesFailOnInput) {
    for (const char* text : {"2021-02-30", "2021-02-29", "2021-13-01", "2021-00-10", "2021-04-31",
                             "0099-12-31", "0000-01-01"}) {
        const ToolRun result = runTool({"date", text});
        EXPECT_EQ(result.status, kFailure) << text;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, std::string("日付が正しくありません: ") + text + "\n");
    }
    EXPECT_EQ(runTool({"date", "2020-02-29"}).status, kSuccess);
    EXPECT_EQ(runTool({"date", "0100-01-01"}).status, kSuccess);
}

}  // namespace
}  // namespace bunrako::cli
