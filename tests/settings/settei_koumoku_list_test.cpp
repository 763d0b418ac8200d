#include "settings/settei_koumoku_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "common/file_io.h"
#include "support/archive_bytes.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::i32;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// One 93-byte item built by hand: code, name, subName, each zero-filled.
std::string itemBytes(std::string_view code, std::string_view nameCp932,
                      std::string_view subCp932 = {}) {
    std::string bytes(93, '\0');
    bytes.replace(0, code.size(), code);
    bytes.replace(11, nameCp932.size(), nameCp932);
    bytes.replace(52, subCp932.size(), subCp932);
    return bytes;
}

const std::string kSoumu = "\x91\x8d\x96\xb1\x89\xdb";  // 総務課 in CP932

CSetteiKoumokuList departments() {
    CSetteiKoumokuList list;
    list.AddOrReplace({"0010000000", "総務課", ""});
    list.AddOrReplace({"0010010000", "庶務係", ""});
    list.AddOrReplace({"0010020000", "人事係", ""});
    list.AddOrReplace({"0020000000", "財政課", ""});
    list.AddOrReplace({"0020010000", "庶務係", ""});
    list.AddOrReplace({"0020010001", "細目", ""});
    return list;
}

std::string pathText(const std::filesystem::path& path) { return pathToUtf8(path); }

TEST(SetteiKoumokuCode, LevelsFollowFromTheZeros) {
    EXPECT_EQ(ItemLevel("0010000000"), 1);
    EXPECT_EQ(ItemLevel("0010010000"), 2);
    EXPECT_EQ(ItemLevel("0010010001"), 3);
    EXPECT_EQ(ItemLevel("0000000000"), 0);
    EXPECT_EQ(ItemLevel(""), 0);
    EXPECT_TRUE(IsChildCode("0010000000", "0010010000"));
    EXPECT_FALSE(IsChildCode("0010000000", "0020010000"));
    EXPECT_FALSE(IsChildCode("0010000000", "0010010001"));  // a grandchild
    EXPECT_TRUE(IsChildCode("0010010000", "0010010001"));
    EXPECT_FALSE(IsChildCode("0010010001", "0010010001"));
    EXPECT_TRUE(IsChildCode("", "0020000000"));
    EXPECT_EQ(ParentCode("0010010001"), "0010010000");
    EXPECT_EQ(ParentCode("0010010000"), "0010000000");
    EXPECT_EQ(ParentCode("0010000000"), "");
}

TEST(SetteiKoumokuData, FieldsAreUtf8OutsideAndCp932Inside) {
    CSetteiKoumokuData item("0010000000", "総務課", "A1");
    EXPECT_EQ(std::memcmp(item.name, kSoumu.data(), kSoumu.size()), 0);
    EXPECT_EQ(item.Name(), "総務課");
    EXPECT_EQ(item.SubName(), "A1");
    EXPECT_EQ(item.Level(), 1);
    // 21 two-byte characters do not fit in 40 bytes; the cut keeps whole ones.
    std::string tooLong;
    for (int i = 0; i < 21; ++i) tooLong += "あ";
    EXPECT_FALSE(item.SetName(tooLong));
    EXPECT_EQ(item.Name().size(), 20u * 3);
}

