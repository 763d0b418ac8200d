#pragma once

#include <QDialog>

#include "volumes/ui/criteria_rows.h"
#include "volumes/volume_extraction_form.h"

class QPushButton;
class QRadioButton;

namespace bunrako {

class Prompt;

// The extraction dialog of the three volume tabs (文書整理一覧表の抽出,
// 永年簿冊の抽出, 廃棄簿冊の抽出). On OK the checked criteria are checked and
// written into the tab's criteria set; the dialog stays open on a mistake.
class CDlgBunshoSeiriItiranhyouTyuushutu : public QDialog {
    Q_OBJECT
  public:
    CDlgBunshoSeiriItiranhyouTyuushutu(CBosatuTyuushutuJouken& criteria,
                                       const VolumeChoices& choices, VolumeTab tab, bool western,
                                       int periodType, Prompt& prompt, QWidget* parent = nullptr);

    VolumeExtractionForm& form() { return m_form; }

  public slots:
    void accept() override;

  private:
    void build();
    void showValues();
    void readValues();
    void onDependentChoice();

    CBosatuTyuushutuJouken& m_criteria;
    VolumeExtractionForm m_form;
    Prompt& m_prompt;
    bool m_showing = false;

    CriteriaRows::TextRow m_title{};
    CriteriaRows::RangeRow m_creation{};
    CriteriaRows::NameRow m_department{};
    CriteriaRows::NameRow m_section{};
    CriteriaRows::NameRow m_major{};
    CriteriaRows::NameRow m_middle{};
    CriteriaRows::NameRow m_minor{};
    CriteriaRows::NameRow m_retentionType{};
    CriteriaRows::RangeRow m_filing{};
    CriteriaRows::RangeRow m_expiry{};
    CriteriaRows::RangeRow m_disposal{};
    CriteriaRows::RangeRow m_review{};
    QCheckBox* m_catalogue = nullptr;
    QRadioButton* m_withEntries = nullptr;
    QRadioButton* m_withoutEntries = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace bunrako
