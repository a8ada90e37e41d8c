// SPDX-License-Identifier: GPL-3.0-or-later
#include "LessonFixture.h"
#include "support/OtherProgram.h"

#include "app/QuitOnSignal.h"
#include "learn/rules/Clock.h"
#include "present/MessageBoxDialogs.h"
#include "speech/AudioPlayback.h"

#include <csignal>

namespace {

const QString kCongratulations = QStringLiteral(
    "Congratulations! You've successfully learn't the set. Choose another set to learn.");

// Correct, Incorrect and Rating of a card as stored.
QString scores(testing::WindowFixture& f, qint64 card) {
    return f.t
        .scalar("SELECT printf('%g %g %g', Correct, Incorrect, Rating) FROM Card WHERE "
                "Card_ID = ?",
                {card})
        .toString();
}

} // namespace

class TestQuestionLoop : public QObject {
    Q_OBJECT
  private slots:
    void init() { learn::setNowForTesting(QDateTime(QDate(2024, 3, 9), QTime(23, 59))); }
    void cleanup() { learn::setNowForTesting(std::nullopt); }

    void correctReplyScoresAndLogs();
    void endOfSetAfterWrongMiddleCard();
    void oneCardSetLearntWithoutEndOfSet();
    void nextAtEndOfPass();
    void logRowNamesTheJudgedCard();
    void remainsNeverNegative();
    void typingEnablesCheck();
    void talkingSpeaksTheQuestion();
    void multipleAnswerCardShowsGrid();
    void statusesLoadedAsLearntDoNotLoop();
    void failedLogWriteLeavesNoHalfScore();
    void clockPastTheLogsDaysLogsNothing();
    void lockedDatabaseLeavesScreenAndLessonAgreeing();
    void wrongReplyStoredBeforeTheBox();
    void longTextsTakenWhole();
    void deletingTheLearntSetLoadsTheNextOne();
    void sigtermWaitsForTheRunningHandler();
};

void TestQuestionLoop::correctReplyScoresAndLogs() {
    LessonFixture f(2);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q1"));
    f.reply("a1");
    // The right mark shows, the reply box empties, the next question comes.
    QCOMPARE((QVariantList{f.c().Label5->isHidden(), f.c().Label6->isHidden(), f.c().Text3->text(),
                           f.c().Label7->text(), f.lesson().CheckAll,
                           f.lesson().CSarray.at(1, learn::ColCurStatus).toInt()}),
             (QVariantList{false, true, "", "q2", 1, 1}));
    QCOMPARE(scores(f, f.ids[0]), "1 0 0.9");
    QCOMPARE(f.t.scalar("SELECT \"Date\" || '|' || SetName || '|' || CardID || '|' || Result "
                        "FROM Log")
                 .toString(),
             QString("2024-03-09|S|%1|Correct").arg(f.ids[0]));
    QCOMPARE(f.c().panels[2]->text(), QStringLiteral("Remains 1"));
}

void TestQuestionLoop::endOfSetAfterWrongMiddleCard() {
    LessonFixture f(3);
    f.reply("a1");
    f.reply("nope");
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Correct answer is: a2"));
    QVERIFY(!f.c().Label6->isHidden());
    QCOMPARE(f.lesson().CheckAll, 1);
    f.reply("a3");
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("End of Set"));
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q2"));
    QCOMPARE(f.lesson().CSarray.at(f.lesson().Row, learn::ColCardId).toLongLong(), f.ids[1]);
    QCOMPARE(f.lesson().BunchCorrect, 0);
    QCOMPARE(scores(f, f.ids[1]), "0 1 0");

    // The second pass: the wrong card again, then the set is learnt.
    f.dialogs.clear();
    f.reply("a2");
    QCOMPARE(f.dialogs.texts(), QStringList{kCongratulations});
    QCOMPARE(scores(f, f.ids[1]), "1 1 0.5");
    // The learnt set starts over in the array's current order: the end of the first bunch
    // turned q1 q2 q3 into q2 q1 q3.
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q2"));
}