TEST(SetteiKoumokuFile, ReadsTheCountAndTheItems) {
    TempFolder folder;
    const auto path = folder / "Kamei.dat";
    writeBytes(path,
               i32(2) + itemBytes("0010000000", kSoumu) + itemBytes("0010010000", "ab", "cd"));
    FakePrompt prompt;
    CSetteiKoumokuList list;
    ASSERT_EQ(list.LoadItems(prompt, pathText(path)), 1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Code(), "0010000000");
    EXPECT_EQ(list[0].Name(), "総務課");
    EXPECT_EQ(list[1].SubName(), "cd");
    EXPECT_EQ(list.Path(), pathText(path));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(SetteiKoumokuFile, WritesTheCountAndTheItemsByteForByte) {
    TempFolder folder;
    const auto path = folder / "Kamei.dat";
    CSetteiKoumokuList list(pathText(path));
    list.AddOrReplace({"0010000000", "総務課", ""});
    list.AddOrReplace({"0010010000", "ab", "cd"});
    FakePrompt prompt;
    ASSERT_EQ(list.SaveItems(prompt), 1);
    EXPECT_EQ(readBytes(path),
              i32(2) + itemBytes("0010000000", kSoumu) + itemBytes("0010010000", "ab", "cd"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Kamei.da$"));
}

TEST(SetteiKoumokuFile, EmptyMastersAndNewFiles) {
    TempFolder folder;
    FakePrompt prompt;
    CSetteiKoumokuList list;
    // A missing file is created empty and reads as an empty master.
    ASSERT_EQ(list.LoadItems(prompt, pathText(folder / "HozonNengen.dat")), 1);
    EXPECT_EQ(list.size(), 0u);
    EXPECT_TRUE(std::filesystem::exists(folder / "HozonNengen.dat"));
    EXPECT_EQ(std::filesystem::file_size(folder / "HozonNengen.dat"), 0u);
    // The count 0 reads as empty; writing an empty master gives 4 bytes.
    writeBytes(folder / "Zero.dat", i32(0));
    ASSERT_EQ(list.LoadItems(prompt, pathText(folder / "Zero.dat")), 1);
    EXPECT_EQ(list.size(), 0u);
    list.SetPath(pathText(folder / "Out.dat"));
    ASSERT_EQ(list.SaveItems(prompt), 1);
    EXPECT_EQ(readBytes(folder / "Out.dat"), i32(0));
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(list.LoadItems(prompt, ""), 0);
    list.SetPath("");
    EXPECT_EQ(list.SaveItems(prompt), 0);
}

TEST(SetteiKoumokuFile, ACountBeyondTheFileKeepsTheCompleteItemsAndSaysSo) {
    TempFolder folder;
    const auto path = folder / "Kamei.dat";
    // Three promised, one and a half present.
    writeBytes(path, i32(3) + itemBytes("0010000000", kSoumu) + std::string(40, 'x'));
    FakePrompt prompt;
    CSetteiKoumokuList list;
    ASSERT_EQ(list.LoadItems(prompt, pathText(path)), 1);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Name(), "総務課");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.lastMessage(), pathText(path) +
                                        ":データが途中で切れています。レコード数 3 のうち 1 "
                                        "件を読み込みました。");
}

TEST(SetteiKoumokuFile, HostileCountsAllocateNothing) {
    TempFolder folder;
    const auto path = folder / "Kamei.dat";
    FakePrompt prompt;
    CSetteiKoumokuList list;
    writeBytes(path, i32(INT32_MIN) + "xxxxxx");  // 2^31 as unsigned, in a 10-byte file
    ASSERT_EQ(list.LoadItems(prompt, pathText(path)), 1);
    EXPECT_EQ(list.size(), 0u);
    writeBytes(path, i32(INT32_MAX) + "xxxxxx");
    ASSERT_EQ(list.LoadItems(prompt, pathText(path)), 1);
    EXPECT_EQ(list.size(), 0u);
    writeBytes(path, i32(-5));
    ASSERT_EQ(list.LoadItems(prompt, pathText(path)), 1);
    EXPECT_EQ(list.size(), 0u);
    writeBytes(path, std::string("\x01\x00", 2));  // not even a count
    ASSERT_EQ(list.LoadItems(prompt, pathText(path)), 1);
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(prompt.lastMessage(),
              pathText(path) +
                  ":データが途中で切れています。レコード数を読み込めません（2 "
                  "バイト）。");
    // An item without a terminator reads as its whole width, no further.
    writeBytes(path, i32(1) + std::string(93, 'A'));
    ASSERT_EQ(list.LoadItems(prompt, pathText(path)), 1);
    EXPECT_EQ(list[0].Code(), std::string(11, 'A'));
    EXPECT_EQ(list[0].Name(), std::string(41, 'A'));
}

TEST(SetteiKoumokuFile, ItemsBehindANegativeCountAreToldAndNeverWrittenOver) {
    TempFolder folder;
    const auto path = folder / "Kamei.dat";
    const std::string damaged = i32(-1) + itemBytes("0010000000", kSoumu);
    writeBytes(path, damaged);
    FakePrompt prompt;
    CSetteiKoumokuList list;
    ASSERT_EQ(list.LoadItems(prompt, pathText(path)), 1);
    EXPECT_EQ(list.lastRead().state, ReadState::badCount);
    EXPECT_EQ(prompt.lastMessage(), pathText(path) + ":データ個数（-1）が不正です");
    // Closing the editor saves the master: the unread item must survive it.
    EXPECT_EQ(list.SaveItems(prompt), 0);
    EXPECT_EQ(readBytes(path), damaged);
    EXPECT_NE(prompt.lastMessage().find("上書きせずに保存を中止しました"), std::string::npos);
}

TEST(SetteiKoumokuFile, AFolderThatIsGoneIsToldAndLeavesTheMasterEmpty) {
    TempFolder folder;
    const std::string path = pathText(folder / "gone" / "Kamei.dat");
    FakePrompt prompt;
    CSetteiKoumokuList list = departments();
    EXPECT_EQ(list.LoadItems(prompt, path), 0);
    EXPECT_EQ(list.size(), 0u);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.lastMessage().rfind(path + ":Open:", 0), 0u) << prompt.lastMessage();
}

