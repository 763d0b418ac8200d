#include "settings/shoki_settei_file.h"

#include <gtest/gtest.h>

#include "support/archive_bytes.h"
#include "support/fake_prompt.h"

namespace bunrako {
namespace {

using testing::cstr;
using testing::FakePrompt;
using testing::i32;
using testing::str;

const std::string kPath = "X:\\data\\ShokiSettei.dat";
const std::string kEnd = ":オブジェクトの読み込み中にファイルの終わりに到達しました。";

// The stored fields of one record, in the file's order, written by hand.
// Each version keeps a prefix: up to 20, 23, 27, 29 or 31 fields.
std::string fieldsTo20(const std::string& section) {
    return str(section) + str("庶務係") + str("0010010000") + str("V.dat") + i32(1) +
           str("C:\\taro.exe") + str("H.dat") + str("K.dat") + i32(1) + i32(1) +
           str("C:\\excel.exe") + str("title.jtd") + str("index.jtd") + str("batch.jtd") +
           str("draft.jtd") + str("doc") + str("xlsx") + i32(1) + str("C:\\fm.exe") + str("M.dat");
}
std::string fields21To23() { return str("総保第") + i32(1) + str("D:\\私\\"); }
std::string fields24To27() { return str("l1.xls") + str("l2.xls") + str("l3.xls") + str("l4.xls"); }
std::string fields28To29() { return i32(1) + i32(3); }
std::string fields30To31() { return str("l5.xls") + str("l6.xls"); }

std::string record31(const std::string& section) {
    return fieldsTo20(section) + fields21To23() + fields24To27() + fields28To29() + fields30To31();
}

// What fieldsTo20 and the later groups put into a record.
CShokiSetteiData expectedTo20(const std::string& section) {
    CShokiSetteiData r;
    r.m_strSectionName = section;
    r.m_strSubsectionName = "庶務係";
    r.m_strSectionCode = "0010010000";
    r.m_strVolumeFile = "V.dat";
    r.m_bUseWordProcessor = 1;
    r.m_strWordProcessorExe = "C:\\taro.exe";
    r.m_strDisposedFile = "H.dat";
    r.m_strRegisterFile = "K.dat";
    r.m_nRegisterPeriod = 1;
    r.m_bUseSpreadsheet = 1;
    r.m_strSpreadsheetExe = "C:\\excel.exe";
    r.m_strVolumeTitleForm = "title.jtd";
    r.m_strIndexForm = "index.jtd";
    r.m_strIndexBatchForm = "batch.jtd";
    r.m_strDraftForm = "draft.jtd";
    r.m_strWordProcessorExt = "doc";
    r.m_strSpreadsheetExt = "xlsx";
    r.m_bUseFileManager = 1;
    r.m_strFileManagerExe = "C:\\fm.exe";
    r.m_strRetentionChangeFile = "M.dat";
    return r;
}
CShokiSetteiData expectedTo23(const std::string& section) {
    CShokiSetteiData r = expectedTo20(section);
    r.m_strNumberPrefix = "総保第";
    r.m_bUsePersonalFolder = 1;
    r.m_strPersonalFolder = "D:\\私\\";
    return r;
}
CShokiSetteiData expectedTo27(const std::string& section) {
    CShokiSetteiData r = expectedTo23(section);
    r.m_strLinkVolumeProgram = "l1.xls";
    r.m_strLinkIndexProgram = "l2.xls";
    r.m_strLinkRegisterProgram = "l3.xls";
    r.m_strLinkRetentionProgram = "l4.xls";
    return r;
}
CShokiSetteiData expectedTo29(const std::string& section) {
    CShokiSetteiData r = expectedTo27(section);
    r.m_nCalendarMode = 1;
    r.m_nManagementPeriod = 3;
    return r;
}
CShokiSetteiData expectedTo31(const std::string& section) {
    CShokiSetteiData r = expectedTo29(section);
    r.m_strLinkPermanentProgram = "l5.xls";
    r.m_strLinkDisposedProgram = "l6.xls";
    return r;
}

TEST(ShokiSetteiData, DefaultsOfANewRecord) {
    const CShokiSetteiData r;
    EXPECT_EQ(r.m_strSectionName, "");
    EXPECT_EQ(r.m_strVolumeFile, "DocMaster.dat");
    EXPECT_EQ(r.m_strDisposedFile, "HaikiDoc.dat");
    EXPECT_EQ(r.m_strWordProcessorExe, "C:\\Program Files\\Justsystem\\TARO19\\TARO19.EXE");
    EXPECT_EQ(r.m_strRegisterFile, "KenMeibo.dat");
    EXPECT_EQ(r.m_nNextReceiptNo, 1);
    EXPECT_EQ(r.m_strSpreadsheetExe, "C:\\Program Files\\Microsoft Office\\Office11\\EXCEL.EXE");
    EXPECT_EQ(r.m_strVolumeTitleForm, "簿冊タイトル.jtd");
    EXPECT_EQ(r.m_strIndexForm, "索引目録.jtd");
    EXPECT_EQ(r.m_strIndexBatchForm, "索引目録（一括）.jtd");
    EXPECT_EQ(r.m_strDraftForm, "起案文書様式.jtd");
    EXPECT_EQ(r.m_strWordProcessorExt, "jtd");
    EXPECT_EQ(r.m_strSpreadsheetExt, "xls");
    EXPECT_EQ(r.m_strFileManagerExe, "C:\\WINDOWS\\explorer.exe");
    EXPECT_EQ(r.m_strRetentionChangeFile, "Minaosi.dat");
    EXPECT_EQ(r.m_strNumberPrefix, "上保第");
    EXPECT_EQ(r.m_bUsePersonalFolder, 0);
    EXPECT_EQ(r.m_nCalendarMode, 0);
    EXPECT_EQ(r.m_nManagementPeriod, 0);
    EXPECT_EQ(r.m_strLinkDisposedProgram, "");
    EXPECT_EQ(ShokiSetteiFields().size(), 32u);
    EXPECT_EQ(ShokiSetteiStoredFields().size(), 31u);
}

TEST(ShokiSetteiFile, TheNewestVersionByteForByte) {
    std::vector<CShokiSetteiData> records = {expectedTo31("総務課"), expectedTo31("財政課")};
    records[0].m_nNextReceiptNo = 77;  // never stored
    EXPECT_EQ(ShokiSetteiFileBytes(records),
              cstr("Ver20090901") + record31("総務課") + record31("財政課"));
    FakePrompt prompt;
    const auto content = ReadShokiSetteiFile(ShokiSetteiFileBytes(records), kPath, prompt);
    EXPECT_EQ(content.version, "Ver20090901");
    ASSERT_EQ(content.records.size(), 2u);
    EXPECT_EQ(content.records[1], expectedTo31("財政課"));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ShokiSetteiFile, EveryOlderVersionKeepsTheDefaultsOfWhatItLacks) {
    struct Case {
        const char* tag;
        std::string record;
        CShokiSetteiData expected;
    };
    const std::vector<Case> cases = {
        {"Ver20060101", fieldsTo20("a") + fields21To23() + fields24To27() + fields28To29(),
         expectedTo29("a")},
        {"Ver20050101", fieldsTo20("a") + fields21To23() + fields24To27(), expectedTo27("a")},
        {"Ver20030101", fieldsTo20("a") + fields21To23(), expectedTo23("a")},
    };
    for (const Case& c : cases) {
        FakePrompt prompt;
        const auto content = ReadShokiSetteiFile(cstr(c.tag) + c.record + c.record, kPath, prompt);
        EXPECT_EQ(content.version, c.tag);
        ASSERT_EQ(content.records.size(), 2u) << c.tag;
        EXPECT_EQ(content.records[0], c.expected) << c.tag;
        EXPECT_EQ(content.records[1], c.expected) << c.tag;
        EXPECT_TRUE(prompt.messages.empty()) << c.tag;
    }
    // A Ver20030101 record has no links, era years and the April period.
    FakePrompt prompt;
    const auto old =
        ReadShokiSetteiFile(cstr("Ver20030101") + fieldsTo20("a") + fields21To23(), kPath, prompt);
    ASSERT_EQ(old.records.size(), 1u);
    EXPECT_EQ(old.records[0].m_strLinkVolumeProgram, "");
    EXPECT_EQ(old.records[0].m_strLinkDisposedProgram, "");
    EXPECT_EQ(old.records[0].m_nCalendarMode, 0);
    EXPECT_EQ(old.records[0].m_nManagementPeriod, 0);
}

TEST(ShokiSetteiFile, AnUntaggedFileHoldsOneRecordFromItsFirstByte) {
    FakePrompt prompt;
    // Whatever follows the one record is not read.
    const auto content = ReadShokiSetteiFile(fieldsTo20("総務課") + "garbage", kPath, prompt);
    EXPECT_TRUE(content.readable);
    EXPECT_FALSE(content.version.has_value());
    ASSERT_EQ(content.records.size(), 1u);
    EXPECT_EQ(content.records[0], expectedTo20("総務課"));
    EXPECT_EQ(content.records[0].m_strNumberPrefix, "上保第");
    EXPECT_EQ(content.records[0].m_bUsePersonalFolder, 0);
    EXPECT_TRUE(prompt.messages.empty());
}

// First strings that are no known tag: a tag's shape marks a newer program's
// file, anything else is the section name of an untagged file.
struct FirstString {
    const char* text;
    bool newer;
};

class ShokiSetteiFirstString : public ::testing::TestWithParam<FirstString> {};

TEST_P(ShokiSetteiFirstString, ATagShapeIsANewerVersionAndNothingElse) {
    FakePrompt prompt;
    const std::string first = GetParam().text;
    const auto content = ReadShokiSetteiFile(fieldsTo20(first), kPath, prompt);
    EXPECT_EQ(UnknownShokiSetteiVersion(fieldsTo20(first)).has_value(), GetParam().newer);
    if (GetParam().newer) {
        EXPECT_FALSE(content.readable);
        EXPECT_EQ(content.unknownVersion, first);
        EXPECT_TRUE(content.records.empty());
        EXPECT_EQ(prompt.lastMessage(),
                  kPath + ":未対応の版「" + first + "」のため、データを読み込みませんでした");
        return;
    }
    EXPECT_TRUE(content.readable);
    ASSERT_EQ(content.records.size(), 1u);
    EXPECT_EQ(content.records[0], expectedTo20(first));
    EXPECT_TRUE(prompt.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShokiSetteiFirstString,
    ::testing::Values(FirstString{"Ver20990101", true}, FirstString{"Ver19990101", true},
                      FirstString{"Ver2099010", false}, FirstString{"Ver2099010x", false},
                      FirstString{"ver20990101", false}, FirstString{"総務課", false}));

TEST(ShokiSetteiFile, TextEndsAtItsFirstNulAndTheRestIsWrittenBack) {
    FakePrompt prompt;
    const std::string nul("\0", 1);
    const std::string image =
        cstr("Ver20090901") + record31("a").replace(0, 2, cstr("AB" + nul + "CD")) + record31("b");
    const auto content = ReadShokiSetteiFile(image, kPath, prompt);
    ASSERT_EQ(content.records.size(), 2u);
    EXPECT_EQ(content.records[0].m_strSectionName, "AB");
    // The record reused for reading does not carry the tail on.
    EXPECT_EQ(content.records[1], expectedTo31("b"));
    EXPECT_EQ(ShokiSetteiFileBytes(content.records), image);
}

TEST(ShokiSetteiFile, ATagWithoutRecordsIsAnEmptyList) {
    FakePrompt prompt;
    const auto content = ReadShokiSetteiFile(cstr("Ver20090901"), kPath, prompt);
    EXPECT_TRUE(content.readable);
    EXPECT_TRUE(content.records.empty());
    EXPECT_EQ(content.lastRead, CShokiSetteiData());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ShokiSetteiFile, AnEmptyFileCannotBeRead) {
    FakePrompt prompt;
    const auto content = ReadShokiSetteiFile("", kPath, prompt);
    EXPECT_FALSE(content.readable);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.lastMessage(), kPath + "データバージョン" + kEnd);
}

TEST(ShokiSetteiFile, ATruncatedFileKeepsTheCompleteRecordsAndNamesTheField) {
    FakePrompt prompt;
    // The second record stops after m_strSectionCode: the volume file is missing.
    const std::string second = str("財政課") + str("係") + str("0020010000");
    const auto content =
        ReadShokiSetteiFile(cstr("Ver20090901") + record31("総務課") + second, kPath, prompt);
    ASSERT_EQ(content.records.size(), 1u);
    EXPECT_EQ(content.records[0], expectedTo31("総務課"));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.lastMessage(), kPath + "マスターファイル名" + kEnd);

