#include "office/ui/qt_file_browser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

#include "office/ui/qt_text.h"

namespace bunrako {
namespace {

// "文書ファイル(*.jtd;*.doc)" → "文書ファイル": the patterns are shown again
// after the name, in the form the dialog reads.
QString nameWithoutPatterns(const QString& name) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString bare = name;
    bare.remove(trailingPatterns);
    return bare.isEmpty() ? name.trimmed() : bare;
}

}  // namespace

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& name = parts[i];
        if (name.isEmpty()) break;  // the closing "||"
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) pattern = pattern.trimmed();
        filters << QStringLiteral("%1 (%2)").arg(nameWithoutPatterns(name),
                                                 patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

std::string QtFileBrowser::browse(const std::string& folder, const std::string& fileName,
                                  const std::string& defaultExtension, const std::string& filter,
                                  bool open) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // A name typed in the open dialog may be a file still to be made from a
    // template, as the word-processor tool does.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(toQString(filter));
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!defaultExtension.empty()) dialog.setDefaultSuffix(toQString(defaultExtension));
    const QString start = QDir::fromNativeSeparators(toQString(folder));
    if (!start.isEmpty() && QDir(start).exists()) dialog.setDirectory(start);
    if (!fileName.empty()) dialog.selectFile(toQString(fileName));
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return {};
    return toStdString(QDir::toNativeSeparators(chosen.front()));
}

}  // namespace bunrako
