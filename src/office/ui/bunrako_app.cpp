#include "office/ui/bunrako_app.h"

#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

#include "common/version.h"
#include "office/ui/bunrako_doc.h"
#include "office/ui/command_icons.h"
#include "office/ui/main_frame.h"
#include "office/ui/single_instance.h"
#include "office/ui/texts.h"

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

// Kanji take their Japanese forms only from a Japanese font. Where the
// desktop does not run in Japanese, its fallback for them may be a Chinese
// one; the first Japanese font installed is then put first.
void preferJapaneseFont(QApplication& app) {
#ifdef _WIN32
    (void)app;
#else
    static const char* const kJapaneseFonts[] = {"Noto Sans CJK JP", "Source Han Sans JP",
                                                 "IPAexGothic",      "IPAGothic",
                                                 "TakaoGothic",      "VL Gothic"};
    const QStringList installed = QFontDatabase::families();
    for (const char* name : kJapaneseFonts) {
        const QString family = QString::fromUtf8(name);
        if (!installed.contains(family)) continue;
        QFont font = QApplication::font();
        font.setFamilies({family, font.family()});
        app.setFont(font);
        return;
    }
#endif
}

}  // namespace

CBunrakoApp::CBunrakoApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QString::fromUtf8(office::ui::texts::kOrganisation));
    setApplicationName(QString::fromUtf8(office::ui::texts::kApplicationName));
    setApplicationDisplayName(QString::fromUtf8(office::ui::texts::kApplicationName));
    setApplicationVersion(QString::fromUtf8(ProgramVersion()));
    // Lets the desktop match the windows to the menu entry and its icon.
    setDesktopFileName(QString::fromUtf8(office::ui::texts::kDesktopId));
    setWindowIcon(CommandIcons::application());
    loadQtTranslations(*this);
    preferJapaneseFont(*this);
}

CBunrakoApp::~CBunrakoApp() = default;

bool CBunrakoApp::InitInstance() {
    m_instance = std::make_unique<SingleInstance>(SingleInstance::defaultServerName());
    if (!m_instance->start()) return false;

    m_settings = std::make_unique<QSettings>();
    // The document finds the data folder and loads the section's files.
    m_document = std::make_unique<CBunrakoDoc>(m_prompt, m_clock);
    const DesktopPorts ports{m_prompt, m_shell, m_fileBrowser, m_clock};
    m_frame = std::make_unique<CMainFrame>(ports, *m_document, *m_settings);
    connect(m_instance.get(), &SingleInstance::activationRequested, m_frame.get(),
            &CMainFrame::bringToFront);
    m_frame->show();
    // After the window is up, so that the settings open over it.
    QTimer::singleShot(0, m_frame.get(), &CMainFrame::startWithoutSettingsIfNeeded);
    return true;
}

}  // namespace bunrako
