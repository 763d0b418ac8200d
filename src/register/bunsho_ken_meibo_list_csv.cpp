// KenMeibo.csv, the data-linkage file of the title register: a header line
// and 42 fields per entry, each followed by ",", lines ending in CR LF, CP932,
// nothing quoted.
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace texts = register_texts;

constexpr const char* kLineEnd = "\r\n";

class CsvDates {
  public:
    CsvDates(int westernDates, int fiscalStartType)
        : m_western(westernDates != 0), m_fiscalStartType(fiscalStartType) {}

    // "令和6年度" or "2024年度" for the year of the date itself.
    std::string yearOf(const OleDateTime& date) const {
        if (!date.isValid()) return {};
        if (m_western) return toCp932(formatPrintf(texts::kWesternFiscalYear, date.year()));
        int era = 0;
        int eraYear = 0;
        if (!eraParts(date, era, eraYear)) return {};
        return toCp932(formatPrintf(texts::kEraFiscalYear, m_tool.EraName(era).c_str(), eraYear));
    }
    // The year of the fiscal year the date falls in, as yearOf.
    std::string fiscalYearOf(const OleDateTime& date) const {
        return yearOf(m_tool.FiscalLabelDate(date, m_fiscalStartType));
    }
    // "令和6年4月1日" or "2024年4月1日".
    std::string dayOf(const OleDateTime& date) const {
        if (!date.isValid()) return {};
        if (m_western) {
            return toCp932(
                formatPrintf(texts::kWesternDate, date.year(), date.month(), date.day()));
        }
        int era = 0;
        int eraYear = 0;
        if (!eraParts(date, era, eraYear)) return {};
        return toCp932(formatPrintf(texts::kEraDate, m_tool.EraName(era).c_str(), eraYear,
                                    date.month(), date.day()));
    }

  private:
    static std::string toCp932(const std::string& utf8) { return utf8ToCp932(utf8); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    // Era number and era year; false for dates before the first era.
    bool eraParts(const OleDateTime& date, int& era, int& eraYear) const {
        const std::string text = m_tool.DateToEraText(date);
        if (text.size() != 10 || !isDigit(text[0]) || !isDigit(text[2]) || !isDigit(text[3])) {
            return false;
        }
        era = text[0] - '0';
        if (era < 1 || era > m_tool.EraCount()) return false;
        eraYear = (text[2] - '0') * 10 + (text[3] - '0');
        return true;
    }

    CMyTool m_tool;
    bool m_western;
    int m_fiscalStartType;
};

std::string headerLine() {
    std::string header = texts::kCsvHeaderStart;
    for (int n = 1; n <= CBunshoKenMeiboData::kProgressSteps; ++n) {
        header += formatPrintf(texts::kCsvHeaderStep, n, n);
    }
    header += texts::kCsvHeaderEnd;
    return utf8ToCp932(header) + kLineEnd;
}

std::string departmentCode(const CBunshoKenMeiboData& entry) {
    return (std::string(entry.sectionPrefix()) + "0000000000").substr(0, 10);
}

std::vector<std::string> fieldsOf(const CBunshoKenMeiboData& entry, const CsvDates& dates,
                                  const DepartmentNameLookup& departmentTable) {
    std::vector<std::string> fields;
    fields.reserve(42);
    fields.push_back(entry.calendarYearFlag != 0 ? dates.yearOf(entry.registerYear)
                                                 : dates.fiscalYearOf(entry.registerYear));
    fields.push_back(departmentTable ? departmentTable(departmentCode(entry)) : std::string());
    fields.emplace_back(fixedBytes(entry.documentNumber));
    fields.push_back(dates.dayOf(entry.receivedDate));
    fields.emplace_back(fixedBytes(entry.subject));
    fields.emplace_back(fixedBytes(entry.sender));
    fields.emplace_back(fixedBytes(entry.receiver));
    fields.push_back(entry.completedFlag == 1 ? dates.dayOf(entry.completedDate) : std::string());
    for (int n = 0; n < CBunshoKenMeiboData::kProgressSteps; ++n) {
        const bool filled = entry.progressFlag[n] == 1;
        fields.push_back(filled ? dates.dayOf(entry.progressDate[n]) : std::string());
        fields.push_back(filled ? std::string(fixedBytes(entry.progressText[n])) : std::string());
    }
    fields.push_back(dates.fiscalYearOf(entry.volumeYear));
    fields.emplace_back(fixedBytes(entry.volumeNumber));
    fields.emplace_back(fixedBytes(entry.volumeTitle));
    fields.push_back(entry.importantFlag == 1 ? utf8ToCp932(texts::kCsvImportant) : std::string());
    fields.emplace_back(fixedBytes(entry.documentSymbol));
    fields.emplace_back(fixedBytes(entry.remarks));
    return fields;
}

}  // namespace

std::string CBunshoKenMeiboList::CsvBytes(const DepartmentNameLookup& departmentTable,
                                          int westernDates, int fiscalStartType) const {
    const CsvDates dates(westernDates, fiscalStartType);
    std::string csv = headerLine();
    for (const CBunshoKenMeiboData& entry : m_entries) {
        for (const std::string& field : fieldsOf(entry, dates, departmentTable)) {
            csv += field;
            csv += ',';
        }
        csv += kLineEnd;
    }
    return csv;
}

bool CBunshoKenMeiboList::ExportCsv(const std::filesystem::path& folder,
                                    const DepartmentNameLookup& departmentTable, int westernDates,
                                    int fiscalStartType) const {
    const std::filesystem::path base =
        folder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : folder;
    const std::filesystem::path file = base / pathFromUtf8(texts::kRegisterCsvName);
    const FileErrorCause cause =
        writeWholeFile(file, CsvBytes(departmentTable, westernDates, fiscalStartType));
    return CMyTool::CheckFileError(
        m_prompt, cause, formatPrintf(texts::kCsvOpenLabel, pathToUtf8(file).c_str()), true);
}

}  // namespace bunrako
