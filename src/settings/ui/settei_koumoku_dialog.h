#pragma once

#include <QDialog>
#include <array>

#include "settings/settei_koumoku_form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace bunrako {

class FileBrowser;
class Prompt;

// The item editor of a master: the list of the level being edited, the
// three rows of number, name and second value, and 登録, 削除, the CSV
// import and export and 戻る. Every rule is the form's; closing by any way
// (戻る, Esc, the close box) ends it, and the caller keeps the form's named
// items.
class CDlgSetteiKoumoku : public QDialog {
    Q_OBJECT
  public:
    CDlgSetteiKoumoku(SetteiKoumokuForm& form, Prompt& prompt, FileBrowser& browser,
                      QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    QLineEdit* numberEdit(int level) const { return m_rows[index(level)].number; }
    QLineEdit* nameEdit(int level) const { return m_rows[index(level)].name; }
    QLineEdit* subNameEdit(int level) const { return m_rows[index(level)].subName; }
    QPushButton* registerButton() const { return m_register; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* exportButton() const { return m_export; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct RowEdits {
        QLabel* caption = nullptr;
        QLineEdit* number = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* subName = nullptr;
    };
    static size_t index(int level) { return static_cast<size_t>(level - 1); }

    void buildRows();
    QWidget* buildButtons();
    void showRows();
    void showLines();
    int levelOfNumberEdit(QObject* edit) const;
    void descend(int line);
    void registerRows();
    void deleteLine();
    void importCsv();
    void exportCsv();

    SetteiKoumokuForm& m_form;
    Prompt& m_prompt;
    FileBrowser& m_browser;
    QListWidget* m_list;
    std::array<RowEdits, 3> m_rows{};
    QPushButton* m_register = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_export = nullptr;
};

}  // namespace bunrako
