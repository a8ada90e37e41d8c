// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/LessonTakeIn.h"

#include "data/Sql.h"
#include "learn/rules/Directions.h"
#include "learn/rules/LessonRules.h"

#include <QSqlQuery>
#include <algorithm>
#include <unordered_map>
#include <vector>

namespace learn {
namespace {

using Row = CardArray::CardRow;

// An entry's key: the two ways of one card are two entries.
qint64 idOf(const Row& row) {
    return row[ColCardId].toLongLong() * 2 + (isReverseEntry(row) ? 1 : 0);
}

// The cards of the chosen set as the file has them now, in the set's order.
std::vector<Row> setCardsNow(const QSqlDatabase& db, const QString& source, int& direction) {
    CardArray read;
    SetDirection asked = SetDirection::Forward;
    const int n = readLessonEntries(db, source, read, &asked).value_or(0);
    direction = static_cast<int>(asked);
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(n));
    for (int r = 1; r <= n; ++r)
        rows.push_back(read.row(r));
    return rows;
}

// The lesson's own cards as the file has them now; the ones gone are left out.
std::vector<Row> lessonCardsNow(const QSqlDatabase& db, const LessonState& L) {
    std::vector<Row> rows;
    for (int r = 1; r <= L.CurRowLim; ++r) {
        const EntryKey key = entryAt(L.CSarray, r);
        const std::optional<Row> stored = readEntry(db, key.cardId, key.reverse);
        if (!stored)
            continue;
        Row row;
        for (int c = 0; c < CardArray::kColumns; ++c)
            row[static_cast<size_t>(c)] = L.CSarray.at(r, c);
        for (const int c : {ColQuestion, ColAnswer, ColRating, ColCorrect, ColIncorrect,
                            ColShowOrder, ColDisplayQuestionNumber})
            row[static_cast<size_t>(c)] = (*stored)[static_cast<size_t>(c)];
        rows.push_back(std::move(row));
    }
    return rows;
}

bool chosenSetExists(const QSqlDatabase& db) {
    return data::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Set1 WHERE SetName = (SELECT "
                                           "SetName FROM Fields LIMIT 1)"))
               .toInt() > 0;
}

} // namespace

LessonTakeIn takeInChanges(const QSqlDatabase& db, LessonState& L, const QString& source) {
    LessonTakeIn out;
    // The Demons and the due cards are a lesson of their own cards, from any set.
    const bool ownCards = L.demons || L.due;
    if (!ownCards && !chosenSetExists(db)) {
        out.setGone = true;
        return out;
    }
    const std::vector<Row> now =
        ownCards ? lessonCardsNow(db, L) : setCardsNow(db, source, L.direction);
    std::unordered_map<qint64, const Row*> byId;
    for (const Row& row : now)
        byId.emplace(idOf(row), &row);

    std::vector<Row> rows(1); // row 0 is unused
    rows.reserve(now.size() + 1);
    int row = L.Row;
    int checkAll = L.CheckAll;
    int bunch = L.CurSetSize;
    for (int r = 1; r <= L.CurRowLim; ++r) {
        const auto found = byId.find(idOf(L.CSarray.row(r)));
        const QVariant status = L.CSarray.at(r, ColCurStatus);
        if (found == byId.end()) {
            out.cardsCameOrWent = true;
            out.currentCardGone = out.currentCardGone || r == L.Row;
            if (r < L.Row)
                --row;
            if (isLearntStatus(status))
                --checkAll;
            else
                --bunch;
            continue;
        }
        Row kept = *found->second;
        kept[ColCurStatus] = status; // how far this lesson has come with the card
        kept[ColOrder] = L.CSarray.at(r, ColOrder);
        if (ownCards) // each entry names the set it came from
            kept[ColSetName] = L.CSarray.at(r, ColSetName);
        byId.erase(found);
        rows.push_back(std::move(kept));
    }
    for (const Row& fresh : now) {
        if (!byId.contains(idOf(fresh)))
            continue; // in the lesson already
        Row added = fresh;
        added[ColCurStatus] = 0; // not asked in this pass yet
        rows.push_back(std::move(added));
        out.cardsCameOrWent = true;
        ++bunch;
    }
    L.CurRowLim = static_cast<int>(rows.size()) - 1;
    L.CSarray.replaceFirstRows(std::move(rows));
    L.Row = std::clamp(row, 1, std::max(L.CurRowLim, 1));
    L.CheckAll = std::max(checkAll, 0);
    L.CurSetSize = std::clamp(bunch, 0, L.CurRowLim);
    return out;
}

} // namespace learn
