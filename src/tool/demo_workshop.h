#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/my_tool.h"
#include "register/bunsho_ken_meibo_data.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_data.h"
#include "tool/demo_office.h"
#include "tool/demo_random.h"
#include "volumes/doc_master_data.h"

namespace bunrako::cli::demo {

// The demo's clock: always the office's "today", so that no file depends
// on when the demo was made.
class DemoClock : public Clock {
  public:
    explicit DemoClock(const OleDateTime& today) : m_today(today) {}
    OleDateTime now() const override { return m_today; }

  private:
    OleDateTime m_today;
};

// The ten-digit master code of an item from its numbers at each level
// (from 1; 0 where the item has no such level).
std::string masterCode(size_t level1, size_t level2 = 0, size_t level3 = 0);

// The folder's text with exactly one trailing separator: the settings and
// the pointer file append file names to it as they are.
std::string folderTextOf(const std::filesystem::path& folder);

// The date, or the Monday after it when it falls on a weekend: the office
// receives and sends nothing then.
OleDateTime workingDay(const OleDateTime& date);

// What every step of making the office shares.
struct Workshop {
    Workshop(const DemoOptions& options, Prompt& prompt);

    const DemoOptions& options;
    Prompt& prompt;
    DemoRandom random;
    const CMyTool tool;
    const DemoClock clock;
    // The data folder, absolute, and its text with the trailing separator.
    std::filesystem::path folder;
    std::string folderText;
    CSetteiKoumokuList department;
    CSetteiKoumokuList classification;
    CSetteiKoumokuList retention;
    // The settings records of the sections that keep their registers here.
    std::vector<CShokiSetteiData> settings;
};

// A volume that gets a folder tree and an index catalogue: its record as the
// volume file holds it, and whether it is still in use (not disposed).
struct CataloguedVolume {
    CDocMasterData record;
    bool live = true;
};

// Writes the volume, disposed-volume and change-form files. Gives the
// volumes that get catalogues, newest last; false in `written` when a file
// could not be written.
struct VolumeOutcome {
    bool written = false;
    std::vector<CataloguedVolume> catalogued;
};
VolumeOutcome writeVolumes(Workshop& workshop, DemoSummary& summary);

// A title-register entry and the catalogued volume it is filed in.
struct FiledEntry {
    CBunshoKenMeiboData entry;
    size_t volume = 0;
    // Drafted here and sent out, rather than received.
    bool drafted = false;
};

// Writes the title register (entries filed in the catalogued volumes that
// are in use), the receipt numbers and the name lists. Gives the entries in
// the order they were received.
bool writeRegister(Workshop& workshop, const std::vector<CataloguedVolume>& volumes,
                   std::vector<FiledEntry>& filed, DemoSummary& summary);

// Writes the index catalogue of each catalogued volume: the register entries
// filed in it, as the register entry dialog mirrors them, and a few documents
// filed without an entry; now and then a list of related files.
bool writeCatalogues(Workshop& workshop, const std::vector<CataloguedVolume>& volumes,
                     const std::vector<FiledEntry>& filed, DemoSummary& summary);

// The topics of the documents filed in a volume, by its classification.
std::span<const char* const> topicsOf(const CDocMasterData& volume);

}  // namespace bunrako::cli::demo
