#include "office/ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QUuid>
#include <filesystem>
#include <functional>

#include "office/ui/about_dialog.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/command_catalogue.h"
#include "office/ui/command_icons.h"
#include "office/ui/record_list_model.h"
#include "office/ui/single_instance.h"
#include "office/ui/texts.h"
#include "ui/desktop_fixture.h"
#include "ui/dialog_closer.h"
#include "volumes/volume_list_cells.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;
using bunrako::testing::FakePrompt;

namespace {

QStringList menuBarTitles(const CMainFrame& frame) {
    QStringList titles;
    for (const QAction* menu : frame.menuBar()->actions()) titles << menu->text();
    return titles;
}

QStringList captions(const QWidget* widget) {
    QStringList texts;
    for (const QAction* action : widget->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

int shownRegisterToolBar(const CMainFrame& frame) {
    int shown = -1;
    for (int tab = 0; tab < kRegisterTabCount; ++tab) {
        if (!frame.registerToolBar(tab)->isHidden()) {
            if (shown >= 0) return -2;  // more than one
            shown = tab;
        }
    }
    return shown;
}

bool isSelectAll(CommandId id) {
    for (int tab = 0; tab < kRegisterTabCount; ++tab) {
        if (registerTabInfo(tab).selectAll == id) return true;
    }
    return false;
}

// Stores volumes in the section's volume file and shows the volume list.
void fillVolumes(DesktopFixture& fixture, CBunrakoView& view, int rows) {
    std::vector<CDocMasterData> volumes;
    for (int row = 0; row < rows; ++row) {
        volumes.push_back(testing::sectionVolume("会議録" + std::to_string(row)));
    }
    fixture.writeVolumes(volumes);
    view.selectTab(tabIndex(RegisterTab::volumes));
}

// Delivers a drop as the window does: to the nearest widget that takes drops,
// from which a drag it does not accept passes up to the parents.
bool dropFile(QWidget* on, const QString& path) {
    while (!on->isWindow() && !on->acceptDrops()) on = on->parentWidget();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, {});
    if (on->acceptDrops()) QCoreApplication::sendEvent(on, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(on, &drop);
    return drop.isAccepted();
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_fixture = std::make_unique<DesktopFixture>();
        m_frame =
            std::make_unique<CMainFrame>(m_fixture->ports, m_fixture->doc, m_fixture->settings);
    }
    void cleanup() {
        m_frame.reset();
        m_fixture.reset();
    }

    void opensOnTheVolumeRegister() {
        QCOMPARE(menuBarTitles(*m_frame),
                 (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("表示(&V)"),
                              QStringLiteral("文書整理一覧表"), QStringLiteral("設定(&S)"),
                              QStringLiteral("ツール(&T)"), QStringLiteral("ヘルプ(&H)")}));
        QCOMPARE(shownRegisterToolBar(*m_frame), 1);
        QVERIFY(!m_frame->standardToolBar()->isHidden());
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("文書整理一覧表 - Bunrako"));
    }

    void theThirdMenuAndTheToolbarFollowTheTab() {
        const QStringList menuNames = {
            QStringLiteral("文書件名簿"),     QStringLiteral("文書整理一覧表"),
            QStringLiteral("永年簿冊"),       QStringLiteral("廃棄簿冊"),
            QStringLiteral("保存年限変更書"), QStringLiteral("索引目録"),
            QStringLiteral("関連ファイル")};
        for (const int tab : {0, 2, 3, 4, 1}) {
            m_frame->view()->selectTab(tab);
            const QStringList titles = menuBarTitles(*m_frame);
            QCOMPARE(titles.size(), 6);
            QCOMPARE(titles[2], menuNames[tab]);
            QCOMPARE(shownRegisterToolBar(*m_frame), tab);
        }
        for (const int tab : {5, 6}) {
            m_frame->showRegisterCommands(tab);
            QCOMPARE(menuBarTitles(*m_frame)[2], menuNames[tab]);
            QCOMPARE(shownRegisterToolBar(*m_frame), tab);
        }
    }

