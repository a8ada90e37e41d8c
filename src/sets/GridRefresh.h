// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTableView;

namespace data {
class RecordsetModel;
}

namespace sets {

// Re-runs the card grid's source; the columns hidden in the grid stay hidden.
void refreshCardGrid(QTableView* grid, data::RecordsetModel* model);

} // namespace sets
