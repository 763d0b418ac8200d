#pragma once

#include <QDialog>
#include <array>

#include "register/kian_data.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace bunrako {

class DayFields;
class FileBrowser;
class KianForm;

// The draft dialog (起案文書): the form's choices in widgets. OK copies them
// into the form and runs its Accept; input it refuses keeps the dialog open.
class CDlgKian : public QDialog {
    Q_OBJECT
  public:
    CDlgKian(KianForm& form, FileBrowser& browser, QWidget* parent = nullptr);

    void copyToForm();
    QRadioButton* typeRadio(int type) const { return m_types[static_cast<size_t>(type)]; }
    QRadioButton* classRadio(int level) const { return m_classes[static_cast<size_t>(level)]; }
    QPushButton* approverButton() const { return m_approvers; }

  private:
    void build();
    void showForm();
    void showClasses();
    void browseReference();
    void editApprovers();
    void onOk();

    KianForm& m_form;
    FileBrowser& m_browser;
    std::array<QRadioButton*, 2> m_types{};
    std::array<QRadioButton*, 4> m_classes{};
    QButtonGroup* m_classGroup = nullptr;
    DayFields* m_date = nullptr;
    QComboBox* m_post = nullptr;
    QComboBox* m_name = nullptr;
    std::array<QLineEdit*, KianInput::kAigiCount> m_aigi{};
    QCheckBox* m_useReference = nullptr;
    QLineEdit* m_reference = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_approvers = nullptr;
};

}  // namespace bunrako
