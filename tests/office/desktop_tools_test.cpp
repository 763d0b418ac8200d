#include "office/desktop_tools.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "office/texts.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_data.h"
#include "settings/texts.h"
#include "support/fake_file_browser.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/temp_folder.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

using testing::FakeFileBrowser;
using testing::FakePrompt;
using testing::FakeShell;
using testing::TempFolder;
using Kind = DesktopTools::DocumentKind;

std::string text(const std::filesystem::path& path) { return pathToUtf8(path); }

class DesktopToolsTest : public ::testing::Test {
  protected:
    DesktopToolsTest() {
        settings.m_strVolumeFile = text(folder / "DocMaster.dat");
        settings.m_strFileManagerExe = "explorer.exe";
        settings.m_strWordProcessorExe = "taro.exe";
        settings.m_strSpreadsheetExe = "calc.exe";
        volume.setDaiBunruiMei("総務");
        volume.setChuuBunruiMei("文書");
        volume.setShouBunruiMei("例規");
        volume.setTitle("会議録");
    }

    std::string inFolder(std::string_view relative) const {
        return text(folder.path() / pathFromUtf8(relative));
    }
    std::string dataFolder() const { return text(folder.path()) + "/"; }

    TempFolder folder;
    FakePrompt prompt;
    FakeShell shell;
    FakeFileBrowser browser;
    DesktopTools tools{prompt, shell, browser};
    CShokiSetteiData settings;
    CDocMasterData volume;
    CSetteiKoumokuList classifications;
};

TEST_F(DesktopToolsTest, PersonalFolderNeedsBothSettings) {
    settings.m_strPersonalFolder = "/home/clerk/個人 フォルダ";
    settings.m_bUseFileManager = 1;
    tools.OpenPersonalFolder(settings);
    settings.m_bUseFileManager = 0;
    settings.m_bUsePersonalFolder = 1;
    tools.OpenPersonalFolder(settings);
    EXPECT_TRUE(shell.started.empty());

    settings.m_bUseFileManager = 1;
    tools.OpenPersonalFolder(settings);
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].commandLine, "explorer.exe \"/home/clerk/個人 フォルダ\"");
    EXPECT_FALSE(shell.started[0].wait);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(DesktopToolsTest, GeneralDocumentsDoNothingWhileTheirProgramIsOff) {
    tools.OpenGeneralDocument(settings, dataFolder(), Kind::wordProcessor, nullptr);
    tools.OpenGeneralDocument(settings, dataFolder(), Kind::spreadsheet, &volume);
    EXPECT_TRUE(browser.browsed.empty());
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(DesktopToolsTest, TheDialogProposesTheDocumentBesideTheVolumeFile) {
    settings.m_bUseWordProcessor = 1;
    tools.OpenGeneralDocument(settings, dataFolder(), Kind::wordProcessor, nullptr);
    ASSERT_EQ(browser.browsed.size(), 1u);
    EXPECT_EQ(browser.browsed[0].folder, text(folder.path()));
    EXPECT_EQ(browser.browsed[0].fileName, "一般文書.jtd");
    EXPECT_EQ(browser.browsed[0].defaultExtension, "jtd");
    EXPECT_EQ(browser.browsed[0].filter, office::texts::kWordProcessorFilter);
    EXPECT_TRUE(browser.browsed[0].open);
    EXPECT_TRUE(shell.started.empty());  // cancelled
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(DesktopToolsTest, ASelectedVolumeProposesItsTitleFolder) {
    settings.m_bUseSpreadsheet = 1;
    tools.OpenGeneralDocument(settings, dataFolder(), Kind::spreadsheet, &volume);
    ASSERT_EQ(browser.browsed.size(), 1u);
    EXPECT_EQ(browser.browsed[0].folder, inFolder("総務/文書/例規/会議録"));
    EXPECT_EQ(browser.browsed[0].fileName, "一般文書.xls");
    EXPECT_EQ(browser.browsed[0].filter, office::texts::kSpreadsheetFilter);
}

TEST_F(DesktopToolsTest, AnExistingDocumentOpensWithItsAssociation) {
    settings.m_bUseWordProcessor = 1;
    testing::writeBytes(folder / "memo.txt", "x");
    browser.answers.push_back(inFolder("memo.txt"));
    tools.OpenGeneralDocument(settings, dataFolder(), Kind::wordProcessor, nullptr);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].path, inFolder("memo.txt"));
    EXPECT_EQ(shell.opened[0].verb, ShellVerb::open);
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(DesktopToolsTest, ANameWithoutTheExtensionFindsTheDocumentWithIt) {
    settings.m_bUseWordProcessor = 1;
    testing::writeBytes(folder / "memo.jtd", "x");
    browser.answers.push_back(inFolder("memo"));
    tools.OpenGeneralDocument(settings, dataFolder(), Kind::wordProcessor, nullptr);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].path, inFolder("memo.jtd"));
}

TEST_F(DesktopToolsTest, ANewDocumentStartsFromTheTemplate) {
    settings.m_bUseWordProcessor = 1;
    testing::writeBytes(folder / "一般文書.jtd", "template");
    browser.answers.push_back(inFolder("回答.JTD"));
    tools.OpenGeneralDocument(settings, dataFolder(), Kind::wordProcessor, nullptr);
    // The extension counts whatever its case; nothing is appended.
    EXPECT_EQ(testing::readBytes(folder / "回答.JTD"), "template");
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].commandLine, "taro.exe \"" + inFolder("回答.JTD") + "\"");
    EXPECT_FALSE(shell.started[0].wait);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(DesktopToolsTest, ANewNameGetsTheStandardExtension) {
    settings.m_bUseSpreadsheet = 1;
    testing::writeBytes(folder / "一般文書.xls", "sheet");
    browser.answers.push_back(inFolder("集計"));
    tools.OpenGeneralDocument(settings, dataFolder(), Kind::spreadsheet, nullptr);
    EXPECT_EQ(testing::readBytes(folder / "集計.xls"), "sheet");
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].commandLine, "calc.exe \"" + inFolder("集計.xls") + "\"");
}

TEST_F(DesktopToolsTest, TheFileManagerOpensTheVolumesClassificationFolder) {
    tools.OpenFileManager(settings, &volume, classifications);
    EXPECT_TRUE(shell.started.empty());  // off in the settings

    settings.m_bUseFileManager = 1;
    tools.OpenFileManager(settings, &volume, classifications);
    tools.OpenFileManager(settings, nullptr, classifications);
    ASSERT_EQ(shell.started.size(), 2u);
    EXPECT_EQ(shell.started[0].commandLine, "explorer.exe \"" + inFolder("総務/文書/例規") + "/\"");
    EXPECT_EQ(shell.started[1].commandLine, "explorer.exe \"" + text(folder.path()) + "/\"");
}

TEST_F(DesktopToolsTest, AProgramThatWillNotStartIsReported) {
    settings.m_bUseFileManager = 1;
    shell.startResult = 0;
    tools.OpenFileManager(settings, nullptr, classifications);
    EXPECT_EQ(prompt.messages.size(), 1u);
}

}  // namespace
}  // namespace bunrako
