// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/Demons.h"
#include "support/WindowFixture.h"

namespace {

// Cards answered wrongly at least once are the candidates, the lowest rating first.
void makeHard(testing::WindowFixture& f, qint64 card, double rating, double incorrect) {
    f.t.exec("UPDATE Card SET Rating = ?, Incorrect = ?, Correct = 1 WHERE Card_ID = ?",
             {rating, incorrect, card});
}

QList<qint64> marked(testing::WindowFixture& f) {
    QList<qint64> ids;
    for (const QString& id :
         f.t.column("SELECT Card_ID FROM Card WHERE Demons = 1 ORDER BY Card_ID"))
        ids << id.toLongLong();
    return ids;
}

QList<qint64> loaded(testing::WindowFixture& f) {
    QList<qint64> ids;
    for (int r = 1; r <= f.lesson().CurRowLim; ++r)
        ids << f.lesson().CSarray.at(r, learn::ColCardId).toLongLong();
    return ids;
}

// Set "Words" feeds the Demons with three candidates (w2 hardest, then w3, then w1) and one
// card never answered wrongly; set "Other", made first, does not feed them.
struct TwoSets {
    explicit TwoSets(testing::WindowFixture& f) {
        other = f.t.addSet("Other", false);
        words = f.t.addSet("Words");
        w1 = f.t.addCard("one", "eins", words);
        w2 = f.t.addCard("two", "zwei", words);
        w3 = f.t.addCard("three", "drei", words);
        w4 = f.t.addCard("four", "vier", words);
        o1 = f.t.addCard("red", "rot", other);
        makeHard(f, w1, 0.5, 1);
        makeHard(f, w2, 0, 3);
        makeHard(f, w3, 0.25, 1);
        makeHard(f, o1, 0, 9);
        f.t.chooseSet("Words");
    }
    // The window started on "Words" with room for `demonsNum` Demons.
    void learn(testing::WindowFixture& f, const QVariant& demonsNum) {
        f.t.exec("UPDATE Fields1 SET DemonsNum = ?", {demonsNum});
        f.start();
        f.learn();
    }
    qint64 words, other, w1, w2, w3, w4, o1;
};

} // namespace

class TestDemons : public QObject {
    Q_OBJECT
  private slots:
    void demonsNum_data();
    void demonsNum();
    void lessonScoresLogsAndReorders();
    void failedMarkingKeepsTheLesson();
    void demonsAllGoneEndsTheLesson();
    void demonReplyIsTakenBack();
    void deletingTheSetLeavesTheDemons();
    void kidsPictureTogglesTheDemons();
    void eachDemonIsSpokenWithItsSetsVoice();
    void reverseWaysCompeteWhenTheSetIsLearntThatWay();
};

void TestDemons::demonsNum_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("count"); // how many hardest candidates are marked
    QTest::addColumn<bool>("warned");
    QTest::newRow("0 marks nothing") << QVariant(0) << 0 << false;
    QTest::newRow("2 takes the two hardest") << QVariant(2) << 2 << false;
    QTest::newRow("10.0 is ten") << QVariant(10.0) << 3 << false;
    QTest::newRow("empty") << QVariant() << 0 << true;
    QTest::newRow("negative") << QVariant(-1) << 0 << true;
    QTest::newRow("fractional") << QVariant(1.5) << 0 << true;
    QTest::newRow("text") << QVariant("lots") << 0 << true;
}

void TestDemons::demonsNum() {
    QFETCH(QVariant, stored);
    QFETCH(int, count);
    QFETCH(bool, warned);
    testing::WindowFixture f;
    TwoSets s(f);
    f.t.exec("UPDATE Card SET Demons = 1 WHERE Card_ID = ?", {s.w4}); // an old mark
    s.learn(f, stored);
    QList<qint64> hardest = QList<qint64>{s.w2, s.w3, s.w1}.mid(0, count);
    std::sort(hardest.begin(), hardest.end());

    // Starting twice marks the same cards: the marks are cleared first.
    for (int start = 0; start < 2; ++start) {
        f.dialogs.clear();
        f.c().mnuLearnDemons->trigger();
        QCOMPARE(marked(f), hardest);
        QCOMPARE(loaded(f).size(), count);
        QCOMPARE(f.dialogs.shown().size(), warned ? 1 : 0);
        QVERIFY(f.c().Label10->isVisible());
        QVERIFY(!f.c().DataCombo1->isVisible());
        if (count == 0) {
            QCOMPARE(f.c().Label7->text(), QString());
            QCOMPARE(f.c().panels[0]->text(), QStringLiteral("Total 0"));
        } else {
            QCOMPARE(f.lesson().Row, 1);
            QCOMPARE(f.c().Label7->text(), f.lesson().CSarray.at(1, learn::ColQuestion).toString());
        }
    }
}

