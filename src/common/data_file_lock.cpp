#include "common/data_file_lock.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <random>
#include <thread>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/lock_holder.h"
#include "common/platform_files.h"
#include "common/prompt.h"
#include "common/texts.h"

namespace bunrako {

namespace fs = std::filesystem;
namespace ct = common::texts;
using SteadyClock = std::chrono::steady_clock;

namespace {

// A breaker holds the break file for milliseconds; one older than this was
// left by a breaker that stopped. Removing one too early is harmless: a
// breaker removes only the very lock file it judged.
constexpr auto kBreakFileLimit = std::chrono::seconds(5);
constexpr auto kFirstPause = std::chrono::milliseconds(5);
constexpr auto kLongestPause = std::chrono::milliseconds(50);

// The locks this process holds, by lock file, with the thread that holds each
// and how deeply. Lock files are created and removed under its mutex, so that
// a lock file naming this process is either in the table or left behind by
// an earlier process of the same number.
struct HeldLocks {
    struct Entry {
        std::thread::id owner;
        int depth = 0;
    };
    std::mutex mutex;
    std::map<fs::path, Entry> entries;
};

HeldLocks& heldLocks() {
    static HeldLocks locks;
    return locks;
}

fs::path keyOf(const fs::path& lockPath) {
    std::error_code error;
    fs::path key = fs::weakly_canonical(lockPath, error);
    if (error || key.empty()) key = fs::absolute(lockPath, error).lexically_normal();
    return key.empty() ? lockPath : key;
}

std::chrono::seconds ageOf(const fs::path& path) {
    std::error_code error;
    const auto written = fs::last_write_time(path, error);
    if (error) return std::chrono::seconds(0);
    return std::chrono::duration_cast<std::chrono::seconds>(fs::file_time_type::clock::now() -
                                                            written);
}

std::string readOrEmpty(const fs::path& path, bool& exists) {
    std::string bytes;
    const FileErrorCause cause = readWholeFile(path, bytes);
    exists = cause != FileErrorCause::fileNotFound;
    return bytes;
}

// Whether the break file was left by a breaker that stopped: a process of
// this computer that no longer runs, or any breaker long ago.
bool breakerStopped(const fs::path& breakPath) {
    bool exists = true;
    const std::optional<LockHolder> breaker = LockHolder::parse(readOrEmpty(breakPath, exists));
    if (!exists) return false;
    if (breaker && breaker->onThisComputer() && breaker->process != platform::processId() &&
        !platform::processExists(breaker->process)) {
        return true;
    }
    return ageOf(breakPath) >= kBreakFileLimit;
}

// Pauses between attempts grow and vary, so that waiting writers do not
// retry in step.
class Pauses {
  public:
    void pause() {
        std::uniform_int_distribution<int> spread(0, static_cast<int>(m_next.count()));
        std::this_thread::sleep_for(m_next + std::chrono::milliseconds(spread(m_random)));
        m_next = std::min(m_next * 2, kLongestPause);
    }

