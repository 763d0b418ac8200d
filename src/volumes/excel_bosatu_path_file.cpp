#include "volumes/excel_bosatu_path_file.h"

#include "common/cp932.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/text_functions.h"
#include "common/texts.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

std::filesystem::path pathFile(const std::filesystem::path& programFolder) {
    return programFolder / pathFromUtf8(vtexts::kImportPathFileName);
}

}  // namespace

std::string ReadExcelBosatuPath(const std::filesystem::path& programFolder) {
    std::string bytes;
    if (readWholeFile(pathFile(programFolder), bytes) == FileErrorCause::none) {
        const std::string_view line =
            std::string_view(bytes).substr(0, bytes.find_first_of("\r\n"));
        if (!line.empty()) return cp932ToUtf8(line);
    }
    return pathToUtf8(programFolder / pathFromUtf8(vtexts::kImportSpreadsheetName));
}

bool WriteExcelBosatuPath(Prompt& prompt, const std::filesystem::path& programFolder,
                          const std::string& spreadsheetPath) {
    const std::filesystem::path file = pathFile(programFolder);
    const FileErrorCause cause =
        writeWholeFile(file, utf8ToCp932(spreadsheetPath) + bunrako::common::texts::kCsvLineEnd);
    return CMyTool::CheckFileError(
        prompt, cause, formatPrintf(vtexts::kImportFileOpenLabel, pathToUtf8(file).c_str()), true);
}

std::filesystem::path ExcelBosatuCsvPath(const std::string& spreadsheetPath) {
    const std::string folder = FolderPart(spreadsheetPath);
    const std::filesystem::path name = pathFromUtf8(vtexts::kImportCsvName);
    return folder.empty() ? name : pathFromUtf8(folder) / name;
}

}  // namespace bunrako
