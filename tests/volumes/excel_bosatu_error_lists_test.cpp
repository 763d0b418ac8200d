#include "volumes/excel_bosatu_error_lists.h"

#include <gtest/gtest.h>

#include "common/cp932.h"

namespace bunrako {
namespace {

OleDateTime date(int year, int month, int day) { return OleDateTime::fromDate(year, month, day); }
std::string cp(const std::string& utf8) { return utf8ToCp932(utf8); }

TEST(ReadErrorList, SaysSoWhenNothingWasListed) {
    EXPECT_EQ(ReadErrorListBytes({}),
              cp("=== CSVファイルからの読み込みでのエラーはありません ===\r\n"));
}

TEST(ReadErrorList, ListsEachLineAsReadWithItsReason) {
    const std::string bad = "1,X2,\x91\x8d\x96\xb1\x89\xdb";  // 1,X2,総務課
    const std::string broken = "1,R2,\x81";
    const std::vector<ExcelBosatuListedLine> listed = {
        {3, bad, "作成年度「X2」を年度として読めません（例：R2）", false},
        {5, broken, "Shift-JISで表せない文字（または壊れた文字）があります", false},
        {7, "1,R2", "タイトルを72バイトに切り詰めて取り込みました", true},
    };
    EXPECT_EQ(ReadErrorListBytes(listed),
              cp("=== CSVファイルからの読み込みでエラーが生じた項目のリスト ===\r\n") + bad +
                  "\r\n" +
                  cp("　→ 3行目：作成年度「X2」を年度として読めません（例：R2）。"
                     "取り込みませんでした\r\n") +
                  broken + "\r\n" +
                  cp("　→ 5行目：Shift-JISで表せない文字（または壊れた文字）があります。"
                     "取り込みませんでした\r\n"
                     "1,R2\r\n"
                     "　→ 7行目：タイトルを72バイトに切り詰めて取り込みました\r\n"));
}

ExcelBosatuFailedRow failedRow() {
    ExcelBosatuFailedRow failed;
    failed.row.lineNumber = 3;
    CExcelBosatuData& data = failed.row.data;
    data.SakuseiNendo = date(2020, 4, 1);
    writeFixedText(data.KaMei, "総務課");
    writeFixedText(data.KakariMei, "財政係");
    writeFixedText(data.DaiBunruiMei, "文書");
    writeFixedText(data.ChuuBunruiMei, "例規");
    writeFixedText(data.ShouBunruiMei, "条例");
    writeFixedText(data.Title, "予算書");
    data.Sassuu = 2;
    data.ShuunouKaisiNendo = date(2019, 4, 1);
    data.ShuunouShuuryouNendo = date(2020, 4, 1);
    data.HozonNengen = OleSpan::fromYears(5);
    data.ManryouNengetu = date(2026, 4, 1);
    data.Jouyou = 1;
    data.Mokuji = 1;
    data.HaikiNengetu = data.ManryouNengetu;
    failed.note = "課・係「総務課・財政係」が課室局等の設定にありません";
    return failed;
}

ExcelBosatuFailedRow disposedPermanentRow() {
    ExcelBosatuFailedRow failed = failedRow();
    failed.row.lineNumber = 4;
    failed.row.data.HozonNengen = OleSpan::fromDays(36234);
    failed.row.data.Jouyou = 0;
    failed.row.data.Mokuji = 0;
    failed.row.data.Haiki = 1;
    failed.row.data.HaikiNengetu = date(2027, 3, 1);
    failed.note = "保存年限の設定に「永年」がありません";
    return failed;
}

TEST(ConvertErrorList, SaysSoWhenEveryRowConverted) {
    EXPECT_EQ(ConvertErrorListBytes({}, 0, 0), cp("=== データ変換でのエラーはありません ===\r\n"));
    EXPECT_EQ(ConvertErrorListBytes({}, 1, 2), cp("=== データ変換でのエラーはありません ===\r\n"));
}

// Fiscal year 2019 began on 2019-04-01, still 平成31: it shows as H31 as
// everywhere in the program, however the CSV named it.
TEST(ConvertErrorList, EraRowsAsTheirCells) {
    EXPECT_EQ(ConvertErrorListBytes({failedRow(), disposedPermanentRow()}, 0, 0),
              cp("=== データ変換でエラーが生じた項目のリスト ===\r\n"
                 "R2,総務課,財政係,文書,例規,条例,予算書,2,H31,R2,5,R8.4,常用,目次有,,"
                 "3行目：課・係「総務課・財政係」が課室局等の設定にありません\r\n"
                 "R2,総務課,財政係,文書,例規,条例,予算書,2,H31,R2,99,R8.4,書庫,目次無,R9.3,"
                 "4行目：保存年限の設定に「永年」がありません\r\n"));
}

TEST(ConvertErrorList, WesternRowsAsYearsAndYearMonths) {
    EXPECT_EQ(ConvertErrorListBytes({failedRow(), disposedPermanentRow()}, 1, 0),
              cp("=== データ変換でエラーが生じた項目のリスト ===\r\n"
                 "2020,総務課,財政係,文書,例規,条例,予算書,2,2019,2020,5,2026.4,常用,目次有,,"
                 "3行目：課・係「総務課・財政係」が課室局等の設定にありません\r\n"
                 "2020,総務課,財政係,文書,例規,条例,予算書,2,2019,2020,99,2026.4,書庫,目次無,"
                 "2027.3,4行目：保存年限の設定に「永年」がありません\r\n"));
}

TEST(ConvertErrorList, YearsAreTheFiscalLabels) {
    // Under July years the year starting 2019-07-01 is called 2020 (R2).
    ExcelBosatuFailedRow failed = failedRow();
    failed.row.data.SakuseiNendo = date(2019, 7, 1);
    const std::string era = ConvertErrorListBytes({failed}, 0, 1);
    EXPECT_NE(era.find(cp("\r\nR2,総務課,")), std::string::npos);
    const std::string western = ConvertErrorListBytes({failed}, 1, 1);
    EXPECT_NE(western.find(cp("\r\n2020,総務課,")), std::string::npos);
}

}  // namespace
}  // namespace bunrako
