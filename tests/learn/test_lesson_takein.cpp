// SPDX-License-Identifier: GPL-3.0-or-later
// A lesson takes in what another machine changed: texts and weights, cards gone and new.
#include "learn/rules/CardRead.h"
#include "learn/rules/Directions.h"
#include "learn/rules/LessonRules.h"
#include "learn/rules/LessonTakeIn.h"
#include "support/TempDatabase.h"

#include <QTest>

using learn::LessonState;

namespace {

QStringList questions(const LessonState& L) {
    QStringList out;
    for (int r = 1; r <= L.CurRowLim; ++r)
        out << L.CSarray.at(r, learn::ColQuestion).toString();
    return out;
}

struct Lesson {
    testing::TempDatabase t;
    LessonState L;
    QList<qint64> ids;

    // Set A with q1 to q4, read as a lesson at its third card, q1 learnt already.
    Lesson() {
        const qint64 set = t.addSet(QStringLiteral("A"));
        for (int i = 1; i <= 4; ++i)
            ids << t.addCard(QStringLiteral("q%1").arg(i), QStringLiteral("a%1").arg(i), set);
        t.chooseSet(QStringLiteral("A"));
        L.CurRowLim = learn::readCurrentSetCards(t.db(), QStringLiteral("qCurrentSet"), L.CSarray)
                          .value_or(0);
        L.CSarray.at(1, learn::ColCurStatus) = 1;
        L.CheckAll = 1;
        L.CurSetSize = 4;
        L.Row = 3;
    }
    learn::LessonTakeIn takeIn() {
        return learn::takeInChanges(t.db(), L, QStringLiteral("qCurrentSet"));
    }
};

} // namespace

class TestLessonTakeIn : public QObject {
    Q_OBJECT
  private slots:
    // The card asked now stays the one asked, whatever went before it or came after.
    void editsDeletionsAndNewCardsComeInAroundTheCurrentCard() {
        Lesson f;
        f.t.exec(QStringLiteral("DELETE FROM Card WHERE Card_ID = ?"), {f.ids[1]});
        f.t.exec(QStringLiteral("UPDATE Card SET Question = 'q3 new', Rating = 7 WHERE Card_ID = "
                                "?"),
                 {f.ids[2]});
        f.t.addCard(QStringLiteral("q5"), QStringLiteral("a5"),
                    f.t.scalar(QStringLiteral("SELECT Set_ID FROM Set1")).toLongLong());
        const learn::LessonTakeIn in = f.takeIn();
        QVERIFY(in.cardsCameOrWent && !in.currentCardGone && !in.setGone);
        QCOMPARE(questions(f.L), (QStringList{"q1", "q3 new", "q4", "q5"}));
        QCOMPARE(f.L.Row, 2);
        QCOMPARE(f.L.CSarray.at(2, learn::ColRating).toInt(), 7);
        QVERIFY(learn::isLearntStatus(f.L.CSarray.at(1, learn::ColCurStatus))); // kept
        QCOMPARE(f.L.CSarray.at(4, learn::ColCurStatus).toInt(), 0);            // to be asked
        QCOMPARE(f.L.CurSetSize, 4); // one unasked card went, one came
        QCOMPARE(f.L.CheckAll, 1);

        // Nothing changed: nothing moves.
        QVERIFY(!f.takeIn().cardsCameOrWent);
        QCOMPARE(f.L.Row, 2);
    }

    void theCurrentCardGoneLeavesRowOnTheNextOne() {
        Lesson f;
        f.t.exec(QStringLiteral("DELETE FROM Set_Card_rel WHERE Card_ID = ?"), {f.ids[2]});
        f.t.exec(QStringLiteral("DELETE FROM Card WHERE Card_ID = ?"), {f.ids[0]});
        const learn::LessonTakeIn in = f.takeIn();
        QVERIFY(in.currentCardGone);
        QCOMPARE(questions(f.L), (QStringList{"q2", "q4"}));
        QCOMPARE(f.L.Row, 2);
        QCOMPARE(f.L.CheckAll, 0); // the learnt q1 went
    }

    void aSetGoneLeavesTheLessonForTheWindowToEnd() {
        Lesson f;
        f.t.exec(QStringLiteral("DELETE FROM Set1"));
        QVERIFY(f.takeIn().setGone);
        QCOMPARE(f.L.CurRowLim, 4);
        QCOMPARE(f.L.Row, 3);
    }

    // A Demons lesson keeps its own cards: only the texts change and the gone ones go.
    void demonsKeepTheirCardsAndSets() {
        Lesson f;
        f.L.demons = true;
        f.L.CSarray.at(1, learn::ColSetName) = QStringLiteral("Other");
        f.t.exec(QStringLiteral("DELETE FROM Card WHERE Card_ID = ?"), {f.ids[3]});
        f.t.exec(QStringLiteral("UPDATE Card SET Answer = 'b1' WHERE Card_ID = ?"), {f.ids[0]});
        f.t.exec(QStringLiteral("DELETE FROM Set1"));
        QVERIFY(!f.takeIn().setGone);
        QCOMPARE(questions(f.L), (QStringList{"q1", "q2", "q3"}));
        QCOMPARE(f.L.CSarray.at(1, learn::ColAnswer).toString(), QStringLiteral("b1"));
        QCOMPARE(f.L.CSarray.at(1, learn::ColSetName).toString(), QStringLiteral("Other"));
    }

    // Both ways of a card are two entries: an edit reaches both, each keeps how far this
    // lesson has come with it, and a direction turned elsewhere changes which entries there are.
    void bothWaysOfACardComeInAsTwoEntries() {
        Lesson f;
        f.t.exec(QStringLiteral("UPDATE Set1 SET Direction = 2"));
        f.L.CurRowLim =
            learn::readLessonEntries(f.t.db(), QStringLiteral("qCurrentSet"), f.L.CSarray)
                .value_or(0);
        QCOMPARE(f.L.CurRowLim, 8);
        f.L.CSarray.at(5, learn::ColCurStatus) = 1; // a1 learnt
        f.t.exec(QStringLiteral("UPDATE Card SET Question = 'q1 new', Answer = 'a1 new' WHERE "
                                "Card_ID = ?"),
                 {f.ids[0]});
        f.takeIn();
        QCOMPARE(f.L.CurRowLim, 8);
        QCOMPARE(f.L.CSarray.at(1, learn::ColQuestion).toString(), QStringLiteral("q1 new"));
        QCOMPARE(f.L.CSarray.at(5, learn::ColQuestion).toString(), QStringLiteral("a1 new"));
        QCOMPARE(f.L.CSarray.at(5, learn::ColAnswer).toString(), QStringLiteral("q1 new"));
        QCOMPARE(f.L.CSarray.at(5, learn::ColCurStatus).toInt(), 1);
        f.t.exec(QStringLiteral("UPDATE Set1 SET Direction = 1"));
        const learn::LessonTakeIn in = f.takeIn();
        QVERIFY(in.cardsCameOrWent);
        QCOMPARE(questions(f.L), (QStringList{"a1 new", "a2", "a3", "a4"}));
        QCOMPARE(f.L.direction, 1);
    }
};

QTEST_GUILESS_MAIN(TestLessonTakeIn)
#include "test_lesson_takein.moc"
