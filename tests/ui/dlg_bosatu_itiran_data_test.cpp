#include "volumes/ui/dlg_bosatu_itiran_data.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "support/fake_prompt.h"
#include "support/import_masters.h"
#include "ui/typing.h"
#include "volumes/texts.h"
#include "volumes/ui/era_combo_box.h"
#include "volumes/ui/year_input_edit.h"

using namespace bunrako;
namespace masters = bunrako::testing::import_masters;

namespace {

CDocMasterData storedVolume() {
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2020, 4, 1));
    volume.setKaMei("総務課");
    volume.setKakariMei("庶務係");
    volume.setDaiBunruiMei("文書");
    volume.setChuuBunruiMei("例規");
    volume.setShouBunruiMei("条例");
    volume.setTitle("例規集");
    volume.setHozonShubetuMei("10年");
    return volume;
}

}  // namespace

class DlgBosatuItiranDataTest : public QObject {
    Q_OBJECT

    CSetteiKoumokuList m_department = masters::department();
    CSetteiKoumokuList m_classification = masters::classification();
    CSetteiKoumokuList m_retention = masters::retention();
    VolumeChoices m_choices{m_department, m_classification, m_retention};
    bunrako::testing::FakePrompt m_prompt;
    std::vector<CDocMasterData> m_stored;
    bool m_storeWorks = true;

