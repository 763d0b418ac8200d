#include "volumes/haiki_shori.h"

#include <vector>

#include "common/data_file_lock.h"
#include "common/my_tool.h"
#include "volumes/doc_master_data.h"
#include "volumes/doc_master_list.h"

namespace bunrako {
namespace {

constexpr int kFirstWesternYear = 1900;

bool isMonth(int month) { return month >= 1 && month <= 12; }

// The volume file and then the disposed file; a volume counts as done only
// when both were written.
void writeBoth(CDocMasterList& master, CDocMasterList& disposed, BatchResult& result) {
    for (CDocMasterList* list : {&master, &disposed}) {
        if (list->Write() != 1) {
            result.stopUnwritten();
            return;
        }
        result.written.push_back(list->path());
    }
}

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
                           const BatchProgress& progress, const BatchStop& stop) {
    BatchResult result;
    if (selected.empty()) return result;
    CDocMasterList master(masterFile, prompt);
    CDocMasterList disposed(disposedFile, prompt);
    // Both files are held from their re-read to their write, so that no other
    // writer's change falls between; always the volume file first.
    const DataFileLock masterLock(prompt, masterFile);
    if (!masterLock.held()) return result.stopAt(0);
    const DataFileLock disposedLock(prompt, disposedFile);
    if (!disposedLock.held() || !master.ReadForChange() || !disposed.ReadForChange()) {
        return result.stopAt(0);
    }
    const auto total = static_cast<int>(selected.size());
    std::vector<CDocMasterData> stored;
    for (size_t i = 0; i < selected.size(); ++i) {
        if (progress) progress(static_cast<int>(i) + 1, total);
        if (stop && stop()) {
            result.outcome = BatchResult::Outcome::cancelled;
            return result;
        }
        CDocMasterData volume = selected[i];
        volume.HaikiNengetu = month;
        volume.Haiki = 1;
        // As storing one by one would leave it: a volume the volume file took
        // but the disposed file refused stays in the volume file.
        const bool inMaster = master.AddOrReplace(volume, true) == 1;
        if (inMaster) stored.push_back(volume);
        if (!inMaster || !disposed.AddOrReplace(volume, true)) {
            result.stopAt(i);
            break;
        }
        result.done.push_back(i);
    }
    for (const CDocMasterData& volume : stored) {
        master.createFolderTree(volume);
        disposed.createFolderTree(volume);
    }
    master.sort();
    disposed.sort();
    writeBoth(master, disposed, result);
    return result;
}

}  // namespace bunrako
