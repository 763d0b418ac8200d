// The bulk import of 10,000 CSV lines into a volume file of 100,000 volumes
// (65.6 MB): reading the CSV, converting with the masters and storing
// (re-read, numbering without file access, one sort, one write with its
// safety copy), against a plain read + write of the same volume file.
// Target: a few seconds at most; each stored volume costs O(1) on average.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "common/cp932.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "settings/settei_koumoku_list.h"
#include "volumes/doc_master_list.h"
#include "volumes/excel_bosatu_import.h"

namespace {

using namespace bunrako;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kVolumes = 100000;
constexpr int kLines = 10000;
constexpr int kSections = 10;

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

std::string code(int level1, int level2 = 0, int level3 = 0) {
    char text[32];
    std::snprintf(text, sizeof text, "%03d%03d%04d", level1, level2, level3);
    return text;
}

// 20 fiscal years, 10 sections, 5 × 5 × 4 classifications.
struct Shape {
    int year, section, major, middle, minor;
};
Shape shapeOf(int i) {
    const int classification = (i / 200) % 100;
    return {2001 + i % 20, (i / 20) % kSections, classification / 20, classification / 4 % 5,
            classification % 4};
}

CDocMasterData storedVolume(int i) {
    const Shape s = shapeOf(i);
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(s.year, 4, 1));
    volume.setKaMei("総務課");
    volume.setKakariMei("係" + std::to_string(s.section));
    volume.setKaBunruiCode(code(1, s.section + 1));
    volume.setDaiBunruiCode(std::to_string(s.major + 1));
    volume.setDaiBunruiMei("大分類" + std::to_string(s.major));
    volume.setChuuBunruiCode(std::to_string(s.middle + 1));
    volume.setChuuBunruiMei("中分類" + std::to_string(s.middle));
    volume.setShouBunruiCode(std::to_string(s.minor + 1));
    volume.setShouBunruiMei("小分類" + std::to_string(s.minor));
    volume.setTitle("簿冊タイトル第" + std::to_string(i) + "号");
    return volume;
}

std::string eraYear(int year) {
    return year >= 2019 ? "R" + std::to_string(year - 2018) : "H" + std::to_string(year - 1988);
}

// Nine lines in ten add a volume; every tenth one names a stored volume
// again and replaces it.
std::string csvText() {
    std::string text =
        "No,作成年度,課名,係名,大分類,中分類,小分類,タイトル,冊数,収納開始,"
        "収納終了,保存年限,満了年月,常用,目次,廃棄年月\r\n";
    for (int line = 0; line < kLines; ++line) {
        const int i = line % 10 == 0 ? line * 7 : kVolumes + line;
        const Shape s = shapeOf(i);
        const std::string year = eraYear(s.year);
        text += std::to_string(line + 1) + "," + year + ",総務課,係" + std::to_string(s.section) +
                ",大分類" + std::to_string(s.major) + ",中分類" + std::to_string(s.middle) +
                ",小分類" + std::to_string(s.minor) + ",簿冊タイトル第" + std::to_string(i) +
                "号,1," + year + "," + year + "," + (line % 3 == 0 ? "永" : "10") + "," +
                eraYear(s.year + 11) + ".4," + (line % 2 ? "常用" : "") + ",有\r\n";
    }
    return utf8ToCp932(text);
}

class Office {
  public:
    Office()
        : m_folder(fs::temp_directory_path() /
                   ("bunrako-import-bench-" + std::to_string(std::random_device()()))) {
        fs::create_directories(m_folder);
        CDocMasterList list(pristineFile(), m_prompt);
        for (int i = 0; i < kVolumes; ++i) list.AddOrReplace(storedVolume(i), true);
        list.sort();
        list.Write();
        writeWholeFile(csvFile(), csvText());

        m_department.Items().push_back({code(1), "総務課", ""});
        for (int s = 0; s < kSections; ++s) {
            m_department.Items().push_back({code(1, s + 1), "係" + std::to_string(s), ""});
        }
        for (int a = 0; a < 5; ++a) {
            m_classification.Items().push_back(
                {code(a + 1), "大分類" + std::to_string(a), std::to_string(a + 1)});
            for (int b = 0; b < 5; ++b) {
                m_classification.Items().push_back(
                    {code(a + 1, b + 1), "中分類" + std::to_string(b), std::to_string(b + 1)});
                for (int c = 0; c < 4; ++c) {
                    m_classification.Items().push_back({code(a + 1, b + 1, c + 1),
                                                        "小分類" + std::to_string(c),
                                                        std::to_string(c + 1)});
                }
            }
        }
        m_retention.Items() = {
            {code(1), "5年", "5"}, {code(2), "10年", "10"}, {code(3), "永年", "99"}};
    }
    ~Office() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    fs::path pristineFile() const { return m_folder / "pristine.dat"; }
    fs::path volumeFile() const { return m_folder / "DocMaster.dat"; }
    fs::path csvFile() const { return m_folder / "import.csv"; }
    fs::path scratchFile() const { return m_folder / "scratch.dat"; }
    Prompt& prompt() { return m_prompt; }
    const CSetteiKoumokuList& department() const { return m_department; }
    const CSetteiKoumokuList& classification() const { return m_classification; }
    const CSetteiKoumokuList& retention() const { return m_retention; }

  private:
    fs::path m_folder;
    SilentPrompt m_prompt;
    CSetteiKoumokuList m_department, m_classification, m_retention;
};

Office& office() {
    static Office instance;
    return instance;
}

double plainReadWrite(const fs::path& file, const fs::path& scratch) {
    const auto start = Clock::now();
    std::string bytes;
    readWholeFile(file, bytes);
    writeWholeFile(scratch, bytes);
    return secondsSince(start);
}

void BM_Import10000Into100000(benchmark::State& state) {
    Office& o = office();
    double plain = 0, read = 0, convert = 0, store = 0;
    for (auto _ : state) {
        fs::copy_file(o.pristineFile(), o.volumeFile(), fs::copy_options::overwrite_existing);
        plain += plainReadWrite(o.volumeFile(), o.scratchFile());
        CExcelBosatuImport importer(0, 0, o.department(), o.classification(), o.retention());
        auto start = Clock::now();
        const auto rows = importer.ReadCsv(o.prompt(), o.csvFile());
        read += secondsSince(start);
        start = Clock::now();
        const auto volumes = importer.Convert(o.prompt());
        convert += secondsSince(start);
        start = Clock::now();
        const auto stored = importer.Store(o.prompt(), o.volumeFile());
        store += secondsSince(start);
        if (rows.count != kLines || volumes.count != kLines || stored.count != kLines) {
            state.SkipWithError("not every line was imported");
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["read_ms"] = 1000 * read / n;
    state.counters["convert_ms"] = 1000 * convert / n;
    state.counters["store_ms"] = 1000 * store / n;
    state.counters["total_ms"] = 1000 * (read + convert + store) / n;
    state.counters["plain_rw_ms"] = 1000 * plain / n;
    state.counters["x_plain_read_write"] = (read + convert + store) / plain;
}

BENCHMARK(BM_Import10000Into100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
