#include "volumes/ui/dlg_bunshoseiri_haiki_shori.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "ui/typing.h"
#include "volumes/ui/era_combo_box.h"
#include "volumes/ui/year_input_edit.h"

using namespace bunrako;

class DlgBunshoseiriHaikiShoriTest : public QObject {
    Q_OBJECT

    // What the batch handed to the dialog was asked to do.
    std::optional<OleDateTime> m_month;
    BatchResult::Outcome m_outcome = BatchResult::Outcome::completed;

    std::unique_ptr<CDlgBunshoseiriHaikiShori> open(bool western) {
        m_month.reset();
        const auto run = [this](const OleDateTime& month, const BatchProgress& progress,
                                const BatchStop& stop) {
            m_month = month;
            for (int i = 1; i <= 3; ++i) progress(i, 3);
            BatchResult result;
            result.outcome = stop() ? BatchResult::Outcome::cancelled : m_outcome;
            return result;
        };
        auto dialog = std::make_unique<CDlgBunshoseiriHaikiShori>(
            3, OleDateTime::fromDate(2026, 12, 9), western, run);
        dialog->show();
        return dialog;
    }

    static YearInputEdit* month(QDialog& dialog) {
        return dialog.findChild<YearInputEdit*>(QStringLiteral("month"));
    }
    static QProgressBar* bar(QDialog& dialog) {
        return dialog.findChild<QProgressBar*>(QStringLiteral("progress"));
    }

    static void retype(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

  private slots:
    void opensAtTodaysMonth() {
        auto dialog = open(false);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("簿冊の一括廃棄処理"));
        QCOMPARE(month(*dialog)->eraCombo()->currentIndex(), 4);
        QCOMPARE(month(*dialog)->eraYearEdit()->text(), QStringLiteral("8"));
        QCOMPARE(month(*dialog)->monthEdit()->text(), QStringLiteral("12"));
        QVERIFY(!month(*dialog)->westernYearEdit()->isVisible());
        QCOMPARE(bar(*dialog)->maximum(), 3);
        QCOMPARE(bar(*dialog)->value(), 0);
    }

    void startTakesTheTypedMonth_data() {
        QTest::addColumn<bool>("western");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("stays");
        QTest::addColumn<QDate>("expected");
        using O = BatchResult::Outcome;
        QTest::newRow("era") << false << "7"
                             << "5" << int(O::completed) << false << QDate(2025, 5, 1);
        QTest::newRow("Western") << true << "2025"
                                 << "11" << int(O::completed) << false << QDate(2025, 11, 1);
        QTest::newRow("stopped by a file")
            << true << "2025"
            << "11" << int(O::stopped) << false << QDate(2025, 11, 1);
        QTest::newRow("stopped by the clerk")
            << true << "2025"
            << "11" << int(O::cancelled) << true << QDate(2025, 11, 1);
        QTest::newRow("month 13") << false << "7"
                                  << "13" << int(O::completed) << true << QDate();
        QTest::newRow("era year 0") << false << "0"
                                    << "5" << int(O::completed) << true << QDate();
        QTest::newRow("year 1899") << true << "1899"
                                   << "5" << int(O::completed) << true << QDate();
    }

    void startTakesTheTypedMonth() {
        QFETCH(bool, western);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(int, outcome);
        QFETCH(bool, stays);
        QFETCH(QDate, expected);
        m_outcome = static_cast<BatchResult::Outcome>(outcome);
        auto dialog = open(western);
        YearInputEdit* input = DlgBunshoseiriHaikiShoriTest::month(*dialog);
        retype(western ? input->westernYearEdit() : input->eraYearEdit(), year);
        retype(input->monthEdit(), month);
        // Enter starts: 処理開始 is the default button. A stop by the clerk is
        // asked for in the batch's own progress dialog.
        if (m_outcome == BatchResult::Outcome::cancelled) {
            m_outcome = BatchResult::Outcome::completed;
            connect(bar(*dialog), &QProgressBar::valueChanged, this, [&](int value) {
                if (value != 1) return;
                auto* progress =
                    dialog->findChild<QProgressDialog*>(QStringLiteral("batchProgress"));
                if (progress) progress->cancel();
            });
        }
        QTest::keyClick(input->monthEdit(), Qt::Key_Return);
        QCOMPARE(dialog->isVisible(), stays);
        if (expected.isValid()) {
            QVERIFY(m_month.has_value());
            QCOMPARE(m_month->year(), expected.year());
            QCOMPARE(m_month->month(), expected.month());
            QCOMPARE(m_month->day(), 1);
            QCOMPARE(bar(*dialog)->value(), stays ? 0 : 3);
        } else {
            QVERIFY(!m_month.has_value());
        }
        QCOMPARE(dialog->result(), stays ? 0 : int(QDialog::Accepted));
    }

    void escapeGoesBack() {
        auto dialog = open(false);
        QTest::keyClick(month(*dialog)->monthEdit(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!m_month.has_value());
    }
};

QTEST_MAIN(DlgBunshoseiriHaikiShoriTest)
#include "dlg_bunshoseiri_haiki_shori_test.moc"
