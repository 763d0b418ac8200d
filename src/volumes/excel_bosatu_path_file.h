#pragma once

#include <filesystem>
#include <string>

namespace bunrako {

class Prompt;

// The spreadsheet path the import dialog remembers between runs: one line
// (CP932) in ShokiSetteiExcelBosatu.dat in the program's folder.

// The remembered path (UTF-8); "文書整理一覧表一括入力用標準様式.xls" in the
// folder when the file cannot be read or holds no path.
std::string ReadExcelBosatuPath(const std::filesystem::path& programFolder);
// Remembers the path (the dialog closed with OK). False when the file could
// not be written (told through the prompt).
bool WriteExcelBosatuPath(Prompt& prompt, const std::filesystem::path& programFolder,
                          const std::string& spreadsheetPath);
// The CSV the import reads: "文書整理一覧表一括入力用標準様式.csv" in the
// spreadsheet's folder.
std::filesystem::path ExcelBosatuCsvPath(const std::string& spreadsheetPath);

}  // namespace bunrako
