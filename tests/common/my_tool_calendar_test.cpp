#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/my_tool.h"

namespace bunrako {
namespace {

OleDateTime date(int year, int month, int day) { return OleDateTime::fromDate(year, month, day); }

std::string ymd(const OleDateTime& value) { return value.format("%Y-%m-%d"); }

class Calendar : public ::testing::Test {
  protected:
    CMyTool tool;
};

// ---- Era table -----------------------------------------------------------

TEST_F(Calendar, EraTableIsOneBasedAndBounded) {
    EXPECT_EQ(tool.EraCount(), 5);
    EXPECT_EQ(tool.EraName(1), "明治");
    EXPECT_EQ(tool.EraName(2), "大正");
    EXPECT_EQ(tool.EraName(3), "昭和");
    EXPECT_EQ(tool.EraName(4), "平成");
    EXPECT_EQ(tool.EraName(5), "令和");
    EXPECT_EQ(tool.EraInitial(1), "M");
    EXPECT_EQ(tool.EraInitial(5), "R");
    for (int outside : {0, 6, -1, 9}) {
        EXPECT_EQ(tool.EraName(outside), "");
        EXPECT_EQ(tool.EraInitial(outside), "");
    }
}

TEST_F(Calendar, EraOfDateAtTheBoundaries) {
    EXPECT_EQ(tool.EraOfDate(date(1868, 9, 7)), 0);
    EXPECT_EQ(tool.EraOfDate(date(1868, 9, 8)), 1);
    EXPECT_EQ(tool.EraOfDate(date(1912, 7, 30)), 1);
    EXPECT_EQ(tool.EraOfDate(date(1912, 7, 31)), 2);
    EXPECT_EQ(tool.EraOfDate(date(1989, 1, 7)), 3);
    EXPECT_EQ(tool.EraOfDate(date(1989, 1, 8)), 4);
    EXPECT_EQ(tool.EraOfDate(date(2019, 5, 1)), 5);
    EXPECT_EQ(tool.EraOfDate(date(9999, 12, 31)), 5);
    // Three-digit years must not compare as later than 1868.
    EXPECT_EQ(tool.EraOfDate(date(999, 1, 1)), 0);
    EXPECT_EQ(tool.EraOfDate(OleDateTime::invalidValue()), 0);
    EXPECT_EQ(tool.EraOfDate(OleDateTime::nullValue()), 0);
}

// ---- Western and era texts --------------------------------------------------

TEST_F(Calendar, WesternToEraAtEachBoundary) {
    EXPECT_EQ(tool.WesternToEraText("1868,09,07"), "*,**,09,07");
    EXPECT_EQ(tool.WesternToEraText("1868,09,08"), "1,01,09,08");
    EXPECT_EQ(tool.WesternToEraText("1912,07,30"), "1,45,07,30");
    EXPECT_EQ(tool.WesternToEraText("1912,07,31"), "2,01,07,31");
    EXPECT_EQ(tool.WesternToEraText("1926,12,25"), "2,15,12,25");
    EXPECT_EQ(tool.WesternToEraText("1926,12,26"), "3,01,12,26");
    EXPECT_EQ(tool.WesternToEraText("1989,01,07"), "3,64,01,07");
    EXPECT_EQ(tool.WesternToEraText("1989,01,08"), "4,01,01,08");
    EXPECT_EQ(tool.WesternToEraText("2019,04,30"), "4,31,04,30");
    EXPECT_EQ(tool.WesternToEraText("2019,05,01"), "5,01,05,01");
    EXPECT_EQ(tool.WesternToEraText("2020,04,01"), "5,02,04,01");
    EXPECT_EQ(tool.WesternToEraText("1800,01,01"), "*,**,01,01");
}

TEST_F(Calendar, EraToWestern) {
    EXPECT_EQ(tool.EraToWesternText("3,64,01,07"), "1989,01,07");
    EXPECT_EQ(tool.EraToWesternText("5,01,05,01"), "2019,05,01");
    EXPECT_EQ(tool.EraToWesternText("1,01,09,08"), "1868,09,08");
    EXPECT_EQ(tool.EraToWesternText("4,32,04,01"), "2020,04,01");
    // An era year past the era's end is still counted from its start.
    EXPECT_EQ(tool.EraToWesternText("3,99,01,01"), "2024,01,01");
}

TEST_F(Calendar, UnknownErasGiveStarredYears) {
    EXPECT_EQ(tool.EraToWesternText("0,10,04,01"), "****,04,01");
    EXPECT_EQ(tool.EraToWesternText("6,01,04,01"), "****,04,01");
    EXPECT_EQ(tool.EraToWesternText("9,01,04,01"), "****,04,01");
    EXPECT_EQ(tool.EraToWesternText("*,**,04,01"), "****,04,01");
    EXPECT_FALSE(tool.WesternTextToDate("****,04,01").isValid());
    EXPECT_FALSE(tool.EraTextToDate("6,01,04,01").isValid());
    EXPECT_FALSE(tool.EraTextToDate("0,01,04,01").isValid());
}

TEST_F(Calendar, WrongLengthTextsGiveEmptyTexts) {
    for (const char* text : {"", "2020,4,1", "2020,04,011", "5,01,05,1", "2020,04,01 "}) {
        EXPECT_EQ(tool.WesternToEraText(text), "") << text;
        EXPECT_EQ(tool.EraToWesternText(text), "") << text;
        EXPECT_EQ(tool.FormatEraDate(text, 0), "") << text;
        EXPECT_EQ(tool.FormatEraDate(text, 2, true), "") << text;
        EXPECT_EQ(tool.FormatEraDateShort(text, 0), "") << text;
        EXPECT_FALSE(tool.WesternTextToDate(text).isValid()) << text;
        EXPECT_FALSE(tool.EraTextToDate(text).isValid()) << text;
    }
}

TEST_F(Calendar, MalformedTextsOfTheRightLengthFollowTheFields) {
    // Fields are read up to the comma; what is not a number reads as 0.
    EXPECT_EQ(tool.EraToWesternText("5,xx,05,01"), "2018,05,01");
    EXPECT_EQ(tool.EraToWesternText("x,01,05,01"), "****,05,01");
    EXPECT_EQ(tool.EraToWesternText("1234567890"), "****,,");
    EXPECT_EQ(tool.EraToWesternText(",,,,,,,,,,"), "****,,");
    EXPECT_EQ(tool.EraToWesternText("\"5\",01,5,1"), "2019,5,1");
    EXPECT_EQ(tool.WesternToEraText("2020/04/01"), "5,02,,");
    EXPECT_EQ(tool.WesternToEraText("0000,04,01"), "*,**,04,01");
    EXPECT_EQ(tool.WesternToEraText(",,,,,,,,,,"), "*,**,,");
    EXPECT_EQ(tool.WesternToEraText("3,,,,,,,,,"), "5,-2015,,");
    // Years past the two-digit era years make longer texts.
    EXPECT_EQ(tool.WesternToEraText("2119,01,01"), "5,101,01,01");
    EXPECT_EQ(tool.EraToWesternText("5,101,01,01"), "");
}

TEST_F(Calendar, DateToEraText) {
    EXPECT_EQ(tool.DateToEraText(date(2020, 4, 1)), "5,02,04,01");
    EXPECT_EQ(tool.DateToEraText(OleDateTime::fromDateTime(1989, 1, 7, 23, 59, 59)), "3,64,01,07");
    EXPECT_EQ(tool.DateToEraText(date(1868, 9, 7)), "*,**,09,07");
    EXPECT_EQ(tool.DateToEraText(OleDateTime::invalidValue()), "");
    EXPECT_EQ(tool.DateToEraText(OleDateTime::nullValue()), "");
    // The Western text of a three-digit year is short of ten characters.
    EXPECT_EQ(tool.DateToEraText(date(999, 1, 1)), "");
}

TEST_F(Calendar, DateToEraTextIntoABuffer) {
    char buffer[11];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(tool.DateToEraText(date(2019, 5, 1), buffer), "5,01,05,01");
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string("5,01,05,01\0", 11));

