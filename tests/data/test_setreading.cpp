// SPDX-License-Identifier: GPL-3.0-or-later
// The fast readers of many rows against what SQLite and QSqlQuery give for the same source.
#include "data/Database.h"
#include "data/FastQuery.h"
#include "data/Recordset.h"
#include "data/SetViews.h"
#include "data/Sql.h"
#include "data/WalCheckpoints.h"
#include "learn/rules/CardRead.h"
#include "support/TempDatabase.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

// Every row of `sql` as QSqlQuery reads it.
QList<QVariantList> qtRows(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery q = data::exec(db, sql);
    QList<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        rows << row;
    }
    return rows;
}

// The same value, of the same type, null in the same way.
bool same(const QVariant& a, const QVariant& b) {
    return a.typeId() == b.typeId() && a.isNull() == b.isNull() && a.isValid() == b.isValid() &&
           a == b;
}

// The first value that differs from QSqlQuery's rows, or an empty text.
template <typename At> QString firstDifference(const QList<QVariantList>& expected, At at) {
    for (int r = 0; r < expected.size(); ++r)
        for (int c = 0; c < expected[r].size(); ++c)
            if (!same(at(r, c), expected[r][c]))
                return QStringLiteral("row %1 column %2").arg(r).arg(c);
    return {};
}

// Cards whose order keys are awkward: ties, NULL, integers beside reals, text, a blob, a card
// tied twice to the set, a multiple-answer card.
void seedAwkwardSet(testing::TempDatabase& t) {
    const qint64 set = t.addSet("s");
    t.addSet("other");
    const QVariantList orders = {
        3.5,    QVariant(), 2,        2.0,         "b", "a", QByteArray("\x01", 1),
        -1e300, 3.5,        "\u00e9", "\U0001F600"};
    for (int i = 0; i < orders.size(); ++i) {
        const qint64 card = t.addCard(QStringLiteral("q%1").arg(i),
                                      i == 3 ? "Multi" : QStringLiteral("a%1").arg(i), set);
        t.exec("UPDATE Card SET \"Order\" = ? WHERE Card_ID = ?", {orders[i], card});
        if (i == 8)
            t.relate(set, card);
    }
    t.addCard("elsewhere", "x", set + 1);
    t.chooseSet("s");
}

} // namespace

class TestSetReading : public QObject {
    Q_OBJECT
  private slots:
    void fastQueryGivesQtValues_data();
    void fastQueryGivesQtValues();
    void comparisonIsSqlites_data();
    void comparisonIsSqlites();
    void viewsReadInTheirOwnOrder_data();
    void viewsReadInTheirOwnOrder();
    void checkpointsLeaveTheCommit();
};

void TestSetReading::fastQueryGivesQtValues_data() {
    QTest::addColumn<bool>("viaQt");
    QTest::newRow("SQLite handle") << false;
    QTest::newRow("QSqlQuery") << true;
}

void TestSetReading::fastQueryGivesQtValues() {
    QFETCH(bool, viaQt);
    testing::TempDatabase t;
    const QString sql = QStringLiteral(
        "SELECT 1 AS \"Order\", 2.5, NULL, 'text \u00e9', x'00ff', '', 9223372036854775807");
    data::FastQuery::forceQtForTesting(viaQt);
    data::FastQuery q(t.db(), sql);
    data::FastQuery::forceQtForTesting(false);
    QCOMPARE(q.direct(), !viaQt);
    const QList<QVariantList> expected = qtRows(t.db(), sql);
    QSqlQuery names = data::exec(t.db(), sql);
    for (int i = 0; i < names.record().count(); ++i)
        QCOMPARE(q.columns().value(i), names.record().fieldName(i));
    QVERIFY(q.next());
    QCOMPARE(firstDifference(expected, [&q](int, int c) { return q.value(c); }), QString());
    QVERIFY(!q.next());
    QVERIFY_THROWS_EXCEPTION(data::DbError, data::FastQuery(t.db(), "SELEC 1"));
}

void TestSetReading::comparisonIsSqlites_data() {
    QTest::addColumn<QVariant>("a");
    QTest::addColumn<QVariant>("b");
    QTest::newRow("null, number") << QVariant() << QVariant(-5);
    QTest::newRow("integer, real") << QVariant(qlonglong(2)) << QVariant(2.5);
    QTest::newRow("equal integer and real") << QVariant(qlonglong(2)) << QVariant(2.0);
    QTest::newRow("big integers apart by one")
        << QVariant(qlonglong(9007199254740993)) << QVariant(9007199254740992.0);
    QTest::newRow("number, text") << QVariant(1e300) << QVariant("0");
    QTest::newRow("text bytes, not UTF-16") << QVariant("\uff61") << QVariant("\U0001F600");
    QTest::newRow("prefix") << QVariant("ab") << QVariant("a");
    QTest::newRow("text, blob") << QVariant("z") << QVariant(QByteArray("a"));
}

