#include "volumes/ui/year_end_commands.h"

#include <QTableView>
#include <QTest>

#include "common/file_io.h"
#include "office/ui/bunrako_view.h"
#include "support/temp_folder.h"
#include "ui/desktop_fixture.h"

using namespace bunrako;
using bunrako::testing::DesktopFixture;

// The data linkage of the three volume tabs and the title printing, from
// the view: the CSV files in the data folder, the office suite through the
// shell, and a message naming the files.
class YearEndCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<CBunrakoView> m_view;

    void selectAllOf(RegisterTab tab) {
        m_view->selectTab(tabIndex(tab));
        m_view->list(tab)->selectAll();
    }
    bool written(const char* name) const {
        return std::filesystem::exists(pathFromUtf8(m_fixture->dataFolder + name));
    }

  private slots:
    void init() {
        m_fixture = std::make_unique<DesktopFixture>();
        CDocMasterData permanent = testing::sectionVolume("永年の例規集");
        permanent.setHozonShubetuMei("永年");
        m_fixture->writeVolumes({testing::sectionVolume("会議録"), permanent});
        CDocMasterData disposed = testing::sectionVolume("廃棄した綴");
        disposed.Haiki = 1;
        m_fixture->writeVolumes({disposed}, "HaikiDoc.dat");
        m_fixture->document.LoadAll(m_fixture->prompt);
        m_view = std::make_unique<CBunrakoView>(m_fixture->ports, m_fixture->document);
        m_view->OnInitialUpdate();
        m_fixture->prompt.messages.clear();
    }
    void cleanup() {
        m_view.reset();
        m_fixture.reset();
    }

    void eachTabWritesItsSelectedVolumes_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("catalogues");
        QTest::newRow("volume list")
            << tabIndex(RegisterTab::volumes) << int(CommandId::volumeLink) << true;
        QTest::newRow("permanent ledger")
            << tabIndex(RegisterTab::permanent) << int(CommandId::permanentLink) << false;
        QTest::newRow("disposed list")
            << tabIndex(RegisterTab::disposed) << int(CommandId::disposedLink) << false;
        QTest::newRow("title printing")
            << tabIndex(RegisterTab::volumes) << int(CommandId::volumeTitlePrint) << false;
    }
    void eachTabWritesItsSelectedVolumes() {
        QFETCH(int, tab);
        QFETCH(int, command);
        QFETCH(bool, catalogues);
        selectAllOf(static_cast<RegisterTab>(tab));
        const int volumes = m_view->selectedCount(static_cast<RegisterTab>(tab));
        QVERIFY(volumes > 0);
        m_view->runCommand(static_cast<CommandId>(command));
        const std::string csv =
            testing::readBytes(pathFromUtf8(m_fixture->dataFolder + "DocMaster.csv"));
        QCOMPARE(static_cast<int>(std::count(csv.begin(), csv.end(), '\n')), volumes);
        QVERIFY(written("DocMasterWord.csv"));
        QCOMPARE(written("SakuinIkkatu.csv"), catalogues);
        const std::string message = m_fixture->prompt.lastMessage();
        QVERIFY2(message.find(std::to_string(volumes) + "冊") == 0, message.c_str());
        QVERIFY(message.find("DocMasterWord.csv") != std::string::npos);
        // The list is not changed, nor its selection.
        QCOMPARE(m_view->selectedCount(static_cast<RegisterTab>(tab)), volumes);
    }

    void aFileThatCannotBeWrittenEndsTheCommand() {
        std::filesystem::create_directory(pathFromUtf8(m_fixture->dataFolder + "DocMaster.csv"));
        selectAllOf(RegisterTab::permanent);
        m_view->runCommand(CommandId::permanentLink);
        QCOMPARE(m_fixture->prompt.lastMessage(), std::string("一太郎用データ作成に失敗しました"));
        QVERIFY(!written("DocMasterWord.csv"));
    }
};

QTEST_MAIN(YearEndCommandsTest)
#include "year_end_commands_test.moc"