    void tabIndicesOutsideTheSevenAreIgnored() {
        m_frame->showRegisterCommands(7);
        m_frame->showRegisterCommands(-1);
        QCOMPARE(menuBarTitles(*m_frame)[2], QStringLiteral("文書整理一覧表"));
        QCOMPARE(shownRegisterToolBar(*m_frame), 1);
    }

    void registerMenusHoldTheirCommandsInOrder() {
        QCOMPARE(captions(m_frame->registerMenu(0)),
                 (QStringList{QStringLiteral("抽出"), QStringLiteral("-"), QStringLiteral("登録"),
                              QStringLiteral("変更"), QStringLiteral("削除"), QStringLiteral("-"),
                              QStringLiteral("件全選択/全解除"), QStringLiteral("-"),
                              QStringLiteral("データ連携"), QStringLiteral("-"),
                              QStringLiteral("データ廃棄")}));
        QStringList volumeMenu = captions(m_frame->registerMenu(1));
        volumeMenu.removeAll(QStringLiteral("-"));
        QCOMPARE(
            volumeMenu,
            (QStringList{QStringLiteral("抽出"), QStringLiteral("登録"), QStringLiteral("変更"),
                         QStringLiteral("削除"), QStringLiteral("並替"),
                         QStringLiteral("全選択/全解除"), QStringLiteral("年度切替"),
                         QStringLiteral("廃棄処理"), QStringLiteral("保存年限変更"),
                         QStringLiteral("データ連携"), QStringLiteral("索引目録一括印刷"),
                         QStringLiteral("簿冊タイトル印刷"), QStringLiteral("データ廃棄")}));
        QCOMPARE(
            captions(m_frame->registerMenu(6)),
            (QStringList{QStringLiteral("登録"), QStringLiteral("変更"), QStringLiteral("削除")}));
        // The toolbar carries the same commands as the menu.
        QCOMPARE(captions(m_frame->registerToolBar(1)), captions(m_frame->registerMenu(1)));
    }

    void everyCommandHasAnActionWithItsTexts() {
        for (const auto& text : office::ui::texts::kCommandTexts) {
            const QAction* action = m_frame->action(text.id);
            QVERIFY(action);
            QCOMPARE(action->text(), QString::fromUtf8(text.caption));
            QCOMPARE(action->statusTip(), QString::fromUtf8(text.status));
            QVERIFY(!action->icon().isNull());
        }
        QCOMPARE(m_frame->action(CommandId::registerSelectAll)->statusTip(),
                 QStringLiteral("文書件名簿の項目を全部選択又は全部解除します"));
        QCOMPARE(plainCaption(CommandId::appAbout), QStringLiteral("バージョン情報"));
    }

