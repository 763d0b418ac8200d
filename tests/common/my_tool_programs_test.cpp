#include <gtest/gtest.h>

#include "common/my_tool.h"
#include "common/texts.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::FakeShell;

TEST(CheckError, NoneIsSuccessAndSilentEvenWhenShown) {
    FakePrompt prompt;
    EXPECT_TRUE(CMyTool::CheckFileError(prompt, FileErrorCause::none, "a.dat", true));
    EXPECT_TRUE(CMyTool::CheckArchiveError(prompt, ArchiveErrorCause::none, "a.dat", true));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(CheckError, CauseShowsLabelFollowedByItsText) {
    FakePrompt prompt;
    EXPECT_FALSE(
        CMyTool::CheckFileError(prompt, FileErrorCause::diskFull, "D:\\x\\a.datOpen", true));
    EXPECT_FALSE(
        CMyTool::CheckArchiveError(prompt, ArchiveErrorCause::endOfFile, "b.dat:Read", true));
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[0].text, "D:\\x\\a.datOpen:ディスク フル");
    EXPECT_EQ(prompt.messages[1].text,
              "b.dat:Read:オブジェクトの読み込み中にファイルの終わりに到達しました。");
}

TEST(CheckError, WithoutShowFailsQuietly) {
    FakePrompt prompt;
    EXPECT_FALSE(CMyTool::CheckFileError(prompt, FileErrorCause::accessDenied, "a", false));
    EXPECT_FALSE(CMyTool::CheckArchiveError(prompt, ArchiveErrorCause::badSchema, "a", false));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(RunProgram, StartModesBuildTheCommandLine) {
    FakeShell shell;
    FakePrompt prompt;
    EXPECT_EQ(CMyTool::RunProgram(shell, prompt, "C:\\Taro\\TARO19.EXE", RunMode::startAndWait,
                                  "/mSasikomiKaisi \"a.doc\""),
              1);
    EXPECT_EQ(CMyTool::RunProgram(shell, prompt, "explorer.exe", RunMode::start, ""), 1);
    ASSERT_EQ(shell.started.size(), 2u);
    EXPECT_EQ(shell.started[0].commandLine, "C:\\Taro\\TARO19.EXE /mSasikomiKaisi \"a.doc\"");
    EXPECT_TRUE(shell.started[0].wait);
    EXPECT_EQ(shell.started[1].commandLine, "explorer.exe ");
    EXPECT_FALSE(shell.started[1].wait);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(RunProgram, ArgumentIsLimitedTo1023Cp932BytesAtACharacterBoundary) {
    FakeShell shell;
    FakePrompt prompt;
    // 1022 ASCII bytes then a double-byte character that would end at byte 1024.
    const std::string argument = std::string(1022, 'a') + "文書";
    CMyTool::RunProgram(shell, prompt, "p", RunMode::start, argument);
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].commandLine, "p " + std::string(1022, 'a'));

    const std::string fits = std::string(1021, 'a') + "文";
    CMyTool::RunProgram(shell, prompt, "p", RunMode::start, fits);
    EXPECT_EQ(shell.started[1].commandLine, "p " + fits);
}

TEST(RunProgram, FailedStartIsReportedWithTheProgram) {
    FakeShell shell;
    FakePrompt prompt;
    shell.startResult = 0;
    EXPECT_EQ(
        CMyTool::RunProgram(shell, prompt, "C:\\nowhere\\word.exe", RunMode::startAndWait, "x"), 0);
    EXPECT_EQ(prompt.lastMessage(), "プログラムを起動できません：C:\\nowhere\\word.exe");
}

