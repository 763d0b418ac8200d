#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/my_tool.h"
#include "common/read_report.h"
#include "volumes/doc_master_data.h"
#include "volumes/management_number.h"

namespace bunrako {

class Prompt;
class VolumeNumberIndex;

// The volumes of one volume file (DocMaster.dat, HaikiDoc.dat or a data-
// disposal archive): a 4-byte record count, then 656-byte records back to
// back. Every change re-reads the file, applies the change and writes the
// whole file back after a ".da$" safety copy.
//
// The list keeps the file's image itself and its records in place inside it:
// a volume file of decades of volumes is read and written without a second
// copy of it in memory.
class CDocMasterList {
  public:
    // An empty path means "DocMaster.dat" in the current folder.
    CDocMasterList(std::filesystem::path path, Prompt& prompt);
    ~CDocMasterList();
    CDocMasterList(const CDocMasterList&) = delete;
    CDocMasterList& operator=(const CDocMasterList&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    Prompt& prompt() const { return m_prompt; }
    std::span<const CDocMasterData> records() const;
    size_t size() const { return (m_image.size() - kCountSize) / CDocMasterData::kSize; }
    bool empty() const { return size() == 0; }
    const CDocMasterData& operator[](size_t index) const { return records()[index]; }

    // Replaces the list with the file's volumes (creating a missing file
    // empty), each management number normalised. 1 when every counted
    // record was read; 0 for a file without a count word, a truncated file
    // (the complete records stay in the list) or a file that would not open.
    int Read();
    const ReadReport& lastRead() const { return m_lastRead; }
    // Read, unless this list wrote the file itself less than `trustFor` ago
    // and has not changed since: its image is then what the file holds, and
    // a list refilled right after a change is not read a second time. The
    // age bound keeps a later refill from missing other workstations'
    // changes.
    int RefreshFromFile(std::chrono::milliseconds trustFor = kTrustOwnWrite);
    // Read before a change of many volumes (the caller holds the file's
    // lock): false only when the file would not open, which must then not be
    // overwritten with what little the list holds.
    bool ReadForChange() {
        Read();
        return m_lastRead.opened();
    }
    // How many times Read tries to open the file (4 unless changed).
    void setReadAttempts(int attempts) { m_readAttempts = attempts; }

    // Writes the whole list after the safety copy. 0 when the user gave up on
    // a file that would not open: the file and its safety copy stay as they
    // were.
    int Write();

    // Stores a volume: re-reads the file, replaces the volume of the same
    // creation year, title, department and section (keeping its number) or
    // appends it with the next serial of its number prefix, creates its
    // folder tree, sorts and writes. With noFileAccess only the list changes
    // (the caller sorts and writes at the end). 0 when the file could not be
    // read or written, or the prefix has no serial left. The fiscal-year
    // switch numbers its copies with the department code padded to ten.
    int AddOrReplace(const CDocMasterData& volume, bool noFileAccess = false,
                     DepartmentDigits department = DepartmentDigits::firstSix);

    // Re-reads the file and removes the first volume that matches in
    // creation year, the three classification names, title, department and
    // section, then writes. 0 when the read failed or nothing matched (the
    // file is then left alone).
    int Remove(const CDocMasterData& volume);
    // Removes many volumes with one read and one write: for each, the first
    // volume that matches as Remove matches. Volumes that match nothing are
    // passed over (nothing is written when none matched). 0 only when the
    // file could not be read whole or written; the file is then left alone.
    bool RemoveVolumes(std::span<const CDocMasterData> volumes);

    // Puts the list in the order of the volume files.
    void sort();
    // The folder tree of a volume below the folder of this list's file.
    void createFolderTree(const CDocMasterData& volume) const;
    std::filesystem::path catalogueFolder(const CDocMasterData& volume) const;

    static constexpr std::chrono::milliseconds kTrustOwnWrite{2000};

  private:
    static constexpr size_t kCountSize = 4;
    using Steady = std::chrono::steady_clock;

    std::span<CDocMasterData> mutableRecords();
    void clearImage();
    void takeCountedRecords();
    std::optional<size_t> findSameVolume(const CDocMasterData& volume) const;
    std::optional<int> chooseSerial(std::string_view prefix, std::string_view title) const;
    void invalidateIndex();

    std::filesystem::path m_path;
    Prompt& m_prompt;
    const CMyTool m_tool;
    // The count word (written by Write), then the records.
    std::string m_image;
    ReadReport m_lastRead;
    int m_readAttempts = 4;
    // Built on the second add since the list was read, sorted or shortened;
    // a single add scans instead, which is cheaper than building.
    std::unique_ptr<VolumeNumberIndex> m_index;
    int m_addsWithoutIndex = 0;
    // When this list last wrote its file, if the image has not changed since.
    std::optional<Steady::time_point> m_writtenAt;
};

}  // namespace bunrako
