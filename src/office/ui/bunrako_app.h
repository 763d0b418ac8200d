#pragma once

#include <QApplication>
#include <memory>

#include "common/system_clock.h"
#include "office/ui/qt_file_browser.h"
#include "office/ui/qt_prompt.h"
#include "office/ui/qt_shell.h"

class QSettings;

namespace bunrako {

class CBunrakoDoc;
class CMainFrame;
class SingleInstance;

// The program: one copy per user, the settings store of the office's
// programs, and the main window.
class CBunrakoApp : public QApplication {
    Q_OBJECT
  public:
    CBunrakoApp(int& argc, char** argv);
    ~CBunrakoApp() override;

    // Starts the program. False when another copy is already running; it has
    // been brought to the front and this copy should end.
    bool InitInstance();

    CMainFrame* mainFrame() const { return m_frame.get(); }

  private:
    QtPrompt m_prompt;
    QtShell m_shell;
    QtFileBrowser m_fileBrowser;
    SystemClock m_clock;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<CBunrakoDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace bunrako
