#include "settings/shoki_settei_form.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "settings/section_switch_form.h"
#include "support/department_master.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::departmentMaster;
using testing::FakePrompt;
using testing::TempFolder;

CShokiSetteiData section(const std::string& name, const std::string& sub, const std::string& code,
                         const std::string& volumes = "V.dat") {
    CShokiSetteiData record;
    record.m_strSectionName = name;
    record.m_strSubsectionName = sub;
    record.m_strSectionCode = code;
    record.m_strVolumeFile = volumes;
    return record;
}

// Five sections' settings, 総務課 庶務係 first and in use.
CShokiSetteiList fiveSections() {
    CShokiSetteiList list;
    list.Records() = {section("総務課", "庶務係", "0010010000", "A.dat"),
                      section("総務課", "人事係", "0010020000", "B.dat"),
                      section("財政課", "庶務係", "0020010000", "C.dat"),
                      section("旧課", "旧係", "0090010000", "D.dat"),
                      section("総務課", "", "", "E.dat")};
    list.SetCurrent(list.Records()[0]);
    return list;
}

std::vector<std::string> volumeFiles(const CShokiSetteiList& list) {
    std::vector<std::string> files;
    for (const auto& record : list.Records()) files.push_back(record.m_strVolumeFile);
    return files;
}

TEST(ShokiSetteiForm, OpensOnTheSectionInUse) {
    const CSetteiKoumokuList department = departmentMaster();
    ShokiSetteiForm form(fiveSections(), department);
    EXPECT_EQ(form.Sections(), (std::vector<std::string>{"総務課", "財政課"}));
    EXPECT_EQ(form.Section(), "総務課");
    EXPECT_EQ(form.Subsection(), "庶務係");
    EXPECT_EQ(form.Subsections(), (std::vector<std::string>{"庶務係", "人事係"}));
    EXPECT_EQ(form.Record().m_strVolumeFile, "A.dat");
}

TEST(ShokiSetteiForm, ASubsectionBringsItsSettingsOrTheDefaults) {
    const CSetteiKoumokuList department = departmentMaster();
    ShokiSetteiForm form(fiveSections(), department);
    form.ChooseSection("財政課");
    EXPECT_EQ(form.Subsection(), "");
    EXPECT_EQ(form.Subsections(), (std::vector<std::string>{"庶務係"}));
    EXPECT_TRUE(form.ChooseSubsection("庶務係"));
    EXPECT_EQ(form.Record().m_strVolumeFile, "C.dat");

    form.ChooseSection("総務課");
    form.Record().m_strVolumeFile = "typed.dat";
    CSetteiKoumokuList more = department;
    more.AddOrReplace({"0010030000", "新係", ""});
    ShokiSetteiForm fresh(fiveSections(), more);
    fresh.ChooseSection("総務課");
    EXPECT_TRUE(fresh.ChooseSubsection("新係"));
    CShokiSetteiData defaults;
    defaults.m_strSectionName = "総務課";
    defaults.m_strSubsectionName = "新係";
    EXPECT_EQ(fresh.Record(), defaults);
    EXPECT_FALSE(fresh.ChooseSubsection("新係"));  // the same pair keeps what was typed
}

TEST(ShokiSetteiForm, ConfirmingTheThirdOfFiveMovesItToTheFront) {
    const CSetteiKoumokuList department = departmentMaster();
    ShokiSetteiForm form(fiveSections(), department);
    form.ChooseSection("財政課");
    form.ChooseSubsection("庶務係");
    form.Record().m_strVolumeFile = "C2.dat";
    ASSERT_EQ(form.Confirm(), ShokiSetteiForm::Missing::none);
    EXPECT_EQ(volumeFiles(form.Settings()),
              (std::vector<std::string>{"C2.dat", "A.dat", "B.dat", "D.dat", "E.dat"}));
    EXPECT_EQ(form.Settings().Current().m_strSectionCode, "0020010000");
}

TEST(ShokiSetteiForm, ANewSectionGoesFirstBeforeTheOthersInTheirOrder) {
    CSetteiKoumokuList department = departmentMaster();
    department.AddOrReplace({"0010030000", "新係", ""});
    ShokiSetteiForm form(fiveSections(), department);
    form.ChooseSubsection("新係");
    form.Record().m_strVolumeFile = "N.dat";
    ASSERT_EQ(form.Confirm(), ShokiSetteiForm::Missing::none);
    EXPECT_EQ(volumeFiles(form.Settings()),
              (std::vector<std::string>{"N.dat", "A.dat", "B.dat", "C.dat", "D.dat", "E.dat"}));
    EXPECT_EQ(form.Settings().Records()[0].m_strSectionCode, "0010030000");
}

struct MissingCase {
    const char* section;
    const char* subsection;
    ShokiSetteiForm::Missing missing;
    const char* shown;
};

class ShokiSetteiMissingTest : public ::testing::TestWithParam<MissingCase> {};

