#pragma once

#include <string>
#include <vector>

#include "catalogue/file_search.h"

namespace bunrako {

// The order of the file search result: clicking a column header sorts by
// that column (the other one breaking ties), a second click on the same
// column turns the order round. The sorted column's header carries ▲ or ▼.
class FileSearchSort {
  public:
    static constexpr int kNameColumn = 0;
    static constexpr int kFolderColumn = 1;

    // Sorts by the column, ascending, or turns the order round when the
    // column is already the sorted one.
    void Click(int column);
    // Sorts the rows; texts compare as their CP932 bytes.
    void Apply(std::vector<FileSearchRow>& rows) const;
    // "ファイル名" (mode files) or "文書名" (mode catalogues) and
    // "格納先のフォルダー", with the mark of the sorted column.
    std::string HeaderText(int column, FileSearchCriteria::Mode mode) const;

    int column() const { return m_column; }
    bool ascending() const { return m_ascending; }

  private:
    int m_column = -1;  // not sorted yet
    bool m_ascending = true;
};

}  // namespace bunrako
