#include "volumes/haiki_shori.h"

#include "common/my_tool.h"
#include "volumes/doc_master_data.h"
#include "volumes/doc_master_list.h"

namespace bunrako {
namespace {

constexpr int kFirstWesternYear = 1900;

bool isMonth(int month) { return month >= 1 && month <= 12; }

}  // namespace

std::optional<OleDateTime> disposalMonthOf(const YearMonthInput& input) {
    const CMyTool tool;
    const YearInput& year = input.year;
    const bool complete = year.western
                              ? year.year >= kFirstWesternYear
                              : year.era >= 1 && year.era <= tool.EraCount() && year.eraYear > 0;
    if (!complete || !isMonth(input.month)) return std::nullopt;
    const OleDateTime month = firstDayOfMonth(input, tool);
    if (!month.isValid()) return std::nullopt;
    return month;
}

BatchResult disposeVolumes(std::span<const CDocMasterData> selected, const OleDateTime& month,
                           const std::filesystem::path& masterFile,
                           const std::filesystem::path& disposedFile, Prompt& prompt,
                           const BatchProgress& progress) {
    BatchResult result;
    CDocMasterList master(masterFile, prompt);
    CDocMasterList disposed(disposedFile, prompt);
    const auto total = static_cast<int>(selected.size());
    for (size_t i = 0; i < selected.size(); ++i) {
        if (progress) progress(static_cast<int>(i) + 1, total);
        CDocMasterData volume = selected[i];
        volume.HaikiNengetu = month;
        volume.Haiki = 1;
        if (!master.AddOrReplace(volume) || !disposed.AddOrReplace(volume)) {
            result.outcome = BatchResult::Outcome::stopped;
            result.stoppedAt = i;
            return result;
        }
        result.done.push_back(i);
    }
    return result;
}

}  // namespace bunrako
