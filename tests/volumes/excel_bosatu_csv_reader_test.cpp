#include "volumes/excel_bosatu_csv_reader.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "common/cp932.h"
#include "common/ole_date_time.h"

namespace bunrako {
namespace {

constexpr const char* kHeader =
    "No,作成年度,課名,係名,大分類,中分類,小分類,タイトル,冊数,収納開始,収納終了,保存年限,"
    "満了年月,常用,目次,廃棄年月";
constexpr const char* kGoodEra = "1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有";
constexpr const char* kGoodWestern =
    "1,2020,総務課,庶務係,文書,例規,条例,予算書,2,2019,2020,5,2026.4,常用,有";

// A CSV of the header and the lines (UTF-8), CP932, CR LF.
std::string csv(std::initializer_list<std::string> lines) {
    std::string text = kHeader;
    for (const std::string& line : lines) text += "\r\n" + line;
    return utf8ToCp932(text + "\r\n");
}

OleDateTime date(int year, int month, int day) { return OleDateTime::fromDate(year, month, day); }

ExcelBosatuReadResult readEra(std::initializer_list<std::string> lines, int periodType = 0) {
    return ReadExcelBosatuCsv(csv(lines), 0, periodType);
}
ExcelBosatuReadResult readWestern(std::initializer_list<std::string> lines, int periodType = 0) {
    return ReadExcelBosatuCsv(csv(lines), 1, periodType);
}

// The note of a single rejected line.
std::string rejection(const ExcelBosatuReadResult& result) {
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(result.rejected, 1u);
    if (result.listed.size() != 1) return "(" + std::to_string(result.listed.size()) + " listed)";
    EXPECT_FALSE(result.listed[0].imported);
    return result.listed[0].note;
}

TEST(ExcelBosatuCsvReader, ReadsEveryCellOfAnEraLine) {
    const ExcelBosatuReadResult result = readEra({kGoodEra});
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_TRUE(result.listed.empty());
    const ExcelBosatuRow& row = result.rows[0];
    EXPECT_EQ(row.lineNumber, 2u);
    const CExcelBosatuData& data = row.data;
    EXPECT_EQ(data.SakuseiNendo, date(2020, 4, 1));
    EXPECT_EQ(readFixedText(data.KaMei), "総務課");
    EXPECT_EQ(readFixedText(data.KakariMei), "庶務係");
    EXPECT_EQ(readFixedText(data.DaiBunruiMei), "文書");
    EXPECT_EQ(readFixedText(data.ChuuBunruiMei), "例規");
    EXPECT_EQ(readFixedText(data.ShouBunruiMei), "条例");
    EXPECT_EQ(readFixedText(data.Title), "予算書");
    EXPECT_EQ(data.Sassuu, 2);
    EXPECT_EQ(data.ShuunouKaisiNendo, date(2019, 4, 1));
    EXPECT_EQ(data.ShuunouShuuryouNendo, date(2020, 4, 1));
    EXPECT_EQ(data.HozonNengen, OleSpan::fromDays(1830));
    EXPECT_EQ(data.ManryouNengetu, date(2026, 4, 1));
    EXPECT_EQ(data.Jouyou, 1);
    EXPECT_EQ(data.Mokuji, 1);
    // Fifteen fields: not disposed, the disposal month is the expiry month.
    EXPECT_EQ(data.Haiki, 0);
    EXPECT_EQ(data.HaikiNengetu, date(2026, 4, 1));
}

TEST(ExcelBosatuCsvReader, EraCellsTakeEitherCaseAndTheFiscalYearType) {
    const auto result =
        readEra({"1,r2,総務課,庶務係,文書,例規,条例,予算書,1,h30,H31,永,s64.1,常,無"}, 1);
    ASSERT_EQ(result.rows.size(), 1u) << (result.listed.empty() ? "" : result.listed[0].note);
    const CExcelBosatuData& data = result.rows[0].data;
    // Under July years the year R2 runs from 2019-07-01.
    EXPECT_EQ(data.SakuseiNendo, date(2019, 7, 1));
    EXPECT_EQ(data.ShuunouKaisiNendo, date(2017, 7, 1));
    EXPECT_EQ(data.ShuunouShuuryouNendo, date(2018, 7, 1));
    EXPECT_EQ(data.HozonNengen, OleSpan::fromDays(36234));
    EXPECT_EQ(data.ManryouNengetu, date(1989, 1, 1));
    EXPECT_EQ(data.Jouyou, 1);
    EXPECT_EQ(data.Mokuji, 0);
}

TEST(ExcelBosatuCsvReader, WesternCells) {
    const auto result = readWestern(
        {kGoodWestern,
         "2,2020,総務課,庶務係,文書,例規,条例,例規集,3,2020,2021,10,2031.12,書庫,,2032.1"},
        2);
    ASSERT_EQ(result.rows.size(), 2u);
    const CExcelBosatuData& first = result.rows[0].data;
    EXPECT_EQ(first.SakuseiNendo, date(2019, 10, 1));
    EXPECT_EQ(first.ManryouNengetu, date(2026, 4, 1));
    const CExcelBosatuData& second = result.rows[1].data;
    EXPECT_EQ(second.ShuunouShuuryouNendo, date(2020, 10, 1));
    EXPECT_EQ(second.HozonNengen, OleSpan::fromYears(10));
    EXPECT_EQ(second.Jouyou, 0);
    EXPECT_EQ(second.Haiki, 1);
    EXPECT_EQ(second.HaikiNengetu, date(2032, 1, 1));
    EXPECT_EQ(result.rows[1].lineNumber, 3u);
}

TEST(ExcelBosatuCsvReader, DisposalCellCountsOnlyWhenFilled) {
    const auto result = readEra({std::string(kGoodEra) + ",", std::string(kGoodEra) + ", ",
                                 std::string(kGoodEra) + ",R9.3"});
    ASSERT_EQ(result.rows.size(), 3u);
    EXPECT_EQ(result.rows[0].data.Haiki, 0);
    EXPECT_EQ(result.rows[1].data.Haiki, 0);
    EXPECT_EQ(result.rows[2].data.Haiki, 1);
    EXPECT_EQ(result.rows[2].data.HaikiNengetu, date(2027, 3, 1));
}

TEST(ExcelBosatuCsvReader, HeaderOnlyOrEmptyGivesNoRows) {
    for (const std::string& bytes :
         {std::string(), utf8ToCp932(kHeader), utf8ToCp932(std::string(kHeader) + "\r\n")}) {
        const auto result = ReadExcelBosatuCsv(bytes, 0, 0);
        EXPECT_TRUE(result.rows.empty());
        EXPECT_TRUE(result.listed.empty());
    }
    // The first line is skipped whatever it holds.
    EXPECT_TRUE(ReadExcelBosatuCsv(utf8ToCp932(kGoodEra), 0, 0).rows.empty());
}

TEST(ExcelBosatuCsvReader, BlankLinesAreSkippedSilently) {
    const auto result = readEra({"", ",,,,,,,,,,,,,,,", kGoodEra, " , ,", ""});
    EXPECT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0].lineNumber, 4u);
    EXPECT_TRUE(result.listed.empty());
}

