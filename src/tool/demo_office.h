#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "common/ole_date_time.h"

namespace bunrako {
class Prompt;
}

namespace bunrako::cli {

// What a demo office is made of.
struct DemoOptions {
    // An existing folder; the office's files are written into it.
    std::filesystem::path folder;
    int volumes = 200;
    int entries = 200;
    uint32_t seed = 1;
    // The day the office stands at: the latest fiscal year, the dates that
    // have passed and the disposals that are due. Fixed, so that a seed
    // always gives the same bytes.
    OleDateTime today = OleDateTime::fromDate(2026, 4, 1);
    // Only the newest volumes get a folder tree, an index catalogue and
    // register entries, so that a large office is still made in seconds.
    int catalogueLimit = 2000;
};

inline constexpr int kDemoDefaultVolumes = 200;
inline constexpr int kDemoDefaultEntries = 200;
inline constexpr int kDemoMaxCount = 200000;
inline constexpr int kDemoFiscalYears = 10;

struct DemoSummary {
    // False when a file could not be written (the prompt has said which).
    bool written = false;
    // The data folder as the settings name it, with its trailing separator.
    std::string dataFolder;
    size_t volumes = 0;
    size_t disposed = 0;
    size_t changeForms = 0;
    size_t catalogues = 0;
    size_t catalogueEntries = 0;
    size_t relatedFiles = 0;
    size_t registerEntries = 0;
};

// Writes a complete demo office into options.folder: the pointer file and the
// settings of two sections, the three masters, the volume, disposed-volume
// and change-form files, folder trees with index catalogues and a few
// related files, the title register with its receipt numbers, the name lists
// and the approver table. Every file goes through the program's own writer.
DemoSummary makeDemoOffice(const DemoOptions& options, Prompt& prompt);

}  // namespace bunrako::cli
