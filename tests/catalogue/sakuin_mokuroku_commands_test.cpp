#include "catalogue/sakuin_mokuroku_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/sakuin_mokuroku_csv.h"
#include "common/cp932.h"
#include "common/file_io.h"
#include "common/office_suite_document.h"
#include "settings/shoki_settei_data.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "volumes/doc_master_data.h"
#include "volumes/volume_folders.h"

namespace bunrako {
namespace {

// The word-processor procedures of Windows, checked on every system.
const ScopedOfficeSuiteTemplates kWordProcessors{false};

using namespace testing;
namespace fs = std::filesystem;

std::string sjis(const std::string& utf8) { return utf8ToCp932(utf8); }

std::string emptyGroups(int count) {
    std::string groups;
    for (int i = 0; i < count; ++i) groups += ",,,,";
    return groups;
}

class CatalogueCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.m_strVolumeFile = pathToUtf8(volumeFile);
        settings.m_strWordProcessorExe = "taro.exe";
        settings.m_strIndexBatchForm = "索引目録（一括）.jtd";
        settings.m_strLinkIndexProgram = "索引連携.xls";
    }

    CDocMasterData volume(const std::string& title) const {
        CDocMasterData v = CDocMasterData::NewRecord(OleDateTime::fromDate(2020, 6, 1));
        v.setDaiBunruiMei("総務");
        v.setChuuBunruiMei("文書");
        v.setShouBunruiMei("会議");
        v.setDaiBunruiCode("01");
        v.setChuuBunruiCode("02");
        v.setShouBunruiCode("03");
        v.setKaMei("総務課");
        v.setKakariMei("庶務係");
        v.setHozonShubetuMei("１０年");
        v.setTitle(title);
        return v;
    }
    // Files one document in the volume's catalogue.
    void file(const CDocMasterData& v, const std::string& subject) {
        CSakuinMokuroku catalogue(prompt, clock);
        catalogue.setVolume(&v);
        catalogue.OpenForVolume(volumeFile);
        catalogue.Load();
        CSakuinMokurokuList entry = CSakuinMokurokuList::Cleared(clock.now());
        entry.receivedDate = OleDateTime::fromDate(2020, 5, 1);
        entry.setDocumentNumberText("8");
        entry.setSubjectText(subject);
        catalogue.AddOrReplace(entry);
    }
    // The batch line of a catalogue of the volume, with or without one entry.
    static std::string line(const std::string& title, const std::string& subject) {
        const std::string head = ",令和2年度,令和2年度,１０年,01-02-03,総務課,庶務係,," + title;
        const std::string entries = subject.empty()
                                        ? emptyGroups(22)
                                        : ",R2.5.1,      8," + subject + "," + emptyGroups(21);
        return sjis("索引目録" + head + entries + "\r\n");
    }

    TempFolder folder;
    FakePrompt prompt;
    FakeShell shell;
    FixedClock clock{OleDateTime::fromDateTime(2021, 2, 10, 10, 0, 0)};
    CShokiSetteiData settings;
    fs::path volumeFile = folder / "DocMaster.dat";
    fs::path dataFolder = folder / "data";
};

TEST_F(CatalogueCommandsTest, BatchPrintingWritesTheCataloguesInSelectionOrder) {
    fs::create_directory(dataFolder);
    const std::vector<CDocMasterData> selected = {volume("会議録"), volume("通知"), volume("照会")};
    file(selected[0], "第一回");
    file(selected[2], "照会文");

    EXPECT_EQ(PrintSakuinIkkatu(prompt, shell, clock, settings, dataFolder, selected), 1);
    const std::string lines = line("会議録", "第一回") + line("通知", "") + line("照会", "照会文");
    EXPECT_EQ(readBytes(dataFolder / "SakuinIkkatu.csv"), lines);
    EXPECT_EQ(readBytes(dataFolder / "SakuinIkkatuWord.csv"),
              SakuinIkkatuWordHeaderBytes() + lines);
    // The word processor is not in use: nothing asked, nothing started.
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_TRUE(shell.started.empty());
    EXPECT_TRUE(shell.opened.empty());
    // The catalogue without a file got one, with the volume's header.
    CSakuinMokuroku second(prompt, clock);
    second.setVolume(&selected[1]);
    second.OpenForVolume(volumeFile);
    EXPECT_EQ(second.Load(), 1);
    EXPECT_EQ(second.header().volumeTitleText(), "通知");
}