TEST(ExcelBosatuCsvReader, AnyLineEndWorks) {
    const std::string line = utf8ToCp932(kGoodEra);
    const std::string header = utf8ToCp932(kHeader);
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        const auto result = ReadExcelBosatuCsv(header + end + line + end + line, 0, 0);
        ASSERT_EQ(result.rows.size(), 2u) << static_cast<int>(end[0]);
        EXPECT_EQ(result.rows[1].lineNumber, 3u);
    }
}

TEST(ExcelBosatuCsvReader, QuotedFieldsHoldCommasAndQuotes) {
    const auto result = readEra(
        {"1,\"R2\",総務課,庶務係,文書,例規,条例,\"会議録,第\"\"1\"\"集\",2,R1,R2,5,R8.4,常用,有"});
    ASSERT_EQ(result.rows.size(), 1u) << (result.listed.empty() ? "" : result.listed[0].note);
    EXPECT_EQ(readFixedText(result.rows[0].data.Title), "会議録,第\"1\"集");
}

TEST(ExcelBosatuCsvReader, CellsThatDoNotReadRejectTheLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"1,X2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有",
         "作成年度「X2」を年度として読めません（例：R2）"},
        {"1,2020,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有",
         "作成年度「2020」を年度として読めません（例：R2）"},
        {"1,R,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有",
         "作成年度「R」を年度として読めません（例：R2）"},
        {"1,R0,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有",
         "作成年度「R0」を年度として読めません（例：R2）"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,令和2,5,R8.4,常用,有",
         "収納終了年度「令和2」を年度として読めません（例：R2）"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8,常用,有",
         "満了年月「R8」を年月として読めません（例：R12.4）"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.13,常用,有",
         "満了年月「R8.13」を年月として読めません（例：R12.4）"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用,有,8.4",
         "廃棄年月「8.4」を年月として読めません（例：R12.4）"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,0,R1,R2,5,R8.4,常用,有",
         "冊数「0」は1～99の数ではありません"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,100,R1,R2,5,R8.4,常用,有",
         "冊数「100」は1～99の数ではありません"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,２,R1,R2,5,R8.4,常用,有",
         "冊数「２」は1～99の数ではありません"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,-1,R1,R2,5,R8.4,常用,有",
         "冊数「-1」は1～99の数ではありません"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,永年,R8.4,常用,有",
         "保存年限「永年」は「永」でも0～99の年数でもありません"},
        {"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,,R8.4,常用,有",
         "保存年限「」は「永」でも0～99の年数でもありません"},
    };
    for (const auto& [line, note] : cases) {
        EXPECT_EQ(rejection(readEra({line})), note) << line;
    }
    EXPECT_EQ(rejection(readWestern({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,2019,2020,5,"
                                     "2026.4,常用,有"})),
              "作成年度「R2」を年度として読めません（例：2020）");
    EXPECT_EQ(rejection(readWestern({"1,20,総務課,庶務係,文書,例規,条例,予算書,2,2019,2020,5,"
                                     "2026.4,常用,有"})),
              "作成年度「20」を年度として読めません（例：2020）");
    EXPECT_EQ(rejection(readWestern({"1,2020,総務課,庶務係,文書,例規,条例,予算書,2,2019,2020,5,"
                                     "26.4,常用,有"})),
              "満了年月「26.4」を年月として読めません（例：2030.4）");
}

