#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "office/ui/main_frame.h"
#include "office/ui/window_placement_store.h"
#include "ui/desktop_fixture.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;

namespace {

const QString kKey = QStringLiteral("Settings/WindowPos");

}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void closingStoresThePlacementAndTheNextStartRestoresIt() {
        DesktopFixture fixture;
        {
            CMainFrame frame(fixture.ports, fixture.doc, fixture.settings);
            frame.show();
            frame.setGeometry(40, 50, 700, 500);
            frame.close();
        }
        QCOMPARE(fixture.settings.value(kKey).toString(),
                 QStringLiteral("0:1:-1:-1:-1:-1:40:50:740:550:"));

        CMainFrame again(fixture.ports, fixture.doc, fixture.settings);
        QCOMPARE(again.geometry(), QRect(40, 50, 700, 500));
    }

    void theTextIsTheTenNumbersOfTheStoredForm() {
        DesktopFixture fixture;
        fixture.settings.setValue(kKey, QStringLiteral("2:3:-1:-1:-8:-8:10:20:610:420"));
        CMainFrame frame(fixture.ports, fixture.doc, fixture.settings);
        // The window opens normal, at its normal rectangle.
        QCOMPARE(frame.geometry(), QRect(10, 20, 600, 400));
        QVERIFY(!frame.isMaximized());
    }

    void aTextWithNineNumbersIsIgnored() {
        DesktopFixture fixture;
        CMainFrame plain(fixture.ports, fixture.doc, fixture.settings);
        const QRect byDefault = plain.geometry();
        fixture.settings.setValue(kKey, QStringLiteral("0:1:-1:-1:-1:-1:10:20:610"));
        CMainFrame frame(fixture.ports, fixture.doc, fixture.settings);
        QCOMPARE(frame.geometry(), byDefault);
        fixture.settings.setValue(kKey, QStringLiteral("garbage"));
        CMainFrame garbled(fixture.ports, fixture.doc, fixture.settings);
        QCOMPARE(garbled.geometry(), byDefault);
    }

    void aRectangleOffEveryScreenIsIgnored() {
        DesktopFixture fixture;
        QWidget window;
        const QRect before = window.geometry();
        WindowPlacement placement{0, 1, -1, -1, -1, -1, 30000, 30000, 30500, 30400};
        QVERIFY(!WindowPlacementStore::apply(window, placement));
        placement = {0, 1, -1, -1, -1, -1, 100, 100, 100, 400};  // no width
        QVERIFY(!WindowPlacementStore::apply(window, placement));
        QCOMPARE(window.geometry(), before);
    }

    void aZoomedWindowKeepsItsNormalRectangleAndTheFlag() {
        QWidget window;
        window.setGeometry(30, 40, 300, 200);
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        const WindowPlacement placement = WindowPlacementStore::placementOf(window);
        QCOMPARE(placement.flags, 2);
        QCOMPARE(placement.showCommand, 3);
        QCOMPARE(placement.left, 30);
        QCOMPARE(placement.top, 40);
        QCOMPARE(placement.right, 330);
        QCOMPARE(placement.bottom, 240);
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
