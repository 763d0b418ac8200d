#include "settings/shoki_settei_list.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "settings/receipt_file.h"
#include "support/archive_bytes.h"
#include "support/fake_prompt.h"
#include "support/inside_folder.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::cstr;
using testing::FakePrompt;
using testing::i32;
using testing::InsideFolder;
using testing::readBytes;
using testing::str;
using testing::TempFolder;
using testing::writeBytes;

const std::string kEnd = ":オブジェクトの読み込み中にファイルの終わりに到達しました。";

std::string folderText(const TempFolder& folder) { return pathToUtf8(folder.path()) + "/"; }

CShokiSetteiData section(const std::string& name, const std::string& code,
                         const std::string& registerFile) {
    CShokiSetteiData record;
    record.m_strSectionName = name;
    record.m_strSubsectionName = "係";
    record.m_strSectionCode = code;
    record.m_strRegisterFile = registerFile;
    return record;
}

// A default record except for its first three fields and the register file,
// in the file's order, by hand.
std::string storedRecord(const std::string& name, const std::string& code,
                         const std::string& registerFile) {
    return str(name) + str("係") + str(code) + str("DocMaster.dat") + i32(0) +
           str("C:\\Program Files\\Justsystem\\TARO19\\TARO19.EXE") + str("HaikiDoc.dat") +
           str(registerFile) + i32(0) + i32(0) +
           str("C:\\Program Files\\Microsoft Office\\Office11\\EXCEL.EXE") +
           str("簿冊タイトル.jtd") + str("索引目録.jtd") + str("索引目録（一括）.jtd") +
           str("起案文書様式.jtd") + str("jtd") + str("xls") + i32(0) +
           str("C:\\WINDOWS\\explorer.exe") + str("Minaosi.dat") + str("上保第") + i32(0) +
           str("") + str("") + str("") + str("") + str("") + i32(0) + i32(0) + str("") + str("");
}

TEST(ShokiSetteiLocate, ThePointerFileNamesTheFolder) {
    TempFolder program;
    CShokiSetteiList list;
    EXPECT_FALSE(list.LocateSettingsFile(folderText(program)));
    EXPECT_EQ(list.SettingsPath(), folderText(program) + "ShokiSettei.dat");

    writeBytes(program / "ShokiSetteiFileName.dat",
               "\\\\server\\share\\bunrako\\\r\nsecond line\r\n");
    EXPECT_TRUE(list.LocateSettingsFile(folderText(program)));
    EXPECT_EQ(list.SettingsPath(), "\\\\server\\share\\bunrako\\ShokiSettei.dat");

    // Without its trailing backslash the last folder name joins the file name.
    writeBytes(program / "ShokiSetteiFileName.dat", "\\\\server\\share\\bunrako\r\n");
    EXPECT_TRUE(list.LocateSettingsFile(folderText(program)));
    EXPECT_EQ(list.SettingsPath(), "\\\\server\\share\\bunrakoShokiSettei.dat");

    // A line ending in LF alone; a Japanese folder name in CP932.
    writeBytes(program / "ShokiSetteiFileName.dat", "D:\\\x95\xb6\x8f\x91\\\n");
    EXPECT_TRUE(list.LocateSettingsFile(folderText(program)));
    EXPECT_EQ(list.SettingsPath(), "D:\\文書\\ShokiSettei.dat");

    // An empty first line counts as no pointer file.
    writeBytes(program / "ShokiSetteiFileName.dat", "\r\nD:\\data\\\r\n");
    EXPECT_FALSE(list.LocateSettingsFile(folderText(program)));
    EXPECT_EQ(list.SettingsPath(), folderText(program) + "ShokiSettei.dat");

    // Only the first 512 bytes are read.
    writeBytes(program / "ShokiSetteiFileName.dat", std::string(600, 'a'));
    EXPECT_TRUE(list.LocateSettingsFile(folderText(program)));
    EXPECT_EQ(list.SettingsPath(), std::string(512, 'a') + "ShokiSettei.dat");
}

