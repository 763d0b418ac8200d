#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace bunrako {

class Prompt;

// How long a writer waits and when a lock counts as left behind.
struct LockTiming {
    // A writer waits this long for another holder before it asks the user.
    std::chrono::milliseconds wait{10000};
    // A lock of another computer whose file was not refreshed this long is
    // left behind by a computer that stopped.
    std::chrono::seconds staleAfter{600};
    // The holder refreshes its lock file this often while it holds it.
    std::chrono::seconds refreshEvery{60};
    // A lock file that names no holder (its writer stopped while creating it)
    // is left behind once it has stayed so this long.
    std::chrono::milliseconds unreadableGrace{2000};
};

// The write lock of one data file across processes and workstations: a lock
// file created exclusively beside the data file ("DocMaster.dat.lock"),
// naming the holder's computer, user, process and the time it took the lock.
// Held from construction (when held() says so) to destruction; a change takes
// it before re-reading the file and keeps it until the file is written.
//
// While another holder has the file the writer waits, then the prompt says
// who holds it since when and offers retry or give up. A lock whose holder is
// gone (a process of this computer that no longer runs, or another
// computer's lock not refreshed for staleAfter) is removed with a note.
// Within one process the lock is re-entrant per thread, so that a change
// holding it can call the writers that take it too. Where no lock file can be
// made at all (a folder that allows no new files) the writer goes on without
// one, as programs that know nothing of the lock do.
class DataFileLock {
  public:
    DataFileLock(Prompt& prompt, const std::filesystem::path& dataFile,
                 const LockTiming& timing = {});
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    // False when the user gave up waiting: nothing may be written.
    bool held() const { return m_held; }
    static std::filesystem::path lockPathOf(const std::filesystem::path& dataFile);

  private:
    class Refresher;
    struct Sighting;
    struct LockFileState;

    bool enterNested();
    bool acquire();
    LockFileState readLockFile() const;
    bool isLeftBehind(const LockFileState& seen, Sighting& sighting) const;
    bool breakLeftBehind(const LockFileState& judged);
    std::string leftBehindNote(const std::string& content) const;
    std::string heldByMessage(const std::string& content) const;
    void release();

    Prompt& m_prompt;
    std::filesystem::path m_dataFile;
    std::filesystem::path m_lockPath;
    std::filesystem::path m_key;
    LockTiming m_timing;
    std::string m_text;
    bool m_held = false;
    bool m_nested = false;
    bool m_owned = false;
    std::unique_ptr<Refresher> m_refresher;
};

}  // namespace bunrako
