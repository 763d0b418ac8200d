#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "common/file_io.h"
#include "support/catalogue_bytes.h"
#include "support/catalogue_images.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "tool/cli.h"

namespace bunrako::cli {
namespace {

using bunrako::testing::runDump;
using bunrako::testing::runTool;
using bunrako::testing::ToolRun;

using namespace bunrako::testing;
using namespace bunrako::testing::bytes;

ToolRun dump(const std::filesystem::path& file, const std::string& kind = {}) {
    return runDump(file, kind);
}

class DumpCatalogueTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::filesystem::path file = folder / "SakuinMokuroku.dat";
};

TEST_F(DumpCatalogueTest, PrintsVersionHeaderAndEntries) {
    writeBytes(file, tag("SakuinMokurokuVer316") + headerImage() + entryImage316());
    const ToolRun d = dump(file);
    ASSERT_EQ(d.status, 0) << d.err;
    EXPECT_EQ(d.err, "");
    const nlohmann::json j = d.json();
    EXPECT_EQ(j["kind"], "catalogue");
    EXPECT_EQ(j["version"], "SakuinMokurokuVer316");
    EXPECT_EQ(j["header"]["volumeNumber"], "502123456 1 2 3000100");
    EXPECT_EQ(j["header"]["fiscalYear"], "2020-04-01T00:00:00");
    EXPECT_EQ(j["header"]["volumeTitle"], "会議録");
    EXPECT_EQ(j["header"]["retentionText"], "10年");
    EXPECT_EQ(j["header"]["retentionSpan"], 3660);
    EXPECT_EQ(j["header"]["bookCount"], 1);
    ASSERT_EQ(j["records"].size(), 1u);
    const nlohmann::json& e = j["records"][0];
    EXPECT_EQ(e["receivedDate"], "2020-05-01T00:00:00");
    EXPECT_EQ(e["documentNumber"], "12");
    EXPECT_EQ(e["subject"], "会議の開催について");
    EXPECT_EQ(e["progressFlag"].size(), 14u);
    EXPECT_EQ(e["progressFlag"][0], 1);
    EXPECT_EQ(e["progressDate"][1], "2020-05-03T00:00:00");
    EXPECT_EQ(e["progressText"][13], "経過14");
    EXPECT_EQ(e["registerLinkFlag"], 1);
    EXPECT_EQ(e["sender"], "総務部長");
    EXPECT_EQ(e["completedFlag"], 1);
    EXPECT_EQ(e["completedDate"], "2020-06-30T00:00:00");
}

TEST_F(DumpCatalogueTest, OlderVersionsAndTheUntaggedArchive) {
    writeBytes(file, tag("SakuinMokurokuVer303") + headerImage() + entryImage303());
    EXPECT_EQ(dump(file).json()["version"], "SakuinMokurokuVer303");

    writeBytes(file, archiveString("番号") + archiveDate(day(2020, 4, 1)) + std::string(10, '\0') +
                         le32(1) + archiveDate(1.0) + archiveDate(2.0) + le32(3) +
                         archiveDate(1830.0) + le32(0));
    const ToolRun d = dump(file);
    ASSERT_EQ(d.status, 0) << d.err;
    EXPECT_TRUE(d.json()["version"].is_null());
    EXPECT_EQ(d.json()["header"]["volumeNumber"], "番号");
    EXPECT_EQ(d.json()["header"]["retentionClass"], 3);
    EXPECT_TRUE(d.json()["records"].empty());
}

TEST_F(DumpCatalogueTest, ACutFilePrintsTheCompleteEntriesAndSaysWhatWasDropped) {
    const std::string two =
        tag("SakuinMokurokuVer316") + headerImage() + entryImage316() + entryImage316();
    writeBytes(file, two.substr(0, two.size() - 6));
    const ToolRun d = dump(file);
    EXPECT_EQ(d.status, 0);
    EXPECT_EQ(d.json()["records"].size(), 1u);
    EXPECT_EQ(d.err, pathToUtf8(file) +
                         ":ファイルの終わりの不完全なデータ（1170バイト）を読み飛ばしました\n");
}

TEST_F(DumpCatalogueTest, UnreadableFilesPrintNothingAndOneLine) {
    for (const std::string& bytes :
         {std::string(), tag("SakuinMokurokuVer316") + "short",
          archiveString(std::string(40, 'x')) + std::string(300, '\0')}) {
        writeBytes(file, bytes);
        const ToolRun d = dump(file);
        EXPECT_EQ(d.status, 1);
        EXPECT_EQ(d.out, "");
        EXPECT_EQ(std::count(d.err.begin(), d.err.end(), '\n'), 1) << d.err;
        EXPECT_EQ(d.err.rfind(pathToUtf8(file), 0), 0u);
    }
}

TEST_F(DumpCatalogueTest, AnotherVersionIsUnreadableAndNamedInTheErrorLine) {
    writeBytes(file, tag("SakuinMokurokuVer999") + headerImage());
    const ToolRun d = dump(file);
    EXPECT_EQ(d.status, 1);
    EXPECT_EQ(d.out, "");
    EXPECT_EQ(std::count(d.err.begin(), d.err.end(), '\n'), 1) << d.err;
    EXPECT_NE(d.err.find("SakuinMokurokuVer999"), std::string::npos);
}

TEST(DumpRelatedTest, PrintsTheRelatedFiles) {
    TempFolder folder;
    const auto file = folder / "索引目録データ" / "会議.dat";
    std::filesystem::create_directories(file.parent_path());
    writeBytes(file, archiveString("Ver20090801") + archiveString("回答.xls") + archiveString("") +
                         archiveDate(day(2021, 1, 2) + 0.5) + le32(0) +
                         archiveString("C:\\文書\\"));
    const ToolRun d = dump(file);
    ASSERT_EQ(d.status, 0) << d.err;
    const nlohmann::json j = d.json();
    EXPECT_EQ(j["kind"], "related");
    EXPECT_EQ(j["version"], "Ver20090801");
    ASSERT_EQ(j["records"].size(), 1u);
    EXPECT_EQ(j["records"][0]["fileName"], "回答.xls");
    EXPECT_EQ(j["records"][0]["fileType"], "");
    EXPECT_EQ(j["records"][0]["lastUpdate"], "2021-01-02T12:00:00");
    EXPECT_EQ(j["records"][0]["valid"], 0);
    EXPECT_EQ(j["records"][0]["folder"], "C:\\文書\\");

    // Elsewhere the kind is named; a cut record is reported.
    const auto loose = folder / "list.dat";
    writeBytes(loose, archiveString("Ver20090801") + archiveString("a"));
    const ToolRun cut = dump(loose, "related");
    EXPECT_EQ(cut.status, 0);
    EXPECT_TRUE(cut.json()["records"].empty());
    EXPECT_NE(cut.err.find("1件目以降を読み込めませんでした"), std::string::npos);
}

TEST(DumpRegisteredTest, PrintsTheRegisteredForms) {
    TempFolder folder;
    const auto file = folder / "TourokuTyouhyou.dat";
    writeBytes(file, fixed("Ver20030101", 15) + le32(1) + fixed("出張命令書", 81) +
                         fixed("出張.jtd", 256) + le32(2) + fixed("", 256));
    const ToolRun d = dump(file);
    ASSERT_EQ(d.status, 0) << d.err;
    const nlohmann::json j = d.json();
    EXPECT_EQ(j["kind"], "registered");
    EXPECT_EQ(j["version"], "Ver20030101");
    ASSERT_EQ(j["records"].size(), 1u);
    EXPECT_EQ(j["records"][0]["title"], "出張命令書");
    EXPECT_EQ(j["records"][0]["file"], "出張.jtd");
    EXPECT_EQ(j["records"][0]["runMode"], 2);
    EXPECT_EQ(j["records"][0]["option"], "");

    writeBytes(file, fixed("Ver20030101", 15) + le32(-1));
    const ToolRun bad = dump(file);
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, pathToUtf8(file) + ":データ個数（-1）が不正です\n");
}

}  // namespace
}  // namespace bunrako::cli
