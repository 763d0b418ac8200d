#pragma once

#include <span>
#include <string>
#include <vector>

#include "settings/list_column.h"

namespace bunrako {

struct CKanrenFileData;

// The columns of the related-file list, in order.
enum class RelatedFileListColumn : int {
    file = 0,
    valid,
    kind,
    updated,
    folder,
    count,
};

// The columns of the related-file list (関連ファイル): ファイル, 効力, 種類,
// 最終更新, フォルダ.
std::span<const ListColumn> relatedFileListColumns();

// The text of one cell, UTF-8 ("" for a column the list does not have):
// the file name, "無効" for a file not marked valid (else empty), the kind,
// the last update as "2024/05/01 09:30:00" (empty when not a valid date) and
// the folder. The calendar setting does not change them.
std::string relatedFileListCell(const CKanrenFileData& file, int column);
// The whole row, one text per column.
std::vector<std::string> relatedFileListCells(const CKanrenFileData& file);

}  // namespace bunrako
