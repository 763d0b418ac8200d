#include "volumes/volume_filter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/my_tool.h"
#include "settings/settei_koumoku_list.h"
#include "support/volume_bytes.h"
#include "volumes/bosatu_tyuushutu_jouken.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;

OleDateTime date(int y, int m, int d) { return OleDateTime::fromDate(y, m, d); }

// 1年, 5年, 10年, 永年 in rows 0-3.
CSetteiKoumokuList retentionTable() {
    CSetteiKoumokuList table;
    table.Items() = {{"0010000000", "1年", "1"},
                     {"0020000000", "5年", "5"},
                     {"0030000000", "10年", "10"},
                     {"0040000000", "永年", "99"}};
    return table;
}

// Criteria with everything off.
CBosatuTyuushutuJouken none() { return CBosatuTyuushutuJouken{}; }

class VolumeFilterTest : public ::testing::Test {
  protected:
    bool passes(const CBosatuTyuushutuJouken& criteria, const vb::Record& record,
                int periodType = 0) const {
        return VolumeFilter(criteria, periodType, retention)(fromBytes(record));
    }

    CSetteiKoumokuList retention = retentionTable();
    // 総務課 庶務係, 文書/例規/条例, created and filed in fiscal 2020.
    vb::Record volume = vb::volume("502001001 1 2 3000100", vb::kYosansho);
};

TEST_F(VolumeFilterTest, NothingOnListsEverything) {
    EXPECT_TRUE(passes(none(), volume));
    EXPECT_TRUE(passes(none(), vb::Record()));
}

TEST_F(VolumeFilterTest, InitialSetListsTheSectionsVolumesOfThisFiscalYear) {
    const CMyTool tool;
    auto criteria = CBosatuTyuushutuJouken::Initial(date(2021, 3, 31), 0, tool);
    EXPECT_EQ(criteria.byCreationYear, 1);
    EXPECT_EQ(criteria.byDepartment, 1);
    EXPECT_EQ(criteria.bySection, 1);
    EXPECT_EQ(criteria.byTitle + criteria.byMajor + criteria.byMiddle + criteria.byMinor +
                  criteria.byRetentionType + criteria.byFilingYear + criteria.byExpiry +
                  criteria.byDisposal + criteria.byReview + criteria.byCatalogue,
              0);
    EXPECT_EQ(criteria.catalogueHasEntries, 1);
    EXPECT_EQ(criteria.creationFrom, date(2020, 4, 1));
    EXPECT_EQ(criteria.creationTo, date(2021, 3, 31));
    // Without the names of the settings only volumes without a department pass.
    EXPECT_FALSE(passes(criteria, volume));
    criteria.setSection("総務課", "庶務係");
    EXPECT_TRUE(passes(criteria, volume));
    EXPECT_FALSE(passes(criteria, vb::volume("", vb::kYosansho, vb::kApril2021)));
}

TEST_F(VolumeFilterTest, TheSectionCountsOnlyWithTheDepartment) {
    auto criteria = none();
    criteria.bySection = 1;
    criteria.section = "経理係";
    EXPECT_TRUE(passes(criteria, volume));
    criteria.byDepartment = 1;
    criteria.department = "総務課";
    EXPECT_FALSE(passes(criteria, volume));
    criteria.section = "庶務係";
    EXPECT_TRUE(passes(criteria, volume));
}

TEST_F(VolumeFilterTest, ClassificationLevelsCountOnlyBelowAnActiveLevel) {
    auto criteria = none();
    criteria.byMiddle = 1;
    criteria.middle = "other";
    criteria.byMinor = 1;
    criteria.minor = "other";
    EXPECT_TRUE(passes(criteria, volume));
    criteria.byMajor = 1;
    criteria.major = "文書";
    EXPECT_FALSE(passes(criteria, volume));
    criteria.middle = "例規";
    EXPECT_FALSE(passes(criteria, volume));
    criteria.minor = "条例";
    EXPECT_TRUE(passes(criteria, volume));
    // The minor level without the middle one is ignored again.
    criteria.byMiddle = 0;
    criteria.minor = "other";
    EXPECT_TRUE(passes(criteria, volume));
}