    void everyMenuCommandAnswers() {
        // No command may be dead: each one works, or says it is not there yet.
        // Select rows so that selection-bound commands are enabled.
        fillVolumes(*m_fixture, *m_frame->view(), 2);
        m_frame->view()->list(RegisterTab::volumes)->selectAll();
        // The frame's own commands, and the tools, which are silent while
        // the settings leave them off.
        // The settings commands and the search and registered forms tools open
        // their dialogs (settingsCommandsOpenTheirDialogs, tool_dialogs_test),
        // the title register's commands theirs (register_dialogs_test), the
        // volume data disposal asks first (disposal_commands_test); the
        // catalogue's delete, linkage and batch printing are silent without
        // an entry or write their files (catalogue_dialogs_test), as are the
        // volume tabs' linkage and title printing (year_end_commands_test).
        const CommandId frameOnly[] = {CommandId::registerExtract,
                                       CommandId::registerAdd,
                                       CommandId::registerChange,
                                       CommandId::registerDelete,
                                       CommandId::registerLink,
                                       CommandId::registerDataDisposal,
                                       CommandId::appAbout,
                                       CommandId::appExit,
                                       CommandId::viewToolBar,
                                       CommandId::viewStatusBar,
                                       CommandId::volumeTitleOrder,
                                       CommandId::personalFolder,
                                       CommandId::wordProcessor,
                                       CommandId::spreadsheet,
                                       CommandId::fileManager,
                                       CommandId::departmentMaster,
                                       CommandId::classificationMaster,
                                       CommandId::retentionMaster,
                                       CommandId::initialSettings,
                                       CommandId::switchSection,
                                       CommandId::fileSearch,
                                       CommandId::registeredForms,
                                       CommandId::relatedAdd,
                                       CommandId::volumeDataDisposal,
                                       CommandId::indexDelete,
                                       CommandId::indexLink,
                                       CommandId::indexBatchPrint,
                                       CommandId::volumeLink,
                                       CommandId::permanentLink,
                                       CommandId::disposedLink,
                                       CommandId::volumeTitlePrint};
        // The commands that open a dialog of their own.
        const CommandId dialogCommands[] = {CommandId::volumeAdd,
                                            CommandId::volumeChange,
                                            CommandId::volumeDelete,
                                            CommandId::volumeExtract,
                                            CommandId::permanentExtract,
                                            CommandId::disposedExtract,
                                            CommandId::changeFormExtract,
                                            CommandId::volumeDisposal,
                                            CommandId::retentionTypeChange,
                                            CommandId::indexExtract,
                                            CommandId::indexAdd,
                                            CommandId::indexChange,
                                            CommandId::yearSwitch,
                                            CommandId::bulkVolumeImport};
        for (const auto& text : office::ui::texts::kCommandTexts) {
            if (std::find(std::begin(frameOnly), std::end(frameOnly), text.id) !=
                std::end(frameOnly)) {
                continue;
            }
            if (isSelectAll(text.id) || !m_frame->view()->isCommandEnabled(text.id)) continue;
            if (std::find(std::begin(dialogCommands), std::end(dialogCommands), text.id) !=
                std::end(dialogCommands)) {
                testing::DialogCloser closer;
                closer.keepArmed(true);
                m_frame->action(text.id)->trigger();
                QVERIFY2(!closer.titles().isEmpty(), text.caption);
                continue;
            }
            // Every command has been built: one that is in neither list has
            // no test of its own here.
            QFAIL(text.caption);
        }
    }

