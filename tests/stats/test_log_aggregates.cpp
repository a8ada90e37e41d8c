// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ClearLog.h"
#include "data/Sql.h"
#include "stats/LogAggregates.h"
#include "stats/StatsText.h"
#include "support/TempDatabase.h"

#include <QtTest>
#include <memory>

using stats::DayCount;
using stats::DayRange;

namespace {

const QDate kFirst(2026, 3, 1);

// replies/correct per day, oldest first, as one text for readable failures.
QString counts(const QVector<DayCount>& days) {
    QStringList out;
    for (const DayCount& d : days)
        out << QStringLiteral("%1/%2").arg(d.replies).arg(d.correct);
    return out.join(QLatin1Char(' '));
}

// The log's replies per day and set name counted afresh, beside what LogDays holds; both
// as "day|set|replies|correct" rows in key order.
QString countedAfresh(const QSqlDatabase& db) {
    return data::scalar(db, "SELECT coalesce(group_concat(d || '|' || s || '|' || r || '|' || c, "
                            "' '), '') FROM (SELECT coalesce(substr(\"Date\", 1, 10), '') AS d, "
                            "coalesce(SetName, '') AS s, count(*) AS r, "
                            "sum(Result IS 'Correct') AS c FROM Log GROUP BY 1, 2 ORDER BY 1, 2)")
        .toString();
}

QString keptSummary(const QSqlDatabase& db) {
    return data::scalar(db, "SELECT coalesce(group_concat(Day || '|' || SetName || '|' || "
                            "Replies || '|' || Correct, ' '), '') "
                            "FROM (SELECT * FROM LogDays ORDER BY Day, SetName)")
        .toString();
}

QString summaries(const QVector<stats::SetSummary>& sets) {
    QStringList out;
    for (const stats::SetSummary& s : sets)
        out << QStringLiteral("%1:%2,%3,%4,%5,%6")
                   .arg(s.name)
                   .arg(s.cards)
                   .arg(s.answered)
                   .arg(s.replies)
                   .arg(s.correct)
                   .arg(stats::fourDecimals(s.meanRating));
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestLogAggregates : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { t.reset(); }

    void repliesPerDay_data();
    void repliesPerDay();
    void setSummaries_data();
    void setSummaries();
    void anEmptyDatabase();
    void oddDatesAreCountedAndNeverHideTheRest();
    void slotsStayFewOverCenturies();
    void summaryStaysExact_data();
    void summaryStaysExact();
    void runs_data();
    void runs();
    void hardestCardsInTheDemonsOrder();
    void csvQuotesAndLeavesEmptyWhatDoesNotDivide();

  private:
    void log(const QString& date, const QString& set, qint64 card, const QString& result) {
        t->exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES (?, ?, ?, ?)",
                {date, set, card, result});
    }
    std::unique_ptr<testing::TempDatabase> t;
    qint64 verb = 0;
};

// Verbs (two cards) and Nouns (one card) now; "Old name" only in the log (a set renamed
// since); card 999 is a deleted card. 2026-03-02 has no replies.
void TestLogAggregates::init() {
    t = std::make_unique<testing::TempDatabase>();
    const qint64 verbs = t->addSet("Verbs");
    verb = t->addCard("to go", "gehen", verbs);
    const qint64 other = t->addCard("to be", "sein", verbs);
    const qint64 nouns = t->addSet("Nouns");
    t->addCard("house", "Haus", nouns);
    t->exec("UPDATE Card SET Rating = 1.5, Correct = 1 WHERE Card_ID = ?", {verb});
    t->exec("UPDATE Card SET Rating = 0.5 WHERE Card_ID = ?", {other});
    log("2026-02-28T23:59:59", "Verbs", verb, "Correct"); // a second before the range
    log("2026-03-01T00:00:00", "Verbs", verb, "Correct"); // midnight of the first day
    log("2026-03-01", "Verbs", verb, "Wrong");
    log("2026-03-01", "Nouns", verb, "Correct");
    log("2026-03-03T10:15:00", "Verbs", 999, "Wrong"); // a deleted card
    log("2026-03-03", "Verbs", verb, "Correct");
    log("2026-03-04", "Old name", verb, "Correct");
    log("2026-03-05", "Verbs", verb, "Correct"); // a day after the range
}

void TestLogAggregates::repliesPerDay_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("expected");
    const QStringList rows[] = {{"all sets", "", "3/2 0/0 2/1 1/1"},
                                {"one set", "Verbs", "2/1 0/0 2/1 0/0"},
                                {"a renamed set's old name", "Old name", "0/0 0/0 0/0 1/1"},
                                {"a name nobody uses", "verbs", "0/0 0/0 0/0 0/0"}};
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2];
}

