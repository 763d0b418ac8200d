#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ole_date_time.h"
#include "register/bunsho_ken_meibo_data.h"

namespace bunrako {

class Prompt;

// The stored (CP932) name of the department-table item whose ten-character
// code is given, "" when there is none.
using DepartmentNameLookup = std::function<std::string(std::string_view code)>;

// The title register (文書件名簿): its entries in file order and the file
// KenMeibo.dat ("BunshoKenMeiboVer200" and 1332-byte entries to the end of
// the file; the older untagged file of 1224-byte entries is read and
// converted). Every change reloads the file, changes the list and writes the
// whole file back after a ".da$" safety copy.
class CBunshoKenMeiboList {
  public:
    // What the last Load found in the file.
    struct LoadReport {
        enum class Format { notRead, current, legacy, foreign };
        Format format = Format::notRead;
        // The tag the file carried; empty for the older untagged file.
        std::string tag;
        // Bytes at the end that do not make a whole entry and were ignored.
        size_t droppedBytes = 0;
    };

    // calendarYearFlag: the register period of the settings
    // (m_nRegisterPeriod, 文書件名簿年度暦年管理).
    explicit CBunshoKenMeiboList(Prompt& prompt, int calendarYearFlag = 0)
        : listCalendarYearFlag(calendarYearFlag), m_prompt(prompt) {}

    // Non-zero: document numbers are counted per calendar year and entries
    // are removed only with the same calendarYearFlag.
    int listCalendarYearFlag;

    Prompt& prompt() const { return m_prompt; }

    std::vector<CBunshoKenMeiboData>& entries() {
        m_savedAt.reset();
        return m_entries;
    }
    const std::vector<CBunshoKenMeiboData>& entries() const { return m_entries; }

    // Replaces the entries with the file's; a missing file is created empty.
    // False, with the list kept, when the file will not open. A file whose
    // tag this program does not know is not read (true, list kept) and is
    // never overwritten by Save.
    bool Load(const std::filesystem::path& path);
    // Load, unless this list saved path itself less than `trustFor` ago and
    // has not changed since: it then holds what the file holds, and a tab
    // refilled right after a change is not read a second time. The age bound
    // keeps a later refill from missing other workstations' changes.
    bool LoadUnlessJustSaved(const std::filesystem::path& path,
                             std::chrono::milliseconds trustFor = kTrustOwnSave);
    static constexpr std::chrono::milliseconds kTrustOwnSave{2000};
    // Writes the safety copy and then the whole list in the current layout.
    // When the file will not open the user may retry or give up; giving up
    // returns false and leaves the file as it was.
    bool Save(const std::filesystem::path& path);
    // Copies the file to its ".da$" safety copy.
    bool BackupBeforeSave(const std::filesystem::path& path) const;
    // Overwrites the entry of the same section, year and number, or inserts
    // the record after the last entry of its section and year with a smaller
    // number (at the front when there is none).
    void AddOrReplace(const CBunshoKenMeiboData& record);
    // Stores a record in a data-disposal archive, where no entry may be lost:
    // an identical entry (the same bytes) is left as it is; an entry of the
    // same identity that differs stays, with the record inserted after it;
    // otherwise the record goes in as AddOrReplace puts it.
    void AddToArchive(const CBunshoKenMeiboData& record);
    // Removes the first entry of the same period kind, register year and
    // month, number text and section; false when none matched.
    bool Remove(const CBunshoKenMeiboData& target);
    // Reloads from path and gives one more than the largest number received
    // in the year of date ("" for an empty path).
    std::string NextDocumentNumber(const std::filesystem::path& path, const OleDateTime& date,
                                   int fiscalStartType);

    // The same for the entries in the list as they are (no re-read).
    std::string NextNumberInList(const OleDateTime& date, int fiscalStartType) const;

    // Writes KenMeibo.csv into folder (the program's folder when empty).
    bool ExportCsv(const std::filesystem::path& folder, const DepartmentNameLookup& departmentTable,
                   int westernDates, int fiscalStartType) const;
    // The bytes of KenMeibo.csv for the current entries.
    std::string CsvBytes(const DepartmentNameLookup& departmentTable, int westernDates,
                         int fiscalStartType) const;

    const LoadReport& lastLoad() const { return m_lastLoad; }

  private:
    Prompt& m_prompt;
    std::vector<CBunshoKenMeiboData> m_entries;
    LoadReport m_lastLoad;
    // Files found with a tag this program does not know, with that tag.
    std::map<std::filesystem::path, std::string> m_foreignFiles;
    // The file this list last saved, and when, if the list has not changed
    // since.
    struct Saved {
        std::filesystem::path file;
        std::chrono::steady_clock::time_point at;
    };
    std::optional<Saved> m_savedAt;
    // The file's bytes as last read or written. Kept, with its memory, for
    // the next read or write: on a register of a hundred thousand entries a
    // fresh buffer of its size costs more in page faults than the read.
    std::string m_fileImage;
};

}  // namespace bunrako
