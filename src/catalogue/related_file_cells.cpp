#include "catalogue/related_file_cells.h"

#include "catalogue/kanren_file_data.h"
#include "catalogue/texts.h"

namespace bunrako {
namespace {

namespace ct = catalogue::texts;

constexpr ListColumn kRelatedFileListColumns[] = {
    {ct::kColumnFile, 500},       {ct::kColumnValidity, 50}, {ct::kColumnFileType, 150},
    {ct::kColumnLastUpdate, 160}, {ct::kColumnFolder, 300},
};
static_assert(std::size(kRelatedFileListColumns) ==
              static_cast<size_t>(RelatedFileListColumn::count));

}  // namespace

std::span<const ListColumn> relatedFileListColumns() { return kRelatedFileListColumns; }

std::string relatedFileListCell(const CKanrenFileData& file, int column) {
    switch (static_cast<RelatedFileListColumn>(column)) {
        case RelatedFileListColumn::file:
            return file.fileNameText();
        case RelatedFileListColumn::valid:
            return file.valid == 1 ? std::string() : ct::kCellInvalid;
        case RelatedFileListColumn::kind:
            return file.fileTypeText();
        case RelatedFileListColumn::updated:
            return file.lastUpdate.format(ct::kCellLastUpdate);
        case RelatedFileListColumn::folder:
            return file.folderText();
        default:
            return {};
    }
}

std::vector<std::string> relatedFileListCells(const CKanrenFileData& file) {
    std::vector<std::string> cells;
    cells.reserve(std::size(kRelatedFileListColumns));
    for (size_t column = 0; column < std::size(kRelatedFileListColumns); ++column) {
        cells.push_back(relatedFileListCell(file, static_cast<int>(column)));
    }
    return cells;
}

}  // namespace bunrako
