#include "volumes/excel_bosatu_converter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/cp932.h"
#include "support/import_masters.h"

namespace bunrako {
namespace {

namespace masters = testing::import_masters;

OleDateTime date(int year, int month, int day) { return OleDateTime::fromDate(year, month, day); }

// 総務課/庶務係, 文書/例規/条例, 予算書, two books, created and filed in
// fiscal year 2020, five years, expiry April 2026, in daily use.
CExcelBosatuData row(const char* section = "庶務係", const char* minor = "条例") {
    CExcelBosatuData data;
    data.SakuseiNendo = date(2020, 4, 1);
    writeFixedText(data.KaMei, "総務課");
    writeFixedText(data.KakariMei, section);
    writeFixedText(data.DaiBunruiMei, "文書");
    writeFixedText(data.ChuuBunruiMei, "例規");
    writeFixedText(data.ShouBunruiMei, minor);
    writeFixedText(data.Title, "予算書");
    data.Sassuu = 2;
    data.ShuunouKaisiNendo = date(2019, 4, 1);
    data.ShuunouShuuryouNendo = date(2020, 4, 1);
    data.HozonNengen = OleSpan::fromYears(5);
    data.ManryouNengetu = date(2026, 4, 1);
    data.Jouyou = 1;
    data.Mokuji = 1;
    data.HaikiNengetu = data.ManryouNengetu;
    return data;
}

class ExcelBosatuConverterTest : public ::testing::Test {
  protected:
    bool convert(const CExcelBosatuData& data) {
        note.clear();
        ExcelBosatuConverter converter(department, classification, retention);
        return converter.Convert(data, volume, note);
    }

