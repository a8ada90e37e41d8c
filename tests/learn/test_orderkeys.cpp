// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Database.h"
#include "data/LockWait.h"
#include "data/Sql.h"
#include "learn/rules/Clock.h"
#include "learn/rules/OrderKeys.h"
#include "support/OtherProgram.h"
#include "support/TempDatabase.h"

#include <QSqlQuery>
#include <QtTest>

// The tracked order keys against the rules applied to every card at once, on a reference
// database that goes through the same scores, new cards, ends of bunches and learnt sets.
class TestOrderKeys : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { learn::setNowForTesting(std::nullopt); }

    void keysEqualTheRules_data();
    void keysEqualTheRules();
    void killedPassIsFinishedOnTheNextStart();
    void olderFileIsUpgraded();
};

namespace {

constexpr int kCards = 40;
const QVariant kRatings[] = {QVariant(0.9), QVariant(0.5),       QVariant(1.0 / 3),
                             QVariant(0.0), QVariant(32.0 / 79), QVariant(0.25)};

// The rules' result kept by the old way: every key written at every end of a bunch.
struct Reference {
    Reference() {
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
        data::exec(db, QStringLiteral("CREATE TABLE Card (Card_ID INTEGER PRIMARY KEY, "
                                      "Rating REAL DEFAULT 0, \"Order\" REAL)"));
    }
    ~Reference() {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("reference"));
    }
    void apply(learn::KeyRule rule, int day) {
        learn::writeOrderKeys(db, rule, day, QStringLiteral("Rating"), QStringLiteral("1"));
    }
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reference"));
};

// Both databases with the same cards and scores.
void exec2(testing::TempDatabase& t, Reference& r, const QString& sql, const QVariantList& b) {
    t.exec(sql, b);
    data::exec(r.db, sql, b);
}

qint64 newCard(testing::TempDatabase& t, Reference& r) {
    const qint64 id = t.addCard(QStringLiteral("q"), QStringLiteral("a"), 0);
    data::exec(r.db, QStringLiteral("INSERT INTO Card (Card_ID, \"Order\") VALUES (?, ?)"),
               {id, id});
    return id;
}

// The cards whose keys differ, with both keys; empty when they agree. `where` limits the
// comparison.
QString differences(const QSqlDatabase& a, const QSqlDatabase& b,
                    const QString& where = QStringLiteral("1")) {
    const QString sql =
        QStringLiteral("SELECT Card_ID, \"Order\" FROM Card WHERE %1 ORDER BY Card_ID").arg(where);
    QSqlQuery qa = data::exec(a, sql);
    QSqlQuery qb = data::exec(b, sql);
    QString out;
    while (qa.next()) {
        if (!qb.next())
            return out + QStringLiteral(" (reference has fewer cards)");
        const QVariant x = qa.value(1);
        const QVariant y = qb.value(1);
        const bool same =
            x.isNull() == y.isNull() && (x.isNull() || qAbs(x.toDouble() - y.toDouble()) < 1e-9);
        if (!same || qa.value(0) != qb.value(0))
            out += QStringLiteral(" card %1: %2 vs %3")
                       .arg(qa.value(0).toString(), x.toString(), y.toString());
    }
    if (qb.next())
        out += QStringLiteral(" (reference has more cards)");
    return out;
}

void setUp(testing::TempDatabase& t, Reference& r) {
    for (int i = 0; i < kCards; ++i)
        newCard(t, r);
    exec2(t, r, QStringLiteral("UPDATE Card SET Rating = (Card_ID % 7) * 1.0 / (Card_ID % 5 + 2)"),
          {});
}

// Scores a quarter of the cards, a different quarter and rating each time.
void rescore(testing::TempDatabase& t, Reference& r, int k) {
    exec2(t, r, QStringLiteral("UPDATE Card SET Rating = ? WHERE Card_ID % 4 = ?"),
          {kRatings[k % std::size(kRatings)], k % 4});
}

void learnt(int day) {
    learn::setNowForTesting(QDateTime(QDate(2024, 5, day), QTime(12, 0)));
}

} // namespace

void TestOrderKeys::keysEqualTheRules_data() {
    // B: end of a bunch; L, M: a learnt set on the 4th, the 5th; r: some cards scored;
    // n: a new card; s: a step of a pending pass; q: the keys of every third card read (a
    // set loaded) while a pass may be pending.
    QTest::addColumn<QString>("script");
    QTest::newRow("bunch ends") << "BrBrrB";
    QTest::newRow("learnt sets") << "LrLrL";
    QTest::newRow("learnt, then bunch midway") << "LsrsBsrB";
    QTest::newRow("same rule while pending") << "BsrBsrsB";
    QTest::newRow("another day") << "LsrMsrM";
    QTest::newRow("new cards while pending") << "BsnrnsBnB";
    QTest::newRow("set loaded while pending") << "LsrqsrqBqrsq";
    QTest::newRow("scored twice beyond the cursor") << "LrsrrsrB";
}

