// Making a demo office of 100,000 volumes (200 register entries, catalogues
// for the newest 2,000 volumes), against writing the same files with plain
// file operations. Target: a few seconds; the ratio shows what making,
// numbering and sorting the volumes and building 2,000 folder trees add to
// the bare writes of the same bytes.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "common/file_io.h"
#include "common/prompt.h"
#include "tool/demo_office.h"

namespace {

using namespace bunrako;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kVolumes = 100000;

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

fs::path freshFolder(const char* name) {
    const fs::path folder =
        fs::temp_directory_path() / (std::string(name) + std::to_string(std::random_device()()));
    fs::create_directories(folder);
    return folder;
}

// The office's files, by path inside it.
std::map<fs::path, std::string> filesBelow(const fs::path& folder) {
    std::map<fs::path, std::string> files;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
        if (!item.is_regular_file()) continue;
        std::string bytes;
        readWholeFile(item.path(), bytes);
        files[fs::relative(item.path(), folder)] = std::move(bytes);
    }
    return files;
}

// Seconds to write the same files, folders included, with plain writes.
double plainWrites(const std::map<fs::path, std::string>& files) {
    const fs::path folder = freshFolder("bunrako-bench-plain-");
    const auto start = Clock::now();
    for (const auto& [path, bytes] : files) {
        fs::create_directories((folder / path).parent_path());
        writeWholeFile(folder / path, bytes);
    }
    const double seconds = secondsSince(start);
    fs::remove_all(folder);
    return seconds;
}

void BM_DemoOffice(benchmark::State& state) {
    SilentPrompt prompt;
    double plain = 0, measured = 0;
    for (auto _ : state) {
        cli::DemoOptions options;
        options.folder = freshFolder("bunrako-bench-demo-");
        options.volumes = kVolumes;
        const auto start = Clock::now();
        const cli::DemoSummary made = cli::makeDemoOffice(options, prompt);
        const double seconds = secondsSince(start);
        if (!made.written) state.SkipWithError("the demo office was not written");
        measured += seconds;
        state.SetIterationTime(seconds);
        plain += plainWrites(filesBelow(options.folder));
        fs::remove_all(options.folder);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["ms"] = 1000 * measured / iterations;
    state.counters["plain_ms"] = 1000 * plain / iterations;
    state.counters["x_plain_write"] = measured / plain;
}

BENCHMARK(BM_DemoOffice)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
