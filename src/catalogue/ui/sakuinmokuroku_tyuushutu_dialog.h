#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace bunrako {

class CatalogueCriteriaForm;
class DayFields;
class Prompt;

// The extraction dialog of the index catalogue (索引目録の抽出): the form's
// criteria in widgets. OK copies them into the form; dates it refuses keep
// the dialog open.
class CDlgSakuinmokurokuTyuushutu : public QDialog {
    Q_OBJECT
  public:
    CDlgSakuinmokurokuTyuushutu(CatalogueCriteriaForm& form, Prompt& prompt,
                                QWidget* parent = nullptr);

    void copyToForm();

  private:
    void build();
    void showForm();
    void applyEnabling();
    void onOk();

    CatalogueCriteriaForm& m_form;
    Prompt& m_prompt;
    QCheckBox* m_byNumber = nullptr;
    QLineEdit* m_numberFrom = nullptr;
    QLineEdit* m_numberTo = nullptr;
    QCheckBox* m_byDate = nullptr;
    DayFields* m_dateFrom = nullptr;
    DayFields* m_dateTo = nullptr;
    QCheckBox* m_byWord = nullptr;
    QLineEdit* m_word = nullptr;
    QCheckBox* m_byCompletion = nullptr;
    QRadioButton* m_completed = nullptr;
    QRadioButton* m_notCompleted = nullptr;
    QCheckBox* m_byCompletionDate = nullptr;
    DayFields* m_completionFrom = nullptr;
    DayFields* m_completionTo = nullptr;
};

}  // namespace bunrako
