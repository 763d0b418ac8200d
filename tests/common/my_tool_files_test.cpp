#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "common/file_io.h"
#include "common/my_tool.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::FakePrompt;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::string text(const fs::path& path) { return pathToUtf8(path); }

// base/ a.txt, 文書/ (b.dat, 索引/ c.dat), z/
void makeTree(const fs::path& base) {
    fs::create_directories(base / fs::u8path("文書/索引"));
    fs::create_directories(base / "z");
    writeBytes(base / "a.txt", "alpha");
    writeBytes(base / fs::u8path("文書/b.dat"), std::string("\x00\x01\x02\xff", 4));
    writeBytes(base / fs::u8path("文書/索引/c.dat"), "");
}

TEST(FolderExists, NamesOnlyExistingFolders) {
    TempFolder temp;
    writeBytes(temp / "file.txt", "x");
    fs::create_directory(temp / "empty");
    EXPECT_FALSE(CMyTool::FolderExists(""));
    EXPECT_TRUE(CMyTool::FolderExists(text(temp.path())));
    EXPECT_TRUE(CMyTool::FolderExists(text(temp / "empty")));
    EXPECT_FALSE(CMyTool::FolderExists(text(temp / "file.txt")));
    EXPECT_FALSE(CMyTool::FolderExists(text(temp / "missing")));
}

TEST(ListFolderTree, ListsEveryEntryParentFirstInNameOrder) {
    TempFolder temp;
    makeTree(temp / "base");
    const std::string base = text(temp / "base");
    const char sep = static_cast<char>(fs::path::preferred_separator);
    std::vector<std::string> entries{"kept"};
    CMyTool::ListFolderTree(base, entries);
    const std::vector<std::string> expected{
        "kept",
        base + sep + "a.txt",
        base + sep + "z",
        base + sep + "文書",
        base + sep + "文書" + sep + "b.dat",
        base + sep + "文書" + sep + "索引",
        base + sep + "文書" + sep + "索引" + sep + "c.dat",
    };
    EXPECT_EQ(entries, expected);

    std::vector<std::string> withSeparator;
    CMyTool::ListFolderTree(base + sep, withSeparator);
    EXPECT_EQ(withSeparator.front(), base + sep + "a.txt");
}

TEST(ListFolderTree, EmptyOrMissingFolderListsNothing) {
    TempFolder temp;
    std::vector<std::string> entries;
    CMyTool::ListFolderTree("", entries);
    CMyTool::ListFolderTree(text(temp / "missing"), entries);
    EXPECT_TRUE(entries.empty());
}