TEST(ShokiSetteiList, ANewSettingsFileStartsWithOneDefaultRecord) {
    TempFolder program;
    FakePrompt prompt;
    const CShokiSetteiList list(prompt, "", folderText(program));
    EXPECT_EQ(list.SettingsPath(), folderText(program) + "ShokiSettei.dat");
    // A first start: nothing is written and nothing is told here (the
    // program says it once); an empty file left by an older start is the same.
    EXPECT_FALSE(std::filesystem::exists(program / "ShokiSettei.dat"));
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(list.NoSettingsYet());
    writeBytes(program / "ShokiSettei.dat", "");
    EXPECT_TRUE(CShokiSetteiList(prompt, "", folderText(program)).NoSettingsYet());
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_EQ(list.Records().size(), 1u);
    EXPECT_EQ(list.Records()[0], CShokiSetteiData());
    EXPECT_EQ(list.Current(), CShokiSetteiData());
}

TEST(ShokiSetteiList, ATagWithoutRecordsGetsTheDefaultRecordFromTheConstructor) {
    TempFolder program;
    writeBytes(program / "ShokiSettei.dat", cstr("Ver20090901"));
    const InsideFolder inside(program.path());
    FakePrompt prompt;
    CShokiSetteiList list(prompt, "", folderText(program));
    ASSERT_EQ(list.Records().size(), 1u);
    EXPECT_EQ(list.Records()[0], CShokiSetteiData());
    EXPECT_TRUE(prompt.messages.empty());

    // The default register's receipt file is the bare name, here.
    EXPECT_TRUE(std::filesystem::exists(program / "KenMeibo.dan"));

    // Loading alone leaves the list empty.
    EXPECT_EQ(list.LoadSettings(prompt, list.SettingsPath()), 1);
    EXPECT_TRUE(list.Records().empty());
}

TEST(ShokiSetteiList, AConstructorWithAPathOnlyBindsIt) {
    FakePrompt prompt;
    const CShokiSetteiList list(prompt, "/nowhere/ShokiSettei.dat", "/unused/");
    EXPECT_EQ(list.SettingsPath(), "/nowhere/ShokiSettei.dat");
    EXPECT_TRUE(list.Records().empty());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ShokiSetteiList, SaveAndLoadThreeRecordsInOrder) {
    TempFolder data;
    InsideFolder inside(data.path());  // the receipt file sits beside a bare register name
    const std::string path = pathToUtf8(data / "ShokiSettei.dat");
    CShokiSetteiList list;
    list.Records() = {section("総務課", "0010010000", "K1.dat"),
                      section("財政課", "0020010000", "K2.dat"),
                      section("税務課", "0030010000", "K3.dat")};
    FakePrompt prompt;
    ASSERT_EQ(list.SaveSettings(prompt, path), 1);
    EXPECT_EQ(list.Current(), list.Records()[0]);
    EXPECT_EQ(readBytes(data / "ShokiSettei.dat"),
              cstr("Ver20090901") + storedRecord("総務課", "0010010000", "K1.dat") +
                  storedRecord("財政課", "0020010000", "K2.dat") +
                  storedRecord("税務課", "0030010000", "K3.dat"));

    CShokiSetteiList loaded;
    ASSERT_EQ(loaded.LoadSettings(prompt, path), 1);
    EXPECT_EQ(loaded.Records(), list.Records());
    EXPECT_EQ(loaded.Current(), list.Records()[0]);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ShokiSetteiList, AnOldFileIsWrittenBackAsTheNewestVersion) {
    TempFolder data;
    InsideFolder inside(data.path());  // the receipt file sits beside a bare register name
    const auto file = data / "ShokiSettei.dat";
    const std::string record = storedRecord("総務課", "0010010000", "K.dat");
    // Ver20030101 ends after m_strPersonalFolder: the first 23 stored fields.
    const std::string upTo23 = record.substr(0, record.size() - (4 * 1 + 2 * 4 + 2 * 1));
    writeBytes(file, cstr("Ver20030101") + upTo23);
    FakePrompt prompt;
    CShokiSetteiList list;
    ASSERT_EQ(list.LoadSettings(prompt, pathToUtf8(file)), 1);
    ASSERT_EQ(list.Records().size(), 1u);
    ASSERT_EQ(list.SaveSettings(prompt, pathToUtf8(file)), 1);
    EXPECT_EQ(readBytes(file), cstr("Ver20090901") + record);
}

