#include "common/text_functions.h"

#include <gtest/gtest.h>

#include "common/cp932.h"

namespace bunrako {
namespace {

TEST(ExtractField, CountsFromOne) {
    EXPECT_EQ(ExtractField("2020,04,01", 1), "2020");
    EXPECT_EQ(ExtractField("2020,04,01", 2), "04");
    EXPECT_EQ(ExtractField("2020,04,01", 3), "01");
}

TEST(ExtractField, MissingFieldsAreEmpty) {
    EXPECT_EQ(ExtractField("2020,04,01", 4), "");
    EXPECT_EQ(ExtractField("2020,04,01", 0), "");
    EXPECT_EQ(ExtractField("2020,04,01", -1), "");
    EXPECT_EQ(ExtractField("", 1), "");
    EXPECT_EQ(ExtractField("", 2), "");
    EXPECT_EQ(ExtractField("a,,c", 2), "");
    EXPECT_EQ(ExtractField("a,b,", 3), "");
    EXPECT_EQ(ExtractField("a,b,", 4), "");
}

TEST(ExtractField, QuotedFieldLosesItsQuotes) {
    EXPECT_EQ(ExtractField("\"総務課\",\"庶務係\"", 1), "総務課");
    EXPECT_EQ(ExtractField("\"総務課\",\"庶務係\"", 2), "庶務係");
    EXPECT_EQ(ExtractField("\"\",x", 1), "");
    // Only a field wrapped on both sides is unwrapped.
    EXPECT_EQ(ExtractField("\"open,x", 1), "\"open");
    EXPECT_EQ(ExtractField("\",x", 1), "\"");
    EXPECT_EQ(ExtractField("a\"b\"", 1), "a\"b\"");
}

TEST(ExtractField, OtherSeparators) {
    EXPECT_EQ(ExtractField("C:\\文書\\総務課", 2, '\\'), "文書");
    EXPECT_EQ(ExtractField("a\tb\tc", 3, '\t'), "c");
}

TEST(TextFunctions, ShiftJisTrailBytesNeverSplitOnceHeldAsUtf8) {
    // 表 is 95 5C in CP932: its trail byte is a backslash.
    const std::string raw = "C:\\\x95\x5C\\\x95\x5C.dat";
    ASSERT_EQ(CountSubstring(raw, "\\"), 4);
    const std::string path = cp932ToUtf8(raw);
    ASSERT_EQ(path, "C:\\表\\表.dat");
    EXPECT_EQ(FolderPart(path), "C:\\表");
    EXPECT_EQ(FileNamePart(path), "表.dat");
    EXPECT_EQ(ExtractField(path, 2, '\\'), "表");
    EXPECT_EQ(CountSubstring(path, "\\"), 2);
    // 院 (89 40) and ① (87 40) carry other ASCII bytes in their trail.
    const std::string fields = cp932ToUtf8("\x89\x40,\x87\x40,x");
    EXPECT_EQ(ExtractField(fields, 2), "①");
    EXPECT_EQ(CountSubstring(fields, "@"), 0);
}

TEST(CountSubstring, CountsWithoutOverlap) {
    EXPECT_EQ(CountSubstring("a,b,c", ","), 2);
    EXPECT_EQ(CountSubstring("aaaa", "aa"), 2);
    EXPECT_EQ(CountSubstring("aaa", "aa"), 1);
    EXPECT_EQ(CountSubstring("文書文書文", "文書"), 2);
    EXPECT_EQ(CountSubstring("abc", ""), 0);
    EXPECT_EQ(CountSubstring("", "a"), 0);
    EXPECT_EQ(CountSubstring("ab", "abc"), 0);
}

TEST(PathParts, SplitAtTheLastSeparator) {
    EXPECT_EQ(FolderPart("C:\\data\\DocMaster.dat"), "C:\\data");
    EXPECT_EQ(FileNamePart("C:\\data\\DocMaster.dat"), "DocMaster.dat");
    EXPECT_EQ(FolderPart("/srv/data/DocMaster.dat"), "/srv/data");
    EXPECT_EQ(FileNamePart("/srv/data/DocMaster.dat"), "DocMaster.dat");
    EXPECT_EQ(FolderPart("C:\\data/sub\\x.dat"), "C:\\data/sub");
    EXPECT_EQ(FileNamePart("C:\\data\\sub/x.dat"), "x.dat");
}

TEST(PathParts, WithoutSeparator) {
    EXPECT_EQ(FolderPart("DocMaster.dat"), "");
    EXPECT_EQ(FileNamePart("DocMaster.dat"), "DocMaster.dat");
    EXPECT_EQ(FolderPart(""), "");
    EXPECT_EQ(FileNamePart(""), "");
    EXPECT_EQ(FolderPart("C:\\data\\"), "C:\\data");
    EXPECT_EQ(FileNamePart("C:\\data\\"), "");
}

TEST(LeadingInteger, ReadsLikeAtoi) {
    EXPECT_EQ(LeadingInteger("123"), 123);
    EXPECT_EQ(LeadingInteger("  42x"), 42);
    EXPECT_EQ(LeadingInteger("-7"), -7);
    EXPECT_EQ(LeadingInteger("+007"), 7);
    EXPECT_EQ(LeadingInteger("x1"), 0);
    EXPECT_EQ(LeadingInteger(""), 0);
    EXPECT_EQ(LeadingInteger("- 1"), 0);
    // Beyond the range of int the value stops at its limit.
    EXPECT_EQ(LeadingInteger("99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingInteger("-99999999999999999999"), -2147483647 - 1);
}

}  // namespace
}  // namespace bunrako
