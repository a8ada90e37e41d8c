// SPDX-License-Identifier: GPL-3.0-or-later
// The memory state is a cache of the log: kept up by the program's own replies and undos, found
// out of date after any other change, and built again to what the log says.
#include "data/RecordsetFamily.h"
#include "data/Sql.h"
#include "learn/rules/DueCards.h"
#include "learn/rules/MemoryStore.h"
#include "learn/rules/ReplyRecord.h"
#include "learn/rules/ReplyUndo.h"
#include "support/TempDatabase.h"

#include <QDate>
#include <QTest>

namespace {

const QDate kToday(2026, 12, 8);

void logReply(const testing::TempDatabase& t, qint64 card, const QDate& date, const QString& result,
              bool reverse = false) {
    t.exec(
        "INSERT INTO Log (\"Date\", SetName, CardID, Result, Direction) VALUES (?, 'S', ?, ?, ?)",
        {date.toString(Qt::ISODate), card, result,
         reverse ? QVariant(QStringLiteral("reverse")) : QVariant()});
}

// The state as rows of text, one per card and way, to compare in one go.
QStringList stateRows(const testing::TempDatabase& t) {
    return t.column("SELECT Card_ID || ' ' || Reverse || ' ' || printf('%.9f %.9f', Stability, "
                    "Difficulty) || ' ' || LastDay || ' ' || DueDay || ' ' || DueReplies || ' ' "
                    "|| DueRight FROM MemoryState ORDER BY Card_ID, Reverse");
}

QStringList dueCountRows(const testing::TempDatabase& t) {
    return t.column("SELECT Set_ID || ' ' || DueDay || ' ' || N FROM DueCount ORDER BY Set_ID, "
                    "DueDay");
}

// The counts kept up reply by reply are those a count from scratch gives.
bool countsAsRecounted(const testing::TempDatabase& t) {
    const QStringList kept = dueCountRows(t);
    data::Transaction transaction(t.db());
    learn::recountDue(t.db(), t.scalar("SELECT CountedFrom FROM MemoryMark").toLongLong());
    transaction.commit();
    if (kept == dueCountRows(t))
        return true;
    qWarning() << kept << dueCountRows(t);
    return false;
}

// What a build from the whole log gives, on a copy, so the state under test stays as it is.
QStringList rebuiltRows(const testing::TempDatabase& t) {
    const QStringList kept = stateRows(t);
    const QString builtAt = t.scalar("SELECT BuiltAt FROM MemoryMark").toString();
    const bool ok = learn::rebuildMemoryState(t.db(), kToday.toJulianDay());
    const QStringList rebuilt = stateRows(t);
    t.exec("DELETE FROM MemoryState");
    t.exec("UPDATE MemoryMark SET BuiltAt = ?", {builtAt.isEmpty() ? QVariant() : builtAt});
    for (const QString& row : kept) {
        const QStringList v = row.split(' ');
        t.exec("INSERT INTO MemoryState (Card_ID, Reverse, Stability, Difficulty, LastDay, "
               "DueDay, DueReplies, DueRight) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
               {v[0], v[1], v[2].toDouble(), v[3].toDouble(), v[4], v[5], v[6], v[7]});
    }
    return ok ? rebuilt : QStringList{QStringLiteral("the build gave up")};
}

} // namespace

