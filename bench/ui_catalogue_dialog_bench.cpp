// Opening the index catalogue's entry dialog (索引目録 変更) on a demo office
// of 100,000 volumes with catalogues for 20,000 of them: the entry's volume
// header, the sender and receiver lists of the data folder, the dialog
// built, filled and painted, as the catalogue tab's 変更 does before the
// clerk types. Set against a plain read of the volume's catalogue file.
// Target: under 100 ms. Runs without a screen (offscreen platform).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "catalogue/catalogue_entry_commands.h"
#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/sakuin_mokuroku_form.h"
#include "catalogue/ui/sakuin_mokuroku_dialog.h"
#include "common/clock.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "office/document_data.h"
#include "register/catalogue_register_side.h"
#include "tool/demo_office.h"
#include "volumes/volume_folders.h"

namespace {

using namespace bunrako;
namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

class SilentPrompt : public Prompt {
  public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
    Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::cancel;
    }
    bool retryOrGiveUp(const std::string&) override { return false; }
};

class FixedDay : public Clock {
  public:
    OleDateTime now() const override { return OleDateTime::fromDate(2026, 4, 1); }
};

double secondsSince(Steady::time_point start) {
    return std::chrono::duration<double>(Steady::now() - start).count();
}

// The demo office, loaded as the program loads it, and one of its volumes
// with a catalogue.
struct Office {
    Office() {
        folder = fs::temp_directory_path() /
                 ("bunrako-bench-catalogue-" + std::to_string(std::random_device()()));
        fs::create_directories(folder);
        cli::DemoOptions options;
        options.folder = folder;
        options.volumes = 100000;
        options.catalogueLimit = 20000;
        options.today = clock.now();
        cli::makeDemoOffice(options, prompt);
        document = std::make_unique<DocumentData>(prompt, clock, pathToUtf8(folder) + "/");
        volumeFile = document->volumes().path();
        const auto& volumes = document->volumes().records();
        for (auto it = volumes.rbegin(); it != volumes.rend(); ++it) {
            if (!volumeHasCatalogueEntries(volumeFile, *it)) continue;
            volume = *it;
            break;
        }
        CSakuinMokuroku catalogue(prompt, clock);
        catalogue.setVolume(&volume);
        catalogue.OpenForVolume(volumeFile);
        catalogue.Load();
        catalogueFile = catalogue.filePath();
        entry = catalogue.entries().at(0);
    }
    ~Office() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    SilentPrompt prompt;
    FixedDay clock;
    fs::path folder;
    std::unique_ptr<DocumentData> document;
    fs::path volumeFile;
    CDocMasterData volume{};
    fs::path catalogueFile;
    CSakuinMokurokuList entry{};
};

Office& office() {
    static Office instance;
    return instance;
}

void BM_OpenCatalogueEntryDialog(benchmark::State& state) {
    Office& o = office();
    const CShokiSetteiData& settings = o.document->m_settings.Current();
    double measured = 0, plain = 0;
    for (auto _ : state) {
        auto start = Steady::now();
        std::string bytes;
        readWholeFile(o.catalogueFile, bytes);
        benchmark::DoNotOptimize(bytes.data());
        plain += secondsSince(start);

        start = Steady::now();
        CSakuinMokurokuHeader header = CSakuinMokurokuHeader::Cleared(o.clock.now());
        header.CopyVolumeFields(o.volume);
        SakuinMokurokuForm form(o.entry, header, SakuinMokurokuForm::Mode::change,
                                {settings.m_nCalendarMode, settings.m_nManagementPeriod,
                                 volumeCatalogueFolder(o.volumeFile, o.volume)},
                                catalogueRegisterSide(settings, o.folder, o.clock, o.prompt));
        CDlgSakuinMokuroku dialog(form, o.prompt, [](const CSakuinMokurokuList&) { return true; });
        dialog.show();
        dialog.repaint();
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["ms"] = 1000 * measured / n;
    state.counters["plain_read_ms"] = 1000 * plain / n;
}
BENCHMARK(BM_OpenCatalogueEntryDialog)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
