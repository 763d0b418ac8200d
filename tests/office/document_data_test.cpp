#include "office/document_data.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "register/bunsho_ken_meibo_data.h"
#include "settings/pointer_file.h"
#include "settings/shoki_settei_file.h"
#include "support/archive_bytes.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/inside_folder.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::FixedClock;
using testing::i32;
using testing::InsideFolder;
using testing::str;
using testing::TempFolder;
using testing::writeBytes;

std::string item(std::string_view code, std::string_view name) {
    std::string bytes(93, '\0');
    bytes.replace(0, code.size(), code);
    bytes.replace(11, name.size(), name);
    return bytes;
}

std::string folderText(const std::filesystem::path& folder) { return pathToUtf8(folder) + "/"; }

const FixedClock kToday(OleDateTime::fromDate(2008, 4, 1));

void writeSettings(const std::filesystem::path& folder, const CShokiSetteiData& section) {
    writeBytes(folder / "ShokiSettei.dat", ShokiSetteiFileBytes({section}));
}

CShokiSetteiData sectionIn(const std::filesystem::path& folder) {
    CShokiSetteiData section;
    section.m_strSectionName = "総務課";
    section.m_strSubsectionName = "庶務係";
    section.m_strSectionCode = "0010010000";
    section.m_strVolumeFile = pathToUtf8(folder / "DocMaster.dat");
    section.m_strDisposedFile = pathToUtf8(folder / "HaikiDoc.dat");
    section.m_strRegisterFile = pathToUtf8(folder / "KenMeibo.dat");
    section.m_strRetentionChangeFile = pathToUtf8(folder / "Minaosi.dat");
    return section;
}

// A volume file of count volumes: the count word, then zeroed 656-byte
// records whose titles are "V0", "V1", ...
std::string volumeFile(int count) {
    std::string bytes = i32(count);
    for (int i = 0; i < count; ++i) {
        std::string record(656, '\0');
        const std::string title = "V" + std::to_string(i);
        record.replace(163, title.size(), title);
        bytes += record;
    }
    return bytes;
}

TEST(DataFolder, ThePointerFileOrTheProgramFolder) {
    TempFolder program;
    EXPECT_EQ(GetDataFolder(folderText(program.path())), folderText(program.path()));
    writeBytes(program / "ShokiSetteiFileName.dat", "\\\\server\\bunrako\\\r\n");
    EXPECT_EQ(GetDataFolder(folderText(program.path())), "\\\\server\\bunrako\\");
    writeBytes(program / "ShokiSetteiFileName.dat", "");
    EXPECT_EQ(GetDataFolder(folderText(program.path())), folderText(program.path()));
    // This reader looks at 260 bytes only.
    writeBytes(program / "ShokiSetteiFileName.dat", std::string(300, 'd'));
    EXPECT_EQ(GetDataFolder(folderText(program.path())), std::string(260, 'd'));
}

TEST(DataFolder, AWrittenPointerFileNamesItsFolder) {
    TempFolder program;
    const std::string folder = "\\\\server\\文書\\";
    const std::optional<std::string> bytes = PointerFileBytes(folder);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "\\\\server\\\x95\xb6\x8f\x91\\\r\n");
    writeBytes(program / "ShokiSetteiFileName.dat", *bytes);
    EXPECT_EQ(GetDataFolder(folderText(program.path())), folder);
    // A folder the settings could not hold is not written.
    EXPECT_FALSE(PointerFileBytes("/tmp/\xF0\x9F\x98\x80/"));
}