class TestMemoryStore : public QObject {
    Q_OBJECT
  private slots:
    // Replies stored and taken back by the program move the state one card at a time to exactly
    // what a build from the whole log gives: first replies, same-day replies, either way, a
    // day of the clock set back, a reply that does not count, a card deleted meanwhile.
    void repliesAndUndosKeepTheStateAsTheLogSays() {
        testing::TempDatabase t;
        const qint64 set = t.addSet("S");
        const qint64 a = t.addCard("chien", "dog", set);
        const qint64 b = t.addCard("chat", "cat", set);
        logReply(t, a, kToday.addDays(-40), "Correct");
        logReply(t, a, kToday.addDays(-12), "Wrong");
        QVERIFY(!learn::memoryStateIsCurrent(t.db()));
        QVERIFY(learn::rebuildMemoryState(t.db(), kToday.toJulianDay()));
        QVERIFY(learn::memoryStateIsCurrent(t.db()));

        const bool kids = false;
        data::RecordsetFamily rs(t.db(), kids);
        rs.LoadAll();
        struct Step {
            qint64 card;
            bool reverse;
            QDate day;
            QString result;
        };
        const std::vector<Step> steps = {
            {a, false, kToday.addDays(-3), "Correct"},
            {a, false, kToday.addDays(-3), "Wrong"},
            {b, false, kToday.addDays(-3), "Correct"},
            {a, true, kToday.addDays(-2), "Wrong"},
            {a, true, kToday.addDays(-2), "Correct"},
            {a, false, kToday.addDays(-20), "Correct"},
            {b, false, kToday, "Skipped"},
            {a, false, kToday, "Correct"},
        };
        qint64 lastRow = 0;
        for (const Step& s : steps) {
            learn::JudgedReply reply{
                s.card, QStringLiteral("S"), learn::CardScore{1, 1, 0}, {}, s.reverse};
            lastRow = learn::recordReply(rs, reply, s.result, s.day);
            QVERIFY(learn::memoryStateIsCurrent(t.db()));
            QVERIFY(countsAsRecounted(t));
            QCOMPARE(stateRows(t), rebuiltRows(t));
        }
        const learn::StoredWeights before = *learn::readStoredWeights(t.db(), a);
        learn::undoStoredReply(t.db(), a, before, lastRow);
        QVERIFY(learn::memoryStateIsCurrent(t.db()));
        QVERIFY(countsAsRecounted(t));
        QCOMPARE(stateRows(t), rebuiltRows(t));

        // The last reply of a way taken back leaves that way with no state.
        const qint64 c = t.addCard("vache", "cow", set);
        const qint64 only = learn::recordReply(
            rs, {c, QStringLiteral("S"), learn::CardScore{1, 1, 0}, {}, false}, "Wrong", kToday);
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM MemoryState WHERE Card_ID = ?", {c}).toInt(), 1);
        learn::undoStoredReply(t.db(), c, *learn::readStoredWeights(t.db(), c), only);
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM MemoryState WHERE Card_ID = ?", {c}).toInt(), 0);
        QVERIFY(countsAsRecounted(t));

        // A deleted card takes its state along; a reply to it meanwhile makes none.
        t.exec("DELETE FROM Set_Card_rel WHERE Card_ID = ?", {b});
        t.exec("DELETE FROM Card WHERE Card_ID = ?", {b});
        learn::recordReply(rs, {b, QStringLiteral("S"), std::nullopt, {}, false}, "Correct",
                           kToday);
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM MemoryState WHERE Card_ID = ?", {b}).toInt(), 0);
        QVERIFY(learn::memoryStateIsCurrent(t.db()));
    }

