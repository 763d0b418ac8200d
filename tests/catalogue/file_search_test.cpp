#include "catalogue/file_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "catalogue/file_search_sort.h"
#include "common/file_io.h"
#include "support/catalogue_images.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using namespace testing;
namespace fs = std::filesystem;

class FileSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {"a/報告.doc", "a/集計.XLS", "b/メモ.txt", "b/c/古い.Jtd", "b/c/表.csv",
              "b/c/新しい.docx", "b/c/混在.JtD", "説明書", "a/archive.tar.csv"}) {
            touch(name);
        }
    }
    void touch(const std::string& relative) {
        const fs::path path = folder / relative;
        fs::create_directories(path.parent_path());
        writeBytes(path, "x");
    }
    std::vector<std::string> names(const std::vector<FileSearchRow>& rows) {
        std::vector<std::string> out;
        for (const auto& r : rows) out.push_back(r.name);
        std::sort(out.begin(), out.end());
        return out;
    }
    std::vector<std::string> search(const FileSearchCriteria& criteria) {
        return names(SearchFiles(folder.path(), criteria, prompt, clock));
    }
    using Names = std::vector<std::string>;

    TempFolder folder;
    FakePrompt prompt;
    FixedClock clock{OleDateTime::fromDateTime(2021, 2, 10, 10, 0, 0)};
};

TEST_F(FileSearchTest, KindsOfFileByTheirExactExtensions) {
    FileSearchCriteria documents;
    documents.spreadsheetFiles = false;
    EXPECT_EQ(search(documents), (Names{"メモ.txt", "古い.Jtd", "報告.doc"}));

    FileSearchCriteria spreadsheets;
    spreadsheets.documentFiles = false;
    EXPECT_EQ(search(spreadsheets), (Names{"archive.tar.csv", "表.csv", "集計.XLS"}));

    FileSearchCriteria both;
    EXPECT_EQ(search(both).size(), 6u);

    FileSearchCriteria neither;
    neither.documentFiles = neither.spreadsheetFiles = false;
    EXPECT_TRUE(search(neither).empty());
}

TEST_F(FileSearchTest, AllFilesIncludesNamesWithoutExtension) {
    FileSearchCriteria all;
    all.allFiles = true;
    all.documentFiles = all.spreadsheetFiles = false;  // not consulted
    EXPECT_EQ(search(all).size(), 9u);
    all.text = "説明";
    EXPECT_EQ(search(all), (Names{"説明書"}));
}

TEST_F(FileSearchTest, TheTextMustBeInTheName) {
    FileSearchCriteria criteria;
    criteria.text = "しい";
    EXPECT_EQ(search(criteria), Names{});  // 新しい.docx is not a known kind
    criteria.allFiles = true;
    EXPECT_EQ(search(criteria), (Names{"新しい.docx"}));
    criteria.text = "a/";  // folders are not part of the name
    EXPECT_TRUE(search(criteria).empty());
}

TEST_F(FileSearchTest, RowsGiveTheFolderOfEachFile) {
    FileSearchCriteria criteria;
    criteria.text = "報告";
    const std::vector<FileSearchRow> rows = SearchFiles(folder.path(), criteria, prompt, clock);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].folder, pathToUtf8(folder / "a"));
    EXPECT_EQ(FileSearchRowPath(rows[0]), folder / "a" / "報告.doc");
}

TEST_F(FileSearchTest, LinksDoNotLeadOutOfTheTree) {
    TempFolder outside;
    writeBytes(outside / "外.doc", "x");
    fs::create_directory_symlink(outside.path(), folder / "link-to-outside");
    fs::create_symlink(outside / "外.doc", folder / "外へのリンク.doc");
    fs::create_symlink(folder / "a" / "報告.doc", folder / "内へのリンク.doc");
    fs::create_directory_symlink(folder.path(), folder / "b" / "loop");
    FileSearchCriteria all;
    all.allFiles = true;
    const Names found = search(all);
    EXPECT_EQ(std::count(found.begin(), found.end(), "外.doc"), 0);
    EXPECT_EQ(std::count(found.begin(), found.end(), "外へのリンク.doc"), 0);
    EXPECT_EQ(std::count(found.begin(), found.end(), "内へのリンク.doc"), 1);
    EXPECT_EQ(std::count(found.begin(), found.end(), "報告.doc"), 1);
}

TEST_F(FileSearchTest, UnreadableFoldersArePassedOver) {
    const fs::path locked = folder / "b" / "c";
    fs::permissions(locked, fs::perms::none);
    std::error_code canStillRead;
    fs::directory_iterator probe(locked, canStillRead);
    if (!canStillRead) {
        fs::permissions(locked, fs::perms::owner_all);
        GTEST_SKIP() << "running with rights that read any folder";
    }
    FileSearchCriteria all;
    all.allFiles = true;
    const Names found = search(all);
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(found, (Names{"archive.tar.csv", "メモ.txt", "報告.doc", "説明書", "集計.XLS"}));
}

