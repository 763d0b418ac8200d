#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "register/bunsho_ken_meibo_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bunrako {

class DayFields;
class Prompt;

// The entry dialog of the title register (文書件名簿): the form's values in
// widgets. OK runs the form's Accept with the caller's stores; a store that
// fails keeps the dialog open with everything typed and a line saying so.
class CDlgBunshoKenMeibo : public QDialog {
    Q_OBJECT
  public:
    // A 起案 button (0 the entry's, 1-10 the progress rows'): the caller
    // makes or opens the draft and answers whether the entry is to be
    // stored and the dialog closed.
    using DraftHandler = std::function<bool(int draftNumber)>;

    CDlgBunshoKenMeibo(BunshoKenMeiboForm& form, Prompt& prompt,
                       const BunshoKenMeiboForm::Stores& stores, QWidget* parent = nullptr);

    void setDraftHandler(DraftHandler handler) { m_draft = std::move(handler); }
    // The widgets' values into the form.
    void copyToForm();

    QPushButton* okButton() const { return m_ok; }
    QLabel* statusLine() const { return m_status; }

  private:
    struct Row {
        QCheckBox* check = nullptr;
        DayFields* date = nullptr;
        QLineEdit* text = nullptr;
        QPushButton* draft = nullptr;
    };

    void build();
    void showForm();
    void applyEnabling();
    void fillSubsections();
    void fillTitles();
    void onSectionChosen();
    void onSubsectionChosen();
    void onRowToggled(int row, bool checked);
    void onDraft(int draftNumber);
    void onOk();

    BunshoKenMeiboForm& m_form;
    Prompt& m_prompt;
    BunshoKenMeiboForm::Stores m_stores;
    DraftHandler m_draft;

    DayFields* m_registerYear = nullptr;
    QLabel* m_registerUnit = nullptr;
    DayFields* m_volumeYear = nullptr;
    QComboBox* m_section = nullptr;
    QComboBox* m_subsection = nullptr;
    QComboBox* m_title = nullptr;
    DayFields* m_received = nullptr;
    QLabel* m_symbol = nullptr;
    QLineEdit* m_number = nullptr;
    QLineEdit* m_subject = nullptr;
    QComboBox* m_sender = nullptr;
    QComboBox* m_receiver = nullptr;
    QCheckBox* m_completed = nullptr;
    DayFields* m_completedDate = nullptr;
    QPushButton* m_entryDraft = nullptr;
    std::array<Row, BunshoKenMeiboForm::kRows> m_rows;
    QCheckBox* m_important = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace bunrako
