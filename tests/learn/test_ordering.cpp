// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/Clock.h"
#include "learn/rules/OrderKeys.h"
#include "learn/rules/Ordering.h"
#include "support/TempDatabase.h"

#include <QtTest>

using learn::CardArray;

class TestOrdering : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        learn::setNowForTesting(std::nullopt);
        learn::setKeysInProgramForTesting(false);
    }

    void reorderArray_data();
    void reorderArray();
    void reorderMovesWholeRows();

    void orderKey_data();
    void orderKey();
    void everyCardIsRewritten();
};

namespace {

// Rows 1..letters.size() hold one card each, named by a letter.
CardArray arrayOf(const QString& letters) {
    CardArray a;
    for (int i = 0; i < letters.size(); ++i)
        a.at(i + 1, learn::ColQuestion) = QString(letters[i]);
    return a;
}

QString lettersOf(const CardArray& a, int n) {
    QString out;
    for (int i = 1; i <= n; ++i)
        out += a.at(i, learn::ColQuestion).toString();
    return out;
}

void addCard(testing::TempDatabase& t, qint64 id, const QVariant& rating) {
    t.exec(
        "INSERT INTO Card (Card_ID, Question, Answer, Rating, \"Order\") VALUES (?, 'q', 'a', ?, "
        "-1)",
        {id, rating});
}

QVariant orderOf(testing::TempDatabase& t, qint64 id) {
    return t.scalar("SELECT \"Order\" FROM Card WHERE Card_ID = ?", {id});
}

} // namespace

void TestOrdering::reorderArray_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QStringList rows[] = {
        {"N=0", "", ""}, {"N=2", "ab", "ab"}, {"N=3", "abc", "bac"}, {"N=6", "abcdef", "edcbaf"}};
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2];
}

void TestOrdering::reorderArray() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    const int n = int(before.size());
    CardArray a = arrayOf(before + "xyz"); // rows past CurRowLim stay where they are
    learn::SubReorderArray(a, n);
    QCOMPARE(lettersOf(a, n + 3), after + "xyz");
    // The next pass meets the cards in their first order again.
    learn::SubReorderArray(a, n);
    QCOMPARE(lettersOf(a, n + 3), before + "xyz");
}

void TestOrdering::reorderMovesWholeRows() {
    CardArray a;
    for (int r = 1; r <= 3; ++r)
        for (int c = learn::ColQuestion; c <= learn::ColDisplayQuestionNumber; ++c)
            a.at(r, c) = r * 100 + c;
    a.at(1, learn::ColCurStatus) = 1; // learnt this pass: moves all the same
    learn::SubReorderArray(a, 3);
    for (int c = learn::ColQuestion; c <= learn::ColDisplayQuestionNumber; ++c) {
        if (c != learn::ColCurStatus)
            QCOMPARE(a.at(2, c).toInt(), 100 + c);
        QCOMPARE(a.at(1, c).toInt(), 200 + c);
        QCOMPARE(a.at(3, c).toInt(), 300 + c);
    }
    QCOMPARE(a.at(2, learn::ColCurStatus).toInt(), 1);
}

// Day 0: the key written at the end of a bunch; else the key of a learnt set on that day.
void TestOrdering::orderKey_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<qint64>("cardId");
    QTest::addColumn<QVariant>("rating");
    QTest::addColumn<QVariant>("order");
    QTest::newRow("bunch 0.9/123") << 0 << qint64(123) << QVariant(0.9) << QVariant(93.0);
    QTest::newRow("bunch 0.25/16") << 0 << qint64(16) << QVariant(0.25) << QVariant(56.0);
    QTest::newRow("bunch 0/7") << 0 << qint64(7) << QVariant(0.0) << QVariant(7.0);
    QTest::newRow("bunch 1/3") << 0 << qint64(58) << QVariant(1.0 / 3) << QVariant(38.0);
    // 15 digits correctly rounded end in 1 (0.405063291139241), not in 4.
    QTest::newRow("bunch 32/79") << 0 << qint64(5) << QVariant(32.0 / 79) << QVariant(15.0);
    QTest::newRow("bunch no rating") << 0 << qint64(9) << QVariant() << QVariant();
    QTest::newRow("4th 37/0.9") << 4 << qint64(37) << QVariant(0.9) << QVariant(24.1);
    QTest::newRow("3rd 10/0") << 3 << qint64(10) << QVariant(0.0) << QVariant(33.0);
    QTest::newRow("5th 37/0.9") << 5 << qint64(37) << QVariant(0.9) << QVariant(-0.5);
    QTest::newRow("7th 100/1/3") << 7 << qint64(100) << QVariant(1.0 / 3)
                                 << QVariant(43.0 - 33.0); // 14.2857142857143
    QTest::newRow("1st 32/79") << 1 << qint64(12) << QVariant(32.0 / 79) << QVariant(12.0 - 41.0);
    QTest::newRow("learnt no rating") << 4 << qint64(37) << QVariant() << QVariant();
}

void TestOrdering::orderKey() {
    QFETCH(int, day);
    QFETCH(qint64, cardId);
    QFETCH(QVariant, rating);
    QFETCH(QVariant, order);
    testing::TempDatabase t;
    addCard(t, cardId, rating);
    if (day)
        learn::setNowForTesting(QDateTime(QDate(2024, 5, day), QTime(23, 59)));
    // By the SQL functions, then as when Qt's SQLite is not the linked one.
    for (const bool inProgram : {false, true}) {
        learn::setKeysInProgramForTesting(inProgram);
        t.exec("UPDATE Card SET \"Order\" = -1");
        t.exec("UPDATE OrderPass SET Rule = 0"); // keys forgotten: every card again
        if (day)
            learn::SubUpdateOrder1(t.db());
        else
            learn::SubReorder(t.db());
        learn::completeOrderKeys(t.db());
        const QVariant got = orderOf(t, cardId);
        QCOMPARE(got.isNull(), order.isNull());
        if (!order.isNull())
            QVERIFY2(qAbs(got.toDouble() - order.toDouble()) < 1e-9,
                     qPrintable(QString("got %1").arg(got.toDouble(), 0, 'g', 17)));
    }
}

void TestOrdering::everyCardIsRewritten() {
    testing::TempDatabase t;
    const qint64 learning = t.addSet("Learning");
    const qint64 other = t.addSet("Other");
    t.chooseSet("Learning");
    for (int i = 0; i < 30; ++i)
        t.addCard(QString("q%1").arg(i), "a", i % 3 == 0 ? learning : other);
    t.addCard("in no set", "a", 0);
    t.exec("UPDATE Card SET Rating = 0.5, \"Order\" = -1");

    learn::SubReorder(t.db());
    learn::completeOrderKeys(t.db());
    // Here Qt's driver uses the linked SQLite, so the quick way was taken.
    QCOMPARE(t.scalar("SELECT memorant_val('7')").toDouble(), 7.0);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card WHERE \"Order\" = -1").toInt(), 0);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card WHERE \"Order\" = 50 + Card_ID % 10").toInt(), 31);

    t.exec("UPDATE Card SET \"Order\" = -1");
    learn::setNowForTesting(QDateTime(QDate(2024, 5, 1), QTime(8, 0)));
    learn::SubUpdateOrder1(t.db());
    learn::completeOrderKeys(t.db());
    // On the 1st the quotient is the id itself: its last two digits less 5 (".5").
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card WHERE \"Order\" = Card_ID % 100 - 0.5").toInt(),
             31);
}

QTEST_GUILESS_MAIN(TestOrdering)
#include "test_ordering.moc"
