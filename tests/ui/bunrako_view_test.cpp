#include "office/ui/bunrako_view.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QUrl>

#include "office/ui/record_list_model.h"
#include "office/ui/texts.h"
#include "settings/outside_programs.h"
#include "ui/desktop_fixture.h"
#include "ui/dialog_closer.h"
#include "volumes/doc_master_data.h"
#include "volumes/volume_list_cells.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;

namespace {

std::vector<CDocMasterData> sectionVolumes(int count) {
    std::vector<CDocMasterData> volumes;
    for (int i = 0; i < count; ++i) {
        volumes.push_back(testing::sectionVolume("会議録" + std::to_string(i)));
    }
    return volumes;
}

void selectRows(CBunrakoView& view, RegisterTab tab, std::initializer_list<int> rows) {
    QTableView* list = view.list(tab);
    for (const int row : rows) {
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

}  // namespace

class BunrakoViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_fixture = std::make_unique<DesktopFixture>();
        m_view = std::make_unique<CBunrakoView>(m_fixture->ports, m_fixture->document);
        m_view->resize(1000, 600);
        m_view->OnInitialUpdate();
    }
    void cleanup() {
        m_view.reset();
        m_fixture.reset();
    }

    void opensOnTheVolumeList() {
        DesktopFixture fixture;
        CBunrakoView view(fixture.ports, fixture.document);
        QSignalSpy tabs(&view, &CBunrakoView::tabChanged);
        QSignalSpy titles(&view, &CBunrakoView::titleChanged);
        view.OnInitialUpdate();
        QCOMPARE(view.currentTab(), 1);
        QCOMPARE(tabs.size(), 1);
        QCOMPARE(tabs.front().front().toInt(), 1);
        QCOMPARE(titles.front().front().toString(), QStringLiteral("文書整理一覧表"));
        // The volumes of the fiscal year of today (平成20年度), as the
        // criteria start.
        QCOMPARE(view.captionLineText(), QStringLiteral("平成20年度　文書整理一覧表"));
    }

    void showsTheSevenTabsInOrder() {
        const auto* bar = m_view->findChild<QTabBar*>();
        QVERIFY(bar);
        const QStringList expected = {
            QStringLiteral("文書件名簿"),     QStringLiteral("文書整理一覧表"),
            QStringLiteral("永年簿冊台帳"),   QStringLiteral("廃棄簿冊名一覧表"),
            QStringLiteral("保存年限変更書"), QStringLiteral("索引目録"),
            QStringLiteral("関連ファイル")};
        QCOMPARE(bar->count(), 7);
        for (int tab = 0; tab < 7; ++tab) QCOMPARE(bar->tabText(tab), expected[tab]);
        QCOMPARE(bar->currentIndex(), 1);
    }

    void listsSelectWholeRowsAndOnlyRelatedFilesOneAtATime() {
        for (int tab = 0; tab < kRegisterTabCount; ++tab) {
            const QTableView* list = m_view->list(static_cast<RegisterTab>(tab));
            QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
            QVERIFY(list->showGrid());
            QVERIFY(list->horizontalHeader()->sectionsMovable());
            QCOMPARE(list->selectionMode(), tab == 6 ? QAbstractItemView::SingleSelection
                                                     : QAbstractItemView::ExtendedSelection);
        }
    }

    void columnsCarryTheirWidths() {
        const QTableView* volumes = m_view->list(RegisterTab::volumes);
        QCOMPARE(volumes->model()->columnCount(), 15);
        QCOMPARE(volumes->model()->headerData(6, Qt::Horizontal).toString(),
                 QStringLiteral("タイトル"));
        QCOMPARE(volumes->columnWidth(6), 300);
        QCOMPARE(volumes->columnWidth(7), 30);
        QCOMPARE(m_view->list(RegisterTab::permanent)->model()->columnCount(), 19);
        QCOMPARE(m_view->list(RegisterTab::disposed)->model()->columnCount(), 15);
        QCOMPARE(m_view->list(RegisterTab::retentionChange)->columnWidth(11), 200);
        QCOMPARE(m_view->list(RegisterTab::titleRegister)->columnWidth(2), 500);
        QCOMPARE(m_view->list(RegisterTab::relatedFiles)->columnWidth(3), 160);
    }

