#include "volumes/nendo_kirikae.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "common/my_tool.h"
#include "settings/settei_koumoku_list.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_list.h"
#include "volumes/year_input.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;

constexpr double kApril2025 = 45748;  // 令和7年度

vb::Record withNumber(vb::Record record, std::string_view number) {
    std::string padded(number);
    padded.resize(22, '\0');
    return record.text(vb::kNumberAt, padded);
}

// A 5-year volume of fiscal 2020 with three books, expiry at 2020 + 2196.
vb::Record source(const char* title) {
    return vb::volume("502001001 1 2 3000100", title).int32(vb::kBooksAt, 3);
}

// What its copy for fiscal 2025 must hold, byte for byte.
vb::Record copyFor2025(const char* title, std::string_view number) {
    const double expiry = kApril2025 + 1830 + 366;
    return withNumber(vb::volume("", title, kApril2025), number)
        .value(vb::kReview2DateAt, expiry + 3660)
        .value(vb::kReview3DateAt, expiry + 3660 + 3660);
}

class YearSwitchTest : public ::testing::Test {
  protected:
    NendoKirikaeRequest request() const {
        NendoKirikaeRequest r;
        r.masterFile = target();
        r.newYear = fiscalYearStartOf(YearInput{false, 5, 7, 0}, 0, CMyTool());
        return r;
    }
    std::filesystem::path target() const { return folder / "New.dat"; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
};

TEST_F(YearSwitchTest, TheEnteredYearIsTheFirstDayOfItsFiscalYear) {
    const CMyTool tool;
    EXPECT_EQ(request().newYear, OleDateTime(kApril2025, OleDateTime::valid));
    EXPECT_EQ(fiscalYearStartOf(YearInput{true, 0, 0, 2025}, 0, tool),
              OleDateTime::fromDate(2025, 4, 1));
    // July years: the year labelled 2025 starts on 2024-07-01.
    EXPECT_EQ(fiscalYearStartOf(YearInput{true, 0, 0, 2025}, 1, tool),
              OleDateTime::fromDate(2024, 7, 1));
}

TEST_F(YearSwitchTest, CopiesGetTheNewYearAndTheirDatesWorkedOutAgain) {
    const std::vector<CDocMasterData> shown = {fromBytes(source(vb::kYosansho)),
                                               fromBytes(source(vb::kJinji))};
    const std::vector<int> mask = {1, 1};
    const NendoKirikaeResult result = switchFiscalYear(shown, mask, request(), prompt);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.copied, (std::vector<size_t>{0, 1}));
    EXPECT_TRUE(result.notCopied.empty());
    // 作成年度 = 収納 = 2025-04-01, one book, expiry, disposal and next review
    // 2025-04-01 + 2196 days, the earlier reviews each 3660 days later.
    EXPECT_EQ(testing::readBytes(target()),
              vb::file(2, {copyFor2025(vb::kYosansho, "507001001 1 2 3000100"),
                           copyFor2025(vb::kJinji, "507001001 1 2 3000200")}));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "文書" / "例規" / "条例" / "人事" /
                                              "索引目録データ" / "令和7年度"));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(YearSwitchTest, SwitchingTwiceLeavesOneCopyPerVolume) {
    const std::vector<CDocMasterData> shown = {fromBytes(source(vb::kYosansho)),
                                               fromBytes(source(vb::kJinji)),
                                               fromBytes(source(vb::kKyuuyo))};
    const std::vector<int> mask = {1, 0, 1};
    ASSERT_TRUE(switchFiscalYear(shown, mask, request(), prompt).written);
    const std::string once = testing::readBytes(target());
    const auto again = switchFiscalYear(shown, mask, request(), prompt);
    EXPECT_EQ(again.copied, (std::vector<size_t>{0, 2}));
    EXPECT_EQ(testing::readBytes(target()), once);
    EXPECT_EQ(once.size(), 4 + 2 * vb::kRecordSize);
}

TEST_F(YearSwitchTest, ReorganisationGivesTheNewDepartmentAndItsCodeInTheNumber) {
    CSetteiKoumokuList departments;
    departments.Items() = {{"0020000000", "企画課", ""}, {"0020030000", "企画係", ""}};
    NendoKirikaeRequest r = request();
    r.department = DepartmentChoice::FromTable("企画課", "企画係", departments);
    EXPECT_EQ(r.department->code, "0020030000");
    const std::vector<CDocMasterData> shown = {fromBytes(source(vb::kYosansho))};
    ASSERT_TRUE(switchFiscalYear(shown, std::vector<int>{1}, r, prompt).written);
    auto expected = copyFor2025(vb::kYosansho, "507002003 1 2 3000100")
                        .text(vb::kDepartmentAt, std::string("\x8a\xe9\x89\xe6\x89\xdb\0", 7))
                        .text(vb::kSectionAt, std::string("\x8a\xe9\x89\xe6\x8c\x57\0", 7))
                        .text(vb::kDepartmentCodeAt, "0020030000");
    EXPECT_EQ(testing::readBytes(target()), vb::file(1, {expected}));
}

TEST_F(YearSwitchTest, ShortDepartmentCodesArePaddedToTenWithZeros) {
    const DepartmentChoice department{"A", "B", "12345"};
    const CDocMasterData copy =
        convertForNewYear(fromBytes(source(vb::kJinji)), request().newYear, &department);
    NendoKirikaeRequest r = request();
    r.department = department;
    ASSERT_TRUE(switchFiscalYear(std::vector<CDocMasterData>{copy}, std::vector<int>{1}, r, prompt)
                    .written);
    CDocMasterList list(target(), prompt);
    ASSERT_EQ(list.Read(), 1);
    EXPECT_EQ(list[0].kanriBangou(), "507000001 1 2 3000100");
    EXPECT_EQ(list[0].kaBunruiCode(), "12345");
}

TEST_F(YearSwitchTest, ProgressRunsOverTheDisplayedRecords) {
    const std::vector<CDocMasterData> shown = {fromBytes(source(vb::kYosansho)),
                                               fromBytes(source(vb::kJinji)),
                                               fromBytes(source(vb::kKyuuyo))};
    std::vector<std::pair<int, int>> steps;
    const auto result =
        switchFiscalYear(shown, std::vector<int>{1, 0, 1}, request(), prompt,
                         [&](int position, int upper) { steps.emplace_back(position, upper); });
    ASSERT_TRUE(result.written);
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{
                         {0, 100}, {66, 100}, {0, 100}, {50, 100}, {100, 100}}));
}

TEST_F(YearSwitchTest, NoSelectionTouchesNoFile) {
    const std::vector<CDocMasterData> shown = {fromBytes(source(vb::kYosansho))};
    const auto result = switchFiscalYear(shown, std::vector<int>{0}, request(), prompt);
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(std::filesystem::exists(target()));
}

TEST_F(YearSwitchTest, AnUnreachableMasterFileIsNotOverwritten) {
    std::filesystem::create_directory(target());
    const std::vector<CDocMasterData> shown = {fromBytes(source(vb::kYosansho))};
    const auto result = switchFiscalYear(shown, std::vector<int>{1}, request(), prompt);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.copied.empty());
    EXPECT_FALSE(prompt.messages.empty());
    EXPECT_TRUE(std::filesystem::is_directory(target()));
}

}  // namespace
}  // namespace bunrako