TEST(DocumentData, SettingsAndMastersComeFromTheFolderOfThePointerFile) {
    TempFolder program, data;
    writeBytes(program / "ShokiSetteiFileName.dat", folderText(data.path()) + "\r\n");
    // An untagged settings file whose register sits in the data folder.
    std::string settings = str("総務課") + str("庶務係") + str("0010010000") +
                           str("DocMaster.dat") + i32(0) + str("taro") + str("HaikiDoc.dat") +
                           str(pathToUtf8(data / "KenMeibo.dat")) + i32(0) + i32(0);
    for (int i = 0; i < 7; ++i) settings += str("x");
    settings += i32(0) + str("fm") + str("Minaosi.dat");
    writeBytes(data / "ShokiSettei.dat", settings);
    writeBytes(data / "Kamei.dat", i32(1) + item("0010000000", "Soumu"));
    writeBytes(data / "BosatuBunrui.dat",
               i32(2) + item("0010000000", "A") + item("0010010000", "B"));
    const InsideFolder inside(program.path());
    FakePrompt prompt;
    DocumentData document(prompt, kToday, folderText(program.path()));
    EXPECT_TRUE(prompt.messages.empty()) << prompt.lastMessage();
    EXPECT_EQ(document.m_strDataFolder, folderText(data.path()));
    EXPECT_EQ(document.m_settings.SettingsPath(), folderText(data.path()) + "ShokiSettei.dat");
    EXPECT_EQ(document.m_settings.Current().m_strSectionName, "総務課");
    EXPECT_TRUE(std::filesystem::exists(data / "KenMeibo.dan"));
    EXPECT_EQ(document.m_department.NameByCode("0010000000"), "Soumu");
    EXPECT_EQ(document.m_classification.ListChildren("0010000000"), std::vector<std::string>{"B"});
    // The missing retention master is created empty in the data folder.
    EXPECT_EQ(document.m_retention.size(), 0u);
    EXPECT_TRUE(std::filesystem::exists(data / "HozonNengen.dat"));
    EXPECT_FALSE(std::filesystem::exists(program / "Kamei.dat"));
    EXPECT_EQ(document.m_department.Captions().level1, "課局室");
    EXPECT_EQ(document.m_retention.Captions().name, "保存分類");
}

TEST(DocumentData, WithoutAPointerFileEverythingIsInTheProgramFolder) {
    TempFolder program;
    const InsideFolder inside(program.path());
    FakePrompt prompt;
    DocumentData document(prompt, kToday, folderText(program.path()));
    EXPECT_EQ(document.m_strDataFolder, folderText(program.path()));
    for (const char* name : {"Kamei.dat", "BosatuBunrui.dat", "HozonNengen.dat"}) {
        EXPECT_TRUE(std::filesystem::exists(program / name)) << name;
    }
    // A first start: no message, and neither the settings file nor the
    // register files of the empty record are made before the settings exist.
    EXPECT_TRUE(document.m_settings.NoSettingsYet());
    EXPECT_FALSE(document.HasSettings());
    for (const char* name : {"ShokiSettei.dat", "DocMaster.dat", "HaikiDoc.dat", "Minaosi.dat"}) {
        EXPECT_FALSE(std::filesystem::exists(program / name)) << name;
    }
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(document.m_settings.Current(), CShokiSetteiData());
}

TEST(DocumentData, AnUnreachableDataFolderIsToldFileByFile) {
    TempFolder program;
    writeBytes(program / "ShokiSetteiFileName.dat", folderText(program / "offline") + "\r\n");
    const InsideFolder inside(program.path());
    FakePrompt prompt;
    DocumentData document(prompt, kToday, folderText(program.path()));
    // The settings file and the three masters, one message each.
    ASSERT_EQ(prompt.messages.size(), 4u);
    EXPECT_NE(prompt.messages[1].text.find("Kamei.dat:Open:"), std::string::npos);
    EXPECT_EQ(document.m_settings.Records().size(), 1u);
    EXPECT_EQ(document.m_department.size(), 0u);
}

TEST(DocumentData, LoadsTheRegistersOfTheSectionInUse) {
    TempFolder program;
    writeSettings(program.path(), sectionIn(program.path()));
    writeBytes(program / "DocMaster.dat", volumeFile(3));
    writeBytes(program / "HaikiDoc.dat", volumeFile(1));
    // Two zeroed change forms.
    writeBytes(program / "Minaosi.dat", i32(2) + std::string(2 * 896, '\0'));
    // The register: its tag, then one zeroed entry.
    writeBytes(program / "KenMeibo.dat",
               str("BunshoKenMeiboVer200") + std::string(CBunshoKenMeiboData::kSize, '\0'));
    FakePrompt prompt;
    DocumentData document(prompt, kToday, folderText(program.path()));
    EXPECT_TRUE(prompt.messages.empty()) << prompt.lastMessage();
    ASSERT_EQ(document.volumes().size(), 3u);
    EXPECT_EQ(document.volumes()[2].title(), "V2");
    EXPECT_EQ(document.disposedVolumes().size(), 1u);
    EXPECT_EQ(document.changeForms().forms().size(), 2u);
    EXPECT_EQ(document.titleRegister().entries().size(), 1u);
}

