// The fiscal-year switch of 1,000 selected volumes (out of 5,000 displayed)
// into the volume file of an office of 100,000 volumes: one read, a copy of
// each selected volume numbered without file access, one sort, one write
// with its safety copy, and the volume folders of the copies; against a
// plain read + write of the same volume file.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/prompt.h"
#include "volumes/doc_master_list.h"
#include "volumes/nendo_kirikae.h"

namespace {

using namespace bunrako;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kVolumes = 100000;
constexpr int kDisplayed = 5000;
constexpr int kSelected = 1000;

class SilentPrompt : public Prompt {
  public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
    Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::cancel;
    }
    bool retryOrGiveUp(const std::string&) override { return false; }
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// 20 fiscal years (2006-2025) of volumes of ten sections.
CDocMasterData storedVolume(int i) {
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2006 + i % 20, 4, 1));
    volume.setKaMei("総務課");
    volume.setKakariMei("係" + std::to_string(i / 20 % 10));
    volume.setKaBunruiCode("00100" + std::to_string(10 + i / 20 % 10) + "000");
    volume.setDaiBunruiCode(std::to_string(i / 200 % 5 + 1));
    volume.setChuuBunruiCode(std::to_string(i / 1000 % 5 + 1));
    volume.setShouBunruiCode(std::to_string(i / 5000 % 4 + 1));
    volume.setTitle("簿冊タイトル第" + std::to_string(i) + "号");
    return volume;
}

class Office {
  public:
    Office()
        : m_folder(fs::temp_directory_path() /
                   ("bunrako-year-switch-bench-" + std::to_string(std::random_device()()))) {
        fs::create_directories(m_folder);
        CDocMasterList list(pristineFile(), m_prompt);
        for (int i = 0; i < kVolumes; ++i) list.AddOrReplace(storedVolume(i), true);
        list.sort();
        list.Write();
        // The list shows the volumes of fiscal 2025; every fifth is chosen.
        for (const CDocMasterData& volume : list.records()) {
            if (volume.SakuseiNendo == OleDateTime::fromDate(2025, 4, 1) &&
                m_displayed.size() < kDisplayed) {
                m_displayed.push_back(volume);
                m_mask.push_back(m_displayed.size() % 5 == 0 ? 1 : 0);
            }
        }
    }
    ~Office() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    fs::path pristineFile() const { return m_folder / "pristine.dat"; }
    fs::path volumeFile() const { return m_folder / "DocMaster.dat"; }
    fs::path scratchFile() const { return m_folder / "scratch.dat"; }
    Prompt& prompt() { return m_prompt; }
    const std::vector<CDocMasterData>& displayed() const { return m_displayed; }
    const std::vector<int>& mask() const { return m_mask; }

  private:
    fs::path m_folder;
    SilentPrompt m_prompt;
    std::vector<CDocMasterData> m_displayed;
    std::vector<int> m_mask;
};

Office& office() {
    static Office instance;
    return instance;
}

void BM_SwitchYearOf1000In100000(benchmark::State& state) {
    Office& o = office();
    double plain = 0, switched = 0;
    for (auto _ : state) {
        fs::copy_file(o.pristineFile(), o.volumeFile(), fs::copy_options::overwrite_existing);
        auto start = Clock::now();
        std::string bytes;
        readWholeFile(o.volumeFile(), bytes);
        writeWholeFile(o.scratchFile(), bytes);
        plain += secondsSince(start);
        NendoKirikaeRequest request;
        request.masterFile = o.volumeFile();
        request.newYear = OleDateTime::fromDate(2026, 4, 1);
        start = Clock::now();
        const NendoKirikaeResult result =
            switchFiscalYear(o.displayed(), o.mask(), request, o.prompt());
        switched += secondsSince(start);
        if (!result.written || result.copied.size() != kSelected) {
            state.SkipWithError("not every selected volume was copied");
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["switch_ms"] = 1000 * switched / n;
    state.counters["plain_rw_ms"] = 1000 * plain / n;
    state.counters["x_plain_read_write"] = switched / plain;
}

BENCHMARK(BM_SwitchYearOf1000In100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