  private:
    std::chrono::milliseconds m_next = kFirstPause;
    std::minstd_rand m_random{std::random_device{}()};
};

}  // namespace

// Touches the lock file while it is held, so that other computers see that
// its holder is still there.
class DataFileLock::Refresher {
  public:
    Refresher(fs::path lockPath, std::chrono::seconds every)
        : m_thread([this, lockPath = std::move(lockPath), every] { run(lockPath, every); }) {}
    ~Refresher() {
        {
            std::lock_guard guard(m_mutex);
            m_stop = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

  private:
    void run(const fs::path& lockPath, std::chrono::seconds every) {
        std::unique_lock guard(m_mutex);
        while (!m_wake.wait_for(guard, every, [this] { return m_stop; })) {
            std::error_code ignored;
            fs::last_write_time(lockPath, fs::file_time_type::clock::now(), ignored);
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

// A lock file as read: its text and when it was written. Two lock files of
// the same text (two that are still empty, say) differ in their times.
struct DataFileLock::LockFileState {
    bool exists = false;
    std::string content;
    fs::file_time_type written;

    bool sameFile(const LockFileState& other) const {
        return exists && other.exists && content == other.content && written == other.written;
    }
};

// What a waiter saw of a lock file that names no holder, and since when.
struct DataFileLock::Sighting {
    bool seen = false;
    LockFileState state;
    SteadyClock::time_point since;
};

DataFileLock::LockFileState DataFileLock::readLockFile() const {
    LockFileState state;
    std::error_code error;
    state.written = fs::last_write_time(m_lockPath, error);
    if (error) return state;
    state.content = readOrEmpty(m_lockPath, state.exists);
    return state;
}

fs::path DataFileLock::lockPathOf(const fs::path& dataFile) {
    fs::path lock = dataFile;
    lock += ct::kLockSuffix;
    return lock;
}

DataFileLock::DataFileLock(Prompt& prompt, const fs::path& dataFile, const LockTiming& timing)
    : m_prompt(prompt),
      m_dataFile(dataFile),
      m_lockPath(lockPathOf(dataFile)),
      m_key(keyOf(m_lockPath)),
      m_timing(timing) {
    // A list without a file yet has nothing to protect.
    if (dataFile.empty()) {
        m_held = true;
        return;
    }
    if (enterNested()) {
        m_held = true;
        m_nested = true;
        return;
    }
    m_text = LockHolder::ofThisProcess().text();
    m_held = acquire();
}

DataFileLock::~DataFileLock() { release(); }

bool DataFileLock::enterNested() {
    HeldLocks& locks = heldLocks();
    std::lock_guard guard(locks.mutex);
    const auto found = locks.entries.find(m_key);
    if (found == locks.entries.end() || found->second.owner != std::this_thread::get_id()) {
        return false;
    }
    ++found->second.depth;
    return true;
}

bool DataFileLock::acquire() {
    auto deadline = SteadyClock::now() + m_timing.wait;
    Sighting sighting;
    Pauses pauses;
    for (;;) {
        FileErrorCause cause = FileErrorCause::none;
        platform::CreateResult created;
        {
            HeldLocks& locks = heldLocks();
            std::lock_guard guard(locks.mutex);
            created = platform::createExclusively(m_lockPath, m_text, cause);
            if (created == platform::CreateResult::created) {
                locks.entries[m_key] = {std::this_thread::get_id(), 1};
            }
        }
        if (created == platform::CreateResult::created) {
            m_owned = true;
            m_refresher = std::make_unique<Refresher>(m_lockPath, m_timing.refreshEvery);
            return true;
        }
        if (created == platform::CreateResult::failed) return true;  // no lock can be made here

        const LockFileState seen = readLockFile();
        if (!seen.exists) continue;  // released in between
        if (isLeftBehind(seen, sighting) && breakLeftBehind(seen)) continue;
        if (SteadyClock::now() >= deadline) {
            if (!m_prompt.retryOrGiveUp(heldByMessage(seen.content))) return false;
            deadline = SteadyClock::now() + m_timing.wait;
            continue;
        }
        pauses.pause();
    }
}

bool DataFileLock::isLeftBehind(const LockFileState& seen, Sighting& sighting) const {
    const std::optional<LockHolder> holder = LockHolder::parse(seen.content);
    if (!holder) {
        // Its writer may be between creating the file and writing it: only
        // the same file staying without a holder is left behind.
        if (!sighting.seen || !sighting.state.sameFile(seen)) {
            sighting = {true, seen, SteadyClock::now()};
            return false;
        }
        return SteadyClock::now() - sighting.since >= m_timing.unreadableGrace;
    }
    if (!holder->onThisComputer()) return ageOf(m_lockPath) >= m_timing.staleAfter;
    if (holder->process == platform::processId()) {
        HeldLocks& locks = heldLocks();
        std::lock_guard guard(locks.mutex);
        return !locks.entries.contains(m_key);
    }
    return !platform::processExists(holder->process);
}

// Removes a lock left behind; true when the lock file changed, so that
// taking the lock may be tried again at once. One breaker at a time holds the
// break file and removes the lock only when it still is the one judged, so
// that a lock just taken by a live writer is never removed.
bool DataFileLock::breakLeftBehind(const LockFileState& judged) {
    fs::path breakPath = m_dataFile;
    breakPath += ct::kLockBreakSuffix;
    FileErrorCause cause = FileErrorCause::none;
    const platform::CreateResult created = platform::createExclusively(breakPath, m_text, cause);
    std::error_code ignored;
    if (created == platform::CreateResult::failed) return false;
    if (created == platform::CreateResult::alreadyExists) {
        // Another writer is breaking it; the waiting goes on.
        if (breakerStopped(breakPath)) fs::remove(breakPath, ignored);
        return false;
    }
    const bool stillJudged = readLockFile().sameFile(judged);
    const bool removed = stillJudged && fs::remove(m_lockPath, ignored);
    if (removed) {
        m_prompt.showMessage(leftBehindNote(judged.content), {}, MessageIcon::information);
    }
    fs::remove(breakPath, ignored);
    // A lock that will not go is waited for and asked about like a live one.
    return removed || !stillJudged;
}

std::string DataFileLock::leftBehindNote(const std::string& content) const {
    const std::string path = pathToUtf8(m_dataFile);
    const std::optional<LockHolder> holder = LockHolder::parse(content);
    if (!holder) return path + ct::kUnreadableLockRemoved;
    if (holder->onThisComputer()) {
        return path + formatPrintf(ct::kStaleLockOfEndedProgram, holder->computer.c_str(),
                                   holder->user.c_str(), holder->since.c_str());
    }
    const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(m_timing.staleAfter);
    return path + formatPrintf(ct::kStaleLockNotRefreshed, holder->computer.c_str(),
                               holder->user.c_str(), holder->since.c_str(),
                               static_cast<long long>(minutes.count()));
}

std::string DataFileLock::heldByMessage(const std::string& content) const {
    const std::string path = pathToUtf8(m_dataFile);
    const std::optional<LockHolder> holder = LockHolder::parse(content);
    if (!holder) return path + ct::kLockHeldByUnknown;
    return path + formatPrintf(ct::kLockHeldBy, holder->computer.c_str(), holder->user.c_str(),
                               holder->since.c_str());
}

void DataFileLock::release() {
    if (!m_held) return;
    HeldLocks& locks = heldLocks();
    if (m_nested) {
        std::lock_guard guard(locks.mutex);
        --locks.entries[m_key].depth;
        return;
    }
    if (!m_owned) return;
    m_refresher.reset();
    std::lock_guard guard(locks.mutex);
    // A lock broken as left behind and taken by another writer is theirs.
    bool exists = true;
    if (readOrEmpty(m_lockPath, exists) == m_text) {
        std::error_code ignored;
        fs::remove(m_lockPath, ignored);
    }
    locks.entries.erase(m_key);
}

}  // namespace bunrako
