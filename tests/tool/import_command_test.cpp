#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <nlohmann/json.hpp>
#include <sstream>

#include "common/cp932.h"
#include "common/file_io.h"
#include "settings/shoki_settei_file.h"
#include "support/fake_prompt.h"
#include "support/le_bytes.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "tool/cli.h"
#include "volumes/doc_master_list.h"

namespace bunrako::cli {
namespace {

using bunrako::testing::runDump;
using bunrako::testing::runTool;
using bunrako::testing::ToolRun;

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

ToolRun tool(const std::vector<std::string>& args) { return runTool(args); }

std::string cp(const std::string& utf8) { return utf8ToCp932(utf8); }

std::string countWord(uint32_t count) { return testing::le32(count); }

// A master file: the count, then 93-byte items (code, name, second value).
std::string masterFile(const std::vector<std::array<const char*, 3>>& items) {
    std::string bytes = countWord(static_cast<uint32_t>(items.size()));
    for (const auto& [code, name, subName] : items) {
        std::string item(93, '\0');
        const std::string n = cp(name), s = cp(subName);
        item.replace(0, std::strlen(code), code);
        item.replace(11, n.size(), n);
        item.replace(52, s.size(), s);
        bytes += item;
    }
    return bytes;
}

constexpr const char* kHeader =
    "No,作成年度,課名,係名,大分類,中分類,小分類,タイトル,冊数,"
    "収納開始,収納終了,保存年限,満了年月,常用,目次,廃棄年月";

class ImportCommandTest : public ::testing::Test {
  protected:
    ImportCommandTest() {
        fs::create_directory(data);
        fs::create_directory(folder / "in");
        writeSettings(0);
        writeBytes(data / "Kamei.dat",
                   masterFile({{"0010000000", "総務課", ""}, {"0010010000", "庶務係", ""}}));
        writeBytes(data / "BosatuBunrui.dat", masterFile({{"0010000000", "文書", "1"},
                                                          {"0010010000", "例規", "2"},
                                                          {"0010010001", "条例", "3"}}));
        writeBytes(data / "HozonNengen.dat",
                   masterFile({{"0010000000", "5年", "5"}, {"0020000000", "永年", "99"}}));
    }

    void writeSettings(int calendarMode) {
        CShokiSetteiData settings;
        settings.m_nCalendarMode = calendarMode;
        writeBytes(data / "ShokiSettei.dat", ShokiSetteiFileBytes({settings}));
    }

    void writeCsv(const std::vector<std::string>& lines) {
        std::string text = kHeader;
        for (const std::string& line : lines) text += "\r\n" + line;
        writeBytes(csv, cp(text + "\r\n"));
    }

    ToolRun import(std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"import", pathToUtf8(csv), "--data-folder",
                                         pathToUtf8(data)};
        args.insert(args.end(), extra.begin(), extra.end());
        return tool(args);
    }

    size_t storedVolumes(const fs::path& file) {
        testing::FakePrompt prompt;
        CDocMasterList list(file, prompt);
        list.Read();
        return list.size();
    }

