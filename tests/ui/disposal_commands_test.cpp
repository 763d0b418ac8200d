#include "volumes/ui/disposal_commands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "common/file_io.h"
#include "office/ui/bunrako_view.h"
#include "settings/settei_koumoku_list.h"
#include "support/import_masters.h"
#include "ui/desktop_fixture.h"
#include "ui/dialog_closer.h"
#include "ui/typing.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_list.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;
using bunrako::testing::DialogCloser;
namespace masters = bunrako::testing::import_masters;

// The disposal commands through the view: each works on the selected
// volumes, says what it did and leaves them selected where they still are.
class DisposalCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CBunrakoView> m_view;

    size_t storedIn(const char* name) {
        CDocMasterList list(pathFromUtf8(m_fixture->dataFolder + name), m_fixture->prompt);
        list.Read();
        return list.size();
    }

    template <class Widget>
    static Widget* child(QDialog& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) qFatal("no widget %s", name);
        return widget;
    }

  private slots:
    void init() {
        m_fixture = std::make_unique<DesktopFixture>();
        writeWholeFile(pathFromUtf8(m_fixture->dataFolder + "HozonNengen.dat"),
                       SetteiKoumokuFileBytes(masters::retention().Items()));
        m_fixture->writeVolumes({"例規集", "会議録", "予算書"});
        m_fixture->document.LoadAll(m_fixture->prompt);
        m_view = std::make_unique<CBunrakoView>(m_fixture->ports, m_fixture->document);
        m_view->OnInitialUpdate();
        QTableView* list = m_view->list(RegisterTab::volumes);
        list->selectionModel()->select(list->model()->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        list->selectionModel()->select(list->model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void cleanup() {
        m_view.reset();
        m_fixture.reset();
    }

    void disposalDisposesTheSelectedVolumes() {
        DialogCloser closer([](QDialog& dialog) {
            QTest::mouseClick(child<QPushButton>(dialog, "start"), Qt::LeftButton);
        });
        m_view->runCommand(CommandId::volumeDisposal);
        QCOMPARE(closer.titles(), QStringList{QStringLiteral("簿冊の一括廃棄処理")});
        QCOMPARE(storedIn("HaikiDoc.dat"), size_t{2});
        QVERIFY(m_fixture->prompt.lastMessage().starts_with("2 冊を廃棄しました。"));
        QVERIFY(m_fixture->prompt.lastMessage().find("HaikiDoc.dat") != std::string::npos);
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 2);
    }

    void retentionChangeWritesAFormPerVolume() {
        DialogCloser closer([](QDialog& dialog) {
            child<QComboBox>(dialog, "type")->setCurrentIndex(5);
            testing::typeText(child<QLineEdit>(dialog, "reason"), QStringLiteral("歴史的資料"));
            QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        m_view->runCommand(CommandId::retentionTypeChange);
        QCOMPARE(closer.titles(), QStringList{QStringLiteral("保存種別の一括変更処理")});
        CHozonNengenHenkoushoList forms(m_fixture->prompt,
                                        pathFromUtf8(m_fixture->dataFolder + "Minaosi.dat"));
        forms.Read();
        QCOMPARE(forms.forms().size(), size_t{2});
        QCOMPARE(forms.forms()[0].goShubetu(), std::string("永年"));
        QVERIFY(m_fixture->prompt.lastMessage().starts_with("2 冊の保存種別を変更し"));
        QCOMPARE(m_view->selectedCount(RegisterTab::volumes), 2);
    }

    void dataDisposalNamesCountAndArchivesFirst_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("archive");
        QTest::newRow("文書整理一覧表")
            << int(RegisterTab::volumes) << int(CommandId::volumeDataDisposal)
            << QStringLiteral("DocMaster.dat") << QStringLiteral("システム廃棄_文書整理一覧表.dat");
        QTest::newRow("廃棄簿冊名一覧表")
            << int(RegisterTab::disposed) << int(CommandId::disposedDataDisposal)
            << QStringLiteral("HaikiDoc.dat")
            << QStringLiteral("システム廃棄_廃棄簿冊名一覧表.dat");
    }

    void dataDisposalNamesCountAndArchivesFirst() {
        QFETCH(int, tab);
        QFETCH(int, command);
        QFETCH(QString, file);
        QFETCH(QString, archive);
        const auto registerTab = static_cast<RegisterTab>(tab);
        const std::string name = file.toStdString();
        if (registerTab == RegisterTab::disposed) {
            m_fixture->writeVolumes(
                {testing::sectionVolume("例規集"), testing::sectionVolume("会議録"),
                 testing::sectionVolume("予算書")},
                name);
            m_view->selectTab(tabIndex(registerTab));
            QTableView* list = m_view->list(registerTab);
            list->selectionModel()->select(list->model()->index(0, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
            list->selectionModel()->select(list->model()->index(2, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        m_view->runCommand(static_cast<CommandId>(command));
        QCOMPARE(m_fixture->prompt.asked.size(), size_t{1});
        QVERIFY(m_fixture->prompt.asked[0].find("廃棄する件数：2 件") != std::string::npos);
        QVERIFY(m_fixture->prompt.asked[0].find(archive.toStdString()) != std::string::npos);
        QCOMPARE(storedIn(name.c_str()), size_t{3});

        m_fixture->prompt.answers = {Answer::ok};
        m_view->runCommand(static_cast<CommandId>(command));
        QCOMPARE(storedIn(name.c_str()), size_t{1});
        QCOMPARE(m_view->rowCount(registerTab), 1);
        QCOMPARE(m_view->selectedCount(registerTab), 0);
        QVERIFY(m_fixture->prompt.lastMessage().starts_with(
            "2 件のデータをシステムから廃棄しました。"));
    }
};

QTEST_MAIN(DisposalCommandsTest)
#include "disposal_commands_test.moc"