    EXPECT_EQ(tool.DateToEraText(OleDateTime::invalidValue(), buffer), "");
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(11, '\0'));

    // Eleven characters do not fit with their terminator: the buffer stays
    // empty rather than holding a cut date.
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(tool.DateToEraText(date(2119, 1, 1), buffer), "5,101,01,01");
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(11, '\0'));
}

TEST_F(Calendar, InPlaceConversions) {
    char buffer[11] = "1989,01,08";
    tool.WesternToEraTextInPlace(buffer);
    EXPECT_STREQ(buffer, "4,01,01,08");
    tool.EraToWesternTextInPlace(buffer);
    EXPECT_STREQ(buffer, "1989,01,08");

    char shortText[11] = "1989,1,8";
    tool.WesternToEraTextInPlace(shortText);
    EXPECT_STREQ(shortText, "");

    char unknown[11] = "6,01,04,01";
    tool.EraToWesternTextInPlace(unknown);
    EXPECT_STREQ(unknown, "****,04,01");

    // A buffer without a terminator is eleven characters: wrong length.
    char full[11];
    std::memcpy(full, "2019,05,01x", 11);
    tool.WesternToEraTextInPlace(full);
    EXPECT_EQ(std::string(full, sizeof full), std::string(11, '\0'));

    // A result longer than the buffer leaves it empty.
    char late[11] = "2200,01,01";
    tool.WesternToEraTextInPlace(late);
    EXPECT_STREQ(late, "");
}

