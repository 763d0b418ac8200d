#include "volumes/excel_bosatu_form.h"

#include <gtest/gtest.h>

#include <string>

#include "common/file_io.h"
#include "support/import_masters.h"
#include "support/temp_folder.h"
#include "volumes/excel_bosatu_csv_reader.h"

namespace bunrako {
namespace {

namespace masters = testing::import_masters;

// The blank form's lines as CP932 bytes, spelt out here apart from the
// program's writer and converter.
constexpr const char* kHeader =
    "\x94\xD4\x8D\x86,\x8D\xEC\x90\xAC\x94N\x93x,\x89\xDB\x96\xBC,\x8CW\x96\xBC,\x91\xE5\x95\xAA"
    "\x97\xDE,\x92\x86\x95\xAA\x97\xDE,\x8F\xAC\x95\xAA\x97\xDE,\x83^\x83"
    "C\x83g\x83\x8B,\x8D\xFB\x90\x94,\x8E\xFB\x94[\x8AJ\x8En\x94N\x93x,\x8E\xFB\x94[\x8FI\x97\xB9"
    "\x94N\x93x,\x95\xDB\x91\xB6\x94N\x8C\xC0,\x96\x9E\x97\xB9\x94N\x8C\x8E,\x8F\xED\x97p,\x96\xDA"
    "\x8E\x9F,\x94p\x8A\xFC\x94N\x8C\x8E\r\n";
// ,総務課,庶務係,文書,例規,条例,記入例：この行は書き換えるか削除してください,1,
constexpr const char* kNamesAndTitle =
    ",\x91\x8D\x96\xB1\x89\xDB,\x8F\x8E\x96\xB1\x8CW,\x95\xB6\x8F\x91,\x97\xE1\x8BK,\x8F\xF0\x97"
    "\xE1,\x8BL\x93\xFC\x97\xE1\x81"
    "F\x82\xB1\x82\xCC\x8Ds\x82\xCD\x8F\x91\x82\xAB\x8A\xB7\x82\xA6\x82\xE9\x82\xA9\x8D\xED\x8F"
    "\x9C\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2,1,";
// ,書庫,有, and the empty disposal cell.
constexpr const char* kFlags = ",\x8F\x91\x8C\xC9,\x97L,\r\n";

struct BlankFormCase {
    const char* name;
    int calendarMode;
    // Fiscal 2026 and the expiry of a one-year volume: 2026-04-01 + 2 × 366
    // days lies in April 2028.
    const char* year;
    const char* expiry;
};

class BlankFormTest : public ::testing::TestWithParam<BlankFormCase> {
  protected:
    std::string bytes() const {
        const CSetteiKoumokuList department = masters::department();
        const CSetteiKoumokuList classification = masters::classification();
        const CSetteiKoumokuList retention = masters::retention();
        const VolumeChoices choices(department, classification, retention);
        return ExcelBosatuBlankFormBytes(
            GetParam().calendarMode, 0, OleDateTime::fromDate(2026, 12, 9),
            ExcelBosatuFormExample::FromChoices(choices, "総務課", "庶務係"));
    }
};

TEST_P(BlankFormTest, IsTheHeaderAndOneExampleOfTheOfficesOwnNames) {
    const std::string year = GetParam().year;
    const std::string expected = std::string(kHeader) + "1," + year + kNamesAndTitle + year + "," +
                                 year + ",1," + GetParam().expiry + kFlags;
    EXPECT_EQ(bytes(), expected);
}

TEST_P(BlankFormTest, ReadsBackAsOneVolumeWithoutErrors) {
    const ExcelBosatuReadResult read = ReadExcelBosatuCsv(bytes(), GetParam().calendarMode, 0);
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_TRUE(read.listed.empty());
    EXPECT_EQ(read.rows[0].data.SakuseiNendo, OleDateTime::fromDate(2026, 4, 1));
    EXPECT_EQ(read.rows[0].data.ManryouNengetu, OleDateTime::fromDate(2028, 4, 1));
}

INSTANTIATE_TEST_SUITE_P(CalendarModes, BlankFormTest,
                         ::testing::Values(BlankFormCase{"Era", 0, "R8", "R10.4"},
                                           BlankFormCase{"Western", 1, "2026", "2028.4"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ExcelBosatuFormTest, TheStepsRunInOrderAndStartOverWithANewPath) {
    ExcelBosatuForm form("/office/様式.xls");
    using Step = ExcelBosatuForm::Step;
    EXPECT_TRUE(form.canRun(Step::read));
    EXPECT_FALSE(form.canRun(Step::convert));
    form.stepDone(Step::read, true, 0);
    EXPECT_FALSE(form.canRun(Step::convert));  // nothing read
    form.stepDone(Step::read, true, 3);
    EXPECT_TRUE(form.canRun(Step::convert));
    EXPECT_FALSE(form.canRun(Step::store));
    form.stepDone(Step::convert, true, 2);
    EXPECT_TRUE(form.canRun(Step::store));
    form.stepDone(Step::store, true, 2);
    EXPECT_FALSE(form.canRun(Step::store));  // stored once
    form.stepDone(Step::convert, true, 2);
    form.setPath("/office/別.xls");
    EXPECT_FALSE(form.canRun(Step::convert));
    EXPECT_FALSE(form.canRun(Step::store));
}

TEST(ExcelBosatuFormTest, ReadsAChosenCsvItselfAndTheStandardCsvBesideAWorkbook) {
    EXPECT_EQ(ExcelBosatuForm("/office/入力.CSV").csvPath(), pathFromUtf8("/office/入力.CSV"));
    for (const char* workbook : {"/office/様式.xls", "/office/様式.xlsx", "/office/様式.ods"}) {
        EXPECT_EQ(ExcelBosatuForm(workbook).csvPath(),
                  pathFromUtf8("/office/文書整理一覧表一括入力用標準様式.csv"));
    }
}

TEST(ExcelBosatuFormTest, ReadingNeedsAPathAndItsCsv) {
    testing::TempFolder folder;
    const std::string workbook = pathToUtf8(folder / "様式.ods");
    EXPECT_TRUE(ExcelBosatuForm("").validateRead());
    EXPECT_TRUE(ExcelBosatuForm("").validateOpen());
    const ExcelBosatuForm form(workbook);
    EXPECT_TRUE(form.validateRead());
    EXPECT_TRUE(form.validateOpen());
    testing::writeBytes(form.csvPath(), kHeader);
    testing::writeBytes(folder / "様式.ods", "");
    EXPECT_FALSE(form.validateRead());
    EXPECT_FALSE(form.validateOpen());
}

}  // namespace
}  // namespace bunrako