void TestLogAggregates::repliesPerDay() {
    QFETCH(QString, set);
    QFETCH(QString, expected);
    const QVector<DayCount> days = stats::repliesPerDay(t->db(), {kFirst, kFirst.addDays(3)}, set);
    QCOMPARE(counts(days), expected);
    QCOMPARE(days.first().day, kFirst);
    QCOMPARE(days.last().day, kFirst.addDays(3));
}

void TestLogAggregates::setSummaries_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<int>("before"); // days before the first day the range starts
    QTest::addColumn<QString>("expected");
    QTest::newRow("all sets") << "" << 0
                              << "Nouns:1,0,1,1,0.0000 Old name:0,0,1,1, Verbs:2,1,4,2,1.0000";
    QTest::newRow("the whole log") << "" << 1
                                   << "Nouns:1,0,1,1,0.0000 Old name:0,0,1,1, "
                                      "Verbs:2,1,5,3,1.0000";
    QTest::newRow("one set") << "Verbs" << 0 << "Verbs:2,1,4,2,1.0000";
    QTest::newRow("only in the log") << "Old name" << 0 << "Old name:0,0,1,1,";
}

void TestLogAggregates::setSummaries() {
    QFETCH(QString, set);
    QFETCH(int, before);
    QFETCH(QString, expected);
    const DayRange range{kFirst.addDays(-before), kFirst.addDays(3)};
    QCOMPARE(summaries(stats::setSummaries(t->db(), range, set)), expected);
}

void TestLogAggregates::anEmptyDatabase() {
    t->exec("DELETE FROM Log");
    const QDate today(2026, 12, 7);
    QVERIFY(stats::allDays(t->db(), today).isEmpty());
    QVERIFY(stats::repliesPerDay(t->db(), stats::allDays(t->db(), today)).isEmpty());
    const QVector<DayCount> month = stats::repliesPerDay(t->db(), stats::lastDays(30, today));
    QCOMPARE(month.size(), 30);
    QCOMPARE(month.last().day, today);
    QCOMPARE(counts(month), QStringList(30, "0/0").join(' '));
    QCOMPARE(summaries(stats::setSummaries(t->db(), stats::allDays(t->db(), today))),
             QStringLiteral("Nouns:1,0,0,0,0.0000 Verbs:2,1,0,0,1.0000"));
    t->exec("DELETE FROM Set_Card_rel");
    t->exec("DELETE FROM Set1");
    QVERIFY(stats::setSummaries(t->db(), stats::lastDays(30, today)).isEmpty());
}

// Days at the ends of time and dates that are no day are counted and named, and the
// range, the days and the sets are those of the readable rows.
void TestLogAggregates::oddDatesAreCountedAndNeverHideTheRest() {
    for (const QString date :
         {"0001-01-01", "9999-12-31T23:59:59", "12/07/2026", "1999-02-30", "0002", ""})
        log(date, "Verbs", verb, "Correct");
    t->exec("INSERT INTO Log (SetName, CardID, Result) VALUES ('Verbs', ?, 'Wrong')", {verb});

    const stats::LogSpan span = stats::logSpan(t->db());
    QCOMPARE(span.days.first, QDate(2026, 2, 28));
    QCOMPARE(span.days.last, QDate(2026, 3, 5));
    QCOMPARE(span.outsideRows, 2);
    QCOMPARE(span.outsideDays, (QStringList{"0001-01-01", "9999-12-31"}));
    QCOMPARE(span.unreadableRows, 5);
    QCOMPARE(span.unreadableDates, (QStringList{"", "0002", "12/07/2026", "1999-02-30"}));
    const QString note = stats::logSpanNote(span);
    QVERIFY2(note.contains("2 log rows are dated outside 1900-01-01 to 2199-12-31 and not shown "
                           "(\"0001-01-01\", \"9999-12-31\")") &&
                 note.contains("5 log rows have no readable date and are not shown (no date, "
                               "\"0002\", \"12/07/2026\", \"1999-02-30\")"),
             qPrintable(note));

    const DayRange all = stats::allDays(span, QDate(2026, 3, 10));
    QCOMPARE(all.first, QDate(2026, 2, 28));
    QCOMPARE(all.days(), 11);
    // The per-day and per-set counts agree, as if the odd rows were not there; so do they
    // up to the last day a date can have.
    const QString whole = "Nouns:1,0,1,1,0.0000 Old name:0,0,1,1, Verbs:2,1,6,4,1.0000";
    QCOMPARE(summaries(stats::setSummaries(t->db(), all)), whole);
    QCOMPARE(summaries(stats::setSummaries(t->db(), {QDate(2026, 2, 1), QDate(9999, 12, 31)})),
             whole);
    int replies = 0;
    for (const DayCount& d : stats::repliesPerDay(t->db(), all))
        replies += d.replies;
    QCOMPARE(replies, 8);
}

