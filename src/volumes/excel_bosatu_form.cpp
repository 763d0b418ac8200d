#include "volumes/excel_bosatu_form.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

#include "common/cp932.h"
#include "common/csv_date_texts.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/ole_span.h"
#include "volumes/doc_master_data.h"
#include "volumes/excel_bosatu_path_file.h"
#include "volumes/texts.h"
#include "volumes/year_input.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;
namespace fs = std::filesystem;

constexpr int kWestern = 1;

std::string firstOf(const std::vector<std::string>& names) {
    return names.empty() ? std::string() : names.front();
}

std::string yearCell(const YearInput& year, const CMyTool& tool) {
    if (year.western) return std::to_string(year.year);
    return formatPrintf(vtexts::kImportEraYearCell, tool.EraInitial(year.era).c_str(),
                        year.eraYear);
}

std::string monthCell(const YearMonthInput& month, const CMyTool& tool) {
    if (month.year.western) {
        return formatPrintf(vtexts::kImportWesternYearMonthCell, month.year.year, month.month);
    }
    return formatPrintf(vtexts::kImportEraYearMonthCell, tool.EraInitial(month.year.era).c_str(),
                        month.year.eraYear, month.month);
}

std::string lowerExtension(const fs::path& path) {
    std::string extension = pathToUtf8(path.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace

ExcelBosatuFormExample ExcelBosatuFormExample::FromChoices(const VolumeChoices& choices,
                                                           std::string department,
                                                           std::string section) {
    ExcelBosatuFormExample example;
    example.department = std::move(department);
    example.section = std::move(section);
    example.major = firstOf(choices.majors());
    example.middle = firstOf(choices.middlesOf(example.major));
    example.minor = firstOf(choices.minorsOf(example.major, example.middle));
    for (const std::string& type : choices.retentionTypes()) {
        const std::optional<int> years = choices.retentionYears(type);
        if (years && *years >= 1 && *years <= 98) {
            example.retentionYears = *years;
            break;
        }
    }
    return example;
}

std::string ExcelBosatuBlankFormBytes(int calendarMode, int periodType, const OleDateTime& today,
                                      const ExcelBosatuFormExample& example) {
    const CMyTool tool;
    const bool western = calendarMode == kWestern;
    const YearInput year = fiscalYearInputOf(today, western, periodType, tool);
    const OleDateTime start = fiscalYearStartOf(year, periodType, tool);
    // Expiry as the year switch and the entry dialog count it: the
    // retention years of 366 days after the first year.
    const OleDateTime expiry =
        start + OleSpan::fromDays((example.retentionYears + 1) * CDocMasterData::kDaysPerYear);
    const std::string yearText = yearCell(year, tool);
    std::vector<std::string> header;
    for (const char* name : vtexts::kBlankFormHeader) header.push_back(utf8ToCp932(name));
    const std::vector<std::string> line = {
        "1",
        yearText,
        utf8ToCp932(example.department),
        utf8ToCp932(example.section),
        utf8ToCp932(example.major),
        utf8ToCp932(example.middle),
        utf8ToCp932(example.minor),
        utf8ToCp932(vtexts::kBlankFormExampleTitle),
        "1",
        yearText,
        yearText,
        std::to_string(example.retentionYears),
        monthCell(monthInputOf(expiry, western, tool), tool),
        utf8ToCp932(vtexts::kArchiveRoom),
        utf8ToCp932(vtexts::kWithContentsCell),
        "",
    };
    return csvLine(header) + csvLine(line);
}

bool WriteExcelBosatuBlankForm(Prompt& prompt, const fs::path& file, const std::string& bytes) {
    const FileErrorCause cause = writeWholeFile(file, bytes);
    return CMyTool::CheckFileError(
        prompt, cause, formatPrintf(vtexts::kImportFileOpenLabel, pathToUtf8(file).c_str()), true);
}

void ExcelBosatuForm::setPath(std::string path) {
    if (path == m_path) return;
    m_path = std::move(path);
    m_read = false;
    m_convertedDone = false;
    m_rowsRead = 0;
    m_converted = 0;
}

fs::path ExcelBosatuForm::csvPath() const {
    const fs::path chosen = pathFromUtf8(m_path);
    if (lowerExtension(chosen) == ".csv") return chosen;
    return ExcelBosatuCsvPath(m_path);
}

bool ExcelBosatuForm::canRun(Step step) const {
    switch (step) {
        case Step::read:
            return true;
        case Step::convert:
            return m_read && m_rowsRead > 0;
        case Step::store:
            return m_convertedDone && m_converted > 0;
    }
    return false;
}

void ExcelBosatuForm::stepDone(Step step, bool done, size_t count) {
    switch (step) {
        case Step::read:
            m_read = done;
            m_rowsRead = done ? count : 0;
            m_convertedDone = false;
            m_converted = 0;
            return;
        case Step::convert:
            m_convertedDone = done;
            m_converted = done ? count : 0;
            return;
        case Step::store:
            // Stored once: storing the same volumes again would only
            // replace them with themselves.
            if (done) m_convertedDone = false;
            return;
    }
}

std::optional<std::string> ExcelBosatuForm::validateRead() const {
    if (m_path.empty()) return std::string(vtexts::kImportNoPath);
    std::error_code error;
    const fs::path csv = csvPath();
    if (!fs::is_regular_file(csv, error)) {
        return formatPrintf(vtexts::kImportNoCsv, pathToUtf8(csv).c_str());
    }
    return std::nullopt;
}

std::optional<std::string> ExcelBosatuForm::validateOpen() const {
    if (m_path.empty()) return std::string(vtexts::kImportNoPath);
    std::error_code error;
    if (!fs::is_regular_file(pathFromUtf8(m_path), error)) {
        return formatPrintf(vtexts::kImportNoSpreadsheet, m_path.c_str());
    }
    return std::nullopt;
}

const char* ExcelBosatuForm::fileFilter() { return vtexts::kImportSpreadsheetFilter; }

}  // namespace bunrako
