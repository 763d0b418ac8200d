#include "volumes/volume_linkage.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/office_suite_document.h"
#include "settings/shoki_settei_data.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/office_templates.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

// The word-processor procedures of Windows, checked on every system.
const ScopedOfficeSuiteTemplates kWordProcessors{false};

namespace fs = std::filesystem;

class VolumeLinkageTest : public ::testing::Test {
  protected:
    VolumeLinkageTest() {
        volumes[0].Sassuu = 1;
        volumes[1].Sassuu = 2;
        settings.m_bUseSpreadsheet = 1;
        settings.m_strLinkVolumeProgram = "volumes.xls";
        settings.m_strLinkPermanentProgram = "permanent.xls";
        settings.m_strLinkDisposedProgram = "disposed.xls";
        settings.m_strVolumeTitleForm = "簿冊タイトル.jtd";
        settings.m_strWordProcessorExe = "C:\\Word\\WINWORD.EXE";
    }

    int linkage(VolumeLinkageTab tab, const CatalogueLinkageStep& step = {}) {
        return VolumeDataLinkage(prompt, shell, settings, folder.path(), volumes, tab, step);
    }
    int print() { return PrintVolumeTitles(prompt, shell, settings, folder.path(), volumes); }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FakeShell shell;
    CShokiSetteiData settings;
    std::vector<CDocMasterData> volumes = std::vector<CDocMasterData>(2);
};

TEST_F(VolumeLinkageTest, EachTabOpensItsOwnLinkageFile) {
    const std::pair<VolumeLinkageTab, const char*> tabs[] = {
        {VolumeLinkageTab::volumeList, "volumes.xls"},
        {VolumeLinkageTab::permanentLedger, "permanent.xls"},
        {VolumeLinkageTab::disposedList, "disposed.xls"},
    };
    for (const auto& [tab, file] : tabs) {
        shell.opened.clear();
        EXPECT_EQ(linkage(tab), 1);
        ASSERT_EQ(shell.opened.size(), 1u);
        EXPECT_EQ(shell.opened[0].path, file);
        EXPECT_EQ(shell.opened[0].verb, ShellVerb::open);
    }
    EXPECT_TRUE(fs::exists(folder / "DocMaster.csv"));
    EXPECT_TRUE(fs::exists(folder / "DocMasterWord.csv"));
}

TEST_F(VolumeLinkageTest, NothingIsOpenedWithoutTheSpreadsheetOrAFile) {
    settings.m_bUseSpreadsheet = 0;
    EXPECT_EQ(linkage(VolumeLinkageTab::volumeList), 1);
    settings.m_bUseSpreadsheet = 1;
    settings.m_strLinkDisposedProgram.clear();
    EXPECT_EQ(linkage(VolumeLinkageTab::disposedList), 1);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(fs::exists(folder / "DocMasterWord.csv"));
}

