// Several workstations changing one shared data folder at the same time, and
// writers stopped dead in the middle of a write.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "register/bunsho_ken_meibo_list.h"
#include "support/child_process.h"
#include "support/fake_prompt.h"
#include "support/shared_folder_records.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "volumes/doc_master_list.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::ChildProcess;
using testing::FakePrompt;
using testing::TempFolder;

constexpr int kWriters = 8;
constexpr int kChangesEach = 200;

std::unique_ptr<ChildProcess> startWorker(const std::vector<std::string>& args) {
    std::vector<std::string> command = {BUNRAKO_SHARED_FOLDER_WORKER};
    command.insert(command.end(), args.begin(), args.end());
    return std::make_unique<ChildProcess>(command);
}

TEST(SharedFolderTest, WritersAtTheSameTimeLoseNothing) {
    TempFolder folder;
    const fs::path volumeFile = folder / "DocMaster.dat";
    const fs::path registerFile = folder / "KenMeibo.dat";
    std::vector<std::unique_ptr<ChildProcess>> workers;
    for (int w = 0; w < kWriters; ++w) {
        const std::string count = std::to_string(kChangesEach);
        workers.push_back(
            startWorker({"volumes", pathToUtf8(volumeFile), count, "v" + std::to_string(w)}));
        workers.push_back(
            startWorker({"register", pathToUtf8(registerFile), count, "r" + std::to_string(w)}));
    }
    for (const auto& worker : workers) EXPECT_EQ(worker->wait(), 0);

    constexpr size_t kExpected = kWriters * kChangesEach;
    FakePrompt prompt;
    CDocMasterList volumes(volumeFile, prompt);
    ASSERT_EQ(volumes.Read(), 1);
    std::set<std::string> titles, numbers;
    for (const CDocMasterData& volume : volumes.records()) {
        titles.insert(volume.title());
        numbers.insert(volume.kanriBangou());
    }
    EXPECT_EQ(titles.size(), kExpected);
    // One section, one classification: every volume has its own serial.
    EXPECT_EQ(numbers.size(), kExpected);

    CBunshoKenMeiboList entries(prompt);
    ASSERT_TRUE(entries.Load(registerFile));
    std::set<std::string> subjects, documentNumbers;
    for (const CBunshoKenMeiboData& entry : entries.entries()) {
        subjects.insert(entry.subjectText());
        documentNumbers.insert(entry.documentNumberText());
    }
    EXPECT_EQ(subjects.size(), kExpected);
    EXPECT_EQ(documentNumbers.size(), kExpected);

    EXPECT_EQ(testing::runTool({"check", pathToUtf8(folder.path())}).status, 0);
    EXPECT_FALSE(fs::exists(DataFileLock::lockPathOf(volumeFile)));
    EXPECT_FALSE(fs::exists(DataFileLock::lockPathOf(registerFile)));
}

TEST(SharedFolderTest, AWriterKilledAnywhereLeavesTheOldFileOrTheNewOne) {
    TempFolder folder;
    const fs::path file = folder / "DocMaster.dat";
    const fs::path safetyCopy = safetyCopyPath(file);
    {
        // A file that is there before the first writer starts.
        FakePrompt prompt;
        CDocMasterList list(file, prompt);
        for (const CDocMasterData& volume : testing::generationVolumes(1000)) {
            list.AddOrReplace(volume, true);
        }
        ASSERT_EQ(list.Write(), 1);
    }
    std::mt19937 random(17);
    std::uniform_int_distribution<int> delay(5, 80);
    for (int kill = 0; kill < 30; ++kill) {
        auto writer = startWorker({"rewrite", pathToUtf8(file)});
        std::this_thread::sleep_for(std::chrono::milliseconds(delay(random)));
        writer->kill();
        EXPECT_TRUE(testing::completeGeneration(testing::readBytes(file))) << "kill " << kill;
        if (fs::exists(safetyCopy)) {
            EXPECT_TRUE(testing::completeGeneration(testing::readBytes(safetyCopy)))
                << "kill " << kill;
        }
    }
    // A lock the last writer may have left is broken; the next change goes
    // through without asking.
    FakePrompt prompt;
    CDocMasterList list(file, prompt);
    EXPECT_EQ(list.AddOrReplace(testing::sharedFolderVolume("after the kills")), 1);
    EXPECT_TRUE(prompt.retries.empty());
    EXPECT_FALSE(fs::exists(DataFileLock::lockPathOf(file)));
}

}  // namespace
}  // namespace bunrako