    // Any change of the log the program did not follow (another program, an import, a cleaning)
    // leaves the state out of date, replies after it change nothing, and a build catches up.
    void otherChangesOfTheLogAreFoundAndBuiltAgain_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("row added") << "INSERT INTO Log (\"Date\", SetName, CardID, Result) "
                                      "SELECT '2026-12-01', 'S', MAX(Card_ID), 'Wrong' FROM Card";
        QTest::newRow("row removed")
            << "DELETE FROM Log WHERE RecID = (SELECT MIN(RecID) FROM Log)";
        QTest::newRow("result changed") << "UPDATE Log SET Result = 'Wrong'";
        QTest::newRow("day changed") << "UPDATE Log SET \"Date\" = '2026-01-01'";
        QTest::newRow("way changed") << "UPDATE Log SET Direction = 'reverse'";
        QTest::newRow("log cleaned") << "DELETE FROM Log";
    }

    void otherChangesOfTheLogAreFoundAndBuiltAgain() {
        QFETCH(QString, change);
        testing::TempDatabase t;
        const qint64 set = t.addSet("S");
        const qint64 a = t.addCard("chien", "dog", set);
        logReply(t, a, kToday.addDays(-30), "Correct");
        logReply(t, a, kToday.addDays(-9), "Correct");
        QVERIFY(learn::rebuildMemoryState(t.db(), kToday.toJulianDay()));
        t.exec(change);
        QVERIFY(!learn::memoryStateIsCurrent(t.db()));
        const QStringList stale = stateRows(t);
        const bool kids = false;
        data::RecordsetFamily rs(t.db(), kids);
        rs.LoadAll();
        learn::recordReply(rs, {a, QStringLiteral("S"), std::nullopt, {}, false}, "Correct",
                           kToday);
        QCOMPARE(stateRows(t), stale);
        QVERIFY(!learn::memoryStateIsCurrent(t.db()));
        QVERIFY(learn::rebuildMemoryState(t.db(), kToday.toJulianDay()));
        QVERIFY(learn::memoryStateIsCurrent(t.db()));
        // The same as the model makes of the log directly.
        QStringList direct;
        for (const learn::CardMemory& m : learn::cardMemories(t.db(), kToday.toJulianDay(), 0.9))
            direct << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                          .arg(m.cardId)
                          .arg(m.reverse ? 1 : 0)
                          .arg(
                              QString::asprintf("%.9f %.9f", m.state.stability, m.state.difficulty))
                          .arg(m.lastDay)
                          .arg(m.dueDay)
                          .arg(m.dueReplies)
                          .arg(m.dueRight);
        QCOMPARE(stateRows(t), direct);
    }

    // Another retention makes the state out of date until it is built for it; one out of range
    // is kept within the range.
    void theRetentionMovesTheDueDays() {
        testing::TempDatabase t;
        const qint64 set = t.addSet("S");
        const qint64 a = t.addCard("chien", "dog", set);
        logReply(t, a, kToday.addDays(-30), "Correct");
        logReply(t, a, kToday.addDays(-20), "Correct");
        QVERIFY(learn::rebuildMemoryState(t.db(), kToday.toJulianDay()));
        QCOMPARE(learn::reviewSettings(t.db()).on, false);
        const qint64 at90 = t.scalar("SELECT DueDay FROM MemoryState").toLongLong();
        learn::storeReviewSettings(t.db(), {true, 0.80});
        QVERIFY(!learn::memoryStateIsCurrent(t.db()));
        QVERIFY(learn::rebuildMemoryState(t.db(), kToday.toJulianDay()));
        QVERIFY(learn::memoryStateIsCurrent(t.db()));
        const qint64 at80 = t.scalar("SELECT DueDay FROM MemoryState").toLongLong();
        QVERIFY2(at80 > at90, qPrintable(QStringLiteral("%1 %2").arg(at80).arg(at90)));
        learn::storeReviewSettings(t.db(), {true, 0.5});
        QCOMPARE(learn::reviewSettings(t.db()).retention, learn::kLowestRetention);
        learn::storeReviewSettings(t.db(), {true, 1.5});
        QCOMPARE(learn::reviewSettings(t.db()).retention, learn::kHighestRetention);
        // A retention written by hand is found out of date, and one that is no number read as
        // the usual one.
        QVERIFY(learn::rebuildMemoryState(t.db(), kToday.toJulianDay()));
        t.exec("UPDATE Fields1 SET Retention = 0.85");
        QVERIFY(!learn::memoryStateIsCurrent(t.db()));
        t.exec("UPDATE Fields1 SET Retention = 'much'");
        QCOMPARE(learn::reviewSettings(t.db()).retention, learn::kDefaultRetention);
        // Built for what it reads as, the state matches from then on: no build goes round for
        // ever on a value it cannot store.
        for (const char* stored : {"'much'", "0.5", "2"}) {
            t.exec(QStringLiteral("UPDATE Fields1 SET Retention = %1").arg(stored));
            QVERIFY(learn::rebuildMemoryState(t.db(), kToday.toJulianDay()));
            QVERIFY2(learn::memoryStateIsCurrent(t.db()), stored);
        }
    }

    // Due: recall below the retention today and in a set; lowest recall first, each from its
    // first set by name; the counts per set count a card in each of its sets.
    void dueEntriesAndCounts() {
        testing::TempDatabase t;
        const qint64 animals = t.addSet("Animals");
        const qint64 zoo = t.addSet("Zoo");
        const qint64 fresh = t.addCard("chien", "dog", animals);
        const qint64 old = t.addCard("chat", "cat", zoo);
        t.relate(animals, old);
        const qint64 loose = t.addCard("vache", "cow", zoo);
        t.exec("DELETE FROM Set_Card_rel WHERE Card_ID = ?", {loose});
        logReply(t, fresh, kToday.addDays(-1), "Correct");      // recalled: not due
        logReply(t, fresh, kToday.addDays(-60), "Wrong", true); // forgotten long ago: lowest
        logReply(t, old, kToday.addDays(-200), "Correct");      // known, longer ago: due
        logReply(t, loose, kToday.addDays(-300), "Wrong");      // in no set: never due
        QVERIFY(learn::rebuildMemoryState(t.db(), kToday.toJulianDay()));
        const std::vector<learn::DueEntry> due = learn::dueEntries(t.db(), kToday.toJulianDay());
        QCOMPARE(due.size(), size_t(2));
        QCOMPARE(due[0].cardId, fresh);
        QVERIFY(due[0].reverse);
        QCOMPARE(due[1].cardId, old);
        QCOMPARE(due[1].setName, QStringLiteral("Animals"));
        QVERIFY(due[0].retrievability < due[1].retrievability);
        QVERIFY(due[1].retrievability < 0.9);
        const learn::DueCounts counts = learn::dueCounts(t.db(), kToday.toJulianDay());
        QCOMPARE(counts.total, 2);
        QCOMPARE(counts.bySet.value("Animals"), 2);
        QCOMPARE(counts.bySet.value("Zoo"), 1);
        // The model's own list agrees, and so does its forecast, for all sets and for one.
        const std::vector<learn::CardMemory> model =
            learn::cardMemories(t.db(), kToday.toJulianDay(), 0.9);
        int modelDue = 0;
        for (const learn::CardMemory& m : model)
            modelDue += learn::isDue(m, 0.9) ? 1 : 0;
        QCOMPARE(modelDue, counts.total);
        const learn::DueOutlook outlook = learn::dueOutlook(t.db(), kToday.toJulianDay());
        QCOMPARE(outlook.perDay, learn::dueForecast(model, kToday.toJulianDay()));
        QCOMPARE(outlook.perDay[0], 2);
        QCOMPARE(learn::dueOutlook(t.db(), kToday.toJulianDay(), "Zoo").perDay[0], 1);
        QCOMPARE(learn::dueOutlook(t.db(), kToday.toJulianDay(), "Nowhere").perDay[0], 0);

        // Counted days later, everything answered has come due; a day before the count was
        // made, it is made again.
        QCOMPARE(learn::dueCounts(t.db(), kToday.toJulianDay() + 400).total, 3);
        QCOMPARE(learn::dueCounts(t.db(), kToday.toJulianDay() - 300).total, 0);
        QCOMPARE(learn::dueCounts(t.db(), kToday.toJulianDay()).total, 2);

        // The counts follow the sets: a card put in a set, a set renamed away, a card deleted.
        t.relate(zoo, loose);
        QCOMPARE(learn::dueCounts(t.db(), kToday.toJulianDay()).bySet.value("Zoo"), 2);
        QCOMPARE(learn::dueCounts(t.db(), kToday.toJulianDay()).total, 3);
        t.exec("UPDATE Set1 SET SetName = '' WHERE Set_ID = ?", {zoo});
        QCOMPARE(learn::dueCounts(t.db(), kToday.toJulianDay()).total, 2);
        t.exec("DELETE FROM Card WHERE Card_ID = ?", {old});
        const learn::DueCounts after = learn::dueCounts(t.db(), kToday.toJulianDay());
        QCOMPARE(after.total, 1);
        QCOMPARE(after.bySet.value("Animals"), 1);
        QVERIFY(!after.bySet.contains(""));
    }

    // A reply stored while the log was being read makes the build give up rather than write a
    // state that misses it; the next build takes it in.
    void aBuildOverAChangedLogWritesNothing() {
        testing::TempDatabase t;
        const qint64 set = t.addSet("S");
        const qint64 a = t.addCard("chien", "dog", set);
        logReply(t, a, kToday.addDays(-5), "Correct");
        QVERIFY(!learn::rebuildMemoryState(t.db(), kToday.toJulianDay(),
                                           [&] { logReply(t, a, kToday, "Wrong"); }));
        QVERIFY(stateRows(t).isEmpty());
        QVERIFY(!learn::memoryStateIsCurrent(t.db()));
        QVERIFY(learn::rebuildMemoryState(t.db(), kToday.toJulianDay()));
        QCOMPARE(t.scalar("SELECT LastDay FROM MemoryState").toLongLong(), kToday.toJulianDay());
    }
};

QTEST_GUILESS_MAIN(TestMemoryStore)
#include "test_memory_store.moc"
