#include "catalogue/file_search_form.h"

#include <iterator>

#include "common/file_io.h"

namespace bunrako {

void FileSearchForm::Start() {
    m_rows.clear();
    m_shownMode = m_criteria.mode;
}

void FileSearchForm::AddRows(std::vector<FileSearchRow> rows) {
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    if (m_sort.column() >= 0) m_sort.Apply(m_rows);
}

void FileSearchForm::ClickHeader(int column) {
    m_sort.Click(column);
    m_sort.Apply(m_rows);
}

std::string FileSearchForm::HeaderText(int column) const {
    return m_sort.HeaderText(column, m_shownMode);
}

std::filesystem::path FileSearchForm::PathToOpen(size_t row) const {
    if (row >= m_rows.size()) return {};
    if (m_shownMode == FileSearchCriteria::catalogues) return FolderToOpen(row);
    return FileSearchRowPath(m_rows[row]);
}

std::filesystem::path FileSearchForm::FolderToOpen(size_t row) const {
    if (row >= m_rows.size()) return {};
    return pathFromUtf8(m_rows[row].folder);
}

}  // namespace bunrako
