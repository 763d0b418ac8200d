#include "volumes/doc_master_csv.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/cp932.h"
#include "common/ole_date_time.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
namespace vb = testing::volume_bytes;
using testing::readBytes;

double day(int year, int month, int dayOfMonth) {
    return static_cast<double>(daysFromCivil(year, month, dayOfMonth));
}

CDocMasterData recordOf(const vb::Record& record) {
    CDocMasterData volume;
    std::memcpy(&volume, record.bytes().data(), sizeof volume);
    return volume;
}

// 総務課/庶務係, 文書/例規/条例 (codes 1, 2, 3), 予算書, created 2020-04-01,
// one book, 5 years ("5年"), expiry in April 2026, with contents.
vb::Record fiveYearVolume() {
    return vb::volume("502001001 1 2 3000100", vb::kYosansho, vb::kApril2020)
        .text(vb::kRetentionNameAt, utf8ToCp932("5年"));
}

// A permanent volume, not disposed, in daily use, without contents: the next
// review in April 2030 (10 years), the previous one in April 2020 (5 years)
// and no review before that.
vb::Record permanentVolume() {
    return vb::volume("502001001 1 2 3000200", vb::kJinji, vb::kApril2020)
        .text(vb::kRetentionNameAt, utf8ToCp932("永年"))
        .value(vb::kRetentionAt, 36234)
        .int32(vb::kDailyUseAt, 1)
        .int32(vb::kContentsAt, 0)
        .value(vb::kReview1DateAt, day(2030, 4, 1))
        .value(vb::kReview1SpanAt, 3660)
        .int32(vb::kReview2At, 1)
        .value(vb::kReview2DateAt, day(2020, 4, 1))
        .value(vb::kReview2SpanAt, 1830)
        .int32(vb::kReview3At, 0)
        .value(vb::kReview3DateAt, day(2010, 4, 1))
        .value(vb::kReview3SpanAt, 3660);
}

std::string line(const CDocMasterData& volume, bool western, int periodType) {
    return DocMasterCsvLine(volume, CsvDateTexts(western, periodType));
}

std::string cp(const char* utf8) { return utf8ToCp932(utf8); }

TEST(DocMasterCsvLine, EraYearsAndMonthsOfAFiveYearVolume) {
    EXPECT_EQ(line(recordOf(fiveYearVolume()), false, 0),
              cp("502001001 1 2 3000100,令和2年度,R2,総務課,庶務係,0010010000,1-2-3,1･2･3,"
                 "文書,例規,条例,予算書,1,令和2年度,R2,令和2年度,R2,5年,5年,5,令和8年4月,R8.4,"
                 "書庫,,目次有,有,,,,,0年,0,,,0年,0,,,0年,0\r\n"));
}

TEST(DocMasterCsvLine, WesternYearsKeepTwoDigitsInTheShortTexts) {
    // A volume of fiscal year 2009 shows 2009年度 and 09.
    const auto volume = recordOf(fiveYearVolume()
                                     .value(vb::kCreatedAt, day(2009, 4, 1))
                                     .value(vb::kFiledFromAt, day(2008, 4, 1))
                                     .value(vb::kExpiryAt, day(2015, 4, 1)));
    EXPECT_EQ(line(volume, true, 0),
              cp("502001001 1 2 3000100,2009年度,09,総務課,庶務係,0010010000,1-2-3,1･2･3,"
                 "文書,例規,条例,予算書,1,2008年度,08,2020年度,20,5年,5年,5,2015年4月,15.4,"
                 "書庫,,目次有,有,,,,,0年,0,,,0年,0,,,0年,0\r\n"));
}

