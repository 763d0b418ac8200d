#include "common/safe_file_name.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/cp932.h"

namespace bunrako {
namespace {

TEST(SafeFileName, OrdinaryJapaneseNamesStayAsTyped) {
    EXPECT_EQ(SafeFileName("令和5年度 起案文書"), "令和5年度 起案文書");
    EXPECT_EQ(SafeFileName("ﾊﾝｶｸ～①－∥髙"), "ﾊﾝｶｸ～①－∥髙");
    EXPECT_EQ(SafeFileName("a.b.txt"), "a.b.txt");
    EXPECT_EQ(SafeFileName(".hidden"), ".hidden");
}

TEST(SafeFileName, SeparatorsAndRefusedCharactersBecomeFullWidth) {
    EXPECT_EQ(SafeFileName("総務課\\庶務係/文書"), "総務課＼庶務係／文書");
    EXPECT_EQ(SafeFileName("a:b*c?d\"e<f>g|h"), "a：b＊c？d”e＜f＞g｜h");
    EXPECT_EQ(SafeFileName(std::string("tab\there\nnul\0x\x7f", 15)), "tab＿here＿nul＿x＿");
    EXPECT_EQ(SafeFileName("c:\\windows"), "c：＼windows");
}

TEST(SafeFileName, NamesThatWouldLeaveTheFolderAreKeptInside) {
    EXPECT_EQ(SafeFileName(""), "＿");
    EXPECT_EQ(SafeFileName("."), "．");
    EXPECT_EQ(SafeFileName(".."), "．．");
    EXPECT_EQ(SafeFileName("../../etc/passwd"), "..／..／etc／passwd");
    const std::filesystem::path folder("base");
    for (const char* hostile : {"", ".", "..", "../x", "..\\x", "/abs", "a/../.."}) {
        const auto joined =
            (folder / std::filesystem::u8path(SafeFileName(hostile))).lexically_normal();
        EXPECT_EQ(joined.parent_path(), folder) << hostile;
    }
}

TEST(SafeFileName, TrailingDotsAndSpacesBecomeFullWidth) {
    EXPECT_EQ(SafeFileName("報告書. "), "報告書．　");
    EXPECT_EQ(SafeFileName("a..."), "a．．．");
    EXPECT_EQ(SafeFileName(" a b "), " a b　");
    EXPECT_EQ(SafeFileName("   "), "　　　");
}

TEST(SafeFileName, ReservedDeviceNamesGetAMark) {
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "COM1", "COM9", "LPT1", "LPT9"}) {
        EXPECT_EQ(SafeFileName(device), std::string(device) + "＿");
    }
    EXPECT_EQ(SafeFileName("con"), "con＿");
    EXPECT_EQ(SafeFileName("Nul.txt"), "Nul＿.txt");
    EXPECT_EQ(SafeFileName("aux.tar.gz"), "aux＿.tar.gz");
    EXPECT_EQ(SafeFileName("CON .txt"), "CON ＿.txt");
    EXPECT_EQ(SafeFileName("COM0"), "COM0");
    EXPECT_EQ(SafeFileName("COM10"), "COM10");
    EXPECT_EQ(SafeFileName("CONSOLE"), "CONSOLE");
    EXPECT_EQ(SafeFileName("my CON"), "my CON");
}

TEST(SafeFileName, BytesThatAreNotUtf8AreReplaced) {
    EXPECT_EQ(SafeFileName("a\xff"
                           "b"),
              "a＿b");
    EXPECT_EQ(SafeFileName("\xe6\x96"), "＿＿");  // a cut character
    EXPECT_EQ(SafeFileName("\xc0\xaf"), "＿＿");  // an overlong '/'
}

TEST(SafeFileName, ReplacementsConvertToCp932Losslessly) {
    bool lossless = false;
    const std::string safe = SafeFileName("\\/:*?\"<>|\x01. ");
    const std::string cp932 = utf8ToCp932(safe, &lossless);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(cp932ToUtf8(cp932), safe);
    EXPECT_EQ(utf8ToCp932(SafeFileName("")), "\x81\x51");
}

}  // namespace
}  // namespace bunrako
