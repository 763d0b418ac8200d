#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/ole_date_time.h"
#include "common/ole_span.h"

namespace bunrako {

struct CDocMasterData;

// The header of an index catalogue: the identifying fields of its volume, in
// the same widths as the volume record. Stored as a 324-byte image.
#pragma pack(push, 4)
struct CSakuinMokurokuHeader {
    char volumeNumber[22];         // 管理番号
    char reserved22[2];            // zero
    OleDateTime fiscalYear;        // 年度
    char departmentName[21];       // 課局室名
    char sectionName[21];          // 係名
    char departmentClassCode[11];  // 課分類コード
    char majorClassCode[5];        // 大分類コード
    char majorClassName[21];       // 大分類名称
    char middleClassCode[3];       // 中分類コード
    char middleClassName[21];      // 中分類名称
    char minorClassCode[3];        // 小分類コード
    char minorClassName[21];       // 小分類名称
    char volumeTitle[73];          // タイトル
    int32_t bookCount;             // 冊数
    OleDateTime storageStartYear;  // 収納開始年度
    OleDateTime storageEndYear;    // 収納終了年度
    int32_t retentionClass;        // 保存年限分類
    char retentionText[41];        // 保存年限 (text)
    char reserved309[3];           // zero
    OleSpan retentionSpan;         // 保存年限 (days)

    // Every byte zero, then the three years 1 April of the fiscal year of
    // `now` (April whatever the settings say), retention class 2, "５年" and
    // 1830 days.
    static CSakuinMokurokuHeader Cleared(const OleDateTime& now);

    // Copies every identifying field of the volume that differs from the
    // header's (texts byte for byte, dates and the span with the half-second
    // equality, numbers by value); true when any did.
    bool CopyVolumeFields(const CDocMasterData& volume);

    // UTF-8 views of the texts; setters cut at the field width.
    std::string volumeNumberText() const;
    std::string departmentNameText() const;
    std::string sectionNameText() const;
    std::string majorClassNameText() const;
    std::string middleClassNameText() const;
    std::string minorClassNameText() const;
    std::string volumeTitleText() const;
    std::string retentionTextText() const;
    void setVolumeTitleText(std::string_view utf8);
    void setRetentionTextText(std::string_view utf8);
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<CSakuinMokurokuHeader>);
static_assert(std::is_standard_layout_v<CSakuinMokurokuHeader>);
static_assert(sizeof(CSakuinMokurokuHeader) == 324);
static_assert(offsetof(CSakuinMokurokuHeader, volumeNumber) == 0);
static_assert(offsetof(CSakuinMokurokuHeader, reserved22) == 22);
static_assert(offsetof(CSakuinMokurokuHeader, fiscalYear) == 24);
static_assert(offsetof(CSakuinMokurokuHeader, departmentName) == 36);
static_assert(offsetof(CSakuinMokurokuHeader, sectionName) == 57);
static_assert(offsetof(CSakuinMokurokuHeader, departmentClassCode) == 78);
static_assert(offsetof(CSakuinMokurokuHeader, majorClassCode) == 89);
static_assert(offsetof(CSakuinMokurokuHeader, majorClassName) == 94);
static_assert(offsetof(CSakuinMokurokuHeader, middleClassCode) == 115);
static_assert(offsetof(CSakuinMokurokuHeader, middleClassName) == 118);
static_assert(offsetof(CSakuinMokurokuHeader, minorClassCode) == 139);
static_assert(offsetof(CSakuinMokurokuHeader, minorClassName) == 142);
static_assert(offsetof(CSakuinMokurokuHeader, volumeTitle) == 163);
static_assert(offsetof(CSakuinMokurokuHeader, bookCount) == 236);
static_assert(offsetof(CSakuinMokurokuHeader, storageStartYear) == 240);
static_assert(offsetof(CSakuinMokurokuHeader, storageEndYear) == 252);
static_assert(offsetof(CSakuinMokurokuHeader, retentionClass) == 264);
static_assert(offsetof(CSakuinMokurokuHeader, retentionText) == 268);
static_assert(offsetof(CSakuinMokurokuHeader, reserved309) == 309);
static_assert(offsetof(CSakuinMokurokuHeader, retentionSpan) == 312);

}  // namespace bunrako
