#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "volumes/doc_master_data.h"
#include "volumes/excel_bosatu_data.h"

namespace bunrako {

class CSetteiKoumokuList;

// Turns read import rows into volumes with the masters: the department code
// of the department and section, the classification codes of the three
// names level by level, and the retention type by the row's years (99 years
// is the type named "永年"; otherwise the last type of that many years).
// Look-ups are remembered, since the rows of one import repeat the same few
// names.
class ExcelBosatuConverter {
  public:
    ExcelBosatuConverter(const CSetteiKoumokuList& department,
                         const CSetteiKoumokuList& classification,
                         const CSetteiKoumokuList& retention);

    // Fills the volume from the row; false, with the reason (UTF-8) in note,
    // when a name or the retention type is not in the masters.
    bool Convert(const CExcelBosatuData& row, CDocMasterData& volume, std::string& note);

  private:
    struct Classification {
        bool found = false;
        std::string major, middle, minor;  // the classification codes, CP932
    };
    struct RetentionType {
        long years;
        size_t index;
    };

    // The ten-digit code, "" when the department and section are unknown.
    const std::string& departmentCode(const CExcelBosatuData& row);
    const Classification& classification(const CExcelBosatuData& row);
    bool retentionType(const CExcelBosatuData& row, CDocMasterData& volume,
                       std::string& note) const;

    const CSetteiKoumokuList& m_department;
    const CSetteiKoumokuList& m_classification;
    const CSetteiKoumokuList& m_retention;
    std::vector<RetentionType> m_retentionYears;
    std::map<std::tuple<std::string, std::string>, std::string> m_departmentCodes;
    std::map<std::tuple<std::string, std::string, std::string>, Classification> m_classifications;
};

}  // namespace bunrako
