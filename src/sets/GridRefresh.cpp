// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/GridRefresh.h"

#include "data/RecordsetModel.h"

#include <QTableView>
#include <QVector>

namespace sets {

void refreshCardGrid(QTableView* grid, data::RecordsetModel* model) {
    QVector<int> hidden;
    for (int c = 0; c < model->columnCount(); ++c) {
        if (grid->isColumnHidden(c))
            hidden << c;
    }
    model->refresh();
    for (int c : hidden)
        grid->hideColumn(c);
}

} // namespace sets
