#include <gtest/gtest.h>

#include <functional>

#include "common/my_tool.h"
#include "support/import_masters.h"
#include "volumes/change_form_extraction_form.h"
#include "volumes/texts.h"
#include "volumes/volume_extraction_form.h"

namespace bunrako {
namespace {

namespace masters = testing::import_masters;
namespace vtexts = volumes::texts;

constexpr int kHeisei = 4;
constexpr int kReiwa = 5;

const OleDateTime kToday = OleDateTime::fromDate(2020, 8, 15);

class ExtractionFormsTest : public ::testing::Test {
  protected:
    CBosatuTyuushutuJouken initialVolumeCriteria() const {
        auto criteria = CBosatuTyuushutuJouken::Initial(kToday, 0, tool);
        criteria.setSection("総務課", "庶務係");
        return criteria;
    }

    CMyTool tool;
    CSetteiKoumokuList department = masters::department();
    CSetteiKoumokuList classification = masters::classification();
    CSetteiKoumokuList retention = masters::retention();
    VolumeChoices choices{department, classification, retention};
};

TEST_F(ExtractionFormsTest, OpensOnTheCriteriaOfTheTab) {
    const VolumeExtractionForm form(initialVolumeCriteria(), choices, VolumeTab::volumeList, false,
                                    0);
    const VolumeExtractionValues& v = form.values();
    EXPECT_TRUE(v.creation.on);
    EXPECT_EQ(v.creation.from.era, kReiwa);
    EXPECT_EQ(v.creation.from.eraYear, 2);
    // The stored end of the fiscal year shows as the year it is named after.
    EXPECT_EQ(v.creation.to.eraYear, 2);
    EXPECT_EQ(v.department.name, "総務課");
    EXPECT_EQ(form.sections(), (std::vector<std::string>{"庶務係", "経理係"}));
    EXPECT_STREQ(form.caption(), "文書整理一覧表の抽出");

    const VolumeExtractionForm permanent(initialVolumeCriteria(), choices,
                                         VolumeTab::permanentLedger, false, 0);
    EXPECT_TRUE(permanent.values().retentionType.on);
    EXPECT_EQ(permanent.values().retentionType.name, "永年");
    EXPECT_EQ(permanent.validate(), std::nullopt);
    EXPECT_STREQ(permanent.caption(), "永年簿冊の抽出");
}

TEST_F(ExtractionFormsTest, WritesTheCheckedCriteriaAsDates) {
    VolumeExtractionForm form(initialVolumeCriteria(), choices, VolumeTab::disposedList, false, 0);
    VolumeExtractionValues& v = form.values();
    v.creation.from = {false, kHeisei, 30, 0};
    v.creation.to = {false, kReiwa, 2, 0};
    v.disposal = {true, {{false, kReiwa, 1, 0}, 7}, {{false, kReiwa, 3, 0}, 3}};
    v.retentionType = {true, "永年"};
    v.section.on = false;
    v.title = {false, "会議"};
    CBosatuTyuushutuJouken criteria = initialVolumeCriteria();
    ASSERT_EQ(form.validate(), std::nullopt);
    form.store(criteria);
    EXPECT_EQ(criteria.creationFrom, OleDateTime::fromDate(2018, 4, 1));
    EXPECT_EQ(criteria.creationTo, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(criteria.byDisposal, 1);
    EXPECT_EQ(criteria.disposalFrom, OleDateTime::fromDate(2019, 7, 1));
    EXPECT_EQ(criteria.disposalTo, OleDateTime::fromDate(2021, 3, 1));
    EXPECT_EQ(criteria.retentionType, "永年");
    EXPECT_EQ(criteria.bySection, 0);
    EXPECT_EQ(criteria.section, "庶務係");  // off: kept as it was
    EXPECT_EQ(criteria.byTitle, 0);
    EXPECT_EQ(criteria.titleText, "");
}

TEST_F(ExtractionFormsTest, WesternYearsStoreTheSameDays) {
    VolumeExtractionForm form(initialVolumeCriteria(), choices, VolumeTab::volumeList, true, 0);
    VolumeExtractionValues& v = form.values();
    EXPECT_EQ(v.creation.from.year, 2020);
    v.filing = {true, {true, 0, 0, 2019}, {true, 0, 0, 2020}};
    CBosatuTyuushutuJouken criteria;
    ASSERT_EQ(form.validate(), std::nullopt);
    form.store(criteria);
    EXPECT_EQ(criteria.filingFrom, OleDateTime::fromDate(2019, 4, 1));
    EXPECT_EQ(criteria.filingTo, OleDateTime::fromDate(2020, 4, 1));
}

struct VolumeMistake {
    const char* name;
    std::function<void(VolumeExtractionValues&)> make;
};

class VolumeExtractionValidationTest : public ExtractionFormsTest,
                                       public ::testing::WithParamInterface<VolumeMistake> {};

TEST_P(VolumeExtractionValidationTest, KeepsTheDialogOpen) {
    VolumeExtractionForm form(initialVolumeCriteria(), choices, VolumeTab::volumeList, false, 0);
    ASSERT_EQ(form.validate(), std::nullopt);
    GetParam().make(form.values());
    EXPECT_EQ(form.validate(), std::optional<std::string>(vtexts::kInvalidInput));
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, VolumeExtractionValidationTest,
    ::testing::Values(
        VolumeMistake{"noEra", [](VolumeExtractionValues& v) { v.creation.to.era = 0; }},
        VolumeMistake{"eraYear100",
                      [](VolumeExtractionValues& v) { v.creation.from.eraYear = 100; }},
        VolumeMistake{"noDepartment", [](VolumeExtractionValues& v) { v.department.name.clear(); }},
        VolumeMistake{"noMinor",
                      [](VolumeExtractionValues& v) {
                          v.minor = {true, ""};
                      }},
        VolumeMistake{"month13",
                      [](VolumeExtractionValues& v) {
                          v.expiry.on = true;
                          v.expiry.to.month = 13;
                      }},
        VolumeMistake{"westernYear999",
                      [](VolumeExtractionValues& v) {
                          v.filing = {true, {true, 0, 0, 999}, {true, 0, 0, 2020}};
                      }}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ExtractionFormsTest, CriteriaThatAreOffAreNotChecked) {
    VolumeExtractionForm form(initialVolumeCriteria(), choices, VolumeTab::volumeList, false, 0);
    form.values().review = {false, {}, {}};
    form.values().minor = {false, ""};
    EXPECT_EQ(form.validate(), std::nullopt);
}

TEST_F(ExtractionFormsTest, TheChangeFormCriteriaRoundTrip) {
    auto criteria = CHozonNengenHenkoushoTyuushutuJouken::Initial(kToday, 0, tool);
    criteria.setSection("総務課", "庶務係");
    ChangeFormExtractionForm form(criteria, choices, false, 0);
    ChangeFormExtractionValues& v = form.values();
    v.filingEnd = {true, {false, kReiwa, 2, 0}, {false, kReiwa, 3, 0}};
    v.typeBefore = {true, "5年", "10年"};
    v.reason = {true, "歴史的資料"};
    ASSERT_EQ(form.validate(), std::nullopt);
    form.store(criteria);
    EXPECT_EQ(criteria.byFilingEnd, 1);
    EXPECT_EQ(criteria.filingEndFrom, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(criteria.filingEndTo, OleDateTime::fromDate(2021, 4, 1));
    EXPECT_EQ(criteria.typeBeforeFrom, "5年");
    EXPECT_EQ(criteria.typeBeforeTo, "10年");
    EXPECT_EQ(criteria.byTypeAfter, 0);
    EXPECT_EQ(criteria.reasonText, "歴史的資料");

    const ChangeFormExtractionForm reopened(criteria, choices, false, 0);
    EXPECT_EQ(reopened.values().filingEnd.from.eraYear, 2);
    EXPECT_EQ(reopened.values().typeBefore.to, "10年");
}

struct FormMistake {
    const char* name;
    std::function<void(ChangeFormExtractionValues&)> make;
};

class ChangeFormValidationTest : public ExtractionFormsTest,
                                 public ::testing::WithParamInterface<FormMistake> {};

TEST_P(ChangeFormValidationTest, KeepsTheDialogOpen) {
    auto criteria = CHozonNengenHenkoushoTyuushutuJouken::Initial(kToday, 0, tool);
    criteria.setSection("総務課", "庶務係");
    ChangeFormExtractionForm form(criteria, choices, false, 0);
    ASSERT_EQ(form.validate(), std::nullopt);
    GetParam().make(form.values());
    EXPECT_EQ(form.validate(), std::optional<std::string>(vtexts::kInvalidCriteria));
}

INSTANTIATE_TEST_SUITE_P(Mistakes, ChangeFormValidationTest,
                         ::testing::Values(FormMistake{"oneTypeOfThePair",
                                                       [](ChangeFormExtractionValues& v) {
                                                           v.typeAfter = {true, "5年", ""};
                                                       }},
                                           FormMistake{"noFilingStartEra",
                                                       [](ChangeFormExtractionValues& v) {
                                                           v.filingStart.on = true;
                                                           v.filingStart.from.era = 0;
                                                       }},
                                           FormMistake{"noSection",
                                                       [](ChangeFormExtractionValues& v) {
                                                           v.section.name.clear();
                                                       }}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace bunrako
