#include "volumes/ui/dlg_bunsho_seiri_nendo_kirikae.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "common/file_io.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/record_list_model.h"
#include "ui/desktop_fixture.h"
#include "ui/dialog_closer.h"
#include "ui/typing.h"
#include "volumes/texts.h"
#include "volumes/ui/era_combo_box.h"
#include "volumes/ui/year_input_edit.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;
using bunrako::testing::DialogCloser;

namespace {

template <class Widget>
Widget* child(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
}

void replaceText(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    testing::typeText(edit, text);
}

}  // namespace

// The year switch as the clerk runs it from the volume list: rows selected,
// 年度切替, the dialog filled from the keyboard, the list reloaded.
class DlgBunshoSeiriNendoKirikaeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CBunrakoView> m_view;

    int rowOf(const std::string& title) const {
        const auto* model = dynamic_cast<const RecordListModel<CDocMasterData>*>(
            m_view->listModel(RegisterTab::volumes));
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->record(row).title() == title) return row;
        }
        return -1;
    }
    void selectRow(int row) {
        QTableView* list = m_view->list(RegisterTab::volumes);
        list->selectionModel()->select(
            list->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    std::vector<CDocMasterData> copiesOf2009() {
        std::vector<CDocMasterData> copies;
        for (const CDocMasterData& volume : m_fixture->storedVolumes()) {
            if (volume.SakuseiNendo == OleDateTime::fromDate(2009, 4, 1)) copies.push_back(volume);
        }
        return copies;
    }

  private slots:
    void init() {
        m_fixture = std::make_unique<DesktopFixture>();
        m_fixture->writeImportMasters();
        m_fixture->writeVolumes(
            {testing::sectionVolume("例規集"), testing::sectionVolume("会議録")});
        m_fixture->document.LoadAll(m_fixture->prompt);
        m_view = std::make_unique<CBunrakoView>(m_fixture->ports, m_fixture->document);
        m_view->OnInitialUpdate();
        m_fixture->prompt.messages.clear();
    }
    void cleanup() {
        m_view.reset();
        m_fixture.reset();
    }

    void copiesTheSelectedVolumeIntoTheYearTyped() {
        selectRow(rowOf("会議録"));
        DialogCloser closer([](QDialog& dialog) {
            auto* year = child<YearInputEdit>(dialog, "year");
            // Opens on today's fiscal year (平成20年度) and the section's file.
            QCOMPARE(year->eraCombo()->currentText(), QStringLiteral("平成"));
            QCOMPARE(year->eraYearEdit()->text(), QStringLiteral("20"));
            QVERIFY(!child<QComboBox>(dialog, "department")->isEnabled());
            QVERIFY(child<QLineEdit>(dialog, "masterFile")
                        ->text()
                        .endsWith(QStringLiteral("DocMaster.dat")));
            replaceText(year->eraYearEdit(), QStringLiteral("21"));
            QTest::keyClick(year->eraYearEdit(), Qt::Key_Return);
            QVERIFY(!dialog.isVisible());
        });
        m_view->runCommand(CommandId::yearSwitch);
        QCOMPARE(closer.titles(), QStringList{QStringLiteral("文書整理一覧表の年度切替")});
        const auto copies = copiesOf2009();
        QCOMPARE(copies.size(), size_t{1});
        QCOMPARE(copies[0].title(), std::string("会議録"));
        QCOMPARE(copies[0].kaMei(), std::string("総務課"));
        QVERIFY(QString::fromStdString(m_fixture->prompt.lastMessage())
                    .startsWith(QStringLiteral("1冊を平成21年度の簿冊として「")));
        // Reloaded (the list keeps showing the year it was extracted for)
        // with the source still selected.
        QCOMPARE(m_fixture->storedVolumes().size(), size_t{3});
        QCOMPARE(m_view->rowCount(RegisterTab::volumes), 2);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 1);
        QVERIFY(
            m_view->list(RegisterTab::volumes)->selectionModel()->isRowSelected(rowOf("会議録")));
    }

    void reorganisationAssignsTheChosenSection() {
        selectRow(rowOf("例規集"));
        DialogCloser closer([](QDialog& dialog) {
            replaceText(child<YearInputEdit>(dialog, "year")->eraYearEdit(), QStringLiteral("21"));
            QTest::keyClick(child<QCheckBox>(dialog, "reorganise"), Qt::Key_Space);
            auto* department = child<QComboBox>(dialog, "department");
            QVERIFY(department->isEnabled());
            department->setCurrentIndex(department->findText(QStringLiteral("財政課")));
            QCOMPARE(child<QComboBox>(dialog, "section")->currentText(), QStringLiteral("財政係"));
            QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        m_view->runCommand(CommandId::yearSwitch);
        const auto copies = copiesOf2009();
        QCOMPARE(copies.size(), size_t{1});
        QCOMPARE(copies[0].kakariMei(), std::string("財政係"));
        QCOMPARE(copies[0].kaBunruiCode(), std::string("0020010000"));
    }

    void aRefusedFileKeepsWhatWasEntered() {
        selectRow(rowOf("例規集"));
        const std::string chosen = m_fixture->dataFolder + "H21.dat";
        m_fixture->fileBrowser.answers = {chosen};
        DialogCloser closer([this, chosen](QDialog& dialog) {
            auto* file = child<QLineEdit>(dialog, "masterFile");
            replaceText(file, QStringLiteral("一覧.csv"));
            QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QCOMPARE(file->text(), QStringLiteral("一覧.csv"));
            QVERIFY(m_fixture->prompt.lastMessage().find("一覧.csv") != std::string::npos);
            QTest::mouseClick(child<QPushButton>(dialog, "browse"), Qt::LeftButton);
            QCOMPARE(m_fixture->fileBrowser.browsed.back().filter,
                     std::string(volumes::texts::kYearSwitchFilter));
            QCOMPARE(file->text(), QString::fromStdString(chosen));
            QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        });
        m_view->runCommand(CommandId::yearSwitch);
        CDocMasterList list(pathFromUtf8(chosen), m_fixture->prompt);
        list.Read();
        QCOMPARE(list.records().size(), size_t{1});
        QCOMPARE(m_fixture->storedVolumes().size(), size_t{2});
    }
};

QTEST_MAIN(DlgBunshoSeiriNendoKirikaeTest)
#include "dlg_bunsho_seiri_nendo_kirikae_test.moc"
