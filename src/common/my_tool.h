#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_error.h"
#include "common/ole_date_time.h"

namespace bunrako {

class Prompt;
class Shell;

// Runs the desktop's file dialog; the desktop program fills it in, the core
// only prepares the folder and the proposed name.
class FileBrowser {
  public:
    virtual ~FileBrowser() = default;
    // Returns the chosen full path, or "" when cancelled.
    virtual std::string browse(const std::string& folder, const std::string& fileName,
                               const std::string& defaultExtension, const std::string& filter,
                               bool open) = 0;
};

// The ten numbers of a saved window placement, in their stored order.
struct WindowPlacement {
    int flags = 0;
    int showCommand = 0;
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// The utility class: the calendar (eras, fiscal years, date texts) and the
// file, folder, outside-program and window-placement helpers. Built as a
// local object wherever it is needed; its era table is read-only.
//
// Date texts are 10 characters: Western "YYYY,MM,DD", era "E,YY,MM,DD".
// Display texts are UTF-8 in memory; the buffer variants write CP932 into
// the fixed buffers of the records (11 and 17 bytes).
// How RunProgram starts a program; the numbers are the stored modes.
enum class RunMode : int {
    startAndWait = 0,  // start the program and wait until it ends
    start = 1,         // start the program and go on
    open = 2,          // open the file with the desktop's association
    print = 3,         // print the file with the desktop's association
};

class CMyTool {
  public:
    CMyTool();

    // ---- Calendar -------------------------------------------------------
    int EraCount() const { return static_cast<int>(m_eraNames.size()); }
    // 1-based era number; "" outside the table.
    std::string EraName(int era) const;
    std::string EraInitial(int era) const;
    // The era number of a date, 0 on or before the first boundary (or invalid).
    int EraOfDate(const OleDateTime& date) const;

    std::string WesternToEraText(std::string_view western) const;
    std::string EraToWesternText(std::string_view era) const;
    std::string DateToEraText(const OleDateTime& date) const;
    std::string DateToEraText(const OleDateTime& date, char (&buffer)[11]) const;
    void WesternToEraTextInPlace(char (&buffer)[11]) const;
    void EraToWesternTextInPlace(char (&buffer)[11]) const;
    OleDateTime WesternTextToDate(std::string_view western) const;
    OleDateTime EraTextToDate(std::string_view era) const;

    // form: 0 year-month-day, 1 year-month, 2 year.
    std::string FormatEraDate(std::string_view era, int form, bool pad = false) const;
    std::string FormatEraDateShort(std::string_view era, int form) const;
    void FormatEraDateBuffer(std::string_view era, char (&buffer)[17]) const;
    void FormatDateBuffer(const OleDateTime& date, char (&buffer)[17]) const;
    std::string FormatDate(const OleDateTime& date, int form, bool pad = false) const;

    // periodType: 0 April, 1 July, 2 October, 3 January start.
    OleDateTime FiscalLabelDate(const OleDateTime& date, int periodType) const;
    OleDateTime FiscalYearStart(const OleDateTime& date, int periodType) const;
    OleDateTime FiscalYearEnd(const OleDateTime& date, int periodType) const;
    OleDateTime FiscalStartFromEraYear(int era, int eraYear, int periodType) const;
    OleDateTime FiscalStartFromYear(int year, int periodType) const;

    // ---- Files, folders and programs -------------------------------------
    // The folder of the running program, with its trailing separator.
    static std::string GetProgramFolder();

    // True when the cause is none; otherwise false and, with show set, the
    // label followed by the cause text goes through the prompt.
    static bool CheckFileError(Prompt& prompt, FileErrorCause cause, const std::string& label,
                               bool show);
    static bool CheckArchiveError(Prompt& prompt, ArchiveErrorCause cause, const std::string& label,
                                  bool show);

    // Returns 1 on success.
    static int RunProgram(Shell& shell, Prompt& prompt, const std::string& program, RunMode mode,
                          const std::string& argument);
    // The message for a shell error code of modes 2 and 3 ("" for codes
    // without one).
    static std::string ShellErrorText(int code);

    static std::string BrowseFile(FileBrowser& browser, const std::string& defaultExtension,
                                  const std::string& proposedPath, const std::string& filter,
                                  bool open);

    static bool FolderExists(const std::string& path);
    static void ListFolderTree(const std::string& folder, std::vector<std::string>& entries);
    static bool DeleteFolderTree(Prompt& prompt, const std::string& folder);
    static bool CopyEntry(const std::string& source, const std::string& destination);
    static bool CopyFolderTree(const std::string& source, const std::string& destination);

    static std::string GetOsDescription();

    // "%i:" ten times; a text with fewer than ten numbers gives nothing.
    static std::string FormatWindowPlacement(const WindowPlacement& placement);
    static std::optional<WindowPlacement> ParseWindowPlacement(std::string_view text);

  private:
    std::vector<std::string> m_eraNames;
    std::vector<std::string> m_eraInitials;
    std::vector<std::string> m_eraBoundaries;
};

}  // namespace bunrako
