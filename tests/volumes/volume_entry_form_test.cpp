#include "volumes/volume_entry_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "common/cp932.h"
#include "support/fake_prompt.h"
#include "support/import_masters.h"
#include "support/temp_folder.h"
#include "volumes/doc_master_list.h"
#include "volumes/texts.h"
#include "volumes/volume_commands.h"

namespace bunrako {
namespace {

namespace masters = testing::import_masters;
namespace vtexts = volumes::texts;

constexpr int kReiwa = 5;

YearInput reiwa(int year) { return {false, kReiwa, year, 0}; }
YearMonthInput reiwa(int year, int month) { return {reiwa(year), month}; }

void expectMonth(const YearMonthInput& input, int eraYear, int month) {
    EXPECT_EQ(input.year.era, kReiwa);
    EXPECT_EQ(input.year.eraYear, eraYear);
    EXPECT_EQ(input.month, month);
}

// A volume of 総務課 庶務係 filed in 令和2年度, in the masters' names.
CDocMasterData storedVolume() {
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2020, 4, 1));
    volume.setKaMei("総務課");
    volume.setKakariMei("庶務係");
    volume.setDaiBunruiMei("文書");
    volume.setChuuBunruiMei("例規");
    volume.setShouBunruiMei("条例");
    volume.setTitle("例規集");
    volume.setHozonShubetuMei("10年");
    return volume;
}

class VolumeEntryFormTest : public ::testing::Test {
  protected:
    VolumeEntryForm form(VolumeEntryMode mode = VolumeEntryMode::change, bool western = false,
                         int periodType = 0, const CDocMasterData& volume = storedVolume()) {
        return VolumeEntryForm(volume, choices, mode, western, periodType);
    }

    CSetteiKoumokuList department = masters::department();
    CSetteiKoumokuList classification = masters::classification();
    CSetteiKoumokuList retention = masters::retention();
    VolumeChoices choices{department, classification, retention};
};

TEST_F(VolumeEntryFormTest, ShowsTheRecordInItsCombosAndYears) {
    const VolumeEntryForm shown = form();
    const VolumeEntryValues& v = shown.values();
    EXPECT_EQ(v.department, "総務課");
    EXPECT_EQ(v.section, "庶務係");
    EXPECT_EQ(v.minor, "条例");
    EXPECT_EQ(v.retentionType, "10年");
    EXPECT_EQ(v.creation.era, kReiwa);
    EXPECT_EQ(v.creation.eraYear, 2);
    EXPECT_EQ(v.retentionYears, 5);
    EXPECT_EQ(v.reviews[0].years, 10);
    EXPECT_EQ(shown.sections(), (std::vector<std::string>{"庶務係", "経理係"}));
    EXPECT_EQ(shown.minors(), (std::vector<std::string>{"条例", "規則"}));
}

// 5 years filed to 令和2年度: expiry in 令和8, in the first month of the
// fiscal year, and the disposal and all three reviews with it.
class RetentionDerivationTest : public VolumeEntryFormTest,
                                public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(RetentionDerivationTest, FiveYearsFromReiwa2ExpireInReiwa8) {
    const auto [periodType, month] = GetParam();
    VolumeEntryForm entry = form(VolumeEntryMode::registerNew, false, periodType);
    entry.values().filingTo = reiwa(2);
    EXPECT_TRUE(entry.chooseRetentionType("5年").empty());
    const VolumeEntryValues& v = entry.values();
    EXPECT_EQ(v.retentionYears, 5);
    for (const YearMonthInput* derived :
         {&v.expiry, &v.disposal, &v.reviews[0].time, &v.reviews[1].time, &v.reviews[2].time}) {
        expectMonth(*derived, 8, month);
    }
}

INSTANTIATE_TEST_SUITE_P(PeriodTypes, RetentionDerivationTest,
                         ::testing::Values(std::pair{0, 4}, std::pair{1, 7}, std::pair{2, 10},
                                           std::pair{3, 1}));

TEST_F(VolumeEntryFormTest, WesternYearsDeriveTheSame) {
    VolumeEntryForm entry = form(VolumeEntryMode::registerNew, true);
    entry.values().filingTo = {true, 0, 0, 2020};
    entry.chooseRetentionType("5年");
    EXPECT_EQ(entry.values().expiry.year.year, 2026);
    EXPECT_EQ(entry.values().reviews[2].time.year.year, 2026);
}

TEST_F(VolumeEntryFormTest, AnInvalidStepWarnsAndLeavesItsOwnTarget) {
    VolumeEntryForm entry = form();
    const YearMonthInput expiryBefore = entry.values().expiry;
    entry.values().filingTo.era = 0;  // no era chosen
    entry.values().reviews[0].time.month = 13;
    const auto warnings = entry.chooseRetentionType("5年");
    // Step 2 keeps the year but sets the month; steps 3 and 4 copy the
    // expiry as it stands, so 次回 is whole again and 5 and 6 go through.
    EXPECT_EQ(warnings, (std::vector<std::string>{vtexts::kFilingToInvalid}));
    EXPECT_EQ(entry.values().expiry.year.eraYear, expiryBefore.year.eraYear);
    EXPECT_EQ(entry.values().expiry.month, 4);
    EXPECT_EQ(entry.values().reviews[2].time.year.eraYear, expiryBefore.year.eraYear);
}

