// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/DueCards.h"

#include "data/FastQuery.h"
#include "data/LogDates.h"
#include "data/Sql.h"

#include <QDate>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <unordered_set>

namespace learn {
namespace {

constexpr qint64 kNoDay = std::numeric_limits<qint64>::min();

struct LoggedReply {
    qint64 day = 0;
    qint64 recId = 0;
    bool correct = false;
};

using Key = std::pair<qint64, bool>; // card, asked in reverse

// The cards of a set, to keep; none for every card.
std::optional<std::unordered_set<qint64>> cardsOfSet(const QSqlDatabase& db,
                                                     const QString& setName) {
    if (setName.isEmpty())
        return std::nullopt;
    std::unordered_set<qint64> ids;
    QSqlQuery q = data::exec(db,
                             QStringLiteral("SELECT r.Card_ID FROM Set_Card_rel r JOIN Set1 s ON "
                                            "s.Set_ID = r.Set_ID WHERE s.SetName = ?"),
                             {setName});
    while (q.next())
        ids.insert(q.value(0).toLongLong());
    return ids;
}

// The replies of every card and way, by card then way. A log holds millions of rows on a few
// thousand days: each day's text is read once.
std::vector<std::pair<Key, std::vector<LoggedReply>>> loggedReplies(const QSqlDatabase& db,
                                                                    const QString& setName) {
    const std::optional<std::unordered_set<qint64>> only = cardsOfSet(db, setName);
    std::unordered_map<qint64, std::vector<LoggedReply>> byKey; // card * 2 + reverse
    QHash<QString, qint64> days;
    data::FastQuery q(db, QStringLiteral("SELECT l.RecID, l.\"Date\", l.CardID, l.Result = "
                                         "'Correct', l.Direction IS 'reverse' FROM Log l WHERE "
                                         "l.Result IN ('Correct', 'Wrong') AND EXISTS (SELECT 1 "
                                         "FROM Card c WHERE c.Card_ID = l.CardID)"));
    while (q.next()) {
        const qint64 card = q.value(2).toLongLong();
        if (only && !only->contains(card))
            continue;
        const QString text = q.value(1).toString();
        auto known = days.constFind(text);
        if (known == days.constEnd()) {
            const QDate day = data::logDay(text);
            known = days.insert(text, day.isValid() ? day.toJulianDay() : kNoDay);
        }
        if (*known == kNoDay)
            continue;
        byKey[card * 2 + q.value(4).toLongLong()].push_back(
            {*known, q.value(0).toLongLong(), q.value(3).toLongLong() != 0});
    }
    std::vector<std::pair<Key, std::vector<LoggedReply>>> replies;
    replies.reserve(byKey.size());
    for (auto& [key, rows] : byKey)
        replies.emplace_back(Key{key / 2, key % 2 != 0}, std::move(rows));
    std::sort(replies.begin(), replies.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return replies;
}

struct CardFacts {
    QString setName;
    QString question;
    QString answer;
};

std::unordered_map<qint64, CardFacts> cardFacts(const QSqlDatabase& db) {
    std::unordered_map<qint64, CardFacts> facts;
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT c.Card_ID, (SELECT MIN(s.SetName) FROM Set_Card_rel r JOIN "
                           "Set1 s ON s.Set_ID = r.Set_ID WHERE r.Card_ID = c.Card_ID), "
                           "c.Question, c.Answer FROM Card c WHERE c.Card_ID IN (SELECT CardID "
                           "FROM Log)"));
    while (q.next())
        facts[q.value(0).toLongLong()] = {q.value(1).toString(), q.value(2).toString(),
                                          q.value(3).toString()};
    return facts;
}

} // namespace

std::optional<Replayed> replayWithDueCounts(const std::vector<fsrs::Reply>& replies,
                                            double desiredRetention) {
    Replayed out;
    const std::optional<fsrs::MemoryState> state = fsrs::replay(
        replies, fsrs::defaultParameters(),
        [&](const fsrs::Reply& reply, int elapsed, const fsrs::MemoryState& before) {
            if (elapsed > 0 && fsrs::retrievability(elapsed, before.stability) < desiredRetention) {
                ++out.dueReplies;
                out.dueRight += reply.correct ? 1 : 0;
            }
        });
    if (!state)
        return std::nullopt;
    out.state = *state;
    return out;
}

std::vector<CardMemory> cardMemories(const QSqlDatabase& db, qint64 today, double desiredRetention,
                                     const QString& setName, bool cardTexts) {
    std::vector<std::pair<Key, std::vector<LoggedReply>>> replies = loggedReplies(db, setName);
    const std::unordered_map<qint64, CardFacts> facts =
        cardTexts ? cardFacts(db) : std::unordered_map<qint64, CardFacts>{};
    std::vector<CardMemory> cards;
    cards.reserve(replies.size());
    for (auto& [key, rows] : replies) {
        std::sort(rows.begin(), rows.end(), [](const LoggedReply& a, const LoggedReply& b) {
            return a.day != b.day ? a.day < b.day : a.recId < b.recId;
        });
        std::vector<fsrs::Reply> history;
        history.reserve(rows.size());
        for (const LoggedReply& r : rows)
            history.push_back({r.day, r.correct});
        const std::optional<Replayed> replayed = replayWithDueCounts(history, desiredRetention);
        if (!replayed)
            continue;
        CardMemory card;
        card.dueReplies = replayed->dueReplies;
        card.dueRight = replayed->dueRight;
        const fsrs::MemoryState* state = &replayed->state;
        card.cardId = key.first;
        card.reverse = key.second;
        const auto found = facts.find(key.first);
        if (found != facts.end()) {
            card.setName = setName.isEmpty() ? found->second.setName : setName;
            // The question the learner was asked that way.
            card.question = key.second ? found->second.answer : found->second.question;
        }
        card.state = *state;
        card.lastDay = rows.back().day;
        card.retrievability = fsrs::retrievability(
            static_cast<double>(std::max<qint64>(today - card.lastDay, 0)), state->stability);
        const double interval = fsrs::intervalDays(state->stability, desiredRetention);
        card.nextDay = card.lastDay + static_cast<qint64>(std::clamp(std::round(interval), 1.0,
                                                                     double(kLongestIntervalDays)));
        card.dueDay = firstDueDay(card.lastDay, state->stability, desiredRetention);
        cards.push_back(std::move(card));
    }
    return cards;
}

qint64 firstDueDay(qint64 lastDay, double stability, double desiredRetention) {
    // Recall is below the retention once more days have passed than the interval.
    const double interval = fsrs::intervalDays(stability, desiredRetention);
    return lastDay +
           static_cast<qint64>(
               std::floor(std::clamp(interval, 0.0, double(kLongestIntervalDays)))) +
           1;
}

bool isDue(const CardMemory& card, double desiredRetention) {
    return !card.setName.isEmpty() && card.retrievability < desiredRetention;
}

std::vector<int> dueForecast(const std::vector<CardMemory>& cards, qint64 today, int days) {
    std::vector<int> counts(static_cast<size_t>(std::max(days, 0)));
    for (const CardMemory& c : cards) {
        if (c.setName.isEmpty())
            continue;
        const qint64 offset = std::max<qint64>(c.dueDay - today, 0);
        if (offset < days)
            ++counts[static_cast<size_t>(offset)];
    }
    return counts;
}

} // namespace learn
