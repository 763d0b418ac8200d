#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "office/ui/register_list_model.h"

namespace bunrako {

// A register list over copies of core records (a volume, a title-register
// entry, ...), in row order: row i shows records()[i]. The register that owns
// the tab gives the cell texts.
template <class Record>
class RecordListModel : public RegisterListModel {
  public:
    using CellText = std::function<std::string(const Record& record, int column)>;

    RecordListModel(std::span<const ListColumn> columns, CellText cellText,
                    QObject* parent = nullptr)
        : RegisterListModel(columns, parent), m_cellText(std::move(cellText)) {}

    // Replaces every row; selections on the old rows are dropped.
    void setRecords(std::vector<Record> records) {
        beginResetModel();
        m_records = std::move(records);
        endResetModel();
    }
    void clearRecords() override { setRecords({}); }
    // Empties the list and hands over its records, whose storage the rows
    // that replace them may use.
    std::vector<Record> takeRecords() {
        beginResetModel();
        std::vector<Record> taken = std::move(m_records);
        m_records.clear();
        endResetModel();
        return taken;
    }

    const std::vector<Record>& records() const { return m_records; }
    const Record& record(int row) const { return m_records.at(static_cast<size_t>(row)); }

  protected:
    int recordCount() const override { return static_cast<int>(m_records.size()); }
    std::string cellText(int row, int column) const override {
        return m_cellText(m_records[static_cast<size_t>(row)], column);
    }

  private:
    CellText m_cellText;
    std::vector<Record> m_records;
};

// Rows given as ready texts, one per column: the lists whose records have no
// cell texts of their own yet, and tests.
using TextRow = std::vector<std::string>;
using TextRowModel = RecordListModel<TextRow>;

// The cell texts of a TextRow: missing cells are empty.
inline std::string textRowCell(const TextRow& row, int column) {
    return column >= 0 && static_cast<size_t>(column) < row.size()
               ? row[static_cast<size_t>(column)]
               : std::string();
}

}  // namespace bunrako
