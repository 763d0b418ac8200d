// The error-text, outside-program, file-dialog and window-placement helpers of
// CMyTool.
#include <charconv>
#include <cstdio>

#include "common/cp932.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/shell.h"
#include "common/texts.h"

namespace bunrako {
namespace {

// The argument of a command line is limited to a 1024-byte buffer with its
// terminator, counted in the CP932 bytes the outside program receives.
constexpr size_t kArgumentBytes = 1023;
// A folder or a file name passed to the file dialog.
constexpr size_t kDialogPartBytes = 259;
// Shell results up to this value are errors.
constexpr int kLastShellError = 32;

bool reportCause(Prompt& prompt, bool isNone, const std::string& causeText,
                 const std::string& label, bool show) {
    if (isNone) return true;
    if (show) prompt.showMessage(label + causeText, {}, MessageIcon::error);
    return false;
}

int startProgram(Shell& shell, Prompt& prompt, const std::string& program,
                 const std::string& argument, bool wait) {
    const std::string commandLine = program + " " + truncateToCp932Bytes(argument, kArgumentBytes);
    if (shell.startProcess(commandLine, wait) == 1) return 1;
    prompt.showMessage(formatText(common::texts::kCannotStartProgram, program), {},
                       MessageIcon::error);
    return 0;
}

int openWithShell(Shell& shell, Prompt& prompt, const std::string& path, ShellVerb verb) {
    const int result = shell.openDocument(path, verb);
    if (result > kLastShellError) return 1;
    const std::string text = CMyTool::ShellErrorText(result);
    if (!text.empty()) prompt.showMessage(path + text, {}, MessageIcon::error);
    return 0;
}

// Reads one decimal integer at the front of text and drops it from text.
bool takeInteger(std::string_view& text, int& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [next, error] = std::from_chars(begin, end, value);
    if (error != std::errc()) return false;
    text.remove_prefix(static_cast<size_t>(next - text.data()));
    return true;
}

}  // namespace

bool CMyTool::CheckFileError(Prompt& prompt, FileErrorCause cause, const std::string& label,
                             bool show) {
    return reportCause(prompt, cause == FileErrorCause::none, fileErrorText(cause), label, show);
}

bool CMyTool::CheckArchiveError(Prompt& prompt, ArchiveErrorCause cause, const std::string& label,
                                bool show) {
    return reportCause(prompt, cause == ArchiveErrorCause::none, archiveErrorText(cause), label,
                       show);
}

int CMyTool::RunProgram(Shell& shell, Prompt& prompt, const std::string& program, RunMode mode,
                        const std::string& argument) {
    switch (mode) {
        case RunMode::startAndWait:
            return startProgram(shell, prompt, program, argument, true);
        case RunMode::start:
            return startProgram(shell, prompt, program, argument, false);
        case RunMode::open:
            return openWithShell(shell, prompt, program, ShellVerb::open);
        case RunMode::print:
            return openWithShell(shell, prompt, program, ShellVerb::print);
    }
    return 0;
}

std::string CMyTool::ShellErrorText(int code) {
    switch (code) {
        case 0:
            return common::texts::kShellErrorOutOfMemory;
        case 2:
            return common::texts::kShellErrorFileNotFound;
        case 3:
            return common::texts::kShellErrorPathNotFound;
        case 5:
            return common::texts::kShellErrorAccessDenied;
        case 8:
            return common::texts::kShellErrorNotEnoughMemory;
        case 11:
            return common::texts::kShellErrorBadFormat;
        case 26:
            return common::texts::kShellErrorShare;
        case 27:
            return common::texts::kShellErrorAssocIncomplete;
        case 28:
            return common::texts::kShellErrorDdeTimeout;
        case 29:
            return common::texts::kShellErrorDdeFail;
        case 30:
            return common::texts::kShellErrorDdeBusy;
        case 31:
            return common::texts::kShellErrorNoAssoc;
        case 32:
            return common::texts::kShellErrorDllNotFound;
        default:
            return {};
    }
}

std::string CMyTool::BrowseFile(FileBrowser& browser, const std::string& defaultExtension,
                                const std::string& proposedPath, const std::string& filter,
                                bool open) {
    // Stored paths come from Windows workstations; both separators split.
    const size_t split = proposedPath.find_last_of("\\/");
    std::string folder;
    std::string fileName = proposedPath;
    if (split != std::string::npos) {
        folder = proposedPath.substr(0, split);
        fileName = proposedPath.substr(split + 1);
    }
    return browser.browse(truncateToCp932Bytes(folder, kDialogPartBytes),
                          truncateToCp932Bytes(fileName, kDialogPartBytes), defaultExtension,
                          filter, open);
}

std::string CMyTool::FormatWindowPlacement(const WindowPlacement& placement) {
    const int numbers[] = {placement.flags, placement.showCommand, placement.minX, placement.minY,
                           placement.maxX,  placement.maxY,        placement.left, placement.top,
                           placement.right, placement.bottom};
    std::string text;
    for (const int number : numbers) {
        char field[16];
        std::snprintf(field, sizeof field, "%i:", number);
        text += field;
    }
    return text;
}

std::optional<WindowPlacement> CMyTool::ParseWindowPlacement(std::string_view text) {
    WindowPlacement placement;
    int* const numbers[] = {&placement.flags, &placement.showCommand, &placement.minX,
                            &placement.minY,  &placement.maxX,        &placement.maxY,
                            &placement.left,  &placement.top,         &placement.right,
                            &placement.bottom};
    for (size_t i = 0; i < std::size(numbers); ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != ':') return std::nullopt;
            text.remove_prefix(1);
        }
        if (!takeInteger(text, *numbers[i])) return std::nullopt;
    }
    return placement;
}

}  // namespace bunrako
