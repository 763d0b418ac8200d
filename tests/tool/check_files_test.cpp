// Damaged files built byte by byte, one table per kind of file: what the
// program's own reader makes of each, and the line `check` prints for it.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "catalogue/sakuin_mokuroku_file.h"
#include "catalogue/touroku_tyouhyou.h"
#include "register/hassin_jusin_list.h"
#include "register/kessai_kubun_table.h"
#include "register/shoku_simei_list.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_file.h"
#include "support/archive_images.h"
#include "support/catalogue_images.h"
#include "support/fake_prompt.h"
#include "support/settings_bytes.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "tool/cli.h"
#include "volumes/doc_master_list.h"

namespace bunrako::cli {
namespace {

namespace fs = std::filesystem;
using bunrako::testing::FakePrompt;
using bunrako::testing::i32;
using bunrako::testing::masterItem;
using bunrako::testing::readBytes;
using bunrako::testing::shortString;
using bunrako::testing::TempFolder;
using bunrako::testing::writeBytes;

// Writes the file and runs `check` on it: a clean file passes, any other
// prints the expected text in one of its problem lines and fails.
void expectCheckLine(const fs::path& file, const std::string& bytes, const std::string& line) {
    fs::create_directories(file.parent_path());
    writeBytes(file, bytes);
    std::ostringstream out, err;
    const int code = run({"check", file.string()}, out, err);
    if (line.empty()) {
        EXPECT_EQ(code, kSuccess) << out.str();
        EXPECT_NE(out.str().find("問題はありません"), std::string::npos) << out.str();
        return;
    }
    EXPECT_EQ(code, kFailure) << out.str();
    EXPECT_NE(out.str().find(line), std::string::npos) << out.str();
}

// The text `dump` prints for the file; nothing stored past a NUL shows.
std::string dumped(const fs::path& file) {
    std::ostringstream out, err;
    run({"dump", file.string()}, out, err);
    EXPECT_EQ(out.str().find("\\u0000"), std::string::npos) << out.str();
    return out.str();
}

// ---- Masters: a count word, then 93-byte items ------------------------------

struct MasterCase {
    const char* name;
    std::string bytes;
    ReadState state;
    size_t itemsRead;
    uint64_t trailingBytes;
    const char* line;
};

class CheckMaster : public ::testing::TestWithParam<MasterCase> {};

TEST_P(CheckMaster, TheCountTheItemSizeAndTheLengthMustAgree) {
    const MasterCase& c = GetParam();
    const ReadReport report = ReadSetteiKoumokuFile(c.bytes).report;
    EXPECT_EQ(report.state, c.state);
    EXPECT_EQ(report.recordsRead, c.itemsRead);
    EXPECT_EQ(report.trailingBytes, c.trailingBytes);
    TempFolder folder;
    expectCheckLine(folder / "Kamei.dat", c.bytes, c.line);
}

const std::string kItem = masterItem("0010000000", "A");

INSTANTIATE_TEST_SUITE_P(
    Files, CheckMaster,
    ::testing::Values(MasterCase{"sound", i32(2) + kItem + kItem, ReadState::complete, 2, 0, ""},
                      MasterCase{"countBelowItems", i32(1) + kItem + kItem, ReadState::complete, 1,
                                 93, ":1件のデータのあとの93バイトはどのデータにも属していません"},
                      MasterCase{"negativeCount", i32(-1) + kItem, ReadState::badCount, 0, 93,
                                 ":データ個数（-1）が不正です"},
                      MasterCase{"partialItem", i32(1) + kItem + "xyz", ReadState::complete, 1, 3,
                                 ":1件のデータのあとの3バイト"},
                      MasterCase{"itemsMissing", i32(3) + kItem + "xy", ReadState::recordsMissing,
                                 1, 0, "レコード数 3 のうち 1 件を読み込みました"},
                      MasterCase{"countCut", std::string("\x01\x00", 2), ReadState::headerCut, 0, 0,
                                 "レコード数を読み込めません"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Name lists: slots to the end, no count ----------------------------------

struct NamesCase {
    const char* name;
    const char* file;
    std::string bytes;
    bool complete;
    uint64_t trailingBytes;
    const char* line;
};

std::string slots(size_t count, const std::string& firstName = "A") {
    std::string bytes;
    for (size_t i = 0; i < count; ++i) {
        bytes += testing::slotBytes(i == 0 ? firstName : "", i == 0 ? 2 : 0, 43922.0);
    }
    return bytes;
}

class CheckNames : public ::testing::TestWithParam<NamesCase> {};

TEST_P(CheckNames, EveryByteBelongsToASlot) {
    const NamesCase& c = GetParam();
    TempFolder folder;
    const fs::path file = folder / c.file;
    writeBytes(file, c.bytes);
    FakePrompt prompt;
    bool complete = false;
    uint64_t trailing = 0;
    if (std::string(c.file) == "HassinJusinList.dat") {
        NameList hassin(30, 0, OleDateTime()), jusin(30, 0, OleDateTime());
        const auto report = HassinJusinList::LoadFile(prompt, file, hassin, jusin);
        complete = report.complete();
        trailing = report.trailingBytes;
    } else {
        NameList list(10, 0, OleDateTime());
        const auto report = ShokuSimeiList::LoadFile(prompt, file, "ShokuList", list);
        complete = report.complete();
        trailing = report.trailingBytes;
    }
    EXPECT_EQ(complete, c.complete);
    EXPECT_EQ(trailing, c.trailingBytes);
    dumped(file);
    expectCheckLine(file, c.bytes, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckNames,
    ::testing::Values(NamesCase{"pairs", "HassinJusinList.dat", slots(60), true, 0, ""},
                      NamesCase{"pairsAndMore", "HassinJusinList.dat", slots(60) + "zz", true, 2,
                                ":60件のデータのあとの2バイト"},
                      NamesCase{"pairsCut", "HassinJusinList.dat", slots(59), false, 0,
                                "Jusin[29].meishou"},
                      NamesCase{"ten", "ShokuList.dat", slots(10), true, 0, ""},
                      NamesCase{"textAfterNul", "ShokuList.dat",
                                slots(10, std::string("AB\0CD", 5)), true, 0, ""},
                      NamesCase{"elevenSlots", "ShokuList.dat", slots(11), true, 17,
                                ":10件のデータのあとの17バイト"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- The approver table: a tag, the type, sixteen strings --------------------

std::string items(int count = 16) {
    std::string bytes;
    for (int k = 0; k < count; ++k) bytes += shortString("I" + std::to_string(k));
    return bytes;
}

struct ApproversCase {
    const char* name;
    std::string bytes;
    int itemsRead;
    bool unknownVersion;
    uint64_t trailingBytes;
    const char* line;
};

class CheckApprovers : public ::testing::TestWithParam<ApproversCase> {};

TEST_P(CheckApprovers, TheTagDecidesAndEveryByteBelongsToAnItem) {
    const ApproversCase& c = GetParam();
    TempFolder folder;
    writeBytes(folder / "KessaiKubun.dat", c.bytes);
    FakePrompt prompt;
    KessaiKubunTable table;
    const auto report = table.Load(prompt, folder / "KessaiKubun.dat");
    EXPECT_EQ(report.itemsRead, c.itemsRead);
    EXPECT_EQ(report.unknownVersion, c.unknownVersion);
    EXPECT_EQ(report.trailingBytes, c.trailingBytes);
    expectCheckLine(folder / "KessaiKubun.dat", c.bytes, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckApprovers,
    ::testing::Values(ApproversCase{"tagged", shortString("1.000") + i32(1) + items(), 16, false, 0,
                                    ""},
                      ApproversCase{"taggedAndMore", shortString("1.000") + i32(1) + items() + "zz",
                                    16, false, 2, ":16件のデータのあとの2バイト"},
                      ApproversCase{"namesAlone", items(), 16, false, 0, ""},
                      ApproversCase{"seventeenStringsAndMore", items(17) + "z", 16, false, 1,
                                    ":16件のデータのあとの1バイト"},
                      ApproversCase{"newerTag", shortString("1.001") + i32(1) + items(), 0, true, 0,
                                    ":未対応の版「1.001」のため、データを読み込みませんでした"},
                      ApproversCase{"cut", shortString("1.000") + i32(1) + items(5), 5, false, 0,
                                    "Kessaikigou[0][2]"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Registered forms: a tag, a count word, 597-byte forms -------------------

struct FormsCase {
    const char* name;
    std::string bytes;
    ReadState state;
    size_t formsRead;
    uint64_t trailingBytes;
    const char* line;
};

class CheckRegisteredForms : public ::testing::TestWithParam<FormsCase> {};

TEST_P(CheckRegisteredForms, TheCountTheFormSizeAndTheLengthMustAgree) {
    const FormsCase& c = GetParam();
    TempFolder folder;
    writeBytes(folder / "TourokuTyouhyou.dat", c.bytes);
    FakePrompt prompt;
    const CTourokuTyouhyou list(prompt, folder / "TourokuTyouhyou.dat");
    EXPECT_EQ(list.readReport().state, c.state);
    EXPECT_EQ(list.records().size(), c.formsRead);
    EXPECT_EQ(list.readReport().trailingBytes, c.trailingBytes);
    expectCheckLine(folder / "TourokuTyouhyou.dat", c.bytes, c.line);
}

const std::string kForm = testing::registeredFormBytes("集計", "calc.exe", 0, "");
const std::string kFormsTag = testing::registeredFormsTag();

INSTANTIATE_TEST_SUITE_P(
    Files, CheckRegisteredForms,
    ::testing::Values(FormsCase{"sound", kFormsTag + i32(1) + kForm, ReadState::complete, 1, 0, ""},
                      FormsCase{"countBelowForms", kFormsTag + i32(0) + kForm, ReadState::complete,
                                0, 597, ":0件のデータのあとの597バイト"},
                      FormsCase{"partialForm", kFormsTag + i32(1) + kForm + "ab",
                                ReadState::complete, 1, 2, ":1件のデータのあとの2バイト"},
                      FormsCase{"negativeCount", kFormsTag + i32(-2) + kForm, ReadState::badCount,
                                0, 597, ":データ個数（-2）が不正です"},
                      FormsCase{"formsMissing", kFormsTag + i32(2) + kForm,
                                ReadState::recordsMissing, 1, 0,
                                ":データ個数は2件ですが、1件分のデータしかありません"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Untagged catalogues: the header, a count, the entries -------------------

struct CatalogueCase {
    const char* name;
    std::string bytes;
    ReadState state;
    size_t entriesRead;
    const char* line;
};

class CheckUntaggedCatalogue : public ::testing::TestWithParam<CatalogueCase> {};

TEST_P(CheckUntaggedCatalogue, EveryByteBelongsToAnEntry) {
    const CatalogueCase& c = GetParam();
    const CatalogueImage image = parseCatalogueFile(c.bytes, OleDateTime::fromDate(2024, 4, 1));
    EXPECT_EQ(image.report.state, c.state);
    EXPECT_EQ(image.entries.size(), c.entriesRead);
    TempFolder folder;
    expectCheckLine(folder / "索引目録データ" / "令和2年度" / "SakuinMokuroku.dat", c.bytes,
                    c.line);
}

const std::string kEntry = testing::untaggedEntry("会議");

INSTANTIATE_TEST_SUITE_P(
    Files, CheckUntaggedCatalogue,
    ::testing::Values(CatalogueCase{"sound", testing::untaggedHeader() + i32(1) + kEntry,
                                    ReadState::complete, 1, ""},
                      CatalogueCase{"countBelowEntries",
                                    testing::untaggedHeader() + i32(1) + kEntry + kEntry,
                                    ReadState::complete, 1, ":1件のデータのあとの"},
                      CatalogueCase{"entriesMissing", testing::untaggedHeader() + i32(2) + kEntry,
                                    ReadState::archiveCut, 1, "2件目以降を読み込めませんでした"},
                      CatalogueCase{"negativeCount", testing::untaggedHeader() + i32(-1) + kEntry,
                                    ReadState::badCount, 0, ":データ個数（-1）が不正です"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Settings: tags, and the choices that name the fiscal years ---------------

struct SettingsCase {
    const char* name;
    std::string bytes;
    bool readable;
    const char* line;
};

class CheckSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(CheckSettings, ANewerFileAndChoicesTheDialogNeverStores) {
    const SettingsCase& c = GetParam();
    FakePrompt prompt;
    EXPECT_EQ(ReadShokiSetteiFile(c.bytes, "p", prompt).readable, c.readable);
    TempFolder folder;
    expectCheckLine(folder / "ShokiSettei.dat", c.bytes, c.line);
}

const std::string kTag2009 = testing::cstr("Ver20090901");

INSTANTIATE_TEST_SUITE_P(
    Files, CheckSettings,
    ::testing::Values(
        SettingsCase{"sound", kTag2009 + testing::settingsRecord31("a", 1, 3), true, ""},
        SettingsCase{"untagged", testing::settingsFieldsTo20("総務課"), true, ""},
        SettingsCase{"periodSeven", kTag2009 + testing::settingsRecord31("a", 0, 7), true,
                     "「管理期間」の値 7 は 0〜3 のどれでもありません"},
        SettingsCase{
            "calendarTwo",
            kTag2009 + testing::settingsRecord31("a") + testing::settingsRecord31("b", 2, 0), true,
            "2 件目の初期設定の「和暦(0)・西暦(1)管理の切替」の値 2"},
        SettingsCase{"newerTag", testing::cstr("Ver20990101") + testing::settingsRecord31("a"),
                     false, ":未対応の版「Ver20990101」のため、データを読み込みませんでした"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Dates and periods whose status says valid but whose value names nothing --

struct ValueCase {
    const char* name;
    size_t at;
    double days;
};

class CheckStoredValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(CheckStoredValues, ReadAsInvalidCountedAndWrittenBackUnchanged) {
    namespace vb = testing::volume_bytes;
    const ValueCase& c = GetParam();
    const std::string bytes =
        vb::file(1, {vb::volume("502001001 1 2 3000100", vb::kJourei).value(c.at, c.days)});
    TempFolder folder;
    const fs::path file = folder / "DocMaster.dat";
    expectCheckLine(file, bytes,
                    ": 有効とされていながら日付・期間として扱えない値（範囲外など）が 1 個");
    EXPECT_NE(dumped(file).find("\"invalid\""), std::string::npos);
    FakePrompt prompt;
    CDocMasterList list(file, prompt);
    ASSERT_EQ(list.Read(), 1);
    ASSERT_EQ(list.Write(), 1);
    EXPECT_EQ(readBytes(file), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CheckStoredValues,
    ::testing::Values(ValueCase{"createdNaN", testing::volume_bytes::kCreatedAt,
                                std::numeric_limits<double>::quiet_NaN()},
                      ValueCase{"expiryInYear10000", testing::volume_bytes::kExpiryAt, 2958466},
                      ValueCase{"disposalNearTwoTo63", testing::volume_bytes::kDisposalAt, -9.2e18},
                      ValueCase{"retentionHuge", testing::volume_bytes::kRetentionAt, 1e300}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace bunrako::cli
