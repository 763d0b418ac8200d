#include "volumes/excel_bosatu_import.h"

#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "volumes/doc_master_list.h"
#include "volumes/excel_bosatu_converter.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

constexpr int kReadStart = 25;
constexpr int kConvertStart = 50;
constexpr int kStoreStart = 75;
constexpr int kStepShare = 25;
constexpr int kDone = 100;

int stepPercent(int start, size_t done, size_t total) {
    if (total == 0) return start;
    return start + static_cast<int>(static_cast<long long>(kStepShare) *
                                    static_cast<long long>(done) / static_cast<long long>(total));
}

std::string openLabel(const std::filesystem::path& file) {
    return formatPrintf(vtexts::kImportFileOpenLabel, pathToUtf8(file).c_str());
}

}  // namespace

CExcelBosatuImport::CExcelBosatuImport(int calendarMode, int periodType,
                                       const CSetteiKoumokuList& department,
                                       const CSetteiKoumokuList& classification,
                                       const CSetteiKoumokuList& retention)
    : m_calendarMode(calendarMode),
      m_periodType(periodType),
      m_department(department),
      m_classification(classification),
      m_retention(retention) {}

void CExcelBosatuImport::progress(int percent) {
    if (percent == m_lastPercent) return;
    m_lastPercent = percent;
    if (m_progress) m_progress(percent);
}

bool CExcelBosatuImport::writeErrorList(Prompt& prompt, const char* name, const std::string& bytes,
                                        StepReport& report) const {
    const std::filesystem::path file = m_csvFolder / pathFromUtf8(name);
    if (!CMyTool::CheckFileError(prompt, writeWholeFile(file, bytes), openLabel(file), true)) {
        return false;
    }
    report.errorList = file;
    return true;
}

CExcelBosatuImport::StepReport CExcelBosatuImport::ReadCsv(Prompt& prompt,
                                                           const std::filesystem::path& csv) {
    StepReport report;
    m_read = {};
    m_csvRead = false;
    m_volumes.clear();
    m_failed.clear();
    progress(kReadStart);
    std::string bytes;
    if (!CMyTool::CheckFileError(prompt, readWholeFile(csv, bytes), openLabel(csv), true)) {
        return report;
    }
    m_csvFolder = csv.parent_path();
    m_csvRead = true;
    m_read = ReadExcelBosatuCsv(bytes, m_calendarMode, m_periodType);
    report.done = true;
    report.count = m_read.rows.size();
    report.listed = m_read.listed.size();
    report.leftOut = m_read.rejected;
    writeErrorList(prompt, vtexts::kReadErrorFileName, ReadErrorListBytes(m_read.listed), report);
    progress(kConvertStart);
    return report;
}

CExcelBosatuImport::StepReport CExcelBosatuImport::Convert(Prompt& prompt) {
    StepReport report;
    m_volumes.clear();
    m_failed.clear();
    // Without a CSV read there is nothing to convert, and no folder for the
    // error list.
    if (!m_csvRead) return report;
    ExcelBosatuConverter converter(m_department, m_classification, m_retention);
    const size_t total = m_read.rows.size();
    m_volumes.reserve(total);
    for (size_t i = 0; i < total; ++i) {
        progress(stepPercent(kConvertStart, i, total));
        const ExcelBosatuRow& row = m_read.rows[i];
        CDocMasterData volume;
        std::string note;
        if (converter.Convert(row.data, volume, note)) {
            m_volumes.push_back(volume);
        } else {
            m_failed.push_back({row, std::move(note)});
        }
    }
    report.done = true;
    report.count = m_volumes.size();
    report.listed = report.leftOut = m_failed.size();
    writeErrorList(prompt, vtexts::kConvertErrorFileName,
                   ConvertErrorListBytes(m_failed, m_calendarMode, m_periodType), report);
    progress(kStoreStart);
    return report;
}

CExcelBosatuImport::StepReport CExcelBosatuImport::Store(Prompt& prompt,
                                                         const std::filesystem::path& volumeFile) {
    StepReport report;
    if (m_volumes.empty()) {
        report.done = true;
        progress(kDone);
        return report;
    }
    CDocMasterList list(volumeFile, prompt);
    // Held from the re-read to the write: imports and adds elsewhere wait.
    const DataFileLock lock(prompt, volumeFile);
    if (!lock.held()) return report;
    list.Read();
    // A file that would not open is not overwritten with the imported
    // volumes alone.
    if (!list.lastRead().opened()) return report;
    size_t stored = 0;
    const size_t total = m_volumes.size();
    for (size_t i = 0; i < total; ++i) {
        progress(stepPercent(kStoreStart, i, total));
        if (list.AddOrReplace(m_volumes[i], true)) ++stored;
    }
    list.sort();
    if (!list.Write()) return report;
    report.done = true;
    report.count = stored;
    progress(kDone);
    return report;
}

}  // namespace bunrako
