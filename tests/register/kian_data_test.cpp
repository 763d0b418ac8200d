#include "register/kian_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "common/cp932.h"
#include "common/my_tool.h"
#include "register/kessai_kubun_table.h"

namespace bunrako {
namespace {

std::string sjis(const std::string& utf8) { return utf8ToCp932(utf8); }

class KianDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFixedText(header.retentionText, "１０年");
        writeFixedText(header.majorClassCode, "01");
        writeFixedText(header.middleClassCode, "02");
        writeFixedText(header.minorClassCode, "03");
        writeFixedText(header.departmentName, "総務課");
        writeFixedText(header.sectionName, "庶務係");
        writeFixedText(header.volumeTitle, "会議録");
        entry.receivedDate = OleDateTime::fromDate(2020, 5, 1);
        entry.setDocumentNumberText("15");
        entry.setSubjectText("補助金の交付について");
        input.kessaiShubetsu = 1;
        input.era = 5;
        input.eraYear = 2;
        input.westernYear = 2020;
        input.month = 6;
        input.day = 3;
        input.shoku = "主事";
        input.simei = "山田太郎";
        input.aigi[0] = "総務課長";
        input.aigi[9] = "会計管理者";
    }
    std::string line(bool western) const {
        return KianData::Make(input, entry, header, approvers, western).CsvLine();
    }
    // Fields 28-30 and 32-35 of a line.
    static std::string tailOf(const std::string& cp932Line) {
        const std::string utf8 = cp932ToUtf8(cp932Line);
        size_t at = 0;
        for (int comma = 0; comma < 27; ++comma) at = utf8.find(',', at) + 1;
        return utf8.substr(at);
    }

    CSakuinMokurokuHeader header{};
    CSakuinMokurokuList entry{};
    KessaiKubunTable approvers;
    KianInput input;
};

TEST_F(KianDataTest, EraLineInColumnOrder) {
    EXPECT_EQ(line(false),
              sjis("15,１０年,01-02-03,      年  月  日,Ａ,令和2年5月1日,令和2年6月3日,"
                   "令和  年  月  日,総務課,庶務係,主事,山田太郎,補助金の交付について,"
                   "町長,副町長,教育長,課長,総務課長,,,,,,,,,会計管理者,,,,会議録,"
                   "町長,副町長,教育長,課長\r\n"));
}

TEST_F(KianDataTest, WesternLine) {
    EXPECT_EQ(line(true),
              sjis("15,１０年,01-02-03,      年  月  日,Ａ,2020年05月01日,2020年06月03日,"
                   "    年  月  日,総務課,庶務係,主事,山田太郎,補助金の交付について,"
                   "町長,副町長,教育長,課長,総務課長,,,,,,,,,会計管理者,,,,会議録,"
                   "町長,副町長,教育長,課長\r\n"));
}

TEST_F(KianDataTest, TheClassDelegatesAndShortensTheRoute) {
    // Class 0: nobody delegated, the whole route.
    EXPECT_EQ(tailOf(line(false)), ",,,会議録,町長,副町長,教育長,課長\r\n");
    input.kessaiKubun = 2;
    const KianData data = KianData::Make(input, entry, header, approvers, false);
    EXPECT_EQ(readFixedText(data.Kubun), "Ｂ");
    EXPECT_EQ(tailOf(data.CsvLine()), ",教育長委任,,会議録,,,教育長,課長\r\n");

    input.kessaiShubetsu = 0;
    input.kessaiKubun = 1;
    const KianData three = KianData::Make(input, entry, header, approvers, false);
    EXPECT_EQ(readFixedText(three.Kubun), "Ｂ");
    EXPECT_EQ(tailOf(three.CsvLine()), "副町長委任,,,会議録,,副町長,課長,\r\n");
}

