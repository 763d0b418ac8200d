#include <gtest/gtest.h>

#include <cstring>

#include "support/fake_prompt.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_list.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;

class VolumeFileTest : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return folder / "DocMaster.dat"; }
    std::filesystem::path safetyCopy() const { return folder / "DocMaster.da$"; }
    std::string pathText() const { return file().string(); }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
};

TEST_F(VolumeFileTest, AMissingFileIsCreatedEmptyAndReadsAsNothing) {
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.Read(), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(list.lastRead().countMissing());
    ASSERT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(std::filesystem::file_size(file()), 0u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(VolumeFileTest, ReadsEveryRecordAndNormalisesTheNumbers) {
    const auto first = vb::volume("502001001 13 3 000199", vb::kYosansho);
    const auto second = vb::volume("502001001 1 2 3000200", vb::kJinji, vb::kApril2021);
    testing::writeBytes(file(), vb::file(2, {first, second}));
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.Read(), 1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(std::string(list[0].KanriBangou), "502001001 1 3 3000100");
    EXPECT_EQ(list[0].title(), "予算書");
    EXPECT_EQ(list[0].kaMei(), "総務課");
    EXPECT_EQ(list[0].HozonNengen, OleSpan(1830, OleSpan::valid));
    EXPECT_EQ(list[1].title(), "人事");
    EXPECT_EQ(list[1].SakuseiNendo, OleDateTime(vb::kApril2021, OleDateTime::valid));
    // Apart from the number the records are the file's bytes.
    EXPECT_EQ(std::memcmp(&list[1], second.bytes().data(), 656), 0);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(VolumeFileTest, WriteGivesBackTheSameBytesWithPaddingAndReservedBytes) {
    auto record = vb::volume("502001001 1 2 3000100", vb::kYosansho);
    record.byte(22, 0x12).byte(23, 0x34).byte(421, 0x56).byte(600, 0x78).byte(655, 0x9A);
    const std::string original = vb::file(1, {record});
    testing::writeBytes(file(), original);
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.Read(), 1);
    ASSERT_EQ(list.Write(), 1);
    EXPECT_EQ(testing::readBytes(file()), original);
    EXPECT_EQ(testing::readBytes(safetyCopy()), original);
}

TEST_F(VolumeFileTest, AnEmptyListIsWrittenAsACountOfZero) {
    testing::writeBytes(file(), vb::file(1, {vb::volume("502001001 1 2 3000100", vb::kJinji)}));
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.Write(), 1);
    EXPECT_EQ(testing::readBytes(file()), vb::countWord(0));
}

TEST_F(VolumeFileTest, ATruncatedFileKeepsItsCompleteRecordsAndSaysSo) {
    const auto a = vb::volume("502001001 1 2 3000100", vb::kYosansho);
    const auto b = vb::volume("502001001 1 2 3000200", vb::kJinji);
    const auto c = vb::volume("502001001 1 2 3000300", vb::kKyuuyo);
    testing::writeBytes(file(), vb::file(3, {a, b}) + c.bytes().substr(0, 100));
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.Read(), 0);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].title(), "人事");
    EXPECT_EQ(list.lastRead().state, ReadState::recordsMissing);
    EXPECT_EQ(list.lastRead().declaredCount, 3u);
    EXPECT_EQ(list.lastRead().droppedBytes, 100u);
    EXPECT_EQ(prompt.lastMessage(), pathText() + ":詳細データ(2):ファイルの終わりに到達");
}

TEST_F(VolumeFileTest, AHugeCountIsNotBelievedBeyondTheFile) {
    // 2^31 records claimed by a 10-byte file: nothing is allocated for them.
    testing::writeBytes(file(), vb::countWord(0x80000000u) + std::string(6, 'x'));
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.Read(), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.lastRead().declaredCount, 0x80000000u);
    EXPECT_EQ(list.lastRead().droppedBytes, 6u);

    // The same count before one complete record still yields that record.
    testing::writeBytes(file(), vb::file(0x80000000u, {vb::volume("502", vb::kJinji)}));
    EXPECT_EQ(list.Read(), 0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].title(), "人事");
}

