#pragma once

#include <filesystem>
#include <vector>

#include "catalogue/touroku_tyouhyou_data.h"
#include "common/read_report.h"

namespace bunrako {

class Prompt;

// The registered forms (TourokuTyouhyou.dat) in file order: a 15-byte tag
// "Ver20030101", a 4-byte count and the 597-byte records.
class CTourokuTyouhyou {
  public:
    // Binds the list to its file and loads it.
    CTourokuTyouhyou(Prompt& prompt, std::filesystem::path filePath);

    // TourokuTyouhyou.dat in the given folder (the shared settings folder).
    static std::filesystem::path FileInFolder(const std::filesystem::path& folder);

    const std::filesystem::path& filePath() const { return m_filePath; }
    const std::vector<CTourokuTyouhyouData>& records() const { return m_records; }
    const ReadReport& readReport() const { return m_report; }

    // 1 when the list is what the file holds: complete, missing or empty (an
    // empty list), or of another version (an empty list, never written
    // over). 0 when the file would not open or was cut short (the complete
    // records stay) or its count is impossible.
    int Load();
    // Writes the tag, the count and every record. 0 when the file will not
    // open or must not be written over (a message names it).
    int Save();
    // Reload; replace the record of the same title in its place or append;
    // save.
    int AddOrReplace(const CTourokuTyouhyouData& record);
    // Reload; remove the record of the same title; save.
    int Remove(const CTourokuTyouhyouData& record);

  private:
    Prompt& m_prompt;
    std::filesystem::path m_filePath;
    std::vector<CTourokuTyouhyouData> m_records;
    ReadReport m_report;
};

}  // namespace bunrako