void TestQuestionLoop::oneCardSetLearntWithoutEndOfSet() {
    LessonFixture f(1);
    QCOMPARE(f.lesson().CurRowLim, 1);
    f.reply("a1");
    QCOMPARE(f.dialogs.texts(), QStringList{kCongratulations});
    // Learning goes on with the same card, counted afresh.
    QCOMPARE((QVariantList{f.lesson().CheckAll, f.lesson().Row,
                           f.lesson().CSarray.at(1, learn::ColCurStatus), f.c().Label7->text(),
                           f.logRows()}),
             (QVariantList{0, 1, 0, "q1", 1}));
    QVERIFY(f.speech.sounds.isEmpty()); // Silent: no sound for the learnt set
}

void TestQuestionLoop::nextAtEndOfPass() {
    LessonFixture f(2);
    f.c().Command3->click();
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q2"));
    QVERIFY(f.dialogs.shown().isEmpty());
    f.c().Command3->click();
    QCOMPARE(f.dialogs.texts(), QStringList{"End of Set"});
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q1"));
    QCOMPARE(f.logRows(), 0);
    QCOMPARE(f.t.scalar("SELECT SUM(Correct) + SUM(Incorrect) FROM Card").toDouble(), 0.0);
}

void TestQuestionLoop::logRowNamesTheJudgedCard() {
    LessonFixture f(3);
    f.reply("a1");
    f.reply("x");
    // The cost of a reply must not grow with the Card and Log tables.
    QVERIFY(!f.w->recordsets().log.isLoaded());
    QVERIFY(!f.w->recordsets().card.isLoaded());
    f.reply("a3"); // ends the bunch: the array may be reordered before the row is written
    f.reply("a2"); // ends the set
    const QString row = QStringLiteral("%1 %2");
    QCOMPARE(f.t.column("SELECT CardID || ' ' || Result FROM Log ORDER BY RecID"),
             (QStringList{row.arg(f.ids[0]).arg("Correct"), row.arg(f.ids[1]).arg("Wrong"),
                          row.arg(f.ids[2]).arg("Correct"), row.arg(f.ids[1]).arg("Correct")}));
}

void TestQuestionLoop::remainsNeverNegative() {
    LessonFixture f(3);
    QStringList remainsWhenShown;
    f.dialogs.onMessage = [&](const QString&) { remainsWhenShown << f.c().panels[2]->text(); };
    f.reply("a1");
    f.reply("a2");
    f.reply("x"); // the bunch ends with more correct replies than cards left
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("End of Set"));
    for (const QString& text : remainsWhenShown)
        QVERIFY2(!text.contains('-'), qPrintable(text));
    QCOMPARE(remainsWhenShown.last(), QStringLiteral("Remains 0"));
    QCOMPARE(f.c().panels[2]->text(), QStringLiteral("Remains 1"));
}

void TestQuestionLoop::typingEnablesCheck() {
    LessonFixture f(2);
    QVERIFY(!f.c().Command21->isEnabled());
    QTest::keyClick(f.c().Text3, Qt::Key_Return); // nothing to check yet
    QCOMPARE(f.logRows(), 0);
    QTest::keyClicks(f.c().Text3, "a");
    QVERIFY(f.c().Command21->isEnabled());
    QTest::keyClick(f.c().Text3, Qt::Key_Backspace);
    QVERIFY(!f.c().Command21->isEnabled());
}

void TestQuestionLoop::talkingSpeaksTheQuestion() {
    LessonFixture f(2);
    f.talk();
    f.speech.spoken.clear();
    f.c().Command3->click();
    QCOMPARE(f.speech.spoken, QStringList{"q2"});
    QVERIFY(f.c().Label7->isHidden());
    f.c().Label3->clicked(); // repeat
    QCOMPARE(f.speech.spoken, (QStringList{"q2", "q2"}));
    // Only the question is spoken, never the answer.
    f.reply("x");
    QVERIFY(!f.speech.spoken.contains("a2"));
    QCOMPARE(f.speech.spoken.last(), QStringLiteral("q1"));
}

