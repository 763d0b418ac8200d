// The messages the import dialog shows after each step.
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "volumes/excel_bosatu_import.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

std::string countText(const char* pattern, size_t count) {
    return formatPrintf(pattern, static_cast<int>(count));
}

void openErrorList(Prompt& prompt, Shell& shell, const CExcelBosatuImport::StepReport& report) {
    if (report.listed == 0 || report.errorList.empty()) return;
    CMyTool::RunProgram(shell, prompt, pathToUtf8(report.errorList), RunMode::open, std::string());
}

}  // namespace

void CExcelBosatuImport::ShowReadReport(Prompt& prompt, Shell& shell, const StepReport& report) {
    if (!report.done) return;
    std::string text = countText(vtexts::kReadCount, report.count);
    if (report.leftOut > 0) text += vtexts::kReadRejected;
    if (report.listed > report.leftOut) text += vtexts::kReadShortened;
    prompt.showMessage(text, {}, MessageIcon::information);
    openErrorList(prompt, shell, report);
}

void CExcelBosatuImport::ShowConvertReport(Prompt& prompt, Shell& shell, const StepReport& report) {
    if (!report.done) return;
    std::string text = countText(vtexts::kConvertCount, report.count);
    if (report.leftOut > 0) text += vtexts::kConvertFailed;
    prompt.showMessage(text, {}, MessageIcon::information);
    openErrorList(prompt, shell, report);
}

void CExcelBosatuImport::ShowStoreNotice(Prompt& prompt) {
    prompt.showMessage(vtexts::kStoreNotice, vtexts::kStoreCaption, MessageIcon::information);
}

void CExcelBosatuImport::ShowStoreReport(Prompt& prompt, const StepReport& report) {
    if (!report.done) return;
    prompt.showMessage(countText(vtexts::kStoreCount, report.count), {}, MessageIcon::information);
}

}  // namespace bunrako