TEST(ShokiSetteiList, AFileThatWillNotOpenIsToldWithOpen) {
    TempFolder data;
    const std::string path = pathToUtf8(data / "gone" / "ShokiSettei.dat");
    FakePrompt prompt;
    CShokiSetteiList list;
    list.Records() = {section("a", "1", "K.dat")};
    EXPECT_EQ(list.LoadSettings(prompt, path), 0);
    EXPECT_FALSE(list.NoSettingsYet());    // a folder that is gone is no first start
    EXPECT_EQ(list.Records().size(), 1u);  // nothing loaded, nothing lost
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.lastMessage().rfind(path + "Open:", 0), 0u) << prompt.lastMessage();
    EXPECT_EQ(list.SaveSettings(prompt, path), 0);
    EXPECT_EQ(prompt.lastMessage().rfind(path + ":", 0), 0u) << prompt.lastMessage();
    EXPECT_EQ(list.LoadSettings(prompt, ""), 0);
}

TEST(ShokiSetteiList, ANewerProgramsFileIsNeitherReadNorWrittenOver) {
    TempFolder data;
    const auto file = data / "ShokiSettei.dat";
    const std::string newer = cstr("Ver20990101") + cstr("x") + std::string(40, '\x07');
    writeBytes(file, newer);
    FakePrompt prompt;
    CShokiSetteiList list;
    EXPECT_EQ(list.LoadSettings(prompt, pathToUtf8(file)), 0);
    EXPECT_TRUE(list.Records().empty());
    list.Records() = {section("総務課", "0010010000", "K.dat")};
    EXPECT_EQ(list.SaveSettings(prompt, pathToUtf8(file)), 0);
    EXPECT_EQ(readBytes(file), newer);
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_NE(prompt.lastMessage().find("Ver20990101"), std::string::npos);
    EXPECT_NE(prompt.lastMessage().find("上書きせずに保存を中止しました"), std::string::npos);
}

TEST(ShokiSetteiChoices, OnlyTheDialogsChoicesNameAFiscalYear) {
    CShokiSetteiData record;
    EXPECT_TRUE(ShokiSetteiChoiceProblems(record).empty());
    record.m_nCalendarMode = 1;
    record.m_nManagementPeriod = 3;
    EXPECT_TRUE(ShokiSetteiChoiceProblems(record).empty());
    record.m_nCalendarMode = 2;
    record.m_nManagementPeriod = -1;
    EXPECT_EQ(ShokiSetteiChoiceProblems(record),
              (std::vector<std::string>{
                  "「和暦(0)・西暦(1)管理の切替」の値 2 は 0〜1 のどれでもありません",
                  "「管理期間」の値 -1 は 0〜3 のどれでもありません"}));
}

