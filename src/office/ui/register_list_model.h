#pragma once

#include <QAbstractTableModel>
#include <span>
#include <string>

#include "office/ui/register_tab.h"

namespace bunrako {

// The list of one register tab: read-only rows of texts under the tab's
// column captions. Rows are produced on demand (the view asks only for what
// is on screen), so decades of records cost nothing until scrolled to.
class RegisterListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    RegisterListModel(std::span<const ListColumn> columns, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int columnWidth(int column) const;
    // Empties the list (a tab whose volume or document is no longer chosen).
    virtual void clearRecords() = 0;

  protected:
    virtual int recordCount() const = 0;
    // UTF-8 text of one cell; row and column are within range.
    virtual std::string cellText(int row, int column) const = 0;

  private:
    std::span<const ListColumn> m_columns;
};

}  // namespace bunrako