    void narrowColumnsKeepTheirWidthsInALargeFont_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("column");
        QTest::newRow("冊数") << 1 << 7;
        QTest::newRow("大 of the ledger") << 2 << 2;
        QTest::newRow("№ of the change forms") << 4 << 5;
    }

    void narrowColumnsKeepTheirWidthsInALargeFont() {
        QFETCH(int, tab);
        QFETCH(int, column);
        const QFont usual = QApplication::font();
        QApplication::setFont(QFont(usual.family(), 20));
        CBunrakoView view(m_fixture->ports, m_fixture->document);
        QApplication::setFont(usual);
        QTableView* list = view.list(static_cast<RegisterTab>(tab));
        QCOMPARE(list->columnWidth(column), 30);
        list->horizontalHeader()->resizeSection(column, 12);  // the clerk may narrow it further
        QCOMPARE(list->columnWidth(column), 12);
    }

    void theCaptionStaysSelectableFromTheKeyboard() {
        auto* line = m_view->findChild<QLineEdit*>();
        QVERIFY(line->isVisibleTo(m_view.get()) && (line->focusPolicy() & Qt::TabFocus));
        line->selectAll();
        QCOMPARE(line->selectedText(), m_view->captionLineText());
    }

    void selectAllTogglesBetweenAllAndNone() {
        m_view->runCommand(CommandId::volumeSelectAll);  // empty list: nothing happens
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 0);

        showVolumes(4);
        selectRows(*m_view, RegisterTab::volumes, {0, 1, 2});
        m_view->runCommand(CommandId::volumeSelectAll);  // one unselected row: select all
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 4);
        m_view->runCommand(CommandId::volumeSelectAll);  // all selected: clear
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 0);

        showRegister(2);
        m_view->runCommand(CommandId::registerSelectAll);
        QCOMPARE(m_view->selectedCount(RegisterTab::titleRegister), 2);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 0);
        QVERIFY(m_fixture->prompt.messages.empty());
    }

    void commandsNeedASelectionInTheirOwnList() {
        QSignalSpy states(m_view.get(), &CBunrakoView::commandStatesChanged);
        showVolumes(3);
        showRegister(3);
        QVERIFY(!m_view->isCommandEnabled(CommandId::volumeLink));
        QVERIFY(!m_view->isCommandEnabled(CommandId::yearSwitch));
        QVERIFY(m_view->isCommandEnabled(CommandId::volumeAdd));
        QVERIFY(m_view->isCommandEnabled(CommandId::volumeExtract));

        states.clear();
        selectRows(*m_view, RegisterTab::volumes, {1});
        QVERIFY(!states.isEmpty());
        for (const CommandId id :
             {CommandId::yearSwitch, CommandId::volumeDisposal, CommandId::retentionTypeChange,
              CommandId::volumeLink, CommandId::indexBatchPrint, CommandId::volumeTitlePrint,
              CommandId::volumeDataDisposal}) {
            QVERIFY(m_view->isCommandEnabled(id));
        }
        // A selection in another list does not count.
        QVERIFY(!m_view->isCommandEnabled(CommandId::registerLink));
        QVERIFY(!m_view->isCommandEnabled(CommandId::permanentLink));
        selectRows(*m_view, RegisterTab::titleRegister, {0});
        QVERIFY(m_view->isCommandEnabled(CommandId::registerDataDisposal));
    }

    void disabledCommandsDoNothing() {
        m_view->runCommand(CommandId::volumeLink);
        QVERIFY(m_fixture->prompt.messages.empty());
    }

    void theRegisterTabsCommandsWorkOnTheSelectedEntries() {
        showRegister(3);
        selectRows(*m_view, RegisterTab::titleRegister, {0, 2});
        m_view->runCommand(CommandId::registerLink);
        QVERIFY(QFile::exists(QString::fromStdString(m_fixture->dataFolder + "KenMeibo.csv")));

        // Disposal asks first; cancelled, every entry stays listed.
        m_view->runCommand(CommandId::registerDataDisposal);
        QCOMPARE(m_fixture->prompt.asked.size(), size_t{1});
        QVERIFY(m_fixture->prompt.asked[0].find("2件") != std::string::npos);
        QCOMPARE(m_view->rowCount(RegisterTab::titleRegister), 3);
        m_fixture->prompt.answers = {Answer::ok};
        m_view->runCommand(CommandId::registerDataDisposal);
        QCOMPARE(m_view->rowCount(RegisterTab::titleRegister), 1);
    }

    void keysFAndTRunTheirListsCommands() {
        useFileManager();
        // T opens the extraction dialog of each list.
        testing::DialogCloser closer;
        closer.keepArmed(true);
        QTest::keyClick(m_view->list(RegisterTab::volumes), Qt::Key_T);
        QTest::keyClick(m_view->list(RegisterTab::volumes), Qt::Key_F);
        QCOMPARE(m_fixture->shell.started.size(), size_t{1});
        QTest::keyClick(m_view->list(RegisterTab::permanent), Qt::Key_T);
        QTest::keyClick(m_view->list(RegisterTab::disposed), Qt::Key_T);
        QTest::keyClick(m_view->list(RegisterTab::retentionChange), Qt::Key_T);
        QCOMPARE(closer.titles(),
                 (QStringList{QStringLiteral("文書整理一覧表の抽出"),
                              QStringLiteral("永年簿冊の抽出"), QStringLiteral("廃棄簿冊の抽出"),
                              QStringLiteral("保存年限変更書の抽出")}));
        for (const RegisterTab tab :
             {RegisterTab::titleRegister, RegisterTab::indexCatalogue, RegisterTab::relatedFiles}) {
            QTest::keyClick(m_view->list(tab), Qt::Key_F);
        }
        QCOMPARE(m_fixture->shell.started.size(), size_t{4});
        QVERIFY(m_fixture->prompt.messages.empty());
    }

    void otherKeysAndCombinationsAreLeftToTheList() {
        useFileManager();
        QTest::keyClick(m_view->list(RegisterTab::permanent), Qt::Key_F);
        QTest::keyClick(m_view->list(RegisterTab::titleRegister), Qt::Key_T);
        QTest::keyClick(m_view->list(RegisterTab::volumes), Qt::Key_T, Qt::ControlModifier);
        QTest::keyClick(m_view->list(RegisterTab::volumes), Qt::Key_F, Qt::AltModifier);
        QVERIFY(m_fixture->prompt.messages.empty());
        QVERIFY(m_fixture->shell.started.empty());
    }

    void theTabBarPassesOnOneKeyPerTab() {
        useFileManager();
        auto* bar = m_view->findChild<QTabBar*>();
        testing::DialogCloser closer;
        closer.keepArmed(true);
        QTest::keyClick(bar, Qt::Key_F);  // the volume tab passes T only
        QVERIFY(m_fixture->shell.started.empty());
        QTest::keyClick(bar, Qt::Key_T);
        QCOMPARE(closer.titles(), QStringList{QStringLiteral("文書整理一覧表の抽出")});
        m_view->selectTab(0);
        QTest::keyClick(bar, Qt::Key_T);  // the title register passes F only
        QCOMPARE(closer.titles().size(), 1);
        QTest::keyClick(bar, Qt::Key_F);
        QCOMPARE(m_fixture->shell.started.size(), size_t{1});
    }

    void theIndexCatalogueNeedsASelectedVolume() {
        QSignalSpy tabs(m_view.get(), &CBunrakoView::tabChanged);
        m_view->selectTab(5);
        QCOMPARE(m_fixture->prompt.lastMessage(),
                 std::string(office::ui::texts::kSelectVolumeFirst));
        QCOMPARE(m_view->currentTab(), 1);
        QCOMPARE(tabs.back().front().toInt(), 1);
        QCOMPARE(m_view->findChild<QTabBar*>()->currentIndex(), 1);

        showVolumes(2);
        selectRows(*m_view, RegisterTab::volumes, {1});
        m_fixture->prompt.messages.clear();
        m_view->selectTab(5);
        QVERIFY(m_fixture->prompt.messages.empty());
        QCOMPARE(m_view->currentTab(), 5);
        QCOMPARE(tabs.back().front().toInt(), 5);
    }

    void clickingTheIndexTabWithoutAVolumeFallsBack() {
        auto* bar = m_view->findChild<QTabBar*>();
        bar->setCurrentIndex(5);
        QCOMPARE(m_fixture->prompt.lastMessage(),
                 std::string(office::ui::texts::kSelectVolumeFirst));
        QCOMPARE(bar->currentIndex(), 1);
        QCOMPARE(m_view->currentTab(), 1);
    }

    void relatedFilesNeedAnIndexEntryOrARegisterEntry() {
        m_view->selectTab(6);
        QCOMPARE(m_fixture->prompt.lastMessage(),
                 std::string(office::ui::texts::kSelectDocumentFirst));
        QCOMPARE(m_view->currentTab(), 1);

        showRegister(2);
        selectRows(*m_view, RegisterTab::titleRegister, {0});
        m_fixture->prompt.messages.clear();
        m_view->selectTab(6);
        QVERIFY(m_fixture->prompt.messages.empty());
        QCOMPARE(m_view->currentTab(), 6);
    }

    void eachTabShowsItsCaptionAndTitle() {
        QSignalSpy titles(m_view.get(), &CBunrakoView::titleChanged);
        m_view->selectTab(0);
        QCOMPARE(m_view->captionLineText(), QStringLiteral("平成20年度　文書件名簿"));
        QCOMPARE(titles.back().front().toString(), QStringLiteral("文書件名簿"));
        m_view->selectTab(3);
        QCOMPARE(m_view->captionLineText(), QStringLiteral("平成20年度　廃棄簿冊名一覧表"));
        QCOMPARE(titles.back().front().toString(), QStringLiteral("廃棄簿冊名一覧表"));
        m_view->setTabCaption(RegisterTab::disposed, QStringLiteral("2008年度　廃棄簿冊名一覧表"));
        QCOMPARE(m_view->captionLineText(), QStringLiteral("2008年度　廃棄簿冊名一覧表"));
        m_view->setTabCaption(RegisterTab::volumes, QStringLiteral("other"));
        QCOMPARE(m_view->captionLineText(), QStringLiteral("2008年度　廃棄簿冊名一覧表"));
    }

    void everyTabSwitchRefreshesThatTab() {
        int permanentRefreshes = 0;
        m_view->setTabRefresher(RegisterTab::permanent, [&] { ++permanentRefreshes; });
        m_view->selectTab(2);
        m_view->selectTab(1);
        m_view->selectTab(2);
        QCOMPARE(permanentRefreshes, 2);
    }

    void rightClickOnAVolumeOpensItsIndexCatalogue() {
        showVolumes(2);
        selectRows(*m_view, RegisterTab::volumes, {0});
        emit m_view->list(RegisterTab::volumes)->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(m_view->currentTab(), 5);
        QVERIFY(m_fixture->prompt.messages.empty());
    }

    void rightClickOnAnIndexEntryOpensItsRelatedFiles() {
        showVolumes(1);
        selectRows(*m_view, RegisterTab::volumes, {0});
        m_view->selectTab(5);
        emit m_view->list(RegisterTab::indexCatalogue)->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(m_view->currentTab(), 5);  // nothing selected: stays

        m_fixture->writeCatalogue(m_fixture->storedVolumes()[0],
                                  {testing::catalogueEntry("12", "第1回会議")});
        m_view->selectTab(5);
        selectRows(*m_view, RegisterTab::indexCatalogue, {0});
        emit m_view->list(RegisterTab::indexCatalogue)->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(m_view->currentTab(), 6);
    }

    void rightClickOnOtherListsOffersTheRegisterMenu() {
        QSignalSpy menus(m_view.get(), &CBunrakoView::contextMenuRequested);
        m_view->selectTab(2);
        emit m_view->list(RegisterTab::permanent)->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus.front().front().toInt(), 2);
    }

    void rightClickOnEmptyRelatedFilesRunsTheFileManager() {
        useFileManager();
        emit m_view->list(RegisterTab::relatedFiles)->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(m_fixture->shell.started.size(), size_t{1});
    }

    void aFileManagerThatIsNotHereGivesWayToTheDesktops() {
        if (kThisPlatform == DesktopPlatform::windows) QSKIP("Windows starts the stored program");
        CShokiSetteiData& settings = m_fixture->document.m_settings.Current();
        settings.m_bUseFileManager = 1;  // the stored program is Explorer's path
        m_fixture->shell.installed = {"xdg-open"};
        m_view->runCommand(CommandId::fileManager);
        QCOMPARE(m_fixture->shell.started.size(), size_t{1});
        QVERIFY(m_fixture->shell.started[0].commandLine.rfind("xdg-open \"", 0) == 0);
        // The settings keep the stored program for the other workstations.
        QCOMPARE(settings.m_strFileManagerExe, std::string("C:\\WINDOWS\\explorer.exe"));
    }

    void toolsWhoseSettingIsOffDoNothing() {
        for (const CommandId tool : {CommandId::personalFolder, CommandId::wordProcessor,
                                     CommandId::spreadsheet, CommandId::fileManager}) {
            m_view->runCommand(tool);
        }
        QVERIFY(m_fixture->prompt.messages.empty());
        QVERIFY(m_fixture->shell.started.empty());
        QVERIFY(m_fixture->fileBrowser.browsed.empty());
    }

    void theFileManagerOpensTheFolderTheMasterNamesToday() {
        useFileManager();
        // 総務 was renamed after the volumes were registered; the codes stay.
        m_fixture->document.m_classification.Items() = {{"0010000000", "総務管理", "1"},
                                                        {"0010010000", "文書", "1"},
                                                        {"0010010001", "例規", "1"}};
        installVolumes({"会議録", "例規集"});
        selectRows(*m_view, RegisterTab::volumes, {1});
        QTest::keyClick(m_view->list(RegisterTab::volumes), Qt::Key_F);
        QCOMPARE(m_fixture->shell.started.size(), size_t{1});
        QCOMPARE(m_fixture->shell.started[0].commandLine,
                 "fm \"" + m_fixture->dataFolder + "総務管理/文書/例規/\"");
    }

    void theWordProcessorProposesTheSelectedVolumesFolder() {
        CShokiSetteiData& settings = m_fixture->document.m_settings.Current();
        settings.m_bUseWordProcessor = 1;
        installVolumes({"会議録", "例規集"});
        selectRows(*m_view, RegisterTab::volumes, {1, 0});
        m_view->runCommand(CommandId::wordProcessor);
        QCOMPARE(m_fixture->fileBrowser.browsed.size(), size_t{1});
        const auto& browsed = m_fixture->fileBrowser.browsed[0];
        QCOMPARE(browsed.fileName, std::string("一般文書.jtd"));
        // The first selected row in list order.
        QVERIFY(browsed.folder.size() >= std::string("会議録").size());
        QCOMPARE(browsed.folder.substr(browsed.folder.size() - std::string("会議録").size()),
                 std::string("会議録"));

        // Off the volume tabs, no volume is proposed.
        m_view->selectTab(0);
        m_view->runCommand(CommandId::wordProcessor);
        QCOMPARE(m_fixture->fileBrowser.browsed.back().folder.find("会議録"), std::string::npos);
    }

    void doubleClickChangesTheRow() {
        m_view->show();
        showVolumes(3);
        QTableView* list = m_view->list(RegisterTab::volumes);
        const QPoint row = list->visualRect(list->model()->index(1, 0)).center();
        QString title;
        testing::DialogCloser closer([&](QDialog& dialog) {
            title = dialog.findChild<QLineEdit*>(QStringLiteral("title"))->text();
        });
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(closer.titles(), QStringList{QStringLiteral("簿冊一覧データ")});
        QCOMPARE(title, QStringLiteral("会議録1"));
    }

    void clickOnTheSeventhColumnTogglesTitleOrder() {
        int volumeRefreshes = 0;
        m_view->setTabRefresher(RegisterTab::volumes, [&] { ++volumeRefreshes; });
        emit m_view->list(RegisterTab::volumes)
            ->horizontalHeader()
            ->sectionClicked(columnIndex(VolumeListColumn::title));
        QVERIFY(m_view->titleOrder());
        QVERIFY(m_view->isCommandChecked(CommandId::volumeTitleOrder));
        QCOMPARE(volumeRefreshes, 1);
        emit m_view->list(RegisterTab::volumes)
            ->horizontalHeader()
            ->sectionClicked(columnIndex(VolumeListColumn::serial));
        QVERIFY(m_view->titleOrder());
        m_view->runCommand(CommandId::volumeTitleOrder);
        QVERIFY(!m_view->titleOrder());
        QCOMPARE(volumeRefreshes, 2);
    }

    void onlyRelatedFilesTakeDroppedFiles() {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
        QDragEnterEvent onVolumes(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(m_view.get(), &onVolumes);
        QVERIFY(!onVolumes.isAccepted());

        showRegister(1);
        selectRows(*m_view, RegisterTab::titleRegister, {0});
        m_view->selectTab(6);
        QDragEnterEvent onRelated(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(m_view.get(), &onRelated);
        QVERIFY(onRelated.isAccepted());
    }

  private:
    // Stores count volumes of the section in its volume file and shows the
    // volume list.
    void showVolumes(int count) {
        m_fixture->writeVolumes(sectionVolumes(count));
        m_view->selectTab(tabIndex(RegisterTab::volumes));
    }

    // Stores count documents of the section in its title register and shows
    // the register.
    void showRegister(int count) {
        std::vector<CBunshoKenMeiboData> entries;
        for (int i = 0; i < count; ++i) {
            entries.push_back(
                testing::sectionEntry(std::to_string(i + 1), "照会" + std::to_string(i)));
        }
        m_fixture->writeRegister(entries);
        m_view->selectTab(tabIndex(RegisterTab::titleRegister));
    }

    void useFileManager() {
        CShokiSetteiData& settings = m_fixture->document.m_settings.Current();
        settings.m_bUseFileManager = 1;
        settings.m_strFileManagerExe = "fm";
    }

    void installVolumes(std::initializer_list<const char*> titles) {
        m_fixture->writeVolumes(titles);
        m_view->selectTab(tabIndex(RegisterTab::volumes));
    }

    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CBunrakoView> m_view;
};

QTEST_MAIN(BunrakoViewTest)
#include "bunrako_view_test.moc"
