#include "common/ole_date_time.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "common/archive.h"
#include "common/csv_date_texts.h"
#include "common/my_tool.h"

namespace bunrako {
namespace {

TEST(OleDateTime, EpochAndKnownDays) {
    EXPECT_EQ(OleDateTime::fromDate(1899, 12, 30).days(), 0.0);
    EXPECT_EQ(OleDateTime::fromDate(1900, 1, 1).days(), 2.0);
    EXPECT_EQ(OleDateTime::fromDate(2020, 4, 1).days(), 43922.0);
    EXPECT_EQ(OleDateTime::fromDate(1868, 9, 8).days(), -11435.0);
}

TEST(OleDateTime, PartsRoundTripAcrossTheEpoch) {
    for (int64_t d = -30000; d < 80000; d += 7) {
        int y, m, day;
        civilFromDays(d, y, m, day);
        const OleDateTime value = OleDateTime::fromDate(y, m, day);
        ASSERT_EQ(value.days(), static_cast<double>(d));
        EXPECT_EQ(value.year(), y);
        EXPECT_EQ(value.month(), m);
        EXPECT_EQ(value.day(), day);
    }
}

TEST(OleDateTime, TimeOfDayBeforeTheEpochIsAPositiveFraction) {
    const OleDateTime value = OleDateTime::fromDateTime(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(value.days(), -1.25);
    EXPECT_EQ(value.day(), 29);
    EXPECT_EQ(value.hour(), 6);
    const OleDateTime later = value + OleSpan::fromDays(1.0);
    EXPECT_EQ(later.day(), 30);
    EXPECT_EQ(later.hour(), 6);
}

TEST(OleDateTime, InvalidPartsGiveAnInvalidValue) {
    EXPECT_FALSE(OleDateTime::fromDate(2021, 2, 29).isValid());
    EXPECT_FALSE(OleDateTime::fromDate(2020, 13, 1).isValid());
    EXPECT_FALSE(OleDateTime::fromDate(99, 1, 1).isValid());
    EXPECT_TRUE(OleDateTime::fromDate(2020, 2, 29).isValid());
    const OleDateTime bad = OleDateTime::invalidValue();
    EXPECT_EQ(bad.year(), -1);
    EXPECT_EQ(bad.month(), -1);
    EXPECT_EQ(bad.format("%Y,%m,%d"), "");
}

TEST(OleDateTime, Formats) {
    const OleDateTime value = OleDateTime::fromDateTime(2009, 5, 1, 13, 4, 5);
    EXPECT_EQ(value.format("%Y,%m,%d"), "2009,05,01");
    EXPECT_EQ(value.format("%y.%m.%d %H:%M:%S %%"), "09.05.01 13:04:05 %");
}

TEST(OleDateTime, EqualityIsWithinHalfASecondAndNeedsTheSameStatus) {
    const OleDateTime a{43922.0, OleDateTime::valid};
    EXPECT_EQ(a, (OleDateTime{43922.0 + 0.4 / 86400, OleDateTime::valid}));
    EXPECT_NE(a, (OleDateTime{43922.0 + 0.6 / 86400, OleDateTime::valid}));
    EXPECT_EQ(OleDateTime::nullValue(), (OleDateTime{5.0, OleDateTime::null}));
    EXPECT_NE(a, (OleDateTime{43922.0, OleDateTime::invalid}));
    EXPECT_NE(OleDateTime::invalidValue(), OleDateTime::invalidValue());
}

TEST(OleDateTime, RawImageIsTheDoubleThenTheStatus) {
    const OleDateTime value{1.5, OleDateTime::null};
    unsigned char bytes[12];
    std::memcpy(bytes, &value, 12);
    const unsigned char expected[12] = {0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 2, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(bytes, expected, 12));
}

// Stored values with a valid status, at and beyond the edges of the years
// 100..9999 once the time is rounded to the second.
struct StoredDay {
    const char* name;
    double days;
    bool namesADay;
};

class StoredValidDay : public ::testing::TestWithParam<StoredDay> {};

TEST_P(StoredValidDay, OnlyDaysOfTheSupportedYearsTurnIntoPartsOrText) {
    const OleDateTime value{GetParam().days, OleDateTime::valid};
    EXPECT_EQ(value.isValid(), GetParam().namesADay);
    EXPECT_EQ(value.namesNoDay(), !GetParam().namesADay);
    const CsvDateTexts era(false, 0);
    if (GetParam().namesADay) {
        EXPECT_GE(value.year(), 100);
        EXPECT_LE(value.year(), 9999);
        EXPECT_NE(value.format("%Y"), "");
        return;
    }
    EXPECT_EQ(value.year(), -1);
    EXPECT_EQ(value.second(), -1);
    EXPECT_EQ(value.dayOfWeek(), -1);
    EXPECT_EQ(value.format("%Y-%m-%dT%H:%M:%S"), "");
    EXPECT_FALSE(value.datePart().isValid());
    EXPECT_FALSE((value + OleSpan::fromDays(1)).isValid());
    EXPECT_FALSE((value - OleDateTime::fromDate(2020, 1, 1)).isValid());
    EXPECT_NE(value, value);
    EXPECT_EQ(era.dayOf(value), "");
    EXPECT_EQ(CsvDateTexts(true, 0).fiscalYearOf(value), "");
    EXPECT_EQ(CMyTool().DateToEraText(value), "");
    // Writing the value back keeps its bytes.
    ArchiveWriter out;
    out.writeDate(value);
    OleDateTime back;
    ArchiveReader(out.bytes()).readDate(back);
    EXPECT_EQ(0, std::memcmp(&back, &value, sizeof value));
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLastDay = 2958465;   // 9999-12-31
constexpr double kFirstDay = -657434;  // 100-01-01

INSTANTIATE_TEST_SUITE_P(
    EdgesAndGarbage, StoredValidDay,
    ::testing::Values(StoredDay{"NaN", kNaN, false}, StoredDay{"plusInfinity", kInfinity, false},
                      StoredDay{"minusInfinity", -kInfinity, false},
                      StoredDay{"twoTo63", 9223372036854775807.0, false},
                      StoredDay{"minusTwoTo63", -9223372036854775807.0, false},
                      StoredDay{"huge", 1e300, false},
                      StoredDay{"lastDayEvening", kLastDay + 0.99, true},
                      StoredDay{"roundsIntoYear10000", kLastDay + 0.9999999, false},
                      StoredDay{"year10000", kLastDay + 1, false},
                      StoredDay{"firstDayEvening", kFirstDay - 0.99, true},
                      StoredDay{"roundsIntoYear99", kFirstDay - 0.9999999, false},
                      StoredDay{"year99", kFirstDay - 1, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(OleSpan, LimitAndArithmetic) {
    EXPECT_TRUE(OleSpan::fromDays(3615897).isValid());
    EXPECT_FALSE(OleSpan::fromDays(3615898).isValid());
    EXPECT_FALSE(OleSpan::fromDays(-3615898).isValid());
    EXPECT_EQ(OleSpan::fromYears(5).days(), 1830.0);
    const OleDateTime end = OleDateTime::fromDate(2021, 3, 31);
    const OleDateTime expiry = end + OleSpan::fromYears(5) + OleSpan::fromDays(366);
    EXPECT_EQ(expiry.format("%Y,%m,%d"), "2027,04,05");
    EXPECT_FALSE((end + OleSpan::fromDays(4e6)).isValid());
    // A stored span whose status says valid holds no more than a span can.
    EXPECT_FALSE((OleSpan{kNaN, OleSpan::valid}).isValid());
    EXPECT_TRUE((OleSpan{1e300, OleSpan::valid}).namesNoSpan());
    EXPECT_EQ((OleDateTime::fromDate(2020, 1, 1) - OleDateTime::fromDate(2019, 1, 1)).days(),
              365.0);
}

}  // namespace
}  // namespace bunrako