TEST_F(VolumeEntryFormTest, AnExpiryOutOfRangeStopsTheCopiesButNotTheLaterSteps) {
    VolumeEntryForm entry = form();
    entry.values().filingTo = reiwa(2);
    const int disposalBefore = entry.values().disposal.year.eraYear;
    retention.Items()[2].SetSubName("120");  // 5年 of 120 years: 令和123 is past 110
    const auto warnings = entry.chooseRetentionType("5年");
    EXPECT_EQ(warnings, (std::vector<std::string>{vtexts::kExpiryInvalid, vtexts::kExpiryInvalid}));
    EXPECT_EQ(entry.values().expiry.year.eraYear, 123);
    EXPECT_EQ(entry.values().disposal.year.eraYear, disposalBefore);
}

// 永年 of 99 years from 令和8 derives 令和108: past the 100 years an expiry
// may have, but the reviews may lie up to 110 years into an era.
TEST_F(VolumeEntryFormTest, ReviewsMayLiePastTheHundredthYearOfAnEra) {
    VolumeEntryForm entry = form();
    entry.values().filingTo = reiwa(8);
    entry.chooseRetentionType("永年");
    expectMonth(entry.values().reviews[0].time, 108, 4);
    EXPECT_EQ(entry.validate(), std::optional<std::string>(vtexts::kInvalidInput));
    entry.values().expiry = reiwa(99, 4);
    entry.values().disposal = reiwa(99, 4);
    ASSERT_EQ(entry.validate(), std::nullopt);
    CDocMasterData gathered = storedVolume();
    entry.gather(gathered);
    EXPECT_EQ(gathered.ManryouNengetu, OleDateTime::fromDate(2117, 4, 1));
    EXPECT_EQ(gathered.Minaosi1Jiki, OleDateTime::fromDate(2126, 4, 1));
    const VolumeEntryForm reopened(gathered, choices, VolumeEntryMode::change, false, 0);
    EXPECT_EQ(reopened.values().reviews[0].time.year.eraYear, 108);
}

TEST_F(VolumeEntryFormTest, PermanentOpensTheReviewSection) {
    VolumeEntryForm entry = form();
    EXPECT_FALSE(entry.enabling().nextReview);
    entry.chooseRetentionType("永年");
    VolumeEntryEnabling enabling = entry.enabling();
    EXPECT_TRUE(enabling.nextReview);
    EXPECT_FALSE(enabling.nextReviewPeriod);
    EXPECT_FALSE(enabling.previousReview);
    entry.values().reviews[0].done = true;
    enabling = entry.enabling();
    EXPECT_TRUE(enabling.nextReviewPeriod);
    // 5 and 6 copied the check into the earlier slots only when the type
    // was chosen; a new check of 次回 does not open them.
    EXPECT_FALSE(enabling.previousReview);
}

TEST_F(VolumeEntryFormTest, TheReviewMovesOnByItsPeriod) {
    VolumeEntryForm entry = form();
    entry.chooseRetentionType("永年");
    VolumeEntryValues& v = entry.values();
    v.filingTo = reiwa(2);
    v.reviews[0] = {reiwa(8, 4), true, 10};
    EXPECT_TRUE(entry.reviewRetention().empty());
    expectMonth(v.reviews[0].time, 18, 4);
    EXPECT_FALSE(v.reviews[0].done);
    expectMonth(v.reviews[1].time, 8, 4);
    EXPECT_TRUE(v.reviews[1].done);
    expectMonth(v.expiry, 18, 4);
    expectMonth(v.disposal, 18, 4);
    EXPECT_EQ(v.retentionYears, 2036 - 2020 - 1);
    EXPECT_TRUE(entry.enabling().previousReview);
}

TEST_F(VolumeEntryFormTest, ATypedTypeIsCheckedWhenTheBoxIsLeft) {
    VolumeEntryForm entry = form();
    const YearMonthInput expiry = entry.values().expiry;
    // Leaving on the type in force changes nothing the clerk set.
    EXPECT_TRUE(entry.leaveRetentionType("10年").empty());
    EXPECT_EQ(entry.values().expiry.year.eraYear, expiry.year.eraYear);
    EXPECT_EQ(entry.leaveRetentionType("9年"),
              (std::vector<std::string>{vtexts::kRetentionTypeTyped}));
    EXPECT_EQ(entry.values().retentionType, "");
    EXPECT_TRUE(entry.leaveRetentionType("3年").empty());
    EXPECT_EQ(entry.values().retentionYears, 3);
}

