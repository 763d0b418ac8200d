#pragma once

#include <vector>

class QItemSelectionModel;

namespace bunrako {

// The selection of a list that selects whole rows, worked on as runs of
// rows, so that a list of a hundred thousand selected rows costs no more
// than one of a few: Qt's own selectedRows() looks at every row.

// A run of selected rows, first and last included.
struct RowRun {
    int first;
    int last;
};

// The selected rows as sorted runs that neither overlap nor touch.
std::vector<RowRun> selectedRowRuns(const QItemSelectionModel& selection);
// How many rows are selected.
int selectedRowCount(const QItemSelectionModel& selection);
// The first selected row, or -1.
int firstSelectedRow(const QItemSelectionModel& selection);
// Every selected row, ascending.
std::vector<int> selectedRows(const QItemSelectionModel& selection);
// Adds the rows (ascending) to the selection as whole rows, one range per run.
void selectRows(QItemSelectionModel& selection, const std::vector<int>& ascendingRows);

}  // namespace bunrako