TEST_F(Calendar, WesternTextToDate) {
    const OleDateTime value = tool.WesternTextToDate("2020,04,01");
    ASSERT_TRUE(value.isValid());
    EXPECT_EQ(ymd(value), "2020-04-01");
    EXPECT_EQ(value.hour(), 0);
    EXPECT_EQ(value.minute(), 0);
    EXPECT_FALSE(tool.WesternTextToDate("2021,02,29").isValid());
    EXPECT_FALSE(tool.WesternTextToDate("2020,13,01").isValid());
    EXPECT_FALSE(tool.WesternTextToDate("0099,01,01").isValid());
    EXPECT_FALSE(tool.WesternTextToDate("abcd,ef,gh").isValid());
    EXPECT_FALSE(tool.WesternTextToDate("-001,04,01").isValid());
    EXPECT_EQ(ymd(tool.EraTextToDate("3,64,01,07")), "1989-01-07");
    EXPECT_EQ(ymd(tool.EraTextToDate("5,01,05,01")), "2019-05-01");
}

// ---- Display forms ------------------------------------------------------------

TEST_F(Calendar, DisplayForms) {
    EXPECT_EQ(tool.FormatEraDate("4,01,05,01", 0), "平成1年5月1日");
    EXPECT_EQ(tool.FormatEraDate("4,01,05,01", 0, true), "平成 1年 5月 1日");
    EXPECT_EQ(tool.FormatEraDate("4,01,05,01", 1), "平成1年5月");
    EXPECT_EQ(tool.FormatEraDate("4,01,05,01", 1, true), "平成 1年 5月");
    EXPECT_EQ(tool.FormatEraDate("4,01,05,01", 2), "平成1年");
    EXPECT_EQ(tool.FormatEraDate("4,01,05,01", 2, true), "平成 1年");
    EXPECT_EQ(tool.FormatEraDate("3,64,12,31", 0, true), "昭和64年12月31日");
    EXPECT_EQ(tool.FormatEraDate("1,45,07,30", 0), "明治45年7月30日");
    EXPECT_EQ(tool.FormatEraDate("5,02,04,01", 3), "");
    EXPECT_EQ(tool.FormatEraDate("5,02,04,01", -1), "");
}

