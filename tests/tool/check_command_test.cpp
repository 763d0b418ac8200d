#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "support/le_bytes.h"
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
using testing::TempFolder;
using testing::writeBytes;

using testing::le32;
using testing::leDouble;

// One volume record of 656 bytes with valid dates and the given title bytes.
std::string volumeRecord(std::string_view title, int32_t dateStatus = 0) {
    std::string r(656, '\0');
    const std::string date = leDouble(43922.0) + le32(static_cast<uint32_t>(dateStatus));
    for (int offset : {24, 240, 252, 280, 304, 320, 348, 376}) r.replace(offset, 12, date);
    r.replace(163, title.size(), title);
    return r;
}

ToolRun check(const fs::path& path) { return runTool({"check", path.string()}); }

TEST(CheckCommand, ACleanFolderPassesAndNothingIsWritten) {
    TempFolder folder;
    const std::string file = le32(1) + volumeRecord("\x82\xa0");
    writeBytes(folder / "DocMaster.dat", file);
    writeBytes(folder / "notes.txt", "not a data file");
    const ToolRun result = check(folder.path());
    EXPECT_EQ(result.status, kSuccess) << result.out;
    EXPECT_NE(result.out.find("1 個のファイル"), std::string::npos) << result.out;
    EXPECT_EQ(readBytes(folder / "DocMaster.dat"), file);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

TEST(CheckCommand, ReportsCountsTextsAndDatesOnePerLine) {
    TempFolder folder;
    fs::create_directories(folder / "sub");
    // Count 3 but only one complete record and a partial one.
    writeBytes(folder / "DocMaster.dat", le32(3) + volumeRecord("ok") + std::string(100, 'x'));
    // A lone lead byte is not Shift-JIS; a date with status 1 is never stored.
    writeBytes(folder / "sub" / "HaikiDoc.dat", le32(1) + volumeRecord("\x82", 1));
    const ToolRun result = check(folder.path());
    EXPECT_EQ(result.status, kFailure);
    EXPECT_NE(result.out.find("DocMaster.dat"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Shift-JIS"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("無効な日付が 8 個"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("2 個のファイルを調べ"), std::string::npos) << result.out;
}

TEST(CheckCommand, NamesACatalogueLeftInTheOldFolderPlace) {
    TempFolder folder;
    const fs::path title = folder.path() / fs::u8path("総務/文書/庶務/例規集");
    fs::create_directories(title / fs::u8path("令和2年度"));
    fs::create_directories(title / fs::u8path("索引目録データ/令和3年度"));
    writeBytes(title / fs::u8path("令和2年度/SakuinMokuroku.dat"), "");
    writeBytes(title / fs::u8path("索引目録データ/令和3年度/SakuinMokuroku.dat"), "");
    const ToolRun result = check(folder.path());
    EXPECT_EQ(result.status, kFailure);
    const size_t old = result.out.find("古い場所");
    ASSERT_NE(old, std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("古い場所", old + 1), std::string::npos) << result.out;
    const size_t lineStart = result.out.rfind('\n', old);
    EXPECT_NE(result.out.substr(lineStart, old - lineStart).find("令和2年度"), std::string::npos);
}

TEST(CheckCommand, OneFileAndBadArguments) {
    TempFolder folder;
    writeBytes(folder / "Kamei.dat", le32(0));
    EXPECT_EQ(check(folder / "Kamei.dat").status, kSuccess);
    writeBytes(folder / "notes.txt", "x");
    EXPECT_EQ(check(folder / "notes.txt").status, kFailure);
    EXPECT_EQ(check(folder / "missing").status, kFailure);
    std::ostringstream out, err;
    EXPECT_EQ(run({"check"}, out, err), kUsage);
}

}  // namespace
}  // namespace bunrako::cli
