// SPDX-License-Identifier: GPL-3.0-or-later
#include "LessonFixture.h"

#include "learn/rules/Clock.h"
#include "learn/rules/Directions.h"
#include "learn/rules/LessonRules.h"

namespace {

// Rating, Correct and Incorrect of a card one way, as stored; "none" without reverse values.
QString forward(testing::WindowFixture& f, qint64 card) {
    return f.t
        .scalar("SELECT printf('%g %g %g', Correct, Incorrect, Rating) FROM Card WHERE "
                "Card_ID = ?",
                {card})
        .toString();
}
QString reverse(testing::WindowFixture& f, qint64 card) {
    const QVariant v = f.t.scalar("SELECT printf('%g %g %g', Correct, Incorrect, Rating) FROM "
                                  "CardReverse WHERE Card_ID = ?",
                                  {card});
    return v.isNull() ? QStringLiteral("none") : v.toString();
}

QString logDirections(testing::WindowFixture& f) {
    return f.t
        .scalar("SELECT group_concat(CardID || ':' || Result || ':' || IFNULL(Direction, '-'), "
                "' ') FROM (SELECT * FROM Log ORDER BY RecID)")
        .toString();
}

QString setDirection(int d) {
    return QStringLiteral("UPDATE Set1 SET Direction = %1").arg(d);
}

} // namespace

class TestDirections : public QObject {
    Q_OBJECT
  private slots:
    void init() { learn::setNowForTesting(QDateTime(QDate(2024, 3, 9), QTime(12, 0))); }
    void cleanup() { learn::setNowForTesting(std::nullopt); }

    void reverseLessonAsksTheAnswerAndScoresTheOtherWay();
    void bothAsksEveryCardTwicePerPass();
    void cardsThatCannotBeAskedBackStayForward();
    void undoingAReverseReplyGivesItsValuesBack();
    void reverseKeysAreRewrittenAtTheEndOfABunch();
    void storedDirectionsOutOfRangeAskForward();
};

void TestDirections::reverseLessonAsksTheAnswerAndScoresTheOtherWay() {
    LessonFixture f(2, {}, setDirection(1));
    QCOMPARE(f.lesson().CurRowLim, 2);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("a1"));
    f.reply("q1");
    QVERIFY(!f.c().Label5->isHidden());
    QCOMPARE(f.c().Label7->text(), QStringLiteral("a2"));
    // Judged against the question, exactly: the card's answer is no right reply.
    f.reply("a2");
    QCOMPARE(f.dialogs.texts(), (QStringList{"Correct answer is: q2", "End of Set"}));
    QCOMPARE(forward(f, f.ids[0]), QStringLiteral("0 0 0"));
    QCOMPARE(forward(f, f.ids[1]), QStringLiteral("0 0 0"));
    QCOMPARE(reverse(f, f.ids[0]), QStringLiteral("1 0 0.9"));
    QCOMPARE(reverse(f, f.ids[1]), QStringLiteral("0 1 0"));
    QCOMPARE(logDirections(f),
             QStringLiteral("%1:Correct:reverse %2:Wrong:reverse").arg(f.ids[0]).arg(f.ids[1]));
    // The log's stored query keeps its four columns.
    QCOMPARE(f.t.scalar("SELECT COUNT(*) FROM pragma_table_info('qLog')").toInt(), 4);
}

void TestDirections::bothAsksEveryCardTwicePerPass() {
    LessonFixture f(2, {}, setDirection(2));
    QCOMPARE(f.lesson().CurRowLim, 4);
    QCOMPARE(f.c().panels[0]->text(), learn::totalPanelText(4));
    QStringList asked;
    for (int i = 0; i < 4; ++i) {
        const QString question = f.c().Label7->text();
        asked << question;
        // The right reply either way: the other side of the card.
        const int n = question.mid(1).toInt();
        f.reply(QStringLiteral("%1%2").arg(question.startsWith('q') ? 'a' : 'q').arg(n));
    }
    // The two ways of a card are not asked one after the other.
    QCOMPARE(asked, (QStringList{"q1", "q2", "a1", "a2"}));
    QVERIFY(f.dialogs.lastText().startsWith(QStringLiteral("Congratulations")));
    QCOMPARE(forward(f, f.ids[0]), QStringLiteral("1 0 0.9"));
    QCOMPARE(reverse(f, f.ids[0]), QStringLiteral("1 0 0.9"));
    QCOMPARE(f.count("SELECT COUNT(*) FROM Log WHERE Direction = 'reverse'"), 2);
    QCOMPARE(f.count("SELECT COUNT(*) FROM Log WHERE Direction IS NULL"), 2);
}