TEST_F(Calendar, DisplayFormsOfUnknownEras) {
    EXPECT_EQ(tool.FormatEraDate("*,**,04,01", 0), "****0年4月1日");
    EXPECT_EQ(tool.FormatEraDate("*,**,04,01", 0, true), "**** 0年 4月 1日");
    EXPECT_EQ(tool.FormatEraDate("0,12,04,01", 1), "****12年4月");
    EXPECT_EQ(tool.FormatEraDate("6,01,04,01", 2), "****1年");
    EXPECT_EQ(tool.FormatEraDate("9,01,04,01", 2, true), "**** 1年");
    EXPECT_EQ(tool.FormatEraDateShort("*,**,04,01", 0), "*0.4.1");
    EXPECT_EQ(tool.FormatEraDateShort("6,01,04,01", 1), "*1.4");
    EXPECT_EQ(tool.FormatEraDateShort("0,07,04,01", 2), "*7");
}

TEST_F(Calendar, DisplayFormsReadNonDigitsAsZero) {
    EXPECT_EQ(tool.FormatEraDate("5,ab,cd,ef", 0), "令和0年0月0日");
    EXPECT_EQ(tool.FormatEraDate("5,1x,0y,z9", 0), "令和1年0月0日");
    EXPECT_EQ(tool.FormatEraDate("a,01,02,03", 0), "****1年2月3日");
    EXPECT_EQ(tool.FormatEraDateShort("5,--,--,--", 0), "R0.0.0");
}

TEST_F(Calendar, ShortDisplayForms) {
    EXPECT_EQ(tool.FormatEraDateShort("5,02,04,01", 0), "R2.4.1");
    EXPECT_EQ(tool.FormatEraDateShort("5,02,04,01", 1), "R2.4");
    EXPECT_EQ(tool.FormatEraDateShort("5,02,04,01", 2), "R2");
    EXPECT_EQ(tool.FormatEraDateShort("4,20,12,25", 0), "H20.12.25");
    EXPECT_EQ(tool.FormatEraDateShort("2,15,12,25", 0), "T15.12.25");
    EXPECT_EQ(tool.FormatEraDateShort("5,02,04,01", 3), "");
}

TEST_F(Calendar, FormatDate) {
    EXPECT_EQ(tool.FormatDate(date(2019, 5, 1), 0), "令和1年5月1日");
    EXPECT_EQ(tool.FormatDate(date(2008, 4, 1), 2), "平成20年");
    EXPECT_EQ(tool.FormatDate(date(1926, 12, 25), 0, true), "大正15年12月25日");
    EXPECT_EQ(tool.FormatDate(date(1868, 9, 7), 0), "****0年9月7日");
    EXPECT_EQ(tool.FormatDate(OleDateTime::invalidValue(), 0), "");
}

// The 17-byte display field with guard bytes on both sides.
struct GuardedDisplay {
    char before[4];
    char field[17];
    char after[4];
};

GuardedDisplay guarded() {
    GuardedDisplay value;
    std::memset(&value, 'G', sizeof value);
    return value;
}

void expectGuardsIntact(const GuardedDisplay& value) {
    EXPECT_EQ(std::string(value.before, 4), "GGGG");
    EXPECT_EQ(std::string(value.after, 4), "GGGG");
}

TEST_F(Calendar, DisplayBufferHoldsShiftJisBytes) {
    GuardedDisplay value = guarded();
    tool.FormatEraDateBuffer("4,01,05,01", value.field);
    // 平成1年5月1日 in CP932, then NUL to the end of the field.
    const std::string expected =
        "\x95\xBD\x90\xAC"
        "1\x94\x4E"
        "5\x8C\x8E"
        "1\x93\xFA";
    EXPECT_EQ(std::string(value.field, expected.size()), expected);
    EXPECT_EQ(std::string(value.field + expected.size(), 17 - expected.size()),
              std::string(17 - expected.size(), '\0'));
    expectGuardsIntact(value);
}

