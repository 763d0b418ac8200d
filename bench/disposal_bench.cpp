// Bulk disposal and retention-type change of 1,000 selected volumes of an
// office of 100,000 volumes (a 65.6 MB volume file), with 10,000 volumes in
// the disposed-volume file and 5,000 change forms, each against the plain
// read and write of the files the batch touches. Target: within 3x.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_office.h"
#include "common/file_io.h"
#include "settings/settei_koumoku_list.h"
#include "volumes/doc_master_list.h"
#include "volumes/haiki_shori.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/hozon_shubetu_henkou.h"

namespace {

using namespace bunrako;
using namespace bunrako::bench;
namespace fs = std::filesystem;

constexpr int kVolumes = 100000;
constexpr int kDisposed = 10000;
constexpr int kForms = 5000;
constexpr int kSelected = 1000;

class Office {
  public:
    Office()
        : m_folder(fs::temp_directory_path() /
                   ("bunrako-bench-" + std::to_string(std::random_device()()))) {
        fs::create_directories(m_folder / "original");
        m_retention.Items() = {{"0010000000", "10年", "10"}, {"0020000000", "永年", "99"}};
        CDocMasterList master(original("DocMaster.dat"), m_prompt);
        CDocMasterList disposed(original("HaikiDoc.dat"), m_prompt);
        CHozonNengenHenkoushoList forms(m_prompt, original("Minaosi.dat"));
        for (int i = 0; i < kVolumes; ++i) {
            const CDocMasterData volume = generatedVolume(i);
            master.AddOrReplace(volume, true);
            if (i % (kVolumes / kDisposed) == 1) disposed.AddOrReplace(volume, true);
            if (i % (kVolumes / kForms) == 2) {
                const CHozonNengenHenkoushoData form = changeFormOf(volume, volume, "見直し");
                forms.AddInList(std::span(&form, 1));
            }
        }
        master.sort();
        disposed.sort();
        master.Write();
        disposed.Write();
        forms.Write();
        // Every hundredth volume, as the list holds it.
        for (size_t i = 0; i < master.size(); i += kVolumes / kSelected) {
            m_selected.push_back(master[i]);
        }
    }
    ~Office() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    // The office as it was made, again (not measured).
    void restore() {
        for (const char* name : {"DocMaster.dat", "HaikiDoc.dat", "Minaosi.dat"}) {
            fs::copy_file(original(name), file(name), fs::copy_options::overwrite_existing);
        }
    }
    fs::path original(const char* name) const { return m_folder / "original" / name; }
    fs::path file(const char* name) const { return m_folder / name; }
    Prompt& prompt() { return m_prompt; }
    const std::vector<CDocMasterData>& selected() const { return m_selected; }
    const CSetteiKoumokuList& retention() const { return m_retention; }

  private:
    fs::path m_folder;
    SilentPrompt m_prompt;
    CSetteiKoumokuList m_retention;
    std::vector<CDocMasterData> m_selected;
};

Office& office() {
    static Office instance;
    return instance;
}

// Seconds of reading each file whole and writing its bytes to a scratch
// file, as a program without lock, safety copy or replacement would.
double plainReadWrite(const std::vector<fs::path>& files) {
    const auto start = Clock::now();
    for (const fs::path& path : files) {
        std::string bytes;
        readWholeFile(path, bytes);
        std::ofstream out(path.string() + ".scratch", std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    return secondsSince(start);
}

template <typename Batch>
void measure(benchmark::State& state, const std::vector<fs::path>& files, Batch batch) {
    Office& o = office();
    double plain = 0, measured = 0;
    for (auto _ : state) {
        o.restore();
        plain += plainReadWrite(files);
        const auto start = Clock::now();
        const BatchResult result = batch(o);
        const double seconds = secondsSince(start);
        if (result.result() != 1 || result.done.size() != o.selected().size()) {
            state.SkipWithError("the batch did not complete");
        }
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["ms"] = 1000 * measured / iterations;
    state.counters["plain_ms"] = 1000 * plain / iterations;
    state.counters["x_plain_read_write"] = measured / plain;
}

void BM_Dispose1000(benchmark::State& state) {
    Office& o = office();
    measure(state, {o.file("DocMaster.dat"), o.file("HaikiDoc.dat")}, [](Office& office) {
        return disposeVolumes(office.selected(), OleDateTime::fromDate(2026, 12, 1),
                              office.file("DocMaster.dat"), office.file("HaikiDoc.dat"),
                              office.prompt());
    });
}

void BM_ChangeRetention1000(benchmark::State& state) {
    Office& o = office();
    measure(state, {o.file("DocMaster.dat"), o.file("Minaosi.dat")}, [](Office& office) {
        return changeRetentionType(office.selected(), "永年", "歴史的資料", office.retention(),
                                   office.file("DocMaster.dat"), office.file("Minaosi.dat"),
                                   office.prompt());
    });
}

BENCHMARK(BM_Dispose1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ChangeRetention1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
