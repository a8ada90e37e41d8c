// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/CardRead.h"

#include "data/FastQuery.h"
#include "data/SetViews.h"

#include <deque>

namespace learn {

std::optional<int> readCurrentSetCards(const QSqlDatabase& db, const QString& source,
                                       CardArray& cards) {
    const std::optional<data::UnsortedView> view = data::unsortedView(source);
    if (!view || !source.startsWith(QStringLiteral("qCurrentSet"), Qt::CaseInsensitive))
        return std::nullopt;
    std::deque<CardArray::CardRow> rows; // grows without moving the rows read
    data::FastQuery q(db, view->sql);
    while (q.next()) {
        CardArray::CardRow& row = rows.emplace_back();
        for (int c = ColQuestion; c <= ColDisplayQuestionNumber; ++c)
            row[static_cast<size_t>(c)] = q.value(c - 1);
    }
    const int n = static_cast<int>(rows.size());
    // The view's columns are the array's, one place to the left.
    const std::vector<int> order =
        data::sqlOrder(n, view->sortColumns, [&](int r, int c) -> const QVariant& {
            return rows[static_cast<size_t>(r)][static_cast<size_t>(c + 1)];
        });
    if (n > 0)
        cards.row(n); // grown once
    for (int r = 0; r < n; ++r)
        cards.row(r + 1) = std::move(rows[static_cast<size_t>(order[static_cast<size_t>(r)])]);
    return n;
}

} // namespace learn
