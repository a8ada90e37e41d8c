// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SetViews.h"

#include <algorithm>
#include <cstring>

namespace data {
namespace {

// The joins of the views in schema.sql, without ORDER BY.
const QString kSetCards =
    QStringLiteral(" FROM Set1"
                   " JOIN Set_Card_rel ON Set_Card_rel.Set_ID = Set1.Set_ID"
                   " JOIN Card ON Card.Card_ID = Set_Card_rel.Card_ID"
                   " WHERE Set1.SetName = (SELECT SetName FROM Fields LIMIT 1)");
const QString kCurrentSet = QStringLiteral(
    "SELECT Card.Question, Card.Answer, Set1.SetName, Card.CurStatus, Card.\"Order\", "
    "Card.Card_ID, Card.Rating, Card.Correct, Card.Incorrect, Card.ShowOrder, "
    "Card.DisplayQuestionNumber");
const QString kSelectedSet = QStringLiteral("SELECT Card.Card_ID, Card.Question, Card.Answer");
const QString kNoMulti = QStringLiteral(" AND Card.Answer IS NOT 'Multi'");

int typeRank(const QVariant& v) {
    if (v.isNull())
        return 0;
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Double:
        return 1;
    case QMetaType::QByteArray:
        return 3;
    default:
        return 2;
    }
}

// long double holds every 64-bit integer exactly, so integers and reals compare as in SQLite.
long double numberOf(const QVariant& v) {
    return v.typeId() == QMetaType::Double ? static_cast<long double>(v.toDouble())
                                           : static_cast<long double>(v.toLongLong());
}

template <typename T> int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareBytes(const QByteArray& a, const QByteArray& b) {
    const auto common = static_cast<size_t>(std::min(a.size(), b.size()));
    const int c = common > 0 ? std::memcmp(a.constData(), b.constData(), common) : 0;
    return c != 0 ? c : threeWay(a.size(), b.size());
}

} // namespace

std::optional<UnsortedView> unsortedView(const QString& view) {
    const auto is = [&](const char* name) {
        return view.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    // ORDER BY Card."Order", Card.Card_ID, and ORDER BY Card.Card_ID.
    if (is("qCurrentSet"))
        return UnsortedView{kCurrentSet + kSetCards, {4, 5}};
    if (is("qCurrentSetKids"))
        return UnsortedView{kCurrentSet + kSetCards + kNoMulti, {4, 5}};
    if (is("qSelectedSet"))
        return UnsortedView{kSelectedSet + kSetCards, {0}};
    if (is("qSelectedSetKids"))
        return UnsortedView{kSelectedSet + kSetCards + kNoMulti, {0}};
    return std::nullopt;
}

int compareSqlValues(const QVariant& a, const QVariant& b) {
    const int ra = typeRank(a);
    const int rb = typeRank(b);
    if (ra != rb || ra == 0)
        return threeWay(ra, rb);
    if (ra == 1)
        return threeWay(numberOf(a), numberOf(b));
    if (ra == 3)
        return compareBytes(a.toByteArray(), b.toByteArray());
    return compareBytes(a.toString().toUtf8(), b.toString().toUtf8()); // BINARY: UTF-8 bytes
}

std::vector<int> sqlOrder(int count, const std::vector<int>& columns,
                          const std::function<const QVariant&(int, int)>& value) {
    // Numbers, nearly always, compare from small keys made once; other values as they are.
    struct Key {
        int rank;
        long double number;
    };
    const size_t width = columns.size();
    std::vector<Key> keys(static_cast<size_t>(count) * width);
    for (int r = 0; r < count; ++r) {
        for (size_t c = 0; c < width; ++c) {
            const QVariant& v = value(r, columns[c]);
            const int rank = typeRank(v);
            keys[static_cast<size_t>(r) * width + c] = {rank, rank == 1 ? numberOf(v) : 0.0L};
        }
    }
    std::vector<int> order(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r)
        order[static_cast<size_t>(r)] = r;
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        for (size_t c = 0; c < width; ++c) {
            const Key& a = keys[static_cast<size_t>(x) * width + c];
            const Key& b = keys[static_cast<size_t>(y) * width + c];
            if (a.rank != b.rank)
                return a.rank < b.rank;
            if (a.rank == 1) {
                if (a.number != b.number)
                    return a.number < b.number;
            } else if (a.rank > 1) {
                const int cmp = compareSqlValues(value(x, columns[c]), value(y, columns[c]));
                if (cmp != 0)
                    return cmp < 0;
            }
        }
        return false;
    });
    return order;
}

} // namespace data
