#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/ole_date_time.h"

namespace bunrako {

// One related electronic file (関連ファイル) of a document. In memory a
// fixed-layout record; on disk written field by field into the list's archive.
#pragma pack(push, 4)
struct CKanrenFileData {
    char fileName[260];      // ファイルの名称, without folder
    char fileType[260];      // ファイルの種類, stored as it is
    OleDateTime lastUpdate;  // ファイルの最終更新日: registered or changed
    int32_t valid;           // ファイルの有効無効: 1 valid, else shown as 無効
    char folder[256];        // ファイルの保存場所

    // All zero, valid, last update `now`.
    static CKanrenFileData New(const OleDateTime& now);

    // The same file: folder followed directly by name, byte for byte.
    bool SameKey(const CKanrenFileData& other) const;

    std::string fileNameText() const;
    std::string fileTypeText() const;
    std::string folderText() const;
    // Setters cut at the field width, never inside a character.
    void setFileNameText(std::string_view utf8);
    void setFileTypeText(std::string_view utf8);
    void setFolderText(std::string_view utf8);
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<CKanrenFileData>);
static_assert(std::is_standard_layout_v<CKanrenFileData>);
static_assert(sizeof(CKanrenFileData) == 792);
static_assert(offsetof(CKanrenFileData, fileName) == 0);
static_assert(offsetof(CKanrenFileData, fileType) == 260);
static_assert(offsetof(CKanrenFileData, lastUpdate) == 520);
static_assert(offsetof(CKanrenFileData, valid) == 532);
static_assert(offsetof(CKanrenFileData, folder) == 536);

}  // namespace bunrako
