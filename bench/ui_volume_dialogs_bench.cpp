// The volume dialogs of the desktop program over a volume file of 100,000
// volumes (65.6 MB): opening the entry dialog on a volume, storing a new
// volume until the list shows it (追加), and an extraction from OK until the
// tab is refilled. Each is set against a plain read of the same file.
// Targets: opening under 100 ms, 追加 under 0.5 s, an extraction under 0.3 s.
// Runs without a screen (offscreen platform).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "common/clock.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "office/ui/bunrako_doc.h"
#include "office/ui/bunrako_view.h"
#include "office/ui/qt_file_browser.h"
#include "office/ui/qt_shell.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_file.h"
#include "volumes/doc_master_list.h"
#include "volumes/ui/dlg_bosatu_itiran_data.h"
#include "volumes/ui/dlg_bunsho_seiri_itiranhyou_tyuushutu.h"
#include "volumes/volume_choices.h"
#include "volumes/volume_commands.h"

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
// classifications of the master below, with one of six retention types.
CDocMasterData generatedVolume(int i, const std::string& title) {
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
    volume.setTitle(title);
    return volume;
}

std::string code(int level1, int level2, int level3) {
    char text[11];
    std::snprintf(text, sizeof text, "%03d%03d%04d", level1, level2, level3);
    return text;
}

CSetteiKoumokuList classificationMaster() {
    CSetteiKoumokuList master;
    for (int major = 0; major < 5; ++major) {
        master.Items().emplace_back(code(major + 1, 0, 0), "大分類" + std::to_string(major),
                                    std::to_string(major + 1));
        for (int middle = 0; middle < 5; ++middle) {
            master.Items().emplace_back(code(major + 1, middle + 1, 0),
                                        "中分類" + std::to_string(middle),
                                        std::to_string(middle + 1));
            for (int minor = 0; minor < 4; ++minor) {
                master.Items().emplace_back(code(major + 1, middle + 1, minor + 1),
                                            "小分類" + std::to_string(minor),
                                            std::to_string(minor + 1));
            }
        }
    }
    return master;
}

// A data folder with the settings and masters of one section and its
// volume file, and the view over it, open on the volume list.
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
        CSetteiKoumokuList department;
        department.Items() = {{"0010000000", "総務課", ""}, {"0010010000", "庶務係", ""}};
        CSetteiKoumokuList retention;
        retention.Items() = {{"0010000000", "1年", "1"},   {"0020000000", "3年", "3"},
                             {"0030000000", "5年", "5"},   {"0040000000", "10年", "10"},
                             {"0050000000", "30年", "30"}, {"0060000000", "永年", "99"}};
        writeWholeFile(pathFromUtf8(folder + "Kamei.dat"),
                       SetteiKoumokuFileBytes(department.Items()));
        writeWholeFile(pathFromUtf8(folder + "BosatuBunrui.dat"),
                       SetteiKoumokuFileBytes(classificationMaster().Items()));
        writeWholeFile(pathFromUtf8(folder + "HozonNengen.dat"),
                       SetteiKoumokuFileBytes(retention.Items()));
        CDocMasterList list(pathFromUtf8(section.m_strVolumeFile), m_prompt);
        for (int i = 0; i < kVolumes; ++i) {
            list.AddOrReplace(
                generatedVolume(i, "簿冊タイトル第" + std::to_string(kVolumes - i) + "号"), true);
        }
        list.sort();
        list.Write();
        m_volumeFile = pathFromUtf8(section.m_strVolumeFile);
        m_document = std::make_unique<CBunrakoDoc>(m_prompt, m_clock, folder);
        m_view = std::make_unique<CBunrakoView>(m_ports, m_document->data());
        m_view->resize(1280, 800);
        m_view->show();
        m_view->OnInitialUpdate();
    }

    DocumentData& document() { return m_document->data(); }
    CBunrakoView& view() { return *m_view; }
    Prompt& prompt() { return m_prompt; }
    const std::filesystem::path& volumeFile() const { return m_volumeFile; }

  private:
    QTemporaryDir m_folder;
    SilentPrompt m_prompt;
    QtShell m_shell;
    QtFileBrowser m_browser;
    FixedDay m_clock;
    DesktopPorts m_ports{m_prompt, m_shell, m_browser, m_clock};
    std::filesystem::path m_volumeFile;
    std::unique_ptr<CBunrakoDoc> m_document;
    std::unique_ptr<CBunrakoView> m_view;
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

// 変更 on a volume of the list: the dialog built, filled and painted.
void BM_OpenEntryDialog(benchmark::State& state) {
    Office& o = office();
    DocumentData& document = o.document();
    const VolumeChoices choices(document.m_department, document.m_classification,
                                document.m_retention);
    const CDocMasterData volume = generatedVolume(7, "簿冊タイトル第7号");
    double measured = 0, plain = 0;
    for (auto _ : state) {
        plain += plainRead(o.volumeFile());
        const auto start = Steady::now();
        CDlgBosatuItiranData dialog(volume, choices, VolumeEntryMode::change, false, 0, o.prompt(),
                                    {});
        dialog.show();
        dialog.repaint();
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    report(state, measured, plain);
}

// 追加: a new volume stored (re-read, append, folder tree, sort, write) and
// the volume list re-read, extracted, filled and painted with it.
void BM_AddUntilListed(benchmark::State& state) {
    Office& o = office();
    double measured = 0, plain = 0;
    int added = 0;
    for (auto _ : state) {
        ++added;
        const CDocMasterData volume =
            generatedVolume(added, "追加した簿冊" + std::to_string(added));
        plain += plainRead(o.volumeFile());
        const auto start = Steady::now();
        registerVolume(volume, o.document().volumes());
        o.view().selectTab(o.view().currentTab());
        o.view().repaint();
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    if (o.view().rowCount(RegisterTab::volumes) != kVolumes + added) {
        state.SkipWithError("the new volumes are not listed");
    }
    report(state, measured, plain);
}

// OK in 文書整理一覧表の抽出: the criteria checked and stored, the tab re-read,
// extracted, filled and painted.
void BM_ExtractionOk(benchmark::State& state) {
    Office& o = office();
    DocumentData& document = o.document();
    const VolumeChoices choices(document.m_department, document.m_classification,
                                document.m_retention);
    double measured = 0, plain = 0;
    for (auto _ : state) {
        CDlgBunshoSeiriItiranhyouTyuushutu dialog(document.m_volumeCriteria, choices,
                                                  VolumeTab::volumeList, false, 0, o.prompt());
        dialog.show();
        plain += plainRead(o.volumeFile());
        const auto start = Steady::now();
        dialog.accept();
        o.view().selectTab(o.view().currentTab());
        o.view().repaint();
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    if (o.view().rowCount(RegisterTab::volumes) < kVolumes) state.SkipWithError("rows missing");
    report(state, measured, plain);
}

BENCHMARK(BM_OpenEntryDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_AddUntilListed)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ExtractionOk)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
