#include "office/desktop_tools.h"

#include <filesystem>
#include <system_error>

#include "catalogue/kanren_file_data.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "common/text_functions.h"
#include "office/texts.h"
#include "settings/shoki_settei_data.h"
#include "settings/texts.h"
#include "volumes/doc_master_data.h"
#include "volumes/volume_folders.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;

struct Program {
    const std::string& exe;
    const std::string& extension;
    const char* filter;
};

Program programOf(const CShokiSetteiData& settings, DesktopTools::DocumentKind kind) {
    if (kind == DesktopTools::DocumentKind::wordProcessor) {
        return {settings.m_strWordProcessorExe, settings.m_strWordProcessorExt,
                office::texts::kWordProcessorFilter};
    }
    return {settings.m_strSpreadsheetExe, settings.m_strSpreadsheetExt,
            office::texts::kSpreadsheetFilter};
}

bool isEnabled(const CShokiSetteiData& settings, DesktopTools::DocumentKind kind) {
    return kind == DesktopTools::DocumentKind::wordProcessor ? settings.m_bUseWordProcessor != 0
                                                             : settings.m_bUseSpreadsheet != 0;
}

std::string inQuotes(const std::string& path) { return "\"" + path + "\""; }

std::string withSeparator(std::string folder) {
    const char separator = static_cast<char>(fs::path::preferred_separator);
    if (!folder.empty() && folder.back() != separator && folder.back() != '/' &&
        folder.back() != '\\') {
        folder += separator;
    }
    return folder;
}

// The folder of the volume file with its separator; a bare file name lies in
// the current folder.
std::string volumeFileFolder(const CShokiSetteiData& settings) {
    const std::string folder = FolderPart(settings.m_strVolumeFile);
    if (!folder.empty()) return withSeparator(folder);
    std::error_code error;
    return withSeparator(pathToUtf8(fs::current_path(error)));
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(pathFromUtf8(path), error);
}

bool sameExtension(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

void DesktopTools::OpenPersonalFolder(const CShokiSetteiData& settings) {
    if (!settings.m_bUseFileManager || !settings.m_bUsePersonalFolder) return;
    CMyTool::RunProgram(m_shell, m_prompt, settings.m_strFileManagerExe, RunMode::start,
                        inQuotes(settings.m_strPersonalFolder));
}

std::string DesktopTools::ProposedDocument(const CShokiSetteiData& settings, DocumentKind kind,
                                           const CDocMasterData* volume) {
    const std::string name =
        office::texts::kGeneralDocumentName + programOf(settings, kind).extension;
    if (!volume)
        return FolderPart(settings.m_strVolumeFile).empty()
                   ? name
                   : withSeparator(FolderPart(settings.m_strVolumeFile)) + name;
    return pathToUtf8(volumeTitleFolder(pathFromUtf8(settings.m_strVolumeFile), *volume) /
                      pathFromUtf8(name));
}

void DesktopTools::OpenGeneralDocument(const CShokiSetteiData& settings,
                                       const std::string& dataFolder, DocumentKind kind,
                                       const CDocMasterData* volume) {
    if (!isEnabled(settings, kind)) return;
    const Program program = programOf(settings, kind);
    std::string chosen =
        CMyTool::BrowseFile(m_browser, program.extension, ProposedDocument(settings, kind, volume),
                            program.filter, true);
    if (chosen.empty()) return;
    openOrCreate(settings, dataFolder, kind, std::move(chosen));
}

void DesktopTools::openOrCreate(const CShokiSetteiData& settings, const std::string& dataFolder,
                                DocumentKind kind, std::string chosen) {
    const Program program = programOf(settings, kind);
    if (fileExists(chosen)) {
        CMyTool::RunProgram(m_shell, m_prompt, chosen, RunMode::open, {});
        return;
    }
    const size_t dot = chosen.find_last_of('.');
    const std::string extension = dot == std::string::npos ? std::string() : chosen.substr(dot + 1);
    if (!sameExtension(extension, program.extension)) {
        chosen += "." + program.extension;
        if (fileExists(chosen)) {
            CMyTool::RunProgram(m_shell, m_prompt, chosen, RunMode::open, {});
            return;
        }
    }
    // A new document starts as a copy of the office's template.
    CMyTool::CopyEntry(dataFolder + office::texts::kGeneralDocumentName + program.extension,
                       chosen);
    CMyTool::RunProgram(m_shell, m_prompt, program.exe, RunMode::start, inQuotes(chosen));
}

std::string DesktopTools::FileManagerFolder(const CShokiSetteiData& settings,
                                            const CDocMasterData* volume,
                                            const CSetteiKoumokuList& classifications) {
    if (!volume) return volumeFileFolder(settings);
    return withSeparator(pathToUtf8(volumeClassificationFolder(
        pathFromUtf8(settings.m_strVolumeFile), *volume, classifications)));
}

void DesktopTools::OpenFileManager(const CShokiSetteiData& settings, const CDocMasterData* volume,
                                   const CSetteiKoumokuList& classifications) {
    if (!settings.m_bUseFileManager) return;
    CMyTool::RunProgram(m_shell, m_prompt, settings.m_strFileManagerExe, RunMode::start,
                        inQuotes(FileManagerFolder(settings, volume, classifications)));
}

void DesktopTools::OpenRelatedFile(const CKanrenFileData& file) {
    CMyTool::RunProgram(m_shell, m_prompt, file.folderText() + file.fileNameText(), RunMode::open,
                        {});
}

void DesktopTools::OpenRelatedFileFolder(const CShokiSetteiData& settings,
                                         const CKanrenFileData& file) {
    if (!settings.m_bUseFileManager) return;
    CMyTool::RunProgram(m_shell, m_prompt, settings.m_strFileManagerExe, RunMode::start,
                        inQuotes(file.folderText()));
}

}  // namespace bunrako