// A chart of the log from 1900 on takes whole weeks per bar, never a bar per day.
void TestLogAggregates::slotsStayFewOverCenturies() {
    log("1900-01-01", "Verbs", verb, "Wrong");
    log("2199-12-31", "Verbs", verb, "Correct");
    const DayRange all = stats::allDays(t->db(), QDate(2026, 3, 10));
    QCOMPARE(all.days(), int(QDate(1900, 1, 1).daysTo(QDate(2199, 12, 31))) + 1);
    const int slotDays = stats::slotDaysFor(all, 731);
    QCOMPARE(slotDays % 7, 0);
    const QVector<DayCount> perSlot = stats::repliesPerSlot(t->db(), all, QString(), slotDays);
    QVERIFY2(perSlot.size() <= 731, qPrintable(QString::number(perSlot.size())));
    int replies = 0;
    for (const DayCount& d : perSlot)
        replies += d.replies;
    QCOMPARE(replies, 10);
    QCOMPARE(perSlot.first().replies, 1);
    QCOMPARE(perSlot.last().correct, 1);
    QCOMPARE(stats::slotDaysFor(stats::lastDays(365, QDate(2026, 3, 10)), 731), 1);
}

// Every way the log changes, each after the seeded rows; what the statistics read must stay
// what a count over the whole log gives.
void TestLogAggregates::summaryStaysExact_data() {
    QTest::addColumn<QStringList>("statements");
    QTest::newRow("a judged reply")
        << QStringList{"INSERT INTO Log (\"Date\", SetName, CardID, Result) "
                       "VALUES ('2026-03-03T11:00:00', 'Verbs', 1, 'Correct')"};
    QTest::newRow("a reply taken back")
        << QStringList{"DELETE FROM Log WHERE RecID = (SELECT max(RecID) FROM Log)",
                       "DELETE FROM Log WHERE RecID = (SELECT min(RecID) FROM Log)"};
    QTest::newRow("the last reply of a day and set taken back")
        << QStringList{"DELETE FROM Log WHERE SetName = 'Old name'"};
    QTest::newRow("the log cleaned") << QStringList{"DELETE FROM Log"};
    QTest::newRow("the log cleaned from the menu, then a reply")
        << QStringList{"clearLog", "INSERT INTO Log (\"Date\", SetName, CardID, Result) "
                                   "VALUES ('2026-03-01', 'Verbs', 1, 'Wrong')"};
    QTest::newRow("rows merged from an exchange file") << QStringList{
        "CREATE TEMP TABLE Staged (d, s, r)",
        "INSERT INTO Staged VALUES ('2026-03-01', 'Verbs', 'Correct'), "
        "('2026-03-01T08:00:00', 'Verbs', 'Wrong'), ('2025-12-31', 'Imported', 'Correct')",
        "INSERT INTO Log (\"Date\", SetName, CardID, Result) SELECT d, s, 1, r FROM Staged "
        "ORDER BY rowid"};
    QTest::newRow("rows without date, set or result") << QStringList{
        "INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES (NULL, NULL, 1, NULL)",
        "INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES ('', '', 1, 'Correct')",
        "DELETE FROM Log WHERE \"Date\" IS NULL"};
    QTest::newRow("rows edited") << QStringList{
        "UPDATE Log SET Result = 'Wrong' WHERE Result = 'Correct' AND SetName = 'Verbs'",
        "UPDATE Log SET \"Date\" = '2026-03-02' WHERE SetName = 'Nouns'",
        "UPDATE Log SET SetName = 'Moved' WHERE \"Date\" = '2026-03-05'",
        "UPDATE Log SET CardID = 5"};
    QTest::newRow("a set renamed")
        << QStringList{"UPDATE Set1 SET SetName = 'Verben' WHERE SetName = 'Verbs'"};
    QTest::newRow("a card and a set deleted")
        << QStringList{"DELETE FROM Set_Card_rel", "DELETE FROM Card", "DELETE FROM Set1"};
}

