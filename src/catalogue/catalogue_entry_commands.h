#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "settings/calendar_mode.h"
#include "volumes/volume_filter.h"

namespace bunrako {

class Clock;
class Prompt;
struct CDocMasterData;
struct CSakuinMokurokuFilter;

// The commands of the index catalogue tab (索引目録) for the volume selected
// in the volume list: what they do with the entries the dialog returns. The
// catalogue is opened for the volume (its folder tree made, a catalogue left
// in the old place moved), reloaded before each change and written at once.

// 登録: stores the entry in its place (after the entries of the same date;
// the same document replaces the stored one). The entry's index, or -1 when
// the catalogue could not be written.
int registerCatalogueEntry(const CSakuinMokurokuList& entry, const CDocMasterData& volume,
                           const std::filesystem::path& volumeFile, const Clock& clock,
                           Prompt& prompt);

struct CatalogueChangeResult {
    // The edited entry is stored, at this index (-1 when it is not).
    bool stored = false;
    int index = -1;
    // The entry as it was has been removed as asked.
    bool removedBefore = false;

    int result() const { return stored ? 1 : 0; }
};

// 変更: stores the edited entry and, when asked (変更前のデータを削除する),
// removes the entry as it was, so that one entry stays, at the place of its
// new date. The edited entry is stored first: the entry as it was goes only
// once its successor is safely written. An edit that keeps the document's
// key (date, number, subject, remarks) replaces the entry in place.
CatalogueChangeResult changeCatalogueEntry(const CSakuinMokurokuList& before,
                                           const CSakuinMokurokuList& edited, bool removeBefore,
                                           const CDocMasterData& volume,
                                           const std::filesystem::path& volumeFile,
                                           const Clock& clock, Prompt& prompt);

// 削除: removes the entry the clerk confirmed. 1 when it was there and the
// catalogue was written.
int deleteCatalogueEntry(const CSakuinMokurokuList& entry, const CDocMasterData& volume,
                         const std::filesystem::path& volumeFile, const Clock& clock,
                         Prompt& prompt);

// Whether the volume's catalogue was read and no longer holds the entry
// (another workstation removed it meanwhile): a delete that found nothing
// to remove then has nothing left to do. False when the catalogue cannot be
// read.
bool catalogueLacksEntry(const CSakuinMokurokuList& entry, const CDocMasterData& volume,
                         const std::filesystem::path& volumeFile, const Clock& clock,
                         Prompt& prompt);

// Whether a reception date lies within the volume's storage years: from the
// first day of the fiscal year of 収納開始年度 to the last day of the fiscal
// year of 収納終了年度, by calendar day. The entry dialog refuses others.
bool receivedWithinStorageYears(const OleDateTime& received, const CSakuinMokurokuHeader& header,
                                int periodType);

// What the 索引目録 tab shows for a volume.
struct CatalogueListing {
    // The header, in line with the volume record.
    CSakuinMokurokuHeader header;
    // The entries that pass the extraction, in catalogue order.
    std::vector<CSakuinMokurokuList> entries;
    std::string caption;
};

// Loads the volume's catalogue, brings its header in line with the volume
// (writing the catalogue, whole, when anything differed) and keeps the
// entries that pass the criteria. A volume without a catalogue file yet
// shows no entries and gets no file.
CatalogueListing listCatalogue(const CDocMasterData& volume,
                               const std::filesystem::path& volumeFile,
                               const CSakuinMokurokuFilter& criteria, CalendarMode mode,
                               const Clock& clock, Prompt& prompt);

// Whether the volume's catalogue holds at least one entry. Only reads: no
// folder is made and nothing is moved; a catalogue an earlier release left
// in the old place counts as well.
bool volumeHasCatalogueEntries(const std::filesystem::path& volumeFile,
                               const CDocMasterData& volume);
// The probe the volume extraction uses for its 索引目録 criterion.
CatalogueProbe catalogueProbe(std::filesystem::path volumeFile);

}  // namespace bunrako
