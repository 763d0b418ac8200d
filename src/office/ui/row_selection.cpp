#include "office/ui/row_selection.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace bunrako {

std::vector<RowRun> selectedRowRuns(const QItemSelectionModel& selection) {
    std::vector<RowRun> runs;
    for (const QItemSelectionRange& range : selection.selection()) {
        if (range.isValid() && !range.parent().isValid()) {
            runs.push_back({range.top(), range.bottom()});
        }
    }
    std::sort(runs.begin(), runs.end(),
              [](const RowRun& a, const RowRun& b) { return a.first < b.first; });
    std::vector<RowRun> merged;
    for (const RowRun& run : runs) {
        if (!merged.empty() && run.first <= merged.back().last + 1) {
            merged.back().last = std::max(merged.back().last, run.last);
        } else {
            merged.push_back(run);
        }
    }
    return merged;
}

int selectedRowCount(const QItemSelectionModel& selection) {
    int count = 0;
    for (const RowRun& run : selectedRowRuns(selection)) count += run.last - run.first + 1;
    return count;
}

int firstSelectedRow(const QItemSelectionModel& selection) {
    const std::vector<RowRun> runs = selectedRowRuns(selection);
    return runs.empty() ? -1 : runs.front().first;
}

std::vector<int> selectedRows(const QItemSelectionModel& selection) {
    std::vector<int> rows;
    for (const RowRun& run : selectedRowRuns(selection)) {
        for (int row = run.first; row <= run.last; ++row) rows.push_back(row);
    }
    return rows;
}

void selectRows(QItemSelectionModel& selection, const std::vector<int>& ascendingRows) {
    const QAbstractItemModel* model = selection.model();
    if (!model || ascendingRows.empty()) return;
    const int lastColumn = model->columnCount() - 1;
    QItemSelection ranges;
    size_t begin = 0;
    while (begin < ascendingRows.size()) {
        size_t end = begin + 1;
        while (end < ascendingRows.size() && ascendingRows[end] == ascendingRows[end - 1] + 1) {
            ++end;
        }
        ranges.append(QItemSelectionRange(model->index(ascendingRows[begin], 0),
                                          model->index(ascendingRows[end - 1], lastColumn)));
        begin = end;
    }
    selection.select(ranges, QItemSelectionModel::Select);
}

}  // namespace bunrako
