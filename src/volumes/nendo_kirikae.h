#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/ole_date_time.h"
#include "volumes/batch_result.h"
#include "volumes/doc_master_data.h"

namespace bunrako {

class CSetteiKoumokuList;
class Prompt;

// The department and section that the copies of a fiscal-year switch are
// assigned to, with the department code of that pair.
struct DepartmentChoice {
    std::string department;
    std::string section;
    std::string code;

    // The code is looked up in the department table by the two names ("" when
    // the table does not have them).
    static DepartmentChoice FromTable(std::string department, std::string section,
                                      const CSetteiKoumokuList& departments);
};

// What the year-switch dialog hands over.
struct NendoKirikaeRequest {
    // The master volume file that receives the copies; empty means
    // "DocMaster.dat".
    std::filesystem::path masterFile;
    // The first day of the new fiscal year.
    OleDateTime newYear;
    // Both department and section chosen; without them the copies keep the
    // department of their source.
    std::optional<DepartmentChoice> department;
};

struct NendoKirikaeResult {
    // Indices into the displayed records of the copies stored in the file
    // (none when it was not written).
    std::vector<size_t> copied;
    // Selected records that got no copy: their management number had no
    // serial left (the message has been shown).
    std::vector<size_t> notCopied;
    // Whether the master file was written; false when it could not be read
    // or written, and then no copy is in it.
    bool written = false;
};

// The copy of a volume for the new fiscal year: created and filed in it, one
// book, expiry, disposal and next review at the new year + the retention
// period + 366 days, each earlier review one review period later; the new
// department when one is chosen. Every other field is kept.
CDocMasterData convertForNewYear(const CDocMasterData& volume, const OleDateTime& newYear,
                                 const DepartmentChoice* department);

// The fiscal-year switch: a copy of every displayed record whose mask entry
// is 1, converted and numbered (department digits padded to ten) into the
// master file, with its folder tree; the file is sorted and written once at
// the end. The source records are not touched. Progress runs 0-100: after
// record i it stands at i × 100 / number displayed; then 0, 50 after
// sorting and 100 after writing. Without a selected record nothing happens.
NendoKirikaeResult switchFiscalYear(std::span<const CDocMasterData> displayed,
                                    std::span<const int> mask, const NendoKirikaeRequest& request,
                                    Prompt& prompt, const BatchProgress& progress = {});

}  // namespace bunrako