// The permanent volume of the worked example: the next and the previous
// review are shown, the review before is empty and its years are 0.
TEST(DocMasterCsvLine, PermanentVolumeShowsItsScheduledAndPreviousReview) {
    EXPECT_EQ(line(recordOf(permanentVolume()), false, 0),
              cp("502001001 1 2 3000200,令和2年度,R2,総務課,庶務係,0010010000,1-2-3,1･2･3,"
                 "文書,例規,条例,人事,1,令和2年度,R2,令和2年度,R2,永年,99年,99,令和8年4月,"
                 "R8.4,常用,常,目次無,,,,令和12年4月,R12.4,10年,10,令和2年4月,R2.4,5年,5,,,"
                 "0年,0\r\n"));
    EXPECT_EQ(line(recordOf(permanentVolume()), true, 0),
              cp("502001001 1 2 3000200,2020年度,20,総務課,庶務係,0010010000,1-2-3,1･2･3,"
                 "文書,例規,条例,人事,1,2020年度,20,2020年度,20,永年,99年,99,2026年4月,"
                 "26.4,常用,常,目次無,,,,2030年4月,30.4,10年,10,2020年4月,20.4,5年,5,,,"
                 "0年,0\r\n"));
}

TEST(DocMasterCsvLine, ReviewBeforePreviousNeedsBothFlags) {
    auto volume = recordOf(permanentVolume().int32(vb::kReview3At, 1));
    EXPECT_NE(
        line(volume, false, 0).find(cp(",令和2年4月,R2.4,5年,5,平成22年4月,H22.4,10年,10\r\n")),
        std::string::npos);
    // Without the previous review, neither later slot is shown.
    volume.Minaosi2 = 0;
    EXPECT_NE(line(volume, false, 0).find(cp(",令和12年4月,R12.4,10年,10,,,0年,0,,,0年,0\r\n")),
              std::string::npos);
}

TEST(DocMasterCsvLine, DisposedVolumeShowsItsDisposalMonthAndNoReviews) {
    const auto volume = recordOf(
        permanentVolume().int32(vb::kDisposedAt, 1).value(vb::kDisposalAt, day(2019, 5, 1)));
    EXPECT_NE(line(volume, false, 0)
                  .find(cp(",常用,常,目次無,,令和1年5月,R1.5,,,0年,0,,,0年,0,,,0年,0\r\n")),
              std::string::npos);
}

TEST(DocMasterCsvLine, FiscalYearsFollowThePeriodType) {
    // Under July years, 2020-07-01 starts the fiscal year labelled 2021.
    const auto volume = recordOf(fiveYearVolume()
                                     .value(vb::kCreatedAt, day(2020, 7, 1))
                                     .value(vb::kFiledFromAt, day(2020, 6, 30))
                                     .value(vb::kFiledToAt, day(2020, 10, 1)));
    EXPECT_EQ(line(volume, false, 1).rfind(cp("502001001 1 2 3000100,令和3年度,R3,総務課,"), 0),
              0u);
    EXPECT_NE(line(volume, false, 1).find(cp(",予算書,1,令和2年度,R2,令和3年度,R3,")),
              std::string::npos);
    EXPECT_NE(line(volume, true, 2).find(cp(",2020年度,20,総務課,")), std::string::npos);
    EXPECT_NE(line(volume, true, 2).find(cp(",予算書,1,2020年度,20,2021年度,21,")),
              std::string::npos);
    EXPECT_NE(line(volume, true, 3).find(cp(",予算書,1,2020年度,20,2020年度,20,")),
              std::string::npos);
}

TEST(DocMasterCsvLine, DatesWithoutAnEraOrValidityGiveEmptyTexts) {
    const auto volume = recordOf(fiveYearVolume()
                                     .value(vb::kCreatedAt, 0, 1)
                                     .value(vb::kFiledFromAt, day(1868, 4, 1))
                                     .value(vb::kExpiryAt, 0, 2));
    EXPECT_NE(line(volume, false, 0).find(cp("3000100,,,総務課,")), std::string::npos);
    EXPECT_NE(line(volume, false, 0).find(cp(",予算書,1,,,令和2年度,R2,5年,5年,5,,,書庫,")),
              std::string::npos);
    // Western years need no era.
    EXPECT_NE(line(volume, true, 0).find(cp(",予算書,1,1868年度,68,2020年度,20,")),
              std::string::npos);
}