TEST_F(VolumeLinkageTest, NoSelectionDoesNothing) {
    volumes.clear();
    EXPECT_EQ(linkage(VolumeLinkageTab::volumeList), 0);
    EXPECT_EQ(print(), 0);
    EXPECT_FALSE(fs::exists(folder / "DocMaster.csv"));
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(VolumeLinkageTest, CatalogueStepRunsForTheVolumeListBeforeOpening) {
    std::vector<int> seen;
    const CatalogueLinkageStep step = [&](std::span<const CDocMasterData> chosen) {
        for (const CDocMasterData& volume : chosen) seen.push_back(volume.Sassuu);
        EXPECT_TRUE(fs::exists(folder / "DocMasterWord.csv"));
        EXPECT_TRUE(shell.opened.empty());
        return true;
    };
    EXPECT_EQ(linkage(VolumeLinkageTab::volumeList, step), 1);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(linkage(VolumeLinkageTab::permanentLedger, step), 1);
    EXPECT_EQ(seen.size(), 2u);

    shell.opened.clear();
    EXPECT_EQ(linkage(VolumeLinkageTab::volumeList, [](auto) { return false; }), 0);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(VolumeLinkageTest, FailedFileStopsBeforeOpening) {
    fs::create_directory(folder / "DocMaster.csv");
    EXPECT_EQ(linkage(VolumeLinkageTab::volumeList), 0);
    EXPECT_EQ(prompt.lastMessage(), "一太郎用データ作成に失敗しました");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(VolumeLinkageTest, ShellFailureOfTheLinkageFileIsReported) {
    shell.openResult = 2;
    EXPECT_EQ(linkage(VolumeLinkageTab::volumeList), 1);
    EXPECT_EQ(prompt.lastMessage(), "volumes.xls\nThe specified file was not found.");
}

TEST_F(VolumeLinkageTest, TaroFormIsPrintedAfterTheQuestion) {
    settings.m_bUseWordProcessor = 1;
    for (const char* extension : {"jtd", "JTD"}) {
        settings.m_strWordProcessorExt = extension;
        shell.opened.clear();
        prompt.answers = {Answer::ok};
        EXPECT_EQ(print(), 1);
        ASSERT_EQ(shell.opened.size(), 1u) << extension;
        EXPECT_EQ(shell.opened[0].path, "簿冊タイトル.jtd");
        EXPECT_EQ(shell.opened[0].verb, ShellVerb::print);
    }
    EXPECT_EQ(prompt.asked.back(),
              "選択されている全ての簿冊を対象に印刷します\n\n簿冊タイトルを印刷しますか？");
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(VolumeLinkageTest, WordFormIsMergedByTheWordProcessor) {
    settings.m_bUseWordProcessor = 1;
    settings.m_strVolumeTitleForm = "C:\\様式\\簿冊タイトル.doc";
    for (const char* extension : {"doc", "DOC", "Doc"}) {
        settings.m_strWordProcessorExt = extension;
        shell.started.clear();
        prompt.answers = {Answer::ok};
        EXPECT_EQ(print(), 1);
        ASSERT_EQ(shell.started.size(), 1u) << extension;
        EXPECT_EQ(shell.started[0].commandLine,
                  "C:\\Word\\WINWORD.EXE /mSasikomiKaisi \"C:\\様式\\簿冊タイトル.doc\"");
        EXPECT_FALSE(shell.started[0].wait);
    }
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(VolumeLinkageTest, OtherFormsAreOpened) {
    settings.m_bUseWordProcessor = 1;
    for (const char* extension : {"Jtd", "dOc", "odt", ""}) {
        settings.m_strWordProcessorExt = extension;
        shell.opened.clear();
        prompt.answers = {Answer::ok};
        EXPECT_EQ(print(), 1);
        ASSERT_EQ(shell.opened.size(), 1u) << extension;
        EXPECT_EQ(shell.opened[0].verb, ShellVerb::open);
    }
}

TEST_F(VolumeLinkageTest, PrintingOnlyWritesWhenDeclinedOrWithoutWordProcessor) {
    settings.m_bUseWordProcessor = 0;
    EXPECT_EQ(print(), 1);
    EXPECT_TRUE(prompt.asked.empty());
    settings.m_bUseWordProcessor = 1;
    prompt.answers = {Answer::cancel};
    EXPECT_EQ(print(), 1);
    EXPECT_EQ(prompt.asked.size(), 1u);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(shell.started.empty());
    EXPECT_TRUE(fs::exists(folder / "DocMasterWord.csv"));
}

TEST_F(VolumeLinkageTest, OutsideWindowsTheLabelsAreFilledForTheOfficeSuite) {
    const ScopedOfficeSuiteTemplates officeSuite(true);
    settings.m_bUseWordProcessor = 1;
    settings.m_strWordProcessorExt = "jtd";
    settings.m_strVolumeTitleForm = testing::templateInSources("簿冊タイトル.fodt");
    volumes[0].setTitle("例規集, 第1巻");
    volumes[1].setTitle("A&B <議事録>");
    prompt.answers.push_back(Answer::ok);
    EXPECT_EQ(print(), 1);
    // The CSV files stay as other workstations expect them.
    EXPECT_TRUE(fs::exists(folder / "DocMaster.csv"));
    const std::string labels = testing::readBytes(folder / "簿冊タイトル.fodt");
    EXPECT_NE(labels.find("例規集, 第1巻"), std::string::npos);
    EXPECT_NE(labels.find("A&amp;B &lt;議事録&gt;"), std::string::npos);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].verb, ShellVerb::print);  // 一太郎 forms were printed directly
    EXPECT_EQ(fs::path(shell.opened[0].path), folder / "簿冊タイトル.fodt");
}

}  // namespace
}  // namespace bunrako
