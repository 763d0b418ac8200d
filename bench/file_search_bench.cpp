// The file search over the data folder of a demo office of 100,000 volumes
// with catalogues for 20,000 of them, against a plain recursive listing of
// the same tree. Target: the file-name search within 1.5x the listing; the
// catalogue search also reads every SakuinMokuroku.dat it finds.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "catalogue/file_search.h"
#include "common/prompt.h"
#include "common/system_clock.h"
#include "tool/demo_office.h"

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

double secondsSince(Steady::time_point start) {
    return std::chrono::duration<double>(Steady::now() - start).count();
}

// One office for every benchmark of the run.
const fs::path& office() {
    static const fs::path folder = [] {
        const fs::path made = fs::temp_directory_path() /
                              ("bunrako-bench-search-" + std::to_string(std::random_device()()));
        fs::create_directories(made);
        SilentPrompt prompt;
        cli::DemoOptions options;
        options.folder = made;
        options.volumes = 100000;
        options.catalogueLimit = 20000;
        cli::makeDemoOffice(options, prompt);
        return made;
    }();
    return folder;
}

double plainListing(const fs::path& root) {
    const auto start = Steady::now();
    size_t files = 0;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        if (item.is_regular_file()) ++files;
    }
    benchmark::DoNotOptimize(files);
    return secondsSince(start);
}

void searchAgainstListing(benchmark::State& state, FileSearchCriteria criteria) {
    SilentPrompt prompt;
    SystemClock clock;
    double plain = 0, measured = 0;
    size_t rows = 0;
    for (auto _ : state) {
        plain += plainListing(office());
        const auto start = Steady::now();
        rows = SearchFiles(office(), criteria, prompt, clock).size();
        const double seconds = secondsSince(start);
        measured += seconds;
        state.SetIterationTime(seconds);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["ms"] = 1000 * measured / iterations;
    state.counters["listing_ms"] = 1000 * plain / iterations;
    state.counters["x_listing"] = measured / plain;
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_SearchFileNames(benchmark::State& state) {
    FileSearchCriteria criteria;
    criteria.allFiles = true;
    criteria.text = "Sakuin";
    searchAgainstListing(state, criteria);
}

void BM_SearchCatalogues(benchmark::State& state) {
    FileSearchCriteria criteria;
    criteria.mode = FileSearchCriteria::catalogues;
    criteria.text = "通知";
    searchAgainstListing(state, criteria);
}

BENCHMARK(BM_SearchFileNames)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SearchCatalogues)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