TEST_F(VolumeFilterTest, TitleTextMustOccurAsWholeCharacters) {
    auto criteria = none();
    criteria.byTitle = 1;
    const auto minutes = vb::volume("", "\x92\xe8\x97\xe1\x89\xef\x8b\x63\x98\x5e");  // 定例会議録
    criteria.titleText = "会議";
    EXPECT_TRUE(passes(criteria, minutes));
    criteria.titleText = "議事";
    EXPECT_FALSE(passes(criteria, minutes));
    criteria.titleText.clear();
    EXPECT_TRUE(passes(criteria, minutes));
}

TEST_F(VolumeFilterTest, CreationYearsRunFromTheFirstToTheLastDayOfTheFiscalYears) {
    auto criteria = none();
    criteria.byCreationYear = 1;
    // Any day of a fiscal year names it.
    criteria.creationFrom = date(2020, 12, 1);
    criteria.creationTo = date(2021, 2, 1);
    EXPECT_TRUE(passes(criteria, volume));
    EXPECT_FALSE(passes(criteria, vb::volume("", vb::kYosansho, vb::kApril2021)));
    EXPECT_FALSE(passes(criteria, vb::volume("", vb::kYosansho, vb::kApril2019)));
    // Under July years the volume of 2020-04-01 belongs to 2019-07 .. 2020-06.
    EXPECT_FALSE(passes(criteria, volume, 1));
    criteria.creationFrom = date(2020, 6, 30);
    EXPECT_TRUE(passes(criteria, volume, 1));
    // A creation year that is not a date lies in no range.
    auto broken = volume;
    broken.value(vb::kCreatedAt, vb::kApril2020, 1);
    EXPECT_FALSE(passes(criteria, broken, 1));
}

TEST_F(VolumeFilterTest, FilingYearsPassWhenEitherEndLiesInside) {
    auto criteria = none();
    criteria.byFilingYear = 1;
    criteria.filingFrom = date(2020, 4, 1);  // 令和2年度
    criteria.filingTo = date(2020, 4, 1);
    auto lastInside = volume;  // 令和1年度 - 令和2年度
    lastInside.value(vb::kFiledFromAt, vb::kApril2019).value(vb::kFiledToAt, vb::kApril2020);
    EXPECT_TRUE(passes(criteria, lastInside));
    auto around = volume;  // 平成30年度 - 令和3年度
    around.value(vb::kFiledFromAt, vb::kApril2018).value(vb::kFiledToAt, vb::kApril2021);
    EXPECT_FALSE(passes(criteria, around));
    auto firstInside = volume;
    firstInside.value(vb::kFiledFromAt, vb::kApril2020).value(vb::kFiledToAt, vb::kApril2021);
    EXPECT_TRUE(passes(criteria, firstInside));
}

TEST_F(VolumeFilterTest, MonthsCompareAsYearAndMonth) {
    auto criteria = none();
    criteria.byExpiry = 1;
    criteria.expiryFrom = date(2026, 4, 1);
    criteria.expiryTo = date(2026, 4, 1);
    // Expiry 2020-04-01 + 2196 days = 2026-04-06: the month is what counts.
    EXPECT_TRUE(passes(criteria, volume));
    criteria.expiryFrom = date(2026, 5, 1);
    criteria.expiryTo = date(2027, 3, 1);
    EXPECT_FALSE(passes(criteria, volume));
}

TEST_F(VolumeFilterTest, DisposalMonthsCountOnlyForDisposedVolumes) {
    auto criteria = none();
    criteria.byDisposal = 1;
    criteria.disposalFrom = date(2026, 1, 1);
    criteria.disposalTo = date(2026, 12, 1);
    EXPECT_FALSE(passes(criteria, volume));
    auto disposed = volume;
    disposed.int32(vb::kDisposedAt, 1);
    EXPECT_TRUE(passes(criteria, disposed));
}

TEST_F(VolumeFilterTest, ReviewMonthsCountOnlyForPermanentVolumes) {
    auto criteria = none();
    criteria.byReview = 1;
    criteria.reviewFrom = date(2026, 4, 1);
    criteria.reviewTo = date(2026, 4, 1);
    auto tenYears = volume;
    tenYears.text(vb::kRetentionNameAt, "10\x94\x4e");  // 10年
    EXPECT_FALSE(passes(criteria, tenYears));
    auto permanent = volume;
    permanent.text(vb::kRetentionNameAt, "\x89\x69\x94\x4e");  // 永年
    EXPECT_TRUE(passes(criteria, permanent));
    criteria.reviewFrom = date(2030, 1, 1);
    criteria.reviewTo = date(2031, 1, 1);
    EXPECT_FALSE(passes(criteria, permanent));
}

