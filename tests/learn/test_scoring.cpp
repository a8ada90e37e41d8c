// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/LessonRules.h"
#include "learn/rules/Scoring.h"

#include <QtTest>

class TestScoring : public QObject {
    Q_OBJECT
  private slots:
    void workedSequence();
    void normalization_data();
    void normalization();
    void emptyWeightIsNotScored_data();
    void emptyWeightIsNotScored();
    void storedAnswer();
    void statuses();
};

// A new card through six replies; each row is what is stored after the reply.
void TestScoring::workedSequence() {
    QVariant c = 0.0;
    QVariant i = 0.0;
    QStringList stored;
    for (const bool correct : {true, false, true, false, false, true}) {
        const auto score = learn::scoreAfterReply(c, i, correct);
        QVERIFY(score);
        stored << QString::asprintf("%.6g %.6g %.6g", score->correct, score->incorrect,
                                    score->rating);
        c = score->correct;
        i = score->incorrect;
    }
    QCOMPARE(stored, (QStringList{"1 0 0.9", "1 1 0.5", "1 0.5 0.666667", "0.666667 1 0.4",
                                  "0.333333 1 0.25", "1 0.75 0.571429"}));
}

void TestScoring::normalization_data() {
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("i");
    QTest::addColumn<double>("expC");
    QTest::addColumn<double>("expI");
    QTest::addColumn<double>("rating");
    QTest::newRow("only correct keeps counting") << 5.0 << 0.0 << 5.0 << 0.0 << 0.9;
    QTest::newRow("only wrong keeps counting") << 0.0 << 3.0 << 0.0 << 3.0 << 0.0;
    QTest::newRow("more wrong") << 1.0 << 3.0 << 1.0 / 3 << 1.0 << 0.25;
    QTest::newRow("more correct") << 3.0 << 1.0 << 1.0 << 1.0 / 3 << 0.75;
}

void TestScoring::normalization() {
    QFETCH(double, c);
    QFETCH(double, i);
    QFETCH(double, expC);
    QFETCH(double, expI);
    QFETCH(double, rating);
    const auto score = learn::normalizeScore(c, i);
    QVERIFY(score);
    QCOMPARE(score->correct + 1, expC + 1);
    QCOMPARE(score->incorrect + 1, expI + 1);
    QCOMPARE(score->rating + 1, rating + 1);
    QVERIFY(score->rating < 1); // never 1, so a learnt card is told from a perfect one
}

void TestScoring::emptyWeightIsNotScored_data() {
    QTest::addColumn<QVariant>("c");
    QTest::addColumn<QVariant>("i");
    QTest::newRow("null correct") << QVariant() << QVariant(0.0);
    QTest::newRow("null incorrect") << QVariant(1.0) << QVariant();
    QTest::newRow("empty text") << QVariant(QString()) << QVariant(0.0);
    QTest::newRow("not a number") << QVariant(QStringLiteral("x")) << QVariant(0.0);
}

void TestScoring::emptyWeightIsNotScored() {
    QFETCH(QVariant, c);
    QFETCH(QVariant, i);
    QVERIFY(!learn::scoreAfterReply(c, i, true));
    QVERIFY(!learn::scoreAfterReply(c, i, false));
}

// A stored answer is judged as its text (the forgiving rules have their own tests); an empty
// cell matches no reply, not even an empty one.
void TestScoring::storedAnswer() {
    QVERIFY(learn::isCorrectReply("Zürich", QVariant("Zürich")));
    QVERIFY(!learn::isCorrectReply("", QVariant()));
}

void TestScoring::statuses() {
    for (const QVariant& status :
         {QVariant(1), QVariant(1.0), QVariant(0), QVariant(), QVariant(2)})
        QCOMPARE(learn::isLearntStatus(status), status == 1);

    learn::LessonState lesson;
    lesson.CurRowLim = 3;
    for (int r = 1; r <= 3; ++r)
        lesson.CSarray.at(r, learn::ColCurStatus) = 1;
    lesson.CheckAll = 2;
    lesson.BunchCorrect = 2;
    QVERIFY(!learn::anyCardToAsk(lesson));
    learn::zeroStatuses(lesson);
    QVERIFY(learn::anyCardToAsk(lesson));
    QCOMPARE(lesson.CheckAll, 0);
    QCOMPARE(lesson.BunchCorrect, 0);
    QCOMPARE(lesson.CSarray.at(3, learn::ColCurStatus).toInt(), 0);
}

QTEST_GUILESS_MAIN(TestScoring)
#include "test_scoring.moc"
