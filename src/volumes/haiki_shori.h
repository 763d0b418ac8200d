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
// file and then in the disposed-volume file (each re-read, the same volume
// replaced or appended, sorted and written). A volume disposed before gets
// the new month in both files. Stops at the first store that fails; the
// progress advances by one per volume (0 .. number of volumes).
BatchResult disposeVolumes(std::span<const CDocMasterData> selected, const OleDateTime& month,
                           const std::filesystem::path& masterFile,
                           const std::filesystem::path& disposedFile, Prompt& prompt,
                           const BatchProgress& progress = {});

}  // namespace bunrako
