#pragma once

#include <QItemSelectionModel>
#include <QTableView>
#include <vector>

#include "office/ui/bunrako_view.h"
#include "office/ui/record_list_model.h"
#include "office/ui/row_selection.h"

namespace bunrako {

// Copies of the records selected in a tab's list, in list order.
template <typename Record>
std::vector<Record> selectedRecords(const CBunrakoView& view, RegisterTab tab) {
    const auto* model = dynamic_cast<const RecordListModel<Record>*>(view.listModel(tab));
    const QItemSelectionModel* selection = view.list(tab)->selectionModel();
    std::vector<Record> records;
    if (!model || !selection) return records;
    for (const int row : selectedRows(*selection)) records.push_back(model->record(row));
    return records;
}

}  // namespace bunrako
