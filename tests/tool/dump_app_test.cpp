#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "support/archive_bytes.h"
#include "support/settings_bytes.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "tool/cli.h"

namespace bunrako::cli {
namespace {

using bunrako::testing::runDump;
using bunrako::testing::runTool;
using bunrako::testing::ToolRun;

using bunrako::testing::cstr;
using bunrako::testing::i32;
using bunrako::testing::masterItem;
using bunrako::testing::settingsFieldsTo20;
using bunrako::testing::settingsFieldsTo23;
using bunrako::testing::str;
using bunrako::testing::TempFolder;
using bunrako::testing::writeBytes;

ToolRun dump(const std::filesystem::path& file, const std::string& kind = {}) {
    return runDump(file, kind);
}

TEST(DumpMaster, PrintsCodeNameAndSubName) {
    TempFolder folder;
    writeBytes(folder / "HozonNengen.dat", i32(2) + masterItem("0010000000", "\x31\x94\x4e", "1") +
                                               masterItem("0020000000", "A"));
    const ToolRun r = dump(folder / "HozonNengen.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "{\"kind\":\"master\",\"version\":null,\"records\":["
              "{\"code\":\"0010000000\",\"name\":\"1年\",\"subName\":\"1\"},"
              "{\"code\":\"0020000000\",\"name\":\"A\",\"subName\":\"\"}]}\n");
    EXPECT_EQ(r.err, "");
}

TEST(DumpMaster, ATruncatedMasterPrintsWhatIsCompleteAndSaysWhatWasDropped) {
    TempFolder folder;
    writeBytes(folder / "Kamei.dat", i32(3) + masterItem("0010000000", "A") + "xx");
    const ToolRun r = dump(folder / "Kamei.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"code\":\"0010000000\""), std::string::npos);
    EXPECT_NE(r.err.find("レコード数 3 のうち 1 件を読み込みました。"), std::string::npos);
}

TEST(DumpSettings, PrintsTheVersionAndEveryStoredField) {
    TempFolder folder;
    writeBytes(folder / "ShokiSettei.dat", cstr("Ver20030101") + settingsFieldsTo23("総務課"));
    const ToolRun r = dump(folder / "ShokiSettei.dat");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::ordered_json::parse(r.out);
    EXPECT_EQ(json["kind"], "settings");
    EXPECT_EQ(json["version"], "Ver20030101");
    ASSERT_EQ(json["records"].size(), 1u);
    const auto& record = json["records"][0];
    EXPECT_EQ(record.size(), 31u);
    EXPECT_EQ(record.begin().key(), "m_strSectionName");
    EXPECT_EQ(record["m_strSectionName"], "総務課");
    EXPECT_EQ(record["m_bUseWordProcessor"], 1);
    EXPECT_EQ(record["m_strNumberPrefix"], "第");
    EXPECT_EQ(record["m_strLinkDisposedProgram"], "");
    EXPECT_FALSE(record.contains("m_nNextReceiptNo"));
}

TEST(DumpSettings, UntaggedFilesHaveNoVersion) {
    TempFolder folder;
    writeBytes(folder / "ShokiSettei.dat", settingsFieldsTo20("総務課"));
    const ToolRun r = dump(folder / "ShokiSettei.dat");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::ordered_json::parse(r.out);
    EXPECT_TRUE(json["version"].is_null());
    EXPECT_EQ(json["records"][0]["m_strNumberPrefix"], "上保第");
}

TEST(DumpSettings, AnEmptyFileIsUnreadableAndATruncatedOneNamesItsField) {
    TempFolder folder;
    writeBytes(folder / "ShokiSettei.dat", "");
    ToolRun r = dump(folder / "ShokiSettei.dat");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              (folder / "ShokiSettei.dat").string() +
                  "データバージョン:オブジェクトの読み込み中にファイルの終わりに到達しました。\n");

    writeBytes(folder / "ShokiSettei.dat",
               cstr("Ver20030101") + settingsFieldsTo23("a") + str("b") + str("c"));
    r = dump(folder / "ShokiSettei.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(nlohmann::ordered_json::parse(r.out)["records"].size(), 1u);
    EXPECT_NE(r.err.find("課分類コード"), std::string::npos) << r.err;
}

TEST(DumpReceipts, PrintsThePairsAndSaysWhatWasCutOff) {
    TempFolder folder;
    writeBytes(folder / "KenMeibo.dan", str("総務課") + i32(25) + str("財政課") + "\x01\x02");
    const ToolRun r = dump(folder / "KenMeibo.dan");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "{\"kind\":\"receipts\",\"version\":null,\"records\":["
              "{\"m_strSectionName\":\"総務課\",\"m_nNextReceiptNo\":25}]}\n");
    EXPECT_EQ(r.err, (folder / "KenMeibo.dan").string() +
                         ":末尾の不完全な組 9 バイトを読み飛ばしました。\n");
}

TEST(DumpApp, KindsAreGuessedAndMissingFilesAreNotCreated) {
    TempFolder folder;
    const ToolRun r = dump(folder / "Kamei.dat");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(folder / "Kamei.dat"));
    writeBytes(folder / "numbers.bin", str("a") + i32(3));
    EXPECT_EQ(dump(folder / "numbers.bin", "receipts").status, 0);
}

}  // namespace
}  // namespace bunrako::cli
