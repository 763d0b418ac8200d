#include "volumes/ui/dlg_hozon_nengen_henkousho_tyuushutu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/my_tool.h"
#include "support/fake_prompt.h"
#include "support/import_masters.h"
#include "ui/typing.h"
#include "volumes/texts.h"

using namespace bunrako;
namespace masters = bunrako::testing::import_masters;

class DlgHozonNengenHenkoushoTyuushutuTest : public QObject {
    Q_OBJECT

    CSetteiKoumokuList m_department = masters::department();
    CSetteiKoumokuList m_classification = masters::classification();
    CSetteiKoumokuList m_retention = masters::retention();
    VolumeChoices m_choices{m_department, m_classification, m_retention};
    bunrako::testing::FakePrompt m_prompt;
    CHozonNengenHenkoushoTyuushutuJouken m_criteria;

    std::unique_ptr<CDlgHozonNengenHenkoushoTyuushutu> open() {
        m_prompt.messages.clear();
        m_prompt.asked.clear();
        m_prompt.answers.clear();
        m_criteria = CHozonNengenHenkoushoTyuushutuJouken::Initial(
            OleDateTime::fromDate(2020, 8, 15), 0, CMyTool());
        m_criteria.setSection("総務課", "庶務係");
        auto dialog = std::make_unique<CDlgHozonNengenHenkoushoTyuushutu>(m_criteria, m_choices,
                                                                          false, 0, m_prompt);
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
    void showsTwelveCriteria() {
        auto dialog = open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("保存年限変更書の抽出"));
        QCOMPARE(dialog->findChildren<QCheckBox*>().size(), 12);
        QCOMPARE(child<QComboBox>(*dialog, "typeAfterTo")->count(), 6);
        QVERIFY(!child<QComboBox>(*dialog, "typeAfterTo")->isEnabled());
    }

    void okWritesTheTypePairAndTheReason() {
        auto dialog = open();
        child<QCheckBox>(*dialog, "typeAfterOn")->click();
        child<QComboBox>(*dialog, "typeAfterFrom")->setCurrentIndex(2);
        QTest::keyClick(child<QComboBox>(*dialog, "typeAfterTo"), Qt::Key_End);
        QTest::keyClick(child<QCheckBox>(*dialog, "reasonOn"), Qt::Key_Space);
        testing::typeText(child<QLineEdit>(*dialog, "reason"), QStringLiteral("歴史的資料"));
        QTest::keyClick(child<QLineEdit>(*dialog, "reason"), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_criteria.byTypeAfter, 1);
        QCOMPARE(m_criteria.typeAfterFrom, std::string("5年"));
        QCOMPARE(m_criteria.typeAfterTo, std::string("永年"));
        QCOMPARE(m_criteria.reasonText, std::string("歴史的資料"));
    }

    void aPairWithOneTypeIsRefused() {
        auto dialog = open();
        child<QCheckBox>(*dialog, "typeBeforeOn")->click();
        child<QComboBox>(*dialog, "typeBeforeFrom")->setCurrentIndex(1);
        QTest::mouseClick(child<QPushButton>(*dialog, "ok"), Qt::LeftButton);
        QCOMPARE(m_prompt.lastMessage(), std::string(volumes::texts::kInvalidCriteria));
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_criteria.byTypeBefore, 0);
    }
};

QTEST_MAIN(DlgHozonNengenHenkoushoTyuushutuTest)
#include "dlg_hozon_nengen_henkousho_tyuushutu_test.moc"