TEST(SetteiKoumokuFile, GivingUpAWriteLeavesTheFileAsItWas) {
    TempFolder folder;
    FakePrompt prompt;  // gives up at every offer
    CSetteiKoumokuList list = departments();

    // A name taken by a folder cannot be written, whoever runs the test.
    std::filesystem::create_directory(folder / "Kamei.dat");
    list.SetPath(pathText(folder / "Kamei.dat"));
    EXPECT_EQ(list.SaveItems(prompt), 0);
    ASSERT_EQ(prompt.retries.size(), 1u);
    EXPECT_EQ(prompt.retries[0].rfind(pathText(folder / "Kamei.dat") + ":Open:", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Kamei.dat"));
}

TEST(SetteiKoumokuFile, GivingUpOnAReadOnlyFileLeavesItsBytes) {
    TempFolder folder;
    FakePrompt prompt;
    CSetteiKoumokuList list = departments();
    const auto path = folder / "Bosatu.dat";
    writeBytes(path, i32(0));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    if (std::ofstream(path, std::ios::app)) GTEST_SKIP() << "running with rights to every file";
    list.SetPath(pathText(path));
    EXPECT_EQ(list.SaveItems(prompt), 0);
    EXPECT_EQ(readBytes(path), i32(0));
}

TEST(SetteiKoumokuLookups, NamesSecondValuesAndChildren) {
    CSetteiKoumokuList list = departments();
    list.AddOrReplace({"0030000000", "保存", "10年"});
    EXPECT_EQ(list.NameByCode("0020000000"), "財政課");
    EXPECT_EQ(list.SubNameByCode("0030000000"), "10年");
    EXPECT_EQ(list.NameByCode("0090000000"), "");
    EXPECT_EQ(list.ListChildren(""), (std::vector<std::string>{"総務課", "財政課", "保存"}));
    EXPECT_EQ(list.ListChildren(kRootCode), list.ListChildren(""));
    EXPECT_EQ(list.ListChildren("0010000000"), (std::vector<std::string>{"庶務係", "人事係"}));
    EXPECT_EQ(list.ListChildren("0020010000"), (std::vector<std::string>{"細目"}));
    EXPECT_TRUE(list.ListChildren("0020010001").empty());
}

TEST(SetteiKoumokuLookups, CodeByNamesGoesLevelByLevel) {
    const CSetteiKoumokuList list = departments();
    EXPECT_EQ(list.CodeByNames("総務課"), "0010000000");
    // The same sub-section name under two sections.
    EXPECT_EQ(list.CodeByNames("財政課", "庶務係"), "0020010000");
    EXPECT_EQ(list.CodeByNames("総務課", "庶務係"), "0010010000");
    EXPECT_EQ(list.CodeByNames("財政課", "庶務係", "細目"), "0020010001");
    EXPECT_EQ(list.CodeByNames("総務課", "", ""), "0010000000");
    // A name not found at its level gives no code, not a parent's.
    EXPECT_EQ(list.CodeByNames("総務課", "細目"), "");
    EXPECT_EQ(list.CodeByNames("企画課"), "");
    EXPECT_EQ(list.CodeByNames(""), "");
}

TEST(SetteiKoumokuChanges, RegisterReplaceAndRemoveSubtrees) {
    CSetteiKoumokuList list = departments();
    list.AddOrReplace({"0010000000", "総務部", "x"});
    EXPECT_EQ(list.size(), 6u);
    EXPECT_EQ(list[0].Name(), "総務部");
    EXPECT_EQ(list[0].SubName(), "x");
    // Deleting a level-1 department removes all its sub-sections.
    EXPECT_EQ(list.RemoveWithChildren("0010000000"), 3u);
    EXPECT_EQ(list.ListChildren(""), (std::vector<std::string>{"財政課"}));
    EXPECT_EQ(list.RemoveWithChildren("0020010001"), 1u);
    EXPECT_EQ(list.RemoveWithChildren("0020010000"), 1u);
    EXPECT_EQ(list.size(), 1u);
    list.AddOrReplace({"0050000000", "", ""});
    list.DropUnnamed();
    EXPECT_EQ(list.size(), 1u);
}

}  // namespace
}  // namespace bunrako
