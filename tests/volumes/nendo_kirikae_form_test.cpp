#include "volumes/nendo_kirikae_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/file_io.h"
#include "support/department_master.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;

class YearSwitchFormTest : public ::testing::Test {
  protected:
    NendoKirikaeForm form(bool western = false) {
        NendoKirikaeForm::Setup setup;
        setup.western = western;
        setup.periodType = 0;
        setup.today = OleDateTime::fromDate(2026, 12, 9);
        setup.department = "総務課";
        setup.section = "人事係";
        setup.volumeFile = pathToUtf8(folder / "DocMaster.dat");
        setup.dataFolder = folder.path();
        setup.otherDataFiles = {folder / "HaikiDoc.dat", folder / "Kamei.dat"};
        return NendoKirikaeForm(choices, std::move(setup));
    }

    testing::TempFolder folder;
    CSetteiKoumokuList master = testing::departmentMaster();
    VolumeChoices choices{master, master, master};
};

TEST_F(YearSwitchFormTest, OpensOnTodaysFiscalYearAndTheSectionsVolumeFile) {
    const NendoKirikaeForm era = form();
    EXPECT_EQ(era.values().year.era, 5);  // 令和
    EXPECT_EQ(era.values().year.eraYear, 8);
    EXPECT_EQ(form(true).values().year.year, 2026);
    EXPECT_FALSE(era.departmentEnabled());
    EXPECT_EQ(era.values().department, "総務課");
    EXPECT_EQ(era.values().section, "人事係");
    EXPECT_EQ(era.values().masterFile, pathToUtf8(folder / "DocMaster.dat"));
    EXPECT_EQ(era.request().newYear, OleDateTime::fromDate(2026, 4, 1));
}

TEST_F(YearSwitchFormTest, CopiesGoToTheChosenSectionOnlyWhileTheCheckIsOn) {
    NendoKirikaeForm f = form();
    // Without the check the copies go to the section in use.
    ASSERT_TRUE(f.request().department);
    EXPECT_EQ(f.request().department->code, "0010020000");

    f.setReorganise(true);
    f.chooseDepartment("財政課");
    EXPECT_EQ(f.values().section, "庶務係");  // the first of its sections
    EXPECT_FALSE(f.validate());
    EXPECT_EQ(f.request().department->code, "0020010000");

    // Unchecked again: what was chosen is not applied unseen.
    f.setReorganise(false);
    EXPECT_EQ(f.values().department, "総務課");
    EXPECT_EQ(f.request().department->code, "0010020000");
}

struct FieldCase {
    const char* name;
    void (*change)(NendoKirikaeValues&);
    NendoKirikaeField field;
};

class YearSwitchValidationTest : public YearSwitchFormTest,
                                 public ::testing::WithParamInterface<FieldCase> {};

TEST_P(YearSwitchValidationTest, SendsTheClerkBackToTheField) {
    NendoKirikaeForm f = form();
    ASSERT_FALSE(f.validate());
    GetParam().change(f.values());
    const auto problem = f.validate();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, GetParam().field);
    EXPECT_FALSE(problem->message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, YearSwitchValidationTest,
    ::testing::Values(
        FieldCase{"NoEra", [](NendoKirikaeValues& v) { v.year.era = 0; }, NendoKirikaeField::year},
        FieldCase{"NoEraYear", [](NendoKirikaeValues& v) { v.year.eraYear = 0; },
                  NendoKirikaeField::year},
        FieldCase{"EraYearTooLarge", [](NendoKirikaeValues& v) { v.year.eraYear = 100; },
                  NendoKirikaeField::year},
        FieldCase{"NoDepartment",
                  [](NendoKirikaeValues& v) {
                      v.reorganise = true;
                      v.department.clear();
                  },
                  NendoKirikaeField::department},
        FieldCase{"SectionOfAnotherDepartment",
                  [](NendoKirikaeValues& v) {
                      v.reorganise = true;
                      v.department = "財政課";
                      v.section = "人事係";
                  },
                  NendoKirikaeField::section},
        FieldCase{"MasterFileOfAnotherKind",
                  [](NendoKirikaeValues& v) { v.masterFile = "HaikiDoc.dat"; },
                  NendoKirikaeField::masterFile}),
    [](const auto& row) { return std::string(row.param.name); });

struct TargetCase {
    const char* name;
    const char* typed;
    // The file taken, in the data folder; nullptr when refused.
    const char* file;
};

class YearSwitchTargetTest : public YearSwitchFormTest,
                             public ::testing::WithParamInterface<TargetCase> {};

TEST_P(YearSwitchTargetTest, ResolvesOrRefusesThePath) {
    fs::create_directory(folder / "既存");
    const YearSwitchTarget target = YearSwitchTarget::Resolve(
        GetParam().typed, folder.path(), {folder / "HaikiDoc.dat", folder / "Kamei.dat"});
    if (GetParam().file) {
        EXPECT_EQ(target.problem, "");
        EXPECT_EQ(target.file, folder / GetParam().file);
    } else {
        EXPECT_NE(target.problem, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, YearSwitchTargetTest,
    ::testing::Values(TargetCase{"EmptyIsTheDefault", "  ", "DocMaster.dat"},
                      TargetCase{"RelativeIsInTheDataFolder", "R8年度.dat", "R8年度.dat"},
                      TargetCase{"WithoutExtension", "R8年度", "R8年度.dat"},
                      TargetCase{"UpperCaseExtension", "既存/NEW.DAT", "既存/NEW.DAT"},
                      TargetCase{"AnotherExtension", "R8年度.csv", nullptr},
                      TargetCase{"AFolder", "既存", nullptr},
                      TargetCase{"AMissingFolder", "無い/DocMaster.dat", nullptr},
                      TargetCase{"TheDisposedVolumes", "既存/../HaikiDoc.dat", nullptr},
                      TargetCase{"TheDepartmentMaster", "Kamei", nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(YearSwitchFormTest, TakesAnAbsolutePath) {
    testing::TempFolder other;
    const fs::path file = other / "次年度.dat";
    EXPECT_EQ(YearSwitchTarget::Resolve(pathToUtf8(file), folder.path(), {}).file, file);
}

}  // namespace
}  // namespace bunrako
