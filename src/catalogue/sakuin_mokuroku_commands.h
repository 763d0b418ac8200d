#pragma once

#include <filesystem>
#include <span>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "settings/calendar_mode.h"
#include "volumes/volume_linkage.h"

namespace bunrako {

class CShokiSetteiData;
class Clock;
class Prompt;
class Shell;
struct CDocMasterData;

// The index catalogue commands that hand catalogues to outside programs.
// Files go into the data folder (the program's folder when it is empty).

// データ連携 of the 索引目録 tab: writes SakuinIkkatuWord.csv,
// SakuinIkkatu.csv (both as the first of a batch) and SakuinMokuroku.csv
// from the catalogue shown (its entries as extracted), then opens the
// settings' linkage file when the spreadsheet is in use. A file that cannot
// be written is reported with its path and cause, and the linkage goes on.
// 1 when all three files were written.
int LinkSakuinMokuroku(Prompt& prompt, Shell& shell, const CShokiSetteiData& settings,
                       const std::filesystem::path& dataFolder, const CSakuinMokurokuHeader& header,
                       std::span<const CSakuinMokurokuList> entries);

// Writes the batch files from the catalogues of the volumes, in the order
// given, every entry of each: the catalogue is opened for the volume, loaded
// and brought in line with the volume first. Used by the batch printing and
// by the volume data linkage. On a file that cannot be written it tells the
// clerk which of the two failed and returns 0 at once.
int WriteSakuinIkkatuForVolumes(Prompt& prompt, const Clock& clock,
                                std::span<const CDocMasterData> volumes,
                                const std::filesystem::path& volumeFile,
                                const std::filesystem::path& dataFolder, CalendarMode calendar);

// The step of the volume list's data linkage that appends the chosen
// volumes' catalogues to the batch files (WriteSakuinIkkatuForVolumes with
// the settings' volume file and calendar). Prompt and clock must outlive it.
CatalogueLinkageStep SakuinIkkatuLinkageStep(Prompt& prompt, const Clock& clock,
                                             const CShokiSetteiData& settings,
                                             const std::filesystem::path& dataFolder);

// 索引目録一括印刷 of the volume tab: writes the batch files from the selected
// volumes and, when the word processor is in use and the clerk agrees, prints
// the batch form. Nothing happens without a selection. 1 when the files were
// written (and the form handed over, if asked for).
int PrintSakuinIkkatu(Prompt& prompt, Shell& shell, const Clock& clock,
                      const CShokiSetteiData& settings, const std::filesystem::path& dataFolder,
                      std::span<const CDocMasterData> selected);

}  // namespace bunrako
