#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace bunrako::testing {

// Works the next modal dialog a command opens: once it runs, the action is
// given the dialog (to fill in or look at) and then, unless the action closed
// it, the dialog is cancelled. Without this a command's exec() would wait
// for a clerk who never comes.
class DialogCloser {
  public:
    using Action = std::function<void(QDialog&)>;

    explicit DialogCloser(Action action = {}) : m_action(std::move(action)) { arm(); }

    // The window titles of the dialogs met so far.
    const QStringList& titles() const { return m_titles; }
    // Keeps working dialogs: each one the command opens after the first.
    void keepArmed(bool on) { m_keepArmed = on; }

  private:
    void arm() {
        QTimer::singleShot(0, &m_context, [this] { work(); });
    }
    void work() {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            // The dialog is not up yet: look again shortly.
            if (++m_tries < 200) QTimer::singleShot(5, &m_context, [this] { work(); });
            return;
        }
        m_tries = 0;
        m_titles << dialog->windowTitle();
        if (m_action) m_action(*dialog);
        if (dialog && dialog->isVisible()) dialog->reject();
        if (m_keepArmed) arm();
    }

    // Ends the pending looks when the closer goes.
    QObject m_context;
    Action m_action;
    QStringList m_titles;
    bool m_keepArmed = false;
    int m_tries = 0;
};

}  // namespace bunrako::testing