TEST_F(Calendar, DisplayBufferNeverOverflows) {
    GuardedDisplay value = guarded();
    // The widest display of a well-formed text takes all 16 bytes.
    tool.FormatEraDateBuffer("3,64,12,31", value.field);
    EXPECT_EQ(std::strlen(value.field), 16u);
    expectGuardsIntact(value);

    // Negative readings make longer texts; they are cut at a character.
    tool.FormatEraDateBuffer("5,-9,-9,-9", value.field);
    EXPECT_EQ(value.field[16], '\0');
    EXPECT_LE(std::strlen(value.field), 16u);
    expectGuardsIntact(value);

    tool.FormatEraDateBuffer("too short", value.field);
    EXPECT_EQ(std::string(value.field, 17), std::string(17, '\0'));
    expectGuardsIntact(value);
}

TEST_F(Calendar, DateDisplayBuffer) {
    GuardedDisplay value = guarded();
    tool.FormatDateBuffer(date(2020, 4, 1), value.field);
    EXPECT_EQ(std::string(value.field),
              "\x97\xDF\x98\x61"
              "2\x94\x4E"
              "4\x8C\x8E"
              "1\x93\xFA");
    tool.FormatDateBuffer(OleDateTime::invalidValue(), value.field);
    EXPECT_EQ(std::string(value.field, 17), std::string(17, '\0'));
    expectGuardsIntact(value);
}

// ---- Fiscal years ---------------------------------------------------------------

TEST_F(Calendar, FiscalLabelDates) {
    EXPECT_EQ(ymd(tool.FiscalLabelDate(date(2021, 3, 31), 0)), "2020-04-01");
    EXPECT_EQ(ymd(tool.FiscalLabelDate(date(2021, 4, 1), 0)), "2021-04-01");
    EXPECT_EQ(ymd(tool.FiscalLabelDate(date(2020, 7, 1), 1)), "2021-07-01");
    EXPECT_EQ(ymd(tool.FiscalLabelDate(date(2020, 6, 30), 1)), "2020-07-01");
    EXPECT_EQ(ymd(tool.FiscalLabelDate(date(2020, 9, 30), 2)), "2020-10-01");
    EXPECT_EQ(ymd(tool.FiscalLabelDate(date(2020, 10, 1), 2)), "2021-10-01");
    EXPECT_EQ(ymd(tool.FiscalLabelDate(date(2020, 12, 31), 3)), "2020-01-01");
    EXPECT_EQ(ymd(tool.FiscalLabelDate(date(2020, 1, 1), 3)), "2020-01-01");
}

TEST_F(Calendar, FiscalYearStartAndEnd) {
    EXPECT_EQ(ymd(tool.FiscalYearStart(date(2020, 8, 15), 1)), "2020-07-01");
    EXPECT_EQ(ymd(tool.FiscalYearEnd(date(2020, 8, 15), 1)), "2021-06-30");
    EXPECT_EQ(ymd(tool.FiscalYearEnd(date(2020, 10, 1), 2)), "2021-09-30");
    EXPECT_EQ(ymd(tool.FiscalYearStart(date(2020, 9, 30), 2)), "2019-10-01");
    EXPECT_EQ(ymd(tool.FiscalYearEnd(date(2020, 9, 30), 2)), "2020-09-30");
    EXPECT_EQ(ymd(tool.FiscalYearStart(date(2021, 3, 31), 0)), "2020-04-01");
    EXPECT_EQ(ymd(tool.FiscalYearEnd(date(2021, 3, 31), 0)), "2021-03-31");
    EXPECT_EQ(ymd(tool.FiscalYearStart(date(2020, 5, 5), 3)), "2020-01-01");
    EXPECT_EQ(ymd(tool.FiscalYearEnd(date(2020, 5, 5), 3)), "2020-12-31");
}