TEST(RunProgram, OpenAndPrintUseTheShellVerbs) {
    FakeShell shell;
    FakePrompt prompt;
    EXPECT_EQ(CMyTool::RunProgram(shell, prompt, "link.xls", RunMode::open, "ignored"), 1);
    EXPECT_EQ(CMyTool::RunProgram(shell, prompt, "form.jtd", RunMode::print, ""), 1);
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0].path, "link.xls");
    EXPECT_EQ(shell.opened[0].verb, ShellVerb::open);
    EXPECT_EQ(shell.opened[1].path, "form.jtd");
    EXPECT_EQ(shell.opened[1].verb, ShellVerb::print);
    EXPECT_TRUE(shell.started.empty());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(RunProgram, UnknownExtensionReportsError31AfterThePath) {
    FakeShell shell;
    FakePrompt prompt;
    shell.openResult = 31;
    EXPECT_EQ(CMyTool::RunProgram(shell, prompt, "D:\\data\\link.xyz", RunMode::open, ""), 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              std::string("D:\\data\\link.xyz") + common::texts::kShellErrorNoAssoc);
    EXPECT_EQ(prompt.messages[0].icon, MessageIcon::error);
}

TEST(RunProgram, ShellResultsWithoutTextFailSilently) {
    FakeShell shell;
    FakePrompt prompt;
    for (const int result : {1, 4, 6, 7, 9, 10, 12, 25, 32 + 1}) {
        shell.openResult = result;
        EXPECT_EQ(CMyTool::RunProgram(shell, prompt, "a.doc", RunMode::print, ""),
                  result > 32 ? 1 : 0)
            << result;
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(RunProgram, ModesOutsideTheRangeDoNothing) {
    FakeShell shell;
    FakePrompt prompt;
    EXPECT_EQ(CMyTool::RunProgram(shell, prompt, "a.exe", static_cast<RunMode>(4), "x"), 0);
    EXPECT_EQ(CMyTool::RunProgram(shell, prompt, "a.exe", static_cast<RunMode>(-1), "x"), 0);
    EXPECT_TRUE(shell.started.empty());
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ShellErrorText, EveryCodeOfTheTableHasItsText) {
    EXPECT_EQ(CMyTool::ShellErrorText(0), common::texts::kShellErrorOutOfMemory);
    EXPECT_EQ(CMyTool::ShellErrorText(2), common::texts::kShellErrorFileNotFound);
    EXPECT_EQ(CMyTool::ShellErrorText(3), common::texts::kShellErrorPathNotFound);
    EXPECT_EQ(CMyTool::ShellErrorText(5), common::texts::kShellErrorAccessDenied);
    EXPECT_EQ(CMyTool::ShellErrorText(8), common::texts::kShellErrorNotEnoughMemory);
    EXPECT_EQ(CMyTool::ShellErrorText(11), common::texts::kShellErrorBadFormat);
    EXPECT_EQ(CMyTool::ShellErrorText(26), common::texts::kShellErrorShare);
    EXPECT_EQ(CMyTool::ShellErrorText(27), common::texts::kShellErrorAssocIncomplete);
    EXPECT_EQ(CMyTool::ShellErrorText(28), common::texts::kShellErrorDdeTimeout);
    EXPECT_EQ(CMyTool::ShellErrorText(29), common::texts::kShellErrorDdeFail);
    EXPECT_EQ(CMyTool::ShellErrorText(30), common::texts::kShellErrorDdeBusy);
    EXPECT_EQ(CMyTool::ShellErrorText(31), common::texts::kShellErrorNoAssoc);
    EXPECT_EQ(CMyTool::ShellErrorText(32), common::texts::kShellErrorDllNotFound);
    EXPECT_EQ(CMyTool::ShellErrorText(1), "");
    EXPECT_EQ(CMyTool::ShellErrorText(33), "");
}

class RecordingBrowser : public FileBrowser {
  public:
    std::string browse(const std::string& folder_, const std::string& fileName_,
                       const std::string& defaultExtension_, const std::string& filter_,
                       bool open_) override {
        folder = folder_;
        fileName = fileName_;
        defaultExtension = defaultExtension_;
        filter = filter_;
        open = open_;
        return answer;
    }
    std::string folder, fileName, defaultExtension, filter, answer;
    bool open = false;
};

TEST(BrowseFile, SplitsTheProposedPathAtTheLastSeparator) {
    RecordingBrowser browser;
    browser.answer = "C:\\chosen.csv";
    EXPECT_EQ(CMyTool::BrowseFile(browser, "csv", "C:\\data\\課\\一覧.csv", "CSV|*.csv||", false),
              "C:\\chosen.csv");
    EXPECT_EQ(browser.folder, "C:\\data\\課");
    EXPECT_EQ(browser.fileName, "一覧.csv");
    EXPECT_EQ(browser.defaultExtension, "csv");
    EXPECT_EQ(browser.filter, "CSV|*.csv||");
    EXPECT_FALSE(browser.open);

    CMyTool::BrowseFile(browser, "", "/home/clerk/form.jtd", "", true);
    EXPECT_EQ(browser.folder, "/home/clerk");
    EXPECT_EQ(browser.fileName, "form.jtd");
    EXPECT_TRUE(browser.open);
}

TEST(BrowseFile, APathWithoutSeparatorIsTheFileName) {
    RecordingBrowser browser;
    EXPECT_EQ(CMyTool::BrowseFile(browser, "dat", "Kamei.dat", "", true), "");
    EXPECT_EQ(browser.folder, "");
    EXPECT_EQ(browser.fileName, "Kamei.dat");
}

TEST(BrowseFile, LongPartsAreCutAtACharacterBoundary) {
    RecordingBrowser browser;
    // 130 double-byte characters: 260 bytes, one too many.
    std::string longName;
    for (int i = 0; i < 130; ++i) longName += "文";
    CMyTool::BrowseFile(browser, "", longName + "\\" + longName, "", true);
    std::string cut;
    for (int i = 0; i < 129; ++i) cut += "文";
    EXPECT_EQ(browser.folder, cut);
    EXPECT_EQ(browser.fileName, cut);
}

TEST(WindowPlacement, FormatsTenNumbersEachFollowedByAColon) {
    const WindowPlacement placement{2, 3, -1, -1, -8, -8, 10, 20, 1290, 820};
    EXPECT_EQ(CMyTool::FormatWindowPlacement(placement), "2:3:-1:-1:-8:-8:10:20:1290:820:");
    EXPECT_EQ(CMyTool::ParseWindowPlacement(CMyTool::FormatWindowPlacement(placement)), placement);
}

TEST(WindowPlacement, ReadsTenNumbersWithOrWithoutTheLastColon) {
    const auto placement = CMyTool::ParseWindowPlacement("1:2:3:4:5:6:7:8:9:10");
    ASSERT_TRUE(placement.has_value());
    EXPECT_EQ(*placement, (WindowPlacement{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(WindowPlacement, IncompleteOrDamagedTextsGiveNothing) {
    EXPECT_FALSE(CMyTool::ParseWindowPlacement("1:2:3:4:5:6:7:8:9:"));
    EXPECT_FALSE(CMyTool::ParseWindowPlacement("1:2:3:4:5:6:7:8:9"));
    EXPECT_FALSE(CMyTool::ParseWindowPlacement(""));
    EXPECT_FALSE(CMyTool::ParseWindowPlacement("garbage"));
    EXPECT_FALSE(CMyTool::ParseWindowPlacement("1:2:3:4:x:6:7:8:9:10:"));
    EXPECT_FALSE(CMyTool::ParseWindowPlacement("1;2;3;4;5;6;7;8;9;10;"));
    EXPECT_FALSE(CMyTool::ParseWindowPlacement("1:2:3:4:5:6:7:8:9:99999999999999999999:"));
    EXPECT_FALSE(CMyTool::ParseWindowPlacement(std::string_view("1:2:3\0:4", 7)));
}

}  // namespace
}  // namespace bunrako