// Texts that fill their fields to the last byte (no terminator) are written
// whole, however long the line gets.
TEST(DocMasterCsvLine, FullWidthTextsAreWrittenWhole) {
    vb::Record record = fiveYearVolume();
    record.text(vb::kNumberAt, std::string(22, 'N'))
        .text(vb::kTitleAt, std::string(73, 'T'))
        .text(vb::kRetentionNameAt, std::string(21, 'R'));
    const std::string text = line(recordOf(record), false, 0);
    EXPECT_EQ(text.substr(0, 23), std::string(22, 'N') + ",");
    EXPECT_NE(text.find("," + std::string(73, 'T') + ",1,"), std::string::npos);
    EXPECT_NE(text.find("," + std::string(21, 'R') + ",5"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

class VolumeCsvFilesTest : public ::testing::Test {
  protected:
    testing::TempFolder folder;
    testing::FakePrompt prompt;
    std::vector<CDocMasterData> volumes = {recordOf(fiveYearVolume()), recordOf(permanentVolume())};
};

TEST_F(VolumeCsvFilesTest, WordFileIsTheHeaderAndTheSameLines) {
    ASSERT_EQ(WriteVolumeCsvFiles(prompt, folder.path(), volumes, 0, 0), VolumeCsvResult::written);
    const std::string lines = line(volumes[0], false, 0) + line(volumes[1], false, 0);
    EXPECT_EQ(readBytes(folder / "DocMaster.csv"), lines);
    EXPECT_EQ(readBytes(folder / "DocMasterWord.csv"),
              cp("管理番号,年度,年R,課名,係名,課分類ｺｰﾄﾞ,分類コド,分類ｺｰﾄﾞ,大名称,中名称,小名称,"
                 "タイトル,冊,開始年度,開R,終了年度,終R,保年分,保年限,保年,満了年月,満R,常用,"
                 "常用R,目次,目R,廃棄年月,廃R,見直年１,直1R,見限１,限1R,見直年２,直2R,見限２,"
                 "限2R,見直年３,直3R,見限３,限3R\r\n") +
                  lines);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(VolumeCsvFilesTest, ReplacesOldFilesWhole) {
    testing::writeBytes(folder / "DocMaster.csv", std::string(5000, 'x'));
    ASSERT_EQ(WriteVolumeCsvFiles(prompt, folder.path(), {volumes.data(), 1}, 1, 0),
              VolumeCsvResult::written);
    EXPECT_EQ(readBytes(folder / "DocMaster.csv"), line(volumes[0], true, 0));
}

TEST_F(VolumeCsvFilesTest, AFileThatCannotBeWrittenIsReportedAndStops) {
    EXPECT_EQ(WriteVolumeCsvFiles(prompt, folder / "gone", volumes, 0, 0),
              VolumeCsvResult::taroFileFailed);
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_NE(prompt.messages[0].text.find("DocMaster.csv:Open\n:"), std::string::npos);
    EXPECT_EQ(prompt.messages[1].text, "一太郎用データ作成に失敗しました");
    EXPECT_EQ(prompt.messages[1].icon, MessageIcon::error);
    EXPECT_FALSE(fs::exists(folder / "gone" / "DocMasterWord.csv"));

    // The Word file held open by another program: the first file stays.
    prompt.messages.clear();
    fs::create_directory(folder / "DocMasterWord.csv");
    EXPECT_EQ(WriteVolumeCsvFiles(prompt, folder.path(), volumes, 0, 0),
              VolumeCsvResult::wordFileFailed);
    EXPECT_EQ(prompt.lastMessage(), "Word用データ作成に失敗しました");
    EXPECT_EQ(readBytes(folder / "DocMaster.csv"),
              line(volumes[0], false, 0) + line(volumes[1], false, 0));
}

}  // namespace
}  // namespace bunrako
