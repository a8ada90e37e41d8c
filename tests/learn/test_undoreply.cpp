// SPDX-License-Identifier: GPL-3.0-or-later
// Learn > Undo last reply, and what a wrong reply shows and how forgiving judging is, as a
// learner meets them in the window.
#include "LessonFixture.h"
#include "present/MessageBoxDialogs.h"
#include "support/OtherProgram.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <cmath>

class TestUndoReply : public QObject {
    Q_OBJECT
  private slots:
    void undoPutsEverythingBack_data();
    void undoPutsEverythingBack();
    void undoKeyWhileAReplyIsJudged_data();
    void undoKeyWhileAReplyIsJudged();
    void undoKeyUndoesTypingFirst();
    void notAcrossTheEndOfABunch();
    void failedUndoChangesNothing();
    void wrongBoxMarksTheDifferences();
    void wrongBoxShowsTheAnswerAsJudged_data();
    void wrongBoxShowsTheAnswerAsJudged();
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

void TestUndoReply::undoKeyWhileAReplyIsJudged_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("during");
    QTest::newRow("talking, the pause") << "talking"
                                        << "pause";
    QTest::newRow("talking, the next question spoken") << "talking"
                                                       << "speaking";
    QTest::newRow("kids, after the wrong box") << "kids"
                                               << "speaking";
}

// The speech output lets key presses through while it plays. Ctrl+Z pressed then neither
// takes back the reply before nor loses the one being judged; once that one is stored and
// the next question put, Ctrl+Z takes back exactly that one.
void TestUndoReply::undoKeyWhileAReplyIsJudged() {
    QFETCH(QString, mode);
    QFETCH(QString, during);
    LessonFixture f(4, {}, "UPDATE Fields1 SET Zad = 1");
    if (mode == "kids")
        f.c().mnuKids->trigger();
    else
        f.talk();
    f.reply("a1");
    QCOMPARE(f.logRows(), 1);
    // The cards' stored weights, rating, order and status.
    const QString firstStored = f.replyTrace(f.ids[0]).first();
    const QString secondBefore = f.replyTrace(f.ids[1]).first();
    const QString second = mode == "kids" ? "wrong" : "a2";
    bool pressed = false;
    const auto pressUndo = [&] {
        if (pressed)
            return;
        pressed = true;
        QTest::keyClick(f.c().Text3, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(f.c().Text3, Qt::Key_Return); // and a check, which must wait too
    };
    (during == "pause" ? f.speech.onPauseStep : f.speech.onSpeak) = pressUndo;
    f.reply(second);
    f.speech.onPauseStep = f.speech.onSpeak = nullptr;
    QVERIFY(pressed);

    QCOMPARE(f.replyTrace(f.ids[0]).first(), firstStored);
    QCOMPARE(
        f.t.column("SELECT CardID || Result FROM Log ORDER BY RecID"),
        (QStringList{QString("%1Correct").arg(f.ids[0]),
                     QString("%1%2").arg(f.ids[1]).arg(mode == "kids" ? "Wrong" : "Correct")}));
    QVERIFY(f.c().mnuUndoReply->isEnabled());
    QTest::keyClick(f.c().Text3, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.logRows(), 1);
    QCOMPARE(f.replyTrace(f.ids[0]).first(), firstStored);
    QCOMPARE(f.replyTrace(f.ids[1]).first(), secondBefore);
}

// Ctrl+Z in a half-typed reply undoes the typing; with the box empty it takes the reply back.
void TestUndoReply::undoKeyUndoesTypingFirst() {
    LessonFixture f(3);
    f.reply("a1");
    QTest::keyClicks(f.c().Text3, "half");
    QTest::keyClick(f.c().Text3, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.c().Text3->text(), QString());
    QCOMPARE(f.logRows(), 1);
    // The Next button has the focus: the typing is still the learner's to undo.
    QTest::keyClicks(f.c().Text3, "half");
    f.c().Command3->setFocus();
    QTest::keyClick(f.c().Command3, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.logRows(), 1);
    f.c().Text3->clear();
    QTest::keyClick(f.c().Text3, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.logRows(), 0);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("q1"));
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
    const QString diff = box.richDetail.section("</table>", 0, 0); // the legend left out
    QCOMPARE(diff.count("text-decoration:underline"), 4);          // 2 columns, both rows
    QVERIFY(box.richDetail.contains("&lt;"));
}

namespace {

// WCAG's contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void TestUndoReply::wrongBoxShowsTheAnswerAsJudged_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("joined"); // a run the diff keeps in one piece
    QTest::newRow("blanks") << " New  York "
                            << "New York"
                            << "York";
    QTest::newRow("Arabic") << "مرحبا بكم"
                            << "مرحبا بك"
                            << "مرحبا بك";
}

// The box says exactly what was judged against, every blank kept; blanks that differ show,
// the marks are explained below the diff and readable on their ground.
void TestUndoReply::wrongBoxShowsTheAnswerAsJudged() {
    QFETCH(QString, answer);
    QFETCH(QString, reply);
    QFETCH(QString, joined);
    LessonFixture f(2, {answer, "Rome"});
    f.c().Text3->setText(reply); // as typed: a test cannot type Arabic keys
    QTest::keyClick(f.c().Text3, Qt::Key_Return);
    const auto& box = f.dialogs.shown().last();
    QCOMPARE(box.text, "Correct answer is: " + answer);
    QTextDocument shown;
    shown.setHtml(present::textWithDetailHtml(box.text, box.richDetail));
    QCOMPARE(shown.toPlainText().section('\n', 0, 0), "Correct answer is: " + answer);
    QVERIFY(box.richDetail.contains(joined));
    QVERIFY(shown.toPlainText().contains("missing from your reply"));
    if (answer.contains("  "))
        QVERIFY(shown.toPlainText().contains(QChar(0x00B7)));
    const QRegularExpression marks("color:(#[0-9a-f]{6}); background-color:(#[0-9a-f]{6})");
    int checked = 0;
    for (const QRegularExpressionMatch& m : marks.globalMatch(box.richDetail)) {
        QVERIFY2(contrast(QColor(m.captured(1)), QColor(m.captured(2))) >= 4.5,
                 qPrintable(m.captured(0)));
        ++checked;
    }
    QVERIFY(checked >= 4); // the marks of the diff and of the legend
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
