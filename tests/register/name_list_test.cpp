#include "register/name_list.h"

#include <gtest/gtest.h>

#include "common/ole_date_time.h"

namespace bunrako {
namespace {

OleDateTime at(int day, int hour = 9, int minute = 0) {
    return OleDateTime::fromDateTime(2024, 5, day, hour, minute, 0);
}

std::vector<int32_t> counts(const NameList& list) {
    std::vector<int32_t> result;
    for (const auto& slot : list.slots()) result.push_back(slot.kaisuu);
    return result;
}

// A list whose first `used` slots hold "n0", "n1", ... with the given counts.
NameList filled(size_t slots, size_t aging, const std::vector<int32_t>& used) {
    NameList list(slots, aging, at(1));
    for (size_t i = 0; i < used.size(); ++i) {
        list.slots()[i] = {"n" + std::to_string(i), used[i], at(2)};
    }
    return list;
}

TEST(NameListTest, RecordingOneNameThreeTimesCountsThree) {
    NameList list(30, 10, at(1));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(list.Record("山田", at(3, 10, i)));
    EXPECT_EQ(list.slots()[0].name(), "山田");
    EXPECT_EQ(list.slots()[0].meishou, "\x8e\x52\x93\x63");
    EXPECT_EQ(list.slots()[0].kaisuu, 3);
    EXPECT_EQ(list.slots()[0].hiniti, at(3, 10, 2));
    EXPECT_FALSE(list.slots()[1].used());
    EXPECT_EQ(list.Names(), std::vector<std::string>{"山田"});
}

TEST(NameListTest, AnEmptyNameChangesNothing) {
    NameList list(10, 10, at(1));
    EXPECT_FALSE(list.Record("", at(2)));
    EXPECT_FALSE(list.slots()[0].used());
    EXPECT_EQ(list.slots()[0].hiniti, at(1));
}

TEST(NameListTest, MostUsedFirstThenLatestUseToTheMinute) {
    NameList list(10, 10, at(1));
    list.Record("a", at(2));
    list.Record("b", at(3));
    list.Record("b", at(4));
    list.Record("c", at(5, 9, 0));
    list.Record("d", at(5, 9, 1));
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"b", "d", "c", "a"}));
}

TEST(NameListTest, AFullListGivesItsLastSlotToTheNewName) {
    std::vector<int32_t> used;
    for (int i = 0; i < 30; ++i) used.push_back(31 - i);  // slot 29 is the least used
    NameList list = filled(30, 10, used);
    list.Record("new", at(9));
    EXPECT_EQ(list.slots()[29].meishou, "new");
    EXPECT_EQ(list.slots()[29].kaisuu, 1);
    for (const auto& slot : list.slots()) EXPECT_NE(slot.meishou, "n29");
}

TEST(NameListTest, ACountAboveTwentyAgesTheFirstTenSlotsOfTheSenderList) {
    std::vector<int32_t> used(12, 30);
    used[11] = 20;
    NameList list = filled(30, 10, used);
    list.Record("n11", at(9));
    // Slots 0-9 lose one; n10 (30) and n11 (21) do not. Re-ordering then
    // puts n10 first, the ten aged slots next and n11 last.
    EXPECT_EQ(list.slots()[0].meishou, "n10");
    EXPECT_EQ(list.slots()[0].kaisuu, 30);
    std::vector<int32_t> expected(30, 0);
    expected[0] = 30;
    for (int i = 1; i <= 10; ++i) expected[static_cast<size_t>(i)] = 29;
    expected[11] = 21;
    EXPECT_EQ(counts(list), expected);
}

TEST(NameListTest, TheReceiverListAgesEveryUsedSlotUpToTheFirstUnusedOne) {
    std::vector<int32_t> used(15, 5);
    used[0] = 20;
    NameList list = filled(30, 30, used);
    list.Record("n0", at(9));
    EXPECT_EQ(list.slots()[0].meishou, "n0");
    EXPECT_EQ(list.slots()[0].kaisuu, 20);  // 21, then aged
    for (size_t i = 1; i < 15; ++i) EXPECT_EQ(list.slots()[i].kaisuu, 4) << i;
    EXPECT_EQ(list.slots()[15].kaisuu, 0);
}

TEST(NameListTest, NegativeCountsSortAfterEveryOther) {
    NameList list = filled(10, 10, {-1, 0, 3});
    list.Record("n1", at(9));  // count 1
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"n2", "n1", "n0"}));
}

}  // namespace
}  // namespace bunrako