void TestOrderKeys::keysEqualTheRules() {
    QFETCH(QString, script);
    testing::TempDatabase t;
    Reference r;
    setUp(t, r);
    int k = 0;
    for (const QChar op : script) {
        switch (op.toLatin1()) {
        case 'B':
            learn::SubReorder(t.db());
            r.apply(learn::KeyRule::Bunch, 0);
            break;
        case 'L':
        case 'M': {
            const int day = op == QLatin1Char('L') ? 4 : 5;
            learnt(day);
            learn::SubUpdateOrder1(t.db());
            r.apply(learn::KeyRule::LearntSet, day);
            break;
        }
        case 'r':
            rescore(t, r, k++);
            break;
        case 'n':
            newCard(t, r);
            break;
        case 's':
            learn::advanceOrderKeys(t.db(), 7); // stops midway through the cards
            break;
        case 'q': {
            const QString third = QStringLiteral("Card_ID % 3 = 0");
            learn::completeOrderKeysOf(t.db(),
                                       QStringLiteral("SELECT Card_ID FROM Card WHERE ") + third);
            QCOMPARE(differences(t.db(), r.db, third), QString());
            break;
        }
        }
    }
    learn::completeOrderKeys(t.db());
    QVERIFY(learn::orderKeysComplete(t.db()));
    QCOMPARE(differences(t.db(), r.db), QString());
}

void TestOrderKeys::killedPassIsFinishedOnTheNextStart() {
    testing::TempDatabase t;
    Reference r;
    setUp(t, r);
    learnt(4);
    learn::SubUpdateOrder1(t.db());
    r.apply(learn::KeyRule::LearntSet, 4);
    QVERIFY(!learn::advanceOrderKeys(t.db(), 10)); // the seam: a quarter done
    rescore(t, r, 0);                              // a reply after it, before the kill

    // Killed: the next start opens the file afresh.
    QSqlDatabase::database(data::kMainConnection, false).close();
    QSqlDatabase::removeDatabase(data::kMainConnection);
    QVERIFY(data::openDatabase(t.path()).ok);
    QVERIFY(!learn::orderKeysComplete(t.db()));
    learn::OrderKeysRunner runner;
    // Another program writing: the runner neither waits for it nor keeps the lesson's
    // connection from waiting as it did.
    testing::whileLocked(t.path(), [&] {
        runner.start();
        QTest::qWait(300);
        QVERIFY(!learn::orderKeysComplete(t.db()));
        QElapsedTimer waited;
        waited.start();
        QVERIFY_THROWS_EXCEPTION(data::DbError, t.exec(QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(waited.elapsed() >= data::kLockWaitMs / 2);
    });
    QTRY_VERIFY(learn::orderKeysComplete(t.db()));
    QCOMPARE(differences(t.db(), r.db), QString());
}

void TestOrderKeys::olderFileIsUpgraded() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("version1.mdb"));
    QVERIFY(QFile::copy(QStringLiteral(MEMORANT_FIXTURES "/version1.mdb"), path));
    QVERIFY(data::openDatabase(path).ok);
    const QSqlDatabase db = data::mainConnection();
    Reference r;
    QSqlQuery cards = data::exec(db, QStringLiteral("SELECT Card_ID, Rating, \"Order\" FROM Card"));
    while (cards.next())
        data::exec(r.db, QStringLiteral("INSERT INTO Card VALUES (?, ?, ?)"),
                   {cards.value(0), cards.value(1), cards.value(2)});
    // The file's keys stay as they are until the next end of a bunch, which covers every card.
    QVERIFY(learn::orderKeysComplete(db));
    QCOMPARE(differences(db, r.db), QString());
    learn::SubReorder(db);
    r.apply(learn::KeyRule::Bunch, 0);
    QVERIFY(!differences(db, r.db).isEmpty()); // the sample set's keys are ids
    learn::completeOrderKeys(db);
    QCOMPARE(differences(db, r.db), QString());
    // From now on a score is tracked, and the next end of a bunch writes that card only.
    const QString first = QStringLiteral("UPDATE Card SET Rating = 0.9 WHERE Card_ID = "
                                         "(SELECT MIN(Card_ID) FROM Card)");
    data::exec(db, first);
    data::exec(r.db, first);
    QCOMPARE(data::scalar(db, QStringLiteral("SELECT COUNT(*) FROM OrderChanged")).toInt(), 1);
    learn::SubReorder(db);
    r.apply(learn::KeyRule::Bunch, 0);
    QVERIFY(learn::orderKeysComplete(db));
    QCOMPARE(differences(db, r.db), QString());
    data::closeAllConnections();
}

QTEST_GUILESS_MAIN(TestOrderKeys)
#include "test_orderkeys.moc"