    // Cut inside the last string, and inside the first string of a record.
    FakePrompt prompt2;
    const std::string cut = cstr("Ver20090901") + record31("a");
    ReadShokiSetteiFile(cut.substr(0, cut.size() - 1), kPath, prompt2);
    ReadShokiSetteiFile(cut +
                            "\x05"
                            "ab",
                        kPath, prompt2);
    ASSERT_EQ(prompt2.messages.size(), 2u);
    EXPECT_EQ(prompt2.messages[0].text, kPath + "データ連係廃棄簿冊ファイル" + kEnd);
    EXPECT_EQ(prompt2.messages[1].text, kPath + "課局室名" + kEnd);

    // The sub-section name has no key of its own.
    FakePrompt prompt3;
    ReadShokiSetteiFile(cstr("Ver20090901") + str("a"), kPath, prompt3);
    EXPECT_EQ(prompt3.lastMessage(), kPath + kEnd);
}

TEST(ShokiSetteiFile, HostileLengthsAreRefusedWithoutReadingOn) {
    FakePrompt prompt;
    // A first string claiming 4 GiB.
    const auto huge =
        ReadShokiSetteiFile(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7), kPath, prompt);
    EXPECT_FALSE(huge.readable);
    EXPECT_EQ(prompt.lastMessage(), kPath + "データバージョン" + kEnd);
    // A record whose second string claims 65000 bytes.
    const auto bad = ReadShokiSetteiFile(
        cstr("Ver20090901") + str("a") + std::string("\xFF\xE8\xFD", 3) + "xyz", kPath, prompt);
    EXPECT_TRUE(bad.readable);
    EXPECT_TRUE(bad.records.empty());
    // A Unicode-marked string is not a string of this file.
    const auto wide = ReadShokiSetteiFile(std::string("\xFF\xFE\xFF\x01"
                                                      "a\0",
                                                      6),
                                          kPath, prompt);
    EXPECT_FALSE(wide.readable);
    EXPECT_EQ(prompt.lastMessage(),
              kPath + "データバージョン:ファイル フォーマットが正しくありません。");
}

}  // namespace
}  // namespace bunrako
