#include "office/ui/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include "common/clock.h"
#include "common/my_tool.h"
#include "office/ui/about_dialog.h"
#include "office/ui/bunrako_doc.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/command_catalogue.h"
#include "office/ui/command_icons.h"
#include "office/ui/qt_text.h"
#include "office/ui/texts.h"
#include "office/ui/window_placement_store.h"
#include "settings/calendar_mode.h"
#include "settings/settei_koumoku_form.h"
#include "settings/ui/settings_commands.h"

namespace bunrako {
namespace {

constexpr QSize kDefaultSize(1024, 720);

bool isCheckable(CommandId id) {
    return id == CommandId::volumeTitleOrder || id == CommandId::viewToolBar ||
           id == CommandId::viewStatusBar;
}

}  // namespace

CMainFrame::CMainFrame(const DesktopPorts& ports, CBunrakoDoc& document, QSettings& settings,
                       QWidget* parent)
    : QMainWindow(parent), m_ports(ports), m_document(document), m_settings(settings) {
    setWindowIcon(CommandIcons::application());
    m_view = new CBunrakoView(ports, document.data(), this);
    setCentralWidget(m_view);

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();

    connect(m_view, &CBunrakoView::tabChanged, this, &CMainFrame::showRegisterCommands);
    connect(m_view, &CBunrakoView::commandStatesChanged, this, &CMainFrame::updateCommandStates);
    connect(m_view, &CBunrakoView::titleChanged, this, [this](const QString& title) {
        setWindowTitle(QString::fromUtf8(office::ui::texts::kWindowTitle).arg(title));
    });
    connect(&m_document, &CBunrakoDoc::loaded, this, [this] {
        m_view->OnDocumentLoaded();
        showSection();
    });
    connect(m_view, &CBunrakoView::contextMenuRequested, this,
            [this](int tab, const QPoint& position) { registerMenu(tab)->popup(position); });

    setAcceptDrops(true);
    resize(kDefaultSize);
    showRegisterCommands(m_registerTab);
    WindowPlacementStore(m_settings).restore(*this);
    m_view->OnInitialUpdate();
}

QAction* CMainFrame::action(CommandId id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

// ---- Building ------------------------------------------------------------------

void CMainFrame::createActions() {
    for (const auto& text : office::ui::texts::kCommandTexts) {
        const CommandId id = text.id;
        auto* action =
            new QAction(CommandIcons::forCommand(id), QString::fromUtf8(text.caption), this);
        action->setStatusTip(QString::fromUtf8(text.status));
        action->setToolTip(QString::fromUtf8(text.toolTip));
        m_actions.emplace(id, action);
        if (isCheckable(id)) {
            // The check is the one truth: a click, a key, a menu or an
            // assistive tool's toggle all change it, and the command follows.
            action->setCheckable(true);
            action->setChecked(id != CommandId::volumeTitleOrder);
            connect(action, &QAction::toggled, this,
                    [this, id](bool checked) { applyCheck(id, checked); });
        } else {
            connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        }
    }
}

QMenu* CMainFrame::addCommandMenu(const char* caption, std::initializer_list<CommandId> commands) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(caption));
    addCommands(menu, std::span<const CommandId>(commands.begin(), commands.size()));
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    return menu;
}

void CMainFrame::addCommands(QWidget* target, std::span<const CommandId> commands) {
    for (const CommandId id : commands) {
        if (id == kSeparator) {
            auto* separator = new QAction(target);
            separator->setSeparator(true);
            target->addAction(separator);
        } else {
            target->addAction(action(id));
            if (auto* toolBar = qobject_cast<QToolBar*>(target)) {
                describeToolButton(*toolBar, *action(id), id);
            }
        }
    }
}

