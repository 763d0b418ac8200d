#include "common/data_file_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "common/lock_holder.h"
#include "common/platform_files.h"
#include "support/child_process.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::FakePrompt;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;
using namespace std::chrono_literals;

// Short waits, so that the tests of waiting take a fraction of a second.
LockTiming quickTiming() {
    LockTiming timing;
    timing.wait = 300ms;
    timing.unreadableGrace = 100ms;
    return timing;
}

std::string holderText(const std::string& computer, int64_t process) {
    return LockHolder{computer, "tanaka", process, "2026/12/01 09:15:00"}.text();
}

TEST(DataFileLockTest, TheLockFileNamesTheHolderWhileHeldAndGoesAfter) {
    TempFolder folder;
    FakePrompt prompt;
    const fs::path file = folder / "DocMaster.dat";
    const fs::path lockFile = DataFileLock::lockPathOf(file);
    EXPECT_EQ(lockFile, folder / "DocMaster.dat.lock");
    {
        const DataFileLock lock(prompt, file);
        ASSERT_TRUE(lock.held());
        const auto holder = LockHolder::parse(readBytes(lockFile));
        ASSERT_TRUE(holder);
        EXPECT_EQ(holder->process, platform::processId());
        EXPECT_TRUE(holder->onThisComputer());
        EXPECT_FALSE(holder->since.empty());
        // The writers a change calls take the lock again without waiting.
        const DataFileLock nested(prompt, file, quickTiming());
        EXPECT_TRUE(nested.held());
    }
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_TRUE(prompt.retries.empty());
}

// A lock left behind is removed with a note and the writer goes on.
struct LeftBehindCase {
    const char* name;
    std::function<std::string()> content;
    bool oldFile;
    const char* note;
};

class LeftBehindLockTest : public ::testing::TestWithParam<LeftBehindCase> {};

TEST_P(LeftBehindLockTest, IsBrokenWithANote) {
    TempFolder folder;
    FakePrompt prompt;
    const fs::path file = folder / "KenMeibo.dat";
    const fs::path lockFile = DataFileLock::lockPathOf(file);
    writeBytes(lockFile, GetParam().content());
    if (GetParam().oldFile) {
        fs::last_write_time(lockFile, fs::file_time_type::clock::now() - 11min);
    }
    const DataFileLock lock(prompt, file, quickTiming());
    ASSERT_TRUE(lock.held());
    EXPECT_TRUE(prompt.retries.empty());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.lastMessage().find(GetParam().note), std::string::npos)
        << prompt.lastMessage();
    EXPECT_EQ(LockHolder::parse(readBytes(lockFile))->process, platform::processId());
}

// No process has an id this high, on Linux or Windows.
constexpr int64_t kEndedProcess = int64_t{1} << 40;

INSTANTIATE_TEST_SUITE_P(
    Holders, LeftBehindLockTest,
    ::testing::Values(
        LeftBehindCase{"EndedProgramOfThisComputer",
                       [] { return holderText(platform::computerName(), kEndedProcess); }, false,
                       "そのプログラムは終了しています"},
        LeftBehindCase{"OtherComputerNotRefreshed", [] { return holderText("SOUMU-PC07", 4242); },
                       true, "更新されていません"},
        LeftBehindCase{"WriterStoppedWhileCreatingIt", [] { return std::string(); }, false,
                       "中身のない"}),
    [](const auto& row) { return std::string(row.param.name); });

// A lock whose holder is there makes the writer wait, then ask.
struct LiveHolderCase {
    const char* name;
    bool otherComputer;
};

class LiveHolderTest : public ::testing::TestWithParam<LiveHolderCase> {};

TEST_P(LiveHolderTest, MakesTheWriterWaitThenAskWhoHoldsItSinceWhen) {
    TempFolder folder;
    FakePrompt prompt;
    prompt.retryAnswers = {true, false};
    const fs::path file = folder / "DocMaster.dat";
    const fs::path lockFile = DataFileLock::lockPathOf(file);
    testing::ChildProcess holder({"/bin/sleep", "30"});
    ASSERT_TRUE(holder.started());
    const std::string content = GetParam().otherComputer
                                    ? holderText("SOUMU-PC07", holder.id())
                                    : holderText(platform::computerName(), holder.id());
    writeBytes(lockFile, content);

    const auto start = std::chrono::steady_clock::now();
    const DataFileLock lock(prompt, file, quickTiming());
    EXPECT_FALSE(lock.held());
    EXPECT_GE(std::chrono::steady_clock::now() - start, 2 * quickTiming().wait);
    ASSERT_EQ(prompt.retries.size(), 2u);
    EXPECT_NE(prompt.retries[0].find("tanaka"), std::string::npos) << prompt.retries[0];
    EXPECT_NE(prompt.retries[0].find("2026/12/01 09:15:00"), std::string::npos);
    EXPECT_EQ(readBytes(lockFile), content);
    EXPECT_TRUE(prompt.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Holders, LiveHolderTest,
                         ::testing::Values(LiveHolderCase{"RunningProgramOfThisComputer", false},
                                           LiveHolderCase{"OtherComputer", true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(DataFileLockTest, ABreakerThatEndedWhileBreakingDoesNotBlockTheNext) {
    TempFolder folder;
    FakePrompt prompt;
    const fs::path file = folder / "DocMaster.dat";
    const std::string ended = holderText(platform::computerName(), kEndedProcess);
    writeBytes(DataFileLock::lockPathOf(file), ended);
    writeBytes(folder / "DocMaster.dat.lock.break", ended);
    const DataFileLock lock(prompt, file, quickTiming());
    EXPECT_TRUE(lock.held());
    EXPECT_TRUE(prompt.retries.empty());
    EXPECT_FALSE(fs::exists(folder / "DocMaster.dat.lock.break"));
}

TEST(DataFileLockTest, AProgramThatEndedWhileHoldingIsReplacedAtOnce) {
    TempFolder folder;
    FakePrompt prompt;
    const fs::path file = folder / "DocMaster.dat";
    testing::ChildProcess holder({"/bin/sleep", "30"});
    writeBytes(DataFileLock::lockPathOf(file), holderText(platform::computerName(), holder.id()));
    holder.kill();
    const DataFileLock lock(prompt, file, quickTiming());
    EXPECT_TRUE(lock.held());
    EXPECT_TRUE(prompt.retries.empty());
}

}  // namespace
}  // namespace bunrako