void TestQuestionLoop::multipleAnswerCardShowsGrid() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("M");
    const qint64 multi = f.t.addCard("Baltic states", "Multi", set);
    f.t.addAnswers(multi, {"Estonia", "Latvia", "Lithuania"});
    f.t.exec("UPDATE Card SET DisplayQuestionNumber = 1 WHERE Card_ID = ?", {multi});
    f.t.addCard("single", "one", set);
    f.t.chooseSet("M");
    f.start();
    f.learn();
    // The question, whether the reply box and the answer grid are hidden, the count.
    const auto screen = [&] {
        return QVariantList{f.c().Label7->text(), f.c().Text3->isHidden(),
                            f.c().TDBGrid3->isHidden(), f.c().panels[4]->text()};
    };
    QCOMPARE(screen(), (QVariantList{"Baltic states", true, false, "3 Answers"}));
    QCOMPARE(f.t.scalar("SELECT Multi_ID FROM Fields1").toLongLong(), multi);
    f.c().Command3->click();
    QCOMPARE(screen(), (QVariantList{"single", false, true, ""}));
}

// Lesson statuses come from the database; cards stored as answered must not make the
// passes go round for ever.
void TestQuestionLoop::statusesLoadedAsLearntDoNotLoop() {
    LessonFixture f(2, {}, "UPDATE Card SET CurStatus = 1");
    f.c().Command3->click();
    QCOMPARE(f.dialogs.texts(), QStringList{kCongratulations});
    QCOMPARE(f.lesson().CSarray.at(1, learn::ColCurStatus).toInt(), 0);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q1"));
}

void TestQuestionLoop::failedLogWriteLeavesNoHalfScore() {
    LessonFixture f(2);
    const qint64 cardNumBefore = f.t.scalar("SELECT CardNum FROM Fields1").toLongLong();
    f.t.exec("ALTER TABLE Log RENAME TO LogAway");
    f.reply("a1");
    QCOMPARE(f.dialogs.shown().size(), 1);
    QCOMPARE(f.dialogs.shown().first().kind, testing::ScriptedDialogs::Shown::Warning);
    QCOMPARE(scores(f, f.ids[0]), "0 0 0");
    QCOMPARE(f.t.scalar("SELECT CardNum FROM Fields1").toLongLong(), cardNumBefore);
    // The lesson goes on, and the next reply is scored from the stored weights.
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q2"));
    QCOMPARE(f.lesson().CSarray.at(1, learn::ColCorrect).toDouble(), 0.0);
    f.t.exec("ALTER TABLE LogAway RENAME TO Log");
    f.reply("x");
    QCOMPARE(f.cardValue(f.ids[1], "Incorrect").toDouble(), 1.0);
    QCOMPARE(f.logRows(), 1);
}

// A clock set past the days a log carries: the reply is not logged, as a failed save is
// not, and the learner is told why.
void TestQuestionLoop::clockPastTheLogsDaysLogsNothing() {
    LessonFixture f(2);
    learn::setNowForTesting(QDateTime(QDate(2200, 1, 1), QTime(9, 0)));
    f.reply("a1");
    QCOMPARE(f.dialogs.shown().size(), 1);
    QVERIFY2(f.dialogs.lastText().contains("the computer's clock says it is 2200-01-01"),
             qPrintable(f.dialogs.lastText()));
    QCOMPARE(f.logRows(), 0);
    QCOMPARE(scores(f, f.ids[0]), "0 0 0");
}

// Another program holds the write lock while the next question is put: the question on
// screen must be the one the next reply is judged against.
void TestQuestionLoop::lockedDatabaseLeavesScreenAndLessonAgreeing() {
    LessonFixture f(3);
    f.t.exec("PRAGMA busy_timeout = 50");
    testing::whileLocked(f.t.path(), [&] { f.reply("a1"); });
    QVERIFY(!f.dialogs.shown().isEmpty());
    const QString shown = f.c().Label7->text();
    QCOMPARE(shown, f.lesson().CSarray.at(f.lesson().Row, learn::ColQuestion).toString());
    f.reply(QString(shown).replace('q', 'a'));
    QCOMPARE(f.t.scalar("SELECT Result FROM Log ORDER BY RecID DESC LIMIT 1").toString(),
             QStringLiteral("Correct"));
}

