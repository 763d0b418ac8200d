#include "common/data_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <iterator>

#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::FakePrompt;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

const char* kFinal = "DocMaster.datOpenエラー：ネットワーク確立等確認して下さい";

TEST(ReadDataFileTest, AMissingFileIsCreatedEmptyWithoutAMessage) {
    TempFolder folder;
    FakePrompt prompt;
    std::string bytes = "stale";
    EXPECT_EQ(readDataFile(prompt, folder / "DocMaster.dat", bytes, "DocMaster.datOpen"),
              FileErrorCause::none);
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(fs::exists(folder / "DocMaster.dat"));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ReadDataFileTest, ReadsAnExistingFileUnchanged) {
    TempFolder folder;
    const std::string content("\x01\0\0\0\x82\xA0", 6);
    writeBytes(folder / "DocMaster.dat", content);
    FakePrompt prompt;
    std::string bytes;
    EXPECT_EQ(readDataFile(prompt, folder / "DocMaster.dat", bytes, "label"), FileErrorCause::none);
    EXPECT_EQ(bytes, content);
    EXPECT_EQ(readBytes(folder / "DocMaster.dat"), content);
}

TEST(ReadDataFileTest, AFolderThatIsGoneIsToldOnEveryAttemptThenTheFinalMessage) {
    TempFolder folder;
    fs::create_directory(folder / "share");
    const fs::path path = folder / "share" / "DocMaster.dat";
    fs::remove(folder / "share");
    FakePrompt prompt;
    std::string bytes;
    EXPECT_EQ(readDataFile(prompt, path, bytes, "DocMaster.datOpen", {4, kFinal}),
              FileErrorCause::fileNotFound);
    ASSERT_EQ(prompt.messages.size(), 5u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(prompt.messages[i].text, "DocMaster.datOpen:ファイル未定義");
    }
    EXPECT_EQ(prompt.messages[4].text, kFinal);
    EXPECT_FALSE(fs::exists(folder / "share"));
}

TEST(ReadDataFileTest, NoFinalMessageWhenNoneIsGiven) {
    TempFolder folder;
    writeBytes(folder / "plain", "x");
    FakePrompt prompt;
    std::string bytes;
    EXPECT_EQ(readDataFile(prompt, folder / "plain" / "a.dat", bytes, "a", {2, ""}),
              FileErrorCause::badPath);
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.lastMessage(), "a:不正パス");
}

class WriteDataFileTest : public ::testing::Test {
  protected:
    fs::path file() const { return folder / "DocMaster.dat"; }
    fs::path copy() const { return folder / "DocMaster.da$"; }

    TempFolder folder;
    FakePrompt prompt;
};

TEST_F(WriteDataFileTest, MakesTheSafetyCopyOfTheOldFileThenWritesTheNewOne) {
    writeBytes(file(), "old content");
    writeBytes(copy(), "older content");
    EXPECT_TRUE(writeDataFile(prompt, file(), "new", "label", true));
    EXPECT_EQ(readBytes(file()), "new");
    EXPECT_EQ(readBytes(copy()), "old content");
    EXPECT_TRUE(prompt.retries.empty());
}

TEST_F(WriteDataFileTest, WithoutSafetyCopyTheCopyIsLeftAlone) {
    writeBytes(file(), "old content");
    EXPECT_TRUE(writeDataFile(prompt, file(), "new", "label", false));
    EXPECT_EQ(readBytes(file()), "new");
    EXPECT_FALSE(fs::exists(copy()));
}

TEST_F(WriteDataFileTest, AMissingFileIsWrittenAndTheLastSafetyCopyKept) {
    writeBytes(copy(), "last good state");
    EXPECT_TRUE(writeDataFile(prompt, file(), "new", "label", true));
    EXPECT_EQ(readBytes(file()), "new");
    EXPECT_EQ(readBytes(copy()), "last good state");
}

TEST_F(WriteDataFileTest, GivingUpOnADirectoryLeavesEverythingAsItWas) {
    fs::create_directory(file());
    writeBytes(file() / "inside", "x");
    writeBytes(copy(), "safety");
    EXPECT_FALSE(writeDataFile(prompt, file(), "new", "DocMaster.dat:Open\n", true));
    ASSERT_EQ(prompt.retries.size(), 1u);
    EXPECT_EQ(prompt.retries[0], "DocMaster.dat:Open\n:ファイル アクセス禁止");
    EXPECT_TRUE(fs::is_directory(file()));
    EXPECT_EQ(readBytes(file() / "inside"), "x");
    EXPECT_EQ(readBytes(copy()), "safety");
}

TEST_F(WriteDataFileTest, AFolderThatIsGoneLosesNothing) {
    const fs::path share = folder / "share";
    fs::create_directory(share);
    writeBytes(share / "DocMaster.da$", "safety");
    const fs::path path = share / "sub" / "DocMaster.dat";
    prompt.retryAnswers = {true, true};
    EXPECT_FALSE(writeDataFile(prompt, path, "new", "label", true));
    EXPECT_EQ(prompt.retries.size(), 3u);
    EXPECT_EQ(prompt.retries.back(), "label:ファイル未定義");
    EXPECT_FALSE(fs::exists(share / "sub"));
    EXPECT_EQ(readBytes(share / "DocMaster.da$"), "safety");
}

TEST_F(WriteDataFileTest, AParentThatIsAFileIsABadPath) {
    writeBytes(folder / "plain", "keep");
    EXPECT_FALSE(writeDataFile(prompt, folder / "plain" / "a.dat", "new", "label", true));
    ASSERT_EQ(prompt.retries.size(), 1u);
    EXPECT_EQ(prompt.retries[0], "label:不正パス");
    EXPECT_EQ(readBytes(folder / "plain"), "keep");
}

// A prompt whose retry answer first repairs the folder, as a clerk would
// reconnect the network drive.
class RepairingPrompt : public FakePrompt {
  public:
    std::function<void()> repair;
    bool retryOrGiveUp(const std::string& text) override {
        retries.push_back(text);
        repair();
        return true;
    }
};

TEST_F(WriteDataFileTest, RetryingAfterTheFolderIsBackWrites) {
    writeBytes(file(), "old");
    fs::rename(file(), folder / "moved.dat");
    fs::create_directory(file());  // the file is not reachable for now
    RepairingPrompt repairing;
    repairing.repair = [&] {
        fs::remove(file());
        fs::rename(folder / "moved.dat", file());
    };
    EXPECT_TRUE(writeDataFile(repairing, file(), "new", "label", true));
    EXPECT_EQ(repairing.retries.size(), 1u);
    EXPECT_EQ(readBytes(file()), "new");
    // The copy was taken from the file as it was when it became reachable.
    EXPECT_EQ(readBytes(copy()), "old");
}

TEST_F(WriteDataFileTest, ReplacesInOneStepAndRemovesWhatStoppedWritersLeft) {
    writeBytes(file(), "old");
    const fs::path stale = folder / "DocMaster.dat.4242.1.tmp$";
    const fs::path recent = folder / "DocMaster.dat.4243.1.tmp$";
    writeBytes(stale, "cut");
    writeBytes(recent, "being written");
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(2));

    ASSERT_TRUE(writeDataFile(prompt, file(), "new", "label", true));
    EXPECT_EQ(readBytes(file()), "new");
    EXPECT_EQ(readBytes(copy()), "old");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(recent));
    EXPECT_FALSE(fs::exists(folder / "DocMaster.dat.lock"));
    // Only the data file, its copy and the other writer's file are there.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 3);
}

}  // namespace
}  // namespace bunrako
