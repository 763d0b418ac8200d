#include "register/register_criteria_form.h"

#include <gtest/gtest.h>

#include "support/department_master.h"

namespace bunrako {
namespace {

const OleDateTime kNow = OleDateTime::fromDateTime(2021, 1, 5, 10, 0, 0);
constexpr int kAprilStart = 0;

class RegisterCriteriaFormTest : public ::testing::Test {
  protected:
    RegisterCriteriaForm make(int calendarYear, int calendarMode = 0) {
        criteria = RegisterCriteria::Initial(kNow, calendarYear, kAprilStart, "0010020000");
        return RegisterCriteriaForm(criteria, departments, calendarMode, kAprilStart);
    }
    RegisterCriteria criteria;
    CSetteiKoumokuList departments = testing::departmentMaster();
};

TEST_F(RegisterCriteriaFormTest, TheYearIsShownAndWrittenBackByTheRegistersKindOfYear) {
    RegisterCriteriaForm fiscal = make(0);
    EXPECT_STREQ(fiscal.yearCheckCaption(), "年度で抽出する");
    EXPECT_STREQ(fiscal.yearUnit(), "年度");
    EXPECT_EQ(fiscal.yearFrom.eraYear, 2);  // 令和2年度
    fiscal.yearTo.eraYear = 3;
    RegisterCriteria gathered = fiscal.gather();
    EXPECT_EQ(gathered.yearFrom, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(gathered.yearTo, OleDateTime::fromDate(2021, 4, 1));

    RegisterCriteriaForm calendar = make(1, 1);
    EXPECT_STREQ(calendar.yearCheckCaption(), "年で抽出する");
    EXPECT_EQ(calendar.yearFrom.year, 2021);
    calendar.yearTo.year = 2022;
    gathered = calendar.gather();
    EXPECT_EQ(gathered.yearFrom, OleDateTime::fromDate(2021, 1, 1));
    EXPECT_EQ(gathered.yearTo, OleDateTime::fromDate(2022, 1, 1));
}

TEST_F(RegisterCriteriaFormTest, ChecksEnableTheirFieldsAndTheSectionCodeFollowsTheChoice) {
    RegisterCriteriaForm form = make(0);
    EXPECT_EQ(form.section(), "総務課");
    EXPECT_EQ(form.subsection(), "人事係");
    EXPECT_TRUE(form.subsectionEnabled());
    EXPECT_EQ(form.gather().sectionCode, "0010000000");
    form.bySubsection = true;
    EXPECT_EQ(form.gather().sectionCode, "0010020000");
    form.bySection = false;
    EXPECT_FALSE(form.subsectionEnabled());
    EXPECT_EQ(form.gather().bySubsection, 0);

    form.setSection("財政課");
    EXPECT_TRUE(form.subsection().empty());
    EXPECT_EQ(form.subsectionNames(), (std::vector<std::string>{"庶務係"}));

    EXPECT_FALSE(form.completionRadiosEnabled());
    form.byCompleted = true;
    form.byCompletedDate = true;
    EXPECT_TRUE(form.completedDateEnabled());
    form.setNotCompleted(true);
    EXPECT_FALSE(form.byCompletedDate);
    EXPECT_FALSE(form.completedDateEnabled());
    EXPECT_EQ(form.gather().notCompleted, 1);
}

struct RangeCase {
    const char* what;
    void (*change)(RegisterCriteriaForm&);
    bool valid;
};

class CriteriaRanges : public RegisterCriteriaFormTest,
                       public ::testing::WithParamInterface<RangeCase> {};

TEST_P(CriteriaRanges, AreCheckedForTheCriteriaThatAreOn) {
    RegisterCriteriaForm form = make(1, 1);
    GetParam().change(form);
    EXPECT_EQ(form.isValid(), GetParam().valid) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CriteriaRanges,
    ::testing::Values(RangeCase{"initial", [](RegisterCriteriaForm&) {}, true},
                      RangeCase{"year 1499",
                                [](RegisterCriteriaForm& f) { f.yearFrom.year = 1499; }, false},
                      RangeCase{"year 1499, year off",
                                [](RegisterCriteriaForm& f) {
                                    f.byYear = false;
                                    f.yearFrom.year = 1499;
                                },
                                true},
                      RangeCase{"received month 13",
                                [](RegisterCriteriaForm& f) {
                                    f.byReceivedDate = true;
                                    f.receivedTo.month = 13;
                                },
                                false},
                      RangeCase{"completed in year 1",
                                [](RegisterCriteriaForm& f) {
                                    f.byCompleted = true;
                                    f.byCompletedDate = true;
                                    f.completedFrom.year.year = 1;
                                },
                                true},
                      RangeCase{"completed on day 32",
                                [](RegisterCriteriaForm& f) {
                                    f.byCompleted = true;
                                    f.byCompletedDate = true;
                                    f.completedTo.day = 32;
                                },
                                false}));

}  // namespace
}  // namespace bunrako
