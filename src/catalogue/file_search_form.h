#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/file_search.h"
#include "catalogue/file_search_sort.h"

namespace bunrako {

// The file search dialog (ファイル等の検索): the criteria, the root (the
// folder of the volume file), the rows found so far and their order.
class FileSearchForm {
  public:
    explicit FileSearchForm(std::filesystem::path root) : m_root(std::move(root)) {}

    FileSearchCriteria& Criteria() { return m_criteria; }
    const FileSearchCriteria& Criteria() const { return m_criteria; }
    const std::filesystem::path& Root() const { return m_root; }
    // 文書ファイル and 表計算ファイル count only without 全ファイル.
    bool KindChecksEnabled() const { return !m_criteria.allFiles; }

    // A new search: the rows go, the order stays as chosen.
    void Start();
    // Rows found by the running search, put in the chosen order.
    void AddRows(std::vector<FileSearchRow> rows);
    const std::vector<FileSearchRow>& Rows() const { return m_rows; }

    // A click on a column header.
    void ClickHeader(int column);
    std::string HeaderText(int column) const;

    // What a double click opens: the file, or for a catalogue entry (which is
    // no file) the folder of its catalogue; a right double click opens the
    // row's folder.
    std::filesystem::path PathToOpen(size_t row) const;
    std::filesystem::path FolderToOpen(size_t row) const;

  private:
    FileSearchCriteria m_criteria;
    FileSearchCriteria::Mode m_shownMode = FileSearchCriteria::files;
    std::filesystem::path m_root;
    FileSearchSort m_sort;
    std::vector<FileSearchRow> m_rows;
};

}  // namespace bunrako