TEST_F(VolumeFilterTest, RetentionTypeIsTheTableRowOfTheTypeIndex) {
    auto criteria = none();
    criteria.byRetentionType = 1;
    criteria.retentionType = "永年";
    // The stored name does not count, the table row of the index does.
    auto permanent = volume;
    permanent.int32(vb::kRetentionIndexAt, 3).text(vb::kRetentionNameAt, "5");
    EXPECT_TRUE(passes(criteria, permanent));
    EXPECT_FALSE(passes(criteria, volume));  // row 2: 10年
    permanent.int32(vb::kRetentionIndexAt, 4);
    EXPECT_FALSE(passes(criteria, permanent));
    permanent.int32(vb::kRetentionIndexAt, -1);
    EXPECT_FALSE(passes(criteria, permanent));
}

TEST_F(VolumeFilterTest, TheCatalogueIsAskedOnlyWhenThatCriterionIsOn) {
    int asked = 0;
    const CatalogueProbe probe = [&](const CDocMasterData& v) {
        ++asked;
        return v.Sassuu > 1;
    };
    auto criteria = none();
    EXPECT_TRUE(VolumeFilter(criteria, 0, retention, probe)(fromBytes(volume)));
    EXPECT_EQ(asked, 0);
    criteria.byCatalogue = 1;
    auto twoBooks = volume;
    twoBooks.int32(vb::kBooksAt, 2);
    const VolumeFilter withEntries(criteria, 0, retention, probe);
    EXPECT_FALSE(withEntries(fromBytes(volume)));
    EXPECT_TRUE(withEntries(fromBytes(twoBooks)));
    criteria.catalogueHasEntries = 0;
    const VolumeFilter withoutEntries(criteria, 0, retention, probe);
    EXPECT_TRUE(withoutEntries(fromBytes(volume)));
    EXPECT_FALSE(withoutEntries(fromBytes(twoBooks)));
    EXPECT_EQ(asked, 4);
}

TEST_F(VolumeFilterTest, ThePermanentLedgerDialogOpensWithTheRetentionCriterionOn) {
    const auto shown = criteriaAsDialogOpens(none(), VolumeTab::permanentLedger);
    EXPECT_EQ(shown.byRetentionType, 1);
    EXPECT_EQ(criteriaAsDialogOpens(none(), VolumeTab::disposedList).byRetentionType, 0);
    EXPECT_STREQ(extractionDialogCaption(VolumeTab::volumeList), "文書整理一覧表の抽出");
    EXPECT_STREQ(extractionDialogCaption(VolumeTab::permanentLedger), "永年簿冊の抽出");
    EXPECT_STREQ(extractionDialogCaption(VolumeTab::disposedList), "廃棄簿冊の抽出");
}

TEST(VolumeOrderTest, TitleOrderIsJisOrderAndKeepsEqualTitlesInPlace) {
    std::vector<CDocMasterData> volumes;
    for (const char* title : {vb::kYosansho, vb::kJinji, vb::kYosansho, "abc"}) {
        volumes.push_back(fromBytes(vb::volume("", title)));
    }
    volumes[0].Sassuu = 1;
    volumes[2].Sassuu = 2;
    sortVolumesByTitle(volumes);
    // ASCII first, then 人事 (90 6C) before 予算書 (97 5C).
    EXPECT_EQ(volumes[0].title(), "abc");
    EXPECT_EQ(volumes[1].title(), "人事");
    EXPECT_EQ(volumes[2].Sassuu, 1);
    EXPECT_EQ(volumes[3].Sassuu, 2);
}

TEST(VolumeOrderTest, ExtractionKeepsTheOrderGiven) {
    std::vector<CDocMasterData> volumes;
    for (double year : {vb::kApril2021, vb::kApril2020, vb::kApril2019, vb::kApril2020}) {
        volumes.push_back(fromBytes(vb::volume("", vb::kJinji, year)));
    }
    volumes[3].Sassuu = 7;
    auto criteria = CBosatuTyuushutuJouken{};
    criteria.byCreationYear = 1;
    criteria.creationFrom = criteria.creationTo = date(2020, 4, 1);
    const auto kept = extractVolumes(volumes, VolumeFilter(criteria, 0, CSetteiKoumokuList()));
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].Sassuu, 1);
    EXPECT_EQ(kept[1].Sassuu, 7);
}

}  // namespace
}  // namespace bunrako
