#include "volumes/ui/batch_progress.h"

#include <QProgressBar>

#include "volumes/ui/texts.h"

namespace bunrako {

namespace uitexts = volumes::ui::texts;

BatchProgressShown::BatchProgressShown(QWidget* parent, const QString& label, bool stoppable,
                                       QProgressBar* ownBar)
    : m_dialog(label, QString::fromUtf8(uitexts::kStop), 0, 1, parent),
      m_ownBar(ownBar),
      m_stoppable(stoppable) {
    m_dialog.setObjectName(QStringLiteral("batchProgress"));
    m_dialog.setWindowTitle(parent ? parent->windowTitle() : QString());
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setAutoReset(false);
    m_dialog.setAutoClose(false);
    m_dialog.setMinimumDuration(0);
    if (!stoppable) m_dialog.setCancelButton(nullptr);
    m_dialog.setValue(0);
}

BatchProgress BatchProgressShown::progress() {
    return [this](int position, int upper) { show(position, upper); };
}

BatchStop BatchProgressShown::stop() {
    return [this] { return m_stoppable && m_dialog.wasCanceled(); };
}

void BatchProgressShown::show(int position, int upper) {
    if (m_ownBar) {
        m_ownBar->setRange(0, upper);
        m_ownBar->setValue(position);
    }
    m_dialog.setMaximum(upper + 1);
    if (position >= upper && m_stoppable) {
        // Past the last record only the writing is left, which is not stopped;
        // a stop asked for just before is still heeded (nothing written yet).
        m_stoppable = m_dialog.wasCanceled();
        m_dialog.setCancelButton(nullptr);
        m_dialog.setLabelText(QString::fromUtf8(uitexts::kWritingFiles));
    }
    m_dialog.setValue(position);
}

}  // namespace bunrako
