#include "settings/outside_programs.h"

#include <gtest/gtest.h>

#include "support/fake_shell.h"

namespace bunrako {
namespace {

using testing::FakeShell;

const std::string kTaro = "C:\\Program Files\\Justsystem\\TARO19\\TARO19.EXE";
const std::string kExcel = "C:\\Program Files\\Microsoft Office\\Office11\\EXCEL.EXE";
const std::string kExplorer = "C:\\WINDOWS\\explorer.exe";

FakeShell computerWith(std::initializer_list<const char*> programs) {
    FakeShell shell;
    for (const char* program : programs) shell.installed.insert(program);
    return shell;
}

TEST(OutsidePrograms, WindowsProgramsGiveWayToTheOfficeSuiteAndTheDesktopOpener) {
    const FakeShell shell = computerWith({"/usr/bin/true", "soffice", "xdg-open", "nautilus"});
    const auto other = DesktopPlatform::other;
    EXPECT_EQ(programToStart(OutsideProgram::wordProcessor, kTaro, shell, other), "soffice");
    EXPECT_EQ(programToStart(OutsideProgram::spreadsheet, kExcel, shell, other), "soffice");
    EXPECT_EQ(programToStart(OutsideProgram::fileManager, kExplorer, shell, other), "xdg-open");
    // libreoffice comes first where both are installed.
    const FakeShell both = computerWith({"libreoffice", "soffice"});
    EXPECT_EQ(programToStart(OutsideProgram::wordProcessor, kTaro, both, other), "libreoffice");
}

TEST(OutsidePrograms, AStoredProgramThatRunsHereIsKept) {
    const FakeShell shell = computerWith({"/opt/office/bin/writer", "libreoffice", "xdg-open"});
    EXPECT_EQ(programToStart(OutsideProgram::wordProcessor, "/opt/office/bin/writer", shell,
                             DesktopPlatform::other),
              "/opt/office/bin/writer");
    // An empty setting takes the desktop's program.
    EXPECT_EQ(programToStart(OutsideProgram::fileManager, "", shell, DesktopPlatform::other),
              "xdg-open");
}

TEST(OutsidePrograms, WithNothingInstalledTheStoredProgramIsNamedInTheFailure) {
    const FakeShell shell = computerWith({"lp"});
    EXPECT_EQ(programToStart(OutsideProgram::wordProcessor, kTaro, shell, DesktopPlatform::other),
              kTaro);
    EXPECT_EQ(programToStart(OutsideProgram::fileManager, kExplorer, shell, DesktopPlatform::other),
              kExplorer);
}

TEST(OutsidePrograms, WindowsKeepsTheStoredPrograms) {
    const FakeShell shell = computerWith({"libreoffice", "xdg-open"});
    EXPECT_EQ(programToStart(OutsideProgram::wordProcessor, kTaro, shell, DesktopPlatform::windows),
              kTaro);
    EXPECT_EQ(programToStart(OutsideProgram::fileManager, "", shell, DesktopPlatform::windows), "");
}

TEST(OutsidePrograms, OnlyTheThreeProgramsOfTheSettingsChange) {
    const FakeShell shell = computerWith({"libreoffice", "xdg-open"});
    const CShokiSetteiData stored;  // the Windows defaults
    const CShokiSetteiData local =
        withProgramsOfThisComputer(stored, shell, DesktopPlatform::other);
    EXPECT_EQ(local.m_strWordProcessorExe, "libreoffice");
    EXPECT_EQ(local.m_strSpreadsheetExe, "libreoffice");
    EXPECT_EQ(local.m_strFileManagerExe, "xdg-open");
    CShokiSetteiData expected = stored;
    expected.m_strWordProcessorExe = "libreoffice";
    expected.m_strSpreadsheetExe = "libreoffice";
    expected.m_strFileManagerExe = "xdg-open";
    EXPECT_EQ(local, expected);
    EXPECT_EQ(withProgramsOfThisComputer(stored, shell, DesktopPlatform::windows), stored);
}

}  // namespace
}  // namespace bunrako
