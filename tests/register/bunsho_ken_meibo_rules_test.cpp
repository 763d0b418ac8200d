#include <gtest/gtest.h>

#include <vector>

#include "common/cp932.h"
#include "register/bunsho_ken_meibo_list.h"
#include "support/fake_prompt.h"
#include "support/register_images.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::day;
using testing::entryImage;
using testing::kRegisterTag;
using testing::writeBytes;

CBunshoKenMeiboData entry(std::string_view number, std::string_view section, double registerYear,
                          double received = 0, int32_t calendarFlag = 0) {
    const std::string image = entryImage(number, section, registerYear, received, calendarFlag);
    CBunshoKenMeiboData e;
    std::memcpy(&e, image.data(), sizeof e);
    return e;
}

std::vector<std::string> numbers(const CBunshoKenMeiboList& list) {
    std::vector<std::string> result;
    for (const auto& e : list.entries()) {
        result.push_back(std::string(e.sectionPrefix()) + "/" + e.documentNumberText());
    }
    return result;
}

class RegisterRulesTest : public ::testing::Test {
  protected:
    testing::FakePrompt prompt;
    CBunshoKenMeiboList list{prompt};
};

TEST_F(RegisterRulesTest, NumbersOrderNumericallyWithinSectionAndYear) {
    const double y2024 = day(2024, 4, 1);
    list.AddOrReplace(entry("9", "001", y2024));
    list.AddOrReplace(entry("11", "001", y2024));
    list.AddOrReplace(entry("10", "001", y2024));
    EXPECT_EQ(numbers(list), (std::vector<std::string>{"001/9", "001/10", "001/11"}));
    // A section and year not yet present goes to the front.
    list.AddOrReplace(entry("50", "002", y2024));
    list.AddOrReplace(entry("3", "001", day(2023, 4, 1)));
    EXPECT_EQ(numbers(list),
              (std::vector<std::string>{"001/3", "002/50", "001/9", "001/10", "001/11"}));
    // A smaller number than any of its section and year also goes to the front.
    list.AddOrReplace(entry("1", "001", y2024));
    EXPECT_EQ(numbers(list)[0], "001/1");
}

TEST_F(RegisterRulesTest, TheSameSectionYearAndNumberIsReplacedInPlace) {
    const double y2024 = day(2024, 4, 1);
    list.AddOrReplace(entry("1", "0010010000", y2024));
    list.AddOrReplace(entry("2", "0010010000", y2024));
    // Another sub-section of the same section, the number written with a
    // leading zero and another day of the same year: still the same entry.
    CBunshoKenMeiboData changed = entry("01", "0010020000", day(2024, 1, 1));
    changed.setSubject("changed");
    list.AddOrReplace(changed);
    ASSERT_EQ(list.entries().size(), 2u);
    EXPECT_EQ(list.entries()[0].subjectText(), "changed");
    EXPECT_EQ(list.entries()[1].documentNumberText(), "2");
}

TEST_F(RegisterRulesTest, NumbersReadLikeIntegers) {
    EXPECT_EQ(entry("123", "", 0).documentNumberValue(), 123);
    EXPECT_EQ(entry(" 42x", "", 0).documentNumberValue(), 42);
    EXPECT_EQ(entry("-7", "", 0).documentNumberValue(), -7);
    EXPECT_EQ(entry("abc", "", 0).documentNumberValue(), 0);
    EXPECT_EQ(entry("", "", 0).documentNumberValue(), 0);
}

TEST_F(RegisterRulesTest, RemoveNeedsPeriodKindMonthNumberTextAndSection) {
    const double april = day(2024, 4, 1);
    list.AddOrReplace(entry("5", "0010000000", april));
    list.listCalendarYearFlag = 1;
    EXPECT_FALSE(list.Remove(entry("5", "001", april)));  // the entry is a fiscal-year one
    list.listCalendarYearFlag = 0;
    EXPECT_FALSE(list.Remove(entry("05", "001", april)));           // number compared as text
    EXPECT_FALSE(list.Remove(entry("5", "002", april)));            // another section
    EXPECT_FALSE(list.Remove(entry("5", "001", day(2024, 5, 1))));  // another month
    EXPECT_TRUE(list.Remove(entry("5", "0019999999", day(2024, 4, 30))));
    EXPECT_TRUE(list.entries().empty());
}

class NumberingTest : public ::testing::Test {
  protected:
    void store(std::initializer_list<CBunshoKenMeiboData> entries) {
        std::string image(kRegisterTag);
        for (const auto& e : entries) image.append(reinterpret_cast<const char*>(&e), sizeof e);
        writeBytes(file(), image);
    }
    fs::path file() const { return folder / "KenMeibo.dat"; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    CBunshoKenMeiboList list{prompt};
};

TEST_F(NumberingTest, TheNextNumberIsOneMoreThanTheLargestOfTheFiscalYear) {
    const double y = day(2024, 4, 1);
    store({entry("3", "001", y, day(2024, 4, 1)), entry("12", "002", y, day(2025, 3, 31)),
           entry("7", "001", y, day(2024, 10, 1)), entry("40", "001", y, day(2024, 3, 31))});
    EXPECT_EQ(list.NextDocumentNumber(file(), OleDateTime::fromDate(2024, 6, 1), 0), "13");
    EXPECT_EQ(list.NextDocumentNumber(file(), OleDateTime::fromDate(2024, 3, 1), 0), "41");
    EXPECT_EQ(list.NextDocumentNumber(file(), OleDateTime::fromDate(2026, 3, 1), 0), "1");
    // July-based years: 2024-07-01 ... 2025-06-30 holds 7 and 12 only.
    EXPECT_EQ(list.NextDocumentNumber(file(), OleDateTime::fromDate(2024, 8, 1), 1), "13");
    EXPECT_EQ(list.NextDocumentNumber(file(), OleDateTime::fromDate(2024, 6, 30), 1), "41");
}

TEST_F(NumberingTest, CalendarYearsCountFromJanuary) {
    const double y = day(2024, 1, 1);
    store({entry("3", "001", y, day(2024, 1, 1), 1), entry("9", "001", y, day(2023, 12, 31), 1),
           entry("5", "001", y, day(2024, 12, 31), 1)});
    list.listCalendarYearFlag = 1;
    EXPECT_EQ(list.NextDocumentNumber(file(), OleDateTime::fromDate(2024, 3, 1), 0), "6");
    EXPECT_EQ(list.NextDocumentNumber({}, OleDateTime::fromDate(2024, 3, 1), 0), "");
}

TEST_F(NumberingTest, AnEntryOfTheLastDayCountsWhateverItsTimeOfDay) {
    CBunshoKenMeiboData late = entry("8", "001", day(2024, 4, 1));
    late.receivedDate = OleDateTime::fromDateTime(2025, 3, 31, 16, 30, 0);
    CBunshoKenMeiboData none = entry("99", "001", day(2024, 4, 1));
    none.receivedDate = OleDateTime::nullValue();
    store({late, none});
    EXPECT_EQ(list.NextDocumentNumber(file(), OleDateTime::fromDate(2024, 4, 1), 0), "9");
}

}  // namespace
}  // namespace bunrako
