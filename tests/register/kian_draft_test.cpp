#include "register/kian_draft.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/cp932.h"
#include "common/file_io.h"
#include "common/office_suite_document.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/fixed_clock.h"
#include "support/office_templates.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

// The word-processor procedures of Windows, checked on every system.
const ScopedOfficeSuiteTemplates kWordProcessors{false};

using namespace testing;
namespace fs = std::filesystem;

std::string sjis(const std::string& utf8) { return utf8ToCp932(utf8); }

// Word with the form's macro: while it runs, the merged draft appears in the
// data folder.
class MergingShell : public FakeShell {
  public:
    explicit MergingShell(fs::path merged) : m_merged(std::move(merged)) {}
    int startProcess(const std::string& commandLine, bool wait) override {
        const int result = FakeShell::startProcess(commandLine, wait);
        if (wait && result == 1) writeBytes(m_merged, "merged draft");
        return result;
    }

  private:
    fs::path m_merged;
};

class KianDraftTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(volumeFolder);
        settings.m_strWordProcessorExe = "C:\\Taro\\TARO.EXE";
        settings.m_strDraftForm = "C:\\forms\\起案文書様式.jtd";
        writeFixedText(header.volumeTitle, "会議録");
        entry.receivedDate = OleDateTime::fromDate(2020, 5, 1);
        entry.setDocumentNumberText("15");
        entry.setSubjectText("補助金");
    }
    KianDraft draft(Shell& withShell) {
        return KianDraft(prompt, withShell, clock, settings, folder.path(), draftPath, entry,
                         header);
    }
    KianInput filled(const KianDraft& d) const {
        KianInput input = d.InitialInput();
        input.shoku = "主事";
        input.simei = "山田太郎";
        return input;
    }
    std::string messagesAfterLoading() const {
        std::string all;
        for (const auto& m : prompt.messages) all += m.text + "\n";
        return all;
    }

    TempFolder folder;
    FakePrompt prompt;
    FakeShell shell;
    FixedClock clock{OleDateTime::fromDateTime(2020, 6, 3, 9, 0, 0)};
    CShokiSetteiData settings;
    CSakuinMokurokuHeader header{};
    CSakuinMokurokuList entry{};
    fs::path volumeFolder = folder / "総務/文書/会議/会議録";
    std::string draftPath = pathToUtf8(volumeFolder / "起案_補助金_000.jtd");
    fs::path merged = folder / "起案文書差込済.doc";
};

TEST_F(KianDraftTest, StartsWithTodayTheStoredTypeAndTheMostUsedNames) {
    KessaiKubunTable stored;
    stored.kessaiShubetsu = 1;
    stored.Save(prompt, KessaiKubunTable::PathIn(folder.path()));
    {
        KianDraft first = draft(shell);
        first.Accept(filled(first));
    }
    prompt.messages.clear();
    KianDraft second = draft(shell);
    const KianInput input = second.InitialInput();
    EXPECT_EQ(input.kessaiShubetsu, 1);
    EXPECT_EQ(input.kessaiKubun, 0);
    EXPECT_EQ(input.era, 5);
    EXPECT_EQ(input.eraYear, 2);
    EXPECT_EQ(input.westernYear, 2020);
    EXPECT_EQ(input.month, 6);
    EXPECT_EQ(input.day, 3);
    EXPECT_EQ(input.shoku, "主事");
    EXPECT_EQ(input.simei, "山田太郎");
    EXPECT_TRUE(prompt.messages.empty()) << messagesAfterLoading();
}