struct Mistake {
    const char* name;
    std::function<void(VolumeEntryValues&)> make;
    VolumeEntryField field;
};

class VolumeEntryValidationTest : public VolumeEntryFormTest,
                                  public ::testing::WithParamInterface<Mistake> {};

TEST_P(VolumeEntryValidationTest, KeepsTheDialogOpen) {
    VolumeEntryForm entry = form();
    ASSERT_EQ(entry.validate(), std::nullopt);
    GetParam().make(entry.values());
    EXPECT_EQ(entry.validate(), std::optional<std::string>(vtexts::kInvalidInput));
    EXPECT_EQ(entry.firstInvalidField(), std::optional(GetParam().field));
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, VolumeEntryValidationTest,
    ::testing::Values(
        Mistake{"emptyTitle", [](VolumeEntryValues& v) { v.title.clear(); },
                VolumeEntryField::title},
        Mistake{"noBooks", [](VolumeEntryValues& v) { v.books = 0; }, VolumeEntryField::books},
        Mistake{"month13", [](VolumeEntryValues& v) { v.expiry.month = 13; },
                VolumeEntryField::expiry},
        Mistake{"noEra", [](VolumeEntryValues& v) { v.creation.era = 0; },
                VolumeEntryField::creation},
        Mistake{"reviewYear111", [](VolumeEntryValues& v) { v.reviews[2].time.year.eraYear = 111; },
                VolumeEntryField::reviewBeforePrevious},
        Mistake{"noSection", [](VolumeEntryValues& v) { v.section.clear(); },
                VolumeEntryField::section},
        Mistake{"unknownType", [](VolumeEntryValues& v) { v.retentionType = "9年"; },
                VolumeEntryField::retentionType},
        Mistake{"noReviewPeriod", [](VolumeEntryValues& v) { v.reviews[1].years = 0; },
                VolumeEntryField::previousReviewYears},
        Mistake{"titleTooLong", [](VolumeEntryValues& v) { v.title = std::string(73, 'a'); },
                VolumeEntryField::title}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(VolumeEntryFormTest, GathersTheValuesWithTheirCodes) {
    VolumeEntryForm entry = form();
    entry.values().title = "条例・規則の制定改廃";
    entry.values().books = 3;
    entry.chooseRetentionType("保存5年");
    CDocMasterData gathered = storedVolume();
    writeFixedBytes(gathered.KanriBangou, "502001001");
    entry.gather(gathered);
    EXPECT_EQ(gathered.kanriBangou(), "502001001");
    EXPECT_EQ(gathered.title(), "条例・規則の制定改廃");
    EXPECT_EQ(gathered.Sassuu, 3);
    EXPECT_EQ(gathered.kaBunruiCode(), "0010010000");
    EXPECT_EQ(gathered.daiBunruiCode(), "1");
    EXPECT_EQ(gathered.chuuBunruiCode(), "2");
    EXPECT_EQ(gathered.shouBunruiCode(), "3");
    EXPECT_EQ(gathered.HozonShubetuIndex, 3);
    EXPECT_EQ(gathered.hozonShubetuMei(), "保存5年");
    EXPECT_EQ(gathered.HozonNengen, OleSpan::fromYears(5));
    EXPECT_EQ(gathered.SakuseiNendo, OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(gathered.ManryouNengetu, OleDateTime::fromDate(2026, 4, 1));
    EXPECT_EQ(gathered.Minaosi3Jiki, OleDateTime::fromDate(2026, 4, 1));
}

// A retitled volume through the dialog's form: with 変更前データを削除する
// only the new one remains, without it both.
class RetitleTest : public VolumeEntryFormTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RetitleTest, KeepsTheOldVolumeUnlessAskedToRemoveIt) {
    const bool removeBefore = GetParam();
    testing::TempFolder folder;
    testing::FakePrompt prompt;
    const auto file = folder / "DocMaster.dat";
    CDocMasterList list(file, prompt);
    ASSERT_TRUE(registerVolume(storedVolume(), list));
    const CDocMasterData before = list.records().front();

    VolumeEntryForm entry = form(VolumeEntryMode::change, false, 0, before);
    entry.values().title = "例規集（追録）";
    entry.values().removeBefore = removeBefore;
    ASSERT_EQ(entry.validate(), std::nullopt);
    CDocMasterData edited = before;
    entry.gather(edited);
    EXPECT_EQ(changeVolume(before, edited, entry.values().removeBefore, list).result(), 1);

    list.Read();
    std::vector<std::string> titles;
    for (const auto& volume : list.records()) titles.push_back(volume.title());
    const std::vector<std::string> both{"例規集", "例規集（追録）"};
    const std::vector<std::string> newOnly{"例規集（追録）"};
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, removeBefore ? newOnly : both);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutRemoval, RetitleTest, ::testing::Bool());

}  // namespace
}  // namespace bunrako
