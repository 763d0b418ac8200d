#include "office/ui/qt_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "office/ui/program_call.h"
#include "office/ui/qt_text.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <shellapi.h>
#include <windows.h>
#endif

namespace bunrako {
namespace {

// The shell's result codes: above 32 is success.
constexpr int kShellSuccess = 42;
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kNoAssociation = 31;

#ifdef _WIN32
int shellExecute(const QString& path, ShellVerb verb) {
    const wchar_t* action = verb == ShellVerb::print ? L"print" : L"open";
    const QString native = QDir::toNativeSeparators(path);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, action, reinterpret_cast<const wchar_t*>(native.utf16()), nullptr,
                      nullptr, SW_SHOWNORMAL));
    return static_cast<int>(result);
}
#else
int openElsewhere(const QFileInfo& file, ShellVerb verb) {
    if (verb == ShellVerb::open) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()))
                   ? kShellSuccess
                   : kNoAssociation;
    }
    const auto call = printCallFor(file.absoluteFilePath(), [](const QString& name) {
        return QStandardPaths::findExecutable(name);
    });
    if (!call) return kNoAssociation;
    return QProcess::startDetached(call->program, call->arguments) ? kShellSuccess : kNoAssociation;
}
#endif

}  // namespace

int QtShell::startProcess(const std::string& commandLine, bool wait) {
    const ProgramCall call = splitCommandLine(toQString(commandLine), isRunnableProgram);
    if (call.program.isEmpty()) return 0;
    if (!wait) return QProcess::startDetached(call.program, call.arguments) ? 1 : 0;

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(call.program, call.arguments);
    if (!process.waitForStarted(-1)) return 0;
    process.waitForFinished(-1);
    return 1;
}

int QtShell::openDocument(const std::string& path, ShellVerb verb) {
    const QFileInfo file(toQString(path));
    if (!file.exists()) return file.absoluteDir().exists() ? kFileNotFound : kPathNotFound;
#ifdef _WIN32
    return shellExecute(file.absoluteFilePath(), verb);
#else
    return openElsewhere(file, verb);
#endif
}

bool QtShell::canStart(const std::string& program) const {
    return isRunnableProgram(toQString(program));
}

}  // namespace bunrako