// A Demons lesson takes a reply back as any lesson does, and stays a Demons lesson.
void TestDemons::demonReplyIsTakenBack() {
    testing::WindowFixture f;
    TwoSets s(f);
    s.learn(f, 3);
    f.c().mnuLearnDemons->trigger();
    QCOMPARE(f.c().Label7->text(), QStringLiteral("one"));
    const QStringList before = f.replyTrace(s.w1);
    f.reply("wrong");
    QCOMPARE(f.logRows(), 1);
    f.c().mnuUndoReply->trigger();
    QCOMPARE(f.replyTrace(s.w1), before);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("one"));
    QVERIFY(f.lesson().demons);
    QCOMPARE(marked(f), (QList<qint64>{s.w1, s.w2, s.w3}));
}

void TestDemons::lessonScoresLogsAndReorders() {
    testing::WindowFixture f;
    TwoSets s(f);
    // A card of both sets became a Demon from the set that feeds them, whatever its first set.
    f.t.relate(s.other, s.w3);
    s.learn(f, 3);
    f.c().Label6->show(); // the verdict on the last card of the set
    f.c().mnuLearnDemons->trigger();
    QVERIFY(!f.c().Label6->isVisible());
    QCOMPARE(loaded(f), (QList<qint64>{s.w1, s.w2, s.w3})); // asked by Order
    QCOMPARE(f.c().Label7->text(), QStringLiteral("one"));
    // Laid out again (a change of mode), the screen still shows the Demons.
    f.w->ScrLearnVisible();
    QVERIFY(f.c().Label10->isVisible());
    QVERIFY(!f.c().DataCombo1->isVisible());

    f.reply("wrong");
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Correct answer is: eins"));
    f.reply("zwei");
    f.reply("drei");
    QVERIFY(f.dialogs.texts().contains(QStringLiteral("End of Set")));
    // Scored as in any lesson: 1 right, 2 wrong gives 1/3; 2 right, 3 wrong gives 0.4.
    QVERIFY(qFuzzyCompare(f.cardValue(s.w1, "Rating").toDouble(), 1.0 / 3));
    QVERIFY(qFuzzyCompare(f.cardValue(s.w2, "Rating").toDouble(), 0.4));
    QCOMPARE(f.t.column("SELECT SetName || CardID || Result FROM Log ORDER BY RecID").join(' '),
             QString("Words%1Wrong Words%2Correct Words%3Correct").arg(s.w1).arg(s.w2).arg(s.w3));
    // Three cards reorder as any set does; the one left to learn is asked next.
    QCOMPARE(loaded(f), (QList<qint64>{s.w2, s.w1, s.w3}));
    QCOMPARE(f.c().Label7->text(), QStringLiteral("one"));

    // "Demons" returns to the chosen set and leaves the marks in place.
    QTest::mouseClick(f.c().Label10, Qt::LeftButton);
    QVERIFY(!f.c().Label10->isVisible());
    QVERIFY(f.c().DataCombo1->isVisible());
    QVERIFY(f.c().Label2->isVisible());
    QCOMPARE(f.lesson().CurRowLim, 4);
    QCOMPARE(f.lesson().Row, 1);
    QCOMPARE(f.c().Label7->text(), f.lesson().CSarray.at(1, learn::ColQuestion).toString());
    QCOMPARE(marked(f).size(), 3);
}

