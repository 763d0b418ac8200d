#include "common/csv_date_texts.h"

#include <gtest/gtest.h>

#include "common/cp932.h"

namespace bunrako {
namespace {

OleDateTime date(int year, int month, int day) { return OleDateTime::fromDate(year, month, day); }
std::string utf8(const std::string& cp932) { return cp932ToUtf8(cp932); }

TEST(CsvDateTexts, EraTextsAtTheEraBoundary) {
    const CsvDateTexts era(false, 0);
    EXPECT_EQ(utf8(era.yearOf(date(2019, 4, 30))), "平成31年度");
    EXPECT_EQ(utf8(era.yearOf(date(2019, 5, 1))), "令和1年度");
    // The fiscal year of May 2019 is named by 2019-04-01, still 平成31.
    EXPECT_EQ(utf8(era.fiscalYearOf(date(2019, 5, 1))), "平成31年度");
    EXPECT_EQ(era.fiscalYearShortOf(date(2019, 5, 1)), "H31");
    EXPECT_EQ(utf8(era.yearMonthOf(date(2019, 5, 1))), "令和1年5月");
    EXPECT_EQ(era.yearMonthShortOf(date(2019, 5, 1)), "R1.5");
    EXPECT_EQ(utf8(era.dayOf(date(1989, 1, 7))), "昭和64年1月7日");
}

TEST(CsvDateTexts, WesternTexts) {
    const CsvDateTexts western(true, 1);
    EXPECT_EQ(utf8(western.fiscalYearOf(date(2020, 7, 1))), "2021年度");
    EXPECT_EQ(western.fiscalYearShortOf(date(2008, 6, 30)), "08");
    EXPECT_EQ(western.yearMonthShortOf(date(2100, 10, 1)), "00.10");
    EXPECT_EQ(utf8(western.dayOf(date(2024, 4, 1))), "2024年4月1日");
    EXPECT_EQ(
        utf8(CsvDateTexts(true, 0, CsvDateTexts::WesternYears::fourDigits).yearOf(date(987, 4, 1))),
        "0987年度");
    EXPECT_EQ(utf8(western.yearOf(date(987, 4, 1))), "987年度");
}

TEST(CsvDateTexts, NoTextWithoutAValidDateOrAnEra) {
    const CsvDateTexts era(false, 0);
    for (const OleDateTime& value :
         {OleDateTime::invalidValue(), OleDateTime::nullValue(), date(1868, 9, 7)}) {
        EXPECT_EQ(era.yearOf(value), "");
        EXPECT_EQ(era.fiscalYearShortOf(value), "");
        EXPECT_EQ(era.yearMonthOf(value), "");
        EXPECT_EQ(era.yearMonthShortOf(value), "");
        EXPECT_EQ(era.dayOf(value), "");
    }
    EXPECT_EQ(CsvDateTexts(true, 0).yearMonthOf(OleDateTime::invalidValue()), "");
    // An unknown period type names no fiscal year.
    EXPECT_EQ(CsvDateTexts(true, 7).fiscalYearOf(date(2020, 4, 1)), "");
}

TEST(CsvLine, JoinsWithCommasAndEndsWithCrLf) {
    EXPECT_EQ(csvLine({"a", "", "b"}), "a,,b\r\n");
    EXPECT_EQ(csvLine({}), "\r\n");
}

}  // namespace
}  // namespace bunrako