void TestDirections::cardsThatCannotBeAskedBackStayForward() {
    // A multiple-answer card, a card without an answer and one whose question is the
    // multiple-answer mark are asked forward even in a set learnt both ways.
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("S");
    const qint64 first = f.t.addCard("q1", "a1", set);
    f.t.addCard("q2", "Multi", set);
    f.t.addCard("q3", "", set);
    f.t.addCard("Multi", "a4", set);
    f.t.chooseSet("S");
    f.t.exec(setDirection(2));
    f.start();
    f.learn();
    QCOMPARE(f.lesson().CurRowLim, 5);
    int reverseEntries = 0;
    for (int r = 1; r <= f.lesson().CurRowLim; ++r)
        if (f.lesson().CSarray.at(r, learn::ColDirection).toInt() == 1) {
            ++reverseEntries;
            QCOMPARE(f.lesson().CSarray.at(r, learn::ColCardId).toLongLong(), first);
            QCOMPARE(f.lesson().CSarray.at(r, learn::ColAnswer).toString(), QStringLiteral("q1"));
        }
    QCOMPARE(reverseEntries, 1);

    // Asked answer to question only, the cards keep the set's order around a card asked forward.
    LessonFixture g(3, {"a1", "Multi", "a3"}, setDirection(1));
    QStringList order;
    for (int r = 1; r <= g.lesson().CurRowLim; ++r)
        order << g.lesson().CSarray.at(r, learn::ColQuestion).toString();
    QCOMPARE(order, (QStringList{"a1", "q2", "a3"}));
}

void TestDirections::undoingAReverseReplyGivesItsValuesBack() {
    {
        LessonFixture f(3, {}, setDirection(1));
        f.reply("nope");
        QCOMPARE(reverse(f, f.ids[0]), QStringLiteral("0 1 0"));
        f.c().mnuUndoReply->trigger();
        // The card had no reverse values before: it has none again, and the reply left the log.
        QCOMPARE(reverse(f, f.ids[0]), QStringLiteral("none"));
        QCOMPARE(f.logRows(), 0);
        QCOMPARE(f.c().Label7->text(), QStringLiteral("a1"));
    }
    // A card with values gets them back as they were, and its forward values stay.
    LessonFixture f(3, {},
                    "INSERT INTO CardReverse (Card_ID, Rating, Correct, Incorrect) SELECT "
                    "Card_ID, 0.5, 1, 1 FROM Card");
    f.t.exec(setDirection(1));
    f.learn();
    QCOMPARE(f.c().Label7->text(), QStringLiteral("a1"));
    f.reply("nope");
    QCOMPARE(reverse(f, f.ids[0]), QStringLiteral("0.5 1 0.333333"));
    f.c().mnuUndoReply->trigger();
    QCOMPARE(reverse(f, f.ids[0]), QStringLiteral("1 1 0.5"));
    QCOMPARE(forward(f, f.ids[0]), QStringLiteral("0 0 0"));
    QCOMPARE(f.logRows(), 0);
}

void TestDirections::reverseKeysAreRewrittenAtTheEndOfABunch() {
    LessonFixture f(3, {}, setDirection(1));
    f.reply("q1");
    f.reply("nope");
    f.reply("q3");
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("End of Set"));
    // The bunch key: the rating's last character, then the id's.
    for (const qint64 id : f.ids) {
        const QString rating =
            f.t.scalar("SELECT Rating FROM CardReverse WHERE Card_ID = ?", {id}).toString();
        const double key = (rating.right(1) + QString::number(id).right(1)).toDouble();
        QCOMPARE(f.t.scalar("SELECT \"Order\" FROM CardReverse WHERE Card_ID = ?", {id}).toDouble(),
                 key);
    }
    // The forward keys are the cards' own business: untouched by reverse ratings.
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card WHERE Rating <> 0"), 0);
}

void TestDirections::storedDirectionsOutOfRangeAskForward() {
    QCOMPARE(learn::directionOf(QVariant()), learn::SetDirection::Forward);
    QCOMPARE(learn::directionOf(QStringLiteral("both")), learn::SetDirection::Forward);
    QCOMPARE(learn::directionOf(7), learn::SetDirection::Forward);
    QCOMPARE(learn::directionOf(QStringLiteral("2")), learn::SetDirection::Both);
    LessonFixture f(2, {}, setDirection(5));
    QCOMPARE(f.lesson().CurRowLim, 2);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q1"));
}

QTEST_MAIN(TestDirections)
#include "test_directions.moc"
