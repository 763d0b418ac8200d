#include "common/file_io.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(FileIoTest, JapaneseNamesWorkThroughUtf8Paths) {
    TempFolder folder;
    const fs::path path = folder.path() / pathFromUtf8("文書整理一覧表.dat");
    EXPECT_EQ(writeWholeFile(path, "abc"), FileErrorCause::none);
    EXPECT_TRUE(fs::exists(folder / "文書整理一覧表.dat"));
    EXPECT_EQ(pathToUtf8(path.filename()), "文書整理一覧表.dat");
    std::string bytes;
    EXPECT_EQ(readWholeFile(path, bytes), FileErrorCause::none);
    EXPECT_EQ(bytes, "abc");
}

TEST(FileIoTest, SafetyCopyPathReplacesOrAddsTheExtension) {
    EXPECT_EQ(safetyCopyPath("data/DocMaster.dat"), fs::path("data/DocMaster.da$"));
    EXPECT_EQ(safetyCopyPath("data.v2/KenMeibo"), fs::path("data.v2/KenMeibo.da$"));
    EXPECT_EQ(safetyCopyPath(pathFromUtf8("索引目録.dat")), pathFromUtf8("索引目録.da$"));
}

TEST(FileIoTest, ReadingAMissingFileFailsOrCreatesItEmpty) {
    TempFolder folder;
    const fs::path path = folder / "KenMeibo.dat";
    std::string bytes = "stale";
    EXPECT_EQ(readWholeFile(path, bytes), FileErrorCause::fileNotFound);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(readWholeFile(path, bytes, true), FileErrorCause::none);
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
}

TEST(FileIoTest, ReadsLargeFilesWhole) {
    TempFolder folder;
    std::string content(300000, '\0');
    for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7);
    writeBytes(folder / "big.dat", content);
    std::string bytes;
    EXPECT_EQ(readWholeFile(folder / "big.dat", bytes, true), FileErrorCause::none);
    EXPECT_EQ(bytes, content);
}

TEST(FileIoTest, ReadFailuresGiveTheirCause) {
    TempFolder folder;
    std::string bytes;
    EXPECT_EQ(readWholeFile(folder / "gone" / "DocMaster.dat", bytes, true),
              FileErrorCause::fileNotFound);
    EXPECT_FALSE(fs::exists(folder / "gone"));
    writeBytes(folder / "plain", "x");
    EXPECT_EQ(readWholeFile(folder / "plain" / "DocMaster.dat", bytes, true),
              FileErrorCause::badPath);
    fs::create_directory(folder / "dir");
    EXPECT_NE(readWholeFile(folder / "dir", bytes, true), FileErrorCause::none);
}

TEST(FileIoTest, WritingReplacesTheWholeContent) {
    TempFolder folder;
    writeBytes(folder / "a.dat", "a much longer old content");
    EXPECT_EQ(writeWholeFile(folder / "a.dat", std::string("n\0w", 3)), FileErrorCause::none);
    EXPECT_EQ(readBytes(folder / "a.dat"), std::string("n\0w", 3));
    writeBytes(folder / "plain", "x");
    EXPECT_EQ(writeWholeFile(folder / "plain" / "a.dat", "y"), FileErrorCause::badPath);
}

TEST(FileIoTest, AppendingKeepsWhatIsThereAndCreatesWhatIsNot) {
    TempFolder folder;
    writeBytes(folder / "a.csv", "first\r\n");
    EXPECT_EQ(appendToFile(folder / "a.csv", "second\r\n"), FileErrorCause::none);
    EXPECT_EQ(readBytes(folder / "a.csv"), "first\r\nsecond\r\n");
    EXPECT_EQ(appendToFile(folder / "new.csv", "only"), FileErrorCause::none);
    EXPECT_EQ(readBytes(folder / "new.csv"), "only");
    fs::create_directory(folder / "dir");
    EXPECT_NE(appendToFile(folder / "dir", "x"), FileErrorCause::none);
    EXPECT_EQ(appendToFile(folder / "gone" / "a.csv", "x"), FileErrorCause::fileNotFound);
}

TEST(FileIoTest, CheckingWritabilityNeverTruncates) {
    TempFolder folder;
    writeBytes(folder / "a.dat", "keep");
    EXPECT_EQ(checkWritable(folder / "a.dat"), FileErrorCause::none);
    EXPECT_EQ(readBytes(folder / "a.dat"), "keep");
    EXPECT_EQ(checkWritable(folder / "new.dat"), FileErrorCause::none);
    EXPECT_EQ(fs::file_size(folder / "new.dat"), 0u);
    fs::create_directory(folder / "dir");
    EXPECT_EQ(checkWritable(folder / "dir"), FileErrorCause::accessDenied);
}

TEST(FileIoTest, CopyKeepsContentTimeAndPermissions) {
    TempFolder folder;
    const fs::path from = folder / "DocMaster.dat";
    const fs::path to = folder / "DocMaster.da$";
    writeBytes(from, "old records");
    writeBytes(to, "an older and longer safety copy");
    const auto written = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(from, written);
    fs::permissions(from, fs::perms::owner_read | fs::perms::group_read);

    EXPECT_EQ(copyFileIfExists(from, to), FileErrorCause::none);
    EXPECT_EQ(readBytes(to), "old records");
    EXPECT_EQ(fs::last_write_time(to), written);
    EXPECT_EQ(fs::status(to).permissions(), fs::perms::owner_read | fs::perms::group_read);

    // A read-only copy does not block the next one.
    fs::permissions(from, fs::perms::owner_read | fs::perms::owner_write);
    writeBytes(from, "newer");
    EXPECT_EQ(copyFileIfExists(from, to), FileErrorCause::none);
    EXPECT_EQ(readBytes(to), "newer");
}

TEST(FileIoTest, CopyOfAMissingFileDoesNothing) {
    TempFolder folder;
    EXPECT_EQ(copyFileIfExists(folder / "none.dat", folder / "none.da$"), FileErrorCause::none);
    EXPECT_FALSE(fs::exists(folder / "none.da$"));
}

}  // namespace
}  // namespace bunrako
