#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/ole_date_time.h"
#include "volumes/volume_choices.h"

namespace bunrako {

class Prompt;

// What the example line of the blank import form shows: the section in use
// and names from the office's own tables, so that the line converts as it
// stands and shows the clerk every cell in the form the import reads.
struct ExcelBosatuFormExample {
    std::string department;
    std::string section;
    std::string major;
    std::string middle;
    std::string minor;
    // Years of retention (1-98).
    int retentionYears = 10;

    // The section in use, the first classification path of the table and
    // its first retention type of 1-98 years (10 when it has none).
    static ExcelBosatuFormExample FromChoices(const VolumeChoices& choices, std::string department,
                                              std::string section);
};

// The blank import form this program offers instead of a spreadsheet
// template: the header line of the import CSV and one example line of the
// fiscal year of today, as CP932 text with CR LF lines. The clerk opens it
// in the spreadsheet, fills it and saves it as CSV.
std::string ExcelBosatuBlankFormBytes(int calendarMode, int periodType, const OleDateTime& today,
                                      const ExcelBosatuFormExample& example);

// Writes the blank form to file (replacing it); false when it could not be
// written (told through the prompt).
bool WriteExcelBosatuBlankForm(Prompt& prompt, const std::filesystem::path& file,
                               const std::string& bytes);

// The rules of the import dialog (簿冊データ簡易登録): the spreadsheet path,
// the CSV read from it, the order of the three steps.
class ExcelBosatuForm {
  public:
    enum class Step { read, convert, store };

    // path: the remembered spreadsheet path.
    explicit ExcelBosatuForm(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }
    // A new path starts the steps over.
    void setPath(std::string path);

    // The CSV the import reads: a chosen ".csv" itself, otherwise
    // "文書整理一覧表一括入力用標準様式.csv" in the spreadsheet's folder.
    std::filesystem::path csvPath() const;
    // Where the blank form goes: the CSV the import would read.
    std::filesystem::path blankFormPath() const { return csvPath(); }

    // Whether a step's button may be pressed: reading at any time, the
    // conversion after rows were read, the store after volumes converted.
    bool canRun(Step step) const;
    // What a step found (the count of rows read or volumes converted).
    void stepDone(Step step, bool done, size_t count);
    // The check before reading: a path given and its CSV there.
    std::optional<std::string> validateRead() const;
    // The check before opening the spreadsheet: the file is there.
    std::optional<std::string> validateOpen() const;

    static const char* fileFilter();

  private:
    std::string m_path;
    size_t m_rowsRead = 0;
    size_t m_converted = 0;
    bool m_read = false;
    bool m_convertedDone = false;
};

}  // namespace bunrako
