#include "catalogue/sakuin_mokuroku_csv.h"

#include <string_view>

#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/texts.h"
#include "common/cp932.h"
#include "common/csv_date_texts.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/texts.h"

namespace bunrako {
namespace {

namespace ct = catalogue::texts;

constexpr const char* kLineEnd = common::texts::kCsvLineEnd;
// The document number stands right-aligned in this many columns.
constexpr size_t kNumberColumns = 7;
constexpr int kDayForm = 0;

// The texts of one catalogue as its lines show them, in CP932.
class CsvTexts {
  public:
    explicit CsvTexts(CalendarMode calendar)
        : m_calendar(calendar),
          m_years(calendar.western, calendar.periodType, CsvDateTexts::WesternYears::fourDigits),
          m_yearSuffix(utf8ToCp932(ct::kCsvFiscalYearSuffix)) {}

    // A year cell, the fiscal year that holds the date: "平成20年度", "2008年度".
    std::string fiscalYear(const OleDateTime& date) const { return m_years.fiscalYearOf(date); }
    // The same without "度": "平成20年", "2008年".
    std::string year(const OleDateTime& date) const {
        std::string text = fiscalYear(date);
        if (text.ends_with(m_yearSuffix)) text.resize(text.size() - m_yearSuffix.size());
        return text;
    }
    // A reception date: "H20.4.1", or "08.04.01" in Western mode.
    std::string entryDate(const OleDateTime& date) const {
        if (m_calendar.western) return date.format(ct::kCsvWesternEntryDate);
        return utf8ToCp932(m_tool.FormatEraDateShort(m_tool.DateToEraText(date), kDayForm));
    }