TEST(ShokiSetteiReceipts, TheNumberOfTheSectionComesFromTheDanFile) {
    TempFolder data;
    const std::string path = pathToUtf8(data / "ShokiSettei.dat");
    const std::string registerFile = pathToUtf8(data / "KenMeibo.dat");
    writeBytes(data / "ShokiSettei.dat",
               cstr("Ver20090901") + storedRecord("総務課", "0010010000", registerFile));
    FakePrompt prompt;
    CShokiSetteiList list;
    // No receipt file yet: it is created empty and the number stays 1.
    ASSERT_EQ(list.LoadSettings(prompt, path), 1);
    EXPECT_EQ(list.ReceiptPath(), pathToUtf8(data / "KenMeibo.dan"));
    EXPECT_TRUE(std::filesystem::exists(data / "KenMeibo.dan"));
    EXPECT_EQ(list.Current().m_nNextReceiptNo, 1);

    writeBytes(data / "KenMeibo.dan", str("財政課") + i32(7) + str("総務課") + i32(25));
    ASSERT_EQ(list.LoadSettings(prompt, path), 1);
    EXPECT_EQ(list.Current().m_nNextReceiptNo, 25);
    EXPECT_EQ(list.Records()[0].m_nNextReceiptNo, 25);

    // A pair cut short ends the search quietly.
    writeBytes(data / "KenMeibo.dan", str("財政課") + i32(7) + str("総務課") + "\x19");
    ASSERT_EQ(list.LoadSettings(prompt, path), 1);
    EXPECT_EQ(list.Current().m_nNextReceiptNo, 1);
    EXPECT_TRUE(prompt.messages.empty());

    // The name ends at its first NUL; what follows it is written back.
    const std::string tailed = cstr(utf8ToCp932("総務課") + std::string("\0old", 4));
    writeBytes(data / "KenMeibo.dan", tailed + i32(31));
    ASSERT_EQ(list.LoadSettings(prompt, path), 1);
    EXPECT_EQ(list.Current().m_nNextReceiptNo, 31);
    list.Current().m_nNextReceiptNo = 32;
    ASSERT_EQ(list.SaveReceiptNo(prompt), 1);
    EXPECT_EQ(readBytes(data / "KenMeibo.dan"), tailed + i32(32));
}

TEST(ShokiSetteiReceipts, SavingUpdatesThePairsOfTheSectionInPlace) {
    TempFolder data;
    CShokiSetteiList list;
    list.Current() = section("総務課", "0010010000", pathToUtf8(data / "KenMeibo.dat"));
    list.Current().m_nNextReceiptNo = 31;
    const std::string others = str("財政課") + i32(7);
    writeBytes(data / "KenMeibo.dan", str("総務課") + i32(25) + others + str("総務課") + i32(2));
    FakePrompt prompt;
    ASSERT_EQ(list.SaveReceiptNo(prompt), 1);
    EXPECT_EQ(readBytes(data / "KenMeibo.dan"),
              str("総務課") + i32(31) + others + str("総務課") + i32(31));

    // A section without a pair gets one, before any cut-off bytes.
    list.Current().m_strSectionName = "税務課";
    writeBytes(data / "KenMeibo.dan", others + "\x09");
    ASSERT_EQ(list.SaveReceiptNo(prompt), 1);
    EXPECT_EQ(readBytes(data / "KenMeibo.dan"), others + str("税務課") + i32(31) + "\x09");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ShokiSetteiReceipts, TheFileSitsBesideTheRegister) {
    EXPECT_EQ(ReceiptFilePath("KenMeibo.dat"), "KenMeibo.dan");
    EXPECT_EQ(ReceiptFilePath("C:\\data.v2\\Ken.Meibo.dat"), "C:\\data.v2\\Ken.Meibo.dan");
    EXPECT_EQ(ReceiptFilePath("C:\\data.v2\\KenMeibo"), "C:\\data.v2\\KenMeibo.dan");
    EXPECT_EQ(ReceiptFilePath(""), "");
}

TEST(ShokiSetteiOrder, TheChosenRecordMovesToTheFront) {
    CShokiSetteiList list;
    for (const char* code : {"1", "2", "3", "4", "5"})
        list.Records().push_back(section(code, code, ""));
    CShokiSetteiData third = section("3 edited", "3", "");
    list.MoveToFront(third);
    std::vector<std::string> names;
    for (const auto& r : list.Records()) names.push_back(r.m_strSectionName);
    EXPECT_EQ(names, (std::vector<std::string>{"3 edited", "1", "2", "4", "5"}));

    list.MoveToFront(section("new", "9", ""));
    EXPECT_EQ(list.Records().size(), 6u);
    EXPECT_EQ(list.Records()[0].m_strSectionName, "new");
    EXPECT_EQ(list.Records()[1].m_strSectionName, "3 edited");
    EXPECT_EQ(list.Records()[5].m_strSectionName, "5");
}

}  // namespace
}  // namespace bunrako