void TestLogAggregates::summaryStaysExact() {
    QFETCH(QStringList, statements);
    const QString before = countedAfresh(t->db());
    QCOMPARE(keptSummary(t->db()), before);
    for (const QString& statement : statements) {
        if (statement == QLatin1String("clearLog"))
            data::clearLog(t->db());
        else
            t->exec(statement);
    }
    QCOMPARE(keptSummary(t->db()), countedAfresh(t->db()));
    // A rename or a deletion of cards and sets leaves the log's rows as they were.
    if (QTest::currentDataTag() == QLatin1String("a set renamed") ||
        QTest::currentDataTag() == QLatin1String("a card and a set deleted"))
        QCOMPARE(keptSummary(t->db()), before);
}

void TestLogAggregates::runs_data() {
    QTest::addColumn<QString>("pattern"); // one character a day, the last today: x learnt
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("longest");
    QTest::newRow("none") << "....." << 0 << 0;
    QTest::newRow("up to today") << "x.xxx" << 3 << 3;
    QTest::newRow("today not yet") << "xxx.xx." << 2 << 3;
    QTest::newRow("broken yesterday") << "xxxx.." << 0 << 4;
    QTest::newRow("every day") << "xxxxxx" << 6 << 6;
}

void TestLogAggregates::runs() {
    QFETCH(QString, pattern);
    QFETCH(int, current);
    QFETCH(int, longest);
    const QDate today(2026, 12, 7);
    QVector<DayCount> days;
    for (int i = 0; i < pattern.size(); ++i)
        days.push_back({today.addDays(i - pattern.size() + 1), pattern[i] == 'x' ? 2 : 0, 1});
    const stats::Runs runs = stats::runsOfDays(days, today);
    QCOMPARE(runs.current, current);
    QCOMPARE(runs.longest, longest);
}

void TestLogAggregates::hardestCardsInTheDemonsOrder() {
    const qint64 set = t->addSet("Hard");
    QList<qint64> cards;
    for (int i = 0; i < 12; ++i)
        cards << t->addCard(QStringLiteral("q%1").arg(i), "a", set);
    // Lower rating first, then more wrong replies, then the older card; never-wrong left out.
    for (int i = 0; i < 12; ++i)
        t->exec("UPDATE Card SET Rating = ?, Incorrect = ? WHERE Card_ID = ?",
                {i < 6 ? 1.0 : 2.0, i == 0 ? 0 : (i % 3) + 1, cards[i]});
    // A card deleted while its tie stays (an edit elsewhere) is not named.
    t->relate(set, 999);
    QStringList order;
    for (const stats::HardCard& c : stats::hardestCards(t->db(), "Hard"))
        order << c.question;
    QCOMPARE(order.join(' '), QStringLiteral("q2 q5 q1 q4 q3 q8 q11 q7 q10 q6"));
    // A card's other way is listed by its own values, beside its forward way when they tie.
    t->exec("INSERT INTO CardReverse (Card_ID, Rating, Correct, Incorrect) VALUES (?, 1, 0, 3), "
            "(?, 0.5, 0, 1), (?, 0.1, 0, 0)",
            {cards[2], cards[7], cards[0]});
    order.clear();
    for (const stats::HardCard& c : stats::hardestCards(t->db(), "Hard"))
        order << c.question + (c.reverse ? QStringLiteral("r") : QString());
    QCOMPARE(order.join(' '), QStringLiteral("q7r q2 q2r q5 q1 q4 q3 q8 q11 q7"));
}

void TestLogAggregates::csvQuotesAndLeavesEmptyWhatDoesNotDivide() {
    const QVector<DayCount> days{{QDate(2026, 3, 1), 3, 2}, {QDate(2026, 3, 2), 0, 0}};
    const QVector<stats::SetSummary> sets{{"Say \"hi\", twice", 0, 0, 3, 2, std::nullopt},
                                          {"Verbs", 2, 1, 0, 0, 1.0 / 3}};
    QCOMPARE(stats::statsCsv(days, sets),
             QStringLiteral("date,replies,correct,wrong,share_correct\n"
                            "2026-03-01,3,2,1,0.6667\n"
                            "2026-03-02,0,0,0,\n"
                            "\n"
                            "set,cards,answered,replies,correct,share_correct,mean_rating\n"
                            "\"Say \"\"hi\"\", twice\",0,0,3,2,0.6667,\n"
                            "Verbs,2,1,0,0,,0.3333\n"));
}

QTEST_GUILESS_MAIN(TestLogAggregates)
#include "test_log_aggregates.moc"
