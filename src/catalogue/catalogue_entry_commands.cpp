#include "catalogue/catalogue_entry_commands.h"

#include <string>

#include "catalogue/catalogue_filter.h"
#include "catalogue/catalogue_list_cells.h"
#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/sakuin_mokuroku_file.h"
#include "catalogue/texts.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "volumes/doc_master_data.h"
#include "volumes/extraction_parts.h"
#include "volumes/volume_folders.h"

namespace bunrako {
namespace {

namespace ct = catalogue::texts;
namespace fs = std::filesystem;

CSakuinMokuroku openCatalogue(const CDocMasterData& volume, const fs::path& volumeFile,
                              const Clock& clock, Prompt& prompt) {
    CSakuinMokuroku catalogue(prompt, clock);
    catalogue.setVolume(&volume);
    catalogue.OpenForVolume(volumeFile);
    return catalogue;
}

bool holdsEntries(const fs::path& file) {
    std::string bytes;
    if (readWholeFile(file, bytes) != FileErrorCause::none) return false;
    // The date fills what older versions lack; it does not change the count.
    return !parseCatalogueFile(bytes, OleDateTime()).entries.empty();
}

}  // namespace

int registerCatalogueEntry(const CSakuinMokurokuList& entry, const CDocMasterData& volume,
                           const fs::path& volumeFile, const Clock& clock, Prompt& prompt) {
    return openCatalogue(volume, volumeFile, clock, prompt).AddOrReplace(entry);
}

CatalogueChangeResult changeCatalogueEntry(const CSakuinMokurokuList& before,
                                           const CSakuinMokurokuList& edited, bool removeBefore,
                                           const CDocMasterData& volume, const fs::path& volumeFile,
                                           const Clock& clock, Prompt& prompt) {
    CSakuinMokuroku catalogue = openCatalogue(volume, volumeFile, clock, prompt);
    CatalogueChangeResult result;
    result.index = catalogue.AddOrReplace(edited);
    result.stored = result.index >= 0;
    // The same key was replaced in place: there is nothing else to remove.
    if (!result.stored || !removeBefore || before.SameKey(edited)) return result;
    if (catalogue.Find(before) <= 0) return result;
    catalogue.Remove(before);
    // Remove reloads first; what it holds now is what the file holds if it
    // wrote, so the entry as it was is gone exactly when it cannot be found.
    catalogue.Load();
    result.removedBefore = catalogue.Find(before) <= 0;
    const int found = catalogue.Find(edited);
    result.index = found > 0 ? found - 1 : -1;
    return result;
}

int deleteCatalogueEntry(const CSakuinMokurokuList& entry, const CDocMasterData& volume,
                         const fs::path& volumeFile, const Clock& clock, Prompt& prompt) {
    CSakuinMokuroku catalogue = openCatalogue(volume, volumeFile, clock, prompt);
    catalogue.Load();
    if (catalogue.Find(entry) <= 0) return 0;
    catalogue.Remove(entry);
    catalogue.Load();
    return catalogue.Find(entry) <= 0 ? 1 : 0;
}

bool catalogueLacksEntry(const CSakuinMokurokuList& entry, const CDocMasterData& volume,
                         const fs::path& volumeFile, const Clock& clock, Prompt& prompt) {
    CSakuinMokuroku catalogue = openCatalogue(volume, volumeFile, clock, prompt);
    return catalogue.Load() == 1 && catalogue.Find(entry) <= 0;
}

bool receivedWithinStorageYears(const OleDateTime& received, const CSakuinMokurokuHeader& header,
                                int periodType) {
    const CMyTool tool;
    const DayRange storage = DayRange::Of(tool.FiscalYearStart(header.storageStartYear, periodType),
                                          tool.FiscalYearEnd(header.storageEndYear, periodType));
    return storage.contains(received);
}

CatalogueListing listCatalogue(const CDocMasterData& volume, const fs::path& volumeFile,
                               const CSakuinMokurokuFilter& criteria, CalendarMode mode,
                               const Clock& clock, Prompt& prompt) {
    CSakuinMokuroku catalogue = openCatalogue(volume, volumeFile, clock, prompt);
    CatalogueListing listing;
    if (catalogue.Load() == 1) {
        // The whole catalogue is written, never the extracted part of it.
        catalogue.SyncHeaderFromVolume(volume);
        listing.header = catalogue.header();
        listing.entries = extractCatalogue(catalogue.entries(), CatalogueFilter(criteria));
    } else {
        listing.header = catalogue.header();
        listing.header.CopyVolumeFields(volume);
    }
    listing.caption = catalogueCaption(listing.header, mode);
    return listing;
}

bool volumeHasCatalogueEntries(const fs::path& volumeFile, const CDocMasterData& volume) {
    const fs::path folder = volumeCatalogueFolder(volumeFile, volume);
    const fs::path name = pathFromUtf8(ct::kCatalogueFileName);
    std::error_code ignored;
    if (fs::exists(folder / name, ignored)) return holdsEntries(folder / name);
    // …\タイトル\<year folder>, where earlier releases kept it.
    const fs::path oldFolder = volumeTitleFolder(volumeFile, volume) / folder.filename();
    return holdsEntries(oldFolder / name);
}

CatalogueProbe catalogueProbe(fs::path volumeFile) {
    return [file = std::move(volumeFile)](const CDocMasterData& volume) {
        return volumeHasCatalogueEntries(file, volume);
    };
}

}  // namespace bunrako
