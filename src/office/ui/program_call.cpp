#include "office/ui/program_call.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace bunrako {
namespace {

ProgramCall withArguments(const QString& program, const QString& rest) {
    return {program, QProcess::splitCommand(rest)};
}

}  // namespace

ProgramCall splitCommandLine(const QString& commandLine,
                             const std::function<bool(const QString&)>& isProgram) {
    const QString line = commandLine.trimmed();
    if (line.isEmpty()) return {};
    if (line.startsWith(QLatin1Char('"'))) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), 1);
        if (close < 0) return {line.mid(1), {}};
        return withArguments(line.mid(1, close - 1), line.mid(close + 1));
    }
    for (qsizetype space = line.indexOf(QLatin1Char(' ')); space >= 0;
         space = line.indexOf(QLatin1Char(' '), space + 1)) {
        const QString candidate = line.left(space);
        if (isProgram(candidate)) return withArguments(candidate, line.mid(space + 1));
    }
    if (isProgram(line)) return {line, {}};
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    if (space < 0) return {line, {}};
    return withArguments(line.left(space), line.mid(space + 1));
}

bool isRunnableProgram(const QString& candidate) {
    const QFileInfo info(candidate);
    if (info.isFile() && info.isExecutable()) return true;
    // Bare names ("soffice", "explorer.exe") are looked up on the search path.
    if (candidate.contains(QLatin1Char('/')) || candidate.contains(QLatin1Char('\\'))) {
        return false;
    }
    return !QStandardPaths::findExecutable(candidate).isEmpty();
}

std::optional<ProgramCall> printCallFor(
    const QString& path, const std::function<QString(const QString&)>& findExecutable) {
    static const QStringList officeSuffixes = {
        QStringLiteral("doc"),  QStringLiteral("docx"), QStringLiteral("odt"),
        QStringLiteral("fodt"), QStringLiteral("rtf"),  QStringLiteral("xls"),
        QStringLiteral("xlsx"), QStringLiteral("ods"),  QStringLiteral("csv"),
        QStringLiteral("ppt"),  QStringLiteral("pptx"), QStringLiteral("odp")};
    static const QStringList lpSuffixes = {
        QStringLiteral("pdf"), QStringLiteral("ps"),  QStringLiteral("txt"), QStringLiteral("csv"),
        QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg")};
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (officeSuffixes.contains(suffix)) {
        for (const QString& name : {QStringLiteral("libreoffice"), QStringLiteral("soffice")}) {
            const QString office = findExecutable(name);
            if (!office.isEmpty()) {
                return ProgramCall{office,
                                   {QStringLiteral("--headless"), QStringLiteral("-p"), path}};
            }
        }
    }
    if (lpSuffixes.contains(suffix)) {
        const QString lp = findExecutable(QStringLiteral("lp"));
        if (!lp.isEmpty()) return ProgramCall{lp, {path}};
    }
    return std::nullopt;
}

}  // namespace bunrako