TEST_F(VolumeFileTest, AFileTooShortForItsCountWordReadsAsEmpty) {
    testing::writeBytes(file(), "\x01\x00\x00");
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.Read(), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(list.lastRead().countMissing());
    EXPECT_EQ(prompt.lastMessage(), pathText() + ":データ個数:ファイルの終わりに到達");
}

TEST_F(VolumeFileTest, BytesBeyondTheCountedRecordsAreLeftUnread) {
    const auto a = vb::volume("502001001 1 2 3000100", vb::kYosansho);
    const auto b = vb::volume("502001001 1 2 3000200", vb::kJinji);
    testing::writeBytes(file(), vb::file(1, {a, b}));
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.Read(), 1);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.lastRead().trailingBytes, 656u);
}

TEST_F(VolumeFileTest, AFileThatWillNotOpenIsTriedFourTimes) {
    std::filesystem::create_directory(file());
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.Read(), 0);
    EXPECT_FALSE(list.lastRead().opened());
    ASSERT_EQ(prompt.messages.size(), 5u);
    EXPECT_EQ(prompt.messages[0].text.rfind(pathText() + "Open:", 0), 0u);
    EXPECT_EQ(prompt.lastMessage(), pathText() + "Openエラー：ネットワーク確立等確認して下さい");
}

TEST_F(VolumeFileTest, GivingUpOnAWriteLeavesTheFileAndItsSafetyCopy) {
    // A folder in the file's place cannot be opened for writing.
    std::filesystem::create_directory(file());
    testing::writeBytes(safetyCopy(), "previous copy");
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.Write(), 0);
    ASSERT_EQ(prompt.retries.size(), 1u);
    EXPECT_EQ(prompt.retries[0].rfind(pathText() + ":Open\n", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(file()));
    EXPECT_EQ(testing::readBytes(safetyCopy()), "previous copy");
}

TEST_F(VolumeFileTest, GivingUpOnTheSafetyCopyLeavesTheFileUntouched) {
    const std::string original = vb::file(1, {vb::volume("502001001 1 2 3000100", vb::kJinji)});
    testing::writeBytes(file(), original);
    std::filesystem::create_directory(safetyCopy());
    CDocMasterList list(file(), prompt);
    EXPECT_EQ(list.Write(), 0);
    EXPECT_EQ(prompt.retries.size(), 1u);
    EXPECT_EQ(testing::readBytes(file()), original);
}

// A refill right after this list wrote the file takes the list as it is;
// any other change since, a second refill or an old write reads the file,
// where another workstation's volume shows.
enum class SinceWrite { nothing, secondRefresh, addedWithoutWriting, trustExpired };

class RefreshAfterWriteTest : public VolumeFileTest,
                              public ::testing::WithParamInterface<SinceWrite> {};

TEST_P(RefreshAfterWriteTest, ReadsTheFileUnlessThisListHasJustWrittenIt) {
    const auto mine = vb::volume("502001001 1 2 3000100", vb::kYosansho);
    const auto other = vb::volume("502001001 1 2 3000200", vb::kJinji);
    testing::writeBytes(file(), vb::file(1, {mine}));
    CDocMasterList list(file(), prompt);
    ASSERT_EQ(list.Read(), 1);
    ASSERT_EQ(list.Write(), 1);
    testing::writeBytes(file(), vb::file(2, {mine, other}));

    auto trustFor = CDocMasterList::kTrustOwnWrite;
    size_t expected = 2;
    switch (GetParam()) {
        case SinceWrite::nothing:
            expected = 1;
            break;
        case SinceWrite::secondRefresh:
            list.RefreshFromFile();
            break;
        case SinceWrite::addedWithoutWriting:
            list.AddOrReplace(vb::fromBytes(other), true);
            break;
        case SinceWrite::trustExpired:
            trustFor = std::chrono::milliseconds(0);
            break;
    }
    EXPECT_EQ(list.RefreshFromFile(trustFor), 1);
    EXPECT_EQ(list.size(), expected);
}

INSTANTIATE_TEST_SUITE_P(VolumeFile, RefreshAfterWriteTest,
                         ::testing::Values(SinceWrite::nothing, SinceWrite::secondRefresh,
                                           SinceWrite::addedWithoutWriting,
                                           SinceWrite::trustExpired));

}  // namespace
}  // namespace bunrako
