// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/Directions.h"

#include "data/SetViews.h"
#include "data/Sql.h"
#include "learn/rules/CardRead.h"
#include "learn/rules/LessonRules.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <algorithm>
#include <unordered_map>
#include <vector>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

struct ReverseValues {
    QVariant order;
    QVariant rating;
    QVariant correct;
    QVariant incorrect;
};

// The reverse values of the chosen set's cards, by card.
std::unordered_map<qint64, ReverseValues> chosenSetReverseValues(const QSqlDatabase& db) {
    std::unordered_map<qint64, ReverseValues> values;
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT r.Card_ID, r.\"Order\", r.Rating, r.Correct, r.Incorrect FROM "
                           "CardReverse r JOIN Set_Card_rel t ON t.Card_ID = r.Card_ID JOIN Set1 "
                           "s ON s.Set_ID = t.Set_ID WHERE s.SetName = (SELECT SetName FROM "
                           "Fields LIMIT 1)"));
    while (q.next())
        values[q.value(0).toLongLong()] =
            ReverseValues{q.value(1), q.value(2), q.value(3), q.value(4)};
    return values;
}

CardArray::CardRow reverseEntry(const CardArray::CardRow& card, const ReverseValues* values) {
    CardArray::CardRow entry = card;
    std::swap(entry[ColQuestion], entry[ColAnswer]);
    entry[ColCurStatus] = 0;
    entry[ColDirection] = 1;
    // Never asked this way: nothing counted yet, and no key.
    entry[ColRating] = values ? values->rating : QVariant(0);
    entry[ColCorrect] = values ? values->correct : QVariant(0);
    entry[ColIncorrect] = values ? values->incorrect : QVariant(0);
    entry[ColOrder] = values ? values->order : QVariant();
    return entry;
}

// A way of a card without a key of its own yet (never asked so, or asked only since the last
// reordering) comes after the others, as a card new to the set does.
bool keyless(const CardArray::CardRow& entry) {
    return isReverseEntry(entry) && entry[ColOrder].isNull();
}

} // namespace

SetDirection directionOf(const QVariant& stored) {
    bool ok = false;
    const int d = stored.toInt(&ok);
    if (ok && d == 1)
        return SetDirection::Reverse;
    if (ok && d == 2)
        return SetDirection::Both;
    return SetDirection::Forward;
}

SetDirection setDirection(const QSqlDatabase& db, const QString& setName) {
    return directionOf(data::scalar(
        db, QStringLiteral("SELECT Direction FROM Set1 WHERE SetName = ? ORDER BY Set_ID LIMIT 1"),
        {setName}));
}

bool storeSetDirection(const QSqlDatabase& db, const QString& setName, SetDirection direction) {
    return data::exec(db, QStringLiteral("UPDATE Set1 SET Direction = ? WHERE SetName = ?"),
                      {static_cast<int>(direction), setName})
               .numRowsAffected() > 0;
}

bool askableInReverse(const QVariant& question, const QVariant& answer) {
    return !isMultiAnswerCard(answer) && !isMultiAnswerCard(question) &&
           !answer.toString().isEmpty();
}

int arrangeEntries(const QSqlDatabase& db, CardArray& cards, int n, SetDirection direction) {
    if (direction == SetDirection::Forward || n <= 0)
        return n;
    const std::unordered_map<qint64, ReverseValues> values = chosenSetReverseValues(db);
    std::vector<CardArray::CardRow> entries;
    entries.reserve(static_cast<size_t>(direction == SetDirection::Both ? 2 * n : n));
    for (int r = 1; r <= n; ++r) {
        const CardArray::CardRow& card = cards.row(r);
        const bool reversible = askableInReverse(card[ColQuestion], card[ColAnswer]);
        if (direction == SetDirection::Both || !reversible)
            entries.push_back(card);
        if (reversible) {
            const auto found = values.find(card[ColCardId].toLongLong());
            CardArray::CardRow& entry = entries.emplace_back(
                reverseEntry(card, found == values.end() ? nullptr : &found->second));
            // Asked one way only, a card without a reverse key keeps its place in the set.
            if (direction == SetDirection::Reverse && entry[ColOrder].isNull())
                entry[ColOrder] = card[ColOrder];
        }
    }
    orderEntries(entries);
    std::vector<CardArray::CardRow> rows = cards.spareRows();
    rows.reserve(entries.size() + 1);
    rows.emplace_back();
    for (CardArray::CardRow& e : entries)
        rows.push_back(std::move(e));
    const int count = static_cast<int>(entries.size());
    cards.replaceFirstRows(std::move(rows));
    return count;
}

