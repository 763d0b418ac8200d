#pragma once

#include <QDialog>
#include <span>
#include <vector>

#include "volumes/doc_master_data.h"
#include "volumes/nendo_kirikae.h"
#include "volumes/nendo_kirikae_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace bunrako {

class FileBrowser;
class Prompt;
class YearInputEdit;

// The year-switch dialog (文書整理一覧表の年度切替): the new fiscal year, the
// reorganisation check with department and section, and the master file that
// receives the copies. On OK the values are checked and the switch runs with
// the dialog's progress bar; the dialog closes only when the file was
// written, so that a file that is locked or gone keeps what was entered.
class CDlgBunshoSeiriNendoKirikae : public QDialog {
    Q_OBJECT
  public:
    // displayed: the records of the list in list order; mask: 1 for each
    // selected one.
    CDlgBunshoSeiriNendoKirikae(const VolumeChoices& choices, NendoKirikaeForm::Setup setup,
                                std::span<const CDocMasterData> displayed,
                                std::span<const int> mask, Prompt& prompt, FileBrowser& fileBrowser,
                                QWidget* parent = nullptr);

    NendoKirikaeForm& form() { return m_form; }
    // What the switch did (after OK).
    const NendoKirikaeResult& result() const { return m_result; }
    const NendoKirikaeRequest& request() const { return m_request; }

  public slots:
    void accept() override;

  private:
    void build();
    void showValues();
    void readValues();
    void applyEnabling();
    void browse();
    void onReorganise(bool on);
    void onDepartment();
    void focusField(NendoKirikaeField field);
    void setBusy(bool busy);

    NendoKirikaeForm m_form;
    std::span<const CDocMasterData> m_displayed;
    std::span<const int> m_mask;
    Prompt& m_prompt;
    FileBrowser& m_fileBrowser;
    NendoKirikaeResult m_result;
    NendoKirikaeRequest m_request;
    bool m_showing = false;

    YearInputEdit* m_year = nullptr;
    QCheckBox* m_reorganise = nullptr;
    QLabel* m_departmentLabel = nullptr;
    QComboBox* m_department = nullptr;
    QLabel* m_sectionLabel = nullptr;
    QComboBox* m_section = nullptr;
    QLineEdit* m_file = nullptr;
    QPushButton* m_browse = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace bunrako
