// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

namespace data {

// A stored query of the current set read without its ORDER BY, and the columns (by position)
// its rows are then sorted by. On a set of 10,000 cards SQLite's sorter costs more than
// reading the rows; sorting them here by the same rule (sqlOrder) is cheap.
struct UnsortedView {
    QString sql;
    std::vector<int> sortColumns;
};

// For qCurrentSet, qCurrentSetKids, qSelectedSet and qSelectedSetKids; empty for any other.
std::optional<UnsortedView> unsortedView(const QString& view);

// SQLite's order of two column values: NULL, then numbers, then text by its bytes, then
// blobs. Negative, zero or positive.
int compareSqlValues(const QVariant& a, const QVariant& b);

// The positions 0 to count - 1 in the order of ORDER BY `columns` (ascending, BINARY), ties
// kept in reading order. `value(row, column)` gives a row's value.
std::vector<int> sqlOrder(int count, const std::vector<int>& columns,
                          const std::function<const QVariant&(int row, int column)>& value);

} // namespace data
