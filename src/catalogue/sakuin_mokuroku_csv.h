#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "common/file_error.h"
#include "settings/calendar_mode.h"

namespace bunrako {

class CSakuinMokuroku;

// The files through which the word processor prints index catalogues and
// other programs take them over: CP932, CR LF, nothing quoted.
//
// SakuinMokuroku.csv: one catalogue, a head line ("索引目録", years,
// retention, class codes, department, section, an empty name, title, book
// count, year) and one line per entry (date, number in 7 columns, subject,
// remarks).
// SakuinIkkatu.csv: one or more catalogues, 22 entries to a line; each line
// repeats the head cells and only the first line of a catalogue carries
// "索引目録". SakuinIkkatuWord.csv: the same after a header row for Word.
//
// The batch index counts the catalogues of one run: 0 starts the batch files
// anew, every later catalogue is appended.
inline constexpr int kSakuinIkkatuEntriesPerLine = 22;

// The file bytes, for writers and tests alike.
std::string SakuinMokurokuCsvBytes(const CSakuinMokurokuHeader& header,
                                   std::span<const CSakuinMokurokuList> entries,
                                   CalendarMode calendar);
// The lines one catalogue adds to the batch files.
std::string SakuinIkkatuCatalogueBytes(const CSakuinMokurokuHeader& header,
                                       std::span<const CSakuinMokurokuList> entries,
                                       CalendarMode calendar);
// The header row that starts SakuinIkkatuWord.csv, with its line end.
std::string SakuinIkkatuWordHeaderBytes();

// The file path: the folder, or the program's folder when it is empty, and
// the file name.
std::filesystem::path SakuinCsvPath(const std::filesystem::path& folder, const char* fileName);

// Each writer returns 1 after writing and 0, having written nothing, when its
// file cannot be created or opened; the cause then goes to `cause` if given.
// They show no message: the caller decides how to tell the clerk.
int WriteSakuinMokurokuCsv(const CSakuinMokurokuHeader& header,
                           std::span<const CSakuinMokurokuList> entries,
                           const std::filesystem::path& folder, CalendarMode calendar,
                           FileErrorCause* cause = nullptr);
int WriteSakuinIkkatuCsv(const CSakuinMokurokuHeader& header,
                         std::span<const CSakuinMokurokuList> entries, int batchIndex,
                         const std::filesystem::path& folder, CalendarMode calendar,
                         FileErrorCause* cause = nullptr);
int WriteSakuinIkkatuWordCsv(const CSakuinMokurokuHeader& header,
                             std::span<const CSakuinMokurokuList> entries, int batchIndex,
                             const std::filesystem::path& folder, CalendarMode calendar,
                             FileErrorCause* cause = nullptr);

// The same for a whole catalogue, every entry.
int WriteSakuinMokurokuCsv(const CSakuinMokuroku& catalogue, const std::filesystem::path& folder,
                           CalendarMode calendar, FileErrorCause* cause = nullptr);
int WriteSakuinIkkatuCsv(const CSakuinMokuroku& catalogue, int batchIndex,
                         const std::filesystem::path& folder, CalendarMode calendar,
                         FileErrorCause* cause = nullptr);
int WriteSakuinIkkatuWordCsv(const CSakuinMokuroku& catalogue, int batchIndex,
                             const std::filesystem::path& folder, CalendarMode calendar,
                             FileErrorCause* cause = nullptr);

}  // namespace bunrako
