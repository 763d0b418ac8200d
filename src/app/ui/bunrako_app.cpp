#include "app/ui/bunrako_app.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "app/document_data.h"
#include "app/ui/command_icons.h"
#include "app/ui/main_frame.h"
#include "app/ui/single_instance.h"
#include "app/ui/texts.h"

namespace bunrako {
namespace {

// Qt's own dialogs speak Japanese where its translations are installed.
void loadQtTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

}  // namespace

CBunrakoApp::CBunrakoApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QString::fromUtf8(ui::texts::kOrganisation));
    setApplicationName(QString::fromUtf8(ui::texts::kApplicationName));
    setApplicationDisplayName(QString::fromUtf8(ui::texts::kApplicationName));
    setApplicationVersion(QStringLiteral(BUNRAKO_VERSION));
    setWindowIcon(CommandIcons::application());
    loadQtTranslations(*this);
}

CBunrakoApp::~CBunrakoApp() = default;

bool CBunrakoApp::InitInstance() {
    m_instance = std::make_unique<SingleInstance>(SingleInstance::defaultServerName());
    if (!m_instance->start()) return false;

    m_settings = std::make_unique<QSettings>();
    // The document finds the data folder and loads the section's files.
    m_document = std::make_unique<DocumentData>(m_prompt);
    const DesktopPorts ports{m_prompt, m_shell, m_fileBrowser, m_clock};
    m_frame = std::make_unique<CMainFrame>(ports, *m_document, *m_settings);
    connect(m_instance.get(), &SingleInstance::activationRequested, m_frame.get(),
            &CMainFrame::bringToFront);
    m_frame->show();
    return true;
}

}  // namespace bunrako
