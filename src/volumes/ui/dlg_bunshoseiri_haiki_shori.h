#pragma once

#include <QDialog>
#include <functional>

#include "volumes/batch_result.h"
#include "volumes/disposal_form.h"

class QProgressBar;
class QPushButton;

namespace bunrako {

class YearInputEdit;

// The bulk disposal dialog (簿冊の一括廃棄処理): the disposal month, 処理開始
// and the progress over the selected volumes. The batch itself is handed
// in; the dialog closes with OK once it ran (done or stopped by a file), and
// stays open with its input when the input is incomplete or the clerk
// stopped it before anything was written.
class CDlgBunshoseiriHaikiShori : public QDialog {
    Q_OBJECT
  public:
    using Run = std::function<BatchResult(const OleDateTime& month, const BatchProgress& progress,
                                          const BatchStop& stop)>;

    CDlgBunshoseiriHaikiShori(size_t selected, const OleDateTime& today, bool western, Run run,
                              QWidget* parent = nullptr);

    DisposalForm& form() { return m_form; }
    const BatchResult& batchResult() const { return m_result; }

  private:
    void build();
    void start();

    size_t m_selected;
    DisposalForm m_form;
    Run m_run;
    BatchResult m_result;
    YearInputEdit* m_month = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_back = nullptr;
};

}  // namespace bunrako