  private:
    CMyTool m_tool;
    CalendarMode m_calendar;
    CsvDateTexts m_years;
    std::string m_yearSuffix;
};

std::string rightAligned(std::string_view cp932, size_t columns) {
    if (cp932.size() >= columns) return std::string(cp932);
    return std::string(columns - cp932.size(), ' ') + std::string(cp932);
}

// The cells every head line starts with: ",開始度,終了度,保存,大-中-小,課,係,,タイトル".
std::string headCells(const CSakuinMokurokuHeader& header, const CsvTexts& show) {
    std::string cells;
    for (const std::string& cell :
         {show.fiscalYear(header.storageStartYear), show.fiscalYear(header.storageEndYear),
          std::string(fixedBytes(header.retentionText))}) {
        cells += ',' + cell;
    }
    cells += ',' + std::string(fixedBytes(header.majorClassCode)) + '-' +
             std::string(fixedBytes(header.middleClassCode)) + '-' +
             std::string(fixedBytes(header.minorClassCode));
    cells += ',' + std::string(fixedBytes(header.departmentName));
    cells += ',' + std::string(fixedBytes(header.sectionName));
    cells += ',';  // the name of the clerk, never filled
    cells += ',' + std::string(fixedBytes(header.volumeTitle));
    return cells;
}

// 受付, 番号, 文書, 備考 of one entry, without a leading comma.
std::string entryCells(const CSakuinMokurokuList& entry, const CsvTexts& show) {
    return show.entryDate(entry.receivedDate) + ',' +
           rightAligned(fixedBytes(entry.documentNumber), kNumberColumns) + ',' +
           std::string(fixedBytes(entry.subject)) + ',' + std::string(fixedBytes(entry.remarks));
}

size_t lineCount(size_t entries) {
    const size_t perLine = kSakuinIkkatuEntriesPerLine;
    return entries == 0 ? 1 : (entries - 1) / perLine + 1;
}

FileErrorCause writeFile(const std::filesystem::path& path, const std::string& bytes, bool append) {
    return append ? appendToFile(path, bytes) : writeWholeFile(path, bytes);
}

int succeeded(FileErrorCause result, FileErrorCause* cause) {
    if (cause) *cause = result;
    return result == FileErrorCause::none ? 1 : 0;
}

}  // namespace

std::string SakuinMokurokuCsvBytes(const CSakuinMokurokuHeader& header,
                                   std::span<const CSakuinMokurokuList> entries,
                                   CalendarMode calendar) {
    const CsvTexts show(calendar);
    std::string csv = utf8ToCp932(ct::kCsvFormName) + headCells(header, show);
    csv += ',' + std::to_string(header.bookCount) + ',' + show.year(header.fiscalYear) + kLineEnd;
    for (const CSakuinMokurokuList& entry : entries) csv += entryCells(entry, show) + kLineEnd;
    return csv;
}

std::string SakuinIkkatuCatalogueBytes(const CSakuinMokurokuHeader& header,
                                       std::span<const CSakuinMokurokuList> entries,
                                       CalendarMode calendar) {
    const CsvTexts show(calendar);
    const std::string head = headCells(header, show);
    const std::string emptyEntry = ",,,,";
    std::string csv = utf8ToCp932(ct::kCsvFormName);
    size_t next = 0;
    for (size_t line = 0; line < lineCount(entries.size()); ++line) {
        csv += head;
        for (int slot = 0; slot < kSakuinIkkatuEntriesPerLine; ++slot, ++next) {
            csv += next < entries.size() ? ',' + entryCells(entries[next], show) : emptyEntry;
        }
        csv += kLineEnd;
    }
    return csv;
}

std::string SakuinIkkatuWordHeaderBytes() {
    std::string header = ct::kBatchWordHeaderStart;
    for (int n = 1; n <= kSakuinIkkatuEntriesPerLine; ++n) {
        header += formatPrintf(ct::kBatchWordHeaderEntry, n, n, n, n);
    }
    return utf8ToCp932(header) + kLineEnd;
}

std::filesystem::path SakuinCsvPath(const std::filesystem::path& folder, const char* fileName) {
    const std::filesystem::path base =
        folder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : folder;
    return base / pathFromUtf8(fileName);
}

int WriteSakuinMokurokuCsv(const CSakuinMokurokuHeader& header,
                           std::span<const CSakuinMokurokuList> entries,
                           const std::filesystem::path& folder, CalendarMode calendar,
                           FileErrorCause* cause) {
    return succeeded(writeFile(SakuinCsvPath(folder, ct::kCatalogueCsvName),
                               SakuinMokurokuCsvBytes(header, entries, calendar), false),
                     cause);
}

int WriteSakuinIkkatuCsv(const CSakuinMokurokuHeader& header,
                         std::span<const CSakuinMokurokuList> entries, int batchIndex,
                         const std::filesystem::path& folder, CalendarMode calendar,
                         FileErrorCause* cause) {
    return succeeded(
        writeFile(SakuinCsvPath(folder, ct::kBatchCsvName),
                  SakuinIkkatuCatalogueBytes(header, entries, calendar), batchIndex != 0),
        cause);
}

int WriteSakuinIkkatuWordCsv(const CSakuinMokurokuHeader& header,
                             std::span<const CSakuinMokurokuList> entries, int batchIndex,
                             const std::filesystem::path& folder, CalendarMode calendar,
                             FileErrorCause* cause) {
    const bool first = batchIndex == 0;
    std::string bytes = first ? SakuinIkkatuWordHeaderBytes() : std::string();
    bytes += SakuinIkkatuCatalogueBytes(header, entries, calendar);
    return succeeded(writeFile(SakuinCsvPath(folder, ct::kBatchWordCsvName), bytes, !first), cause);
}

int WriteSakuinMokurokuCsv(const CSakuinMokuroku& catalogue, const std::filesystem::path& folder,
                           CalendarMode calendar, FileErrorCause* cause) {
    return WriteSakuinMokurokuCsv(catalogue.header(), catalogue.entries(), folder, calendar, cause);
}

int WriteSakuinIkkatuCsv(const CSakuinMokuroku& catalogue, int batchIndex,
                         const std::filesystem::path& folder, CalendarMode calendar,
                         FileErrorCause* cause) {
    return WriteSakuinIkkatuCsv(catalogue.header(), catalogue.entries(), batchIndex, folder,
                                calendar, cause);
}

int WriteSakuinIkkatuWordCsv(const CSakuinMokuroku& catalogue, int batchIndex,
                             const std::filesystem::path& folder, CalendarMode calendar,
                             FileErrorCause* cause) {
    return WriteSakuinIkkatuWordCsv(catalogue.header(), catalogue.entries(), batchIndex, folder,
                                    calendar, cause);
}

}  // namespace bunrako
