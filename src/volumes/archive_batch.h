#pragma once

#include <algorithm>
#include <filesystem>
#include <span>
#include <vector>

#include "common/ole_date_time.h"
#include "volumes/batch_result.h"

namespace bunrako {

// The pieces every data disposal (データ廃棄) shares: selected records leave
// their source file for yearly archive files beside it, archive by archive,
// each record written to its archive before it is removed from the source.

// <folder of the source file> + the pattern ("%s%s…dat") with the year as era
// year ("令和2年"). A year the era table cannot name keeps its stand-in, made
// safe for a file name; a date that is not valid leaves the year out.
std::filesystem::path yearlyArchivePath(const std::filesystem::path& sourceFile,
                                        const char* pattern, const OleDateTime& year);

// The indices of the selected records by archive, in the order the archives
// first occur.
template <typename Record, typename PathOf>
std::vector<std::vector<size_t>> groupByArchive(std::span<const Record> selected, PathOf pathOf) {
    std::vector<std::filesystem::path> paths;
    std::vector<std::vector<size_t>> groups;
    for (size_t i = 0; i < selected.size(); ++i) {
        const std::filesystem::path path = pathOf(selected[i]);
        const auto found = std::find(paths.begin(), paths.end(), path);
        if (found == paths.end()) {
            paths.push_back(path);
            groups.push_back({i});
        } else {
            groups[static_cast<size_t>(found - paths.begin())].push_back(i);
        }
    }
    return groups;
}

// The records of one group, in selection order.
template <typename Record>
std::vector<Record> recordsOf(std::span<const Record> selected, const std::vector<size_t>& group) {
    std::vector<Record> records;
    records.reserve(group.size());
    for (size_t i : group) records.push_back(selected[i]);
    return records;
}

// Runs the groups in turn, each done when its step succeeds; the first step
// that fails stops the batch there.
template <typename Step>
BatchResult runGroups(const std::vector<std::vector<size_t>>& groups, Step step) {
    BatchResult result;
    for (const std::vector<size_t>& group : groups) {
        if (!step(group)) {
            result.outcome = BatchResult::Outcome::stopped;
            result.stoppedAt = group.front();
            break;
        }
        result.done.insert(result.done.end(), group.begin(), group.end());
    }
    std::sort(result.done.begin(), result.done.end());
    return result;
}

}  // namespace bunrako
