#include "settings/outside_programs.h"

#include <span>

#include "common/shell.h"

namespace bunrako {
namespace {

// The programs of a desktop other than Windows for each role, best first.
// The office suite opens word-processor and spreadsheet files alike; the
// opener shows a folder in the desktop's file manager.
constexpr const char* kOfficePrograms[] = {"libreoffice", "soffice", "xdg-open"};
constexpr const char* kFileManagers[] = {"xdg-open", "nautilus", "dolphin", "thunar",
                                         "pcmanfm",  "nemo",     "caja"};

std::span<const char* const> desktopPrograms(OutsideProgram role) {
    switch (role) {
        case OutsideProgram::wordProcessor:
        case OutsideProgram::spreadsheet:
            return kOfficePrograms;
        case OutsideProgram::fileManager:
            break;
    }
    return kFileManagers;
}

}  // namespace

std::string programToStart(OutsideProgram role, const std::string& stored, const Shell& shell,
                           DesktopPlatform platform) {
    if (platform == DesktopPlatform::windows) return stored;
    if (!stored.empty() && shell.canStart(stored)) return stored;
    for (const char* program : desktopPrograms(role)) {
        if (shell.canStart(program)) return program;
    }
    return stored;
}

CShokiSetteiData withProgramsOfThisComputer(const CShokiSetteiData& settings, const Shell& shell,
                                            DesktopPlatform platform) {
    CShokiSetteiData local = settings;
    local.m_strWordProcessorExe = programToStart(OutsideProgram::wordProcessor,
                                                 settings.m_strWordProcessorExe, shell, platform);
    local.m_strSpreadsheetExe =
        programToStart(OutsideProgram::spreadsheet, settings.m_strSpreadsheetExe, shell, platform);
    local.m_strFileManagerExe =
        programToStart(OutsideProgram::fileManager, settings.m_strFileManagerExe, shell, platform);
    return local;
}

}  // namespace bunrako
