#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include "volumes/batch_result.h"

class QProgressBar;
class QWidget;

namespace bunrako {

// The progress of a batch over selected records in Qt's progress dialog
// (and in the calling dialog's own bar, when it has one). The records are
// counted first; one more step is the writing of the files, from which on
// the stop button is gone: stopping then would leave files half done.
class BatchProgressShown {
  public:
    BatchProgressShown(QWidget* parent, const QString& label, bool stoppable,
                       QProgressBar* ownBar = nullptr);

    // The callbacks the core's batch takes.
    BatchProgress progress();
    BatchStop stop();

  private:
    void show(int position, int upper);

    QProgressDialog m_dialog;
    QPointer<QProgressBar> m_ownBar;
    bool m_stoppable;
};

}  // namespace bunrako