// A kill while the WRONG box is up must not lose the reply. No pause follows a wrong reply.
void TestQuestionLoop::wrongReplyStoredBeforeTheBox() {
    LessonFixture f(2);
    f.t.exec("UPDATE Fields1 SET Zad = 3");
    f.talk();
    QVariantList storedWhenShown;
    f.dialogs.onMessage = [&](const QString&) {
        storedWhenShown = {f.logRows(), f.cardValue(f.ids[0], "Incorrect")};
    };
    f.reply("x");
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Correct answer is: a1"));
    QCOMPARE(storedWhenShown, (QVariantList{1, 1.0}));
    QCOMPARE(f.speech.pauseSteps, 0);
}

// Texts past the line editors' default 32,767 characters are taken whole; boxes show them
// shortened and wrapped.
void TestQuestionLoop::longTextsTakenWhole() {
    testing::WindowFixture f;
    const QString answer(1000000, QChar('x'));
    f.t.addCard("long", answer, f.t.addSet("S"));
    f.t.chooseSet("S");
    f.start();
    for (QTableView* grid : {f.c().TDBGrid2, f.c().TDBGrid3}) {
        QWidget* editor = grid->itemDelegate()->createEditor(grid, {}, f.c().Adodc2->index(0, 1));
        auto* line = qobject_cast<QLineEdit*>(editor);
        QVERIFY2(line && line->maxLength() >= answer.size(), qPrintable(grid->objectName()));
        delete editor;
    }
    f.learn();
    f.c().Text3->setText(answer);
    QCOMPARE(f.c().Text3->text().size(), answer.size());
    QTest::keyClick(f.c().Text3, Qt::Key_Return);
    QCOMPARE(f.t.scalar("SELECT Result FROM Log").toString(), QStringLiteral("Correct"));
    const QString boxed = present::shortenedForBox("Correct answer is: " + answer);
    QVERIFY(boxed.size() < 2000);
    QVERIFY(boxed.contains('\n'));
}

void TestQuestionLoop::deletingTheLearntSetLoadsTheNextOne() {
    testing::WindowFixture f;
    f.t.addCard("qa", "aa", f.t.addSet("A"));
    f.t.addCard("qb", "ab", f.t.addSet("B"));
    f.t.chooseSet("A");
    f.start();
    f.learn();
    QCOMPARE(f.c().Label7->text(), QStringLiteral("qa"));
    f.c().mnuDelete->trigger();
    QCOMPARE(f.c().Label7->text(), QStringLiteral("qb"));
    QCOMPARE(f.lesson().CurRowLim, 1);
    f.reply("ab");
    QCOMPARE(f.t.scalar("SELECT SetName || Result FROM Log").toString(),
             QStringLiteral("BCorrect"));
    f.c().mnuDelete->trigger(); // none left
    QVERIFY(!f.w->screens().learning);
}

// SIGTERM inside a pause (a local event loop) closes the window only once the running
// handler has returned.
void TestQuestionLoop::sigtermWaitsForTheRunningHandler() {
    LessonFixture f(2);
    app::closeWindowOnSignals(f.w.get());
    f.t.exec("UPDATE Fields1 SET Zad = 1");
    f.talk();
    const auto unloaded = [&] { return f.t.scalar("SELECT Load FROM Fields").toInt() == 1; };
    bool unloadedInPause = false;
    f.speech.onPauseStep = [&] {
        ::raise(SIGTERM);
        speech::waitPainting(200);
        unloadedInPause = unloaded() || !f.w->isVisible();
    };
    QEventLoop mainLoop; // stands for the application's loop
    QTimer::singleShot(0, &mainLoop, [&] { f.reply("a1"); });
    QTimer::singleShot(1000, &mainLoop, &QEventLoop::quit);
    mainLoop.exec();
    QVERIFY(!unloadedInPause);
    QCOMPARE(f.speech.spoken.last(), QStringLiteral("q2")); // the handler went on to the end
    QVERIFY(unloaded());
    QVERIFY(!f.w->isVisible());
}

QTEST_MAIN(TestQuestionLoop)
#include "test_questionloop.moc"
