#include <gtest/gtest.h>

#include <cstring>

#include "support/fake_prompt.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_list.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;

// The record image with the number the list gives it.
vb::Record numbered(vb::Record record, std::string_view number) {
    std::string padded(number);
    padded.resize(22, '\0');
    return record.text(vb::kNumberAt, padded);
}

class AddVolumeTest : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return folder / "DocMaster.dat"; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
};

TEST_F(AddVolumeTest, TheFirstRegistrationWritesAFileWithCountOne) {
    const auto input = vb::volume("", vb::kYosansho);
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.AddOrReplace(fromBytes(input)), 1);
    EXPECT_EQ(testing::readBytes(file()), vb::file(1, {numbered(input, "502001001 1 2 3000100")}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(AddVolumeTest, TheSameYearTitleDepartmentAndSectionReplaceAndKeepTheNumber) {
    const auto first = vb::volume("", vb::kYosansho);
    const auto other = vb::volume("", vb::kJinji);
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.AddOrReplace(fromBytes(first)), 1);
    ASSERT_EQ(list.AddOrReplace(fromBytes(other)), 1);
    // Same identity, other books count and classification: it replaces the
    // first and keeps its serial although its new prefix has none yet.
    auto changed = vb::volume("", vb::kYosansho);
    changed.int32(vb::kBooksAt, 3);
    ASSERT_EQ(list.AddOrReplace(fromBytes(changed)), 1);
    EXPECT_EQ(testing::readBytes(file()), vb::file(2, {numbered(changed, "502001001 1 2 3000100"),
                                                       numbered(other, "502001001 1 2 3000200")}));
}

TEST_F(AddVolumeTest, ACodeTypedWithALeadingZeroKeepsTheVolumesNumberAcrossSaves) {
    auto input = vb::volume("", vb::kYosansho);
    input.text(vb::kMiddleCodeAt, std::string("02\0", 3));
    const auto other = vb::volume("", vb::kJinji);
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.AddOrReplace(fromBytes(input)), 1);
    ASSERT_EQ(list.AddOrReplace(fromBytes(other)), 1);
    // "02" and "2" are one middle code in the number: the re-read " 2" of
    // the first volume finds its serial again when it is saved once more.
    // The file order follows the code fields as typed (" 2" before "02").
    ASSERT_EQ(list.AddOrReplace(fromBytes(input)), 1);
    EXPECT_EQ(testing::readBytes(file()), vb::file(2, {numbered(other, "502001001 1 2 3000200"),
                                                       numbered(input, "502001001 1 2 3000100")}));
}

TEST_F(AddVolumeTest, TheCreationYearMatchesWithinHalfASecond) {
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.AddOrReplace(fromBytes(vb::volume("", vb::kYosansho))), 1);
    const double quarterSecond = 0.25 / 86400;
    auto close = vb::volume("", vb::kYosansho, vb::kApril2020 + quarterSecond);
    ASSERT_EQ(list.AddOrReplace(fromBytes(close)), 1);
    EXPECT_EQ(list.size(), 1u);
    auto apart = vb::volume("", vb::kYosansho, vb::kApril2020 + 4 * quarterSecond);
    ASSERT_EQ(list.AddOrReplace(fromBytes(apart)), 1);
    EXPECT_EQ(list.size(), 2u);
}

TEST_F(AddVolumeTest, SerialsCountTitlesWithinAPrefix) {
    CDocMasterList list(file(), prompt);
    const auto first = vb::volume("", vb::kYosansho);
    const auto second = vb::volume("", vb::kJinji);
    // Another section of the same department, with the first one's title:
    // same prefix and title, so it gets the first one's serial again.
    auto third = vb::volume("", vb::kYosansho);
    third.text(vb::kSectionAt, vb::kKeiriKakari);
    ASSERT_EQ(list.AddOrReplace(fromBytes(first)), 1);
    ASSERT_EQ(list.AddOrReplace(fromBytes(second)), 1);
    ASSERT_EQ(list.AddOrReplace(fromBytes(third)), 1);
    // The file is in serial order: both volumes of serial 1 come first.
    EXPECT_EQ(testing::readBytes(file()), vb::file(3, {numbered(first, "502001001 1 2 3000100"),
                                                       numbered(third, "502001001 1 2 3000100"),
                                                       numbered(second, "502001001 1 2 3000200")}));
}

TEST_F(AddVolumeTest, ANewTitleFollowsTheHighestSerialOfItsPrefixOnly) {
    auto otherPrefix = vb::volume("502001001 1 2 4004000", vb::kKyuuyo);
    otherPrefix.text(vb::kMinorCodeAt, "4");
    testing::writeBytes(
        file(), vb::file(3, {vb::volume("502001001 1 2 3000100", vb::kYosansho),
                             vb::volume("502001001 1 2 3000500", vb::kJinji), otherPrefix}));
    CDocMasterList list(file(), prompt);
    auto added = vb::volume("", vb::kBunsho);
    ASSERT_EQ(list.AddOrReplace(fromBytes(added)), 1);
    EXPECT_EQ(std::string(list[2].KanriBangou), "502001001 1 2 3000600");
    // Another fiscal year is another prefix: its serials start at 1.
    ASSERT_EQ(list.AddOrReplace(fromBytes(vb::volume("", vb::kBunsho, vb::kApril2021))), 1);
    EXPECT_EQ(std::string(list[4].KanriBangou), "503001001 1 2 3000100");
}