void TestDemons::failedMarkingKeepsTheLesson() {
    testing::WindowFixture f;
    TwoSets s(f);
    f.t.exec("UPDATE Card SET Demons = 1 WHERE Card_ID = ?", {s.w4});
    // Marking the second candidate fails, after the marks were cleared and one was made.
    f.t.exec(QStringLiteral("CREATE TRIGGER fail BEFORE UPDATE OF Demons ON Card "
                            "WHEN NEW.Demons = 1 AND OLD.Card_ID = %1 "
                            "BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                 .arg(s.w3));
    s.learn(f, 3);
    f.c().mnuLearnDemons->trigger();
    QCOMPARE(marked(f), QList<qint64>{s.w4});
    QVERIFY(f.dialogs.lastText().contains(QStringLiteral("disk full")));
    QVERIFY(!f.c().Label10->isVisible());
    QVERIFY(f.c().DataCombo1->isVisible());
    QCOMPARE(loaded(f), (QList<qint64>{s.w1, s.w2, s.w3, s.w4}));
    QCOMPARE(f.c().Label7->text(), QStringLiteral("one"));
}

void TestDemons::demonsAllGoneEndsTheLesson() {
    testing::WindowFixture f;
    TwoSets s(f);
    s.learn(f, 2);
    f.c().mnuLearnDemons->trigger();
    QCOMPARE(loaded(f).size(), 2);
    f.t.exec("DELETE FROM Set_Card_rel WHERE Card_ID IN (SELECT Card_ID FROM Card "
             "WHERE Demons = 1)");
    f.t.exec("DELETE FROM Card WHERE Demons = 1");
    f.dialogs.clear();
    QTest::mouseClick(f.c().Command3, Qt::LeftButton);
    QCOMPARE(f.dialogs.texts(),
             QStringList{"There are no records in this set.Populate the current set with "
                         "records or select another set to learn."});
    QCOMPARE(f.lesson().CurRowLim, 0);
    QCOMPARE(f.c().Label7->text(), QString());
    QCOMPARE(f.logRows(), 0);
}

void TestDemons::deletingTheSetLeavesTheDemons() {
    testing::WindowFixture f;
    TwoSets s(f);
    const qint64 keep = f.t.addSet("Kept");
    f.t.addCard("blue", "blau", keep);
    s.learn(f, 3);
    f.c().mnuLearnDemons->trigger();

    f.dialogs.nextAnswer(false); // not deleted: still the Demons
    f.c().mnuDelete->trigger();
    QVERIFY(f.c().Label10->isVisible());
    QCOMPARE(loaded(f).size(), 3);

    f.c().mnuDelete->trigger();
    QCOMPARE(f.t.scalar("SELECT COUNT(*) FROM Set1 WHERE SetName = 'Words'").toInt(), 0);
    QVERIFY(!f.c().Label10->isVisible());
    QVERIFY(f.c().DataCombo1->isVisible());
    QVERIFY(!f.lesson().demons);
    const QString chosen = f.t.scalar("SELECT SetName FROM Fields").toString();
    QCOMPARE(f.lesson().CurRowLim, f.t.scalar("SELECT COUNT(*) FROM qCurrentSet").toInt());
    QVERIFY(f.lesson().CurRowLim > 0);
    QCOMPARE(f.lesson().CSarray.at(1, learn::ColSetName).toString(), chosen);
}

void TestDemons::kidsPictureTogglesTheDemons() {
    testing::WindowFixture f;
    TwoSets s(f);
    s.learn(f, 2);
    f.w->modes().kids = true;
    f.w->modes().Silent = false;

    f.c().mnuLearnDemons->trigger(); // hands over to the Kids toggle
    QVERIFY(f.speech.sounds.contains(11));
    QCOMPARE(marked(f), (QList<qint64>{s.w2, s.w3}));
    QCOMPARE(loaded(f), (QList<qint64>{s.w2, s.w3}));
    QCOMPARE(f.speech.spoken.last(), QStringLiteral("two"));
    QVERIFY(!f.c().DataCombo1->isVisible());

    f.w->demons().KidsDeamonsClick(); // and back
    QVERIFY(marked(f).isEmpty());
    QVERIFY(f.c().DataCombo1->isVisible());
    QCOMPARE(loaded(f), (QList<qint64>{s.w1, s.w2, s.w3, s.w4}));
    QCOMPARE(f.lesson().Row, 1);
    QCOMPARE(f.speech.spoken.last(), QStringLiteral("one"));
}

void TestDemons::eachDemonIsSpokenWithItsSetsVoice() {
    testing::WindowFixture f;
    TwoSets s(f);
    const qint64 mots = f.t.addSet("Mots");
    const qint64 m1 = f.t.addCard("five", "cinq", mots);
    makeHard(f, m1, 0.1, 2);
    f.t.exec("UPDATE Set1 SET Voice = 'de' WHERE Set_ID = ?", {s.words});
    f.t.exec("UPDATE Fields1 SET Voice = 'en'"); // "Mots" has none of its own
    s.learn(f, 4);
    f.c().mnuTalking->trigger();
    f.c().mnuLearnDemons->trigger();
    QCOMPARE(loaded(f).size(), 4);
    QHash<QString, QString> heard; // question -> voice
    for (int i = 0; i < 4; ++i) {
        const learn::LessonState& L = f.lesson();
        const QString answer = L.CSarray.at(L.Row, learn::ColAnswer).toString();
        heard.insert(f.speech.spoken.last(), f.speech.spokenVoices.last());
        f.reply(answer);
    }
    QCOMPARE(heard, (QHash<QString, QString>{
                        {"one", "de"}, {"two", "de"}, {"three", "de"}, {"five", "en"}}));
}

void TestDemons::reverseWaysCompeteWhenTheSetIsLearntThatWay() {
    testing::WindowFixture f;
    TwoSets s(f);
    // w4, never wrong forward, is the hardest of all answer to question; w1 is hard that way
    // too but less so than its forward way.
    f.t.exec("INSERT INTO CardReverse (Card_ID, \"Order\", Rating, Correct, Incorrect) VALUES "
             "(?, 1, 0, 0, 5), (?, 2, 0.9, 1, 1)",
             {s.w4, s.w1});
    // Learnt forward only, the set's reverse values do not count.
    s.learn(f, 2);
    f.c().mnuLearnDemons->trigger();
    QCOMPARE(loaded(f), (QList<qint64>{s.w2, s.w3}));
    QCOMPARE(f.count("SELECT COUNT(*) FROM CardReverse WHERE Demons = 1"), 0);

    f.t.exec("UPDATE Set1 SET Direction = 2 WHERE Set_ID = ?", {s.words});
    QTest::mouseClick(f.c().Label10, Qt::LeftButton);
    f.c().mnuLearnDemons->trigger();
    // Hardest first, both ways by the same measures: w4 reversed (0, 5 wrong), then w2 (0, 3).
    QCOMPARE(f.t.column("SELECT Card_ID FROM CardReverse WHERE Demons = 1"),
             QStringList{QString::number(s.w4)});
    QCOMPARE(marked(f), QList<qint64>{s.w2});
    QCOMPARE(f.lesson().CurRowLim, 2);
    // The reverse Demon shows its answer and expects its question; the log says which way.
    int row = 1;
    while (f.lesson().CSarray.at(row, learn::ColCardId).toLongLong() != s.w4)
        ++row;
    QCOMPARE(f.lesson().CSarray.at(row, learn::ColQuestion).toString(), QStringLiteral("vier"));
    f.lesson().Row = row;
    f.w->questionLoop().MakeQuestion();
    QCOMPARE(f.c().Label7->text(), QStringLiteral("vier"));
    f.reply("four");
    QCOMPARE(f.t.scalar("SELECT SetName || ' ' || Direction FROM Log").toString(),
             QStringLiteral("Words reverse"));
    QCOMPARE(f.t.scalar("SELECT Correct FROM CardReverse WHERE Card_ID = ?", {s.w4}).toDouble(),
             0.2);
    // With only reverse Demons left, Next still has Demons to ask.
    f.t.exec("UPDATE Card SET Demons = 0");
    f.c().Command3->click();
    QVERIFY(!f.c().Label7->text().isEmpty());
    QCOMPARE(f.dialogs.texts().filter(QStringLiteral("no records")).size(), 0);
}

QTEST_MAIN(TestDemons)
#include "test_demons.moc"
