#include "catalogue/catalogue_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/sakuin_mokuroku_filter.h"

namespace bunrako {
namespace {

OleDateTime date(int y, int m, int d) { return OleDateTime::fromDate(y, m, d); }

CSakuinMokurokuList entry(std::string_view number, OleDateTime received = date(2020, 6, 1)) {
    CSakuinMokurokuList e = CSakuinMokurokuList::Cleared(date(2021, 1, 1));
    e.receivedDate = received;
    e.setDocumentNumberText(number);
    e.setSubjectText("定例会議の開催について");
    return e;
}

bool passes(const CSakuinMokurokuFilter& criteria, const CSakuinMokurokuList& e) {
    return CatalogueFilter(criteria)(e);
}

TEST(CatalogueCriteriaTest, InitiallyEverythingIsOffAndTheDatesSpanThisFiscalYear) {
    const OleDateTime now = OleDateTime::fromDateTime(2021, 2, 10, 9, 30, 0);
    const CSakuinMokurokuFilter criteria = CSakuinMokurokuFilter::Initial(now, 0);
    for (int flag : {criteria.byNumber, criteria.byDate, criteria.byWord, criteria.byCompletion,
                     criteria.notCompleted, criteria.byCompletionDate}) {
        EXPECT_EQ(flag, 0);
    }
    EXPECT_TRUE(criteria.numberFrom.empty() && criteria.numberTo.empty() && criteria.word.empty());
    EXPECT_EQ(criteria.dateFrom, date(2020, 4, 1));
    EXPECT_EQ(criteria.completionFrom, date(2020, 4, 1));
    EXPECT_EQ(criteria.dateTo, now);
    EXPECT_EQ(criteria.completionTo, now);
    EXPECT_EQ(CSakuinMokurokuFilter::Initial(now, 2).dateFrom, date(2020, 10, 1));
    // Nothing on: every entry passes.
    EXPECT_TRUE(passes(criteria, entry("")));
}

TEST(CatalogueFilterTest, NumbersCompareByTheirLeadingValue) {
    CSakuinMokurokuFilter criteria;
    criteria.byNumber = 1;
    criteria.numberFrom = "10";
    criteria.numberTo = "20";
    for (const char* kept : {"10", "15", "20", "020"}) EXPECT_TRUE(passes(criteria, entry(kept)));
    for (const char* dropped : {"9", "21", "", "x1"}) {
        EXPECT_FALSE(passes(criteria, entry(dropped))) << dropped;
    }
    criteria.numberFrom = "";
    EXPECT_TRUE(passes(criteria, entry("x1")));
}

TEST(CatalogueFilterTest, ReceptionDatesCompareByDayBothEndsIncluded) {
    CSakuinMokurokuFilter criteria;
    criteria.byDate = 1;
    criteria.dateFrom = OleDateTime::fromDateTime(2020, 5, 1, 23, 0, 0);
    criteria.dateTo = date(2020, 5, 31);
    EXPECT_TRUE(passes(criteria, entry("1", date(2020, 5, 1))));
    EXPECT_TRUE(passes(criteria, entry("1", OleDateTime::fromDateTime(2020, 5, 31, 18, 0, 0))));
    EXPECT_FALSE(passes(criteria, entry("1", date(2020, 4, 30))));
    EXPECT_FALSE(passes(criteria, entry("1", date(2020, 6, 1))));
    EXPECT_FALSE(passes(criteria, entry("1", OleDateTime::invalidValue())));
}

TEST(CatalogueFilterTest, WordsAreFoundByCharacter) {
    CSakuinMokurokuFilter criteria;
    criteria.byWord = 1;
    criteria.word = "会議";
    EXPECT_TRUE(passes(criteria, entry("1")));
    CSakuinMokurokuList other = entry("1");
    other.setSubjectText("表示");
    EXPECT_FALSE(passes(criteria, other));
    // 表示 is 95 5C 8E A6: "\示" would match only across a character.
    criteria.word = "\\示";
    EXPECT_FALSE(passes(criteria, other));
    criteria.word = "示";
    EXPECT_TRUE(passes(criteria, other));
    // An empty word lets every entry through.
    criteria.word.clear();
    EXPECT_TRUE(passes(criteria, other));
}

TEST(CatalogueFilterTest, NotCompletedHidesCompletedEntriesWhateverTheDates) {
    CSakuinMokurokuFilter criteria;
    criteria.byCompletion = 1;
    criteria.byCompletionDate = 1;
    criteria.completionFrom = date(2020, 6, 1);
    criteria.completionTo = date(2020, 6, 30);
    CSakuinMokurokuList open = entry("1");
    open.completedDate = date(2020, 6, 15);
    CSakuinMokurokuList june = entry("2");
    june.completedFlag = 1;
    june.completedDate = date(2020, 6, 15);
    CSakuinMokurokuList may = entry("3");
    may.completedFlag = 1;
    may.completedDate = date(2020, 5, 31);

    criteria.notCompleted = 1;
    EXPECT_TRUE(passes(criteria, open));
    EXPECT_FALSE(passes(criteria, june));
    EXPECT_FALSE(passes(criteria, may));
    criteria.notCompleted = 0;
    EXPECT_FALSE(passes(criteria, open));
    EXPECT_TRUE(passes(criteria, june));
    EXPECT_FALSE(passes(criteria, may));
    criteria.byCompletionDate = 0;
    EXPECT_TRUE(passes(criteria, may));
    // The completion dates alone do nothing.
    criteria.byCompletion = 0;
    criteria.byCompletionDate = 1;
    EXPECT_TRUE(passes(criteria, open));
}

TEST(CatalogueFilterTest, TheListKeepsCatalogueOrder) {
    CSakuinMokurokuFilter criteria;
    criteria.byNumber = 1;
    criteria.numberFrom = "2";
    criteria.numberTo = "3";
    const std::vector<CSakuinMokurokuList> entries = {entry("3"), entry("1"), entry("2")};
    std::vector<std::string> kept;
    for (const auto& e : extractCatalogue(entries, CatalogueFilter(criteria))) {
        kept.push_back(e.documentNumberText());
    }
    EXPECT_EQ(kept, (std::vector<std::string>{"3", "2"}));
}

}  // namespace
}  // namespace bunrako
