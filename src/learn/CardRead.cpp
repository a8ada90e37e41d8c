// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/CardRead.h"

#include "data/FastQuery.h"
#include "data/SetViews.h"

#include <algorithm>
#include <vector>

namespace learn {
namespace {

using Rows = std::vector<CardArray::CardRow>;

// Puts row order[i] at row i + 1, moving each row once, along the cycles of the
// permutation, without a second array.
void permuteRows(Rows& rows, const std::vector<int>& order) {
    std::vector<bool> placed(order.size());
    for (size_t start = 0; start < order.size(); ++start) {
        if (placed[start] || order[start] == static_cast<int>(start))
            continue;
        CardArray::CardRow held = std::move(rows[start + 1]);
        size_t to = start;
        for (auto from = static_cast<size_t>(order[to]); from != start;
             from = static_cast<size_t>(order[to])) {
            rows[to + 1] = std::move(rows[from + 1]);
            placed[to] = true;
            to = from;
        }
        rows[to + 1] = std::move(held);
        placed[to] = true;
    }
}

} // namespace

std::optional<int> readCurrentSetCards(const QSqlDatabase& db, const QString& source,
                                       CardArray& cards) {
    const std::optional<data::UnsortedView> view = data::unsortedView(source);
    if (!view || !source.startsWith(QStringLiteral("qCurrentSet"), Qt::CaseInsensitive))
        return std::nullopt;
    // Read whole before the array changes: a read that fails leaves the lesson as it was.
    // The view's columns are the array's, one place to the left.
    Rows rows = cards.spareRows();
    rows.reserve(static_cast<size_t>(std::max(cards.capacity(), 0)) + 1);
    rows.emplace_back();
    data::FastQuery q(db, view->sql);
    while (q.next()) {
        CardArray::CardRow& row = rows.emplace_back();
        for (int c = ColQuestion; c <= ColDisplayQuestionNumber; ++c) {
            // The set's name, the same in every row, is held once.
            row[static_cast<size_t>(c)] = c == ColSetName && rows.size() > 2
                                              ? q.value(c - 1, rows[rows.size() - 2][ColSetName])
                                              : q.value(c - 1);
        }
    }
    const int n = static_cast<int>(rows.size()) - 1;
    permuteRows(rows, data::sqlOrder(n, view->sortColumns, [&](int r, int c) -> const QVariant& {
                    return rows[static_cast<size_t>(r) + 1][static_cast<size_t>(c) + 1];
                }));
    cards.replaceFirstRows(std::move(rows));
    return n;
}

} // namespace learn