TEST(ExcelBosatuCsvReader, LinesOfTheWrongShapeAreRejected) {
    EXPECT_EQ(rejection(readEra({"1,R2,総務課,庶務係,文書,例規,条例,予算書,2,R1,R2,5,R8.4,常用"})),
              "項目が14個しかありません（15個以上必要です）");
    EXPECT_EQ(rejection(readEra({std::string(kGoodEra) + ",,備考"})),
              "項目が17個あります（16個までです）");
    EXPECT_EQ(
        rejection(readEra({"1,R2,総務課,庶務係,文書,例規,条例,\"予算書,2,R1,R2,5,R8.4,常用,有"})),
        "「\"」で始まる項目が閉じていません");
    EXPECT_EQ(
        rejection(readEra({"1,R2,総務課,庶務係,文書,例規,条例,\"予算\"書,2,R1,R2,5,R8.4,常用,有"})),
        "「\"」で囲んだ項目の後ろに文字があります");
    // Empty columns after the last are taken.
    EXPECT_EQ(readEra({std::string(kGoodEra) + ",,,,"}).rows.size(), 1u);
}

TEST(ExcelBosatuCsvReader, BytesThatAreNotShiftJisRejectTheLineAndKeepIt) {
    const std::string good = utf8ToCp932(kGoodEra);
    const std::string utf8Line = kGoodEra;  // saved as UTF-8 by mistake
    const std::string broken = good.substr(0, 5) + "\x81" + "," + good.substr(5);
    const std::string withNul = good + std::string(1, '\0');
    const std::string bytes = utf8ToCp932(kHeader) + "\r\n" + good + "\r\n" + utf8Line + "\r\n" +
                              broken + "\r\n" + withNul + "\r\n" + good;
    const auto result = ReadExcelBosatuCsv(bytes, 0, 0);
    EXPECT_EQ(result.rows.size(), 2u);
    ASSERT_EQ(result.listed.size(), 3u);
    EXPECT_EQ(result.rejected, 3u);
    EXPECT_EQ(result.listed[0].line, utf8Line);
    EXPECT_EQ(result.listed[0].lineNumber, 3u);
    EXPECT_EQ(result.listed[1].line, broken);
    EXPECT_EQ(result.listed[2].line, withNul);
    for (const auto& listed : result.listed) {
        EXPECT_EQ(listed.note, "Shift-JISで表せない文字（または壊れた文字）があります");
    }
}

TEST(ExcelBosatuCsvReader, AFileSavedAsUtf8IsToldSo) {
    const std::string text = std::string("\xEF\xBB\xBF") + kHeader + "\r\n" + kGoodEra +
                             "\r\n,,,,,,,,,,,,,,\r\n1,R2,a,b,c,d,e,f,1,R1,R2,5,R8.4,,";
    const auto result = ReadExcelBosatuCsv(text, 0, 0);
    EXPECT_EQ(result.rows.size(), 1u);
    ASSERT_EQ(result.listed.size(), 1u);
    EXPECT_EQ(result.listed[0].line, kGoodEra);
    EXPECT_EQ(result.listed[0].note,
              "UTF-8で保存されたファイルです。Excelで「CSV（コンマ区切り）」として保存し直してくだ"
              "さい");
}

TEST(ExcelBosatuCsvReader, LongTextsAreCutAtACharacterBoundaryAndListed) {
    // 41 two-byte characters: the title keeps 36 of them (72 bytes).
    std::string title;
    for (int i = 0; i < 41; ++i) title += "題";
    // 21 bytes of a department: "A" and ten two-byte characters keep the A
    // and nine of them (19 bytes), never half a character.
    const std::string department = "A総務課総務課総務課総";
    const std::string line =
        "1,R2," + department + ",庶務係,文書,例規,条例," + title + ",2,R1,R2,5,R8.4,常用,有";
    const auto result = readEra({line});
    ASSERT_EQ(result.rows.size(), 1u);
    const CExcelBosatuData& data = result.rows[0].data;
    EXPECT_EQ(fixedBytes(data.Title).size(), 72u);
    EXPECT_EQ(readFixedText(data.Title), title.substr(0, 36 * 3));
    EXPECT_EQ(readFixedText(data.KaMei), "A総務課総務課総務課");
    EXPECT_EQ(data.KaMei[19], '\0');
    EXPECT_EQ(data.Sassuu, 2);
    ASSERT_EQ(result.listed.size(), 1u);
    EXPECT_TRUE(result.listed[0].imported);
    EXPECT_EQ(result.rejected, 0u);
    EXPECT_EQ(result.listed[0].line, utf8ToCp932(line));
    EXPECT_EQ(result.listed[0].note,
              "課名を20バイトに、タイトルを72バイトに切り詰めて取り込みました");
}

}  // namespace
}  // namespace bunrako