TEST_F(AddVolumeTest, APrefixWithoutSerialsLeftRefusesNewTitles) {
    const std::string original = vb::file(1, {vb::volume("502001001 1 2 3999900", vb::kYosansho)});
    testing::writeBytes(file(), original);
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.AddOrReplace(fromBytes(vb::volume("", vb::kJinji))), 0);
    EXPECT_NE(prompt.lastMessage().find("9999"), std::string::npos);
    EXPECT_EQ(testing::readBytes(file()), original);
    // The volume that holds serial 9999 can still be changed.
    EXPECT_EQ(list.AddOrReplace(fromBytes(vb::volume("", vb::kYosansho))), 1);
}

TEST_F(AddVolumeTest, AFileThatWillNotOpenIsNotOverwritten) {
    std::filesystem::create_directory(file());
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.AddOrReplace(fromBytes(vb::volume("", vb::kYosansho))), 0);
    EXPECT_TRUE(prompt.retries.empty());
    EXPECT_TRUE(std::filesystem::is_directory(file()));
}

TEST_F(AddVolumeTest, WithoutFileAccessOnlyTheListChanges) {
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.AddOrReplace(fromBytes(vb::volume("", vb::kYosansho)), true), 1);
    ASSERT_EQ(list.AddOrReplace(fromBytes(vb::volume("", vb::kJinji)), true), 1);
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    EXPECT_EQ(std::string(list[1].KanriBangou), "502001001 1 2 3000200");
}

TEST_F(AddVolumeTest, CopiesForANewYearCanTakeTheDepartmentCodePaddedToTen) {
    auto copy = vb::volume("", vb::kYosansho, vb::kApril2021);
    copy.text(vb::kDepartmentCodeAt, std::string("12345\0\0\0\0\0", 10));
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.AddOrReplace(fromBytes(copy), true, DepartmentDigits::zeroPaddedToTen), 1);
    EXPECT_EQ(std::string(list[0].KanriBangou), "503000001 1 2 3000100");
    EXPECT_EQ(list[0].kaBunruiCode(), "12345");
}

TEST_F(AddVolumeTest, TheFileIsSortedByYearCodesAndSerial) {
    auto volumeIn = [](double created, std::string_view major, std::string_view title) {
        auto r = vb::volume("", title, created);
        r.text(vb::kMajorCodeAt, std::string(major) + std::string(5 - major.size(), '\0'));
        return r;
    };
    // 令和2 major 10, 令和2 major 9, 平成31 (1 April 2019), 平成30, and two
    // titles of one prefix.
    CDocMasterList list(file(), prompt);
    const auto r2Major10 = volumeIn(vb::kApril2020, "10", vb::kYosansho);
    const auto r2Major9 = volumeIn(vb::kApril2020, "9", vb::kJinji);
    const auto h31 = volumeIn(vb::kApril2019, "9", vb::kKyuuyo);
    const auto h30 = volumeIn(vb::kApril2018, "10", vb::kBunsho);
    const auto r2Major9Second = volumeIn(vb::kApril2020, "9", vb::kReiki);
    for (const auto& r : {r2Major10, r2Major9, h31, h30, r2Major9Second}) {
        ASSERT_EQ(list.AddOrReplace(fromBytes(r)), 1);
    }
    EXPECT_EQ(
        testing::readBytes(file()),
        vb::file(5, {numbered(h30, "43000100110 2 3000100"), numbered(h31, "431001001 9 2 3000100"),
                     numbered(r2Major9, "502001001 9 2 3000100"),
                     numbered(r2Major9Second, "502001001 9 2 3000200"),
                     numbered(r2Major10, "50200100110 2 3000100")}));
}

TEST_F(AddVolumeTest, VolumesWithEqualKeysKeepTheirOrder) {
    // Two sections share the prefix and the title, hence the whole key.
    auto first = vb::volume("", vb::kYosansho);
    auto second = vb::volume("", vb::kYosansho);
    second.text(vb::kSectionAt, vb::kKeiriKakari);
    auto earlier = vb::volume("", vb::kYosansho, vb::kApril2019);
    CDocMasterList list(file(), prompt);
    for (const auto& r : {first, second, earlier}) ASSERT_EQ(list.AddOrReplace(fromBytes(r)), 1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].SakuseiNendo, OleDateTime(vb::kApril2019, OleDateTime::valid));
    EXPECT_EQ(list[1].kakariMei(), "庶務係");
    EXPECT_EQ(list[2].kakariMei(), "経理係");
}

TEST_F(AddVolumeTest, RemoveMatchesSevenFieldsAndTakesTheFirstMatch) {
    const auto a = vb::volume("502001001 1 2 3000100", vb::kYosansho);
    const auto b = vb::volume("502001001 1 2 3000200", vb::kJinji);
    const std::string original = vb::file(3, {a, b, a});
    testing::writeBytes(file(), original);
    CDocMasterList list(file(), prompt);
    // Another minor classification name: no match, the file is left alone.
    auto other = a;
    other.text(vb::kMinorNameAt, vb::kKyuuyo);
    EXPECT_EQ(list.Remove(fromBytes(other)), 0);
    EXPECT_EQ(testing::readBytes(file()), original);
    EXPECT_FALSE(std::filesystem::exists(folder / "DocMaster.da$"));
    // Number and books do not matter.
    auto match = a;
    match.text(vb::kNumberAt, "x").int32(vb::kBooksAt, 9);
    EXPECT_EQ(list.Remove(fromBytes(match)), 1);
    EXPECT_EQ(testing::readBytes(file()), vb::file(2, {b, a}));
    EXPECT_EQ(testing::readBytes(folder / "DocMaster.da$"), original);
}

TEST_F(AddVolumeTest, RemoveFromAMissingFileFindsNothing) {
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.Remove(fromBytes(vb::volume("", vb::kYosansho))), 0);
    EXPECT_EQ(std::filesystem::file_size(file()), 0u);
}

}  // namespace
}  // namespace bunrako
