#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "catalogue/sakuin_mokuroku_list.h"
#include "common/ole_date_time.h"

namespace bunrako {

class CSetteiKoumokuList;
class Clock;
class Prompt;
struct CBunshoKenMeiboData;
struct CDocMasterData;

// Saving a title-register entry keeps the index catalogue (索引目録) of the
// volume it is filed in in step: the entry is mirrored into a catalogue
// entry, which is stored in (or, when the entry is deleted, removed from)
// the catalogue of the one volume of the entry's title, section,
// sub-section and volume year.

// The section (課) and sub-section (係) the clerk chose for the entry, by
// name (UTF-8), as the volume records name them.
struct VolumeChoice {
    std::string sectionName;
    std::string subsectionName;
};
// The names of the entry's section code in the department table: the
// section of its first three characters, the sub-section of the whole code.
VolumeChoice volumeChoiceOf(const CBunshoKenMeiboData& entry,
                            const CSetteiKoumokuList& departments);

// The catalogue entry that mirrors a register entry: reception date,
// number, subject, completion, progress steps 1-10, sender and receiver, and
// the register link set. Remarks stay empty and steps 11-14 as a cleared
// entry has them (dated `now`).
CSakuinMokurokuList mirroredCatalogueEntry(const CBunshoKenMeiboData& entry,
                                           const OleDateTime& now);

// The volumes whose title is the entry's volume title, whose section and
// sub-section names are the chosen ones and whose year is the entry's
// volume year (dates equal within half a second), in list order.
std::vector<size_t> volumesOfEntry(const CBunshoKenMeiboData& entry, const VolumeChoice& choice,
                                   std::span<const CDocMasterData> volumes);

enum class MirrorAction { store, remove };

enum class MirrorOutcome {
    // The catalogue was written (the entry stored or removed).
    done,
    // Several volumes match: the clerk is told; no catalogue is changed.
    severalVolumes,
    // No volume matches: the clerk is told; no catalogue is changed.
    noVolume,
    // The catalogue file could not be written (its message has been shown).
    fileFailed,
};

// Mirrors the entry into the catalogue of its volume: stored (register and
// change) or removed (delete), the catalogue file reloaded first and written
// at once, its header brought in line with the volume. The register entry
// itself is stored by the caller whatever the outcome.
MirrorOutcome mirrorIntoCatalogue(const CBunshoKenMeiboData& entry, MirrorAction action,
                                  const VolumeChoice& choice,
                                  std::span<const CDocMasterData> volumes,
                                  const std::filesystem::path& volumeFile, const Clock& clock,
                                  Prompt& prompt);

}  // namespace bunrako
