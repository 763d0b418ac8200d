#include "office/ui/register_list_model.h"

#include "office/ui/qt_text.h"

namespace bunrako {

RegisterListModel::RegisterListModel(std::span<const ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(columns) {}

int RegisterListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : recordCount();
}

int RegisterListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant RegisterListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.model() != this || index.row() >= rowCount() ||
        index.column() >= columnCount()) {
        return {};
    }
    // The tool tip carries the whole text of cells too narrow for it.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    return toQString(cellText(index.row(), index.column()));
}

QVariant RegisterListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromUtf8(m_columns[static_cast<size_t>(section)].caption);
}

int RegisterListModel::columnWidth(int column) const {
    if (column < 0 || column >= columnCount()) return 0;
    return m_columns[static_cast<size_t>(column)].width;
}

}  // namespace bunrako
