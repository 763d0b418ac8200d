#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "catalogue/sakuin_mokuroku_form.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bunrako {

class DayFields;
class Prompt;

// The entry dialog of the index catalogue (索引目録): the form's values in
// widgets. OK runs the form's Accept with the caller's store; a store that
// fails keeps the dialog open with everything typed and a line naming the
// catalogue's folder.
class CDlgSakuinMokuroku : public QDialog {
    Q_OBJECT
  public:
    // A 起案 button (0 beside 受付日, 1-10 the progress rows'): the caller
    // opens or makes the draft of the entry and answers whether the entry is
    // to be stored and the dialog closed.
    using DraftHandler = std::function<bool(int draftNumber, const CSakuinMokurokuList& entry)>;

    CDlgSakuinMokuroku(SakuinMokurokuForm& form, Prompt& prompt, SakuinMokurokuForm::Store store,
                       QWidget* parent = nullptr);

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
    void buildProgressRows(QGridLayout* grid, int& line);
    void showForm();
    void applyEnabling();
    void onLinkToggled(bool checked);
    void onDraft(int draftNumber);
    void onOk();
    void showStatus(const QString& text);

    SakuinMokurokuForm& m_form;
    Prompt& m_prompt;
    SakuinMokurokuForm::Store m_store;
    DraftHandler m_draft;

    DayFields* m_received = nullptr;
    QPushButton* m_entryDraft = nullptr;
    QLineEdit* m_number = nullptr;
    QCheckBox* m_link = nullptr;
    QLineEdit* m_subject = nullptr;
    QLineEdit* m_remarks = nullptr;
    QComboBox* m_sender = nullptr;
    QComboBox* m_receiver = nullptr;
    QCheckBox* m_completed = nullptr;
    DayFields* m_completedDate = nullptr;
    std::array<Row, SakuinMokurokuForm::kRows> m_rows;
    QCheckBox* m_removeBefore = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace bunrako
