#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "volumes/batch_result.h"
#include "volumes/doc_master_data.h"
#include "volumes/hozon_nengen_henkousho_data.h"

namespace bunrako {

class CSetteiKoumokuList;
class Prompt;

// Retention-type change (保存年限変更): the selected volumes get a new
// retention type with their dates worked out again, and one change form
// each.

// A retention type as the retention table gives it: its row, its name and
// its number of years (the row's second value).
struct RetentionType {
    int index = 0;
    std::string name;
    int years = 0;

    // The first row of the table with the name; nothing when none has it.
    static std::optional<RetentionType> Find(const std::string& name,
                                             const CSetteiKoumokuList& retention);
};

// The volume with the new type: its period the type's years × 366 days;
// expiry day 1 of the month that the last filing year + the period reaches,
// one year later; disposal and next review at the expiry with a review
// period of ten years; each earlier review at day 1 of the month the review
// before it reaches with its period, with ten years again. Review flags and
// all else are kept.
CDocMasterData withRetentionType(const CDocMasterData& volume, const RetentionType& type);

// The change form of a volume: its identity from the changed volume, the
// type before from the volume as it was, the type after from the changed one.
CHozonNengenHenkoushoData changeFormOf(const CDocMasterData& before, const CDocMasterData& volume,
                                       const std::string& reason);

// For each volume in order: the new type stored in the master file, then its
// change form added to the change-form file. Nothing happens (incomplete
// input) without a type of the table or without a reason. Stops at the
// first store that fails; a volume counts as done when both were stored.
// The progress advances by one per volume.
BatchResult changeRetentionType(std::span<const CDocMasterData> selected,
                                const std::string& typeName, const std::string& reason,
                                const CSetteiKoumokuList& retention,
                                const std::filesystem::path& masterFile,
                                const std::filesystem::path& formsFile, Prompt& prompt,
                                const BatchProgress& progress = {});

}  // namespace bunrako
