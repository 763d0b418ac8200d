// The volume tab of the desktop program over a volume file of 100,000
// volumes (65.6 MB), every one of them listed: switching to the tab (re-read,
// extraction, list fill, caption, paint), the title order, select-all, and
// the start of the program. Each is set against a plain read of the same
// file. Target: a switch well under a second, within 3x a plain read.
// Runs without a screen (offscreen platform).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <string>

#include "common/clock.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "office/ui/bunrako_doc.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/main_frame.h"
#include "office/ui/qt_file_browser.h"
#include "office/ui/qt_shell.h"
#include "settings/shoki_settei_file.h"
#include "volumes/doc_master_list.h"

namespace {

using namespace bunrako;
using Steady = std::chrono::steady_clock;

constexpr int kVolumes = 100000;

class SilentPrompt : public Prompt {
  public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
    Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::cancel;
    }
    bool retryOrGiveUp(const std::string&) override { return false; }
};

// 1 April 2008: the volumes below are all of this fiscal year.
class FixedDay : public Clock {
  public:
    OleDateTime now() const override { return OleDateTime::fromDate(2008, 4, 1); }
};

double secondsSince(Steady::time_point start) {
    return std::chrono::duration<double>(Steady::now() - start).count();
}

// A volume of the section, created in fiscal 2008, in one of 100
// classifications, with one of six retention types.
CDocMasterData generatedVolume(int i) {
    static const char* const kRetention[] = {"1年", "3年", "5年", "10年", "30年", "永年"};
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2008, 4, 1));
    const int classification = i % 100;
    volume.setKaMei("総務課");
    volume.setKakariMei("庶務係");
    volume.setKaBunruiCode("0010010000");
    volume.setDaiBunruiCode(std::to_string(1 + classification / 20));
    volume.setDaiBunruiMei("大分類" + std::to_string(classification / 20));
    volume.setChuuBunruiCode(std::to_string(1 + classification / 4 % 5));
    volume.setChuuBunruiMei("中分類" + std::to_string(classification / 4 % 5));
    volume.setShouBunruiCode(std::to_string(1 + classification % 4));
    volume.setShouBunruiMei("小分類" + std::to_string(classification % 4));
    volume.setHozonShubetuMei(kRetention[i % 6]);
    volume.setTitle("簿冊タイトル第" + std::to_string(kVolumes - i) + "号");
    return volume;
}

// A data folder with the settings of one section and its volume file, and
// the program's window over it.
class Office {
  public:
    Office() {
        const std::string folder = m_folder.path().toStdString() + "/";
        CShokiSetteiData section;
        section.m_strSectionName = "総務課";
        section.m_strSubsectionName = "庶務係";
        section.m_strSectionCode = "0010010000";
        section.m_strVolumeFile = folder + "DocMaster.dat";
        section.m_strDisposedFile = folder + "HaikiDoc.dat";
        section.m_strRegisterFile = folder + "KenMeibo.dat";
        section.m_strRetentionChangeFile = folder + "Minaosi.dat";
        writeWholeFile(pathFromUtf8(folder + "ShokiSettei.dat"), ShokiSetteiFileBytes({section}));
        CDocMasterList list(pathFromUtf8(section.m_strVolumeFile), m_prompt);
        for (int i = 0; i < kVolumes; ++i) list.AddOrReplace(generatedVolume(i), true);
        list.sort();
        list.Write();
        m_volumeFile = pathFromUtf8(section.m_strVolumeFile);
        m_programFolder = folder;
    }

    // The program as it starts: the document loads, the frame opens on the
    // volume list and paints.
    void start() {
        m_frame.reset();
        m_document = std::make_unique<CBunrakoDoc>(m_prompt, m_clock, m_programFolder);
        m_frame = std::make_unique<CMainFrame>(m_ports, *m_document, m_settings);
        m_frame->resize(1280, 800);
        m_frame->show();
        m_frame->repaint();
    }

