#include "volumes/year_input.h"

#include <gtest/gtest.h>

#include "common/my_tool.h"

namespace bunrako {
namespace {

TEST(YearInputTest, DialogsShowADateAsEraAndWesternYear) {
    const CMyTool tool;
    const YearInput reiwa = yearInputOf(OleDateTime::fromDate(2020, 4, 1), false, tool);
    EXPECT_EQ(reiwa.era, 5);
    EXPECT_EQ(reiwa.eraYear, 2);
    EXPECT_EQ(reiwa.year, 2020);
    const YearInput heisei = yearInputOf(OleDateTime::fromDate(2019, 4, 30), true, tool);
    EXPECT_EQ(heisei.era, 4);
    EXPECT_EQ(heisei.eraYear, 31);
    EXPECT_TRUE(heisei.western);
    const YearInput none = yearInputOf(OleDateTime::invalidValue(), false, tool);
    EXPECT_EQ(none.era, 0);
    EXPECT_EQ(none.year, 0);
}

TEST(YearInputTest, MonthsBecomeTheirFirstDay) {
    const CMyTool tool;
    EXPECT_EQ(firstDayOfMonth({{false, 4, 31, 0}, 4}, tool), OleDateTime::fromDate(2019, 4, 1));
    // An era year may run past the era's end.
    EXPECT_EQ(firstDayOfMonth({{false, 4, 33, 0}, 1}, tool), OleDateTime::fromDate(2021, 1, 1));
    EXPECT_EQ(firstDayOfMonth({{true, 0, 0, 1999}, 12}, tool), OleDateTime::fromDate(1999, 12, 1));
    EXPECT_FALSE(firstDayOfMonth({{false, 4, 100, 0}, 1}, tool).isValid());
    EXPECT_FALSE(firstDayOfMonth({{true, 0, 0, 2020}, 13}, tool).isValid());
}

// A permanent volume filed in 令和8 expires in 令和108: the entry dialog
// counts era years on past 99 both ways.
TEST(YearInputTest, EntryYearsGoPastNinetyNine) {
    const CMyTool tool;
    EXPECT_EQ(westernYearOf(5, 108, tool), 2126);
    EXPECT_EQ(westernYearOf(0, 8, tool), 0);
    EXPECT_EQ(firstDayOfEntryMonth({{false, 5, 108, 0}, 4}, tool),
              OleDateTime::fromDate(2126, 4, 1));
    EXPECT_EQ(firstDayOfEntryMonth({{false, 4, 33, 0}, 1}, tool),
              OleDateTime::fromDate(2021, 1, 1));
    EXPECT_FALSE(firstDayOfEntryMonth({{false, 0, 8, 0}, 4}, tool).isValid());
    EXPECT_EQ(fiscalYearStartOfEntry({false, 5, 100, 0}, 0, tool),
              OleDateTime::fromDate(2118, 4, 1));
    const YearInput shown = yearInputOf(OleDateTime::fromDate(2126, 4, 1), false, tool);
    EXPECT_EQ(shown.era, 5);
    EXPECT_EQ(shown.eraYear, 108);
}

TEST(YearInputTest, ExtractionYearsHaveTheirRanges) {
    const CMyTool tool;
    EXPECT_TRUE(isExtractionYear({false, 5, 99, 0}, tool));
    EXPECT_FALSE(isExtractionYear({false, 5, 100, 0}, tool));
    EXPECT_FALSE(isExtractionYear({false, 0, 2, 0}, tool));
    EXPECT_FALSE(isExtractionYear({false, 6, 2, 0}, tool));
    EXPECT_TRUE(isExtractionYear({true, 0, 0, 1000}, tool));
    EXPECT_FALSE(isExtractionYear({true, 0, 0, 3001}, tool));
    EXPECT_TRUE(isExtractionMonth({{true, 0, 0, 2020}, 12}, tool));
    EXPECT_FALSE(isExtractionMonth({{true, 0, 0, 2020}, 0}, tool));
}

}  // namespace
}  // namespace bunrako
