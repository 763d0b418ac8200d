// The register tabs filled from the section's files: what each tab shows,
// when it reads its file again, its caption, the title order and the
// selection across refills.
#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>

#include "app/ui/bunrako_view.h"
#include "app/ui/register_list_model.h"
#include "common/cp932.h"
#include "ui/desktop_fixture.h"
#include "volumes/hozon_nengen_henkousho_list.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;
using bunrako::testing::sectionVolume;

namespace {

constexpr int kTitleColumn = 6;

QString cell(const CBunrakoView& view, RegisterTab tab, int row, int column) {
    const RegisterListModel* model = view.listModel(tab);
    return model->data(model->index(row, column)).toString();
}

QStringList titles(const CBunrakoView& view, RegisterTab tab) {
    QStringList out;
    for (int row = 0; row < view.rowCount(tab); ++row) {
        out << cell(view, tab, row, kTitleColumn);
    }
    return out;
}

CDocMasterData volumeOf(const char* title, const char* department) {
    CDocMasterData volume = sectionVolume(title);
    volume.setKaMei(department);
    return volume;
}

CHozonNengenHenkoushoData sectionForm(const char* title) {
    CHozonNengenHenkoushoData form =
        CHozonNengenHenkoushoData::newForm(OleDateTime::fromDate(2008, 4, 1), 0);
    writeFixedText(form.HenkouKaMei, "総務課");
    writeFixedText(form.HenkouKakariMei, "庶務係");
    form.setTitle(title);
    form.setMaeShubetu("10年");
    form.setGoShubetu("永年");
    form.setRiyuu("歴史的価値が高いため");
    return form;
}

}  // namespace

class RegisterTabsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_fixture = std::make_unique<DesktopFixture>();
        m_view = std::make_unique<CBunrakoView>(m_fixture->ports, m_fixture->document);
        m_view->resize(1000, 600);
        m_view->OnInitialUpdate();
    }
    void cleanup() {
        m_view.reset();
        m_fixture.reset();
    }

    void theVolumeListShowsTheSectionsVolumesOfTheYear() {
        CDocMasterData older = sectionVolume("旧会議録");
        older.SakuseiNendo = OleDateTime::fromDate(2007, 4, 1);
        m_fixture->writeVolumes({sectionVolume("会議録"), volumeOf("予算書", "財政課"), older,
                                 sectionVolume("例規集")});
        m_view->selectTab(1);
        QCOMPARE(titles(*m_view, RegisterTab::volumes),
                 (QStringList{QStringLiteral("会議録"), QStringLiteral("例規集")}));
        QCOMPARE(cell(*m_view, RegisterTab::volumes, 0, 0), QStringLiteral("総務課"));
        QCOMPARE(cell(*m_view, RegisterTab::volumes, 0, 2), QStringLiteral(" 1総務"));
        QCOMPARE(cell(*m_view, RegisterTab::volumes, 0, 8), QStringLiteral("H20"));
        QCOMPARE(m_view->captionLineText(), QStringLiteral("平成20年度　文書整理一覧表"));
        QVERIFY(m_fixture->prompt.messages.empty());
    }

    void eachSwitchReadsTheFileAgain() {
        QCOMPARE(m_view->rowCount(RegisterTab::volumes), 0);
        // Another workstation stores volumes meanwhile.
        m_fixture->writeVolumes({"会議録", "例規集"});
        QCOMPARE(m_view->rowCount(RegisterTab::volumes), 0);
        m_view->selectTab(2);
        QCOMPARE(m_view->rowCount(RegisterTab::permanent), 2);
        QCOMPARE(m_view->listModel(RegisterTab::permanent)->columnCount(), 19);
        m_view->selectTab(1);
        QCOMPARE(m_view->rowCount(RegisterTab::volumes), 2);
    }

    void theDisposedListReadsItsOwnFile() {
        m_fixture->writeVolumes({"会議録"});
        m_fixture->writeVolumes({sectionVolume("廃棄済み会議録")}, "HaikiDoc.dat");
        m_view->selectTab(3);
        QCOMPARE(titles(*m_view, RegisterTab::disposed),
                 QStringList{QStringLiteral("廃棄済み会議録")});
        QCOMPARE(m_view->captionLineText(), QStringLiteral("平成20年度　廃棄簿冊名一覧表"));
    }

    void theChangeFormsShowTheirRowsAndCaption() {
        CHozonNengenHenkoushoList forms(m_fixture->prompt,
                                        pathFromUtf8(m_fixture->dataFolder + "Minaosi.dat"));
        forms.forms() = {sectionForm("会議録"), sectionForm("例規集")};
        QCOMPARE(forms.Write(), 1);
        m_view->selectTab(4);
        QCOMPARE(m_view->rowCount(RegisterTab::retentionChange), 2);
        QCOMPARE(cell(*m_view, RegisterTab::retentionChange, 1, kTitleColumn),
                 QStringLiteral("例規集"));
        QCOMPARE(cell(*m_view, RegisterTab::retentionChange, 0, 11),
                 QStringLiteral("歴史的価値が高いため"));
        QCOMPARE(m_view->captionLineText(), QStringLiteral("平成20年度　保存年限変更書"));
    }

    void westernYearsShowInCaptionsAndCells() {
        m_fixture->writeVolumes({"会議録"});
        m_fixture->document.m_settings.Current().m_nCalendarMode = 1;
        m_fixture->doc.LoadAll();
        m_view->OnDocumentLoaded();
        QCOMPARE(m_view->captionLineText(), QStringLiteral("2008年度　文書整理一覧表"));
        QCOMPARE(cell(*m_view, RegisterTab::volumes, 0, 8), QStringLiteral("2008"));
    }

    void aSettingsChangeShowsTheVolumeListAgain() {
        m_view->selectTab(3);
        m_fixture->writeVolumes({"会議録"});
        m_fixture->doc.LoadAll();
        m_view->OnDocumentLoaded();
        QCOMPARE(m_view->currentTab(), 1);
        QCOMPARE(m_view->rowCount(RegisterTab::volumes), 1);
    }

    void titleOrderSortsTheVolumeListAndKeepsTheSelection() {
        m_fixture->writeVolumes({"予算書", "会議録", "例規集"});
        m_view->selectTab(1);
        const QStringList fileOrder = titles(*m_view, RegisterTab::volumes);
        const int budget = static_cast<int>(fileOrder.indexOf(QStringLiteral("予算書")));
        m_view->list(RegisterTab::volumes)->selectRow(budget);

        m_view->runCommand(CommandId::volumeTitleOrder);
        QCOMPARE(titles(*m_view, RegisterTab::volumes),
                 (QStringList{QStringLiteral("会議録"), QStringLiteral("予算書"),
                              QStringLiteral("例規集")}));
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 1);
        QCOMPARE(m_view->firstSelectedVolume(RegisterTab::volumes)->title(), std::string("予算書"));

        m_view->runCommand(CommandId::volumeTitleOrder);
        QCOMPARE(titles(*m_view, RegisterTab::volumes), fileOrder);
        QCOMPARE(m_view->firstSelectedVolume(RegisterTab::volumes)->title(), std::string("予算書"));
    }

    void theSelectionSurvivesARefillWithNewRows() {
        m_fixture->writeVolumes({"会議録", "例規集"});
        m_view->selectTab(1);
        m_view->list(RegisterTab::volumes)->selectRow(1);
        const std::string chosen = m_view->firstSelectedVolume(RegisterTab::volumes)->title();
        m_fixture->writeVolumes({"会議録", "例規集", "予算書", "議事録"});
        m_view->selectTab(2);
        m_view->selectTab(1);
        QCOMPARE(m_view->rowCount(RegisterTab::volumes), 4);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 1);
        QCOMPARE(m_view->firstSelectedVolume(RegisterTab::volumes)->title(), chosen);
    }

    void aVolumeGoneFromTheFileLeavesNoSelection() {
        m_fixture->writeVolumes({"会議録", "例規集"});
        m_view->selectTab(1);
        m_view->list(RegisterTab::volumes)->selectAll();
        m_fixture->writeVolumes(std::vector<CDocMasterData>{});
        m_view->selectTab(2);
        m_view->selectTab(1);
        QCOMPARE(m_view->rowCount(RegisterTab::volumes), 0);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 0);
        QVERIFY(!m_view->isCommandEnabled(CommandId::volumeLink));
    }

    void selectAllOnAThousandVolumes() {
        std::vector<CDocMasterData> volumes;
        for (int i = 0; i < 1000; ++i) {
            volumes.push_back(sectionVolume("会議録" + std::to_string(i)));
        }
        m_fixture->writeVolumes(volumes);
        m_view->selectTab(1);
        QCOMPARE(m_view->rowCount(RegisterTab::volumes), 1000);
        m_view->runCommand(CommandId::volumeSelectAll);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 1000);
        // Taking one row out: select-all selects everything again.
        QTableView* list = m_view->list(RegisterTab::volumes);
        list->selectionModel()->select(list->model()->index(500, 0),
                                       QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 999);
        m_view->runCommand(CommandId::volumeSelectAll);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 1000);
        m_view->runCommand(CommandId::volumeSelectAll);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 0);
    }

    void theListModelsKeepTheModelContract() {
        std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
        for (int tab = 0; tab < kRegisterTabCount; ++tab) {
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                m_view->listModel(static_cast<RegisterTab>(tab)),
                QAbstractItemModelTester::FailureReportingMode::QtTest));
        }
        m_fixture->writeVolumes({"会議録", "例規集", "予算書"});
        m_fixture->writeVolumes({sectionVolume("廃棄済み")}, "HaikiDoc.dat");
        for (const int tab : {1, 2, 3, 4, 1}) m_view->selectTab(tab);
        m_view->runCommand(CommandId::volumeTitleOrder);
        m_fixture->writeVolumes({"会議録"});
        m_view->selectTab(2);
        QCOMPARE(m_view->rowCount(RegisterTab::permanent), 1);
    }

  private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CBunrakoView> m_view;
};

QTEST_MAIN(RegisterTabsTest)
#include "register_tabs_test.moc"