TEST_F(Calendar, FiscalStartFromLabels) {
    EXPECT_EQ(ymd(tool.FiscalStartFromYear(2021, 1)), "2020-07-01");
    EXPECT_EQ(ymd(tool.FiscalStartFromYear(2020, 0)), "2020-04-01");
    EXPECT_EQ(ymd(tool.FiscalStartFromYear(2021, 2)), "2020-10-01");
    EXPECT_EQ(ymd(tool.FiscalStartFromYear(2021, 3)), "2021-01-01");
    // 令和1年度 of a July start began in 平成30, counted as 令和0.
    EXPECT_EQ(ymd(tool.FiscalStartFromEraYear(5, 1, 1)), "2018-07-01");
    EXPECT_EQ(ymd(tool.FiscalStartFromEraYear(4, 31, 0)), "2019-04-01");
    EXPECT_EQ(ymd(tool.FiscalStartFromEraYear(5, 2, 2)), "2019-10-01");
    EXPECT_EQ(ymd(tool.FiscalStartFromEraYear(3, 64, 3)), "1989-01-01");
    EXPECT_EQ(ymd(tool.FiscalStartFromEraYear(5, 0, 1)), "2017-07-01");
}

TEST_F(Calendar, FiscalComputationsOfBadInput) {
    for (const OleDateTime& bad : {OleDateTime::invalidValue(), OleDateTime::nullValue()}) {
        for (int type = 0; type < 4; ++type) {
            EXPECT_FALSE(tool.FiscalLabelDate(bad, type).isValid());
            EXPECT_FALSE(tool.FiscalYearStart(bad, type).isValid());
            EXPECT_FALSE(tool.FiscalYearEnd(bad, type).isValid());
        }
    }
    for (int type : {-1, 4, 99}) {
        EXPECT_FALSE(tool.FiscalLabelDate(date(2020, 4, 1), type).isValid());
        EXPECT_FALSE(tool.FiscalYearStart(date(2020, 4, 1), type).isValid());
        EXPECT_FALSE(tool.FiscalYearEnd(date(2020, 4, 1), type).isValid());
        EXPECT_FALSE(tool.FiscalStartFromYear(2020, type).isValid());
        EXPECT_FALSE(tool.FiscalStartFromEraYear(5, 2, type).isValid());
    }
    // Outside the years a date value holds.
    EXPECT_FALSE(tool.FiscalYearEnd(date(9999, 4, 1), 0).isValid());
    EXPECT_FALSE(tool.FiscalYearStart(date(100, 1, 1), 0).isValid());
    EXPECT_FALSE(tool.FiscalStartFromYear(10000, 0).isValid());
    EXPECT_FALSE(tool.FiscalStartFromYear(123456, 0).isValid());
    EXPECT_FALSE(tool.FiscalStartFromYear(-5, 3).isValid());
    EXPECT_FALSE(tool.FiscalStartFromYear(INT_MIN, 1).isValid());
    EXPECT_FALSE(tool.FiscalStartFromYear(INT_MAX, 0).isValid());
    EXPECT_FALSE(tool.FiscalStartFromEraYear(0, 2, 0).isValid());
    EXPECT_FALSE(tool.FiscalStartFromEraYear(6, 2, 0).isValid());
    EXPECT_FALSE(tool.FiscalStartFromEraYear(5, 100, 0).isValid());
    EXPECT_FALSE(tool.FiscalStartFromEraYear(5, INT_MIN, 1).isValid());
    EXPECT_FALSE(tool.FiscalStartFromEraYear(INT_MAX, INT_MAX, 0).isValid());
}

// ---- Every day of the eras in use ------------------------------------------------
// The expectations are worked out here with plain arithmetic, apart from the
// code under test.

std::string printed(const char* pattern, int a, int b, int c, int d = 0) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
    return text;
}

