#include "catalogue/sakuin_mokuroku_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/my_tool.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using namespace testing;
namespace fs = std::filesystem;

const CalendarMode kEra{false, 0};
const CalendarMode kWestern{true, 0};

std::string sjis(const std::string& utf8) { return utf8ToCp932(utf8); }

CSakuinMokurokuHeader makeHeader() {
    CSakuinMokurokuHeader h{};
    h.fiscalYear = OleDateTime::fromDate(2008, 4, 1);
    h.storageStartYear = OleDateTime::fromDate(2008, 4, 1);
    h.storageEndYear = OleDateTime::fromDate(2009, 4, 1);
    writeFixedText(h.departmentName, "総務課");
    writeFixedText(h.sectionName, "庶務係");
    writeFixedText(h.majorClassCode, "01");
    writeFixedText(h.middleClassCode, "02");
    writeFixedText(h.minorClassCode, "03");
    writeFixedText(h.volumeTitle, "会議録");
    writeFixedText(h.retentionText, "１０年");
    h.bookCount = 2;
    return h;
}

CSakuinMokurokuList makeEntry(int year, int month, int day, const std::string& number,
                              const std::string& subject, const std::string& remarks) {
    CSakuinMokurokuList e{};
    e.receivedDate = OleDateTime::fromDate(year, month, day);
    e.setDocumentNumberText(number);
    e.setSubjectText(subject);
    e.setRemarksText(remarks);
    return e;
}

// The head cells every batch line repeats after its first cell.
const std::string kEraHead = ",平成20年度,平成21年度,１０年,01-02-03,総務課,庶務係,,会議録";
const std::string kWesternHead = ",2008年度,2009年度,１０年,01-02-03,総務課,庶務係,,会議録";

std::string emptyGroups(int count) {
    std::string groups;
    for (int i = 0; i < count; ++i) groups += ",,,,";
    return groups;
}

TEST(SakuinMokurokuCsvTest, OneCatalogueInEraYears) {
    const std::vector<CSakuinMokurokuList> entries = {
        makeEntry(2008, 4, 1, "12", "会議の開催について", "備考"),
        makeEntry(2009, 3, 31, "123456", "予算,決算", ""),
    };
    const std::string expected = sjis(
        "索引目録,平成20年度,平成21年度,１０年,01-02-03,総務課,庶務係,,会議録,2,平成20年\r\n"
        "H20.4.1,     12,会議の開催について,備考\r\n"
        "H21.3.31, 123456,予算,決算,\r\n");
    EXPECT_EQ(SakuinMokurokuCsvBytes(makeHeader(), entries, kEra), expected);
}

TEST(SakuinMokurokuCsvTest, WesternYearsReadLikeEraYearsAndTheDateIsOneCell) {
    const std::vector<CSakuinMokurokuList> entries = {
        makeEntry(2008, 4, 1, "12", "会議の開催について", "備考"),
    };
    const std::string expected = sjis(
        "索引目録,2008年度,2009年度,１０年,01-02-03,総務課,庶務係,,会議録,2,2008年\r\n"
        "08.04.01,     12,会議の開催について,備考\r\n");
    EXPECT_EQ(SakuinMokurokuCsvBytes(makeHeader(), entries, kWestern), expected);
}

TEST(SakuinMokurokuCsvTest, FiscalYear2009InWesternYears) {
    CSakuinMokurokuHeader h = makeHeader();
    h.fiscalYear = OleDateTime::fromDate(2010, 3, 31);  // still fiscal 2009
    h.storageStartYear = h.fiscalYear;
    h.storageEndYear = OleDateTime::fromDate(2009, 4, 1);
    const std::string bytes = SakuinMokurokuCsvBytes(h, {}, kWestern);
    EXPECT_EQ(bytes, sjis("索引目録,2009年度,2009年度,１０年,01-02-03,総務課,庶務係,,会議録,2,"
                          "2009年\r\n"));
}

// A date in November and one in February name different years under each
// management period type.
struct PeriodCase {
    int periodType;
    const char* startYear;  // of 2009-02-01
    const char* year;       // of 2008-11-01
    const char* westernStart;
    const char* westernYear;
};

class SakuinMokurokuPeriodTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(SakuinMokurokuPeriodTest, YearsFollowTheManagementPeriod) {
    const PeriodCase& c = GetParam();
    CSakuinMokurokuHeader h = makeHeader();
    h.storageStartYear = OleDateTime::fromDate(2009, 2, 1);
    h.storageEndYear = OleDateTime::fromDate(2009, 2, 1);
    h.fiscalYear = OleDateTime::fromDate(2008, 11, 1);
    const std::string tail = ",１０年,01-02-03,総務課,庶務係,,会議録,2,";
    EXPECT_EQ(SakuinMokurokuCsvBytes(h, {}, {false, c.periodType}),
              sjis(std::string("索引目録,") + c.startYear + "度," + c.startYear + "度" + tail +
                   c.year + "\r\n"));
    EXPECT_EQ(SakuinMokurokuCsvBytes(h, {}, {true, c.periodType}),
              sjis(std::string("索引目録,") + c.westernStart + "度," + c.westernStart + "度" +
                   tail + c.westernYear + "\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, SakuinMokurokuPeriodTest,
    ::testing::Values(PeriodCase{0, "平成20年", "平成20年", "2008年", "2008年"},
                      PeriodCase{1, "平成21年", "平成21年", "2009年", "2009年"},
                      PeriodCase{2, "平成21年", "平成21年", "2009年", "2009年"},
                      PeriodCase{3, "平成21年", "平成20年", "2009年", "2008年"}));

TEST(SakuinMokurokuCsvTest, EraDatesAcrossTheEraChange) {
    const std::vector<CSakuinMokurokuList> entries = {
        makeEntry(2019, 4, 30, "1", "平成最後", ""),
        makeEntry(2019, 5, 1, "2", "令和最初", ""),
    };
    const std::string bytes = SakuinMokurokuCsvBytes(makeHeader(), entries, kEra);
    EXPECT_NE(bytes.find(sjis("\r\nH31.4.30,      1,平成最後,\r\nR1.5.1,      2,令和最初,\r\n")),
              std::string::npos);
}

TEST(SakuinIkkatuCsvTest, TwentyThreeEntriesMakeTwoLines) {
    std::vector<CSakuinMokurokuList> entries;
    std::vector<std::string> groups;
    for (int i = 1; i <= 23; ++i) {
        entries.push_back(makeEntry(2008, 5, i, std::to_string(i), "件名" + std::to_string(i),
                                    "備考" + std::to_string(i)));
        const std::string number = std::to_string(i);
        groups.push_back(",H20.5." + number + "," + std::string(7 - number.size(), ' ') + number +
                         ",件名" + number + ",備考" + number);
    }
    std::string first = "索引目録" + kEraHead;
    for (int i = 0; i < 22; ++i) first += groups[static_cast<size_t>(i)];
    const std::string second = kEraHead + groups[22] + emptyGroups(21);
    EXPECT_EQ(SakuinIkkatuCatalogueBytes(makeHeader(), entries, kEra),
              sjis(first + "\r\n" + second + "\r\n"));
}

TEST(SakuinIkkatuCsvTest, TwentyTwoEntriesFillOneLineAndNoneStillGiveOne) {
    std::vector<CSakuinMokurokuList> entries(22, makeEntry(2008, 5, 1, "7", "件", ""));
    std::string full = "索引目録" + kWesternHead;
    for (int i = 0; i < 22; ++i) full += ",08.05.01,      7,件,";
    EXPECT_EQ(SakuinIkkatuCatalogueBytes(makeHeader(), entries, kWestern), sjis(full + "\r\n"));

    EXPECT_EQ(SakuinIkkatuCatalogueBytes(makeHeader(), {}, kWestern),
              sjis("索引目録" + kWesternHead + emptyGroups(22) + "\r\n"));
}

TEST(SakuinIkkatuCsvTest, WordHeaderRowNamesEveryColumn) {
    const std::string expected = sjis(
        "帳票名,開始,終了,保存,分類,課名,係名,氏名,タイトル,受付1,番号1,文書1,備考1,受付2,番号2,"
        "文書2,備考2,受付3,番号3,文書3,備考3,受付4,番号4,文書4,備考4,受付5,番号5,文書5,備考5,"
        "受付6,番号6,文書6,備考6,受付7,番号7,文書7,備考7,受付8,番号8,文書8,備考8,受付9,番号9,"
        "文書9,備考9,受付10,番号10,文書10,備考10,受付11,番号11,文書11,備考11,受付12,番号12,"
        "文書12,備考12,受付13,番号13,文書13,備考13,受付14,番号14,文書14,備考14,受付15,番号15,"
        "文書15,備考15,受付16,番号16,文書16,備考16,受付17,番号17,文書17,備考17,受付18,番号18,"
        "文書18,備考18,受付19,番号19,文書19,備考19,受付20,番号20,文書20,備考20,受付21,番号21,"
        "文書21,備考21,受付22,番号22,文書22,備考22\r\n");
    EXPECT_EQ(SakuinIkkatuWordHeaderBytes(), expected);
}

class SakuinCsvFilesTest : public ::testing::Test {
  protected:
    std::string emptyCatalogueLine() const {
        return sjis("索引目録" + kEraHead + emptyGroups(22) + "\r\n");
    }
    std::string oneEntryLine(const std::string& subject) const {
        return sjis("索引目録" + kEraHead + ",H20.5.1,      1," + subject + "," + emptyGroups(21) +
                    "\r\n");
    }
    std::vector<CSakuinMokurokuList> one(const std::string& subject) const {
        return {makeEntry(2008, 5, 1, "1", subject, "")};
    }

    TempFolder folder;
    CSakuinMokurokuHeader header = makeHeader();
};

TEST_F(SakuinCsvFilesTest, TheFirstCatalogueStartsTheBatchFilesAndTheOthersAppend) {
    writeBytes(folder / "SakuinIkkatu.csv", "old batch");
    writeBytes(folder / "SakuinIkkatuWord.csv", "old batch");
    EXPECT_EQ(WriteSakuinIkkatuCsv(header, {}, 0, folder.path(), kEra), 1);
    EXPECT_EQ(WriteSakuinIkkatuWordCsv(header, {}, 0, folder.path(), kEra), 1);
    EXPECT_EQ(WriteSakuinIkkatuCsv(header, one("甲"), 1, folder.path(), kEra), 1);
    EXPECT_EQ(WriteSakuinIkkatuWordCsv(header, one("甲"), 1, folder.path(), kEra), 1);
    EXPECT_EQ(WriteSakuinIkkatuCsv(header, one("乙"), 2, folder.path(), kEra), 1);
    EXPECT_EQ(WriteSakuinIkkatuWordCsv(header, one("乙"), 2, folder.path(), kEra), 1);

    const std::string lines = emptyCatalogueLine() + oneEntryLine("甲") + oneEntryLine("乙");
    EXPECT_EQ(readBytes(folder / "SakuinIkkatu.csv"), lines);
    EXPECT_EQ(readBytes(folder / "SakuinIkkatuWord.csv"), SakuinIkkatuWordHeaderBytes() + lines);
}

TEST_F(SakuinCsvFilesTest, ALaterCatalogueWithoutTheFileStartsIt) {
    EXPECT_EQ(WriteSakuinIkkatuWordCsv(header, one("甲"), 3, folder.path(), kEra), 1);
    EXPECT_EQ(readBytes(folder / "SakuinIkkatuWord.csv"), oneEntryLine("甲"));
}

TEST_F(SakuinCsvFilesTest, TheCatalogueFileIsAlwaysNew) {
    writeBytes(folder / "SakuinMokuroku.csv", std::string(5000, 'x'));
    EXPECT_EQ(WriteSakuinMokurokuCsv(header, one("甲"), folder.path(), kEra), 1);
    EXPECT_EQ(readBytes(folder / "SakuinMokuroku.csv"),
              sjis("索引目録" + kEraHead + ",2,平成20年\r\nH20.5.1,      1,甲,\r\n"));
}

TEST_F(SakuinCsvFilesTest, AFileThatWillNotOpenGivesZeroAndKeepsWhatWasThere) {
    const fs::path gone = folder / "gone";
    FileErrorCause cause = FileErrorCause::none;
    EXPECT_EQ(WriteSakuinMokurokuCsv(header, {}, gone, kEra, &cause), 0);
    EXPECT_EQ(cause, FileErrorCause::fileNotFound);
    EXPECT_EQ(WriteSakuinIkkatuCsv(header, {}, 0, gone, kEra), 0);
    EXPECT_EQ(WriteSakuinIkkatuWordCsv(header, {}, 1, gone, kEra), 0);
    EXPECT_FALSE(fs::exists(gone));

    // A folder in the file's place: neither starting nor appending touches it.
    fs::create_directory(folder / "SakuinIkkatu.csv");
    EXPECT_EQ(WriteSakuinIkkatuCsv(header, {}, 0, folder.path(), kEra, &cause), 0);
    EXPECT_NE(cause, FileErrorCause::none);
    EXPECT_EQ(WriteSakuinIkkatuCsv(header, {}, 1, folder.path(), kEra), 0);
    EXPECT_TRUE(fs::is_directory(folder / "SakuinIkkatu.csv"));
}

TEST(SakuinCsvPathTest, AnEmptyFolderMeansTheProgramFolder) {
    EXPECT_EQ(SakuinCsvPath({}, "SakuinIkkatu.csv"),
              fs::u8path(CMyTool::GetProgramFolder()) / "SakuinIkkatu.csv");
    EXPECT_EQ(SakuinCsvPath("/data", "SakuinIkkatu.csv"), fs::path("/data/SakuinIkkatu.csv"));
}

}  // namespace
}  // namespace bunrako