// A toolbar button carries its command's full name for assistive tools (the
// captions alone repeat: 登録, 変更 ... on every register toolbar).
void CMainFrame::describeToolButton(QToolBar& toolBar, QAction& action, CommandId id) {
    QWidget* button = toolBar.widgetForAction(&action);
    if (!button) return;
    button->setAccessibleName(QString::fromUtf8(commandText(id).toolTip));
    button->setAccessibleDescription(action.statusTip());
}

void CMainFrame::createMenus() {
    using C = CommandId;
    addCommandMenu(office::ui::texts::kMenuFile, {C::bulkVolumeImport, kSeparator, C::appExit});
    addCommandMenu(office::ui::texts::kMenuView, {C::viewToolBar, C::viewStatusBar});
    m_settingsMenu =
        addCommandMenu(office::ui::texts::kMenuSettings,
                       {C::initialSettings, C::switchSection, kSeparator, C::departmentMaster,
                        C::classificationMaster, C::retentionMaster});
    addCommandMenu(office::ui::texts::kMenuTools,
                   {C::personalFolder, C::fileManager, kSeparator, C::wordProcessor, C::spreadsheet,
                    kSeparator, C::fileSearch, C::registeredForms});
    addCommandMenu(office::ui::texts::kMenuHelp, {C::appAbout});

    for (int tab = 0; tab < kRegisterTabCount; ++tab) {
        const RegisterTabInfo& info = registerTabInfo(tab);
        auto* menu = new QMenu(QString::fromUtf8(info.menuCaption), this);
        addCommands(menu, info.commands);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
        m_registerMenus[static_cast<size_t>(tab)] = menu;
    }
}

void CMainFrame::createToolBars() {
    using C = CommandId;
    m_standardToolBar = new QToolBar(QString::fromUtf8(office::ui::texts::kStandardToolBar), this);
    m_standardToolBar->setObjectName(QStringLiteral("standardToolBar"));
    m_standardToolBar->setAccessibleName(m_standardToolBar->windowTitle());
    const CommandId standard[] = {C::personalFolder,  C::fileManager, C::wordProcessor,
                                  C::spreadsheet,     kSeparator,     C::fileSearch,
                                  C::registeredForms, kSeparator,     C::appAbout};
    addCommands(m_standardToolBar, standard);
    addToolBar(Qt::TopToolBarArea, m_standardToolBar);

    for (int tab = 0; tab < kRegisterTabCount; ++tab) {
        const RegisterTabInfo& info = registerTabInfo(tab);
        auto* toolBar = new QToolBar(QString::fromUtf8(info.menuCaption), this);
        toolBar->setObjectName(QStringLiteral("registerToolBar%1").arg(tab));
        toolBar->setAccessibleName(toolBar->windowTitle());
        toolBar->setAllowedAreas(Qt::TopToolBarArea);
        addCommands(toolBar, info.commands);
        addToolBar(Qt::TopToolBarArea, toolBar);
        toolBar->hide();
        m_registerToolBars[static_cast<size_t>(tab)] = toolBar;
    }
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    m_rowIndicator = new QLabel(bar);
    m_sectionIndicator = new QLabel(bar);
    m_dateIndicator = new QLabel(bar);
    for (QLabel* indicator : {m_rowIndicator, m_sectionIndicator, m_dateIndicator}) {
        indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        indicator->setMinimumWidth(90);
        bar->addPermanentWidget(indicator);
    }
    showSection();
    // The message pane says "レディ" whenever no command explains itself.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
        if (message.isEmpty()) bar->showMessage(QString::fromUtf8(office::ui::texts::kReady));
    });
    bar->showMessage(QString::fromUtf8(office::ui::texts::kReady));
}

// ---- Tabs and commands ---------------------------------------------------------

