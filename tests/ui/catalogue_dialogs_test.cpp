// The index catalogue's dialogs driven through their widgets, and the
// catalogue tab's commands through the view. Their rules are the forms'.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "catalogue/catalogue_criteria_form.h"
#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/sakuin_mokuroku_form.h"
#include "catalogue/ui/sakuin_mokuroku_dialog.h"
#include "catalogue/ui/sakuinmokuroku_tyuushutu_dialog.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/record_list_model.h"
#include "register/draft_file.h"
#include "support/fake_prompt.h"
#include "ui/desktop_fixture.h"
#include "ui/dialog_closer.h"
#include "ui/typing.h"
#include "volumes/volume_folders.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

template <class Widget>
Widget* named(QWidget& dialog, const QString& name) {
    for (auto* widget : dialog.findChildren<Widget*>()) {
        if (widget->accessibleName() == name) return widget;
    }
    return nullptr;
}

QCheckBox* checkBox(QWidget& dialog, const QString& text) {
    for (auto* box : dialog.findChildren<QCheckBox*>()) {
        if (box->text() == text) return box;
    }
    return nullptr;
}

// The name a control is known by: its accessible name, else its caption.
QString shownName(QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) return widget->accessibleName();
    const auto* button = qobject_cast<QAbstractButton*>(widget);
    return button ? button->text() : QString();
}

void typeInto(QWidget* widget, const QString& text) {
    widget->setFocus();
    testing::typeText(widget, text);
}

CSakuinMokurokuHeader header2008() {
    CSakuinMokurokuHeader header =
        CSakuinMokurokuHeader::Cleared(OleDateTime::fromDate(2008, 5, 1));
    header.CopyVolumeFields(testing::sectionVolume("会議録"));
    return header;
}

void selectRow(CBunrakoView& view, RegisterTab tab, int row) {
    QTableView* list = view.list(tab);
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

std::vector<std::string> subjectsShown(CBunrakoView& view) {
    const auto* model = dynamic_cast<const RecordListModel<CSakuinMokurokuList>*>(
        view.listModel(RegisterTab::indexCatalogue));
    std::vector<std::string> subjects;
    for (const auto& entry : model->records()) subjects.push_back(entry.subjectText());
    return subjects;
}

}  // namespace

class CatalogueDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void theEntryDialogIsTypedThroughAndKeepsInputWhenTheSaveFails() {
        testing::FakePrompt prompt;
        SakuinMokurokuForm form(CSakuinMokurokuList::Cleared(OleDateTime::fromDate(2008, 5, 1)),
                                header2008(), SakuinMokurokuForm::Mode::add,
                                {0, 0, "/office/総務/索引目録データ"}, {});
        bool saveWorks = false;
        std::vector<CSakuinMokurokuList> saved;
        const auto store = [&](const CSakuinMokurokuList& entry) {
            saved.push_back(entry);
            return saveWorks;
        };
        CDlgSakuinMokuroku dialog(form, prompt, store);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), q("索引目録"));
        QCOMPARE(dialog.okButton()->text(), q("登録(&O)"));
        QCOMPARE(named<QLineEdit>(dialog, q("簿冊名"))->text(), q("会議録"));
        QCOMPARE(named<QLineEdit>(dialog, q("年度"))->text(), q("平成20年度"));

        // Tab walks down the form from the reception date, part by part.
        auto* era = named<QComboBox>(dialog, q("受付日 元号"));
        QCOMPARE(QApplication::focusWidget(), era);
        QStringList walked;
        for (int step = 0; step < 9; ++step) {
            walked << shownName(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, (QStringList{q("受付日 元号"), q("受付日 年"), q("受付日 月"),
                                      q("受付日 日"), q("起案(&D)"), q("文書番号"),
                                      q("文書件名簿と連携する(&L)"), q("件名"), q("備考")}));

        // The era combo takes the era's first letter.
        QTest::keyClick(era, Qt::Key_S);
        QCOMPARE(era->currentText(), q("昭和"));
        QTest::keyClick(era, Qt::Key_H);
        QCOMPARE(era->currentText(), q("平成"));

        // A progress row's fields follow its check.
        auto* note = named<QLineEdit>(dialog, q("経過1の内容"));
        QVERIFY(!note->isEnabled());
        checkBox(dialog, q("経過1"))->click();
        QVERIFY(note->isEnabled());
        typeInto(note, q("回覧"));

        auto* subject = named<QLineEdit>(dialog, q("件名"));
        typeInto(subject, q("例規の改正について"));
        // Enter is 登録: a catalogue that cannot be written keeps the input.
        QTest::keyClick(subject, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(saved.size(), size_t{1});
        QVERIFY(dialog.statusLine()->isVisible());
        QVERIFY(dialog.statusLine()->text().contains(q("/office/総務/索引目録データ")));
        QCOMPARE(subject->text(), q("例規の改正について"));
        QCOMPARE(saved[0].progressTextText(0), std::string("回覧"));
        QCOMPARE(saved[0].receivedDate, OleDateTime::fromDate(2008, 5, 1));

        saveWorks = true;
        QTest::keyClick(subject, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(saved.back().subjectText(), std::string("例規の改正について"));
    }

    void escapeCancelsTheEntryDialog() {
        testing::FakePrompt prompt;
        SakuinMokurokuForm form(testing::catalogueEntry("3", "照会"), header2008(),
                                SakuinMokurokuForm::Mode::remove, {0, 0, {}}, {});
        int saves = 0;
        CDlgSakuinMokuroku dialog(form, prompt, [&](const CSakuinMokurokuList&) {
            ++saves;
            return true;
        });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(!named<QLineEdit>(dialog, q("件名"))->isEnabled());
        QCOMPARE(dialog.okButton()->text(), q("削除(&O)"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(saves, 0);
    }

    void theExtractionDialogTakesTheCriteria() {
        testing::FakePrompt prompt;
        CatalogueCriteriaForm form(
            CSakuinMokurokuFilter::Initial(OleDateTime::fromDate(2008, 5, 1), 0), 0);
        CDlgSakuinmokurokuTyuushutu dialog(form, prompt);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), q("索引目録の抽出"));
        auto* word = named<QLineEdit>(dialog, q("文書名に含まれる単語で抽出する"));
        QVERIFY(!word->isEnabled());
        checkBox(dialog, q("文書名に含まれる単語で抽出する(&W)"))->click();
        QVERIFY(word->isEnabled());
        typeInto(word, q("会議"));
        auto* byDate = checkBox(dialog, q("受付日で抽出する(&U)"));
        byDate->click();
        auto* toDay = named<QSpinBox>(dialog, q("受付日 終わり 日"));
        toDay->setValue(0);
        QTest::keyClick(word, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(prompt.lastMessage(), std::string("入力データに誤りがあります"));
        toDay->setValue(31);
        QTest::keyClick(word, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        const CSakuinMokurokuFilter criteria = form.gather();
        QCOMPARE(criteria.byWord, 1);
        QCOMPARE(criteria.word, std::string("会議"));
        QCOMPARE(criteria.byDate, 1);
        QCOMPARE(criteria.dateTo, OleDateTime::fromDate(2008, 5, 31));
    }

    void theTabsCommandsStoreAndReloadOnce() {
        DesktopFixture fixture;
        CBunrakoView view(fixture.ports, fixture.document);
        view.OnInitialUpdate();
        fixture.writeVolumes({"会議録"});
        const CDocMasterData volume = fixture.storedVolumes().at(0);
        fixture.writeCatalogue(volume, {testing::catalogueEntry("1", "第1回会議"),
                                        testing::catalogueEntry("2", "第2回会議")});
        view.selectTab(tabIndex(RegisterTab::volumes));
        selectRow(view, RegisterTab::volumes, 0);
        view.selectTab(tabIndex(RegisterTab::indexCatalogue));
        QCOMPARE(view.rowCount(RegisterTab::indexCatalogue), 2);

        selectRow(view, RegisterTab::indexCatalogue, 1);
        // 登録: the dialog stores the entry (received today, 1 April) and the
        // list shows it in its place.
        {
            testing::DialogCloser closer([](QDialog& dialog) {
                typeInto(named<QLineEdit>(dialog, q("件名")), q("第3回会議"));
                QTest::keyClick(named<QLineEdit>(dialog, q("件名")), Qt::Key_Return);
            });
            view.runCommand(CommandId::indexAdd);
        }
        QCOMPARE(subjectsShown(view),
                 (std::vector<std::string>{"第3回会議", "第1回会議", "第2回会議"}));

        // The entry chosen before stays chosen.
        QCOMPARE(view.selectedCount(RegisterTab::indexCatalogue), 1);
        QVERIFY(view.list(RegisterTab::indexCatalogue)->selectionModel()->isRowSelected(2));
        view.list(RegisterTab::indexCatalogue)->clearSelection();
        // 変更 with 変更前のデータを削除する: one entry stays, after the others
        // of its day.
        selectRow(view, RegisterTab::indexCatalogue, 1);
        {
            testing::DialogCloser closer([](QDialog& dialog) {
                auto* subject = named<QLineEdit>(dialog, q("件名"));
                typeInto(subject, q("（延期）"));
                QTest::keyClick(subject, Qt::Key_Return);
            });
            view.runCommand(CommandId::indexChange);
        }
        QCOMPARE(subjectsShown(view),
                 (std::vector<std::string>{"第3回会議", "第2回会議", "第1回会議（延期）"}));

        // 抽出: the list keeps the entries with the word.
        {
            testing::DialogCloser closer([](QDialog& dialog) {
                checkBox(dialog, q("文書名に含まれる単語で抽出する(&W)"))->click();
                auto* word = named<QLineEdit>(dialog, q("文書名に含まれる単語で抽出する"));
                typeInto(word, q("延期"));
                QTest::keyClick(word, Qt::Key_Return);
            });
            view.runCommand(CommandId::indexExtract);
        }
        QCOMPARE(subjectsShown(view), (std::vector<std::string>{"第1回会議（延期）"}));

        // データ連携 writes the three files of the entries shown.
        view.runCommand(CommandId::indexLink);
        for (const char* file :
             {"SakuinMokuroku.csv", "SakuinIkkatu.csv", "SakuinIkkatuWord.csv"}) {
            QVERIFY2(QFile::exists(QString::fromStdString(fixture.dataFolder) + q(file)), file);
        }

        // 削除 asks; yes removes the entry.
        selectRow(view, RegisterTab::indexCatalogue, 0);
        fixture.prompt.answers = {Answer::yes};
        {
            testing::DialogCloser closer(
                [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
            view.runCommand(CommandId::indexDelete);
        }
        QCOMPARE(view.rowCount(RegisterTab::indexCatalogue), 0);
        CSakuinMokuroku catalogue(fixture.prompt, fixture.clock);
        catalogue.setVolume(&volume);
        catalogue.OpenForVolume(pathFromUtf8(fixture.dataFolder + "DocMaster.dat"));
        catalogue.Load();
        QCOMPARE(catalogue.entries().size(), size_t{2});
    }

    void aCatalogueThatCannotBeWrittenKeepsTheDialogAndItsInput() {
        DesktopFixture fixture;
        CBunrakoView view(fixture.ports, fixture.document);
        view.OnInitialUpdate();
        fixture.writeVolumes({"会議録"});
        const CDocMasterData volume = fixture.storedVolumes().at(0);
        // A folder where the catalogue file should be: nothing can write it.
        const std::filesystem::path folder =
            volumeCatalogueFolder(pathFromUtf8(fixture.dataFolder + "DocMaster.dat"), volume);
        std::filesystem::create_directories(folder / "SakuinMokuroku.dat");
        view.selectTab(tabIndex(RegisterTab::volumes));
        selectRow(view, RegisterTab::volumes, 0);
        view.selectTab(tabIndex(RegisterTab::indexCatalogue));
        QString status;
        QString kept;
        {
            testing::DialogCloser closer([&](QDialog& dialog) {
                auto* subject = named<QLineEdit>(dialog, q("件名"));
                typeInto(subject, q("第1回会議"));
                QTest::keyClick(subject, Qt::Key_Return);
                for (auto* label : dialog.findChildren<QLabel*>()) {
                    if (label->isVisible() && label->wordWrap()) status = label->text();
                }
                kept = subject->text();
                // The folder made writable again, OK stores what was typed.
                std::filesystem::remove(folder / "SakuinMokuroku.dat");
                QTest::keyClick(subject, Qt::Key_Return);
            });
            view.runCommand(CommandId::indexAdd);
        }
        QVERIFY(status.contains(QString::fromStdString(pathToUtf8(folder))));
        QCOMPARE(kept, q("第1回会議"));
        // The clerk was offered to try the file again, and gave up.
        QCOMPARE(fixture.prompt.retries.size(), size_t{1});
        QVERIFY(fixture.prompt.retries[0].find("SakuinMokuroku.dat") != std::string::npos);
        QCOMPARE(subjectsShown(view), (std::vector<std::string>{"第1回会議"}));
    }

    void aDraftThatExistsIsOpenedAndTheEntryStored() {
        DesktopFixture fixture;
        CBunrakoView view(fixture.ports, fixture.document);
        view.OnInitialUpdate();
        fixture.writeVolumes({"会議録"});
        const CDocMasterData volume = fixture.storedVolumes().at(0);
        fixture.writeCatalogue(volume, {testing::catalogueEntry("1", "第1回会議")});
        const std::filesystem::path draft = draftFilePath(
            pathFromUtf8(fixture.dataFolder + "DocMaster.dat"), volume, "第1回会議改", 0, "jtd");
        std::filesystem::create_directories(draft.parent_path());
        QFile(QString::fromStdString(pathToUtf8(draft))).open(QIODevice::WriteOnly);
        view.selectTab(tabIndex(RegisterTab::volumes));
        selectRow(view, RegisterTab::volumes, 0);
        view.selectTab(tabIndex(RegisterTab::indexCatalogue));
        selectRow(view, RegisterTab::indexCatalogue, 0);
        {
            testing::DialogCloser closer([](QDialog& dialog) {
                typeInto(named<QLineEdit>(dialog, q("件名")), q("改"));
                for (auto* button : dialog.findChildren<QPushButton*>()) {
                    if (button->text() == q("起案(&D)")) button->click();
                }
            });
            view.runCommand(CommandId::indexChange);
        }
        QCOMPARE(fixture.shell.opened.size(), size_t{1});
        QVERIFY(fixture.shell.opened[0].path.find("起案_第1回会議改_000.jtd") != std::string::npos);
        QCOMPARE(subjectsShown(view), (std::vector<std::string>{"第1回会議改"}));
    }

    void batchPrintingWritesTheSelectedVolumesCatalogues() {
        DesktopFixture fixture;
        CBunrakoView view(fixture.ports, fixture.document);
        view.OnInitialUpdate();
        fixture.writeVolumes({"会議録", "例規集"});
        view.selectTab(tabIndex(RegisterTab::volumes));
        selectRow(view, RegisterTab::volumes, 0);
        selectRow(view, RegisterTab::volumes, 1);
        view.runCommand(CommandId::indexBatchPrint);
        QFile batch(QString::fromStdString(fixture.dataFolder) + q("SakuinIkkatu.csv"));
        QVERIFY(batch.open(QIODevice::ReadOnly));
        QCOMPARE(batch.readAll().count("\r\n"), 2);
    }
};

QTEST_MAIN(CatalogueDialogsTest)
#include "catalogue_dialogs_test.moc"
