#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/ole_date_time.h"
#include "volumes/bosatu_tyuushutu_jouken.h"
#include "volumes/doc_master_data.h"
#include "volumes/extraction_parts.h"

namespace bunrako {

class CSetteiKoumokuList;

// Whether a volume's index catalogue has at least one entry; the catalogue
// is read for the test only when that criterion is on.
using CatalogueProbe = std::function<bool(const CDocMasterData&)>;

// The match predicate of the volume tabs: a volume passes when it passes
// every criterion of the set that is on. The three tabs differ only in the
// set they read. Names compare byte for byte as CP932 (the collation of the
// lists), dates with the half-second equality of date values; a volume whose
// date is not valid never lies within a range.
//
// Built once per extraction: the names are converted and the bounds worked
// out here, so testing a volume neither allocates nor converts.
class VolumeFilter {
  public:
    // retention: the retention table, whose rows the retention-type
    // criterion looks up by the volume's type index.
    VolumeFilter(const CBosatuTyuushutuJouken& criteria, int periodType,
                 const CSetteiKoumokuList& retention, CatalogueProbe catalogue = {});

    bool operator()(const CDocMasterData& volume) const;

  private:
    bool passesNames(const CDocMasterData& volume) const;
    bool passesDates(const CDocMasterData& volume) const;

    std::optional<std::string> m_title;
    std::optional<FiscalYearRange> m_creation;
    std::optional<std::string> m_department;
    std::optional<std::string> m_section;
    std::optional<std::string> m_major;
    std::optional<std::string> m_middle;
    std::optional<std::string> m_minor;
    std::optional<std::string> m_retentionType;
    std::vector<std::string> m_retentionNames;
    std::optional<FiscalYearRange> m_filing;
    std::optional<MonthRange> m_expiry;
    std::optional<MonthRange> m_disposal;
    std::optional<MonthRange> m_review;
    std::optional<bool> m_catalogueHasEntries;
    CatalogueProbe m_catalogue;
};

// The volumes that pass, in the order given, in the storage given.
std::vector<CDocMasterData> extractVolumes(std::span<const CDocMasterData> volumes,
                                           const VolumeFilter& filter,
                                           std::vector<CDocMasterData> storage = {});

// Title order of the volume list: by title as CP932 bytes; volumes with the
// same title keep their order.
void sortVolumesByTitle(std::vector<CDocMasterData>& volumes);

}  // namespace bunrako