void CMainFrame::showRegisterCommands(int tab) {
    if (tab < 0 || tab >= kRegisterTabCount) return;
    m_registerTab = tab;
    QMenu* menu = registerMenu(tab);
    if (m_shownRegisterMenu != menu) {
        if (m_shownRegisterMenu) menuBar()->removeAction(m_shownRegisterMenu->menuAction());
        menuBar()->insertMenu(m_settingsMenu->menuAction(), menu);
        m_shownRegisterMenu = menu;
    }
    // The register toolbar docks at the top only: beside the standard
    // toolbar while that one is at the top too. Whether it shows follows
    // 表示 › ツール バー, so re-checking that shows this tab's toolbar.
    for (QToolBar* toolBar : m_registerToolBars) {
        if (toolBar != registerToolBar(tab)) toolBar->hide();
    }
    QToolBar* shown = registerToolBar(tab);
    if (toolBarArea(shown) != Qt::TopToolBarArea) addToolBar(Qt::TopToolBarArea, shown);
    shown->setVisible(action(CommandId::viewToolBar)->isChecked());
    updateCommandStates();
}

void CMainFrame::runCommand(CommandId id) {
    switch (id) {
        case CommandId::appAbout:
            showAbout();
            return;
        case CommandId::appExit:
            close();
            return;
        case CommandId::viewToolBar:
        case CommandId::viewStatusBar:
        case CommandId::volumeTitleOrder:
            action(id)->toggle();
            return;
        case CommandId::departmentMaster:
            settingsCommands().editMaster(MasterKind::department);
            return;
        case CommandId::classificationMaster:
            settingsCommands().editMaster(MasterKind::classification);
            return;
        case CommandId::retentionMaster:
            settingsCommands().editMaster(MasterKind::retention);
            return;
        case CommandId::initialSettings:
            settingsCommands().editInitialSettings();
            return;
        case CommandId::switchSection:
            settingsCommands().switchSection();
            return;
        default:
            m_view->runCommand(id);
            updateCommandStates();
            return;
    }
}

SettingsCommands CMainFrame::settingsCommands() {
    return SettingsCommands(m_document, m_ports.prompt, m_ports.fileBrowser, this);
}

void CMainFrame::startWithoutSettingsIfNeeded() {
    if (m_document.data().m_settings.NoSettingsYet()) settingsCommands().startWithoutSettings();
}

void CMainFrame::applyCheck(CommandId id, bool checked) {
    switch (id) {
        case CommandId::viewToolBar:
            setToolBarsVisible(checked);
            return;
        case CommandId::viewStatusBar:
            statusBar()->setVisible(checked);
            return;
        case CommandId::volumeTitleOrder:
            m_view->setTitleOrder(checked);
            return;
        default:
            return;
    }
}

void CMainFrame::updateCommandStates() {
    for (const auto& [id, commandAction] : m_actions) {
        commandAction->setEnabled(m_view->isCommandEnabled(id));
    }
    action(CommandId::volumeTitleOrder)
        ->setChecked(m_view->isCommandChecked(CommandId::volumeTitleOrder));
    const auto tab = static_cast<RegisterTab>(m_view->currentTab());
    m_rowIndicator->setText(QString::fromUtf8(office::ui::texts::kRowCount)
                                .arg(m_view->rowCount(tab))
                                .arg(m_view->selectedCount(tab)));
}

void CMainFrame::setToolBarsVisible(bool visible) {
    m_standardToolBar->setVisible(visible);
    registerToolBar(m_registerTab)->setVisible(visible);
}

void CMainFrame::showAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::showSection() {
    const CShokiSetteiData& settings = m_document.data().m_settings.Current();
    m_sectionIndicator->setText(toQString(settings.m_strSectionName) + QStringLiteral("　") +
                                toQString(settings.m_strSubsectionName));
    const OleDateTime today = m_ports.clock.today();
    m_dateIndicator->setText(toQString(CalendarMode::FromSettings(settings).TodayText(today)));
}

void CMainFrame::bringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (m_view->takesDroppedFiles(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (!m_view->takesDroppedFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_view->addRelatedFiles(event->mimeData()->urls());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    WindowPlacementStore(m_settings).save(*this);
    event->accept();
}

}  // namespace bunrako