    void settingsCommandsOpenTheirDialogs_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("savedFile");
        QTest::newRow("課室局等") << int(CommandId::departmentMaster)
                                  << QStringLiteral("項目の設定(") << QStringLiteral("Kamei.dat");
        QTest::newRow("保存年限") << int(CommandId::retentionMaster)
                                  << QStringLiteral("項目の設定(")
                                  << QStringLiteral("HozonNengen.dat");
        QTest::newRow("初期設定") << int(CommandId::initialSettings) << QStringLiteral("初期設定")
                                  << QString();
        QTest::newRow("課係切替") << int(CommandId::switchSection) << QStringLiteral("課・係の切替")
                                  << QString();
    }

    void settingsCommandsOpenTheirDialogs() {
        QFETCH(int, command);
        QFETCH(QString, title);
        QFETCH(QString, savedFile);
        const std::string saved = m_fixture->dataFolder + savedFile.toStdString();
        if (!savedFile.isEmpty()) std::filesystem::remove(pathFromUtf8(saved));
        QString shown;
        QTimer::singleShot(0, [&shown] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            shown = dialog->windowTitle();
            dialog->close();
        });
        m_frame->action(static_cast<CommandId>(command))->trigger();
        QVERIFY2(shown.startsWith(title), qPrintable(shown));
        // Closing the item editor saves its master.
        if (!savedFile.isEmpty()) QVERIFY(std::filesystem::exists(pathFromUtf8(saved)));
    }

    void anOfficeWithoutSettingsSaysSoOnceAndOpensThem() {
        QTemporaryDir empty;
        FakePrompt prompt;
        const std::string folder = empty.path().toStdString() + "/";
        CBunrakoDoc doc(prompt, m_fixture->clock, folder);
        DesktopPorts ports{prompt, m_fixture->shell, m_fixture->fileBrowser, m_fixture->clock};
        CMainFrame frame(ports, doc, m_fixture->settings);
        QVERIFY(prompt.messages.empty());
        QStringList titles;
        std::function<void()> closeNext = [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            titles << dialog->windowTitle();
            dialog->close();
            QTimer::singleShot(0, closeNext);
        };
        QTimer::singleShot(0, closeNext);
        frame.startWithoutSettingsIfNeeded();
        QCOMPARE(prompt.messages.size(), size_t{1});
        // The sections first (the department master is empty), then the settings.
        QCOMPARE(titles.size(), 2);
        QVERIFY(titles[0].startsWith(QStringLiteral("項目の設定(")));
        QCOMPARE(titles[1], QStringLiteral("初期設定"));
        // Cancelled: no settings file, no register files.
        QVERIFY(!std::filesystem::exists(pathFromUtf8(folder + "ShokiSettei.dat")));
        QVERIFY(!std::filesystem::exists(pathFromUtf8(folder + "DocMaster.dat")));
        QVERIFY(!std::filesystem::exists("DocMaster.dat"));
    }

    void actionsAreEnabledBySelection() {
        CBunrakoView* view = m_frame->view();
        fillVolumes(*m_fixture, *view, 3);
        QVERIFY(!m_frame->action(CommandId::volumeLink)->isEnabled());
        QVERIFY(m_frame->action(CommandId::volumeAdd)->isEnabled());
        view->list(RegisterTab::volumes)->selectRow(1);
        QVERIFY(m_frame->action(CommandId::volumeLink)->isEnabled());
        QVERIFY(m_frame->action(CommandId::volumeDataDisposal)->isEnabled());
        QVERIFY(!m_frame->action(CommandId::registerLink)->isEnabled());
        QCOMPARE(m_frame->rowIndicator()->text(), QStringLiteral("3件中 1件選択"));
    }

    void selectAllThroughTheMenu() {
        fillVolumes(*m_fixture, *m_frame->view(), 3);
        m_frame->action(CommandId::volumeSelectAll)->trigger();
        QCOMPARE(m_frame->view()->selectedCount(RegisterTab::volumes), 3);
        QCOMPARE(m_frame->rowIndicator()->text(), QStringLiteral("3件中 3件選択"));
        m_frame->action(CommandId::volumeSelectAll)->trigger();
        QCOMPARE(m_frame->view()->selectedCount(RegisterTab::volumes), 0);
    }

    void titleOrderShowsACheckMark() {
        QAction* order = m_frame->action(CommandId::volumeTitleOrder);
        QVERIFY(order->isCheckable());
        QVERIFY(!order->isChecked());
        order->trigger();
        QVERIFY(m_frame->view()->titleOrder());
        QVERIFY(order->isChecked());
        order->trigger();
        QVERIFY(!m_frame->view()->titleOrder());
        QVERIFY(!order->isChecked());
    }

    void titleOrderFollowsItsCheckWhateverChangesIt_data() {
        QTest::addColumn<int>("route");
        QTest::newRow("menu or key") << 0;
        QTest::newRow("toolbar click") << 1;
        QTest::newRow("the action's check") << 2;
        QTest::newRow("assistive toggle of the button") << 3;
    }

    void titleOrderFollowsItsCheckWhateverChangesIt() {
        QFETCH(int, route);
        m_fixture->writeVolumes({"C", "A", "B"});
        m_frame->view()->selectTab(tabIndex(RegisterTab::volumes));
        QAction* order = m_frame->action(CommandId::volumeTitleOrder);
        auto* button =
            qobject_cast<QToolButton*>(m_frame->registerToolBar(1)->widgetForAction(order));
        const QModelIndex firstTitle = m_frame->view()
                                           ->listModel(RegisterTab::volumes)
                                           ->index(0, columnIndex(VolumeListColumn::title));
        for (const bool on : {true, false}) {
            const std::function<void()> routes[] = {
                [&] { order->trigger(); }, [&] { button->click(); }, [&] { order->setChecked(on); },
                [&] { button->toggle(); }};
            routes[route]();
            QCOMPARE((QList<bool>{m_frame->view()->titleOrder(), order->isChecked(),
                                  button->isChecked()}),
                     QList<bool>(3, on));
            QCOMPARE(firstTitle.data().toString(), on ? QStringLiteral("A") : QStringLiteral("C"));
        }
    }

    void toolbarButtonsAndListsHaveAccessibleNames() {
        for (QToolBar* toolBar : m_frame->findChildren<QToolBar*>()) {
            for (QAction* action : toolBar->actions()) {
                QVERIFY(action->isSeparator() ||
                        !toolBar->widgetForAction(action)->accessibleName().isEmpty());
            }
        }
        QCOMPARE(m_frame->registerToolBar(1)
                     ->widgetForAction(m_frame->action(CommandId::volumeAdd))
                     ->accessibleName(),
                 QStringLiteral("簿冊登録"));
        QCOMPARE(m_frame->view()->list(RegisterTab::permanent)->accessibleName(),
                 QStringLiteral("永年簿冊台帳"));
    }

    void reCheckingTheToolBarShowsTheTabsOwn_data() {
        QTest::addColumn<bool>("menu");  // else the action's check
        QTest::addColumn<int>("to");     // the tab shown while hidden, from tab 1
        QTest::addColumn<Qt::ToolBarArea>("standardArea");
        QTest::newRow("menu, to 0") << true << 0 << Qt::TopToolBarArea;
        QTest::newRow("check, to 6, standard left") << false << 6 << Qt::LeftToolBarArea;
        QTest::newRow("menu, no switch, standard below") << true << 1 << Qt::BottomToolBarArea;
    }

    void reCheckingTheToolBarShowsTheTabsOwn() {
        QFETCH(bool, menu);
        QFETCH(int, to);
        QFETCH(Qt::ToolBarArea, standardArea);
        QAction* toolBars = m_frame->action(CommandId::viewToolBar);
        m_frame->addToolBar(standardArea, m_frame->standardToolBar());
        for (const bool shown : {false, true}) {
            menu ? toolBars->trigger() : toolBars->setChecked(shown);
            QCOMPARE(m_frame->standardToolBar()->isHidden(), !shown);
            if (!shown) m_frame->showRegisterCommands(to);
            QCOMPARE(shownRegisterToolBar(*m_frame), shown ? to : -1);
        }
        QCOMPARE(m_frame->registerToolBar(to)->allowedAreas(), Qt::TopToolBarArea);
        QCOMPARE(m_frame->toolBarArea(m_frame->registerToolBar(to)), Qt::TopToolBarArea);
    }

    void filesDroppedAnywhereReachTheRelatedFiles_data() {
        QTest::addColumn<int>("where");  // caption line, toolbars, status bar
        QTest::addColumn<bool>("relatedTab");
        QTest::newRow("caption line") << 0 << true;
        QTest::newRow("standard toolbar") << 1 << true;
        QTest::newRow("register toolbar") << 2 << true;
        QTest::newRow("status bar") << 3 << true;
        QTest::newRow("toolbar, volume tab") << 1 << false;
    }

    void filesDroppedAnywhereReachTheRelatedFiles() {
        QFETCH(int, where);
        QFETCH(bool, relatedTab);
        CBunrakoView* view = m_frame->view();
        fillVolumes(*m_fixture, *view, 1);
        m_fixture->writeCatalogue(m_fixture->storedVolumes()[0],
                                  {testing::catalogueEntry("12", "第1回会議")});
        view->list(RegisterTab::volumes)->selectRow(0);
        view->selectTab(tabIndex(RegisterTab::indexCatalogue));
        view->list(RegisterTab::indexCatalogue)->selectRow(0);
        if (relatedTab) view->selectTab(tabIndex(RegisterTab::relatedFiles));
        QWidget* places[] = {view->findChild<QLineEdit*>(), m_frame->standardToolBar(),
                             m_frame->registerToolBar(view->currentTab()), m_frame->statusBar()};
        QCOMPARE(dropFile(places[where], m_fixture->folder.filePath(QStringLiteral("回答.pdf"))),
                 relatedTab);
        QCOMPARE(view->listModel(RegisterTab::relatedFiles)->index(0, 0).data().toString(),
                 relatedTab ? QStringLiteral("回答.pdf") : QString());
    }

    void theToolBarsAndTheStatusBarCanBeHidden() {
        m_frame->action(CommandId::viewToolBar)->trigger();
        QVERIFY(m_frame->standardToolBar()->isHidden());
        QCOMPARE(shownRegisterToolBar(*m_frame), -1);
        m_frame->view()->selectTab(0);
        QCOMPARE(shownRegisterToolBar(*m_frame), -1);
        m_frame->action(CommandId::viewToolBar)->trigger();
        QCOMPARE(shownRegisterToolBar(*m_frame), 0);
        m_frame->action(CommandId::viewStatusBar)->trigger();
        QVERIFY(m_frame->statusBar()->isHidden());
        m_frame->action(CommandId::viewStatusBar)->setChecked(true);
        QVERIFY(!m_frame->statusBar()->isHidden());
    }

    void theStatusBarHasFourIndicators() {
        QCOMPARE(m_frame->dateIndicator()->text(), QString::fromStdString(CMyTool().FormatDate(
                                                       OleDateTime::fromDate(2008, 4, 1), 0)));
        QVERIFY(m_frame->statusBar()->findChildren<QLabel*>().size() >= 3);
        QCOMPARE(m_frame->statusBar()->currentMessage(), QStringLiteral("レディ"));
    }

    void aReloadOfTheDocumentShowsTheVolumeListAndTheSection() {
        m_frame->view()->selectTab(3);
        m_fixture->writeVolumes({"会議録", "例規集"});
        m_fixture->document.m_settings.Current().m_strSubsectionName = "文書係";
        m_fixture->doc.LoadAll();
        QCOMPARE(m_frame->view()->currentTab(), 1);
        QCOMPARE(m_frame->view()->rowCount(RegisterTab::volumes), 0);  // 庶務係's volumes
        QCOMPARE(menuBarTitles(*m_frame)[2], QStringLiteral("文書整理一覧表"));
        QVERIFY(m_frame->sectionIndicator()->text().contains(QStringLiteral("文書係")));
    }

    void aSecondStartBringsTheMinimisedWindowBack() {
        const QString name =
            QStringLiteral("bunrako-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        SingleInstance first(name);
        QVERIFY(first.start());
        connect(&first, &SingleInstance::activationRequested, m_frame.get(),
                &CMainFrame::bringToFront);
        m_frame->showMinimized();
        QVERIFY(m_frame->isMinimized());
        SingleInstance second(name);
        QVERIFY(!second.start());
        QTRY_VERIFY(!m_frame->isMinimized());
        QVERIFY(m_frame->isVisible());
    }

    void theAboutBoxNamesTheRunningSystem() {
        const QString os = CAboutDlg::osText();
        QVERIFY(os.startsWith(QStringLiteral("現在の使用OS:")));
        QCOMPARE(os.size() > QStringLiteral("現在の使用OS:").size(),
                 !CMyTool::GetOsDescription().empty());
        QVERIFY(!os.contains(QStringLiteral("Windows10")));
    }

    void theAboutBoxShowsTheBuildsVersion() {
        CAboutDlg about;
        QStringList texts;
        for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
        QVERIFY2(texts.contains(QStringLiteral(
                     "文書管理システム Bunrako バージョン " BUNRAKO_EXPECTED_VERSION)),
                 qPrintable(texts.join(QLatin1Char('|'))));
    }

    void theWindowIconIsTheDesktopsIcon() {
        const QIcon icon = CommandIcons::applicationFrom(QStringLiteral(BUNRAKO_SOURCE_RESOURCES));
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
        // Without resources the program draws its tile.
        QVERIFY(!CommandIcons::applicationFrom(QString()).isNull());
    }

  private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CMainFrame> m_frame;
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