TEST_F(FileSearchTest, AMissingRootFindsNothing) {
    EXPECT_TRUE(SearchFiles(folder / "gone", FileSearchCriteria{}, prompt, clock).empty());
}

class CatalogueSearchTest : public FileSearchTest {
  protected:
    void writeCatalogue(const std::string& relative, const std::vector<std::string>& subjects) {
        std::string image = tag("SakuinMokurokuVer316") + headerImage();
        for (const std::string& subject : subjects) {
            EntryValues v;
            v.subject = subject;
            image += entryImage316(v);
        }
        fs::create_directories((folder / relative).parent_path());
        writeBytes(folder / relative, image);
    }
};

TEST_F(CatalogueSearchTest, EveryEntryWhoseSubjectHoldsTheText) {
    writeCatalogue("総務/索引目録データ/令和2年度/SakuinMokuroku.dat", {"会議録の件", "予算"});
    writeCatalogue("人事/索引目録データ/令和3年度/SakuinMokuroku.dat", {"人事会議"});
    writeCatalogue("他/sakuinmokuroku.dat", {"会議"});  // the name must match exactly
    FileSearchCriteria criteria;
    criteria.mode = FileSearchCriteria::catalogues;
    const std::vector<FileSearchRow> all = SearchFiles(folder.path(), criteria, prompt, clock);
    EXPECT_EQ(names(all), (Names{"予算", "人事会議", "会議録の件"}));

    criteria.text = "会議";
    const std::vector<FileSearchRow> rows = SearchFiles(folder.path(), criteria, prompt, clock);
    EXPECT_EQ(names(rows), (Names{"人事会議", "会議録の件"}));
    const auto meeting =
        std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.name == "人事会議"; });
    EXPECT_EQ(meeting->folder, pathToUtf8(folder / "人事/索引目録データ/令和3年度"));
}

TEST_F(CatalogueSearchTest, TextMatchesOnlyAtCharacterBoundaries) {
    // 「ｼ」 is 0xBC; 「表」 is 0x95 0x5C: a trail byte that equals '\'.
    writeCatalogue("x/SakuinMokuroku.dat", {"表示", "ｼ"});
    FileSearchCriteria criteria;
    criteria.mode = FileSearchCriteria::catalogues;
    criteria.text = "\\";
    EXPECT_TRUE(SearchFiles(folder.path(), criteria, prompt, clock).empty());
    criteria.text = "示";
    EXPECT_EQ(names(SearchFiles(folder.path(), criteria, prompt, clock)), (Names{"表示"}));
}

TEST(FileSearchSortTest, ClicksToggleTheOrderAndTheMarks) {
    FileSearchSort sort;
    using Mode = FileSearchCriteria::Mode;
    EXPECT_EQ(sort.HeaderText(0, Mode::files), "ファイル名");
    EXPECT_EQ(sort.HeaderText(0, Mode::catalogues), "文書名");
    EXPECT_EQ(sort.HeaderText(1, Mode::files), "格納先のフォルダー");

    std::vector<FileSearchRow> rows = {
        {"b", "/2"}, {"a", "/9"}, {"b", "/1"}, {"あ", "/0"}, {"ー", "/0"}};
    sort.Click(0);
    sort.Apply(rows);
    // JIS order puts ー (81 5B) before あ (82 A0), unlike Unicode.
    EXPECT_EQ(rows, (std::vector<FileSearchRow>{
                        {"a", "/9"}, {"b", "/1"}, {"b", "/2"}, {"ー", "/0"}, {"あ", "/0"}}));
    EXPECT_EQ(sort.HeaderText(0, Mode::files), "ファイル名▲");
    EXPECT_EQ(sort.HeaderText(1, Mode::files), "格納先のフォルダー");

    sort.Click(0);
    sort.Apply(rows);
    EXPECT_EQ(rows, (std::vector<FileSearchRow>{
                        {"あ", "/0"}, {"ー", "/0"}, {"b", "/2"}, {"b", "/1"}, {"a", "/9"}}));
    EXPECT_EQ(sort.HeaderText(0, Mode::catalogues), "文書名▼");

    sort.Click(1);
    sort.Apply(rows);
    EXPECT_EQ(rows, (std::vector<FileSearchRow>{
                        {"ー", "/0"}, {"あ", "/0"}, {"b", "/1"}, {"b", "/2"}, {"a", "/9"}}));
    EXPECT_EQ(sort.HeaderText(0, Mode::files), "ファイル名");
    EXPECT_EQ(sort.HeaderText(1, Mode::files), "格納先のフォルダー▲");
}

}  // namespace
}  // namespace bunrako
