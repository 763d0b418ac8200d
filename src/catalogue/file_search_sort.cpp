#include "catalogue/file_search_sort.h"

#include <algorithm>

#include "catalogue/texts.h"
#include "common/cp932.h"

namespace bunrako {

namespace ct = catalogue::texts;

void FileSearchSort::Click(int column) {
    if (column == m_column) {
        m_ascending = !m_ascending;
    } else {
        m_column = column;
        m_ascending = true;
    }
}

void FileSearchSort::Apply(std::vector<FileSearchRow>& rows) const {
    if (m_column != kNameColumn && m_column != kFolderColumn) return;
    // The collation keys are made once per row, not once per comparison.
    struct Keyed {
        std::string first;
        std::string second;
        size_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string name = utf8ToCp932(rows[i].name);
        std::string folder = utf8ToCp932(rows[i].folder);
        if (m_column == kNameColumn) {
            keyed.push_back({std::move(name), std::move(folder), i});
        } else {
            keyed.push_back({std::move(folder), std::move(name), i});
        }
    }
    const auto lower = [](const Keyed& a, const Keyed& b) {
        // std::string compares its bytes as unsigned char: JIS order.
        if (a.first != b.first) return a.first < b.first;
        return a.second < b.second;
    };
    if (m_ascending) {
        std::stable_sort(keyed.begin(), keyed.end(), lower);
    } else {
        std::stable_sort(keyed.begin(), keyed.end(),
                         [&](const Keyed& a, const Keyed& b) { return lower(b, a); });
    }
    std::vector<FileSearchRow> sorted;
    sorted.reserve(rows.size());
    for (const Keyed& k : keyed) sorted.push_back(std::move(rows[k.index]));
    rows = std::move(sorted);
}

std::string FileSearchSort::HeaderText(int column, FileSearchCriteria::Mode mode) const {
    std::string text = column == kNameColumn
                           ? (mode == FileSearchCriteria::catalogues ? ct::kSearchColumnDocumentName
                                                                     : ct::kSearchColumnFileName)
                           : ct::kSearchColumnFolder;
    if (column == m_column) text += m_ascending ? ct::kSortAscendingMark : ct::kSortDescendingMark;
    return text;
}

}  // namespace bunrako
