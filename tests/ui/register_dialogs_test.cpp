// The title register's dialogs driven through their widgets: the entry
// dialog and the extraction dialog. Their rules are the forms'.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "common/file_io.h"
#include "register/bunsho_ken_meibo_form.h"
#include "register/kessai_kubun_form.h"
#include "register/kessai_kubun_table.h"
#include "register/kian_form.h"
#include "register/register_criteria_form.h"
#include "register/ui/bunsho_ken_meibo_dialog.h"
#include "register/ui/day_fields.h"
#include "register/ui/kessaisha_kubun_dialog.h"
#include "register/ui/kian_dialog.h"
#include "register/ui/register_criteria_dialog.h"
#include "register/ui/register_drafts.h"
#include "settings/shoki_settei_data.h"
#include "support/department_master.h"
#include "support/fake_file_browser.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "ui/desktop_fixture.h"
#include "volumes/doc_master_data.h"

using namespace bunrako;
using bunrako::testing::FakePrompt;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

void typeInto(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

template <class Widget>
Widget* named(QWidget& dialog, const QString& name) {
    for (auto* widget : dialog.findChildren<Widget*>()) {
        if (widget->accessibleName() == name) return widget;
    }
    return nullptr;
}

const OleDateTime kNow = OleDateTime::fromDateTime(2021, 1, 5, 10, 0, 0);

CBunshoKenMeiboData entry() {
    CBunshoKenMeiboData e = CBunshoKenMeiboData::newEntry(kNow);
    e.setDocumentNumber("12");
    e.registerYear = OleDateTime::fromDate(2020, 4, 1);
    e.volumeYear = OleDateTime::fromDate(2020, 4, 1);
    e.setSectionCode("0010010000");
    e.receivedDate = OleDateTime::fromDate(2020, 6, 1);
    e.setSender("総務部長");
    e.setReceiver("各課長");
    e.setVolumeTitle("人事");
    return e;
}

}  // namespace

class RegisterDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void theEntryDialogIsTypedThroughAndKeepsInputWhenTheSaveFails() {
        testing::TempFolder folder;
        FakePrompt prompt;
        testing::FixedClock clock{kNow};
        const CSetteiKoumokuList departments = testing::departmentMaster();
        const std::vector<CDocMasterData> volumes = {fromBytes(
            testing::volume_bytes::volume("502001001 1 2 3000100", testing::volume_bytes::kJinji))};
        BunshoKenMeiboForm form(entry(), BunshoKenMeiboForm::Mode::add,
                                {departments, volumes, 0, 0, folder.path()}, prompt, clock);
        bool saveWorks = false;
        int saves = 0;
        const auto store = [&](CBunshoKenMeiboData&) {
            ++saves;
            return saveWorks;
        };
        CDlgBunshoKenMeibo dialog(form, prompt, {store, folder / "DocMaster.dat"});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.okButton()->accessibleName(), q("追加"));
        auto* title = named<QComboBox>(dialog, q("簿冊名"));
        QVERIFY(title);
        QCOMPARE(title->currentText(), q("人事"));

        // Tab walks down the form, the date parts one by one.
        named<QComboBox>(dialog, q("管理年 元号"))->setFocus();
        QStringList walked;
        for (int step = 0; step < 12; ++step) {
            walked << QApplication::focusWidget()->accessibleName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QStringList expected = {q("管理年 元号"), q("管理年 年"),   q("簿冊年度 元号"),
                                      q("簿冊年度 年"), q("所属 課"),     q("係"),
                                      q("簿冊名"),      q("受付日 元号"), q("受付日 年"),
                                      q("受付日 月"),   q("受付日 日"),   q("番号")};
        QCOMPARE(walked, expected);

        // The era combo takes the era's first letter.
        auto* era = named<QComboBox>(dialog, q("受付日 元号"));
        QVERIFY(era);
        QTest::keyClick(era, Qt::Key_H);
        QCOMPARE(era->currentText(), q("平成"));
        QTest::keyClick(era, Qt::Key_R);
        QCOMPARE(era->currentText(), q("令和"));

        // The progress rows are enabled in a chain.
        auto* first = dialog.findChildren<QCheckBox*>().at(1);
        QCOMPARE(first->text(), q("経過1"));
        auto* secondText = named<QLineEdit>(dialog, q("経過2の内容"));
        QVERIFY(!secondText->isEnabled());
        first->click();
        auto* second = dialog.findChildren<QCheckBox*>().at(2);
        QVERIFY(second->isEnabled());
        second->click();
        QVERIFY(secondText->isEnabled());
        first->click();
        QVERIFY(!second->isChecked());
        QVERIFY(!second->isEnabled());

        // Enter is 追加; a register that cannot be written keeps the input.
        auto* subject = named<QLineEdit>(dialog, q("件名"));
        typeInto(subject, q("会議の開催について"));
        QTest::keyClick(subject, Qt::Key_Return);
        QCOMPARE(saves, 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.statusLine()->isVisible());
        QCOMPARE(subject->text(), q("会議の開催について"));

        saveWorks = true;
        QTest::keyClick(subject, Qt::Key_Return);
        QCOMPARE(saves, 2);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.accepted().subjectText(), std::string("会議の開催について"));
    }

    void aDraftThatExistsIsOpenedAndTheEntryStored() {
        testing::DesktopFixture fixture;
        CSetteiKoumokuList departments = testing::departmentMaster();
        departments.SetPath(fixture.dataFolder + "Kamei.dat");
        QVERIFY(departments.SaveItems(fixture.prompt) == 1);
        fixture.writeVolumes({testing::sectionVolume("会議録")});
        fixture.doc.LoadAll();
        CBunshoKenMeiboData opened = testing::sectionEntry("5", "照会");
        opened.volumeYear = OleDateTime::fromDate(2008, 4, 1);
        opened.setVolumeTitle("会議録");
        const CShokiSetteiData& settings = fixture.document.m_settings.Current();
        BunshoKenMeiboForm form(
            opened, BunshoKenMeiboForm::Mode::change,
            {fixture.document.m_department, fixture.document.volumes().records(), 0, 0,
             pathFromUtf8(fixture.dataFolder)},
            fixture.prompt, fixture.clock);
        const auto target =
            form.draftTarget(1, pathFromUtf8(settings.m_strVolumeFile), "jtd", fixture.prompt);
        QVERIFY(target);
        std::filesystem::create_directories(target->path.parent_path());
        QVERIFY(writeWholeFile(target->path, "draft") == FileErrorCause::none);

        int stores = 0;
        const auto store = [&](CBunshoKenMeiboData&) { return ++stores > 0; };
        CDlgBunshoKenMeibo dialog(form, fixture.prompt,
                                  {store, pathFromUtf8(settings.m_strVolumeFile)});
        RegisterDrafts drafts(fixture.ports, fixture.document, form, &dialog);
        dialog.setDraftHandler([&drafts](int number) { return drafts.run(number); });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChildren<QCheckBox*>().at(1)->click();  // 経過1
        named<QPushButton>(dialog, q("経過1の起案"))->click();
        QCOMPARE(fixture.shell.opened.size(), size_t{1});
        QCOMPARE(stores, 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void theExtractionDialogEnablesByItsChecksAndRefusesOutOfRange() {
        FakePrompt prompt;
        const CSetteiKoumokuList departments = testing::departmentMaster();
        const RegisterCriteria criteria = RegisterCriteria::Initial(kNow, 1, 0, "0010010000");
        RegisterCriteriaForm form(criteria, departments, 1, 0);
        CDlgBunshoKenMeiboTyuushutu dialog(form, prompt);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* byCompleted = named<QCheckBox>(dialog, q("結了で抽出する"));
        QVERIFY(!byCompleted);  // checks carry their own text
        QCheckBox* completed = nullptr;
        QCheckBox* completedDate = nullptr;
        QCheckBox* subsection = nullptr;
        QCheckBox* byYear = nullptr;
        for (auto* check : dialog.findChildren<QCheckBox*>()) {
            if (check->text().startsWith(q("結了で"))) completed = check;
            if (check->text().startsWith(q("結了日で"))) completedDate = check;
            if (check->text().startsWith(q("係で"))) subsection = check;
            if (check->text().startsWith(q("年で"))) byYear = check;
        }
        QVERIFY(completed && completedDate && subsection && byYear);
        QVERIFY(subsection->isEnabled());
        QVERIFY(!completedDate->isEnabled());
        completed->click();
        QVERIFY(completedDate->isEnabled());
        completedDate->click();
        dialog.findChildren<QRadioButton*>().at(1)->click();  // 結了していない
        QVERIFY(!completedDate->isChecked());
        QVERIFY(!completedDate->isEnabled());

        // 1499 is no year to extract by: told, the dialog stays.
        auto* from = named<QSpinBox>(dialog, q("開始年 西暦年"));
        QVERIFY(from);
        from->setValue(1499);
        QTest::keyClick(from, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(prompt.messages.size(), size_t{1});
        from->setValue(2020);
        QTest::keyClick(from, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const RegisterCriteria gathered = form.gather();
        QCOMPARE(gathered.yearFrom, OleDateTime::fromDate(2020, 1, 1));
        QCOMPARE(gathered.notCompleted, 1);
        QCOMPARE(gathered.byCompleted, 1);
    }

    void theDraftDialogRelabelsItsClassesAndRefusesWithoutADrafter() {
        testing::TempFolder folder;
        FakePrompt prompt;
        testing::FakeShell shell;
        testing::FakeFileBrowser browser;
        testing::FixedClock clock{kNow};
        CShokiSetteiData settings;
        settings.m_strWordProcessorExt = "odt";
        KianForm form(prompt, shell, clock, settings, folder.path(), "draft.odt",
                      CSakuinMokurokuList::Cleared(kNow), CSakuinMokurokuHeader::Cleared(kNow));
        CDlgKian dialog(form, browser);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(dialog.classRadio(2)->text().startsWith(q("課長")));
        QVERIFY(!dialog.classRadio(3)->isEnabled());
        dialog.typeRadio(1)->click();
        QVERIFY(dialog.classRadio(2)->text().startsWith(q("教育長")));
        QVERIFY(dialog.classRadio(3)->isEnabled());

        // The reference file takes the browsed path once the check is set.
        auto* reference = named<QLineEdit>(dialog, q("ファイル名"));
        QVERIFY(!reference->isEnabled());
        dialog.findChild<QCheckBox*>()->click();
        QVERIFY(reference->isEnabled());
        browser.answers.push_back("/office/old.jtd");
        for (auto* button : dialog.findChildren<QPushButton*>()) {
            if (button->text().startsWith(q("参照"))) button->click();
        }
        QCOMPARE(reference->text(), q("/office/old.jtd"));

        // Without a post and a name OK is refused; the dialog stays.
        auto* aigi = named<QLineEdit>(dialog, q("合議1"));
        typeInto(aigi, q("財政課長"));
        QTest::keyClick(aigi, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(prompt.lastMessage(), std::string("入力データに誤りがあります"));
        typeInto(named<QComboBox>(dialog, q("職")), q("主事"));
        typeInto(named<QComboBox>(dialog, q("氏名")), q("山田太郎"));
        QTest::keyClick(aigi, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.input.aigi[0], std::string("財政課長"));
        QCOMPARE(form.input.kessaiShubetsu, 1);
    }

    void theApproverSettingsAddOnlyWhileALevelIsFree() {
        KessaiKubunTable table;
        KessaiKubunForm form(table, 0);
        CDlgKessaishaKubunSettei dialog(form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.list()->count(), 3);
        QVERIFY(!dialog.addButton()->isEnabled());
        dialog.list()->setCurrentRow(1);
        QCOMPARE(dialog.nameEdit()->text(), q("副町長"));
        dialog.deleteButton()->click();
        QCOMPARE(dialog.list()->count(), 2);
        QVERIFY(dialog.addButton()->isEnabled());
        dialog.nameEdit()->setText(q("教育長"));
        dialog.symbolEdit()->setText(q("Ｂ"));
        dialog.addButton()->click();
        QCOMPARE(dialog.list()->item(2)->text(), q("教育長,Ｂ"));
        QTest::keyClick(dialog.list(), Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(RegisterDialogsTest)
#include "register_dialogs_test.moc"
