// Reading, storing one volume and writing a volume file of 100,000 volumes
// (65.6 MB), each against the plain file operations on the same bytes.
// Targets: Read within 2x a plain read; AddOrReplace (write lock, re-read,
// number, sort, safety copy, new contents flushed to disk and moved over the
// file, folder tree) within 4x a plain read + write (a stream write that
// neither flushes to disk nor replaces in one step).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench_office.h"
#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "volumes/doc_master_list.h"

namespace {

using namespace bunrako;
namespace fs = std::filesystem;
using bench::Clock;
using bench::generatedVolume;
using bench::secondsSince;
using bench::SilentPrompt;

constexpr int kVolumes = 100000;

class Office {
  public:
    Office()
        : m_folder(fs::temp_directory_path() /
                   ("bunrako-bench-" + std::to_string(std::random_device()()))) {
        fs::create_directories(m_folder);
        CDocMasterList list(volumeFile(), m_prompt);
        for (int i = 0; i < kVolumes; ++i) list.AddOrReplace(generatedVolume(i), true);
        list.sort();
        list.Write();
    }
    ~Office() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    fs::path volumeFile() const { return m_folder / "DocMaster.dat"; }
    fs::path scratchFile() const { return m_folder / "scratch.dat"; }
    Prompt& prompt() { return m_prompt; }

  private:
    fs::path m_folder;
    SilentPrompt m_prompt;
};

Office& office() {
    static Office instance;
    return instance;
}

// Seconds of a plain read, and of a plain read and write, of the file.
double plainRead(const fs::path& file) {
    const auto start = Clock::now();
    std::string bytes;
    readWholeFile(file, bytes);
    benchmark::DoNotOptimize(bytes.data());
    return secondsSince(start);
}

// Truncates and writes in place, as a program without lock or replacement
// would.
void plainWrite(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

double plainReadWrite(const fs::path& file, const fs::path& scratch) {
    const auto start = Clock::now();
    std::string bytes;
    readWholeFile(file, bytes);
    plainWrite(scratch, bytes);
    return secondsSince(start);
}

void reportRatio(benchmark::State& state, double measured, double plain, const char* name) {
    state.counters["ms"] = 1000 * measured / static_cast<double>(state.iterations());
    state.counters["plain_ms"] = 1000 * plain / static_cast<double>(state.iterations());
    state.counters[name] = measured / plain;
}

void BM_Read(benchmark::State& state) {
    Office& o = office();
    double plain = 0, measured = 0;
    for (auto _ : state) {
        plain += plainRead(o.volumeFile());
        const auto start = Clock::now();
        CDocMasterList list(o.volumeFile(), o.prompt());
        list.Read();
        benchmark::DoNotOptimize(list.size());
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    reportRatio(state, measured, plain, "x_plain_read");
}

void BM_AddOne(benchmark::State& state) {
    Office& o = office();
    double plain = 0, measured = 0;
    int next = kVolumes;
    for (auto _ : state) {
        plain += plainReadWrite(o.volumeFile(), o.scratchFile());
        const CDocMasterData volume = generatedVolume(next++);
        const auto start = Clock::now();
        CDocMasterList list(o.volumeFile(), o.prompt());
        if (list.AddOrReplace(volume) != 1) state.SkipWithError("AddOrReplace failed");
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    reportRatio(state, measured, plain, "x_plain_read_write");
}

void BM_Write(benchmark::State& state) {
    Office& o = office();
    CDocMasterList list(o.volumeFile(), o.prompt());
    list.Read();
    double plain = 0, measured = 0;
    for (auto _ : state) {
        std::string bytes;
        readWholeFile(o.volumeFile(), bytes);
        auto start = Clock::now();
        plainWrite(o.scratchFile(), bytes);
        plain += secondsSince(start);
        start = Clock::now();
        if (list.Write() != 1) state.SkipWithError("Write failed");
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    reportRatio(state, measured, plain, "x_plain_write");
}

// Taking and releasing the write lock of the volume file alone: creating
// the lock file, starting its refresher, removing it.
void BM_LockAndRelease(benchmark::State& state) {
    Office& o = office();
    for (auto _ : state) {
        const DataFileLock lock(o.prompt(), o.volumeFile());
        benchmark::DoNotOptimize(lock.held());
    }
}

// Numbering 100,000 volumes one after another without file access, as the
// bulk import does: each add must cost O(1) on average.
void BM_NumberWithoutFileAccess(benchmark::State& state) {
    for (auto _ : state) {
        CDocMasterList list(office().volumeFile(), office().prompt());
        for (int i = 0; i < kVolumes; ++i) list.AddOrReplace(generatedVolume(i), true);
        benchmark::DoNotOptimize(list.size());
    }
    state.SetItemsProcessed(state.iterations() * kVolumes);
}

BENCHMARK(BM_Read)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AddOne)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Write)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LockAndRelease)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NumberWithoutFileAccess)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