TEST_F(CatalogueCommandsTest, NothingSelectedDoesNothing) {
    fs::create_directory(dataFolder);
    settings.m_bUseWordProcessor = 1;
    EXPECT_EQ(PrintSakuinIkkatu(prompt, shell, clock, settings, dataFolder, {}), 0);
    EXPECT_FALSE(fs::exists(dataFolder / "SakuinIkkatu.csv"));
    EXPECT_TRUE(prompt.asked.empty());
}

struct PrintCase {
    const char* extension;
    bool printed;  // the form handed to the shell's print action
    bool started;  // Word started on it with the merge macro
};

class CatalogueBatchPrintTest : public CatalogueCommandsTest,
                                public ::testing::WithParamInterface<PrintCase> {};

TEST_P(CatalogueBatchPrintTest, TheExtensionChoosesHowTheFormIsPrinted) {
    fs::create_directory(dataFolder);
    settings.m_bUseWordProcessor = 1;
    settings.m_strWordProcessorExt = GetParam().extension;
    prompt.answers.push_back(Answer::ok);
    const std::vector<CDocMasterData> selected = {volume("会議録")};

    EXPECT_EQ(PrintSakuinIkkatu(prompt, shell, clock, settings, dataFolder, selected), 1);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0],
              "選択されている全ての簿冊を対象に印刷します\n\n索引目録様式を印刷しますか？");
    if (GetParam().started) {
        ASSERT_EQ(shell.started.size(), 1u);
        EXPECT_EQ(shell.started[0].commandLine,
                  "taro.exe /mSasikomiKaisi \"索引目録（一括）.jtd\"");
        EXPECT_FALSE(shell.started[0].wait);
        EXPECT_TRUE(shell.opened.empty());
    } else {
        EXPECT_TRUE(shell.started.empty());
        ASSERT_EQ(shell.opened.size(), 1u);
        EXPECT_EQ(shell.opened[0].path, "索引目録（一括）.jtd");
        EXPECT_EQ(shell.opened[0].verb, GetParam().printed ? ShellVerb::print : ShellVerb::open);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, CatalogueBatchPrintTest,
    ::testing::Values(PrintCase{"jtd", true, false}, PrintCase{"JTD", true, false},
                      PrintCase{"Jtd", false, false}, PrintCase{"doc", false, true},
                      PrintCase{"DOC", false, true}, PrintCase{"Doc", false, true},
                      PrintCase{"docx", false, false}));

TEST_F(CatalogueCommandsTest, CancellingThePrintKeepsTheFiles) {
    fs::create_directory(dataFolder);
    settings.m_bUseWordProcessor = 1;
    prompt.answers.push_back(Answer::cancel);
    const std::vector<CDocMasterData> selected = {volume("会議録")};
    EXPECT_EQ(PrintSakuinIkkatu(prompt, shell, clock, settings, dataFolder, selected), 1);
    EXPECT_EQ(prompt.asked.size(), 1u);
    EXPECT_TRUE(shell.started.empty());
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(fs::exists(dataFolder / "SakuinIkkatuWord.csv"));
}

TEST_F(CatalogueCommandsTest, AFailedBatchFileStopsThePrinting) {
    settings.m_bUseWordProcessor = 1;
    const std::vector<CDocMasterData> selected = {volume("会議録")};
    // No data folder: the 一太郎 file is the first that fails.
    EXPECT_EQ(PrintSakuinIkkatu(prompt, shell, clock, settings, dataFolder, selected), 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "一太郎用データ作成に失敗しました");
    EXPECT_EQ(prompt.messages[0].icon, MessageIcon::error);
    EXPECT_TRUE(prompt.asked.empty());

    // Only the Word file is blocked.
    prompt.messages.clear();
    fs::create_directories(dataFolder / "SakuinIkkatuWord.csv");
    EXPECT_EQ(PrintSakuinIkkatu(prompt, shell, clock, settings, dataFolder, selected), 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "ワード用データ作成に失敗しました");
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(CatalogueCommandsTest, TheVolumeLinkageAppendsTheChosenVolumesCatalogues) {
    fs::create_directory(dataFolder);
    settings.m_bUseSpreadsheet = 1;
    settings.m_strLinkVolumeProgram = "簿冊連携.xls";
    const std::vector<CDocMasterData> chosen = {volume("会議録"), volume("通知")};
    file(chosen[1], "通知文");
    EXPECT_EQ(
        VolumeDataLinkage(prompt, shell, settings, dataFolder, chosen, VolumeLinkageTab::volumeList,
                          SakuinIkkatuLinkageStep(prompt, clock, settings, dataFolder)),
        1);
    EXPECT_TRUE(fs::exists(dataFolder / "DocMaster.csv"));
    const std::string lines = line("会議録", "") + line("通知", "通知文");
    EXPECT_EQ(readBytes(dataFolder / "SakuinIkkatu.csv"), lines);
    EXPECT_EQ(readBytes(dataFolder / "SakuinIkkatuWord.csv"),
              SakuinIkkatuWordHeaderBytes() + lines);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].path, "簿冊連携.xls");

    // A catalogue file that cannot be written stops the linkage before the
    // linkage file is opened.
    fs::remove(dataFolder / "SakuinIkkatuWord.csv");
    fs::create_directory(dataFolder / "SakuinIkkatuWord.csv");
    EXPECT_EQ(
        VolumeDataLinkage(prompt, shell, settings, dataFolder, chosen, VolumeLinkageTab::volumeList,
                          SakuinIkkatuLinkageStep(prompt, clock, settings, dataFolder)),
        0);
    EXPECT_EQ(prompt.lastMessage(), "ワード用データ作成に失敗しました");
    EXPECT_EQ(shell.opened.size(), 1u);
}