TEST_F(KianDataTest, WithoutANumberTheReceptionDateIsLeftBlank) {
    entry.setDocumentNumberText("");
    const KianData era = KianData::Make(input, entry, header, approvers, false);
    EXPECT_EQ(readFixedText(era.Bangou), "");
    EXPECT_EQ(readFixedText(era.Shuuju), "令和  年  月  日");
    const KianData western = KianData::Make(input, entry, header, approvers, true);
    EXPECT_EQ(readFixedText(western.Shuuju), "    年  月  日");
    EXPECT_EQ(line(false).substr(0, 1), ",");
}

TEST_F(KianDataTest, BlankDatesNameTheEraOfTheDraftingDate) {
    input.era = 4;
    input.eraYear = 30;
    const KianData data = KianData::Make(input, entry, header, approvers, false);
    EXPECT_EQ(readFixedText(data.Kian), "平成30年6月3日");
    EXPECT_EQ(readFixedText(data.Kessai), "平成  年  月  日");
}

TEST_F(KianDataTest, LongValuesAreCutAtACharacterBoundary) {
    input.shoku = "あいうえおかきくけこさしすせそ";  // 30 bytes
    input.aigi[1] = "abcdefghijklmnopqrstuvwxyz";
    approvers.setName(1, 2, "教育長教育長教育長教");  // 20 bytes
    input.kessaiKubun = 2;
    const KianData data = KianData::Make(input, entry, header, approvers, false);
    EXPECT_EQ(readFixedText(data.Shoku), "あいうえおかきくけこさ");
    EXPECT_EQ(readFixedText(data.Aigi[1]), "abcdefghijklmnopqrstuv");
    EXPECT_EQ(readFixedText(data.Inin[1]), "教育長教育長教育長教委任");
}

TEST_F(KianDataTest, ACommaInTheSubjectMakesAnExtraColumn) {
    entry.setSubjectText("予算,決算");
    const std::string csv = line(false);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), ','), 35);
    const std::string headerRow = KianData::CsvHeaderLine();
    EXPECT_EQ(std::count(headerRow.begin(), headerRow.end(), ','), 34);
}

TEST(KianDataHeaderTest, HeaderRowOfTheWordFile) {
    EXPECT_EQ(KianData::CsvHeaderLine(),
              sjis("番号,保存,分類,発送,区分,収受,起案,決裁,課,係,職,氏名,件名,決裁者１,決裁者２,"
                   "決裁者３,決裁者４,合議１,合議２,合議３,合議４,合議５,合議６,合議７,合議８,"
                   "合議９,合議１０,委任１,委任２,委任３,タイトル,決裁者２１,決裁者２２,"
                   "決裁者２３,決裁者２４\r\n"));
}

TEST(KianInputTest, WhatTheDialogAccepts) {
    const CMyTool tool;
    KianInput input;
    input.SetDate(OleDateTime::fromDate(2019, 5, 1), tool);
    EXPECT_EQ(input.era, 5);
    EXPECT_EQ(input.eraYear, 1);
    EXPECT_EQ(input.westernYear, 2019);
    EXPECT_FALSE(input.IsValid(false, tool));  // no post, no name
    input.shoku = "主事";
    input.simei = "山田";
    EXPECT_TRUE(input.IsValid(false, tool));
    EXPECT_TRUE(input.IsValid(true, tool));

    KianInput noEra = input;
    noEra.era = 0;
    EXPECT_FALSE(noEra.IsValid(false, tool));
    EXPECT_TRUE(noEra.IsValid(true, tool));
    KianInput noDay = input;
    noDay.day = 0;
    EXPECT_FALSE(noDay.IsValid(false, tool));
    KianInput fourthClass = input;
    fourthClass.kessaiKubun = 3;
    EXPECT_FALSE(fourthClass.IsValid(false, tool));  // type 0 has three levels
    fourthClass.kessaiShubetsu = 1;
    EXPECT_TRUE(fourthClass.IsValid(false, tool));
}

}  // namespace
}  // namespace bunrako