TEST(DocumentData, BareRegisterNamesAreRelativeToTheCurrentFolder) {
    TempFolder program, data, current;
    writeBytes(program / "ShokiSetteiFileName.dat", folderText(data.path()) + "\r\n");
    CShokiSetteiData section;  // the bare default names
    writeSettings(data.path(), section);
    writeBytes(current / "DocMaster.dat", volumeFile(2));
    const InsideFolder inside(current.path());
    FakePrompt prompt;
    DocumentData document(prompt, kToday, folderText(program.path()));
    EXPECT_EQ(document.volumes().size(), 2u);
    for (const char* name : {"HaikiDoc.dat", "Minaosi.dat", "KenMeibo.dat"}) {
        EXPECT_TRUE(std::filesystem::exists(current / name)) << name;
        EXPECT_FALSE(std::filesystem::exists(data / name)) << name;
    }
    EXPECT_TRUE(std::filesystem::exists(data / "Kamei.dat"));
}

TEST(DocumentData, ASectionWithoutRegisterFileLoadsNoRegister) {
    TempFolder program;
    CShokiSetteiData section = sectionIn(program.path());
    section.m_strRegisterFile.clear();
    writeSettings(program.path(), section);
    const InsideFolder inside(program.path());
    FakePrompt prompt;
    DocumentData document(prompt, kToday, folderText(program.path()));
    EXPECT_TRUE(document.titleRegister().entries().empty());
    EXPECT_FALSE(std::filesystem::exists(program / "KenMeibo.dat"));
}

TEST(DocumentData, EveryLoadHandsTheSectionAndPeriodsOn) {
    TempFolder program;
    CShokiSetteiData section = sectionIn(program.path());
    section.m_nRegisterPeriod = 1;
    section.m_nCalendarMode = 1;
    section.m_nManagementPeriod = 3;  // fiscal years from January
    writeSettings(program.path(), section);
    FakePrompt prompt;
    DocumentData document(prompt, kToday, folderText(program.path()));

    for (const CBosatuTyuushutuJouken* criteria :
         {&document.m_volumeCriteria, &document.m_permanentCriteria,
          &document.m_disposedCriteria}) {
        EXPECT_EQ(criteria->department, "総務課");
        EXPECT_EQ(criteria->section, "庶務係");
        EXPECT_EQ(criteria->byCreationYear, 1);
        EXPECT_EQ(criteria->byDepartment, 1);
        EXPECT_EQ(criteria->creationFrom, OleDateTime::fromDate(2008, 1, 1));
    }
    EXPECT_EQ(document.m_changeFormCriteria.department, "総務課");
    EXPECT_EQ(document.titleRegister().listCalendarYearFlag, 1);
    EXPECT_TRUE(document.calendar().western);
    EXPECT_EQ(document.calendar().periodType, 3);

    // A section switch: the names follow, what the clerk chose stays.
    document.m_volumeCriteria.byTitle = 1;
    document.m_volumeCriteria.titleText = "会議";
    CShokiSetteiData other = section;
    other.m_strSectionName = "財政課";
    other.m_strSubsectionName = "予算係";
    other.m_nRegisterPeriod = 0;
    other.m_nCalendarMode = 0;
    document.m_settings.SetCurrent(other);
    document.LoadAll(prompt);
    EXPECT_EQ(document.m_volumeCriteria.department, "財政課");
    EXPECT_EQ(document.m_disposedCriteria.section, "予算係");
    EXPECT_EQ(document.m_volumeCriteria.titleText, "会議");
    EXPECT_EQ(document.titleRegister().listCalendarYearFlag, 0);
    EXPECT_FALSE(document.calendar().western);
}

}  // namespace
}  // namespace bunrako