    CSetteiKoumokuList department = masters::department();
    CSetteiKoumokuList classification = masters::classification();
    CSetteiKoumokuList retention = masters::retention();
    CDocMasterData volume;
    std::string note;
};

TEST_F(ExcelBosatuConverterTest, BuildsTheVolumeWithTheMastersCodes) {
    ASSERT_TRUE(convert(row())) << note;
    EXPECT_EQ(volume.kanriBangou(), "");
    EXPECT_EQ(volume.SakuseiNendo, date(2020, 4, 1));
    EXPECT_EQ(volume.kaMei(), "総務課");
    EXPECT_EQ(volume.kakariMei(), "庶務係");
    EXPECT_EQ(volume.kaBunruiCode(), "0010010000");
    EXPECT_EQ(volume.daiBunruiCode(), "1");
    EXPECT_EQ(volume.chuuBunruiCode(), "2");
    EXPECT_EQ(volume.shouBunruiCode(), "3");
    EXPECT_EQ(volume.daiBunruiMei(), "文書");
    EXPECT_EQ(volume.chuuBunruiMei(), "例規");
    EXPECT_EQ(volume.shouBunruiMei(), "条例");
    EXPECT_EQ(volume.title(), "予算書");
    EXPECT_EQ(volume.Sassuu, 2);
    EXPECT_EQ(volume.ShuunouKaisiNendo, date(2019, 4, 1));
    EXPECT_EQ(volume.ShuunouShuuryouNendo, date(2020, 4, 1));
    EXPECT_EQ(volume.ManryouNengetu, date(2026, 4, 1));
    EXPECT_EQ(volume.Jouyou, 1);
    EXPECT_EQ(volume.Mokuji, 1);
    EXPECT_EQ(volume.Haiki, 0);
    EXPECT_EQ(volume.HaikiNengetu, date(2026, 4, 1));
    // The last retention type of five years wins.
    EXPECT_EQ(volume.HozonShubetuIndex, 3);
    EXPECT_EQ(volume.hozonShubetuMei(), "保存5年");
    EXPECT_EQ(volume.HozonNengen, OleSpan::fromDays(1830));
    EXPECT_TRUE(std::all_of(std::begin(volume.Reserved), std::end(volume.Reserved),
                            [](unsigned char b) { return b == 0; }));
}

TEST_F(ExcelBosatuConverterTest, ReviewsFollowTheExpiryTenYearsApart) {
    ASSERT_TRUE(convert(row()));
    EXPECT_EQ(volume.Minaosi1, 0);
    EXPECT_EQ(volume.Minaosi2, 0);
    EXPECT_EQ(volume.Minaosi3, 0);
    EXPECT_EQ(volume.Minaosi1Jiki, date(2026, 4, 1));
    EXPECT_EQ(volume.Minaosi2Jiki, date(2036, 4, 1));
    EXPECT_EQ(volume.Minaosi3Jiki, date(2046, 4, 1));
    EXPECT_EQ(volume.Minaosi1Nengen, OleSpan::fromDays(3660));
    EXPECT_EQ(volume.Minaosi2Nengen, OleSpan::fromDays(3660));
    EXPECT_EQ(volume.Minaosi3Nengen, OleSpan::fromDays(3660));
}

TEST_F(ExcelBosatuConverterTest, PermanentTakesTheTypeNamedByItsYears) {
    CExcelBosatuData permanent = row();
    permanent.HozonNengen = OleSpan::fromDays(36234);
    ASSERT_TRUE(convert(permanent));
    EXPECT_EQ(volume.HozonShubetuIndex, 5);
    EXPECT_EQ(volume.hozonShubetuMei(), "永年");
    EXPECT_EQ(volume.HozonNengen, OleSpan::fromDays(36234));
    // 99 years given as a number are permanent too.
    permanent.HozonNengen = OleSpan::fromYears(99);
    ASSERT_TRUE(convert(permanent));
    EXPECT_EQ(volume.hozonShubetuMei(), "永年");
    // The period is the table's years for 永年.
    writeFixedText(retention.Items()[5].subName, "30");
    ASSERT_TRUE(convert(permanent));
    EXPECT_EQ(volume.HozonNengen, OleSpan::fromDays(30 * 366));
    retention.Items().pop_back();
    EXPECT_FALSE(convert(permanent));
    EXPECT_EQ(note, "保存年限の設定に「永年」がありません");
}

TEST_F(ExcelBosatuConverterTest, UnknownNamesAndYearsFailWithTheirReason) {
    EXPECT_FALSE(convert(row("財政係")));
    EXPECT_EQ(note, "課・係「総務課・財政係」が課室局等の設定にありません");
    EXPECT_FALSE(convert(row("")));
    EXPECT_EQ(note, "課・係「総務課・」が課室局等の設定にありません");
    EXPECT_FALSE(convert(row("庶務係", "手当")));
    EXPECT_EQ(note, "簿冊分類「文書・例規・手当」が簿冊分類の設定にありません");
    EXPECT_FALSE(convert(row("庶務係", "")));
    CExcelBosatuData seven = row();
    seven.HozonNengen = OleSpan::fromYears(7);
    EXPECT_FALSE(convert(seven));
    EXPECT_EQ(note, "保存年限の設定に7年の保存種別がありません");
    // Another department's section, and another branch's class, are found.
    CExcelBosatuData other = row();
    writeFixedText(other.KaMei, "財政課");
    writeFixedText(other.KakariMei, "財政係");
    writeFixedText(other.DaiBunruiMei, "人事");
    writeFixedText(other.ChuuBunruiMei, "給与");
    writeFixedText(other.ShouBunruiMei, "手当");
    ASSERT_TRUE(convert(other)) << note;
    EXPECT_EQ(volume.kaBunruiCode(), "0020010000");
    EXPECT_EQ(volume.daiBunruiCode(), "11");
    EXPECT_EQ(volume.chuuBunruiCode(), "5");
    EXPECT_EQ(volume.shouBunruiCode(), "6");
}

TEST_F(ExcelBosatuConverterTest, OneConverterRemembersLookUpsAcrossRows) {
    ExcelBosatuConverter converter(department, classification, retention);
    ASSERT_TRUE(converter.Convert(row(), volume, note));
    EXPECT_FALSE(converter.Convert(row("財政係"), volume, note));
    ASSERT_TRUE(converter.Convert(row(), volume, note));
    EXPECT_EQ(volume.kaBunruiCode(), "0010010000");
    EXPECT_FALSE(converter.Convert(row("財政係"), volume, note));
}

}  // namespace
}  // namespace bunrako