void TestSetReading::comparisonIsSqlites() {
    QFETCH(QVariant, a);
    QFETCH(QVariant, b);
    testing::TempDatabase t;
    // SQLite's own answer, through ORDER BY on a column without affinity.
    t.exec("CREATE TEMP TABLE v (k, x)");
    t.exec("INSERT INTO v VALUES (1, ?), (2, ?)", {a, b});
    const int sqliteFirst = t.scalar("SELECT k FROM v ORDER BY x, k").toInt();
    const bool equal =
        t.scalar("SELECT a.x IS b.x FROM v a, v b WHERE a.k = 1 AND b.k = 2").toBool();
    const int mine = data::compareSqlValues(a, b);
    QCOMPARE(mine == 0, equal);
    if (!equal)
        QCOMPARE(mine < 0 ? 1 : 2, sqliteFirst);
    QCOMPARE(data::compareSqlValues(b, a), -mine);
}

void TestSetReading::viewsReadInTheirOwnOrder_data() {
    QTest::addColumn<QString>("view");
    for (const char* v : {"qCurrentSet", "qCurrentSetKids", "qSelectedSet", "qSelectedSetKids"})
        QTest::newRow(v) << QString::fromLatin1(v);
}

void TestSetReading::viewsReadInTheirOwnOrder() {
    QFETCH(QString, view);
    testing::TempDatabase t;
    seedAwkwardSet(t);
    const QList<QVariantList> expected = qtRows(t.db(), "SELECT * FROM " + view);
    QVERIFY(expected.size() >= 10);
    data::Recordset rs(t.db(), view);
    QCOMPARE(rs.recordCount(), expected.size());
    QCOMPARE(rs.columnNames().size(), expected[0].size());
    QCOMPARE(firstDifference(expected, [&rs](int r, int c) { return rs.valueAt(r, c); }),
             QString());
    // The lesson's card array, read on its own path: the same rows in the same order.
    // An earlier, longer set's rows past the new set's stay where they were.
    learn::CardArray cards;
    const int earlier = static_cast<int>(expected.size()) + 2;
    cards.at(earlier, 1) = QStringLiteral("earlier");
    const std::optional<int> n = learn::readCurrentSetCards(t.db(), view, cards);
    QCOMPARE(n.has_value(), view.startsWith("qCurrent"));
    if (n)
        QCOMPARE(firstDifference(expected, [&](int r, int c) { return cards.at(r + 1, c + 1); }),
                 QString());
    QCOMPARE(cards.at(earlier, 1).toString(), QStringLiteral("earlier"));
    // Writes still go through the view.
    if (view.startsWith("qSelected")) {
        rs.moveFirst();
        rs.setValue("Question", "edited");
        rs.update();
        QCOMPARE(t.scalar("SELECT Question FROM Card WHERE Card_ID = ?", {rs.value("Card_ID")}),
                 QVariant("edited"));
    }
}

void TestSetReading::checkpointsLeaveTheCommit() {
    testing::TempDatabase t;
    const QString wal = t.path() + "-wal";
    const auto writeMany = [&](int from) {
        // One commit per card, as replies come, each a few pages.
        for (int i = from; i < from + 1500; ++i)
            t.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
                   "('2024-01-01', ?, ?, 'Correct')",
                   {QStringLiteral("set %1").arg(i % 97), i * 7919 % 100003});
    };
    // Without the thread, the committing connection checkpoints: the log starts over.
    writeMany(0);
    const qint64 bound = QFileInfo(wal).size();
    QVERIFY(bound > 0);
    writeMany(1500);
    QVERIFY(QFileInfo(wal).size() <= bound * 2);

    data::walCheckpoints::start(t.path());
    QVERIFY(data::walCheckpoints::running());
    writeMany(3000);
    QTRY_VERIFY(data::walCheckpoints::checkpointsMade() > 0);
    writeMany(4500);
    data::walCheckpoints::stop();
    QVERIFY(!data::walCheckpoints::running());
    QCOMPARE(t.scalar("SELECT COUNT(*) || ' ' || (SELECT * FROM pragma_quick_check) FROM Log"),
             QVariant("6000 ok"));
}

QTEST_GUILESS_MAIN(TestSetReading)
#include "test_setreading.moc"
