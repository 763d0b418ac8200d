#include "settings/shoki_settei_data.h"

#include <array>

#include "common/format_text.h"
#include "settings/texts.h"

namespace bunrako {
namespace {

using D = CShokiSetteiData;

constexpr ShokiSetteiField text(const char* name, const char* key, std::string D::*member,
                                const char* defaultValue) {
    return {name, key, member, nullptr, defaultValue, 0};
}

constexpr ShokiSetteiField number(const char* name, const char* key, int32_t D::*member,
                                  int32_t defaultValue) {
    return {name, key, nullptr, member, nullptr, defaultValue};
}

// The one table of the record's fields: declared order, keys and defaults.
constexpr std::array<ShokiSetteiField, 32> kFields = {{
    /* 0 */ text("m_strSectionName", "課局室名", &D::m_strSectionName, ""),
    /* 1 */ text("m_strSubsectionName", "", &D::m_strSubsectionName, ""),
    /* 2 */ text("m_strSectionCode", "課分類コード", &D::m_strSectionCode, ""),
    /* 3 */ text("m_strVolumeFile", "マスターファイル名", &D::m_strVolumeFile, "DocMaster.dat"),
    /* 4 */ text("m_strDisposedFile", "廃棄ファイル名", &D::m_strDisposedFile, "HaikiDoc.dat"),
    /* 5 */ number("m_bUseWordProcessor", "一太郎を使うかどうか", &D::m_bUseWordProcessor, 0),
    /* 6 */
    text("m_strWordProcessorExe", "一太郎起動ファイル", &D::m_strWordProcessorExe,
         "C:\\Program Files\\Justsystem\\TARO19\\TARO19.EXE"),
    /* 7 */
    text("m_strRegisterFile", "文書件名簿ファイル名", &D::m_strRegisterFile, "KenMeibo.dat"),
    /* 8 */ number("m_nRegisterPeriod", "文書件名簿年度暦年管理", &D::m_nRegisterPeriod, 0),
    /* 9 */ number("m_nNextReceiptNo", "", &D::m_nNextReceiptNo, 1),
    /* 10 */ number("m_bUseSpreadsheet", "エクセルを使うかどうか", &D::m_bUseSpreadsheet, 0),
    /* 11 */
    text("m_strSpreadsheetExe", "エクセル起動ファイル", &D::m_strSpreadsheetExe,
         "C:\\Program Files\\Microsoft Office\\Office11\\EXCEL.EXE"),
    /* 12 */
    text("m_strVolumeTitleForm", "簿冊タイトル", &D::m_strVolumeTitleForm, "簿冊タイトル.jtd"),
    /* 13 */ text("m_strIndexForm", "索引目録様式", &D::m_strIndexForm, "索引目録.jtd"),
    /* 14 */
    text("m_strIndexBatchForm", "索引目録一括印刷", &D::m_strIndexBatchForm,
         "索引目録（一括）.jtd"),
    /* 15 */ text("m_strDraftForm", "起案文書", &D::m_strDraftForm, "起案文書様式.jtd"),
    /* 16 */ text("m_strWordProcessorExt", "一太郎拡張子", &D::m_strWordProcessorExt, "jtd"),
    /* 17 */ text("m_strSpreadsheetExt", "エクセル拡張子", &D::m_strSpreadsheetExt, "xls"),
    /* 18 */
    number("m_bUseFileManager", "ファイル管理ソフトを使うかどうか", &D::m_bUseFileManager, 0),
    /* 19 */
    text("m_strFileManagerExe", "ファイル管理ソフト", &D::m_strFileManagerExe,
         "C:\\WINDOWS\\explorer.exe"),
    /* 20 */
    text("m_strRetentionChangeFile", "保存年限変更書ファイル名", &D::m_strRetentionChangeFile,
         "Minaosi.dat"),
    /* 21 */ text("m_strNumberPrefix", "一般文書接頭語", &D::m_strNumberPrefix, "上保第"),
    /* 22 */
    number("m_bUsePersonalFolder", "個人フォルダを使うかどうか", &D::m_bUsePersonalFolder, 0),
    /* 23 */ text("m_strPersonalFolder", "個人フォルダ名", &D::m_strPersonalFolder, ""),
    /* 24 */
    text("m_strLinkVolumeProgram", "データ連係文書整理ファイル", &D::m_strLinkVolumeProgram, ""),
    /* 25 */
    text("m_strLinkIndexProgram", "データ連係索引目録ファイル", &D::m_strLinkIndexProgram, ""),
    /* 26 */
    text("m_strLinkRegisterProgram", "データ連係文書件名簿ファイル", &D::m_strLinkRegisterProgram,
         ""),
    /* 27 */
    text("m_strLinkRetentionProgram", "データ連係保存年限変更書ファイル",
         &D::m_strLinkRetentionProgram, ""),
    /* 28 */ number("m_nCalendarMode", "和暦(0)・西暦(1)管理の切替", &D::m_nCalendarMode, 0),
    /* 29 */ number("m_nManagementPeriod", "管理期間", &D::m_nManagementPeriod, 0),
    /* 30 */
    text("m_strLinkPermanentProgram", "データ連係永年保存ファイル", &D::m_strLinkPermanentProgram,
         ""),
    /* 31 */
    text("m_strLinkDisposedProgram", "データ連係廃棄簿冊ファイル", &D::m_strLinkDisposedProgram,
         ""),
}};

// The settings file's order: the program flag before its path, the disposed
// file after them; the receipt number (9) is not stored.
constexpr std::array<int, 31> kStoredOrder = {0,  1,  2,  3,  5,  6,  4,  7,  8,  10, 11,
                                              12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                                              23, 24, 25, 26, 27, 28, 29, 30, 31};

constexpr std::array<const ShokiSetteiField*, 31> kStoredFields = [] {
    std::array<const ShokiSetteiField*, 31> fields{};
    for (size_t i = 0; i < kStoredOrder.size(); ++i) fields[i] = &kFields[kStoredOrder[i]];
    return fields;
}();

}  // namespace

CShokiSetteiData::CShokiSetteiData() {
    for (const ShokiSetteiField& field : kFields) {
        if (field.text) {
            this->*field.text = field.textDefault;
        } else {
            this->*field.number = field.numberDefault;
        }
    }
}

std::vector<std::string> ShokiSetteiChoiceProblems(const CShokiSetteiData& record) {
    struct Choice {
        const ShokiSetteiField& field;
        int32_t last;
    };
    // Field 28 is the calendar mode, 29 the management period.
    const Choice choices[] = {{kFields[28], 1}, {kFields[29], 3}};
    std::vector<std::string> problems;
    for (const Choice& choice : choices) {
        const int32_t value = record.*choice.field.number;
        if (value >= 0 && value <= choice.last) continue;
        problems.push_back(formatPrintf(settings::texts::kChoiceOutOfRange, choice.field.key,
                                        static_cast<int>(value), static_cast<int>(choice.last)));
    }
    return problems;
}

std::span<const ShokiSetteiField> ShokiSetteiFields() { return kFields; }

std::span<const ShokiSetteiField* const> ShokiSetteiStoredFields() { return kStoredFields; }

}  // namespace bunrako
