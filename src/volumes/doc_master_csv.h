#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "common/csv_date_texts.h"
#include "volumes/doc_master_data.h"

namespace bunrako {

class Prompt;

// The volume linkage files that the data linkage and the title printing write
// from the chosen volumes: DocMaster.csv (one line per volume, for 一太郎) and
// DocMasterWord.csv (a header line, then the same lines, for Word). 40
// columns, nothing quoted, lines ending in CR LF, CP932.

// One volume's line, CR LF included. A line is as long as its texts make it.
std::string DocMasterCsvLine(const CDocMasterData& volume, const CsvDateTexts& dates);
// The two files' bytes.
std::string DocMasterCsvBytes(std::span<const CDocMasterData> volumes, int westernDates,
                              int periodType);
std::string DocMasterWordCsvBytes(std::span<const CDocMasterData> volumes, int westernDates,
                                  int periodType);

enum class VolumeCsvResult { written, taroFileFailed, wordFileFailed };

// Writes both files into folder (the program's folder when it is empty),
// DocMaster.csv first. A file that cannot be written is reported with its
// path and cause and then with "一太郎用データ作成に失敗しました" or
// "Word用データ作成に失敗しました"; a file already written stays.
VolumeCsvResult WriteVolumeCsvFiles(Prompt& prompt, const std::filesystem::path& folder,
                                    std::span<const CDocMasterData> volumes, int westernDates,
                                    int periodType);

}  // namespace bunrako
