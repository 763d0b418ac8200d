#pragma once

#include <filesystem>
#include <optional>
#include <span>

#include "common/ole_date_time.h"
#include "volumes/batch_result.h"
#include "volumes/year_input.h"

namespace bunrako {

class Prompt;
struct CDocMasterData;

// Bulk disposal (廃棄処理): the selected volumes are marked disposed in one
// month and entered in the disposed-volume file.

// Day 1 of the disposal month the dialog holds; nothing when the input is
// incomplete (no era, an era year not above 0, a Western year below 1900, a
// month outside 1-12), and then the dialog stays open without a message.
std::optional<OleDateTime> disposalMonthOf(const YearMonthInput& input);

// For each volume in order: disposal month and flag set, stored in the master
// file and then in the disposed-volume file (the same volume replaced or
// appended). A volume disposed before gets the new month in both files.
//
// Both files are read once and written once (sorted), with the records,
// numbers and order that storing the volumes one by one gives. A file that
// will not read, or a stop asked for while the volumes are worked out in
// memory (progress advances by one per volume, 0 .. number of volumes),
// leaves both files untouched. A volume that cannot be numbered ends the
// batch there: the volumes before it are written. A write that fails leaves
// no volume done; `written` names the files that were.
BatchResult disposeVolumes(std::span<const CDocMasterData> selected, const OleDateTime& month,
                           const std::filesystem::path& masterFile,
                           const std::filesystem::path& disposedFile, Prompt& prompt,
                           const BatchProgress& progress = {}, const BatchStop& stop = {});

}  // namespace bunrako
