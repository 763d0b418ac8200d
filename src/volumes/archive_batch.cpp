#include "volumes/archive_batch.h"

#include <string>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/safe_file_name.h"

namespace bunrako {
namespace {

constexpr int kYearForm = 2;

}  // namespace

std::filesystem::path yearlyArchivePath(const std::filesystem::path& sourceFile,
                                        const char* pattern, const OleDateTime& year) {
    const CMyTool tool;
    std::string eraYear = tool.FormatEraDate(tool.DateToEraText(year), kYearForm);
    if (!eraYear.empty()) eraYear = SafeFileName(eraYear);
    // The folder is joined as a path; the pattern's first %s stays empty.
    const std::string name = formatPrintf(pattern, "", eraYear.c_str());
    return sourceFile.parent_path() / pathFromUtf8(name);
}

}  // namespace bunrako
