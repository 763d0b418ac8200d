#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "support/temp_folder.h"
#include "tool/cli.h"

namespace bunrako::cli {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::string le32(uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(v >> (8 * i));
    return s;
}

std::string le64double(double d) {
    std::string s(8, '\0');
    std::memcpy(s.data(), &d, 8);
    return s;
}

// One volume record of 656 bytes with valid dates and the given title bytes.
std::string volumeRecord(std::string_view title, int32_t dateStatus = 0) {
    std::string r(656, '\0');
    const std::string date = le64double(43922.0) + le32(static_cast<uint32_t>(dateStatus));
    for (int offset : {24, 240, 252, 280, 304, 320, 348, 376}) r.replace(offset, 12, date);
    r.replace(163, title.size(), title);
    return r;
}

struct CheckRun {
    int code;
    std::string out, err;
};

CheckRun check(const fs::path& path) {
    std::ostringstream out, err;
    const int code = run({"check", path.string()}, out, err);
    return {code, out.str(), err.str()};
}

TEST(CheckCommand, ACleanFolderPassesAndNothingIsWritten) {
    TempFolder folder;
    const std::string file = le32(1) + volumeRecord("\x82\xa0");
    writeBytes(folder / "DocMaster.dat", file);
    writeBytes(folder / "notes.txt", "not a data file");
    const CheckRun result = check(folder.path());
    EXPECT_EQ(result.code, kSuccess) << result.out;
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
    const CheckRun result = check(folder.path());
    EXPECT_EQ(result.code, kFailure);
    EXPECT_NE(result.out.find("DocMaster.dat"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Shift-JIS"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("無効な日付が 8 個"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("2 個のファイルを調べ"), std::string::npos) << result.out;
}

TEST(CheckCommand, OneFileAndBadArguments) {
    TempFolder folder;
    writeBytes(folder / "Kamei.dat", le32(0));
    EXPECT_EQ(check(folder / "Kamei.dat").code, kSuccess);
    writeBytes(folder / "notes.txt", "x");
    EXPECT_EQ(check(folder / "notes.txt").code, kFailure);
    EXPECT_EQ(check(folder / "missing").code, kFailure);
    std::ostringstream out, err;
    EXPECT_EQ(run({"check"}, out, err), kUsage);
}

}  // namespace
}  // namespace bunrako::cli
