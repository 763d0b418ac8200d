#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "volumes/doc_master_data.h"
#include "volumes/excel_bosatu_csv_reader.h"
#include "volumes/excel_bosatu_error_lists.h"

namespace bunrako {

class CSetteiKoumokuList;
class Prompt;
class Shell;

// The bulk import of volumes from the spreadsheet CSV in three steps, as the
// dialog 簿冊データ簡易登録 runs them one button at a time and bunrako-tool
// runs them in a row: read the CSV, convert the rows with the masters, store
// the volumes in the volume file. Each of the first two steps writes its
// error list beside the CSV; lines and rows it lists never stop the import.
class CExcelBosatuImport {
  public:
    // Percent of the whole import, 0-100, each time it changes.
    using Progress = std::function<void(int percent)>;

    struct StepReport {
        // False when the step could not run (a file that would not open or
        // be written; told through the prompt).
        bool done = false;
        // Rows read, volumes converted, or volumes stored.
        size_t count = 0;
        // Entries of the step's error list, and how many of them were left
        // out (the others were taken with a text cut to its field).
        size_t listed = 0;
        size_t leftOut = 0;
        // The error list written; empty when it could not be written.
        std::filesystem::path errorList;
    };

    // calendarMode 0 era, 1 Western years; periodType the management period
    // type (both from the settings of the section).
    CExcelBosatuImport(int calendarMode, int periodType, const CSetteiKoumokuList& department,
                       const CSetteiKoumokuList& classification,
                       const CSetteiKoumokuList& retention);

    void SetProgress(Progress progress) { m_progress = std::move(progress); }

    // Step 1: reads the CSV and writes ErrorExcelBosatu.txt beside it.
    StepReport ReadCsv(Prompt& prompt, const std::filesystem::path& csv);
    // Step 2: converts the rows read and writes ErrorExcelBosatuHenkan.txt
    // beside the CSV. Not done before a CSV was read.
    StepReport Convert(Prompt& prompt);
    // Step 3: re-reads the volume file (another workstation may have added
    // volumes since it was shown), stores every converted volume in it
    // (numbering them, a volume of the same year, title, department and
    // section replacing the stored one), sorts it and writes it once.
    StepReport Store(Prompt& prompt, const std::filesystem::path& volumeFile);

    const ExcelBosatuReadResult& ReadResult() const { return m_read; }
    const std::vector<CDocMasterData>& Volumes() const { return m_volumes; }
    const std::vector<ExcelBosatuFailedRow>& FailedRows() const { return m_failed; }

    // The dialog's messages after each step; an error list that lists
    // anything is opened for the user.
    static void ShowReadReport(Prompt& prompt, Shell& shell, const StepReport& report);
    static void ShowConvertReport(Prompt& prompt, Shell& shell, const StepReport& report);
    // Shown before step 3.
    static void ShowStoreNotice(Prompt& prompt);
    static void ShowStoreReport(Prompt& prompt, const StepReport& report);

  private:
    void progress(int percent);
    bool writeErrorList(Prompt& prompt, const char* name, const std::string& bytes,
                        StepReport& report) const;

    int m_calendarMode;
    int m_periodType;
    const CSetteiKoumokuList& m_department;
    const CSetteiKoumokuList& m_classification;
    const CSetteiKoumokuList& m_retention;
    Progress m_progress;
    int m_lastPercent = -1;
    bool m_csvRead = false;
    std::filesystem::path m_csvFolder;
    ExcelBosatuReadResult m_read;
    std::vector<CDocMasterData> m_volumes;
    std::vector<ExcelBosatuFailedRow> m_failed;
};

}  // namespace bunrako
