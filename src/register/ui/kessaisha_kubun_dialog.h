#pragma once

#include <QDialog>

#include "register/kessai_kubun_form.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace bunrako {

// The approver settings of one approval type (決裁者区分設定): the form's
// lines in a list, its edits and buttons.
class CDlgKessaishaKubunSettei : public QDialog {
    Q_OBJECT
  public:
    CDlgKessaishaKubunSettei(KessaiKubunForm& form, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* symbolEdit() const { return m_symbol; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* changeButton() const { return m_change; }
    QPushButton* deleteButton() const { return m_delete; }

  private:
    void showLines();
    void applyEnabling();
    void copyEdits();

    KessaiKubunForm& m_form;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_symbol = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_delete = nullptr;
};

}  // namespace bunrako
