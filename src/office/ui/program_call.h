#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace bunrako {

// A program and its arguments, ready for QProcess.
struct ProgramCall {
    QString program;
    QStringList arguments;

    bool operator==(const ProgramCall&) const = default;
};

// Splits a one-line command as the settings store it: a program path, which
// may be quoted or may hold unquoted spaces ("C:\Program Files\...\X.EXE"),
// then the arguments. Like the Windows shell, the shortest leading part that
// names a program is the program; failing that, the first word.
ProgramCall splitCommandLine(const QString& commandLine,
                             const std::function<bool(const QString&)>& isProgram);

// True for a path or a name on the search path that can be run.
bool isRunnableProgram(const QString& candidate);

// How to print a file without a print association of the desktop: office
// documents through the office suite's print switch, plain and page files
// through lp. Empty when nothing here can print it. findExecutable returns
// the full path of a program name, or "" when it is not installed.
std::optional<ProgramCall> printCallFor(
    const QString& path, const std::function<QString(const QString&)>& findExecutable);

}  // namespace bunrako