void orderEntries(std::vector<CardArray::CardRow>& entries) {
    // Stable: cards of equal keys keep the order they came in.
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        if (keyless(a) != keyless(b))
            return !keyless(a);
        if (const int byKey = data::compareSqlValues(a[ColOrder], b[ColOrder]))
            return byKey < 0;
        if (isReverseEntry(a) != isReverseEntry(b))
            return !isReverseEntry(a);
        return data::compareSqlValues(a[ColCardId], b[ColCardId]) < 0;
    });
}

std::vector<CardArray::CardRow> reverseDemonEntries(const QSqlDatabase& db) {
    std::vector<CardArray::CardRow> entries;
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT r.Card_ID FROM CardReverse r JOIN Card c ON c.Card_ID = "
                           "r.Card_ID WHERE r.Demons = 1 ORDER BY r.\"Order\", c.Card_ID"));
    while (q.next()) {
        if (std::optional<CardArray::CardRow> e = readEntry(db, q.value(0), true)) {
            (*e)[ColCurStatus] = 0;
            entries.push_back(std::move(*e));
        }
    }
    return entries;
}

std::optional<int> readLessonEntries(const QSqlDatabase& db, const QString& source,
                                     CardArray& cards, SetDirection* direction) {
    const std::optional<int> n = readCurrentSetCards(db, source, cards);
    if (!n)
        return n;
    const SetDirection asked = directionOf(data::scalar(
        db, QStringLiteral("SELECT Direction FROM Set1 WHERE SetName = (SELECT SetName FROM "
                           "Fields LIMIT 1) ORDER BY Set_ID LIMIT 1")));
    if (direction)
        *direction = asked;
    return arrangeEntries(db, cards, *n, asked);
}

std::optional<CardArray::CardRow> readEntry(const QSqlDatabase& db, const QVariant& cardId,
                                            bool reverse) {
    QSqlQuery q = data::exec(
        db,
        reverse ? QStringLiteral("SELECT c.Answer, c.Question, IFNULL(r.Rating, 0), "
                                 "IFNULL(r.Correct, 0), IFNULL(r.Incorrect, 0), c.ShowOrder, "
                                 "c.DisplayQuestionNumber, r.\"Order\" FROM Card c LEFT JOIN "
                                 "CardReverse r ON r.Card_ID = c.Card_ID WHERE c.Card_ID = ?")
                : QStringLiteral("SELECT Question, Answer, Rating, Correct, Incorrect, "
                                 "ShowOrder, DisplayQuestionNumber, \"Order\" FROM Card WHERE "
                                 "Card_ID = ?"),
        {cardId});
    if (!q.next())
        return std::nullopt;
    CardArray::CardRow e;
    e[ColQuestion] = q.value(0);
    e[ColAnswer] = q.value(1);
    e[ColRating] = q.value(2);
    e[ColCorrect] = q.value(3);
    e[ColIncorrect] = q.value(4);
    e[ColShowOrder] = q.value(5);
    e[ColDisplayQuestionNumber] = q.value(6);
    e[ColOrder] = q.value(7);
    e[ColCardId] = cardId;
    e[ColDirection] = reverse ? QVariant(1) : QVariant();
    return e;
}

QString directionPanelText(SetDirection direction) {
    switch (direction) {
    case SetDirection::Reverse:
        return Text::tr("Asked: answer to question");
    case SetDirection::Both:
        return Text::tr("Asked: both ways");
    case SetDirection::Forward:
        break;
    }
    return {};
}

} // namespace learn
