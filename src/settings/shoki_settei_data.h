#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace bunrako {

// The initial settings of one section (課) and sub-section (係): where its
// register files are, which outside programs and form templates it uses, the
// calendar mode and the management period. Texts are UTF-8 in memory and
// CP932 in the settings file. Flags and choices are 32-bit integers.
class CShokiSetteiData {
  public:
    // Every field gets its default from the field table.
    CShokiSetteiData();

    bool operator==(const CShokiSetteiData&) const = default;

    std::string m_strSectionName;
    std::string m_strSubsectionName;
    std::string m_strSectionCode;
    std::string m_strVolumeFile;
    std::string m_strDisposedFile;
    int32_t m_bUseWordProcessor;
    std::string m_strWordProcessorExe;
    std::string m_strRegisterFile;
    int32_t m_nRegisterPeriod;
    int32_t m_nNextReceiptNo;  // kept in the receipt-number file, not here
    int32_t m_bUseSpreadsheet;
    std::string m_strSpreadsheetExe;
    std::string m_strVolumeTitleForm;
    std::string m_strIndexForm;
    std::string m_strIndexBatchForm;
    std::string m_strDraftForm;
    std::string m_strWordProcessorExt;
    std::string m_strSpreadsheetExt;
    int32_t m_bUseFileManager;
    std::string m_strFileManagerExe;
    std::string m_strRetentionChangeFile;
    std::string m_strNumberPrefix;
    int32_t m_bUsePersonalFolder;
    std::string m_strPersonalFolder;
    std::string m_strLinkVolumeProgram;
    std::string m_strLinkIndexProgram;
    std::string m_strLinkRegisterProgram;
    std::string m_strLinkRetentionProgram;
    int32_t m_nCalendarMode;
    int32_t m_nManagementPeriod;
    std::string m_strLinkPermanentProgram;
    std::string m_strLinkDisposedProgram;

    // Stored text ends at its first NUL. What a text field of the settings
    // file held after it (damaged or foreign data), by field name: never
    // shown or used, written back after the field's text so that saving
    // loses nothing.
    std::map<std::string, std::string> m_storedTails;
};

// One field of the record: its name, the key that labels it in read-error
// messages ("" where it has none), where it lives and its default. Exactly
// one of text and number is set.
struct ShokiSetteiField {
    const char* name;
    const char* key;
    std::string CShokiSetteiData::*text;
    int32_t CShokiSetteiData::*number;
    const char* textDefault;
    int32_t numberDefault;
};

// The calendar mode (0 era, 1 Western years) and the management period type
// (0-3) are choices of the settings dialog; with any other value, read from a
// damaged file, no fiscal year can be named. One line per such field,
// naming its key and value; none for a sound record.
std::vector<std::string> ShokiSetteiChoiceProblems(const CShokiSetteiData& record);

// All 32 fields in their declared order.
std::span<const ShokiSetteiField> ShokiSetteiFields();
// The fields in the order the settings file stores them (31: the receipt
// number is kept elsewhere). Older versions store a prefix of this order.
std::span<const ShokiSetteiField* const> ShokiSetteiStoredFields();

}  // namespace bunrako
