// The title register's entry dialog and commands on a register of 100,000
// entries (133 MB) and an office of 100,000 volumes, each set against a
// plain read (and write) of the same register file:
// - opening the entry dialog: the next number proposed from the register
//   as the tab last read it and the form with its volume-name list filled
//   from the volumes in memory (no file is read); target under 100 ms;
// - 追加: the store (re-read, number taken at save time, write with the
//   safety copy) and the refill of the tab (re-read, extraction); target
//   under 0.5 s;
// - extraction on OK: the refill (re-read, extraction); target under 0.3 s.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "register/bunsho_ken_meibo_form.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/register_commands.h"
#include "register/register_criteria.h"
#include "register/register_filter.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_data.h"
#include "volumes/doc_master_data.h"

namespace {

using namespace bunrako;
namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

constexpr int kEntries = 100000;
constexpr int kVolumes = 100000;

class SilentPrompt : public Prompt {
  public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
    Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
        return Answer::cancel;
    }
    bool retryOrGiveUp(const std::string&) override { return false; }
};

class PinnedClock : public bunrako::Clock {
  public:
    OleDateTime now() const override { return OleDateTime::fromDateTime(2021, 1, 5, 10, 0, 0); }
};

double secondsSince(Steady::time_point start) {
    return std::chrono::duration<double>(Steady::now() - start).count();
}

// Entries of 20 fiscal years, 10 sub-sections of 総務課; 5,000 a year.
CBunshoKenMeiboData generatedEntry(int i) {
    const int year = 2001 + i % 20;
    CBunshoKenMeiboData entry = CBunshoKenMeiboData::newEntry(OleDateTime::fromDate(year, 5, 1));
    entry.setDocumentNumber(std::to_string(1 + i / 20));
    entry.registerYear = OleDateTime::fromDate(year, 4, 1);
    entry.volumeYear = entry.registerYear;
    entry.setSectionCode("00100" + std::to_string(1 + (i / 20) % 9) + "0000");
    entry.setSubject("会議の開催について（第" + std::to_string(i) + "回）");
    entry.setSender("総務部長");
    entry.setReceiver("各課長");
    entry.setVolumeTitle("簿冊タイトル第" + std::to_string(i % kVolumes) + "号");
    return entry;
}

CDocMasterData generatedVolume(int i) {
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2001 + i % 20, 4, 1));
    volume.setKaMei("総務課");
    volume.setKakariMei("係" + std::to_string(1 + (i / 20) % 9));
    volume.setTitle("簿冊タイトル第" + std::to_string(i) + "号");
    return volume;
}

class Office {
  public:
    Office()
        : m_folder(fs::temp_directory_path() /
                   ("bunrako-register-bench-" + std::to_string(std::random_device()()))) {
        fs::create_directories(m_folder);
        CBunshoKenMeiboList list(m_prompt);
        for (int i = 0; i < kEntries; ++i) list.entries().push_back(generatedEntry(i));
        list.Save(registerFile());
        for (int i = 0; i < kVolumes; ++i) volumes.push_back(generatedVolume(i));
        departments.AddOrReplace({"0010000000", "総務課", ""});
        for (int s = 1; s <= 9; ++s) {
            departments.AddOrReplace(
                {"00100" + std::to_string(s) + "0000", "係" + std::to_string(s), ""});
        }
        settings.m_strSectionCode = "0010010000";
        settings.m_strRegisterFile = pathToUtf8(registerFile());
    }
    ~Office() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    fs::path registerFile() const { return m_folder / "KenMeibo.dat"; }
    fs::path scratchFile() const { return m_folder / "scratch.dat"; }
    fs::path folder() const { return m_folder; }
    Prompt& prompt() { return m_prompt; }

    std::vector<CDocMasterData> volumes;
    CSetteiKoumokuList departments;
    CShokiSetteiData settings;
    PinnedClock clock;

  private:
    fs::path m_folder;
    SilentPrompt m_prompt;

  public:
    // The tab's list and rows, kept from one refill to the next as the
    // program keeps them.
    CBunshoKenMeiboList shown{m_prompt};
    std::vector<CBunshoKenMeiboData> rows;
};

Office& office() {
    static Office instance;
    return instance;
}

double plainRead(const fs::path& file) {
    const auto start = Steady::now();
    std::string bytes;
    readWholeFile(file, bytes);
    benchmark::DoNotOptimize(bytes.data());
    return secondsSince(start);
}

double plainReadWrite(const fs::path& file, const fs::path& scratch) {
    const auto start = Steady::now();
    std::string bytes;
    readWholeFile(file, bytes);
    writeWholeFile(scratch, bytes);
    return secondsSince(start);
}

void reportRatio(benchmark::State& state, double measured, double plain, const char* name) {
    state.counters["ms"] = 1000 * measured / static_cast<double>(state.iterations());
    state.counters["plain_ms"] = 1000 * plain / static_cast<double>(state.iterations());
    state.counters[name] = measured / plain;
}

// The refill of the tab: re-read (unless the tab's list has just written
// the file) and extraction by the initial criteria into the rows it replaces.
size_t refill(Office& o) {
    o.shown.LoadUnlessJustSaved(o.registerFile());
    const RegisterCriteria criteria =
        RegisterCriteria::Initial(o.clock.now(), 0, 0, o.settings.m_strSectionCode);
    o.rows = extractRegister(o.shown.entries(), RegisterFilter(criteria), std::move(o.rows));
    return o.rows.size();
}

void BM_OpenEntryDialog(benchmark::State& state) {
    Office& o = office();
    CBunshoKenMeiboList shown(o.prompt());
    shown.Load(o.registerFile());
    double plain = 0, measured = 0;
    for (auto _ : state) {
        plain += plainRead(o.registerFile());
        const auto start = Steady::now();
        const CBunshoKenMeiboData entry = newRegisterEntry(o.settings, shown, o.clock);
        const BunshoKenMeiboForm form(entry, BunshoKenMeiboForm::Mode::add,
                                      {o.departments, o.volumes, 0, 0, o.folder()}, o.prompt(),
                                      o.clock);
        benchmark::DoNotOptimize(form.volumeTitles().size());
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    reportRatio(state, measured, plain, "x_plain_read");
}

void BM_AddUntilListed(benchmark::State& state) {
    Office& o = office();
    double plain = 0, measured = 0;
    for (auto _ : state) {
        plain += plainReadWrite(o.registerFile(), o.scratchFile());
        CBunshoKenMeiboData entry =
            newRegisterEntry(o.settings, o.registerFile(), o.clock, o.prompt());
        const std::string proposed = entry.documentNumberText();
        const auto start = Steady::now();
        if (!storeNewRegisterEntry(entry, proposed, o.registerFile(), 0, o.shown)) {
            state.SkipWithError("store failed");
        }
        benchmark::DoNotOptimize(refill(o));
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    reportRatio(state, measured, plain, "x_plain_read_write");
}

void BM_ExtractUntilRefilled(benchmark::State& state) {
    Office& o = office();
    double plain = 0, measured = 0;
    for (auto _ : state) {
        plain += plainRead(o.registerFile());
        const auto start = Steady::now();
        benchmark::DoNotOptimize(refill(o));
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    reportRatio(state, measured, plain, "x_plain_read");
}

BENCHMARK(BM_OpenEntryDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AddUntilListed)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExtractUntilRefilled)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
