#include "volumes/henkousho_filter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/my_tool.h"
#include "settings/settei_koumoku_list.h"
#include "support/forms_images.h"

namespace bunrako {
namespace {

using testing::FormAt;
using testing::formImage;
using testing::putFormBytes;

constexpr double kApril2020 = 43922, kApril2021 = 44287;

OleDateTime date(int y, int m, int d) { return OleDateTime::fromDate(y, m, d); }

CHozonNengenHenkoushoData form(const std::string& image) {
    CHozonNengenHenkoushoData f;
    std::memcpy(static_cast<void*>(&f), image.data(), sizeof f);
    return f;
}

class HenkoushoFilterTest : public ::testing::Test {
  protected:
    HenkoushoFilterTest() {
        retention.Items() = {{"0010000000", "1Y", "1"},
                             {"0020000000", "5Y", "5"},
                             {"0030000000", "10Y", "10"},
                             {"0040000000", "30Y", "30"},
                             {"0050000000", "PERM", "99"}};
    }
    bool passes(const CHozonNengenHenkoushoTyuushutuJouken& set, const std::string& image) const {
        return HenkoushoFilter(set, 0, retention)(form(image));
    }

    CSetteiKoumokuList retention;
    CHozonNengenHenkoushoTyuushutuJouken criteria;  // everything off
};

TEST_F(HenkoushoFilterTest, NothingOnListsEveryForm) {
    EXPECT_TRUE(passes(criteria, formImage("A", kApril2020)));
}

TEST_F(HenkoushoFilterTest, InitialSetIsTheSectionsFormsOfThisFiscalYear) {
    auto initial = CHozonNengenHenkoushoTyuushutuJouken::Initial(date(2020, 5, 1), 0, CMyTool());
    initial.setSection("KA", "KAKARI");
    EXPECT_TRUE(passes(initial, formImage("A", kApril2020)));
    EXPECT_FALSE(passes(initial, formImage("A", kApril2021)));
    initial.setSection("KA", "OTHER");
    EXPECT_FALSE(passes(initial, formImage("A", kApril2020)));
}

TEST_F(HenkoushoFilterTest, TitleAndReasonTextsOccurAsAWhole) {
    auto image = formImage("\x92\xe8\x97\xe1\x89\xef\x8b\x63\x98\x5e", kApril2020);  // 定例会議録
    putFormBytes(image, FormAt::riyuu, "\x96\x40\x89\xfc\x90\xb3");                  // 法改正
    criteria.byTitle = 1;
    criteria.titleText = "会議";
    EXPECT_TRUE(passes(criteria, image));
    criteria.titleText = "議事";
    EXPECT_FALSE(passes(criteria, image));
    criteria.titleText.clear();
    criteria.byReason = 1;
    criteria.reasonText = "改正";
    EXPECT_TRUE(passes(criteria, image));
    criteria.reasonText = "改定";
    EXPECT_FALSE(passes(criteria, image));
}

TEST_F(HenkoushoFilterTest, LowerNamesCountOnlyWithTheLevelAbove) {
    criteria.bySection = 1;
    criteria.section = "OTHER";
    criteria.byMiddle = 1;
    criteria.middle = "OTHER";
    EXPECT_TRUE(passes(criteria, formImage("A", kApril2020)));
    criteria.byDepartment = 1;
    criteria.department = "KA";
    EXPECT_FALSE(passes(criteria, formImage("A", kApril2020)));
    criteria.section = "KAKARI";
    criteria.byMajor = 1;
    criteria.major = "DAI";
    EXPECT_FALSE(passes(criteria, formImage("A", kApril2020)));
    criteria.middle = "CHUU";
    EXPECT_TRUE(passes(criteria, formImage("A", kApril2020)));
}

TEST_F(HenkoushoFilterTest, FilingYearsAreTestedEachOnItsOwn) {
    auto image = formImage("A", kApril2020);
    testing::putFormDate(image, FormAt::shuuryouNendo, kApril2021);
    criteria.byFilingStart = 1;
    criteria.filingStartFrom = criteria.filingStartTo = date(2020, 4, 1);
    EXPECT_TRUE(passes(criteria, image));
    criteria.byFilingEnd = 1;
    criteria.filingEndFrom = criteria.filingEndTo = date(2020, 4, 1);
    EXPECT_FALSE(passes(criteria, image));
    criteria.filingEndTo = date(2021, 4, 1);
    EXPECT_TRUE(passes(criteria, image));
}

TEST_F(HenkoushoFilterTest, TypeCriteriaTakeTheRangeOfTheRetentionTable) {
    const auto fiveToTen = formImage("A", kApril2020, "5Y", "10Y");
    criteria.byTypeBefore = 1;
    criteria.typeBeforeFrom = "1Y";
    criteria.typeBeforeTo = "10Y";
    EXPECT_TRUE(passes(criteria, fiveToTen));
    // The pair may be chosen the other way round.
    criteria.typeBeforeFrom = "10Y";
    criteria.typeBeforeTo = "5Y";
    EXPECT_TRUE(passes(criteria, fiveToTen));
    // The same type twice is that type alone.
    criteria.typeBeforeFrom = criteria.typeBeforeTo = "10Y";
    EXPECT_FALSE(passes(criteria, fiveToTen));
    criteria.typeBeforeFrom = criteria.typeBeforeTo = "5Y";
    EXPECT_TRUE(passes(criteria, fiveToTen));

    criteria.byTypeAfter = 1;
    criteria.typeAfterFrom = "30Y";
    criteria.typeAfterTo = "PERM";
    EXPECT_FALSE(passes(criteria, fiveToTen));
    criteria.typeAfterFrom = "10Y";
    EXPECT_TRUE(passes(criteria, fiveToTen));
}

TEST_F(HenkoushoFilterTest, TypesTheTableDoesNotNameLieInNoRange) {
    criteria.byTypeAfter = 1;
    criteria.typeAfterFrom = "1Y";
    criteria.typeAfterTo = "PERM";
    EXPECT_FALSE(passes(criteria, formImage("A", kApril2020, "5Y", "3Y")));
    criteria.typeAfterTo = "GONE";
    EXPECT_FALSE(passes(criteria, formImage("A", kApril2020, "5Y", "10Y")));
}

}  // namespace
}  // namespace bunrako
