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
        const bool reverse = entryAt(L.CSarray, r).reverse;
        // A reverse entry shows the answer, expects the question and holds the reverse values.
        QSqlQuery q = data::exec(
            db,
            reverse
                ? QStringLiteral("SELECT c.Answer, c.Question, IFNULL(r.Rating, 0), "
                                 "IFNULL(r.Correct, 0), IFNULL(r.Incorrect, 0), c.ShowOrder, "
                                 "c.DisplayQuestionNumber FROM Card c LEFT JOIN CardReverse "
                                 "r ON r.Card_ID = c.Card_ID WHERE c.Card_ID = ?")
                : QStringLiteral("SELECT Question, Answer, Rating, Correct, Incorrect, "
                                 "ShowOrder, DisplayQuestionNumber FROM Card WHERE Card_ID = ?"),
            {L.CSarray.at(r, ColCardId)});
        if (!q.next())
            continue;
        Row row;
        for (int c = 0; c < CardArray::kColumns; ++c)
            row[static_cast<size_t>(c)] = L.CSarray.at(r, c);
        row[ColQuestion] = q.value(0);
        row[ColAnswer] = q.value(1);
        row[ColRating] = q.value(2);
        row[ColCorrect] = q.value(3);
        row[ColIncorrect] = q.value(4);
        row[ColShowOrder] = q.value(5);
        row[ColDisplayQuestionNumber] = q.value(6);
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
    if (!L.demons && !chosenSetExists(db)) {
        out.setGone = true;
        return out;
    }
    const std::vector<Row> now =
        L.demons ? lessonCardsNow(db, L) : setCardsNow(db, source, L.direction);
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
        if (L.demons) // each Demon names the set it came from
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
