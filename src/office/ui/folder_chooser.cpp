#include "office/ui/folder_chooser.h"

#include <QDir>
#include <QFileDialog>

#include "office/ui/qt_text.h"
#include "office/ui/texts.h"

namespace bunrako {

std::string FolderChooser::choose(QWidget* parent, const std::string& caption,
                                  const std::string& startFolder) {
    const QString start = QDir::fromNativeSeparators(toQString(startFolder));
    const QString chosen = QFileDialog::getExistingDirectory(
        parent,
        caption.empty() ? QString::fromUtf8(office::ui::texts::kChooseFolder) : toQString(caption),
        QDir(start).exists() ? start : QString());
    return toStdString(QDir::toNativeSeparators(chosen));
}

}  // namespace bunrako
