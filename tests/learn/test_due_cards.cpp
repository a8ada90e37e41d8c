// SPDX-License-Identifier: GPL-3.0-or-later
// What the model of memory makes of the log: which rows count, in which order, per way.
#include "learn/rules/DueCards.h"
#include "support/TempDatabase.h"

#include <QDate>
#include <QTest>
#include <cmath>

namespace {

const QDate kToday(2026, 12, 8);

void logReply(testing::TempDatabase& t, qint64 card, const QString& date, const QString& result,
              const QVariant& direction = {}) {
    t.exec(
        "INSERT INTO Log (\"Date\", SetName, CardID, Result, Direction) VALUES (?, 'S', ?, ?, ?)",
        {date, card, result, direction});
}

learn::fsrs::MemoryState expected(const std::vector<learn::fsrs::Reply>& replies) {
    return *learn::fsrs::replay(replies);
}

qint64 day(const QString& iso) {
    return QDate::fromString(iso, Qt::ISODate).toJulianDay();
}

} // namespace

class TestDueCards : public QObject {
    Q_OBJECT
  private slots:
    // Each way of a card has its own history, read by day then log order; rows that are no
    // reply to a card still there on a readable day do not count.
    void eachWayIsItsOwnHistoryInDayThenLogOrder() {
        testing::TempDatabase t;
        const qint64 set = t.addSet("S");
        const qint64 a = t.addCard("chien", "dog", set);
        const qint64 gone = t.addCard("chat", "cat", set);
        // Logged out of day order: the later day first.
        logReply(t, a, "2026-12-01", "Correct");
        logReply(t, a, "2026-11-20", "Wrong");
        logReply(t, a, "2026-11-20", "Correct");
        logReply(t, a, "2026-11-25", "Wrong", "reverse");
        logReply(t, a, "2026-11-26", "Skipped");
        logReply(t, a, "not a day", "Wrong");
        logReply(t, gone, "2026-11-26", "Wrong");
        t.exec("DELETE FROM Set_Card_rel WHERE Card_ID = ?", {gone});
        t.exec("DELETE FROM Card WHERE Card_ID = ?", {gone});

        const std::vector<learn::CardMemory> cards =
            learn::cardMemories(t.db(), kToday.toJulianDay(), 0.9);
        QCOMPARE(cards.size(), size_t(2));
        const learn::CardMemory& forward = cards[0];
        QVERIFY(!forward.reverse);
        const learn::fsrs::MemoryState s = expected(
            {{day("2026-11-20"), false}, {day("2026-11-20"), true}, {day("2026-12-01"), true}});
        QCOMPARE(forward.state.stability, s.stability);
        QCOMPARE(forward.state.difficulty, s.difficulty);
        QCOMPARE(forward.lastDay, day("2026-12-01"));
        QCOMPARE(forward.setName, QStringLiteral("S"));
        QCOMPARE(forward.question, QStringLiteral("chien"));
        QCOMPARE(forward.retrievability, learn::fsrs::retrievability(7, s.stability));

        const learn::CardMemory& reverse = cards[1];
        QVERIFY(reverse.reverse);
        QCOMPARE(reverse.question, QStringLiteral("dog"));
        QCOMPARE(reverse.state.stability, expected({{day("2026-11-25"), false}}).stability);
    }

    // The next day is the model's interval for the desired retention, whole days, at least
    // one; a card is due once its recall is below that retention, and only in a set.
    void dueWhenRecallFallsBelowTheRetention() {
        testing::TempDatabase t;
        const qint64 set = t.addSet("S");
        const qint64 fresh = t.addCard("today", "heute", set);
        const qint64 old = t.addCard("long ago", "lange her", set);
        const qint64 loose = t.addCard("in no set", "ohne Satz", set);
        t.exec("DELETE FROM Set_Card_rel WHERE Card_ID = ?", {loose});
        logReply(t, fresh, kToday.toString(Qt::ISODate), "Wrong");
        logReply(t, old, "2025-01-01", "Correct");
        logReply(t, loose, "2025-01-01", "Correct");
        const std::vector<learn::CardMemory> cards =
            learn::cardMemories(t.db(), kToday.toJulianDay(), 0.9);
        QCOMPARE(cards.size(), size_t(3));
        QCOMPARE(cards[0].retrievability, 1.0);
        QVERIFY(!learn::isDue(cards[0], 0.9));
        QCOMPARE(cards[0].nextDay, kToday.toJulianDay() + 1); // never sooner than tomorrow
        QVERIFY(learn::isDue(cards[1], 0.9));
        QCOMPARE(cards[1].nextDay, day("2025-01-01") + qRound64(learn::fsrs::intervalDays(
                                                           cards[1].state.stability, 0.9)));
        QVERIFY(cards[2].setName.isEmpty());
        QVERIFY(!learn::isDue(cards[2], 0.9));
        // Only a set's cards, named by it.
        const qint64 other = t.addSet("T");
        t.relate(other, old);
        const std::vector<learn::CardMemory> inT =
            learn::cardMemories(t.db(), kToday.toJulianDay(), 0.9, "T");
        QCOMPARE(inT.size(), size_t(1));
        QCOMPARE(inT[0].cardId, old);
        QCOMPARE(inT[0].setName, QStringLiteral("T"));
    }

    // The first reply of a later day met a card that was due or not; the forecast counts each
    // card in a set on the first day its recall is below the retention, the late ones today.
    void repliesWhenDueAndTheForecast() {
        testing::TempDatabase t;
        const qint64 set = t.addSet("S");
        const qint64 card = t.addCard("chien", "dog", set);
        logReply(t, card, "2026-01-01", "Correct");
        logReply(t, card, "2026-01-02", "Correct"); // too soon: recall still above 90%
        logReply(t, card, "2026-01-02", "Wrong");   // the same day: no due reply
        logReply(t, card, "2026-06-01", "Wrong");   // long overdue, and wrong
        logReply(t, card, "2026-12-07", "Correct"); // overdue again, and right
        const qint64 today = kToday.toJulianDay();
        const std::vector<learn::CardMemory> cards = learn::cardMemories(t.db(), today, 0.9);
        QCOMPARE(cards.size(), size_t(1));
        QCOMPARE(cards[0].dueReplies, 2);
        QCOMPARE(cards[0].dueRight, 1);
        // Due on the first day past the interval, never before the day after the reply.
        const double interval = learn::fsrs::intervalDays(cards[0].state.stability, 0.9);
        QCOMPARE(cards[0].dueDay, day("2026-12-07") + qint64(std::floor(interval)) + 1);
        QCOMPARE(learn::isDue(cards[0], 0.9), cards[0].dueDay <= today);
        std::vector<int> expected(30);
        expected[size_t(std::max<qint64>(cards[0].dueDay - today, 0))] = 1;
        QCOMPARE(learn::dueForecast(cards, today), expected);
        // A card in no set is never in the forecast.
        std::vector<learn::CardMemory> loose = cards;
        loose[0].setName.clear();
        QCOMPARE(learn::dueForecast(loose, today), std::vector<int>(30));
    }
};

QTEST_GUILESS_MAIN(TestDueCards)
#include "test_due_cards.moc"
