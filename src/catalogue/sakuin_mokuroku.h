#pragma once

#include <filesystem>
#include <vector>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "common/read_report.h"

namespace bunrako {

class Clock;
class Prompt;
struct CDocMasterData;

// The index catalogue (索引目録) of one volume: its header and its entries in
// ascending order of reception date, bound to one file. Every change reloads
// the file first and saves it at once; nothing stays unsaved.
class CSakuinMokuroku {
  public:
    // An empty path means the bare name "SakuinMokuroku.dat".
    CSakuinMokuroku(Prompt& prompt, const Clock& clock, std::filesystem::path filePath = {});

    const std::filesystem::path& filePath() const { return m_filePath; }
    void setFilePath(std::filesystem::path filePath);

    CSakuinMokurokuHeader& header() { return m_header; }
    const CSakuinMokurokuHeader& header() const { return m_header; }
    const std::vector<CSakuinMokurokuList>& entries() const { return m_entries; }
    // The volume whose catalogue this is; not owned. Set before OpenForVolume.
    void setVolume(const CDocMasterData* volume) { m_volume = volume; }
    const CDocMasterData* volume() const { return m_volume; }
    // How the last Load went.
    const ReadReport& readReport() const { return m_report; }

    // Points the catalogue at the volume's file: creates the volume's folder
    // tree and moves a catalogue that an earlier release kept one level
    // higher (…\タイトル\<year folder>) into the 索引目録データ folder. The
    // old folder goes only when every file of it has been copied and none
    // would replace a different file of the same name; otherwise it stays and
    // the clerk is told. 0 only when no volume is set.
    int OpenForVolume(const std::filesystem::path& volumeFile);

    // Reads the file into header and entries, converting older versions.
    // 1 on success; 0 when the file is missing (silently: a volume without a
    // catalogue yet is normal), empty or could not be read through. A file
    // of an unknown version loads as an empty catalogue with 1.
    int Load();
    // Writes the newest version after the ".da$" safety copy. 0 when the
    // file will not open, or when the file on disk is one this program must
    // not write over (an unknown version, a damaged old archive): then a
    // message names the file and it stays untouched.
    int Save();

    // i + 1 when entry i is the same document; ~i when entry i is the first
    // one received later (insert before it); 0 to append at the end.
    int Find(const CSakuinMokurokuList& entry) const;
    // Reloads, puts the entry in its place (after entries of the same date;
    // the same document is replaced in place) and saves. The entry's index,
    // or -1 when the save failed.
    int AddOrReplace(CSakuinMokurokuList entry);
    // Reloads, removes the same document if there, and saves. The index of
    // the entry before the removed one, or -1 (also when the save failed).
    int Remove(CSakuinMokurokuList entry);

    // Copies into the header every identifying field of the volume that
    // differs from it and saves when any did. 0 when that save failed.
    int SyncHeaderFromVolume(const CDocMasterData& volume);

  private:
    void clear();

    Prompt& m_prompt;
    const Clock& m_clock;
    std::filesystem::path m_filePath;
    CSakuinMokurokuHeader m_header;
    std::vector<CSakuinMokurokuList> m_entries;
    ReadReport m_report;
    const CDocMasterData* m_volume = nullptr;
};

}  // namespace bunrako