TEST_F(KianDraftTest, InvalidInputIsToldAndWritesNothing) {
    KianDraft d = draft(shell);
    prompt.messages.clear();
    KianInput input = d.InitialInput();
    input.simei = "山田";
    EXPECT_FALSE(d.Accept(input));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "入力データに誤りがあります");
    EXPECT_EQ(prompt.messages[0].caption, "確認");
    EXPECT_FALSE(fs::exists(folder / "Kian.csv"));
    EXPECT_FALSE(fs::exists(folder / "KessaiKubun.dat"));
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(KianDraftTest, TaroMergesThroughTheMacroFile) {
    KianDraft d = draft(shell);
    EXPECT_TRUE(d.Accept(filled(d)));

    const std::string kian = readBytes(folder / "Kian.csv");
    EXPECT_EQ(kian.substr(0, 3), "15,");
    EXPECT_EQ(kian.substr(kian.size() - 2), "\r\n");
    EXPECT_EQ(readBytes(folder / "KianWord.csv"), KianData::CsvHeaderLine() + kian);

    const std::string save = "文書保存(.ﾌｧｲﾙ名=\"" + draftPath +
                             "\",.見出し=\"\",.保存形式=0,.保存方法=1,.参照専用保存=0,"
                             ".ﾋﾞｼﾞｭｱﾙ保存=0,.ｷｰﾜｰﾄﾞ=\"\",.画像枠のｻｲｽﾞ=1,.二カ所保存=0)\r\n"
                             "文書切替(.ﾌｧｲﾙ名=\"起案文書様式.jtd\")\r\n"
                             "QuitDocumentWindow()\r\n";
    EXPECT_EQ(readBytes(folder / "macro.txt"),
              sjis("差込ﾌｧｲﾙ(.ﾌｧｲﾙ名=\"" + pathToUtf8(folder / "Kian.csv") +
                   "\",.読込形式=2)\r\n差込結果文書作成(.開始ﾚｺｰﾄﾞ=1,.終了ﾚｺｰﾄﾞ=1)\r\n" + save));
    EXPECT_EQ(readBytes(folder / "macro10.txt"), sjis(save));

    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].commandLine,
              "C:\\Taro\\TARO.EXE \"C:\\forms\\起案文書様式.jtd\" /M/\"" +
                  pathToUtf8(folder / "macro.txt") + "\"");
    EXPECT_FALSE(shell.started[0].wait);
    // The names and the approver table are kept.
    EXPECT_TRUE(fs::exists(folder / "ShokuList.dat"));
    EXPECT_TRUE(fs::exists(folder / "SimeiList.dat"));
    EXPECT_TRUE(fs::exists(folder / "KessaiKubun.dat"));
}

TEST_F(KianDraftTest, AReferencedDraftReplacesTheMergeInTheMacros) {
    KianDraft d = draft(shell);
    KianInput input = filled(d);
    input.useReference = true;
    input.referenceFile = "C:\\old\\前の起案.jtd";
    const std::string open =
        "文書起動読込(.ﾌｧｲﾙ名=\"C:\\old\\前の起案.jtd\",.読込形式=0,.定型文書編集=0,"
        ".読込方法=2,.強制編集=0)\r\n";
    EXPECT_TRUE(d.Accept(input));
    const std::string macro = readBytes(folder / "macro.txt");
    EXPECT_EQ(macro.substr(0, sjis(open).size()), sjis(open));
    EXPECT_EQ(readBytes(folder / "macro10.txt"), macro);
    EXPECT_EQ(macro.find(sjis("差込")), std::string::npos);
}

TEST_F(KianDraftTest, OtherExtensionsOpenTheForm) {
    for (const char* extension : {"docx", "txt"}) {
        settings.m_strWordProcessorExt = extension;
        FakeShell opened;
        KianDraft d = draft(opened);
        EXPECT_TRUE(d.Accept(filled(d)));
        EXPECT_TRUE(opened.started.empty());
        ASSERT_EQ(opened.opened.size(), 1u);
        EXPECT_EQ(opened.opened[0].path, "C:\\forms\\起案文書様式.jtd");
        EXPECT_EQ(opened.opened[0].verb, ShellVerb::open);
    }
}

TEST_F(KianDraftTest, WordMergesWaitsCopiesTheMergedDraftAndOpensIt) {
    for (const char* extension : {"doc", "DOC", "Doc"}) {
        settings.m_strWordProcessorExt = extension;
        settings.m_strWordProcessorExe = "winword.exe";
        MergingShell word(merged);
        KianDraft d = draft(word);
        EXPECT_TRUE(d.Accept(filled(d)));
        ASSERT_EQ(word.started.size(), 2u) << extension;
        EXPECT_EQ(word.started[0].commandLine,
                  "winword.exe /mSasikomiKaisi \"C:\\forms\\起案文書様式.jtd\"");
        EXPECT_TRUE(word.started[0].wait);
        EXPECT_EQ(word.started[1].commandLine, "winword.exe \"" + draftPath + "\"");
        EXPECT_FALSE(word.started[1].wait);
        EXPECT_EQ(readBytes(pathFromUtf8(draftPath)), "merged draft");
        fs::remove(pathFromUtf8(draftPath));
    }
}

