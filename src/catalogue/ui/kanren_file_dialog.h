#pragma once

#include <QDialog>

#include "catalogue/kanren_file_form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace bunrako {

class FileBrowser;

// 関連ファイル: the file name and folder of one related file, with 参照.
class CDlgKanrenFile : public QDialog {
    Q_OBJECT
  public:
    CDlgKanrenFile(KanrenFileForm& form, FileBrowser& browser, QWidget* parent = nullptr);

    QLineEdit* fileNameEdit() const { return m_fileName; }
    QLineEdit* folderEdit() const { return m_folder; }
    QPushButton* browseButton() const { return m_browse; }
    QLabel* statusLine() const { return m_status; }

    void accept() override;

  private:
    KanrenFileForm& m_form;
    FileBrowser& m_browser;
    QLineEdit* m_fileName;
    QLineEdit* m_folder;
    QPushButton* m_browse;
    QLabel* m_status;
};

}  // namespace bunrako
