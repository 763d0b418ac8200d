#include "volumes/doc_master_data.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/volume_bytes.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;

std::string imageOf(const CDocMasterData& volume) {
    return std::string(reinterpret_cast<const char*>(&volume), sizeof volume);
}

TEST(DocMasterData, FieldsLieAtTheirFileOffsets) {
    CDocMasterData volume;
    EXPECT_EQ(imageOf(volume), std::string(656, '\0'));
    volume.setTitle("予算書");
    volume.setKaMei("総務課");
    volume.setShouBunruiCode("3");
    volume.Sassuu = 7;
    volume.SakuseiNendo = OleDateTime(vb::kApril2020, OleDateTime::valid);
    volume.Minaosi3Nengen = OleSpan(3660, OleSpan::valid);
    volume.Reserved[234] = 0xAB;
    const std::string expected = vb::Record()
                                     .text(vb::kTitleAt, vb::kYosansho)
                                     .text(vb::kDepartmentAt, vb::kSoumuKa)
                                     .text(vb::kMinorCodeAt, "3")
                                     .int32(vb::kBooksAt, 7)
                                     .value(vb::kCreatedAt, vb::kApril2020)
                                     .value(vb::kReview3SpanAt, 3660)
                                     .byte(655, 0xAB)
                                     .bytes();
    EXPECT_EQ(imageOf(volume), expected);
}

TEST(DocMasterData, TextAccessorsConvertAndCutAtCharacterBoundaries) {
    CDocMasterData volume;
    EXPECT_TRUE(volume.setTitle("予算書"));
    EXPECT_EQ(volume.title(), "予算書");
    // 37 two-byte characters do not fit 72 bytes: 36 are kept, none halved.
    std::string longTitle;
    for (int i = 0; i < 37; ++i) longTitle += "書";
    EXPECT_FALSE(volume.setTitle(longTitle));
    EXPECT_EQ(volume.title().size(), 36u * 3);
    EXPECT_EQ(volume.Title[72], '\0');
    EXPECT_EQ(volume.Title[71], '\x91');
    EXPECT_TRUE(volume.setKakariMei("庶務係"));
    EXPECT_EQ(std::string(volume.KakariMei), vb::kShomuKakari);
    EXPECT_TRUE(volume.setHozonShubetuMei("５年"));
    EXPECT_EQ(volume.hozonShubetuMei(), "５年");
}

TEST(DocMasterData, NewRecordHasTheDefaultsOfARegistration) {
    // 10 February 2021 lies in the fiscal year that began on 1 April 2020.
    const auto today = OleDateTime::fromDateTime(2021, 2, 10, 15, 30, 0);
    const CDocMasterData volume = CDocMasterData::NewRecord(today);
    const double expiry = vb::kApril2020 + 1830 + 366;
    const std::string expected = vb::Record()
                                     .value(vb::kCreatedAt, vb::kApril2020)
                                     .int32(vb::kBooksAt, 1)
                                     .value(vb::kFiledFromAt, vb::kApril2020)
                                     .value(vb::kFiledToAt, vb::kApril2020)
                                     .int32(vb::kRetentionIndexAt, 2)
                                     .value(vb::kRetentionAt, 1830)
                                     .value(vb::kExpiryAt, expiry)
                                     .int32(vb::kContentsAt, 1)
                                     .value(vb::kDisposalAt, expiry)
                                     .value(vb::kReview1DateAt, expiry)
                                     .value(vb::kReview1SpanAt, 3660)
                                     .value(vb::kReview2DateAt, expiry)
                                     .value(vb::kReview2SpanAt, 3660)
                                     .value(vb::kReview3DateAt, expiry)
                                     .value(vb::kReview3SpanAt, 3660)
                                     .bytes();
    EXPECT_EQ(imageOf(volume), expected);
    // In April the fiscal year is the calendar year.
    const auto april = CDocMasterData::NewRecord(OleDateTime::fromDate(2020, 4, 1));
    EXPECT_EQ(april.SakuseiNendo, OleDateTime(vb::kApril2020, OleDateTime::valid));
}

TEST(DocMasterData, ExpiryIsTheLastFilingYearPlusRetentionPlusAYear) {
    CDocMasterData volume;
    volume.ShuunouShuuryouNendo = OleDateTime::fromDate(2020, 4, 1);
    volume.HozonNengen = OleSpan::fromYears(10);
    EXPECT_EQ(volume.DeriveManryouNengetu(),
              OleDateTime(vb::kApril2020 + 3660 + 366, OleDateTime::valid));
}

}  // namespace
}  // namespace bunrako
