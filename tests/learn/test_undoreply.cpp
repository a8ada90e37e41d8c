// SPDX-License-Identifier: GPL-3.0-or-later
// Learn > Undo last reply, and what a wrong reply shows and how forgiving judging is, as a
// learner meets them in the window.
#include "LessonFixture.h"
#include "support/OtherProgram.h"

class TestUndoReply : public QObject {
    Q_OBJECT
  private slots:
    void undoPutsEverythingBack_data();
    void undoPutsEverythingBack();
    void notAcrossTheEndOfABunch();
    void failedUndoChangesNothing();
    void wrongBoxMarksTheDifferences();
    void forgivingJudgingIsStoredAndUsed();
};

void TestUndoReply::undoPutsEverythingBack_data() {
    QTest::addColumn<QString>("reply");
    QTest::newRow("correct") << "a2";
    QTest::newRow("wrong") << "a3";
}

void TestUndoReply::undoPutsEverythingBack() {
    QFETCH(QString, reply);
    LessonFixture f(3);
    f.reply("a1");
    QVERIFY(f.c().mnuUndoReply->isEnabled());
    const QStringList before = f.replyTrace(f.ids[1]);
    f.reply(reply);
    QCOMPARE(f.logRows(), 2);
    QVERIFY(f.replyTrace(f.ids[1]) != before);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q3"));

    QTest::keyClicks(f.c().Text3, "half typed");
    QTest::keyClick(f.c().Text3, Qt::Key_Z, Qt::ControlModifier); // where the learner types
    QCOMPARE(f.replyTrace(f.ids[1]), before);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q2"));
    QCOMPARE(f.c().Text3->text(), QString());
    QVERIFY(!f.c().mnuUndoReply->isEnabled()); // one level only
    // Answered again, the card is judged as at first.
    f.reply("a2");
    QCOMPARE(f.t.scalar("SELECT group_concat(Result) FROM Log").toString(),
             QStringLiteral("Correct,Correct"));
}

// The reordering has run: the reply stays, and the entry says why.
void TestUndoReply::notAcrossTheEndOfABunch() {
    LessonFixture f(2);
    f.reply("a1");
    f.reply("x");
    QVERIFY(f.dialogs.texts().contains("End of Set"));
    QVERIFY(!f.c().mnuUndoReply->isEnabled());
    QVERIFY(f.c().mnuUndoReply->toolTip().contains("end of a bunch"));
    f.c().mnuUndoReply->trigger();
    QCOMPARE(f.logRows(), 2);
}

void TestUndoReply::failedUndoChangesNothing() {
    LessonFixture f(3);
    f.reply("x");
    const QStringList after = f.replyTrace(f.ids[0]);
    const QString shown = f.c().Label7->text();
    f.t.exec("PRAGMA busy_timeout = 50");
    testing::whileLocked(f.t.path(), [&] { f.c().mnuUndoReply->trigger(); });
    QCOMPARE(f.dialogs.shown().last().kind, testing::ScriptedDialogs::Shown::Warning);
    QVERIFY(f.dialogs.lastText().contains("could not be taken back"));
    QCOMPARE(f.replyTrace(f.ids[0]), after);
    QCOMPARE(f.c().Label7->text(), shown);
    QVERIFY(f.c().mnuUndoReply->isEnabled()); // it can be tried again
}

// "Pairs" for "Paris": the box keeps its text and marks the two letters out of place.
void TestUndoReply::wrongBoxMarksTheDifferences() {
    LessonFixture f(2, {"Paris<", "Rome"});
    f.reply("Pairs<");
    const auto& box = f.dialogs.shown().last();
    QCOMPARE(box.richDetail.count("text-decoration:underline"), 4); // 2 columns, both rows
    QVERIFY(box.richDetail.contains("&lt;"));
}

void TestUndoReply::forgivingJudgingIsStoredAndUsed() {
    LessonFixture f(4, {"Hund", "école", "Paris", "Ende"});
    f.reply("hund");
    f.c().mnuIgnoreCapitals->trigger();
    QCOMPARE(
        f.t.scalar("SELECT IgnoreCapitals || IgnoreExtraBlanks FROM JudgingOptions").toString(),
        QStringLiteral("10"));
    f.reply("ÉCOLE");
    f.reply(" Paris  "); // blanks are not forgiven yet
    f.c().mnuIgnoreBlanks->trigger();
    f.c().mnuIgnoreCapitals->trigger();
    f.reply(" ende "); // capitals no longer forgiven
    QCOMPARE(f.t.column("SELECT Result FROM Log ORDER BY RecID"),
             (QStringList{"Wrong", "Correct", "Wrong", "Wrong"}));
}

QTEST_MAIN(TestUndoReply)
#include "test_undoreply.moc"