    testing::TempFolder folder;
    fs::path data = folder / "data";
    fs::path csv = folder / "in" / "volumes.csv";
};

TEST_F(ImportCommandTest, SettingsWithAnUnknownPeriodStopBeforeAnyLineIsRead) {
    CShokiSetteiData settings;
    settings.m_nManagementPeriod = 7;
    writeBytes(data / "ShokiSettei.dat", ShokiSetteiFileBytes({settings}));
    writeCsv({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有"});
    const ToolRun result = import();
    EXPECT_EQ(result.status, kFailure);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err, pathToUtf8(data / "ShokiSettei.dat") +
                              ": 初期設定の「管理期間」の値 7 は 0〜3 のどれでもありません。"
                              "取り込みを中止しました\n");
    EXPECT_FALSE(fs::exists(data / "DocMaster.dat"));
}

TEST_F(ImportCommandTest, ImportsIntoTheSettingsVolumeFileInTheDataFolder) {
    writeCsv({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有",
              "2,R2,総務課,庶務係,文書,例規,条例,人事記録,1,R2,R2,永,R8.4,,有"});
    const ToolRun result = import();
    ASSERT_EQ(result.status, kSuccess) << result.err;
    const auto document = nlohmann::json::parse(result.out);
    EXPECT_EQ(document["read"], 2);
    EXPECT_EQ(document["converted"], 2);
    EXPECT_EQ(document["stored"], 2);
    EXPECT_EQ(document["errorLists"][0], pathToUtf8(folder / "in" / "ErrorExcelBosatu.txt"));
    EXPECT_EQ(storedVolumes(data / "DocMaster.dat"), 2u);
    EXPECT_EQ(readBytes(folder / "in" / "ErrorExcelBosatu.txt"),
              cp("=== CSVファイルからの読み込みでのエラーはありません ===\r\n"));
    EXPECT_EQ(readBytes(folder / "in" / "ErrorExcelBosatuHenkan.txt"),
              cp("=== データ変換でのエラーはありません ===\r\n"));
}

TEST_F(ImportCommandTest, ListedLinesAndRowsMakeItExitOne) {
    writeCsv({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有",
              "2,R2,総務課,庶務係,文書,例規,条例,予算書,x,R1,R2,5,R8.4,常用,有",
              "3,R2,総務課,経理係,文書,例規,条例,会議録,1,R1,R2,5,R8.4,常用,有"});
    const ToolRun result = import();
    EXPECT_EQ(result.status, kFailure);
    const auto document = nlohmann::json::parse(result.out);
    EXPECT_EQ(document["read"], 2);
    EXPECT_EQ(document["converted"], 1);
    EXPECT_EQ(document["stored"], 1);
    EXPECT_EQ(document["readErrors"], 1);
    EXPECT_EQ(document["convertErrors"], 1);
    EXPECT_NE(readBytes(folder / "in" / "ErrorExcelBosatuHenkan.txt")
                  .find(cp("4行目：課・係「総務課・経理係」が課室局等の設定にありません")),
              std::string::npos);
}

TEST_F(ImportCommandTest, VolumeFileOptionAndWesternSettings) {
    writeSettings(1);
    writeCsv({"1,2020,総務課,庶務係,文書,例規,条例,予算書,2,2019,2020,5,2026.4,常用,有"});
    const ToolRun result = import({"--volume-file", pathToUtf8(folder / "Other.dat")});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(storedVolumes(folder / "Other.dat"), 1u);
    EXPECT_FALSE(fs::exists(data / "DocMaster.dat"));
}

TEST_F(ImportCommandTest, WrongUsageAndMissingPlaces) {
    writeCsv({});
    EXPECT_EQ(tool({"import"}).status, kUsage);
    EXPECT_EQ(tool({"import", pathToUtf8(csv)}).status, kUsage);
    EXPECT_EQ(tool({"import", pathToUtf8(csv), "--data-folder"}).status, kUsage);

    const ToolRun noFolder =
        tool({"import", pathToUtf8(csv), "--data-folder", pathToUtf8(folder / "none")});
    EXPECT_EQ(noFolder.status, kFailure);
    EXPECT_NE(noFolder.err.find("データフォルダがありません"), std::string::npos);

    fs::remove(data / "ShokiSettei.dat");
    const ToolRun noSettings = import();
    EXPECT_EQ(noSettings.status, kFailure);
    EXPECT_NE(noSettings.err.find("ShokiSettei.dat）がありません"), std::string::npos);
    EXPECT_FALSE(fs::exists(data / "ShokiSettei.dat"));

    const ToolRun noCsv =
        tool({"import", pathToUtf8(folder / "none.csv"), "--data-folder", pathToUtf8(data)});
    EXPECT_EQ(noCsv.status, kFailure);
    EXPECT_NE(noCsv.err.find("none.csv:ファイルがありません"), std::string::npos);
}

TEST_F(ImportCommandTest, HeaderOnlyStoresNothing) {
    writeCsv({});
    const ToolRun result = import();
    EXPECT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(nlohmann::json::parse(result.out)["stored"], 0);
    EXPECT_FALSE(fs::exists(data / "DocMaster.dat"));
}

}  // namespace
}  // namespace bunrako::cli