TEST(DeleteFolderTree, LeavesNothing) {
    TempFolder temp;
    makeTree(temp / "base");
    FakePrompt prompt;
    EXPECT_TRUE(CMyTool::DeleteFolderTree(prompt, text(temp / "base")));
    EXPECT_FALSE(fs::exists(temp / "base"));
    EXPECT_TRUE(fs::exists(temp.path()));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(DeleteFolderTree, EmptyPathDeletesNothingAndMissingFolderIsDone) {
    TempFolder temp;
    FakePrompt prompt;
    EXPECT_FALSE(CMyTool::DeleteFolderTree(prompt, ""));
    EXPECT_TRUE(CMyTool::DeleteFolderTree(prompt, text(temp / "missing")));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(DeleteFolderTree, NeverFollowsALinkOutOfTheTree) {
    TempFolder temp;
    makeTree(temp / "outside");
    fs::create_directories(temp / "base/sub");
    std::error_code error;
    fs::create_directory_symlink(temp / "outside", temp / "base/sub/link", error);
    if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
    fs::create_symlink(temp / "outside/a.txt", temp / "base/file-link");

    FakePrompt prompt;
    EXPECT_TRUE(CMyTool::DeleteFolderTree(prompt, text(temp / "base")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(temp / "base")));
    EXPECT_EQ(readBytes(temp / "outside/a.txt"), "alpha");
    EXPECT_TRUE(fs::exists(temp / "outside/文書/索引/c.dat"));

    // A link given as the folder itself goes, its target stays.
    fs::create_directory_symlink(temp / "outside", temp / "root-link");
    EXPECT_TRUE(CMyTool::DeleteFolderTree(prompt, text(temp / "root-link")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(temp / "root-link")));
    EXPECT_EQ(readBytes(temp / "outside/a.txt"), "alpha");
}

TEST(DeleteFolderTree, AFileIsNoFolderAndStays) {
    TempFolder temp;
    writeBytes(temp / "a.txt", "alpha");
    FakePrompt prompt;
    EXPECT_FALSE(CMyTool::DeleteFolderTree(prompt, text(temp / "a.txt")));
    EXPECT_EQ(prompt.lastMessage(),
              "フォルダを削除できません手動削除してください：" + text(temp / "a.txt"));
    EXPECT_EQ(readBytes(temp / "a.txt"), "alpha");
}

// Takes the write right of a folder away for as long as it lives, so that
// nothing can be deleted in it (unless the test runs with rights that ignore
// permissions).
class WriteProtected {
  public:
    explicit WriteProtected(fs::path folder) : m_folder(std::move(folder)) {
        fs::permissions(m_folder, fs::perms::owner_write, fs::perm_options::remove);
    }
    ~WriteProtected() {
        std::error_code ignored;
        fs::permissions(m_folder, fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    bool holds() const {
        std::error_code error;
        const fs::path probe = m_folder / "probe";
        writeBytes(probe, "");
        const bool created = fs::exists(probe, error);
        fs::remove(probe, error);
        return !created;
    }

  private:
    fs::path m_folder;
};

TEST(DeleteFolderTree, AFolderThatStaysIsReportedOnce) {
    TempFolder temp;
    makeTree(temp / "base");
    const fs::path locked = temp / "base/文書/索引";
    const WriteProtected protection(locked);
    if (!protection.holds()) GTEST_SKIP() << "running with rights that ignore permissions";

    FakePrompt prompt;
    EXPECT_FALSE(CMyTool::DeleteFolderTree(prompt, text(temp / "base")));
    // Its parent folders stay too, but only the deepest one is reported.
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "フォルダを削除できません手動削除してください：" + text(locked));
    EXPECT_TRUE(fs::exists(locked / "c.dat"));
    EXPECT_FALSE(fs::exists(temp / "base/a.txt"));
    EXPECT_FALSE(fs::exists(temp / "base/z"));
}

TEST(CopyFolderTree, RecreatesTheTreeWithBytesTimesAndPermissions) {
    TempFolder temp;
    makeTree(temp / "from");
    std::string big;
    for (int i = 0; i < 32768 * 2 + 5; ++i) big += static_cast<char>(i * 7);
    writeBytes(temp / "from/big.bin", big);
    writeBytes(temp / "from/block.bin", std::string(32768, 'b'));
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(temp / "from/big.bin", old);
    fs::permissions(temp / "from/a.txt", fs::perms::owner_read | fs::perms::group_read);

    ASSERT_TRUE(CMyTool::CopyFolderTree(text(temp / "from"), text(temp / "to" / "copy")));
    EXPECT_EQ(readBytes(temp / "to/copy/big.bin"), big);
    EXPECT_EQ(readBytes(temp / "to/copy/block.bin"), std::string(32768, 'b'));
    EXPECT_EQ(readBytes(temp / "to/copy/文書/b.dat"), std::string("\x00\x01\x02\xff", 4));
    EXPECT_TRUE(fs::is_regular_file(temp / "to/copy/文書/索引/c.dat"));
    EXPECT_TRUE(fs::is_directory(temp / "to/copy/z"));
    EXPECT_EQ(fs::last_write_time(temp / "to/copy/big.bin"), old);
    EXPECT_EQ(fs::status(temp / "to/copy/a.txt").permissions(),
              fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(temp / "to/copy/a.txt", fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(temp / "from/a.txt", fs::perms::owner_write, fs::perm_options::add);
}

TEST(CopyFolderTree, CopyOverAnOlderReadOnlyCopyReplacesItsBytes) {
    TempFolder temp;
    makeTree(temp / "from");
    fs::create_directories(temp / "to");
    writeBytes(temp / "to/a.txt", "a much longer older text");
    // An earlier copy of a read-only file is read-only too.
    fs::permissions(temp / "to/a.txt", fs::perms::owner_read);
    ASSERT_TRUE(CMyTool::CopyFolderTree(text(temp / "from"), text(temp / "to")));
    EXPECT_EQ(readBytes(temp / "to/a.txt"), "alpha");
}

TEST(CopyFolderTree, OntoItselfChangesNothing) {
    TempFolder temp;
    makeTree(temp / "from");
    const char sep = static_cast<char>(fs::path::preferred_separator);
    EXPECT_TRUE(CMyTool::CopyFolderTree(text(temp / "from"), text(temp / "from")));
    EXPECT_TRUE(CMyTool::CopyFolderTree(text(temp / "from"), text(temp / "from") + sep));
    EXPECT_EQ(readBytes(temp / "from/a.txt"), "alpha");
    EXPECT_EQ(readBytes(temp / "from/文書/b.dat"), std::string("\x00\x01\x02\xff", 4));
}

TEST(CopyFolderTree, IntoItsOwnSubfolderCopiesOnce) {
    TempFolder temp;
    makeTree(temp / "from");
    const std::string inside = text(temp / "from/z/backup");
    ASSERT_TRUE(CMyTool::CopyFolderTree(text(temp / "from"), inside));
    EXPECT_EQ(readBytes(temp / "from/z/backup/a.txt"), "alpha");
    EXPECT_TRUE(fs::is_directory(temp / "from/z/backup/z"));
    EXPECT_FALSE(fs::exists(temp / "from/z/backup/z/backup"));
    // A second run does not nest the first copy either.
    ASSERT_TRUE(CMyTool::CopyFolderTree(text(temp / "from"), inside));
    EXPECT_FALSE(fs::exists(temp / "from/z/backup/z/backup"));
}

TEST(CopyFolderTree, MissingSourceFails) {
    TempFolder temp;
    EXPECT_FALSE(CMyTool::CopyFolderTree(text(temp / "missing"), text(temp / "to")));
    EXPECT_FALSE(CMyTool::CopyFolderTree("", text(temp / "to")));
    EXPECT_FALSE(fs::exists(temp / "to"));
}

TEST(CopyEntry, CopiesAFileOrCreatesAFolder) {
    TempFolder temp;
    writeBytes(temp / "a.txt", "alpha");
    fs::create_directory(temp / "folder");
    EXPECT_TRUE(CMyTool::CopyEntry(text(temp / "a.txt"), text(temp / "b.txt")));
    EXPECT_EQ(readBytes(temp / "b.txt"), "alpha");
    EXPECT_TRUE(CMyTool::CopyEntry(text(temp / "folder"), text(temp / "folder2")));
    EXPECT_TRUE(fs::is_directory(temp / "folder2"));
    EXPECT_TRUE(CMyTool::CopyEntry(text(temp / "a.txt"), text(temp / "a.txt")));
    EXPECT_EQ(readBytes(temp / "a.txt"), "alpha");
    EXPECT_FALSE(CMyTool::CopyEntry(text(temp / "missing"), text(temp / "c.txt")));
    EXPECT_FALSE(CMyTool::CopyEntry(text(temp / "a.txt"), text(temp / "no/such/c.txt")));
}

TEST(CopyEntry, AnotherNameForTheSameFileIsNotTruncated) {
    TempFolder temp;
    writeBytes(temp / "a.txt", "alpha");
    std::error_code error;
    fs::create_hard_link(temp / "a.txt", temp / "hard.txt", error);
    if (error) GTEST_SKIP() << "no hard links here: " << error.message();
    EXPECT_TRUE(CMyTool::CopyEntry(text(temp / "a.txt"), text(temp / "hard.txt")));
    EXPECT_EQ(readBytes(temp / "a.txt"), "alpha");
}

}  // namespace
}  // namespace bunrako
