#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "office/ui/command_id.h"
#include "office/ui/desktop_ports.h"
#include "office/ui/register_tab.h"

class QLineEdit;
class QMimeData;
class QStackedWidget;
class QTabBar;
class QTableView;
class QUrl;

namespace bunrako {

class DocumentData;
class ListFillers;
class RegisterListModel;
class VolumeTabCommands;
class YearEndCommands;
struct CDocMasterData;

// The main view: seven register tabs over seven lists, the caption line of
// the current tab, and the routing of menu, toolbar, key and mouse commands
// to the registers. Every register command works on the selected rows of the
// current tab's list.
class CBunrakoView : public QWidget {
    Q_OBJECT
  public:
    CBunrakoView(const DesktopPorts& ports, DocumentData& document, QWidget* parent = nullptr);

    // Opens the volume list; called once the frame listens to the view.
    void OnInitialUpdate();
    // The document loaded the files of its section again (a settings change
    // or a section switch): the volume list is shown afresh.
    void OnDocumentLoaded();

    int currentTab() const { return m_currentTab; }
    QTableView* list(RegisterTab tab) const { return m_lists[tabIndex(tab)]; }
    RegisterListModel* listModel(RegisterTab tab) const { return m_models[tabIndex(tab)]; }
    // Puts a register's own model under its list; the view takes it over.
    void setListModel(RegisterTab tab, RegisterListModel* model);
    // How a register reloads its file and refills its list and caption when
    // its tab is shown.
    void setTabRefresher(RegisterTab tab, std::function<void()> refresher);

    // Reloads a register's file and refills its list and caption, keeping
    // the selection by record.
    void refill(RegisterTab tab);

    QString caption(RegisterTab tab) const { return m_captions[tabIndex(tab)]; }
    void setTabCaption(RegisterTab tab, const QString& caption);
    QString captionLineText() const;

    int rowCount(RegisterTab tab) const;
    int selectedCount(RegisterTab tab) const;
    bool hasSelection(RegisterTab tab) const;
    bool titleOrder() const { return m_titleOrder; }
    // Orders the volume list by title or by the file's order; the list is
    // refilled only when the order changes.
    void setTitleOrder(bool on);

    // The first selected volume of a volume list (tabs 1 to 3), when that
    // list shows volume records; nullptr otherwise.
    const CDocMasterData* firstSelectedVolume(RegisterTab tab) const;

    // Files dropped on the window: on the 関連ファイル tab they become
    // related files of its document; elsewhere nothing happens.
    bool takesDroppedFiles(const QMimeData* mime) const;
    void addRelatedFiles(const QList<QUrl>& urls);

    bool isCommandEnabled(CommandId id) const;
    bool isCommandChecked(CommandId id) const;

  public slots:
    // A tab chosen by the clerk: 索引目録 and 関連ファイル need a selection
    // first and fall back to the volume list without one.
    void selectTab(int tab);
    void runCommand(CommandId id);

  signals:
    // The tab now shown; the frame swaps its register menu and toolbar.
    void tabChanged(int tab);
    void titleChanged(const QString& title);
    // Selection, rows or the title order changed: command states may differ.
    void commandStatesChanged();
    // A right-click in a list that shows the register menu there.
    void contextMenuRequested(int tab, const QPoint& globalPosition);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildLists();
    void attachModel(RegisterTab tab, RegisterListModel* model);
    void switchTo(int tab);
    void refreshTab(int tab);
    void showTab(int tab);
    void setTabTitle(int tab);
    void showCaption(int tab);

    void toggleSelectAll(RegisterTab tab);
    // 登録, 変更, 削除 of the related-files tab; false for other commands.
    bool runRelatedFileCommand(CommandId id);
    bool runTool(CommandId id);
    bool handleKey(int tab, int key);
    void onDoubleClick(RegisterTab tab, int row);
    void onRightClick(RegisterTab tab, const QPoint& position);
    int tabOfList(const QObject* object) const;

    DesktopPorts m_ports;
    DocumentData& m_document;
    QTabBar* m_tabBar = nullptr;
    QLineEdit* m_captionLine = nullptr;
    QStackedWidget* m_stack = nullptr;
    std::array<QTableView*, kRegisterTabCount> m_lists{};
    std::array<RegisterListModel*, kRegisterTabCount> m_models{};
    std::array<std::function<void()>, kRegisterTabCount> m_refreshers;
    std::array<QString, kRegisterTabCount> m_captions;
    ListFillers* m_fillers = nullptr;
    VolumeTabCommands* m_volumeCommands = nullptr;
    YearEndCommands* m_yearEndCommands = nullptr;
    int m_currentTab = tabIndex(RegisterTab::volumes);
    bool m_titleOrder = false;
};

}  // namespace bunrako
