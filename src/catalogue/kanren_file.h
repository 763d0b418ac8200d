#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/kanren_file_data.h"
#include "common/read_report.h"

namespace bunrako {

struct CDocMasterData;
class Prompt;

// The related files of one document, newest first, bound to the document's
// list file: an archive of the tag "Ver20090801" and then the records to the
// end of the file, no count.
class CKanrenFile {
  public:
    explicit CKanrenFile(Prompt& prompt, std::filesystem::path filePath = {});

    const std::filesystem::path& filePath() const { return m_filePath; }
    void setFilePath(std::filesystem::path filePath) { m_filePath = std::move(filePath); }
    const std::vector<CKanrenFileData>& records() const { return m_records; }
    const ReadReport& readReport() const { return m_report; }

    // The list of an index catalogue entry: beside the year folders, in the
    // 索引目録データ folder of the volume, named after the entry's subject.
    static std::filesystem::path PathForCatalogueEntry(const std::filesystem::path& catalogueFile,
                                                       std::string_view subjectUtf8);
    // The list of a title-register document filed in the volume: the same
    // place, found from the volume file and the volume record.
    static std::filesystem::path PathForRegisterDocument(const std::filesystem::path& volumeFile,
                                                         const CDocMasterData& volume,
                                                         std::string_view subjectUtf8);

    // Empties the list and reads the file, creating it empty when missing.
    // 1 on success (an empty file and a file of another version read as an
    // empty list); 0 with no path, a file that will not open, or one that
    // could not be read through (the complete records stay).
    int Load();
    // Writes the tag and every record. 0 when the file will not open, or when
    // the file on disk must not be written over (another version, a damaged
    // archive): a message names the file and it stays untouched.
    int Save();
    // Reload; replace the record with the same key or append; newest first;
    // save.
    int AddOrUpdate(const CKanrenFileData& record);
    // Reload; remove the record with the same key; save.
    int Remove(const CKanrenFileData& record);

  private:
    void sortNewestFirst();

    Prompt& m_prompt;
    std::filesystem::path m_filePath;
    std::vector<CKanrenFileData> m_records;
    ReadReport m_report;
};

}  // namespace bunrako