    CMainFrame& frame() { return *m_frame; }
    CBunrakoView& view() { return *m_frame->view(); }
    const std::filesystem::path& volumeFile() const { return m_volumeFile; }

  private:
    QTemporaryDir m_folder;
    SilentPrompt m_prompt;
    QtShell m_shell;
    QtFileBrowser m_browser;
    FixedDay m_clock;
    QSettings m_settings{m_folder.filePath(QStringLiteral("bunrako.ini")), QSettings::IniFormat};
    DesktopPorts m_ports{m_prompt, m_shell, m_browser, m_clock};
    std::filesystem::path m_volumeFile;
    std::string m_programFolder;
    std::unique_ptr<CBunrakoDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};

Office& office() {
    static Office instance;
    return instance;
}

double plainRead(const std::filesystem::path& file) {
    const auto start = Steady::now();
    std::string bytes;
    readWholeFile(file, bytes);
    benchmark::DoNotOptimize(bytes.data());
    return secondsSince(start);
}

void report(benchmark::State& state, double measured, double plain) {
    const auto n = static_cast<double>(state.iterations());
    state.counters["ms"] = 1000 * measured / n;
    state.counters["plain_read_ms"] = 1000 * plain / n;
    state.counters["x_plain_read"] = measured / plain;
}

// Switching from the title register to the volume list: the file is read
// again, all 100,000 volumes pass, the list is filled and painted.
void BM_SwitchToVolumeTab(benchmark::State& state) {
    Office& o = office();
    o.start();
    double measured = 0, plain = 0;
    for (auto _ : state) {
        o.view().selectTab(0);
        plain += plainRead(o.volumeFile());
        const auto start = Steady::now();
        o.view().selectTab(1);
        o.frame().repaint();
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    if (o.view().rowCount(RegisterTab::volumes) != kVolumes) state.SkipWithError("rows missing");
    report(state, measured, plain);
}

// The same with every volume selected: the selection is found again after
// the refill and the commands are enabled for it.
void BM_SwitchWithAllSelected(benchmark::State& state) {
    Office& o = office();
    o.start();
    double measured = 0, plain = 0;
    for (auto _ : state) {
        o.view().list(RegisterTab::volumes)->selectAll();
        o.view().selectTab(2);
        plain += plainRead(o.volumeFile());
        const auto start = Steady::now();
        o.view().selectTab(1);
        o.frame().repaint();
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    if (o.view().selectedCount(RegisterTab::volumes) != kVolumes) {
        state.SkipWithError("selection lost");
    }
    report(state, measured, plain);
}

// 並替: the volume list re-read and ordered by title.
void BM_TitleOrder(benchmark::State& state) {
    Office& o = office();
    o.start();
    double measured = 0, plain = 0;
    for (auto _ : state) {
        plain += plainRead(o.volumeFile());
        const auto start = Steady::now();
        o.frame().runCommand(CommandId::volumeTitleOrder);
        o.frame().repaint();
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    report(state, measured, plain);
}

// 全選択/全解除 twice, with the command states and the row count following.
void BM_SelectAllAndNone(benchmark::State& state) {
    Office& o = office();
    o.start();
    for (auto _ : state) {
        o.frame().runCommand(CommandId::volumeSelectAll);
        o.frame().runCommand(CommandId::volumeSelectAll);
        o.frame().repaint();
    }
    state.counters["rows"] = kVolumes;
}

// The start of the program: settings, masters and registers loaded, the
// frame built, the volume list filled and painted.
void BM_StartUp(benchmark::State& state) {
    Office& o = office();
    double measured = 0, plain = 0;
    for (auto _ : state) {
        plain += plainRead(o.volumeFile());
        const auto start = Steady::now();
        o.start();
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    report(state, measured, plain);
}

BENCHMARK(BM_SwitchToVolumeTab)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SwitchWithAllSelected)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TitleOrder)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SelectAllAndNone)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