std::string ymdOf(const OleDateTime& value) {
    return printed("%04d-%02d-%02d", value.year(), value.month(), value.day());
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int monthLength(int year, int month) {
    static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kLengths[month - 1];
}

struct KnownEra {
    int lastDayBefore;  // yyyymmdd
    int firstYear;
};
constexpr KnownEra kKnownEras[] = {
    {18680907, 1868}, {19120730, 1912}, {19261225, 1926}, {19890107, 1989}, {20190430, 2019},
};

struct EraDay {
    int era;  // 0 before the first era
    int eraYear;
};

EraDay eraDay(int year, int month, int day) {
    const int key = year * 10000 + month * 100 + day;
    for (int era = 5; era >= 1; --era) {
        if (key > kKnownEras[era - 1].lastDayBefore) {
            return {era, year - kKnownEras[era - 1].firstYear + 1};
        }
    }
    return {0, 0};
}

std::string expectedEraText(int year, int month, int day) {
    const EraDay e = eraDay(year, month, day);
    return e.era == 0 ? printed("*,**,%02d,%02d", month, day, 0)
                      : printed("%d,%02d,%02d,%02d", e.era, e.eraYear, month, day);
}

struct ExpectedFiscalYear {
    std::string label, start, end;
    int labelYear, startMonth;
};

ExpectedFiscalYear expectedFiscalYear(int year, int month, int type) {
    static constexpr int kStartMonths[] = {4, 7, 10, 1};
    const int startMonth = kStartMonths[type];
    const int startYear = month >= startMonth ? year : year - 1;
    const int endYear = startMonth == 1 ? startYear : startYear + 1;
    const int endMonth = startMonth == 1 ? 12 : startMonth - 1;
    const int labelYear = type == 1 || type == 2 ? endYear : startYear;
    return {printed("%04d-%02d-%02d", labelYear, startMonth, 1),
            printed("%04d-%02d-%02d", startYear, startMonth, 1),
            printed("%04d-%02d-%02d", endYear, endMonth, monthLength(endYear, endMonth)), labelYear,
            startMonth};
}

void checkFiscalYears(const CMyTool& tool, const OleDateTime& value, int year, int month,
                      const std::string& western) {
    for (int type = 0; type < 4; ++type) {
        const ExpectedFiscalYear expected = expectedFiscalYear(year, month, type);
        ASSERT_EQ(ymdOf(tool.FiscalLabelDate(value, type)), expected.label)
            << western << " " << type;
        ASSERT_EQ(ymdOf(tool.FiscalYearStart(value, type)), expected.start)
            << western << " " << type;
        ASSERT_EQ(ymdOf(tool.FiscalYearEnd(value, type)), expected.end) << western << " " << type;
        ASSERT_EQ(ymdOf(tool.FiscalStartFromYear(expected.labelYear, type)), expected.start)
            << western << " " << type;
        const EraDay label = eraDay(expected.labelYear, expected.startMonth, 1);
        if (label.era != 0) {
            ASSERT_EQ(ymdOf(tool.FiscalStartFromEraYear(label.era, label.eraYear, type)),
                      expected.start)
                << western << " " << type;
        }
    }
}

TEST_F(Calendar, EveryDayFrom1868To2100) {
    int days = 0;
    for (int year = 1868; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= monthLength(year, month); ++day, ++days) {
                const OleDateTime value = OleDateTime::fromDate(year, month, day);
                const std::string western = printed("%04d,%02d,%02d", year, month, day);
                const std::string era = expectedEraText(year, month, day);
                ASSERT_EQ(tool.DateToEraText(value), era) << western;
                ASSERT_EQ(tool.WesternToEraText(western), era) << western;
                if (eraDay(year, month, day).era != 0) {
                    ASSERT_EQ(tool.EraToWesternText(era), western);
                    ASSERT_EQ(ymdOf(tool.EraTextToDate(era)),
                              printed("%04d-%02d-%02d", year, month, day));
                }
                checkFiscalYears(tool, value, year, month, western);
                if (HasFatalFailure()) return;
            }
        }
    }
    EXPECT_EQ(days, 85102);
}

}  // namespace
}  // namespace bunrako