class CatalogueLinkageTest : public CatalogueCommandsTest {
  protected:
    CSakuinMokurokuHeader header() const {
        CSakuinMokurokuHeader h = CSakuinMokurokuHeader::Cleared(clock.now());
        h.setVolumeTitleText("会議録");
        return h;
    }
};

TEST_F(CatalogueLinkageTest, WritesAllThreeFilesAndOpensTheLinkageFile) {
    fs::create_directory(dataFolder);
    settings.m_bUseSpreadsheet = 1;
    settings.m_nCalendarMode = 1;
    writeBytes(dataFolder / "SakuinIkkatu.csv", "an earlier batch");
    CSakuinMokurokuList entry{};
    entry.receivedDate = OleDateTime::fromDate(2020, 7, 7);
    entry.setDocumentNumberText("3");
    entry.setSubjectText("七夕");
    const std::vector<CSakuinMokurokuList> shown = {entry};

    EXPECT_EQ(LinkSakuinMokuroku(prompt, shell, settings, dataFolder, header(), shown), 1);
    const std::string head = ",2020年度,2020年度,５年,--,,,,会議録";
    const std::string batch =
        sjis("索引目録" + head + ",20.07.07,      3,七夕," + emptyGroups(21) + "\r\n");
    EXPECT_EQ(readBytes(dataFolder / "SakuinIkkatu.csv"), batch);
    EXPECT_EQ(readBytes(dataFolder / "SakuinIkkatuWord.csv"),
              SakuinIkkatuWordHeaderBytes() + batch);
    EXPECT_EQ(readBytes(dataFolder / "SakuinMokuroku.csv"),
              sjis("索引目録" + head + ",0,2020年\r\n20.07.07,      3,七夕,\r\n"));
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].path, "索引連携.xls");
    EXPECT_EQ(shell.opened[0].verb, ShellVerb::open);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CatalogueLinkageTest, TheLinkageFileOpensOnlyWithTheSpreadsheetInUse) {
    fs::create_directory(dataFolder);
    EXPECT_EQ(LinkSakuinMokuroku(prompt, shell, settings, dataFolder, header(), {}), 1);
    EXPECT_TRUE(shell.opened.empty());
    settings.m_bUseSpreadsheet = 1;
    settings.m_strLinkIndexProgram.clear();
    EXPECT_EQ(LinkSakuinMokuroku(prompt, shell, settings, dataFolder, header(), {}), 1);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(CatalogueLinkageTest, FilesThatCannotBeWrittenAreToldAndTheLinkageGoesOn) {
    settings.m_bUseSpreadsheet = 1;
    EXPECT_EQ(LinkSakuinMokuroku(prompt, shell, settings, dataFolder, header(), {}), 0);
    ASSERT_EQ(prompt.messages.size(), 3u);
    EXPECT_EQ(prompt.messages[0].text,
              pathToUtf8(dataFolder / "SakuinIkkatuWord.csv") + ":ファイル未定義");
    EXPECT_EQ(prompt.messages[1].text,
              pathToUtf8(dataFolder / "SakuinIkkatu.csv") + ":ファイル未定義");
    EXPECT_EQ(prompt.messages[2].text,
              pathToUtf8(dataFolder / "SakuinMokuroku.csv") + ":ファイル未定義");
    EXPECT_EQ(shell.opened.size(), 1u);
}

}  // namespace
}  // namespace bunrako
