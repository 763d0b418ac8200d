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
// input) without a type of the table or without a reason.
//
// Both files are read once and written once, the volume file first, with the
// records, numbers and order that storing one by one gives. A file that will
// not read, or a stop asked for while the volumes are worked out in memory
// (progress advances by one per volume), leaves both files untouched. A
// volume that cannot be numbered ends the batch there; the volumes before it
// are written with their forms. A write that fails leaves no volume done;
// `written` names the files that were.
BatchResult changeRetentionType(std::span<const CDocMasterData> selected,
                                const std::string& typeName, const std::string& reason,
                                const CSetteiKoumokuList& retention,
                                const std::filesystem::path& masterFile,
                                const std::filesystem::path& formsFile, Prompt& prompt,
                                const BatchProgress& progress = {}, const BatchStop& stop = {});

}  // namespace bunrako
