// The file search and the registered forms driven through their widgets.
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "catalogue/kanren_file.h"
#include "catalogue/ui/file_search_dialog.h"
#include "catalogue/ui/kanren_file_dialog.h"
#include "catalogue/ui/related_file_commands.h"
#include "catalogue/ui/touroku_tyouhyou_dialog.h"
#include "common/file_io.h"
#include "office/ui/desktop_ports.h"
#include "support/fake_file_browser.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/fixed_clock.h"

using namespace bunrako;
using bunrako::testing::FakeFileBrowser;
using bunrako::testing::FakePrompt;
using bunrako::testing::FakeShell;
using bunrako::testing::FixedClock;

namespace {

// A data folder of files spread over folders: 会議録001.doc ... and notes.
std::filesystem::path makeTree(const QTemporaryDir& dir, int files) {
    const std::filesystem::path root = dir.path().toStdString();
    for (int i = 0; i < files; ++i) {
        const auto folder = root / ("年度" + std::to_string(i % 10));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / ("会議録" + std::to_string(i) + (i % 2 ? ".doc" : ".tmp")));
    }
    return root;
}

}  // namespace

class ToolDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void theSearchShowsRowsAndOpensTheChosenFile() {
        QTemporaryDir dir;
        FileSearchForm form(makeTree(dir, 40));
        FakeShell shell;
        FakePrompt prompt;
        const FixedClock clock(OleDateTime::fromDate(2020, 4, 1));
        CDlgToolFileKensaku dialog(form, shell, prompt, clock);
        dialog.show();
        QSignalSpy finished(&dialog, &CDlgToolFileKensaku::searchFinished);
        QTest::keyClick(dialog.textEdit(), Qt::Key_Return);  // 検索開始 is the default
        QVERIFY(finished.wait(10000));
        QCOMPARE(dialog.results()->rowCount(), 20);  // the .doc files only
        QVERIFY(dialog.statusLine()->text().contains(QStringLiteral("20")));
        dialog.results()->setFocus();
        dialog.results()->selectRow(0);
        QTest::keyClick(dialog.results(), Qt::Key_Return);
        QCOMPARE(shell.opened.size(), size_t{1});
        QVERIFY(QString::fromStdString(shell.opened[0].path).endsWith(QStringLiteral(".doc")));
        QVERIFY(dialog.isVisible());  // Enter on a row does not start a search
    }

    void aRunningSearchStops() {
        QTemporaryDir dir;
        FileSearchForm form(makeTree(dir, 4000));
        form.Criteria().allFiles = true;
        FakeShell shell;
        FakePrompt prompt;
        const FixedClock clock(OleDateTime::fromDate(2020, 4, 1));
        CDlgToolFileKensaku dialog(form, shell, prompt, clock);
        dialog.show();
        QSignalSpy finished(&dialog, &CDlgToolFileKensaku::searchFinished);
        dialog.startButton()->click();
        QVERIFY(dialog.isSearching());
        QCOMPARE(dialog.startButton()->text(), QStringLiteral("中止(&S)"));
        dialog.startButton()->click();  // 中止
        QVERIFY(finished.wait(10000));
        QVERIFY(!dialog.isSearching());
        QVERIFY2(dialog.statusLine()->text().startsWith(QStringLiteral("中止しました")),
                 qPrintable(dialog.statusLine()->text()));
        QVERIFY(dialog.results()->rowCount() < 4000);
        QCOMPARE(dialog.startButton()->text(), QStringLiteral("検索開始(&S)"));
    }

    void registeredFormsAreEnteredAndRun() {
        QTemporaryDir dir;
        FakePrompt prompt;
        FakeShell shell;
        FakeFileBrowser browser;
        CTourokuTyouhyou list(prompt, CTourokuTyouhyou::FileInFolder(dir.path().toStdString()));
        TourokuTyouhyouForm form(list);
        CDlgTourokuTyouhyou dialog(form, shell, prompt, browser);
        dialog.show();
        dialog.registerButton()->click();  // no title yet
        QVERIFY(!dialog.statusLine()->text().isEmpty());
        QTest::keyClicks(dialog.titleEdit(), QStringLiteral("Ryohi"));
        browser.answers.push_back("/forms/ryohi.ods");
        for (auto* button : dialog.findChildren<QPushButton*>()) {
            if (button->accessibleName() == QStringLiteral("参照...ファイル")) button->click();
        }
        QCOMPARE(dialog.fileEdit()->text(), QStringLiteral("/forms/ryohi.ods"));
        dialog.runModes()->button(2)->click();  // 関連実行
        dialog.registerButton()->click();
        QCOMPARE(dialog.list()->count(), 1);
        QTest::keyClick(dialog.titleEdit(), Qt::Key_Return);  // 実行 is the default
        QCOMPARE(shell.opened.size(), size_t{1});
        QCOMPARE(shell.opened[0].path, std::string("/forms/ryohi.ods"));
        QCOMPARE(list.records().size(), size_t{1});
    }

    void aRelatedFileIsBrowsedForAndRemovedFromTheListOnly() {
        QTemporaryDir dir;
        FakePrompt prompt;
        FakeShell shell;
        FakeFileBrowser browser;
        const FixedClock clock(OleDateTime::fromDate(2020, 4, 1));
        const DesktopPorts ports{prompt, shell, browser, clock};
        const std::string scan = dir.filePath(QStringLiteral("scan.pdf")).toStdString();
        std::ofstream(std::filesystem::path(scan)) << "pdf";
        CKanrenFile list(
            prompt, std::filesystem::path(dir.filePath(QStringLiteral("件名.dat")).toStdString()));

        KanrenFileForm form(CKanrenFileData::New(clock.now()));
        CDlgKanrenFile dialog(form, browser);
        dialog.show();
        QTest::keyClick(dialog.fileNameEdit(), Qt::Key_Return);  // no name yet: stays open
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.statusLine()->text().isEmpty());
        browser.answers.push_back(scan);
        dialog.browseButton()->click();
        QCOMPARE(dialog.fileNameEdit()->text(), QStringLiteral("scan.pdf"));
        QTest::keyClick(dialog.fileNameEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(list.AddOrUpdate(form.Gather(clock.now())), 1);

        prompt.answers.push_back(Answer::yes);
        QVERIFY(RelatedFileCommands::remove(ports, list, list.records().front()));
        QVERIFY(list.records().empty());
        QVERIFY(std::filesystem::exists(scan));  // the file itself stays
    }
};

QTEST_MAIN(ToolDialogsTest)
#include "tool_dialogs_test.moc"
