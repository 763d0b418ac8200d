// KenMeibo.csv, the data-linkage file of the title register: a header line
// and 42 fields per entry, each followed by ",", lines ending in CR LF, CP932,
// nothing quoted.
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/csv_date_texts.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/texts.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;

std::string headerLine() {
    std::string header = texts::kCsvHeaderStart;
    for (int n = 1; n <= CBunshoKenMeiboData::kProgressSteps; ++n) {
        header += formatPrintf(texts::kCsvHeaderStep, n, n);
    }
    header += texts::kCsvHeaderEnd;
    return utf8ToCp932(header) + bunrako::common::texts::kCsvLineEnd;
}

std::string departmentCode(const CBunshoKenMeiboData& entry) {
    return (std::string(entry.sectionPrefix()) + "0000000000").substr(0, 10);
}

std::vector<std::string> fieldsOf(const CBunshoKenMeiboData& entry, const CsvDateTexts& dates,
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
    const CsvDateTexts dates(westernDates != 0, fiscalStartType);
    std::string csv = headerLine();
    for (const CBunshoKenMeiboData& entry : m_entries) {
        for (const std::string& field : fieldsOf(entry, dates, departmentTable)) {
            csv += field;
            csv += ',';
        }
        csv += bunrako::common::texts::kCsvLineEnd;
    }
    return csv;
}

bool CBunshoKenMeiboList::ExportCsv(const std::filesystem::path& folder,
                                    const DepartmentNameLookup& departmentTable, int westernDates,
                                    int fiscalStartType) const {
    const std::filesystem::path base =
        folder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : folder;
    const std::filesystem::path file = base / pathFromUtf8(register_::texts::kRegisterCsvName);
    const FileErrorCause cause =
        writeWholeFile(file, CsvBytes(departmentTable, westernDates, fiscalStartType));
    return CMyTool::CheckFileError(
        m_prompt, cause, formatPrintf(register_::texts::kCsvOpenLabel, pathToUtf8(file).c_str()),
        true);
}

}  // namespace bunrako
