#pragma once

#include <QDialog>

#include "volumes/change_form_extraction_form.h"
#include "volumes/ui/criteria_rows.h"

class QPushButton;

namespace bunrako {

class Prompt;

// The extraction dialog of the change-form tab (保存年限変更書の抽出): twelve
// criteria; on OK they are checked and written into the tab's criteria.
class CDlgHozonNengenHenkoushoTyuushutu : public QDialog {
    Q_OBJECT
  public:
    CDlgHozonNengenHenkoushoTyuushutu(CHozonNengenHenkoushoTyuushutuJouken& criteria,
                                      const VolumeChoices& choices, bool western, int periodType,
                                      Prompt& prompt, QWidget* parent = nullptr);

    ChangeFormExtractionForm& form() { return m_form; }

  public slots:
    void accept() override;

  private:
    void build();
    void showValues();
    void readValues();
    void onDependentChoice();

    CHozonNengenHenkoushoTyuushutuJouken& m_criteria;
    ChangeFormExtractionForm m_form;
    Prompt& m_prompt;
    bool m_showing = false;

    CriteriaRows::TextRow m_title{};
    CriteriaRows::RangeRow m_creation{};
    CriteriaRows::NameRow m_department{};
    CriteriaRows::NameRow m_section{};
    CriteriaRows::NameRow m_major{};
    CriteriaRows::NameRow m_middle{};
    CriteriaRows::NameRow m_minor{};
    CriteriaRows::RangeRow m_filingStart{};
    CriteriaRows::RangeRow m_filingEnd{};
    CriteriaRows::PairRow m_typeBefore{};
    CriteriaRows::PairRow m_typeAfter{};
    CriteriaRows::TextRow m_reason{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace bunrako
