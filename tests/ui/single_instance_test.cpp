#include "office/ui/single_instance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

using namespace bunrako;

namespace {

QString uniqueServerName() {
    return QStringLiteral("bunrako-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

  private slots:
    void aSecondStartFindsTheFirstAndBringsItForward() {
        const QString name = uniqueServerName();
        SingleInstance first(name);
        QSignalSpy activations(&first, &SingleInstance::activationRequested);
        QVERIFY(first.start());

        SingleInstance second(name);
        QVERIFY(!second.start());
        QTRY_COMPARE(activations.size(), 1);

        SingleInstance third(name);
        QVERIFY(!third.start());
        QTRY_COMPARE(activations.size(), 2);
    }

    void theFirstStartWinsEvenOverALeftoverSocket() {
        const QString name = uniqueServerName();
#ifndef _WIN32
        // A copy that crashed leaves its socket file behind; nobody answers on it.
        QFile leftover(QDir::temp().filePath(name));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();
#endif
        SingleInstance first(name);
        QVERIFY(first.start());
        SingleInstance second(name);
        QVERIFY(!second.start());
    }

    void aClosedFirstCopyLetsTheNextOneStart() {
        const QString name = uniqueServerName();
        {
            SingleInstance first(name);
            QVERIFY(first.start());
        }
        SingleInstance next(name);
        QVERIFY(next.start());
    }

    void theNameDiffersPerUserButNotPerStart() {
        QCOMPARE(SingleInstance::defaultServerName(), SingleInstance::defaultServerName());
        QVERIFY(SingleInstance::defaultServerName().startsWith(QStringLiteral("bunrako-")));
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
