// The three settings dialogs driven through their widgets: the item editor,
// the initial settings and the section switch. Their rules are the forms'.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "common/file_io.h"
#include "settings/ui/section_switch_dialog.h"
#include "settings/ui/settei_koumoku_dialog.h"
#include "settings/ui/shoki_settei_dialog.h"
#include "support/department_master.h"
#include "support/fake_file_browser.h"
#include "support/fake_prompt.h"

using namespace bunrako;
using bunrako::testing::departmentMaster;
using bunrako::testing::FakeFileBrowser;
using bunrako::testing::FakePrompt;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

// Types into the widget as a clerk does: focus first, then one key event
// per character (Japanese text included, as an input method commits it).
void typeInto(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

CShokiSetteiList twoSections() {
    CShokiSetteiList settings;
    CShokiSetteiData first;
    first.m_strSectionName = "総務課";
    first.m_strSubsectionName = "庶務係";
    first.m_strSectionCode = "0010010000";
    first.m_strVolumeFile = "A.dat";
    CShokiSetteiData second = first;
    second.m_strSubsectionName = "人事係";
    second.m_strSectionCode = "0010020000";
    second.m_strVolumeFile = "B.dat";
    second.m_bUseSpreadsheet = 1;
    settings.Records() = {first, second};
    settings.SetCurrent(first);
    return settings;
}

}  // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void theItemEditorRegistersRefusesAndDeletes() {
        FakePrompt prompt;
        FakeFileBrowser browser;
        SetteiKoumokuForm form(departmentMaster(), MasterKind::department);
        CDlgSetteiKoumoku dialog(form, prompt, browser);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.list()->count(), 2);
        QVERIFY(!dialog.numberEdit(3)->isVisibleTo(&dialog));   // departments have two levels
        QVERIFY(!dialog.subNameEdit(1)->isVisibleTo(&dialog));  // and no second value

        typeInto(dialog.numberEdit(1), QStringLiteral("1"));
        QTest::keyClick(dialog.numberEdit(1), Qt::Key_Tab);
        QCOMPARE(dialog.numberEdit(1)->text(), QStringLiteral("001"));
        QCOMPARE(dialog.nameEdit(1)->text(), q("総務課"));
        dialog.numberEdit(2)->setFocus();
        QCOMPARE(dialog.list()->count(), 2);  // 庶務係, 人事係
        QTest::keyClicks(dialog.numberEdit(2), QStringLiteral("3"));
        // Twenty bytes: the eleventh kanji does not go in.
        typeInto(dialog.nameEdit(2), q("一二三四五六七八九十百"));
        QCOMPARE(dialog.nameEdit(2)->text(), q("一二三四五六七八九十"));
        QTest::keyClick(dialog.nameEdit(2), Qt::Key_Return);  // 登録 is the default
        QCOMPARE(form.Copy().NameByCode("0010030000"), std::string("一二三四五六七八九十"));

        dialog.list()->setFocus();
        dialog.list()->setCurrentRow(2);
        prompt.answers.push_back(Answer::yes);
        dialog.deleteButton()->click();
        QCOMPARE(prompt.asked.size(), size_t{1});
        QVERIFY(!form.Copy().FindCode("0010030000"));
        QTest::keyClick(dialog.list(), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void theSettingsDialogSwitchesSectionsAndConfirms() {
        FakeFileBrowser browser;
        const CSetteiKoumokuList department = departmentMaster();
        ShokiSetteiForm form(twoSections(), department);
        CDlgShokiSettei dialog(form, browser);
        int saves = 0;
        bool saveWorks = false;
        dialog.setSaver([&] {
            ++saves;
            return saveWorks;
        });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.pages()->count(), 6);
        QLineEdit* volumes = dialog.edit(q("簿冊データファイル"));
        QVERIFY(volumes);
        QCOMPARE(volumes->text(), QStringLiteral("A.dat"));

        // Another sub-section brings its own record into every page.
        dialog.subsectionCombo()->setCurrentIndex(1);
        QCOMPARE(volumes->text(), QStringLiteral("B.dat"));
        QLineEdit* program = dialog.edit(q("表計算実行ファイル"));
        QVERIFY(program->isEnabled());
        dialog.pages()->setCurrentIndex(3);
        auto* use = dialog.pages()->currentWidget()->findChild<QCheckBox*>();
        use->click();
        QVERIFY(!program->isEnabled());

        // The link browse offers the extension as typed.
        QLineEdit* extension = dialog.edit(q("表計算標準の拡張子"));
        extension->setFocus();
        extension->selectAll();
        QTest::keyClicks(extension, QStringLiteral("ods"));
        browser.answers.push_back("/office/link.ods");
        for (auto* button : dialog.findChildren<QPushButton*>()) {
            if (button->accessibleName() == q("参照...永年簿冊台帳")) button->click();
        }
        QCOMPARE(browser.browsed.back().defaultExtension, std::string("ods"));
        QCOMPARE(dialog.edit(q("永年簿冊台帳"))->text(), QStringLiteral("/office/link.ods"));

        volumes->setFocus();
        QTest::keyClick(volumes, Qt::Key_End);
        QTest::keyClicks(volumes, QStringLiteral("2"));
        QTest::keyClick(volumes, Qt::Key_Return);  // a failed save keeps the dialog and the input
        QCOMPARE(saves, 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.statusLine()->text().isEmpty());
        QCOMPARE(form.Settings().Records()[0].m_strVolumeFile, std::string("B.dat2"));
        saveWorks = true;
        dialog.okButton()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(form.Settings().Records()[0].m_bUseSpreadsheet, 0);
        QCOMPARE(form.Settings().Records()[0].m_strLinkPermanentProgram,
                 std::string("/office/link.ods"));
    }

    void theSettingsDialogNamesWhatIsMissing() {
        FakeFileBrowser browser;
        const CSetteiKoumokuList department = departmentMaster();
        ShokiSetteiForm form(twoSections(), department);
        CDlgShokiSettei dialog(form, browser);
        dialog.show();
        dialog.sectionCombo()->setCurrentIndex(1);  // 財政課, no sub-section chosen
        dialog.okButton()->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.statusLine()->text(), q("係を選んでください。"));
        QCOMPARE(form.Settings().Records().size(), size_t{2});
    }

    void theSectionSwitchChoosesASection() {
        const CSetteiKoumokuList department = departmentMaster();
        const CShokiSetteiList settings = twoSections();
        const SectionSwitchForm form(settings, department);
        CDlgShokiSetteiKaKakariKirikae dialog(form);
        dialog.show();
        QCOMPARE(dialog.list()->count(), 2);
        QCOMPARE(dialog.list()->currentRow(), 0);
        QTest::keyClick(dialog.list(), Qt::Key_Down);
        QTest::keyClick(dialog.list(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosen()->m_strVolumeFile, std::string("B.dat"));
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_test.moc"
