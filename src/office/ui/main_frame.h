#pragma once

#include <QMainWindow>
#include <array>
#include <initializer_list>
#include <map>

#include "office/ui/command_id.h"
#include "office/ui/desktop_ports.h"
#include "office/ui/register_tab.h"

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QToolBar;

namespace bunrako {

class CBunrakoDoc;
class CBunrakoView;
class SettingsCommands;

// The main window: menus, the standard toolbar, one register menu and one
// register toolbar per tab (swapped with the tab), the status bar and the
// main view. The window placement is restored on creation and stored on
// close.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(const DesktopPorts& ports, CBunrakoDoc& document, QSettings& settings,
               QWidget* parent = nullptr);

    CBunrakoView* view() const { return m_view; }
    QAction* action(CommandId id) const;
    QMenu* registerMenu(int tab) const { return m_registerMenus.at(static_cast<size_t>(tab)); }
    QToolBar* registerToolBar(int tab) const {
        return m_registerToolBars.at(static_cast<size_t>(tab));
    }
    QToolBar* standardToolBar() const { return m_standardToolBar; }
    // The three indicators beside the message: rows, section, date.
    QLabel* rowIndicator() const { return m_rowIndicator; }
    QLabel* sectionIndicator() const { return m_sectionIndicator; }
    QLabel* dateIndicator() const { return m_dateIndicator; }

  public slots:
    // Puts the tab's register menu at the third place of the menu bar and
    // shows its toolbar beside the standard one. Other indices are ignored.
    void showRegisterCommands(int tab);
    void runCommand(CommandId id);
    void updateCommandStates();
    // Another start of the program wants this window.
    void bringToFront();
    // The section and the calendar may have changed: the indicators follow.
    void showSection();
    // On an office without settings: tells so and opens the settings.
    void startWithoutSettingsIfNeeded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Files dropped anywhere on the window (toolbars, status bar, caption
    // line) reach the view, which takes them on the 関連ファイル tab.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // No toolbar menu: the register toolbars follow the tabs, not the clerk.
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    QMenu* addCommandMenu(const char* caption, std::initializer_list<CommandId> commands);
    void addCommands(QWidget* target, std::span<const CommandId> commands);
    void describeToolButton(QToolBar& toolBar, QAction& action, CommandId id);
    // A checkable command follows its action's check, however it changed.
    void applyCheck(CommandId id, bool checked);
    void showAbout();
    SettingsCommands settingsCommands();
    void setToolBarsVisible(bool visible);

    DesktopPorts m_ports;
    CBunrakoDoc& m_document;
    QSettings& m_settings;
    CBunrakoView* m_view = nullptr;
    std::map<CommandId, QAction*> m_actions;
    QMenu* m_settingsMenu = nullptr;
    QMenu* m_shownRegisterMenu = nullptr;
    std::array<QMenu*, kRegisterTabCount> m_registerMenus{};
    QToolBar* m_standardToolBar = nullptr;
    std::array<QToolBar*, kRegisterTabCount> m_registerToolBars{};
    int m_registerTab = tabIndex(RegisterTab::volumes);
    QLabel* m_rowIndicator = nullptr;
    QLabel* m_sectionIndicator = nullptr;
    QLabel* m_dateIndicator = nullptr;
};

}  // namespace bunrako
