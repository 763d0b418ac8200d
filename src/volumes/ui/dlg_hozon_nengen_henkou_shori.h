#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "volumes/batch_result.h"
#include "volumes/retention_change_form.h"

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace bunrako {

// The retention-type change dialog (保存種別の一括変更処理): the new type from
// the retention table, the reason, and the progress over the selected
// volumes. The batch itself is handed in; the dialog closes with OK once it
// ran, and stays open with its input when the input is incomplete or the
// clerk stopped it before anything was written.
class CDlgHozonNengenHenkouShori : public QDialog {
    Q_OBJECT
  public:
    using Run = std::function<BatchResult(const std::string& type, const std::string& reason,
                                          const BatchProgress& progress, const BatchStop& stop)>;

    CDlgHozonNengenHenkouShori(size_t selected, const CSetteiKoumokuList& retention, Run run,
                               QWidget* parent = nullptr);

    RetentionChangeForm& form() { return m_form; }
    const BatchResult& batchResult() const { return m_result; }

  private:
    void build();
    void start();

    size_t m_selected;
    RetentionChangeForm m_form;
    Run m_run;
    BatchResult m_result;
    QComboBox* m_type = nullptr;
    QLineEdit* m_reason = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace bunrako
