#include "register/register_filter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "register/register_criteria.h"
#include "support/register_images.h"

namespace bunrako {
namespace {

using testing::day;

OleDateTime date(int y, int m, int d) { return OleDateTime::fromDate(y, m, d); }

CBunshoKenMeiboData entry(std::string_view number, std::string_view section = "0010010000",
                          double registerYear = day(2024, 4, 1),
                          double received = day(2024, 6, 1)) {
    const std::string image = testing::entryImage(number, section, registerYear, received);
    CBunshoKenMeiboData e;
    std::memcpy(static_cast<void*>(&e), image.data(), sizeof e);
    return e;
}

// Criteria with every switch off.
RegisterCriteria noCriteria() {
    RegisterCriteria criteria;
    criteria.byYear = 0;
    criteria.bySection = 0;
    return criteria;
}

bool passes(const RegisterCriteria& criteria, const CBunshoKenMeiboData& e) {
    return RegisterFilter(criteria)(e);
}

TEST(RegisterCriteriaTest, InitialValuesFollowTheKindOfYear) {
    const OleDateTime now = OleDateTime::fromDateTime(2025, 2, 10, 9, 30, 0);
    const RegisterCriteria fiscal = RegisterCriteria::Initial(now, 0, 0, "0010010000");
    EXPECT_EQ(fiscal.byYear, 1);
    EXPECT_EQ(fiscal.bySection, 1);
    EXPECT_EQ(fiscal.calendarYear, 0);
    EXPECT_EQ(fiscal.sectionCode, "0010010000");
    EXPECT_EQ(fiscal.yearFrom, date(2024, 4, 1));
    EXPECT_EQ(fiscal.yearTo, date(2024, 4, 1));
    EXPECT_EQ(fiscal.receivedFrom, date(2024, 4, 1));
    EXPECT_EQ(fiscal.receivedTo, now);
    EXPECT_EQ(fiscal.completedFrom, date(2024, 4, 1));
    EXPECT_EQ(fiscal.completedTo, now);
    for (int flag :
         {fiscal.anyCriteria, fiscal.byNumber, fiscal.bySubsection, fiscal.byReceivedDate,
          fiscal.byWord, fiscal.byCompleted, fiscal.notCompleted, fiscal.byCompletedDate}) {
        EXPECT_EQ(flag, 0);
    }
    EXPECT_TRUE(fiscal.numberFrom.empty() && fiscal.numberTo.empty() && fiscal.word.empty());

    const RegisterCriteria calendar = RegisterCriteria::Initial(now, 1, 0);
    EXPECT_EQ(calendar.yearFrom, date(2025, 1, 1));
    EXPECT_EQ(calendar.receivedFrom, date(2025, 1, 1));
    // A July fiscal year holding February 2025 began in July 2024.
    EXPECT_EQ(RegisterCriteria::Initial(now, 0, 1).yearFrom, date(2024, 7, 1));
}

TEST(RegisterCriteriaTest, LoadingSettingsKeepsChosenYearsUnlessTheKindChanges) {
    const OleDateTime now = date(2025, 2, 10);
    RegisterCriteria criteria = RegisterCriteria::Initial(now, 0, 0, "001");
    criteria.yearFrom = date(2020, 4, 1);
    criteria.applySettings(0, "0020000000", now, 0);
    EXPECT_EQ(criteria.sectionCode, "0020000000");
    EXPECT_EQ(criteria.yearFrom, date(2020, 4, 1));
    // Kept by calendar year from now on: this calendar year, not the fiscal
    // year that began the spring before.
    criteria.applySettings(1, "0020000000", now, 0);
    EXPECT_EQ(criteria.calendarYear, 1);
    EXPECT_EQ(criteria.yearFrom, date(2025, 1, 1));
    EXPECT_EQ(criteria.yearTo, date(2025, 1, 1));
}

TEST(RegisterFilterTest, NumbersCompareByTheirLeadingValue) {
    RegisterCriteria criteria = noCriteria();
    criteria.byNumber = 1;
    criteria.numberFrom = "10";
    criteria.numberTo = "20";
    for (const char* kept : {"10", "15", "20", "015", "12a"}) {
        EXPECT_TRUE(passes(criteria, entry(kept))) << kept;
    }
    for (const char* dropped : {"9", "21", "", "abc"}) {
        EXPECT_FALSE(passes(criteria, entry(dropped))) << dropped;
    }
    // An empty lower bound counts as 0, and so does a number without digits.
    criteria.numberFrom.clear();
    EXPECT_TRUE(passes(criteria, entry("")));
    EXPECT_TRUE(passes(criteria, entry("abc")));
    EXPECT_TRUE(passes(criteria, entry("3")));
}

TEST(RegisterFilterTest, YearsCompareByTheYearOfTheRegisterYear) {
    RegisterCriteria criteria = noCriteria();
    criteria.byYear = 1;
    criteria.yearFrom = date(2020, 4, 1);
    criteria.yearTo = date(2021, 4, 1);
    EXPECT_TRUE(passes(criteria, entry("1", "001", day(2020, 4, 1))));
    EXPECT_TRUE(passes(criteria, entry("1", "001", day(2021, 1, 1))));
    EXPECT_FALSE(passes(criteria, entry("1", "001", day(2019, 4, 1))));
    EXPECT_FALSE(passes(criteria, entry("1", "001", day(2022, 1, 1))));
    CBunshoKenMeiboData invalid = entry("1", "001", day(2020, 4, 1));
    invalid.registerYear = OleDateTime::invalidValue();
    EXPECT_FALSE(passes(criteria, invalid));
}

TEST(RegisterFilterTest, SectionAndSubsectionCompareTheirCodePrefixes) {
    RegisterCriteria criteria = noCriteria();
    criteria.bySection = 1;
    criteria.sectionCode = "0010020000";
    EXPECT_TRUE(passes(criteria, entry("1", "0010010000")));
    EXPECT_TRUE(passes(criteria, entry("1", "001")));
    EXPECT_FALSE(passes(criteria, entry("1", "0020010000")));
    criteria.bySubsection = 1;
    EXPECT_TRUE(passes(criteria, entry("1", "0010020003")));
    EXPECT_FALSE(passes(criteria, entry("1", "0010010000")));
    // The sub-section criterion stands on its own.
    criteria.bySection = 0;
    EXPECT_FALSE(passes(criteria, entry("1", "0010010000")));
    // With an empty code every section passes.
    criteria.bySection = 1;
    criteria.sectionCode.clear();
    EXPECT_TRUE(passes(criteria, entry("1", "0990990000")));
}

TEST(RegisterFilterTest, ReceptionDatesCompareByDayBothEndsIncluded) {
    RegisterCriteria criteria = noCriteria();
    criteria.byReceivedDate = 1;
    criteria.receivedFrom = OleDateTime::fromDateTime(2024, 5, 1, 12, 0, 0);
    criteria.receivedTo = OleDateTime::fromDateTime(2024, 5, 31, 8, 0, 0);
    const auto at = [](int m, int d, double time) {
        return entry("1", "001", day(2024, 4, 1), day(2024, m, d) + time);
    };
    EXPECT_TRUE(passes(criteria, at(5, 1, 0.0)));
    EXPECT_TRUE(passes(criteria, at(5, 31, 0.99)));
    EXPECT_FALSE(passes(criteria, at(4, 30, 0.99)));
    EXPECT_FALSE(passes(criteria, at(6, 1, 0.0)));
}

TEST(RegisterFilterTest, WordsAreFoundByCharacterNeverAcrossCharacters) {
    RegisterCriteria criteria = noCriteria();
    criteria.byWord = 1;
    criteria.word = "会議";
    CBunshoKenMeiboData e = entry("1");
    e.setSubject("定例会議の開催について");
    EXPECT_TRUE(passes(criteria, e));
    e.setSubject("予算の執行について");
    EXPECT_FALSE(passes(criteria, e));
    // An entry without a subject passes.
    e.setSubject("");
    EXPECT_TRUE(passes(criteria, e));
    // 表示 is 95 5C 8E A6: the bytes of "\示" occur only across a character.
    criteria.word = "\\示";
    e.setSubject("表示");
    EXPECT_FALSE(passes(criteria, e));
}

TEST(RegisterFilterTest, NotCompletedIgnoresTheCompletionDates) {
    RegisterCriteria criteria = noCriteria();
    criteria.byCompleted = 1;
    criteria.byCompletedDate = 1;
    criteria.completedFrom = date(2024, 6, 1);
    criteria.completedTo = date(2024, 6, 30);
    CBunshoKenMeiboData open = entry("1");
    open.completedDate = date(2020, 1, 1);
    CBunshoKenMeiboData inJune = entry("2");
    inJune.completedFlag = 1;
    inJune.completedDate = OleDateTime::fromDateTime(2024, 6, 30, 17, 0, 0);
    CBunshoKenMeiboData inJuly = entry("3");
    inJuly.completedFlag = 1;
    inJuly.completedDate = date(2024, 7, 1);

    criteria.notCompleted = 1;
    EXPECT_TRUE(passes(criteria, open));
    EXPECT_FALSE(passes(criteria, inJune));
    EXPECT_FALSE(passes(criteria, inJuly));

    criteria.notCompleted = 0;
    EXPECT_FALSE(passes(criteria, open));
    EXPECT_TRUE(passes(criteria, inJune));
    EXPECT_FALSE(passes(criteria, inJuly));
    criteria.byCompletedDate = 0;
    EXPECT_TRUE(passes(criteria, inJuly));
    // The completion dates alone do nothing.
    criteria.byCompleted = 0;
    criteria.byCompletedDate = 1;
    EXPECT_TRUE(passes(criteria, open));
}

TEST(RegisterFilterTest, TheListKeepsFileOrder) {
    RegisterCriteria criteria = noCriteria();
    criteria.byNumber = 1;
    criteria.numberFrom = "2";
    criteria.numberTo = "5";
    const std::vector<CBunshoKenMeiboData> entries = {entry("5"), entry("1"), entry("3"),
                                                      entry("7"), entry("2")};
    std::vector<std::string> kept;
    for (const auto& e : extractRegister(entries, RegisterFilter(criteria))) {
        kept.push_back(e.documentNumberText());
    }
    EXPECT_EQ(kept, (std::vector<std::string>{"5", "3", "2"}));
}

}  // namespace
}  // namespace bunrako
