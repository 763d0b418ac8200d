#include "volumes/management_number.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/my_tool.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

CDocMasterData classified(const OleDateTime& created, std::string_view department,
                          std::string_view major, std::string_view middle, std::string_view minor) {
    CDocMasterData volume;
    volume.SakuseiNendo = created;
    volume.setKaBunruiCode(department);
    volume.setDaiBunruiCode(major);
    volume.setChuuBunruiCode(middle);
    volume.setShouBunruiCode(minor);
    return volume;
}

TEST(NumberPrefix, EraDigitsDepartmentAndRightAlignedCodes) {
    const CMyTool tool;
    const auto reiwa2 = OleDateTime::fromDate(2020, 4, 1);
    EXPECT_EQ(buildNumberPrefix(classified(reiwa2, "0010010000", "1", "2", "3"), tool),
              "502001001 1 2 3");
    EXPECT_EQ(buildNumberPrefix(classified(reiwa2, "0010010000", "12", "", "7"), tool),
              "50200100112   7");
    // 1 April 2019 is still 平成31.
    EXPECT_EQ(buildNumberPrefix(
                  classified(OleDateTime::fromDate(2019, 4, 1), "0020030000", "1", "1", "1"), tool),
              "431002003 1 1 1");
}

TEST(NumberPrefix, LongCodesAreCutInTheNumberOnly) {
    const CMyTool tool;
    CDocMasterData volume =
        classified(OleDateTime::fromDate(2020, 4, 1), "0010010000", "1234", "AB", "9");
    EXPECT_EQ(buildNumberPrefix(volume, tool), "50200100112AB 9");
    EXPECT_EQ(volume.daiBunruiCode(), "1234");
    // A code is never cut inside a double-byte character.
    volume.setDaiBunruiCode("1Ａ");
    EXPECT_EQ(buildNumberPrefix(volume, tool).substr(9, 2), " 1");
}

TEST(NumberPrefix, ShortDepartmentCodesKeepThePositions) {
    const CMyTool tool;
    const auto reiwa2 = OleDateTime::fromDate(2020, 4, 1);
    const CDocMasterData volume = classified(reiwa2, "12", "1", "2", "3");
    EXPECT_EQ(buildNumberPrefix(volume, tool), "50212     1 2 3");
    EXPECT_EQ(buildNumberPrefix(volume, tool, DepartmentDigits::zeroPaddedToTen),
              "502000000 1 2 3");
    const CDocMasterData tenDigits = classified(reiwa2, "0123456789", "1", "2", "3");
    EXPECT_EQ(buildNumberPrefix(tenDigits, tool, DepartmentDigits::zeroPaddedToTen),
              buildNumberPrefix(tenDigits, tool));
    EXPECT_EQ(buildNumberPrefix(classified(reiwa2, "12345", "1", "2", "3"), tool,
                                DepartmentDigits::zeroPaddedToTen),
              "502000001 1 2 3");
}

TEST(NumberPrefix, DatesWithoutAnEraKeepThePositions) {
    const CMyTool tool;
    EXPECT_EQ(buildNumberPrefix(
                  classified(OleDateTime::fromDate(1868, 4, 1), "0010010000", "1", "2", "3"), tool),
              "***001001 1 2 3");
    EXPECT_EQ(buildNumberPrefix(
                  classified(OleDateTime::invalidValue(), "0010010000", "1", "2", "3"), tool),
              "   001001 1 2 3");
}

TEST(ManagementNumber, SerialIsWrittenAsFourDigitsAndTwoZeros) {
    CDocMasterData volume;
    setManagementNumber(volume, "502001001 1 2 3", 12);
    EXPECT_EQ(std::string(volume.KanriBangou), "502001001 1 2 3001200");
    EXPECT_EQ(volume.KanriBangou[21], '\0');
    EXPECT_EQ(storedNumberPrefix(volume), "502001001 1 2 3");
    EXPECT_EQ(storedSerial(volume), 12);
}

TEST(ManagementNumber, NormalisedOnReading) {
    // Middle and minor codes right-aligned, whether stored left-aligned or not.
    EXPECT_EQ(normaliseManagementNumber("502001001 13 3 000100"), "502001001 1 3 3000100");
    EXPECT_EQ(normaliseManagementNumber("502001001 1 3 3000100"), "502001001 1 3 3000100");
    // The last two characters always read back as "00".
    EXPECT_EQ(normaliseManagementNumber("502001001 1 2 3000199"), "502001001 1 2 3000100");
    // The serial is read as an integer and written with four digits.
    EXPECT_EQ(normaliseManagementNumber("502001001 1 2 3 12 00"), "502001001 1 2 3001200");
    EXPECT_EQ(normaliseManagementNumber("502001001 1 2 37x  00"), "502001001 1 2 3000700");
    // Positions 9-10 stay as stored; two-character codes stay as they are.
    EXPECT_EQ(normaliseManagementNumber("5020010011 AB12000300"), "5020010011 AB12000300");
    // A middle or minor code stored with a leading zero reads as the digit
    // right-aligned; a code of zeros keeps one.
    EXPECT_EQ(normaliseManagementNumber("502001001 103 3000100"), "502001001 1 3 3000100");
    EXPECT_EQ(normaliseManagementNumber("502001001 1003 000100"), "502001001 1 0 3000100");
}

TEST(ManagementNumber, ShortOrEmptyNumbersBecomeTwentyOneCharacters) {
    EXPECT_EQ(normaliseManagementNumber(""), "               000000");
    EXPECT_EQ(normaliseManagementNumber("5020010"), "5020010        000000");
    CDocMasterData volume;
    std::memcpy(volume.KanriBangou, "502001001 13", 12);
    normaliseManagementNumber(volume);
    EXPECT_EQ(std::string(volume.KanriBangou), "502001001 1 3  000000");
}

}  // namespace
}  // namespace bunrako
