#pragma once

#include <QDialog>

#include "register/register_criteria_form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace bunrako {

class DayFields;
class Prompt;

// The extraction dialog of the title register (文書件名簿（受付簿）の抽出):
// the form's criteria in widgets. OK refuses fields out of range and
// otherwise copies the widgets into the form.
class CDlgBunshoKenMeiboTyuushutu : public QDialog {
    Q_OBJECT
  public:
    CDlgBunshoKenMeiboTyuushutu(RegisterCriteriaForm& form, Prompt& prompt,
                                QWidget* parent = nullptr);

    void copyToForm();

  private:
    void build();
    void showForm();
    void applyEnabling();
    void onOk();

    RegisterCriteriaForm& m_form;
    Prompt& m_prompt;
    QCheckBox* m_byWord = nullptr;
    QLineEdit* m_word = nullptr;
    QCheckBox* m_byYear = nullptr;
    DayFields* m_yearFrom = nullptr;
    DayFields* m_yearTo = nullptr;
    QCheckBox* m_bySection = nullptr;
    QComboBox* m_section = nullptr;
    QCheckBox* m_bySubsection = nullptr;
    QComboBox* m_subsection = nullptr;
    QCheckBox* m_byNumber = nullptr;
    QLineEdit* m_numberFrom = nullptr;
    QLineEdit* m_numberTo = nullptr;
    QCheckBox* m_byReceived = nullptr;
    DayFields* m_receivedFrom = nullptr;
    DayFields* m_receivedTo = nullptr;
    QCheckBox* m_byCompleted = nullptr;
    QRadioButton* m_completed = nullptr;
    QRadioButton* m_notCompleted = nullptr;
    QCheckBox* m_byCompletedDate = nullptr;
    DayFields* m_completedFrom = nullptr;
    DayFields* m_completedTo = nullptr;
};

}  // namespace bunrako
