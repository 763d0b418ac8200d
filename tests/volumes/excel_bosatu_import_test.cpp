#include "volumes/excel_bosatu_import.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/cp932.h"
#include "common/file_io.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/import_masters.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_list.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
namespace masters = testing::import_masters;
namespace vb = testing::volume_bytes;
using testing::readBytes;
using testing::writeBytes;

constexpr const char* kHeader =
    "No,作成年度,課名,係名,大分類,中分類,小分類,タイトル,冊数,"
    "収納開始,収納終了,保存年限,満了年月,常用,目次,廃棄年月";

std::string cp(const std::string& utf8) { return utf8ToCp932(utf8); }

class ExcelBosatuImportTest : public ::testing::Test {
  protected:
    ExcelBosatuImportTest() {
        fs::create_directory(folder / "in");
        // One volume already stored: 総務課/庶務係 条例 "例規集", fiscal 2020.
        writeBytes(volumeFile,
                   vb::file(1, {vb::volume("502001001 1 2 3000100", "\x97\xe1\x8b\x4b\x8f\x57")}));
        importer.SetProgress([this](int percent) { progress.push_back(percent); });
    }

    void writeCsv(const std::vector<std::string>& lines) {
        std::string text = kHeader;
        for (const std::string& line : lines) text += "\r\n" + line;
        writeBytes(csv, cp(text + "\r\n"));
    }

    std::vector<std::string> storedTitles() {
        CDocMasterList list(volumeFile, prompt);
        list.Read();
        std::vector<std::string> titles;
        for (const CDocMasterData& volume : list.records()) titles.push_back(volume.title());
        return titles;
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FakeShell shell;
    fs::path csv = folder / "in" / "文書整理一覧表一括入力用標準様式.csv";
    fs::path volumeFile = folder / "DocMaster.dat";
    CSetteiKoumokuList department = masters::department();
    CSetteiKoumokuList classification = masters::classification();
    CSetteiKoumokuList retention = masters::retention();
    CExcelBosatuImport importer{0, 0, department, classification, retention};
    std::vector<int> progress;
};

TEST_F(ExcelBosatuImportTest, ThreeStepsWithTheirErrorListsBesideTheCsv) {
    writeCsv({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有",
              "2,X2,総務課,庶務係,文書,例規,条例,不正,1,R1,R2,5,R8.4,常用,有",
              "3,R2,総務課,財政係,文書,例規,条例,会議録,1,R2,R2,永,R8.4,,,R7.3",
              "4,R3,総務課,庶務係,文書,例規,規則,規則集,1,R3,R3,永,R9.4,,有"});
    const auto read = importer.ReadCsv(prompt, csv);
    EXPECT_TRUE(read.done);
    EXPECT_EQ(read.count, 3u);
    EXPECT_EQ(read.listed, 1u);
    EXPECT_EQ(read.leftOut, 1u);
    EXPECT_EQ(read.errorList, folder / "in" / "ErrorExcelBosatu.txt");
    EXPECT_EQ(readBytes(read.errorList),
              cp("=== CSVファイルからの読み込みでエラーが生じた項目のリスト ===\r\n"
                 "2,X2,総務課,庶務係,文書,例規,条例,不正,1,R1,R2,5,R8.4,常用,有\r\n"
                 "　→ 3行目：作成年度「X2」を年度として読めません（例：R2）。"
                 "取り込みませんでした\r\n"));

    const auto converted = importer.Convert(prompt);
    EXPECT_TRUE(converted.done);
    EXPECT_EQ(converted.count, 2u);
    EXPECT_EQ(converted.leftOut, 1u);
    EXPECT_EQ(readBytes(folder / "in" / "ErrorExcelBosatuHenkan.txt"),
              cp("=== データ変換でエラーが生じた項目のリスト ===\r\n"
                 "R2,総務課,財政係,文書,例規,条例,会議録,1,R2,R2,99,R8.4,書庫,目次無,R7.3,"
                 "4行目：課・係「総務課・財政係」が課室局等の設定にありません\r\n"));

    const auto stored = importer.Store(prompt, volumeFile);
    EXPECT_TRUE(stored.done);
    EXPECT_EQ(stored.count, 2u);
    EXPECT_EQ(storedTitles(), (std::vector<std::string>{"例規集", "予算書", "規則集"}));
    CDocMasterList list(volumeFile, prompt);
    list.Read();
    // Numbered after the stored volume of the same prefix.
    EXPECT_EQ(list[1].kanriBangou(), "502001001 1 2 3000200");
    EXPECT_EQ(list[2].kanriBangou(), "503001001 1 2 4000100");
    // Stored without creating folders.
    EXPECT_FALSE(fs::exists(folder / "文書"));
    EXPECT_TRUE(prompt.messages.empty());

    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 25);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_NE(std::find(progress.begin(), progress.end(), 50), progress.end());
    EXPECT_NE(std::find(progress.begin(), progress.end(), 75), progress.end());
}

