// SPDX-License-Identifier: GPL-3.0-or-later
#include "LessonFixture.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "learn/rules/Clock.h"
#include "learn/rules/OrderKeys.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <sqlite3.h>

// The order keys as a lesson meets them: replies that end a bunch or learn a set on a
// database far larger than the set, and the set loaded again right after.
class TestLessonOrder : public QObject {
    Q_OBJECT
  private slots:
    void init() { learn::setNowForTesting(QDateTime(QDate(2024, 3, 9), QTime(12, 0))); }
    void cleanup() { learn::setNowForTesting(std::nullopt); }

    void repliesRunNoStatementOverEveryCard();
    void setLoadedAfterBunchEndSeesTheNewKeys();
};

namespace {

constexpr int kOtherCards = 20000;

// A set "S" of three cards, chosen and being learnt, among many cards of no set.
struct BigLesson : LessonFixture {
    BigLesson()
        : LessonFixture(3, {},
                        QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                "WHERE i < %1) INSERT INTO Card (Question, Answer, Rating) "
                                "SELECT 'q', 'a', (i % 7) / 7.0 FROM n")
                            .arg(kOtherCards)) {}
};

sqlite3* rawHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    return qstrcmp(handle.typeName(), "sqlite3*") == 0
               ? *static_cast<sqlite3* const*>(handle.constData())
               : nullptr;
}

// The most virtual-machine steps any one statement took on the watched connections.
struct StepWatch {
    explicit StepWatch(const QList<QSqlDatabase>& dbs) {
        for (const QSqlDatabase& db : dbs) {
            sqlite3* raw = rawHandle(db);
            QVERIFY(raw);
            sqlite3_trace_v2(raw, SQLITE_TRACE_PROFILE, &StepWatch::profiled, this);
            raws.push_back(raw);
        }
    }
    ~StepWatch() {
        for (sqlite3* raw : raws)
            sqlite3_trace_v2(raw, 0, nullptr, nullptr);
    }
    static int profiled(unsigned, void* self, void* stmt, void*) {
        auto* w = static_cast<StepWatch*>(self);
        auto* s = static_cast<sqlite3_stmt*>(stmt);
        const int steps = sqlite3_stmt_status(s, SQLITE_STMTSTATUS_VM_STEP, 0);
        if (steps > w->most) {
            w->most = steps;
            w->statement = QString::fromUtf8(sqlite3_sql(s));
        }
        return 0;
    }
    std::vector<sqlite3*> raws;
    int most = 0;
    QString statement;
};

} // namespace

// Every statement the window's thread runs, on its own connection and on the order keys'
// one, stays far below one step per card, through ends of bunches and a learnt set and the
// steps between events that finish the keys.
void TestLessonOrder::repliesRunNoStatementOverEveryCard() {
    BigLesson f;
    const QSqlDatabase keys = data::openConnection(QStringLiteral("memorant-order-keys"));
    StepWatch watch({f.t.db(), keys});
    for (const char* reply : {"x", "a2", "a3", "a1"}) // a bunch ends, then the set is learnt
        f.reply(reply);
    QVERIFY(f.dialogs.shown().size() >= 2);
    QTRY_VERIFY(learn::orderKeysComplete(f.t.db()));
    // Ten steps a card is far below what one statement over every card takes.
    QVERIFY2(watch.most < 10 * kOtherCards,
             qPrintable(QString("%1 steps: %2").arg(watch.most).arg(watch.statement)));
}

// The keys the rules give, computed here for the set's cards as they stand.
void TestLessonOrder::setLoadedAfterBunchEndSeesTheNewKeys() {
    BigLesson f;
    f.reply("x"); // wrong: the bunch ends after the other two
    f.reply("a2");
    f.reply("a3");
    QVERIFY(!learn::orderKeysComplete(f.t.db())); // the pass over every card is still due
    f.learn();                                    // File > Learn on the same set, at once
    QVERIFY(!learn::orderKeysComplete(f.t.db()));
    QSqlQuery q = data::exec(f.t.db(), "SELECT Card_ID, Rating, \"Order\" FROM Card WHERE Card_ID "
                                       "IN (SELECT Card_ID FROM qCurrentSet)");
    QMap<double, qint64> byKey;
    while (q.next()) {
        // The last character of the rating's text, then the last digit of the id.
        const QString rating =
            q.value(1).toDouble() == 0 ? "0" : QString::number(q.value(1).toDouble(), 'g', 15);
        const double key = (rating.right(1) + q.value(0).toString().right(1)).toDouble();
        QCOMPARE(q.value(2).toDouble(), key);
        byKey.insert(key, q.value(0).toLongLong());
    }
    QCOMPARE(byKey.size(), 3);
    const learn::LessonState& L = f.lesson();
    QCOMPARE(L.CurRowLim, 3);
    int row = 1;
    for (const qint64 id : byKey)
        QCOMPARE(L.CSarray.at(row++, learn::ColCardId).toLongLong(), id);
}

QTEST_MAIN(TestLessonOrder)
#include "test_lessonorder.moc"
