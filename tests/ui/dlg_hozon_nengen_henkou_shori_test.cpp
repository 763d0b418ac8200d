#include "volumes/ui/dlg_hozon_nengen_henkou_shori.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "settings/settei_koumoku_list.h"
#include "support/import_masters.h"
#include "ui/typing.h"

using namespace bunrako;
namespace masters = bunrako::testing::import_masters;

class DlgHozonNengenHenkouShoriTest : public QObject {
    Q_OBJECT

    CSetteiKoumokuList m_retention = masters::retention();
    // What the batch handed to the dialog was asked to do.
    std::optional<std::pair<std::string, std::string>> m_asked;

    std::unique_ptr<CDlgHozonNengenHenkouShori> open() {
        m_asked.reset();
        const auto run = [this](const std::string& type, const std::string& reason,
                                const BatchProgress& progress, const BatchStop&) {
            m_asked.emplace(type, reason);
            progress(1, 2);
            progress(2, 2);
            return BatchResult{};
        };
        auto dialog = std::make_unique<CDlgHozonNengenHenkouShori>(2, m_retention, run);
        dialog->show();
        return dialog;
    }

    template <class Widget>
    static Widget* child(QDialog& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) qFatal("no widget %s", name);
        return widget;
    }

  private slots:
    void offersTheTableTypesWithNoneChosen() {
        auto dialog = open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("保存種別の一括変更処理"));
        auto* type = child<QComboBox>(*dialog, "type");
        QCOMPARE(type->count(), 6);
        QCOMPARE(type->itemText(5), QStringLiteral("永年"));
        QCOMPARE(type->currentIndex(), -1);
        QCOMPARE(child<QProgressBar>(*dialog, "progress")->maximum(), 2);
    }

    void okNeedsATypeAndAReason_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("runs");
        QTest::newRow("both") << 5 << QStringLiteral("歴史的資料として永年保存") << true;
        QTest::newRow("no type") << -1 << QStringLiteral("法改正") << false;
        QTest::newRow("no reason") << 4 << QString() << false;
    }

    void okNeedsATypeAndAReason() {
        QFETCH(int, type);
        QFETCH(QString, reason);
        QFETCH(bool, runs);
        auto dialog = open();
        child<QComboBox>(*dialog, "type")->setCurrentIndex(type);
        auto* edit = child<QLineEdit>(*dialog, "reason");
        edit->setFocus();
        testing::typeText(edit, reason);
        // Enter is OK.
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_asked.has_value(), runs);
        QCOMPARE(dialog->isVisible(), !runs);
        if (!runs) return;
        QCOMPARE(QString::fromStdString(m_asked->first), QStringLiteral("永年"));
        QCOMPARE(QString::fromStdString(m_asked->second), reason);
        QCOMPARE(child<QProgressBar>(*dialog, "progress")->value(), 2);
    }

    void theReasonTakes512Bytes() {
        auto dialog = open();
        auto* edit = child<QLineEdit>(*dialog, "reason");
        testing::typeText(edit, QString(300, QChar(0x3042)));  // あ: 2 bytes each
        QCOMPARE(edit->text().size(), 256);
    }

    void escapeCancels() {
        auto dialog = open();
        QTest::keyClick(child<QLineEdit>(*dialog, "reason"), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!m_asked.has_value());
    }
};

QTEST_MAIN(DlgHozonNengenHenkouShoriTest)
#include "dlg_hozon_nengen_henkou_shori_test.moc"