TEST_F(KianDraftTest, AMergedDraftThatDidNotAppearIsToldAndNothingIsOpened) {
    settings.m_strWordProcessorExt = "doc";
    // Left by an earlier draft: it must not become this one.
    writeBytes(merged, "another document's draft");
    KianDraft d = draft(shell);
    prompt.messages.clear();
    EXPECT_TRUE(d.Accept(filled(d)));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "起案文書作成失敗\nファイル名１：" + pathToUtf8(merged) +
                                           "\nファイル名２：" + draftPath);
    EXPECT_EQ(prompt.messages[0].caption, "注意");
    EXPECT_FALSE(fs::exists(pathFromUtf8(draftPath)));
    EXPECT_EQ(shell.started.size(), 1u);
    EXPECT_TRUE(fs::exists(folder / "KessaiKubun.dat"));
}

TEST_F(KianDraftTest, WordThatWillNotStartIsTold) {
    settings.m_strWordProcessorExt = "doc";
    shell.startResult = 0;
    KianDraft d = draft(shell);
    prompt.messages.clear();
    EXPECT_TRUE(d.Accept(filled(d)));
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[1].text, "起案文書作成失敗\nマクロ文書");
    EXPECT_EQ(prompt.messages[1].caption, "注意");
}

TEST_F(KianDraftTest, WordWithAReferenceCopiesIt) {
    settings.m_strWordProcessorExt = "doc";
    KianDraft d = draft(shell);
    prompt.messages.clear();
    KianInput input = filled(d);
    input.useReference = true;
    input.referenceFile = pathToUtf8(folder / "missing.doc");
    EXPECT_TRUE(d.Accept(input));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "参照ファイルから起案文書の作成に失敗しました");
    EXPECT_EQ(prompt.messages[0].caption, "注意");
    EXPECT_TRUE(shell.started.empty());

    // A folder is no draft either.
    input.referenceFile = pathToUtf8(volumeFolder);
    EXPECT_TRUE(d.Accept(input));
    EXPECT_EQ(prompt.messages.size(), 2u);
    EXPECT_FALSE(fs::exists(pathFromUtf8(draftPath)));

    writeBytes(folder / "前の起案.doc", "earlier draft");
    input.referenceFile = pathToUtf8(folder / "前の起案.doc");
    EXPECT_TRUE(d.Accept(input));
    EXPECT_EQ(readBytes(pathFromUtf8(draftPath)), "earlier draft");
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].commandLine, "C:\\Taro\\TARO.EXE \"" + draftPath + "\"");
}

TEST_F(KianDraftTest, FilesThatCannotBeWrittenAreToldAndTheDraftGoesOn) {
    fs::create_directory(folder / "Kian.csv");
    KianDraft d = draft(shell);
    prompt.messages.clear();
    EXPECT_TRUE(d.Accept(filled(d)));
    ASSERT_FALSE(prompt.messages.empty());
    EXPECT_EQ(prompt.messages[0].text.rfind(pathToUtf8(folder / "Kian.csv") + ":", 0), 0u);
    EXPECT_TRUE(fs::exists(folder / "KianWord.csv"));
    EXPECT_EQ(shell.started.size(), 1u);
}

TEST_F(KianDraftTest, OutsideWindowsTheDraftIsFilledForTheOfficeSuite) {
    const ScopedOfficeSuiteTemplates officeSuite(true);
    settings.m_strDraftForm = templateInSources("起案文書様式.fodt");
    entry.setSubjectText("補助金, 交付決定");
    KianDraft d = draft(shell);
    EXPECT_TRUE(d.Accept(filled(d)));
    // The files other workstations read are written as before.
    EXPECT_TRUE(fs::exists(folder / "KianWord.csv"));
    EXPECT_TRUE(fs::exists(folder / "macro.txt"));
    const fs::path filledDraft = volumeFolder / "起案_補助金_000.fodt";
    const std::string document = readBytes(filledDraft);
    for (const char* value : {"補助金, 交付決定", "山田太郎", "主事", "会議録"}) {
        EXPECT_NE(document.find(value), std::string::npos) << value;
    }
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(fs::path(shell.opened[0].path), filledDraft);
    EXPECT_EQ(shell.opened[0].verb, ShellVerb::open);

    // A draft that exists is the clerk's work: kept unless replaced on purpose.
    writeBytes(filledDraft, "edited");
    prompt.answers.push_back(Answer::no);
    EXPECT_TRUE(d.Accept(filled(d)));
    EXPECT_EQ(readBytes(filledDraft), "edited");
    EXPECT_EQ(shell.opened.size(), 2u);
}

}  // namespace
}  // namespace bunrako
