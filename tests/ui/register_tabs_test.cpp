// The register tabs filled from the section's files: what each tab shows,
// when it reads its file again, its caption, the title order and the
// selection across refills.
#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>
#include <QUrl>

#include "catalogue/kanren_file.h"
#include "common/cp932.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/register_list_model.h"
#include "ui/desktop_fixture.h"
#include "volumes/hozon_nengen_henkousho_list.h"

using namespace bunrako;
using bunrako::testing::catalogueEntry;
using bunrako::testing::DesktopFixture;
using bunrako::testing::sectionEntry;
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

void selectOnly(CBunrakoView& view, RegisterTab tab, int row) {
    QTableView* list = view.list(tab);
    list->clearSelection();
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

CKanrenFileData relatedFile(const std::string& folder, const std::string& name) {
    CKanrenFileData file = CKanrenFileData::New(OleDateTime::fromDateTime(2008, 4, 3, 9, 30, 0));
    file.setFolderText(folder);
    file.setFileNameText(name);
    return file;
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
        m_fixture->writeRegister({sectionEntry("1", "照会"), sectionEntry("2", "回答")});
        m_view->selectTab(0);
        m_view->list(RegisterTab::volumes)->selectRow(0);
        QVERIFY(m_view->firstSelectedVolume(RegisterTab::volumes));
        m_fixture->writeCatalogue(
            *m_view->firstSelectedVolume(RegisterTab::volumes),
            {catalogueEntry("1", "第1回会議"), catalogueEntry("2", "第2回会議")});
        m_view->selectTab(5);
        QCOMPARE(m_view->rowCount(RegisterTab::indexCatalogue), 2);
        m_view->list(RegisterTab::indexCatalogue)->selectRow(1);
        m_view->selectTab(6);
        m_view->addRelatedFiles(
            {QUrl::fromLocalFile(QString::fromStdString(m_fixture->dataFolder + "a.pdf"))});
        QCOMPARE(m_view->rowCount(RegisterTab::relatedFiles), 1);
        m_fixture->writeVolumes({"会議録"});
        m_view->selectTab(2);
        QCOMPARE(m_view->rowCount(RegisterTab::permanent), 1);
        m_view->selectTab(6);
        QCOMPARE(m_view->rowCount(RegisterTab::relatedFiles), 1);
    }

    void theRegisterShowsTheSectionsDocumentsOfTheYear() {
        CBunshoKenMeiboData other = sectionEntry("2", "予算要求について");
        other.setSectionCode("0020010000");
        CBunshoKenMeiboData older = sectionEntry("3", "前年度の照会");
        older.registerYear = OleDateTime::fromDate(2007, 4, 1);
        m_fixture->writeRegister({sectionEntry("1", "文書管理規程の改正について"), other, older});
        m_view->selectTab(0);
        QCOMPARE(m_view->rowCount(RegisterTab::titleRegister), 1);
        QCOMPARE(cell(*m_view, RegisterTab::titleRegister, 0, 0), QStringLiteral("H20.4.2"));
        QCOMPARE(cell(*m_view, RegisterTab::titleRegister, 0, 1), QStringLiteral("1"));
        QCOMPARE(cell(*m_view, RegisterTab::titleRegister, 0, 2),
                 QStringLiteral("文書管理規程の改正について"));
        QCOMPARE(m_view->captionLineText(), QStringLiteral("平成20年度　文書件名簿"));
    }

    void theIndexCatalogueShowsTheSelectedVolumesDocuments() {
        m_fixture->writeVolumes({"会議録", "例規集"});
        const auto volumes = m_fixture->storedVolumes();
        for (const CDocMasterData& volume : volumes) {
            if (volume.title() == "会議録") {
                m_fixture->writeCatalogue(
                    volume, {catalogueEntry("1", "第1回会議"), catalogueEntry("2", "第2回会議")});
            } else {
                m_fixture->writeCatalogue(volume, {catalogueEntry("7", "例規改正")});
            }
        }
        m_view->selectTab(1);
        const int minutes = static_cast<int>(
            titles(*m_view, RegisterTab::volumes).indexOf(QStringLiteral("会議録")));
        selectOnly(*m_view, RegisterTab::volumes, minutes);
        m_view->selectTab(5);
        QCOMPARE(m_view->currentTab(), 5);
        QCOMPARE(m_view->rowCount(RegisterTab::indexCatalogue), 2);
        QCOMPARE(cell(*m_view, RegisterTab::indexCatalogue, 1, 2), QStringLiteral("第2回会議"));
        QVERIFY(m_view->captionLineText().startsWith(QStringLiteral("平成20年度（")));
        QVERIFY(m_view->captionLineText().endsWith(QStringLiteral("会議録　　総務課　庶務係")));

        m_view->selectTab(1);
        selectOnly(*m_view, RegisterTab::volumes, 1 - minutes);
        m_view->selectTab(5);
        QCOMPARE(m_view->rowCount(RegisterTab::indexCatalogue), 1);
        QCOMPARE(cell(*m_view, RegisterTab::indexCatalogue, 0, 2), QStringLiteral("例規改正"));
    }

    void relatedFilesOfAnIndexEntryOpenAndShowTheirFolder() {
        m_fixture->writeVolumes({"会議録"});
        const CDocMasterData volume = m_fixture->storedVolumes()[0];
        m_fixture->writeCatalogue(volume, {catalogueEntry("1", "第1回会議")});
        const std::string folder = m_fixture->dataFolder + "scan/";
        const std::filesystem::path listFile = CKanrenFile::PathForCatalogueEntry(
            CDocMasterList(pathFromUtf8(m_fixture->dataFolder + "DocMaster.dat"), m_fixture->prompt)
                    .catalogueFolder(volume) /
                "SakuinMokuroku.dat",
            "第1回会議");
        CKanrenFile list(m_fixture->prompt, listFile);
        QCOMPARE(list.AddOrUpdate(relatedFile(folder, "議事録.pdf")), 1);

        m_view->selectTab(1);
        selectOnly(*m_view, RegisterTab::volumes, 0);
        m_view->selectTab(5);
        selectOnly(*m_view, RegisterTab::indexCatalogue, 0);
        m_view->selectTab(6);
        QCOMPARE(m_view->currentTab(), 6);
        QCOMPARE(m_view->rowCount(RegisterTab::relatedFiles), 1);
        QCOMPARE(cell(*m_view, RegisterTab::relatedFiles, 0, 0), QStringLiteral("議事録.pdf"));
        QCOMPARE(cell(*m_view, RegisterTab::relatedFiles, 0, 3),
                 QStringLiteral("2008/04/03 09:30:00"));
        QCOMPARE(m_view->captionLineText(), QStringLiteral("第1回会議　関連ファイル"));

        // Double-click opens the file; right-click shows its folder.
        m_view->show();
        selectOnly(*m_view, RegisterTab::relatedFiles, 0);
        QTableView* files = m_view->list(RegisterTab::relatedFiles);
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {},
                           files->visualRect(files->model()->index(0, 0)).center());
        QCOMPARE(m_fixture->shell.opened.size(), size_t{1});
        QCOMPARE(m_fixture->shell.opened[0].path, folder + "議事録.pdf");
        CShokiSetteiData& settings = m_fixture->document.m_settings.Current();
        settings.m_bUseFileManager = 1;
        settings.m_strFileManagerExe = "fm";
        emit files->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(m_fixture->shell.started.size(), size_t{1});
        QCOMPARE(m_fixture->shell.started[0].commandLine, "fm \"" + folder + "\"");
    }

    void relatedFilesOfARegisterDocumentLieWithItsVolume() {
        m_fixture->writeVolumes({"会議録"});
        const CDocMasterData volume = m_fixture->storedVolumes()[0];
        CBunshoKenMeiboData filed = sectionEntry("1", "照会");
        filed.setVolumeNumber(volume.kanriBangou());
        CBunshoKenMeiboData loose = sectionEntry("2", "回答");
        loose.setVolumeNumber("0000000000000000000");
        m_fixture->writeRegister({filed, loose});
        CKanrenFile list(
            m_fixture->prompt,
            CKanrenFile::PathForRegisterDocument(
                pathFromUtf8(m_fixture->dataFolder + "DocMaster.dat"), volume, "照会"));
        QVERIFY(std::filesystem::create_directories(list.filePath().parent_path()) ||
                std::filesystem::exists(list.filePath().parent_path()));
        QCOMPARE(list.AddOrUpdate(relatedFile(m_fixture->dataFolder, "回答案.odt")), 1);

        m_view->selectTab(0);
        selectOnly(*m_view, RegisterTab::titleRegister, 0);
        m_view->selectTab(6);
        QCOMPARE(m_view->rowCount(RegisterTab::relatedFiles), 1);
        QCOMPARE(cell(*m_view, RegisterTab::relatedFiles, 0, 0), QStringLiteral("回答案.odt"));

        // A document whose volume is not in the volume file has no list.
        m_view->selectTab(0);
        selectOnly(*m_view, RegisterTab::titleRegister, 1);
        m_view->selectTab(6);
        QCOMPARE(m_view->currentTab(), 6);
        QCOMPARE(m_view->rowCount(RegisterTab::relatedFiles), 0);
        QCOMPARE(m_view->captionLineText(), QStringLiteral("回答　関連ファイル"));
        QVERIFY(m_fixture->prompt.messages.empty());
    }

    void droppedFilesBecomeRelatedFilesOfTheDocument() {
        m_fixture->writeVolumes({"会議録"});
        m_fixture->writeCatalogue(m_fixture->storedVolumes()[0],
                                  {catalogueEntry("1", "第1回会議")});
        m_view->selectTab(1);
        selectOnly(*m_view, RegisterTab::volumes, 0);
        m_view->selectTab(5);
        selectOnly(*m_view, RegisterTab::indexCatalogue, 0);
        m_view->selectTab(6);
        QCOMPARE(m_view->rowCount(RegisterTab::relatedFiles), 0);

        m_view->addRelatedFiles(
            {QUrl::fromLocalFile(QString::fromStdString(m_fixture->dataFolder + "a.pdf")),
             QUrl::fromLocalFile(QString::fromStdString(m_fixture->dataFolder + "b.xls")),
             QUrl(QStringLiteral("https://example.org/c.pdf"))});
        QCOMPARE(m_view->rowCount(RegisterTab::relatedFiles), 2);
        QStringList names;
        for (int row = 0; row < 2; ++row) names << cell(*m_view, RegisterTab::relatedFiles, row, 0);
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("a.pdf"), QStringLiteral("b.xls")}));
        QCOMPARE(cell(*m_view, RegisterTab::relatedFiles, 0, 4),
                 QString::fromStdString(m_fixture->dataFolder));
    }

  private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CBunrakoView> m_view;
};

QTEST_MAIN(RegisterTabsTest)
#include "register_tabs_test.moc"
