#include "volumes/ui/volume_tab_commands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "common/cp932.h"
#include "common/file_io.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/record_list_model.h"
#include "settings/settei_koumoku_list.h"
#include "support/import_masters.h"
#include "ui/desktop_fixture.h"
#include "ui/dialog_closer.h"
#include "ui/typing.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/ui/year_input_edit.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;
using bunrako::testing::DialogCloser;
namespace masters = bunrako::testing::import_masters;

namespace {

// A volume of the section in fiscal 2008, classified as the masters have it.
CDocMasterData classifiedVolume(const std::string& title) {
    CDocMasterData volume = testing::sectionVolume(title);
    volume.setDaiBunruiMei("文書");
    volume.setChuuBunruiMei("例規");
    volume.setShouBunruiMei("条例");
    volume.setHozonShubetuMei("10年");
    return volume;
}

// A change form of the section for a volume of fiscal 2008.
CHozonNengenHenkoushoData sectionForm(const std::string& title) {
    CHozonNengenHenkoushoData form =
        CHozonNengenHenkoushoData::newForm(OleDateTime::fromDate(2008, 4, 1), 0);
    writeFixedText(form.HenkouKaMei, "総務課");
    writeFixedText(form.HenkouKakariMei, "庶務係");
    form.setTitle(title);
    form.setMaeShubetu("10年");
    form.setGoShubetu("永年");
    form.setRiyuu("歴史的資料");
    return form;
}

void writeMaster(const std::string& path, const CSetteiKoumokuList& master) {
    writeWholeFile(pathFromUtf8(path), SetteiKoumokuFileBytes(master.Items()));
}

std::string readWholeFileOr(const std::string& path) {
    std::string bytes;
    readWholeFile(pathFromUtf8(path), bytes);
    return bytes;
}

template <class Widget>
Widget* child(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
}

}  // namespace

class VolumeTabCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CBunrakoView> m_view;

    QStringList titlesShown(RegisterTab tab = RegisterTab::volumes) const {
        const auto* model =
            dynamic_cast<const RecordListModel<CDocMasterData>*>(m_view->listModel(tab));
        QStringList titles;
        for (const CDocMasterData& volume : model->records()) {
            titles << QString::fromStdString(volume.title());
        }
        return titles;
    }

    void selectRow(int row) {
        QTableView* list = m_view->list(RegisterTab::volumes);
        list->selectionModel()->select(
            list->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

  private slots:
    void init() {
        m_fixture = std::make_unique<DesktopFixture>();
        const std::string& folder = m_fixture->dataFolder;
        writeMaster(folder + "Kamei.dat", masters::department());
        writeMaster(folder + "BosatuBunrui.dat", masters::classification());
        writeMaster(folder + "HozonNengen.dat", masters::retention());
        m_fixture->writeVolumes({classifiedVolume("例規集"), classifiedVolume("会議録")});
        m_fixture->document.LoadAll(m_fixture->prompt);
        m_view = std::make_unique<CBunrakoView>(m_fixture->ports, m_fixture->document);
        m_view->OnInitialUpdate();
    }
    void cleanup() {
        m_view.reset();
        m_fixture.reset();
    }

    void registerAddsTheVolumeToTheList() {
        DialogCloser closer([](QDialog& dialog) {
            testing::typeText(child<QLineEdit>(dialog, "title"), QStringLiteral("新規簿冊"));
            for (const char* level : {"major", "middle", "minor"}) {
                child<QComboBox>(dialog, level)->setCurrentIndex(0);
            }
            auto* type = child<QComboBox>(dialog, "retentionType");
            type->setCurrentIndex(0);
            QTest::keyClick(type, Qt::Key_Down);  // 3年
            QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        m_view->runCommand(CommandId::volumeAdd);
        QCOMPARE(closer.titles().size(), 1);
        QVERIFY2(m_fixture->prompt.messages.empty(), m_fixture->prompt.lastMessage().c_str());
        QVERIFY(titlesShown().contains(QStringLiteral("新規簿冊")));
        const auto stored = m_fixture->storedVolumes();
        QCOMPARE(stored.size(), size_t{3});
    }

    void changeRetitlesAndKeepsTheSelectionOfVolumesThatStay_data() {
        QTest::addColumn<bool>("removeBefore");
        QTest::addColumn<int>("volumes");
        QTest::newRow("keep the old one") << false << 3;
        QTest::newRow("remove the old one") << true << 2;
    }
    void changeRetitlesAndKeepsTheSelectionOfVolumesThatStay() {
        QFETCH(bool, removeBefore);
        QFETCH(int, volumes);
        const int row = static_cast<int>(titlesShown().indexOf(QStringLiteral("会議録")));
        selectRow(row);
        DialogCloser closer([removeBefore](QDialog& dialog) {
            testing::typeText(child<QLineEdit>(dialog, "title"), QStringLiteral("（令和）"));
            child<QCheckBox>(dialog, "removeBefore")->setChecked(removeBefore);
            QTest::keyClick(child<QLineEdit>(dialog, "title"), Qt::Key_Return);
        });
        m_view->runCommand(CommandId::volumeChange);
        QCOMPARE(closer.titles().size(), 1);
        QCOMPARE(titlesShown().size(), volumes);
        QVERIFY(titlesShown().contains(QStringLiteral("会議録（令和）")));
        QCOMPARE(titlesShown().contains(QStringLiteral("会議録")), !removeBefore);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), removeBefore ? 0 : 1);
    }

    // The volume file is gone (a network folder that went away): the dialog
    // stays open with what was typed, and nothing else happens.
    void aVolumeThatCannotBeStoredKeepsItsDialog() {
        const auto file = pathFromUtf8(m_fixture->dataFolder + "DocMaster.dat");
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
        selectRow(0);
        bool stayedOpen = false;
        QString typed;
        DialogCloser closer([&](QDialog& dialog) {
            testing::typeText(child<QLineEdit>(dialog, "title"), QStringLiteral("（追録）"));
            QTest::keyClick(child<QLineEdit>(dialog, "title"), Qt::Key_Return);
            stayedOpen = dialog.isVisible();
            typed = child<QLineEdit>(dialog, "title")->text();
        });
        m_view->runCommand(CommandId::volumeChange);
        QVERIFY(stayedOpen);
        QVERIFY(typed.endsWith(QStringLiteral("（追録）")));
        QVERIFY(!m_fixture->prompt.messages.empty() || !m_fixture->prompt.retries.empty());
    }

    void deleteRemovesTheConfirmedVolumes() {
        m_view->list(RegisterTab::volumes)->selectAll();
        m_fixture->prompt.answers = {Answer::yes, Answer::no};
        DialogCloser closer([](QDialog& dialog) {
            QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        closer.keepArmed(true);
        m_view->runCommand(CommandId::volumeDelete);
        QCOMPARE(closer.titles().size(), 2);
        QCOMPARE(titlesShown().size(), 1);
        QCOMPARE(m_fixture->storedVolumes().size(), size_t{1});
    }

    void extractionRefillsTheTabAndItsCaption() {
        DialogCloser closer([](QDialog& dialog) {
            auto* from = child<YearInputEdit>(dialog, "creationFrom");
            from->eraYearEdit()->setText(QStringLiteral("19"));
            QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        m_view->runCommand(CommandId::volumeExtract);
        QCOMPARE(closer.titles(), QStringList{QStringLiteral("文書整理一覧表の抽出")});
        QCOMPARE(m_view->captionLineText(),
                 QStringLiteral("平成19年度～平成20年度　文書整理一覧表"));
        QCOMPARE(titlesShown().size(), 2);
    }

    void doubleClickOnTheDisposedListChangesThatVolume() {
        m_fixture->writeVolumes({classifiedVolume("廃棄した簿冊")}, "HaikiDoc.dat");
        m_view->show();
        m_view->selectTab(tabIndex(RegisterTab::disposed));
        QTableView* list = m_view->list(RegisterTab::disposed);
        QCOMPARE(list->model()->rowCount(), 1);
        DialogCloser closer([](QDialog& dialog) {
            testing::typeText(child<QLineEdit>(dialog, "title"), QStringLiteral("２"));
            QTest::keyClick(child<QLineEdit>(dialog, "title"), Qt::Key_Return);
        });
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(closer.titles().size(), 1);
        QCOMPARE(titlesShown(RegisterTab::disposed),
                 (QStringList{QStringLiteral("廃棄した簿冊"), QStringLiteral("廃棄した簿冊２")}));
        QCOMPARE(m_fixture->storedVolumes().size(), size_t{2});
    }

    void theSelectedChangeFormsAreLinkedAndDisposed() {
        {
            CHozonNengenHenkoushoList forms(m_fixture->prompt,
                                            pathFromUtf8(m_fixture->dataFolder + "Minaosi.dat"));
            forms.AddAll(std::vector{sectionForm("例規集"), sectionForm("会議録")});
        }
        m_view->selectTab(tabIndex(RegisterTab::retentionChange));
        QCOMPARE(m_view->rowCount(RegisterTab::retentionChange), 2);
        m_view->list(RegisterTab::retentionChange)->selectAll();
        m_view->runCommand(CommandId::changeFormLink);
        const std::string csv = readWholeFileOr(m_fixture->dataFolder + "HozonNengenHenkousho.csv");
        QVERIFY(csv.find(utf8ToCp932("歴史的資料")) != std::string::npos);

        m_fixture->prompt.answers = {Answer::ok};
        m_view->runCommand(CommandId::changeFormDataDisposal);
        QCOMPARE(m_view->rowCount(RegisterTab::retentionChange), 0);
        bool archived = false;
        for (const auto& entry : std::filesystem::directory_iterator(m_fixture->dataFolder)) {
            archived = archived ||
                       pathToUtf8(entry.path().filename()).find("システム廃棄_保存年限変更書") !=
                           std::string::npos;
        }
        QVERIFY(archived);
    }
};

QTEST_MAIN(VolumeTabCommandsTest)
#include "volume_tab_commands_test.moc"