TEST_F(ExcelBosatuImportTest, CleanRunWritesTheNoErrorLines) {
    writeCsv({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有"});
    EXPECT_EQ(importer.ReadCsv(prompt, csv).listed, 0u);
    EXPECT_EQ(readBytes(folder / "in" / "ErrorExcelBosatu.txt"),
              cp("=== CSVファイルからの読み込みでのエラーはありません ===\r\n"));
    EXPECT_EQ(importer.Convert(prompt).listed, 0u);
    EXPECT_EQ(readBytes(folder / "in" / "ErrorExcelBosatuHenkan.txt"),
              cp("=== データ変換でのエラーはありません ===\r\n"));
}

// Another workstation adds a volume while the dialog is open: step 3
// re-reads the file, so that volume stays.
TEST_F(ExcelBosatuImportTest, StoreKeepsVolumesAddedMeanwhile) {
    writeCsv({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有"});
    importer.ReadCsv(prompt, csv);
    importer.Convert(prompt);

    CDocMasterList other(volumeFile, prompt);
    other.Read();
    CDocMasterData added = other[0];
    added.setTitle("人事記録");
    ASSERT_EQ(other.AddOrReplace(added), 1);

    EXPECT_EQ(importer.Store(prompt, volumeFile).count, 1u);
    EXPECT_EQ(storedTitles(), (std::vector<std::string>{"例規集", "人事記録", "予算書"}));
    CDocMasterList list(volumeFile, prompt);
    list.Read();
    EXPECT_EQ(list[2].kanriBangou(), "502001001 1 2 3000300");
    EXPECT_TRUE(fs::exists(folder / "DocMaster.da$"));
}

TEST_F(ExcelBosatuImportTest, TheLastOfTheSameVolumeWins) {
    writeCsv({"1,R2,総務課,庶務係,文書,例規,条例,例規集,2,R1,R2,5,R8.4,常用,有",
              "2,R2,総務課,庶務係,文書,例規,条例,例規集,7,R1,R2,5,R8.4,常用,有"});
    importer.ReadCsv(prompt, csv);
    importer.Convert(prompt);
    EXPECT_EQ(importer.Store(prompt, volumeFile).count, 2u);
    CDocMasterList list(volumeFile, prompt);
    list.Read();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Sassuu, 7);
    EXPECT_EQ(list[0].kanriBangou(), "502001001 1 2 3000100");
}

TEST_F(ExcelBosatuImportTest, MissingCsvIsReportedAndReadsNothing) {
    const auto read = importer.ReadCsv(prompt, folder / "in" / "none.csv");
    EXPECT_FALSE(read.done);
    EXPECT_NE(prompt.lastMessage().find("none.csv:Open\n:"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "in" / "ErrorExcelBosatu.txt"));
    const auto converted = importer.Convert(prompt);
    EXPECT_FALSE(converted.done);
    EXPECT_TRUE(converted.errorList.empty());
    EXPECT_EQ(importer.Store(prompt, volumeFile).count, 0u);
}

TEST_F(ExcelBosatuImportTest, ErrorListThatCannotBeWrittenLosesNoRow) {
    fs::create_directory(folder / "in" / "ErrorExcelBosatu.txt");
    writeCsv({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有"});
    const auto read = importer.ReadCsv(prompt, csv);
    EXPECT_TRUE(read.done);
    EXPECT_EQ(read.count, 1u);
    EXPECT_TRUE(read.errorList.empty());
    EXPECT_NE(prompt.lastMessage().find("ErrorExcelBosatu.txt:Open\n:"), std::string::npos);
    EXPECT_EQ(importer.Convert(prompt).count, 1u);
}

TEST_F(ExcelBosatuImportTest, VolumeFileThatWillNotOpenIsLeftAlone) {
    writeCsv({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有"});
    importer.ReadCsv(prompt, csv);
    importer.Convert(prompt);
    const auto stored = importer.Store(prompt, folder / "gone" / "DocMaster.dat");
    EXPECT_FALSE(stored.done);
    EXPECT_EQ(stored.count, 0u);
    EXPECT_FALSE(fs::exists(folder / "gone"));
    EXPECT_NE(prompt.lastMessage().find("エラー：ネットワーク確立等確認して下さい"),
              std::string::npos);
}

TEST_F(ExcelBosatuImportTest, WesternSettingsReadWesternCells) {
    CExcelBosatuImport western(1, 3, department, classification, retention);
    writeCsv({"1,2020,総務課,庶務係,文書,例規,条例,予算書,2,2019,2020,10,2030.12,常用,有"});
    EXPECT_EQ(western.ReadCsv(prompt, csv).count, 1u);
    EXPECT_EQ(western.Convert(prompt).count, 1u);
    EXPECT_EQ(western.Volumes()[0].SakuseiNendo, OleDateTime::fromDate(2020, 1, 1));
    EXPECT_EQ(western.Volumes()[0].hozonShubetuMei(), "10年");
}

// ---- What the dialog shows after each step ------------------------------

TEST_F(ExcelBosatuImportTest, ReportsCountAndOpensAListThatListsAnything) {
    CExcelBosatuImport::StepReport report;
    report.done = true;
    report.count = 12;
    report.errorList = folder / "in" / "ErrorExcelBosatu.txt";
    CExcelBosatuImport::ShowReadReport(prompt, shell, report);
    EXPECT_EQ(prompt.lastMessage(), "12個のデータを取り込みました。");
    EXPECT_TRUE(shell.opened.empty());

    report.listed = 3;
    report.leftOut = 2;
    CExcelBosatuImport::ShowReadReport(prompt, shell, report);
    EXPECT_EQ(prompt.lastMessage(),
              "12個のデータを取り込みました。\n\n読み込んだＣＳＶファイルには、"
              "不適切なデータ形式がありました\n\n不適切なデータ形式のある項目は取り込みませんでした"
              "\n\n長すぎる項目は、切り詰めて取り込みました（エラーのリストをご確認ください）");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].path, pathToUtf8(report.errorList));
    EXPECT_EQ(shell.opened[0].verb, ShellVerb::open);

    report.listed = report.leftOut = 1;
    report.count = 4;
    CExcelBosatuImport::ShowConvertReport(prompt, shell, report);
    EXPECT_EQ(prompt.lastMessage(),
              "4個のデータを変換しました。\n\nデータ変換において、不適切なデータ形式がありました"
              "\n\n不適切なデータ形式のある項目は変換しませんでした");
    EXPECT_EQ(shell.opened.size(), 2u);

    CExcelBosatuImport::ShowStoreNotice(prompt);
    EXPECT_EQ(prompt.messages.back().text,
              "文書整理一覧表にデータを登録します\n\n登録後確認をお願いします");
    EXPECT_EQ(prompt.messages.back().caption, "文書整理一覧表データ追加処理");
    EXPECT_EQ(prompt.messages.back().icon, MessageIcon::information);
    CExcelBosatuImport::ShowStoreReport(prompt, report);
    EXPECT_EQ(prompt.lastMessage(), "4個のデータを登録しました。");

    const size_t shown = prompt.messages.size();
    CExcelBosatuImport::ShowStoreReport(prompt, {});
    CExcelBosatuImport::ShowReadReport(prompt, shell, {});
    EXPECT_EQ(prompt.messages.size(), shown);
}

}  // namespace
}  // namespace bunrako