TEST_P(ShokiSetteiMissingTest, OkLeavesTheListAndSaysWhatIsMissing) {
    const MissingCase& c = GetParam();
    CSetteiKoumokuList department = departmentMaster();
    department.Items().push_back({"0030000000", "空課", ""});  // no sub-sections
    ShokiSetteiForm form(fiveSections(), department);
    form.ChooseSection(c.section);
    form.ChooseSubsection(c.subsection);
    EXPECT_EQ(form.Confirm(), c.missing);
    EXPECT_EQ(ShokiSetteiForm::MissingText(c.missing), c.shown);
    EXPECT_EQ(volumeFiles(form.Settings()), volumeFiles(fiveSections()));
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ShokiSetteiMissingTest,
    ::testing::Values(
        MissingCase{"", "", ShokiSetteiForm::Missing::section, "課を選んでください。"},
        MissingCase{"空課", "", ShokiSetteiForm::Missing::subsection, "係を選んでください。"},
        MissingCase{"空課", "幻係", ShokiSetteiForm::Missing::code,
                    "選んだ係の番号が課室局等にありません。"
                    "課室局等の設定を確かめてください。"}));

struct BrowseCase {
    SettingsBrowse target;
    const char* filter;
    const char* extension;
};

class ShokiSetteiBrowseTest : public ::testing::TestWithParam<BrowseCase> {};

TEST_P(ShokiSetteiBrowseTest, FiltersAndExtensions) {
    const CSetteiKoumokuList department = departmentMaster();
    ShokiSetteiForm form(fiveSections(), department);
    // The link files offer the extension as typed, not as stored.
    form.Record().m_strSpreadsheetExt = "ods";
    EXPECT_EQ(form.BrowseFilter(GetParam().target), GetParam().filter);
    EXPECT_EQ(form.BrowseExtension(GetParam().target), GetParam().extension);
}

#ifdef _WIN32
constexpr const char* kSpreadsheetProgramFilter =
    "表計算実行ファイル(*.exe)|*.exe|all files(*.*)|*.*||";
#else
constexpr const char* kSpreadsheetProgramFilter = "表計算実行ファイル(*)|*|all files(*.*)|*.*||";
#endif

INSTANTIATE_TEST_SUITE_P(
    Buttons, ShokiSetteiBrowseTest,
    ::testing::Values(
        BrowseCase{SettingsBrowse::volumeFile,
                   "マスター簿冊データファイル(*.dat)|*.dat|all files(*.*)|*.*||", ""},
        BrowseCase{SettingsBrowse::draftForm,
                   "索引目録一括印刷ファイル(*.jtd;*.doc;*.docx)|*.jtd;*.doc;*.docx|all "
                   "files(*.*)|*.*||",
                   ""},
        BrowseCase{SettingsBrowse::linkPermanent,
                   "永年簿冊台帳連携ファイル(*.ods)|*.ods|all files(*.*)|*.*||", "ods"},
        BrowseCase{SettingsBrowse::spreadsheetExe, kSpreadsheetProgramFilter, ""}));

TEST(ShokiSetteiForm, SavingWritesTheFileOrChangesNothing) {
    TempFolder folder;
    FakePrompt prompt;
    const CSetteiKoumokuList department = departmentMaster();
    CShokiSetteiList gone(prompt, pathToUtf8(folder / "gone" / "ShokiSettei.dat"));
    gone.Records() = fiveSections().Records();
    for (auto& record : gone.Records()) record.m_strRegisterFile = pathToUtf8(folder / "K.dat");
    gone.SetCurrent(gone.Records()[0]);
    ShokiSetteiForm form(gone, department);
    form.ChooseSubsection("人事係");
    ASSERT_EQ(form.Confirm(), ShokiSetteiForm::Missing::none);
    EXPECT_FALSE(SaveConfirmedSettings(prompt, gone, form.Settings()));
    EXPECT_EQ(volumeFiles(gone), volumeFiles(fiveSections()));

    CShokiSetteiList settings(prompt, pathToUtf8(folder / "ShokiSettei.dat"));
    EXPECT_TRUE(SaveConfirmedSettings(prompt, settings, form.Settings()));
    EXPECT_EQ(settings.Current().m_strSectionCode, "0010020000");
    CShokiSetteiList reread;
    ASSERT_EQ(reread.LoadSettings(prompt, settings.SettingsPath()), 1);
    EXPECT_EQ(volumeFiles(reread), volumeFiles(form.Settings()));
}

TEST(SectionSwitchForm, ListsSectionsWhoseCodeStillNamesTheirSubsection) {
    CSetteiKoumokuList department = departmentMaster();
    department.AddOrReplace({"0090010000", "改名係", ""});
    CShokiSetteiList settings = fiveSections();
    settings.SetCurrent(settings.Records()[1]);
    const SectionSwitchForm form(settings, department);
    EXPECT_EQ(form.Lines(),
              (std::vector<std::string>{"0010010000::総務課 庶務係", "0010020000::総務課 人事係",
                                        "0020010000::財政課 庶務係"}));
    EXPECT_EQ(form.CurrentLine(), 1u);
    ASSERT_TRUE(form.RecordOf(2));
    EXPECT_EQ(form.RecordOf(2)->m_strVolumeFile, "C.dat");
    EXPECT_FALSE(form.RecordOf(3));
}

}  // namespace
}  // namespace bunrako
