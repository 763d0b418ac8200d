#pragma once

#include <QDialog>

#include "catalogue/touroku_tyouhyou_form.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace bunrako {

class FileBrowser;
class Prompt;
class Shell;

// 登録帳票: the list of registered forms and programs, their edits, 登録,
// 削除, 実行 and 戻る.
class CDlgTourokuTyouhyou : public QDialog {
    Q_OBJECT
  public:
    CDlgTourokuTyouhyou(TourokuTyouhyouForm& form, Shell& shell, Prompt& prompt,
                        FileBrowser& browser, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    QLineEdit* titleEdit() const { return m_title; }
    QLineEdit* fileEdit() const { return m_file; }
    QLineEdit* optionEdit() const { return m_option; }
    QButtonGroup* runModes() const { return m_runModes; }
    QPushButton* registerButton() const { return m_register; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* runButton() const { return m_run; }
    QLabel* statusLine() const { return m_status; }

  private:
    void showTitles();
    void showRecord();
    void browse(QLineEdit* edit, const char* filter);

    TourokuTyouhyouForm& m_form;
    Shell& m_shell;
    Prompt& m_prompt;
    FileBrowser& m_browser;
    QListWidget* m_list;
    QLineEdit* m_title;
    QLineEdit* m_file;
    QLineEdit* m_option;
    QButtonGroup* m_runModes;
    QPushButton* m_register;
    QPushButton* m_delete;
    QPushButton* m_run;
    QLabel* m_status;
};

}  // namespace bunrako
