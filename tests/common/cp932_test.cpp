#include "common/cp932.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace bunrako {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(Cp932Test, EncodesCharactersToTheExpectedBytes) {
    EXPECT_EQ(utf8ToCp932("あ"), "\x82\xA0");
    EXPECT_EQ(utf8ToCp932("①"), "\x87\x40");
    EXPECT_EQ(utf8ToCp932("髙"), "\xFB\xFC");
    EXPECT_EQ(utf8ToCp932("～"), "\x81\x60");
    EXPECT_EQ(utf8ToCp932("ｱ"), "\xB1");
    EXPECT_EQ(utf8ToCp932("表"), "\x95\x5C");
    EXPECT_EQ(utf8ToCp932("－∥"), "\x81\x7C\x81\x61");
    EXPECT_EQ(utf8ToCp932("A1\\~"), "A1\\~");
    EXPECT_EQ(utf8ToCp932("令和2年度"),
              "\x97\xDF\x98\x61"
              "2"
              "\x94\x4E\x93\x78");
}

TEST(Cp932Test, DecodesBytesToTheExpectedCharacters) {
    EXPECT_EQ(cp932ToUtf8("\x82\xA0"), "あ");
    EXPECT_EQ(cp932ToUtf8("\x95\x5C"), "表");
    EXPECT_EQ(cp932ToUtf8("\x5C"), "\\");
    EXPECT_EQ(cp932ToUtf8("C:\\data\\\x95\xB6\x8F\x91"), "C:\\data\\文書");
    EXPECT_EQ(cp932ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932Test, RoundTripsTheCharactersOfTheVendorExtensions) {
    for (const char* text : {"①", "髙", "ｱ", "～", "㈱", "﨑", "ｶﾞｷﾞ", "文書整理一覧表"}) {
        bool lossless = false;
        const std::string bytes = utf8ToCp932(text, &lossless);
        EXPECT_TRUE(lossless) << text;
        EXPECT_EQ(cp932ToUtf8(bytes), text);
    }
}

TEST(Cp932Test, WaveDashIsStoredAsFullWidthTildeAndReadBackAsIt) {
    bool lossless = false;
    EXPECT_EQ(utf8ToCp932("〜", &lossless), "\x81\x60");
    EXPECT_TRUE(lossless);
    EXPECT_EQ(cp932ToUtf8("\x81\x60"), "～");
}

TEST(Cp932Test, UnmappableCharactersBecomeQuestionMarks) {
    bool lossless = true;
    EXPECT_EQ(utf8ToCp932("a€b😀c", &lossless), "a?b?c");
    EXPECT_FALSE(lossless);
    lossless = true;
    EXPECT_EQ(utf8ToCp932("x\xFFy\xE3\x81", &lossless), "x?y?");
    EXPECT_FALSE(lossless);
}

TEST(Cp932Test, InvalidBytesBecomeReplacementCharactersAndConversionGoesOn) {
    // A byte that is no character at all, one per bad byte.
    EXPECT_EQ(cp932ToUtf8("a\x80\xA0"
                          "b"),
              "a" + kReplacement + kReplacement + "b");
    EXPECT_EQ(cp932ToUtf8("\xFD\xFE\xFF"), kReplacement + kReplacement + kReplacement);
    // A well-formed pair without a character is one replacement.
    EXPECT_EQ(cp932ToUtf8("\x85\x40\x82\xA0"), kReplacement + "あ");
    // A lead byte followed by a byte that cannot trail: only the lead is bad.
    EXPECT_EQ(cp932ToUtf8("\x82 x"), kReplacement + " x");
    // A lead byte cut off at the end.
    EXPECT_EQ(cp932ToUtf8("\x82\xA0\x82"), "あ" + kReplacement);

    EXPECT_TRUE(isValidCp932("abc\x82\xA0\xB1"));
    EXPECT_FALSE(isValidCp932("\x85\x40"));
    EXPECT_FALSE(isValidCp932("\x82"));
    EXPECT_FALSE(isValidCp932("\x80"));
}

TEST(Cp932Test, LeadBytesAreTheTwoDoubleByteRanges) {
    EXPECT_FALSE(isCp932LeadByte(0x80));
    EXPECT_TRUE(isCp932LeadByte(0x81));
    EXPECT_TRUE(isCp932LeadByte(0x9F));
    EXPECT_FALSE(isCp932LeadByte(0xA0));
    EXPECT_FALSE(isCp932LeadByte(0xB1));
    EXPECT_FALSE(isCp932LeadByte(0xDF));
    EXPECT_TRUE(isCp932LeadByte(0xE0));
    EXPECT_TRUE(isCp932LeadByte(0xFC));
    EXPECT_FALSE(isCp932LeadByte(0xFD));
    EXPECT_FALSE(isCp932LeadByte('A'));
}

TEST(Cp932Test, LengthCountsCp932Bytes) {
    EXPECT_EQ(cp932Length(""), 0u);
    EXPECT_EQ(cp932Length("abc"), 3u);
    EXPECT_EQ(cp932Length("あいう"), 6u);
    EXPECT_EQ(cp932Length("ｱｲｳ"), 3u);
    EXPECT_EQ(cp932Length("a表ｱ"), 4u);
    EXPECT_EQ(cp932Length("€"), 1u);  // becomes '?'
}

TEST(Cp932Test, TruncationNeverCutsADoubleByteCharacter) {
    const std::string bytes = "a\x82\xA0\x82\xA2";  // aあい
    EXPECT_EQ(truncateCp932(bytes, 0), "");
    EXPECT_EQ(truncateCp932(bytes, 1), "a");
    EXPECT_EQ(truncateCp932(bytes, 2), "a");
    EXPECT_EQ(truncateCp932(bytes, 3), "a\x82\xA0");
    EXPECT_EQ(truncateCp932(bytes, 4), "a\x82\xA0");
    EXPECT_EQ(truncateCp932(bytes, 5), bytes);
    EXPECT_EQ(truncateCp932(bytes, 99), bytes);
    // The trail byte of 表 is 0x5C: the walk goes forward by lead bytes.
    EXPECT_EQ(truncateCp932("\x95\x5C\x95\x5C", 3), "\x95\x5C");

    EXPECT_EQ(truncateToCp932Bytes("aあい", 2), "a");
    EXPECT_EQ(truncateToCp932Bytes("aあい", 3), "aあ");
    EXPECT_EQ(truncateToCp932Bytes("ｱｲあ", 3), "ｱｲ");
    EXPECT_EQ(truncateToCp932Bytes("ｱｲあ", 4), "ｱｲあ");
    EXPECT_EQ(truncateToCp932Bytes("abcdef", 4), "abcd");
    EXPECT_EQ(truncateToCp932Bytes("〜x", 2), "〜");
}

TEST(Cp932Test, ContainsMatchesOnlyWholeCharacters) {
    const std::string minutes = utf8ToCp932("定例会議録");
    EXPECT_TRUE(containsCp932(minutes, utf8ToCp932("会議")));
    EXPECT_FALSE(containsCp932(minutes, utf8ToCp932("議事")));
    EXPECT_TRUE(containsCp932(minutes, ""));
    // ア is 83 41 and 表 is 95 5C: their trail bytes are not "A" or "\\".
    EXPECT_FALSE(containsCp932(utf8ToCp932("アイ"), "A"));
    EXPECT_FALSE(containsCp932(utf8ToCp932("表"), "\\"));
    EXPECT_TRUE(containsCp932(utf8ToCp932("アA"), "A"));
    // The trail byte of one character and the lead of the next are no match.
    EXPECT_FALSE(containsCp932("\x95\x5C\x8E\xA6", "\x5C\x8E"));
}

TEST(Cp932Test, FixedFieldReadsUpToTheFirstNulOrTheWidth) {
    const char field[6] = {'\x82', '\xA0', 'b', '\0', 'z', 'z'};
    EXPECT_EQ(readFixedText(field), "あb");
    EXPECT_EQ(fixedBytes(field),
              "\x82\xA0"
              "b");
    const char full[4] = {'a', 'b', 'c', 'd'};  // no terminator at all
    EXPECT_EQ(readFixedText(full), "abcd");
    const char empty[3] = {};
    EXPECT_EQ(readFixedText(empty), "");
}

TEST(Cp932Test, FixedFieldWriteFillsTheRestWithNul) {
    char field[8];
    std::memset(field, 'x', sizeof field);
    EXPECT_TRUE(writeFixedText(field, "あb"));
    EXPECT_EQ(std::string(field, sizeof field), std::string("\x82\xA0"
                                                            "b\0\0\0\0\0",
                                                            8));
}

TEST(Cp932Test, FixedFieldExactlyFullKeepsItsTerminator) {
    char field[5];
    EXPECT_TRUE(writeFixedText(field, "あい"));
    EXPECT_EQ(std::string(field, sizeof field), std::string("\x82\xA0\x82\xA2\0", 5));
    EXPECT_EQ(readFixedText(field), "あい");
}

TEST(Cp932Test, FixedFieldWriteCutsAtACharacterBoundary) {
    char field[5];
    std::memset(field, 'x', sizeof field);
    EXPECT_FALSE(writeFixedText(field, "aあい"));  // 5 bytes into 4: the lead of い is dropped
    EXPECT_EQ(std::string(field, sizeof field), std::string("a\x82\xA0\0\0", 5));

    EXPECT_FALSE(writeFixedText(field, "abcdef"));
    EXPECT_EQ(std::string(field, sizeof field), std::string("abcd\0", 5));
}

TEST(Cp932Test, FixedFieldWriteReportsLostCharacters) {
    char field[8];
    EXPECT_FALSE(writeFixedText(field, "a€"));
    EXPECT_EQ(std::string(field, 3), std::string("a?\0", 3));
    EXPECT_TRUE(writeFixedBytes(field, "\x95\x5C"));
    EXPECT_EQ(readFixedText(field), "表");
}

}  // namespace
}  // namespace bunrako
