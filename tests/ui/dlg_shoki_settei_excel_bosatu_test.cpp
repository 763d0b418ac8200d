#include "volumes/ui/dlg_shoki_settei_excel_bosatu.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/cp932.h"
#include "common/file_io.h"
#include "office/ui/bunrako_view.h"
#include "support/temp_folder.h"
#include "ui/desktop_fixture.h"
#include "ui/dialog_closer.h"
#include "ui/typing.h"
#include "volumes/texts.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;
using bunrako::testing::DialogCloser;

namespace {

template <class Widget>
Widget* child(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
}

void click(QDialog& dialog, const char* button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

}  // namespace

// 簿冊データ簡易登録 from the 文書整理一覧表 menu: the blank form, the three
// steps, the remembered path and the reloaded list.
class DlgShokiSetteiExcelBosatuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CBunrakoView> m_view;

    std::string csvPath() const { return m_fixture->dataFolder + volumes::texts::kImportCsvName; }

  private slots:
    void init() {
        m_fixture = std::make_unique<DesktopFixture>();
        m_fixture->writeImportMasters();
        m_fixture->writeVolumes({testing::sectionVolume("例規集")});
        m_fixture->document.LoadAll(m_fixture->prompt);
        m_view = std::make_unique<CBunrakoView>(m_fixture->ports, m_fixture->document);
        m_view->OnInitialUpdate();
        m_fixture->prompt.messages.clear();
    }
    void cleanup() {
        m_view.reset();
        m_fixture.reset();
    }

    void theBlankFormImportsInThreeSteps() {
        DialogCloser closer([this](QDialog& dialog) {
            QVERIFY(!child<QPushButton>(dialog, "convert")->isEnabled());
            click(dialog, "blankForm");
            QCOMPARE(m_fixture->shell.opened.back().path, csvPath());
            QCOMPARE(child<QLineEdit>(dialog, "spreadsheet")->text(),
                     QString::fromStdString(csvPath()));
            click(dialog, "read");
            QVERIFY(child<QLabel>(dialog, "readStatus")
                        ->text()
                        .startsWith(QStringLiteral("1個のデータを読み込みました")));
            QVERIFY(child<QLabel>(dialog, "readStatus")
                        ->text()
                        .contains(QStringLiteral("ErrorExcelBosatu.txt")));
            click(dialog, "convert");
            QVERIFY(child<QLabel>(dialog, "convertStatus")
                        ->text()
                        .contains(QStringLiteral("ErrorExcelBosatuHenkan.txt")));
            QVERIFY(child<QPushButton>(dialog, "store")->isEnabled());
            click(dialog, "store");
            QVERIFY(!child<QPushButton>(dialog, "store")->isEnabled());
            QCOMPARE(m_fixture->prompt.lastMessage(), std::string("1個のデータを登録しました。"));
            QTest::keyClick(&dialog, Qt::Key_Return);
            QVERIFY(!dialog.isVisible());
        });
        m_view->runCommand(CommandId::bulkVolumeImport);
        QCOMPARE(closer.titles(), QStringList{QStringLiteral("簿冊データ簡易登録")});
        QCOMPARE(m_view->rowCount(RegisterTab::volumes), 2);
        // The path is remembered for the next run.
        QCOMPARE(testing::readBytes(
                     pathFromUtf8(m_fixture->dataFolder + volumes::texts::kImportPathFileName)),
                 utf8ToCp932(csvPath()) + "\r\n");
    }

    void aMissingCsvIsNamedAndNothingRuns() {
        DialogCloser closer([this](QDialog& dialog) {
            auto* path = child<QLineEdit>(dialog, "spreadsheet");
            path->selectAll();
            QTest::keyClick(path, Qt::Key_Delete);
            testing::typeText(path, QString::fromStdString(m_fixture->dataFolder + "無い.ods"));
            click(dialog, "read");
            QVERIFY(m_fixture->prompt.lastMessage().find(volumes::texts::kImportCsvName) !=
                    std::string::npos);
            QVERIFY(!child<QPushButton>(dialog, "convert")->isEnabled());
            click(dialog, "openSpreadsheet");
            QVERIFY(m_fixture->shell.opened.empty());
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
        });
        m_view->runCommand(CommandId::bulkVolumeImport);
        QVERIFY(!std::filesystem::exists(
            pathFromUtf8(m_fixture->dataFolder + volumes::texts::kImportPathFileName)));
    }
};

QTEST_MAIN(DlgShokiSetteiExcelBosatuTest)
#include "dlg_shoki_settei_excel_bosatu_test.moc"
