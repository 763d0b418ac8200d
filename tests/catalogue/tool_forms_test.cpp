#include <gtest/gtest.h>

#include "catalogue/file_search_form.h"
#include "catalogue/kanren_file_form.h"
#include "catalogue/touroku_tyouhyou_form.h"
#include "common/file_io.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::FakeShell;
using testing::TempFolder;

TEST(FileSearchForm, KindsFollowAllFilesAndRowsKeepTheChosenOrder) {
    FileSearchForm form("/data");
    EXPECT_TRUE(form.KindChecksEnabled());
    form.Criteria().allFiles = true;
    EXPECT_FALSE(form.KindChecksEnabled());

    form.ClickHeader(FileSearchSort::kNameColumn);
    form.AddRows({{"b.doc", "/data/x"}, {"a.doc", "/data/y"}});
    form.AddRows({{"0.doc", "/data/z"}});
    ASSERT_EQ(form.Rows().size(), 3u);
    EXPECT_EQ(form.Rows().front().name, "0.doc");
    EXPECT_EQ(form.HeaderText(FileSearchSort::kNameColumn), "ファイル名▲");
    EXPECT_EQ(form.PathToOpen(0), std::filesystem::path("/data/z/0.doc"));
    EXPECT_EQ(form.FolderToOpen(1), std::filesystem::path("/data/y"));

    // A catalogue entry is no file: its catalogue's folder opens.
    form.Criteria().mode = FileSearchCriteria::catalogues;
    form.Start();
    EXPECT_TRUE(form.Rows().empty());
    form.AddRows({{"予算の件", "/data/総務/索引目録データ"}});
    EXPECT_EQ(form.PathToOpen(0), pathFromUtf8("/data/総務/索引目録データ"));
    EXPECT_EQ(form.HeaderText(FileSearchSort::kNameColumn), "文書名▲");
}

TEST(FileSearchSteps, BatchesGiveTheRowsOfTheWholeSearchAndStopEndsIt) {
    TempFolder folder;
    for (int i = 0; i < 250; ++i) {
        const auto sub = folder / ("sub" + std::to_string(i % 7));
        std::filesystem::create_directories(sub);
        testing::writeBytes(sub / ("f" + std::to_string(i) + ".txt"), "");
    }
    FakePrompt prompt;
    testing::FixedClock clock{OleDateTime::fromDate(2020, 4, 1)};
    FileSearchCriteria criteria;
    std::vector<FileSearchRow> rows;
    size_t batches = 0;
    const std::atomic<bool> go{false};
    EXPECT_TRUE(SearchFilesInSteps(
        folder.path(), criteria, prompt, clock,
        [&](std::vector<FileSearchRow> batch) {
            ++batches;
            rows.insert(rows.end(), batch.begin(), batch.end());
        },
        go));
    EXPECT_EQ(rows, SearchFiles(folder.path(), criteria, prompt, clock));
    EXPECT_EQ(rows.size(), 250u);
    EXPECT_EQ(batches, 3u);

    const std::atomic<bool> stop{true};
    rows.clear();
    EXPECT_FALSE(SearchFilesInSteps(
        folder.path(), criteria, prompt, clock,
        [&](std::vector<FileSearchRow> batch) {
            rows.insert(rows.end(), batch.begin(), batch.end());
        },
        stop));
    EXPECT_TRUE(rows.empty());
}

class TourokuTyouhyouFormTest : public ::testing::Test {
  protected:
    TempFolder folder;
    FakePrompt prompt;
    CTourokuTyouhyou list{prompt, CTourokuTyouhyou::FileInFolder(folder.path())};
    TourokuTyouhyouForm form{list};
};

TEST_F(TourokuTyouhyouFormTest, RegisteringReplacesByTitleAndAnEmptyTitleIsRefused) {
    form.title = "";
    EXPECT_EQ(form.Register(), 0);
    for (const char* title : {"旅費精算書", "出勤簿"}) {
        form.title = title;
        form.file = std::string(title) + ".xls";
        EXPECT_EQ(form.Register(), 1);
    }
    form.title = "旅費精算書";
    form.file = "新.xls";
    form.runMode = CTourokuTyouhyouData::open;
    EXPECT_EQ(form.Register(), 1);
    EXPECT_EQ(form.Titles(), (std::vector<std::string>{"旅費精算書", "出勤簿"}));
    form.Select(0);
    EXPECT_EQ(form.file, "新.xls");
    EXPECT_EQ(form.runMode, CTourokuTyouhyouData::open);
    EXPECT_EQ(form.Remove(), 1);
    EXPECT_EQ(form.Titles(), (std::vector<std::string>{"出勤簿"}));
}

struct RunCase {
    int mode;
    const char* started;  // "" when the shell opens the file
    bool wait;
    ShellVerb verb;
};

class TourokuTyouhyouRunTest : public TourokuTyouhyouFormTest,
                               public ::testing::WithParamInterface<RunCase> {};

TEST_P(TourokuTyouhyouRunTest, EachModeRunsTheFileItsWay) {
    FakeShell shell;
    form.file = "calc";
    form.option = "sheet.ods";
    form.runMode = GetParam().mode;
    form.Run(shell, prompt);
    if (*GetParam().started) {
        ASSERT_EQ(shell.started.size(), 1u);
        EXPECT_EQ(shell.started[0].commandLine, GetParam().started);
        EXPECT_EQ(shell.started[0].wait, GetParam().wait);
    } else {
        ASSERT_EQ(shell.opened.size(), 1u);
        EXPECT_EQ(shell.opened[0].path, "calc");
        EXPECT_EQ(shell.opened[0].verb, GetParam().verb);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, TourokuTyouhyouRunTest,
                         ::testing::Values(RunCase{0, "calc sheet.ods", true, ShellVerb::open},
                                           RunCase{1, "calc sheet.ods", false, ShellVerb::open},
                                           RunCase{2, "", false, ShellVerb::open},
                                           RunCase{3, "", false, ShellVerb::print}));

TEST(KanrenFileForm, BrowsingSplitsThePathAndOkStampsTheRecord) {
    const OleDateTime then = OleDateTime::fromDate(2020, 4, 1);
    KanrenFileForm form(CKanrenFileData::New(then));
    EXPECT_FALSE(form.IsComplete());
    form.ChoosePath("/data/総務/回答書.pdf");
    EXPECT_EQ(form.fileName, "回答書.pdf");
    EXPECT_EQ(form.folder, "/data/総務/");
    const OleDateTime now = OleDateTime::fromDate(2026, 12, 9);
    const CKanrenFileData record = form.Gather(now);
    EXPECT_EQ(record.folderText() + record.fileNameText(), "/data/総務/回答書.pdf");
    EXPECT_EQ(record.lastUpdate, now);
    EXPECT_EQ(record.valid, 1);
    // The question says that the file itself stays.
    const std::string question = RelatedFileDeleteQuestion(record);
    EXPECT_EQ(question.rfind("本当に削除してよろしいか？", 0), 0u);
    EXPECT_NE(question.find("/data/総務/回答書.pdf そのものは削除されません"), std::string::npos);
}

}  // namespace
}  // namespace bunrako
