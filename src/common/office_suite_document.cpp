#include "common/office_suite_document.h"

#include "common/document_template.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/program_places.h"
#include "common/prompt.h"
#include "common/texts.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using namespace common::texts;

constexpr const char* kTemplateExtension = ".fodt";

bool isFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

enum class Existing { replace, keep, cancel };

// A document that exists may hold the clerk's work: ask before replacing.
Existing askAboutExisting(Prompt& prompt, const fs::path& output) {
    if (!isFile(output)) return Existing::replace;
    switch (prompt.ask(formatText(kDocumentExists, pathToUtf8(output)), kDocumentExistsCaption,
                       Buttons::yesNoCancel, MessageIcon::question)) {
        case Answer::yes:
            return Existing::replace;
        case Answer::no:
            return Existing::keep;
        default:
            return Existing::cancel;
    }
}

bool copyInto(Prompt& prompt, const OfficeDocumentRequest& request) {
    std::string bytes;
    const FileErrorCause read = readWholeFile(request.copyFrom, bytes);
    if (!CMyTool::CheckFileError(prompt, read, pathToUtf8(request.copyFrom), true)) return false;
    return CMyTool::CheckFileError(prompt, writeWholeFile(request.output, bytes),
                                   pathToUtf8(request.output), true);
}

bool fillInto(Prompt& prompt, const OfficeDocumentRequest& request) {
    if (!request.copyFrom.empty()) return copyInto(prompt, request);
    std::string templateXml;
    if (request.templatePath.empty() ||
        readWholeFile(request.templatePath, templateXml) != FileErrorCause::none) {
        prompt.showMessage(formatText(kTemplateMissing, pathToUtf8(request.templatePath)), {},
                           MessageIcon::error);
        return false;
    }
    std::string csv;
    if (readWholeFile(request.wordCsv, csv) != FileErrorCause::none) {
        prompt.showMessage(formatText(kDocumentCsvMissing, pathToUtf8(request.wordCsv)), {},
                           MessageIcon::error);
        return false;
    }
    const std::string filled =
        FillDocumentTemplate(templateXml, ReadWordCsv(csv, request.absorbingColumn));
    return CMyTool::CheckFileError(prompt, writeWholeFile(request.output, filled),
                                   pathToUtf8(request.output), true);
}

}  // namespace

// -1: as the system says; 0 or 1: as a ScopedOfficeSuiteTemplates says.
int& forcedOfficeSuiteTemplates() {
    static int forced = -1;
    return forced;
}

bool FillsOfficeSuiteTemplates() {
    if (forcedOfficeSuiteTemplates() >= 0) return forcedOfficeSuiteTemplates() == 1;
#ifdef _WIN32
    return false;
#else
    return true;
#endif
}

ScopedOfficeSuiteTemplates::ScopedOfficeSuiteTemplates(bool fill)
    : m_previous(forcedOfficeSuiteTemplates()) {
    forcedOfficeSuiteTemplates() = fill ? 1 : 0;
}

ScopedOfficeSuiteTemplates::~ScopedOfficeSuiteTemplates() {
    forcedOfficeSuiteTemplates() = m_previous;
}

fs::path OfficeTemplatePath(const std::string& storedForm, const char* installedName) {
    const fs::path stored = pathFromUtf8(storedForm);
    if (stored.extension() == kTemplateExtension && isFile(stored)) return stored;
    const std::string resources = ResourceFolder(CMyTool::GetProgramFolder());
    if (resources.empty()) return {};
    return pathFromUtf8(resources) / "templates" / pathFromUtf8(installedName);
}

fs::path OfficeDocumentPath(const fs::path& path) {
    fs::path document = path;
    return document.replace_extension(kTemplateExtension);
}

int MakeOfficeDocument(Prompt& prompt, Shell& shell, const OfficeDocumentRequest& request) {
    const Existing existing = askAboutExisting(prompt, request.output);
    if (existing == Existing::cancel) return 0;
    if (existing == Existing::replace && !fillInto(prompt, request)) return 0;
    const RunMode mode = request.print ? RunMode::print : RunMode::open;
    if (CMyTool::RunProgram(shell, prompt, pathToUtf8(request.output), mode, {}) == 1) return 1;
    prompt.showMessage(kOfficeSuiteNeeded, {}, MessageIcon::information);
    return 0;
}

}  // namespace bunrako