    std::unique_ptr<CDlgBosatuItiranData> open(VolumeEntryMode mode, bool western = false) {
        m_prompt.messages.clear();
        m_prompt.asked.clear();
        m_prompt.answers.clear();
        m_stored.clear();
        auto dialog = std::make_unique<CDlgBosatuItiranData>(
            storedVolume(), m_choices, mode, western, 0, m_prompt,
            [this](const CDocMasterData& record, bool) {
                m_stored.push_back(record);
                return m_storeWorks;
            });
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
    void theModeNamesTheButtonAndTheChecksShown_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("removeBeforeShown");
        QTest::newRow("register") << 0 << QStringLiteral("追加(&A)") << false;
        QTest::newRow("change") << 1 << QStringLiteral("変更(&C)") << true;
        QTest::newRow("delete") << 2 << QStringLiteral("削除(&D)") << false;
    }
    void theModeNamesTheButtonAndTheChecksShown() {
        QFETCH(int, mode);
        QFETCH(QString, button);
        QFETCH(bool, removeBeforeShown);
        auto dialog = open(static_cast<VolumeEntryMode>(mode));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("簿冊一覧データ"));
        QCOMPARE(child<QPushButton>(*dialog, "ok")->text(), button);
        QVERIFY(child<QPushButton>(*dialog, "ok")->isDefault());
        QCOMPARE(child<QCheckBox>(*dialog, "removeBefore")->isVisible(), removeBeforeShown);
    }

    void everyControlHasANameAndTheTabOrderFollowsTheLayout() {
        auto dialog = open(VolumeEntryMode::change);
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus || qobject_cast<QPushButton*>(widget) ||
                qobject_cast<QCheckBox*>(widget) || !widget->isVisibleTo(dialog.get()) ||
                widget->parent() == nullptr || qobject_cast<QComboBox*>(widget->parent())) {
                continue;
            }
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
        QWidget* department = child<QComboBox>(*dialog, "department");
        QWidget* section = child<QComboBox>(*dialog, "section");
        auto* creation = child<YearInputEdit>(*dialog, "creation");
        QCOMPARE(testing::nextByTab(department), section);
        QCOMPARE(testing::nextByTab(section), static_cast<QWidget*>(creation->eraCombo()));
        QCOMPARE(testing::nextByTab(creation->eraCombo()),
                 static_cast<QWidget*>(creation->eraYearEdit()));
        QCOMPARE(testing::nextByTab(creation->eraYearEdit()),
                 static_cast<QWidget*>(child<QLineEdit>(*dialog, "title")));
    }

    void theEraComboTakesTheEraLetter() {
        auto dialog = open(VolumeEntryMode::registerNew);
        EraComboBox* era = child<YearInputEdit>(*dialog, "filingTo")->eraCombo();
        QTest::keyClick(era, Qt::Key_H);
        QCOMPARE(era->currentText(), QStringLiteral("平成"));
        QTest::keyClick(era, Qt::Key_R);
        QCOMPARE(era->era(), 5);
    }

    void choosingATypeFillsTheDerivedMonths() {
        auto dialog = open(VolumeEntryMode::registerNew);
        auto* filingTo = child<YearInputEdit>(*dialog, "filingTo");
        filingTo->eraYearEdit()->clear();
        QTest::keyClicks(filingTo->eraYearEdit(), QStringLiteral("2"));
        auto* type = child<QComboBox>(*dialog, "retentionType");
        type->setCurrentIndex(0);  // 1年
        QTest::keyClick(type, Qt::Key_Down);
        QTest::keyClick(type, Qt::Key_Down);  // 5年
        QCOMPARE(type->currentText(), QStringLiteral("5年"));
        QCOMPARE(child<QLineEdit>(*dialog, "retentionYears")->text(), QStringLiteral("5"));
        for (const char* name : {"expiry", "disposal", "reviewTime2"}) {
            auto* month = child<YearInputEdit>(*dialog, name);
            QCOMPARE(month->eraYearEdit()->text(), QStringLiteral("8"));
            QCOMPARE(month->monthEdit()->text(), QStringLiteral("4"));
        }
        QVERIFY(m_prompt.messages.empty());
    }

    void permanentOpensTheReviewControls() {
        auto dialog = open(VolumeEntryMode::change);
        auto* next = child<YearInputEdit>(*dialog, "reviewTime0");
        QVERIFY(!next->isEnabled());
        auto* type = child<QComboBox>(*dialog, "retentionType");
        type->setCurrentIndex(4);             // 10年
        QTest::keyClick(type, Qt::Key_Down);  // 永年
        QVERIFY(next->isEnabled());
        QVERIFY(!child<QPushButton>(*dialog, "review")->isEnabled());
        child<QCheckBox>(*dialog, "reviewDone0")->click();
        QVERIFY(child<QPushButton>(*dialog, "review")->isEnabled());
        QTest::mouseClick(child<QPushButton>(*dialog, "review"), Qt::LeftButton);
        QVERIFY(child<QCheckBox>(*dialog, "reviewDone1")->isChecked());
        QVERIFY(child<YearInputEdit>(*dialog, "reviewTime1")->isEnabled());
    }

    void aTypedTypeIsCheckedWhenTheClerkMovesOn() {
        auto dialog = open(VolumeEntryMode::change);
        auto* type = child<QComboBox>(*dialog, "retentionType");
        type->lineEdit()->setText(QStringLiteral("9年"));
        QFocusEvent closing(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(type->lineEdit(), &closing);
        QVERIFY(m_prompt.messages.empty());
        QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(type->lineEdit(), &tab);
        QCOMPARE(m_prompt.lastMessage(), std::string(volumes::texts::kRetentionTypeTyped));
        QCOMPARE(type->currentText(), QString());
    }

    void theTitleRefusesWhatTheRecordCannotHold() {
        auto dialog = open(VolumeEntryMode::registerNew);
        auto* title = child<QLineEdit>(*dialog, "title");
        title->clear();
        testing::typeText(title, QString(40, QChar(0x3042)));  // あ × 40
        QCOMPARE(title->text(), QString(36, QChar(0x3042)));
        testing::typeText(title, QStringLiteral("\u2603"));  // no CP932 code
        QCOMPARE(title->text().size(), 36);
    }

    void enterStoresAndAFailedStoreKeepsWhatWasTyped() {
        auto dialog = open(VolumeEntryMode::change);
        auto* title = child<QLineEdit>(*dialog, "title");
        testing::typeText(title, QStringLiteral("（追録）"));
        m_storeWorks = false;
        QTest::keyClick(title, Qt::Key_Return);
        QCOMPARE(m_stored.size(), size_t{1});
        QVERIFY(dialog->isVisible());
        QCOMPARE(title->text(), QStringLiteral("例規集（追録）"));
        m_storeWorks = true;
        QTest::keyClick(title, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->record().title(), std::string("例規集（追録）"));
    }

    void aMistakeIsToldAndEscapeCancels() {
        auto dialog = open(VolumeEntryMode::change);
        child<QLineEdit>(*dialog, "books")->clear();
        QTest::keyClick(child<QLineEdit>(*dialog, "title"), Qt::Key_Return);
        QCOMPARE(m_prompt.lastMessage(), std::string(volumes::texts::kInvalidInput));
        QCOMPARE(m_prompt.messages.back().caption, std::string("警告"));
        QVERIFY(m_stored.empty());
        // The clerk is taken to the field at fault.
        QCOMPARE(dialog->focusWidget(), child<QLineEdit>(*dialog, "books"));
        QTest::keyClick(child<QLineEdit>(*dialog, "title"), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!dialog->isVisible());
    }

    void deletionIsConfirmed_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deletionIsConfirmed() {
        QFETCH(bool, yes);
        auto dialog = open(VolumeEntryMode::remove);
        // The volume is shown, not edited: it goes as it was chosen.
        QVERIFY(!child<QLineEdit>(*dialog, "books")->isEnabled());
        QVERIFY(child<QLineEdit>(*dialog, "title")->isReadOnly());
        m_prompt.answers.push_back(yes ? Answer::yes : Answer::no);
        QTest::mouseClick(child<QPushButton>(*dialog, "ok"), Qt::LeftButton);
        QCOMPARE(m_prompt.asked.back(), std::string("ほんとうに削除してよろしいですか?"));
        QCOMPARE(m_stored.size(), size_t{yes ? 1u : 0u});
        if (yes) QCOMPARE(m_stored.front().title(), std::string("例規集"));
        QCOMPARE(dialog->result(), int(yes ? QDialog::Accepted : QDialog::Rejected));
    }

    void westernModeShowsWesternYears() {
        auto dialog = open(VolumeEntryMode::change, true);
        auto* creation = child<YearInputEdit>(*dialog, "creation");
        QVERIFY(creation->westernYearEdit()->isVisible());
        QVERIFY(!creation->eraCombo()->isVisible());
        QCOMPARE(creation->westernYearEdit()->text(), QStringLiteral("2020"));
    }
};

QTEST_MAIN(DlgBosatuItiranDataTest)
#include "dlg_bosatu_itiran_data_test.moc"
