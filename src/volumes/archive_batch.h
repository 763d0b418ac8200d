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

// The paths of the groups' archives, in the order of the groups.
template <typename Record, typename PathOf>
std::vector<std::filesystem::path> archivePaths(std::span<const Record> selected,
                                                const std::vector<std::vector<size_t>>& groups,
                                                PathOf pathOf) {
    std::vector<std::filesystem::path> paths;
    for (const std::vector<size_t>& group : groups)
        paths.push_back(pathOf(selected[group.front()]));
    return paths;
}

// Stores each group in its archive (one read and one write each; the first
// that fails stops there), then takes the archived records out of the source
// with one read and one write. A record is thus never gone from its source
// before it is safe in its archive; when the source cannot be rewritten the
// archived records stay in both and none counts as done. The progress goes
// by one per archive and one for the source.
template <typename Record, typename Archive, typename RemoveFromSource>
BatchResult archiveThenRemove(std::span<const Record> selected,
                              const std::vector<std::vector<size_t>>& groups,
                              const std::vector<std::filesystem::path>& archives, Archive archive,
                              const std::filesystem::path& source, RemoveFromSource remove,
                              const BatchProgress& progress) {
    BatchResult result;
    const auto upper = static_cast<int>(groups.size()) + 1;
    for (size_t g = 0; g < groups.size(); ++g) {
        if (!archive(archives[g], recordsOf(selected, groups[g]))) {
            result.stopAt(groups[g].front());
            break;
        }
        result.written.push_back(archives[g]);
        result.done.insert(result.done.end(), groups[g].begin(), groups[g].end());
        if (progress) progress(static_cast<int>(g) + 1, upper);
    }
    std::sort(result.done.begin(), result.done.end());
    if (result.done.empty()) return result;
    if (!remove(recordsOf(selected, result.done))) {
        const size_t at = result.stoppedAt.value_or(result.done.front());
        result.stopUnwritten().stoppedAt = at;
        return result;
    }
    result.written.push_back(source);
    if (progress) progress(upper, upper);
    return result;
}

}  // namespace bunrako
