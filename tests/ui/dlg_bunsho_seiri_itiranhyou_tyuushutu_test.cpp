#include "volumes/ui/dlg_bunsho_seiri_itiranhyou_tyuushutu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/my_tool.h"
#include "support/fake_prompt.h"
#include "support/import_masters.h"
#include "ui/typing.h"
#include "volumes/texts.h"
#include "volumes/ui/era_combo_box.h"
#include "volumes/ui/year_input_edit.h"

using namespace bunrako;
namespace masters = bunrako::testing::import_masters;

class DlgBunshoSeiriItiranhyouTyuushutuTest : public QObject {
    Q_OBJECT

    CSetteiKoumokuList m_department = masters::department();
    CSetteiKoumokuList m_classification = masters::classification();
    CSetteiKoumokuList m_retention = masters::retention();
    VolumeChoices m_choices{m_department, m_classification, m_retention};
    bunrako::testing::FakePrompt m_prompt;
    CBosatuTyuushutuJouken m_criteria;

    std::unique_ptr<CDlgBunshoSeiriItiranhyouTyuushutu> open(VolumeTab tab) {
        m_prompt.messages.clear();
        m_prompt.asked.clear();
        m_prompt.answers.clear();
        m_criteria =
            CBosatuTyuushutuJouken::Initial(OleDateTime::fromDate(2020, 8, 15), 0, CMyTool());
        m_criteria.setSection("総務課", "庶務係");
        auto dialog = std::make_unique<CDlgBunshoSeiriItiranhyouTyuushutu>(m_criteria, m_choices,
                                                                           tab, false, 0, m_prompt);
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
    void theTabNamesTheDialog_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("byRetention");
        QTest::newRow("volumes") << 0 << QStringLiteral("文書整理一覧表の抽出") << false;
        QTest::newRow("permanent") << 1 << QStringLiteral("永年簿冊の抽出") << true;
        QTest::newRow("disposed") << 2 << QStringLiteral("廃棄簿冊の抽出") << false;
    }
    void theTabNamesTheDialog() {
        QFETCH(int, tab);
        QFETCH(QString, caption);
        QFETCH(bool, byRetention);
        auto dialog = open(static_cast<VolumeTab>(tab));
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(child<QCheckBox>(*dialog, "retentionTypeOn")->isChecked(), byRetention);
        QCOMPARE(child<QComboBox>(*dialog, "retentionType")->isEnabled(), byRetention);
    }

    void aCriterionsControlsFollowItsCheck() {
        auto dialog = open(VolumeTab::volumeList);
        auto* title = child<QLineEdit>(*dialog, "title");
        QVERIFY(!title->isEnabled());
        QVERIFY(child<YearInputEdit>(*dialog, "creationFrom")->isEnabled());
        QTest::keyClick(child<QCheckBox>(*dialog, "titleOn"), Qt::Key_Space);
        QVERIFY(title->isEnabled());
        QCOMPARE(child<QComboBox>(*dialog, "section")->currentText(), QStringLiteral("庶務係"));
        QCOMPARE(title->accessibleName(), QStringLiteral("タイトルに含まれる文字で抽出する"));
    }

    void okWritesTheCriteria() {
        auto dialog = open(VolumeTab::disposedList);
        QTest::keyClick(child<QCheckBox>(*dialog, "titleOn"), Qt::Key_Space);
        testing::typeText(child<QLineEdit>(*dialog, "title"), QStringLiteral("会議"));
        QTest::keyClick(child<QCheckBox>(*dialog, "catalogueOn"), Qt::Key_Space);
        child<QRadioButton>(*dialog, "catalogueWithout")->click();
        auto* from = child<YearInputEdit>(*dialog, "creationFrom");
        QTest::keyClick(from->eraCombo(), Qt::Key_H);
        from->eraYearEdit()->clear();
        QTest::keyClicks(from->eraYearEdit(), QStringLiteral("30"));
        QTest::keyClick(child<QLineEdit>(*dialog, "title"), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_criteria.byTitle, 1);
        QCOMPARE(m_criteria.titleText, std::string("会議"));
        QCOMPARE(m_criteria.byCatalogue, 1);
        QCOMPARE(m_criteria.catalogueHasEntries, 0);
        QCOMPARE(m_criteria.creationFrom, OleDateTime::fromDate(2018, 4, 1));
    }

    void aMistakeKeepsTheDialogOpen() {
        auto dialog = open(VolumeTab::volumeList);
        child<QCheckBox>(*dialog, "minorOn")->click();
        QTest::mouseClick(child<QPushButton>(*dialog, "ok"), Qt::LeftButton);
        QCOMPARE(m_prompt.lastMessage(), std::string(volumes::texts::kInvalidInput));
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_criteria.byMinor, 0);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(DlgBunshoSeiriItiranhyouTyuushutuTest)
#include "dlg_bunsho_seiri_itiranhyou_tyuushutu_test.moc"
