// SPDX-License-Identifier: GPL-3.0-or-later
// The learning screen as the learner sees it, on the real window: a change of mode in the
// middle of a question, the status bar through a lesson, and room for a long question.
#include "multi/ComparisonWindow.h"
#include "present/QuestionArea.h"
#include "support/WindowFixture.h"

#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {

struct Lesson : testing::WindowFixture {

    // Set "Words": one, two (a multiple-answer card), three, four; the Academic window drawn
    // at `scale` times its designed size.
    explicit Lesson(double scale = 1.0) {
        const qint64 set = t.addSet("Words");
        t.addCard("one", "eins", set);
        t.addAnswers(t.addCard("two", "Multi", set), {"zwei", "deux"});
        t.addCard("three", "drei", set);
        t.addCard("four", "vier", set);
        t.chooseSet("Words");
        t.exec("UPDATE Fields1 SET Zad = 1, DemonsNum = 2, AcademicScale = ?", {scale});
        start();
    }
    QString asked() { return lesson().CSarray.at(lesson().Row, learn::ColQuestion).toString(); }
    QStringList panels() {
        QStringList texts;
        for (int i = 0; i < 3; ++i)
            texts << c().panels[size_t(i)]->text();
        return texts;
    }
    // Types the replies, one per row of the reply grid for a multiple-answer card, and checks.
    void reply(const QStringList& texts) {
        for (const QString& text : texts) {
            if (c().TDBGrid3->isVisibleTo(w.get())) {
                data::RecordsetModel* replies = c().Adodc4;
                QVERIFY(replies->setData(replies->index(replies->dataRowCount(), 0), text));
            } else {
                QTest::keyClicks(c().Text3, text);
            }
        }
        QVERIFY(c().Command21->isEnabled());
        QTest::mouseClick(c().Command21, Qt::LeftButton);
    }
    void reply(const QString& text) { reply(QStringList{text}); }
    void answerRight() {
        const QString answer = lesson().CSarray.at(lesson().Row, learn::ColAnswer).toString();
        reply(answer == QLatin1String("Multi") ? QStringList{"zwei", "deux"} : QStringList{answer});
    }
    QString lastLoggedQuestion() {
        return t
            .scalar("SELECT Question FROM Card WHERE Card_ID = "
                    "(SELECT CardID FROM Log ORDER BY rowid DESC LIMIT 1)")
            .toString();
    }
};

int bottomOf(QWidget* w) {
    return w->mapTo(w->window(), QPoint(0, w->height())).y();
}
int topOf(QWidget* w) {
    return w->mapTo(w->window(), QPoint(0, 0)).y();
}

} // namespace

class TestLearningScreen : public QObject {
    Q_OBJECT
  private slots:
    // The comparison window of a wrong list of replies is not waited for.
    void initTestCase() {
        multi::Form6::setOpenerForTests([](multi::Form6&) {});
    }
    void modeSwitchKeepsTheQuestion_data();
    void modeSwitchKeepsTheQuestion();
    void statusBarAfterLearnTheWholeSet();
    void statusBarInKidsModeAndOnTheDemons();
    void longQuestionShowsWhole_data();
    void longQuestionShowsWhole();
    void endlessQuestionScrolls();
    void anotherSetStartsWithoutFeedback();
    void statusBarPanelsShowWhole();
    void tabStopsAreControlsThatShowFocus();
    void setListKeepsItsWidthAfterKids();
    void replyGridWithTheKeyboardAlone();
};

void TestLearningScreen::modeSwitchKeepsTheQuestion_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("lastIsMulti"); // "four" a multiple-answer card too
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("steps"); // "right", "next", or a reply typed
    QTest::addColumn<QString>("asked");     // after the switch
    const QStringList two = {"right", "right"};
    QTest::newRow("Kids") << "mnuKids" << false << "three" << two << "three";
    QTest::newRow("Talking") << "mnuTalking" << false << "three" << two << "three";
    // Kids mode passes over a multiple-answer card to the next card still to be asked ...
    QTest::newRow("Kids on a multiple-answer card")
        << "mnuKids" << false << "two" << QStringList{"right"} << "three";
    QTest::newRow("Kids on a multiple-answer card, the next one answered")
        << "mnuKids" << false << "two" << QStringList{"right", "next", "right", "wrong"} << "four";
    // ... and past the last card into the next bunch.
    QTest::newRow("Kids on the last card, a multiple-answer card")
        << "mnuKids" << true << "four" << QStringList{"right", "right", "wrong"} << "three";
}

void TestLearningScreen::modeSwitchKeepsTheQuestion() {
    QFETCH(QString, mode);
    QFETCH(bool, lastIsMulti);
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QFETCH(QString, asked);
    Lesson l;
    if (lastIsMulti) {
        l.t.exec("UPDATE Card SET Answer = 'Multi' WHERE Question = 'four'");
        l.t.addAnswers(l.t.scalar("SELECT Card_ID FROM Card WHERE Question = 'four'").toLongLong(),
                       {"zwei", "deux"});
    }
    l.c().mnuLearn->trigger();
    for (const QString& step : steps) {
        if (step == QLatin1String("right"))
            l.answerRight();
        else if (step == QLatin1String("next"))
            l.c().Command3->click();
        else
            l.reply(step);
    }
    QCOMPARE(l.c().Label7->text(), shown);

    l.speech.spoken.clear();
    l.w->findChild<QAction*>(mode)->trigger();
    // The card put is the one spoken, and the one judged.
    QCOMPARE(l.asked(), asked);
    QCOMPARE(l.speech.spoken, QStringList{asked});
    l.answerRight();
    QCOMPARE(l.lastLoggedQuestion(), asked);
    QCOMPARE(l.t.scalar("SELECT Result FROM Log ORDER BY rowid DESC LIMIT 1").toString(),
             QStringLiteral("Correct"));
}

void TestLearningScreen::statusBarAfterLearnTheWholeSet() {
    Lesson l;
    l.c().mnuLearn->trigger();
    QCOMPARE(l.panels(), (QStringList{"Total 4", "Curr. bunch 4", "Remains 4"}));
    l.reply(QStringLiteral("eins"));
    l.reply({"zwei", "deux"});
    l.reply(QStringLiteral("wrong"));
    l.reply(QStringLiteral("vier"));
    // One card left for the second bunch.
    QVERIFY(l.dialogs.texts().contains("End of Set"));
    QCOMPARE(l.panels(), (QStringList{"Total 4", "Curr. bunch 1", "Remains 1"}));

    l.dialogs.clear();
    l.c().mnuWholeSet->trigger();
    QCOMPARE(l.panels(), (QStringList{"Total 4", "Curr. bunch 4", "Remains 4"}));
    l.reply(QStringLiteral("drei"));
    QCOMPARE(l.panels(), (QStringList{"Total 4", "Curr. bunch 4", "Remains 3"}));
    // The whole set is asked again, and a bunch with a wrong reply ends as any other.
    l.reply(QStringLiteral("wrong"));
    QCOMPARE(l.panels(), (QStringList{"Total 4", "Curr. bunch 4", "Remains 3"}));
    for (int i = 0; i < 4 && !l.dialogs.texts().contains("End of Set"); ++i)
        l.answerRight();
    QVERIFY(l.dialogs.texts().contains("End of Set"));
    QVERIFY(!l.dialogs.texts().join(' ').contains("Congratulations"));
}

void TestLearningScreen::statusBarInKidsModeAndOnTheDemons() {
    Lesson l;
    l.c().mnuKids->trigger();
    emit l.c().Picture[1]->clicked();
    // The Kids source leaves the multiple-answer card out.
    QCOMPARE(l.panels(), (QStringList{"Total 3", "Curr. bunch 3", "Remains 3"}));
    l.reply(QStringLiteral("eins"));
    QCOMPARE(l.panels(), (QStringList{"Total 3", "Curr. bunch 3", "Remains 2"}));
    l.reply(QStringLiteral("wrong"));
    QCOMPARE(l.panels(), (QStringList{"Total 3", "Curr. bunch 3", "Remains 2"}));

    // The Demons are the two cards answered wrongly so far: their own totals.
    l.t.exec("UPDATE Card SET Incorrect = 1, Rating = 0 WHERE Question IN "
             "('three', 'four')");
    l.c().mnuSilent->trigger();
    l.c().mnuLearnDemons->trigger();
    QVERIFY(l.lesson().demons);
    QCOMPARE(l.panels(), (QStringList{"Total 2", "Curr. bunch 2", "Remains 2"}));
}

void TestLearningScreen::longQuestionShowsWhole_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<double>("scale");
    QTest::newRow("one answer") << "eins" << 1.0;
    QTest::newRow("several answers") << "Multi" << 1.0;
    QTest::newRow("one answer, drawn larger") << "eins" << 1.4;
}

void TestLearningScreen::longQuestionShowsWhole() {
    QFETCH(QString, answer);
    QFETCH(double, scale);
    Lesson l(scale);
    const QString question =
        QStringLiteral("Which word, in the language of the people who live along the Rhine "
                       "between Basel and the sea, names the number that comes first when "
                       "anyone counts the apples lying on the table in front of them?");
    l.t.exec("UPDATE Card SET Question = ?, Answer = ? WHERE Question = 'one'", {question, answer});
    l.c().mnuLearn->trigger();
    QLabel* q = l.c().Label7;
    QWidget* area = present::frameOf(q);
    QVERIFY(q->text() == question && q->isVisible());
    // The whole text shows, in more than the designed two lines, and what comes below it
    // starts below it.
    QVERIFY(q->height() >= q->heightForWidth(q->width()));
    QVERIFY(area->height() >= q->heightForWidth(area->width()));
    QVERIFY(area->height() > qRound(465 / 15.0 * scale));
    QWidget* reply = answer == "Multi" ? static_cast<QWidget*>(l.c().TDBGrid3) : l.c().Text3;
    QWidget* const parts[] = {area, l.c().Label4, reply, l.c().Command21};
    for (int i = 0; i < 3; ++i)
        QVERIFY2(bottomOf(parts[i]) <= topOf(parts[i + 1]), qPrintable(parts[i]->objectName()));
    QVERIFY(bottomOf(l.c().Command21) <= l.w->centralWidget()->height());

    // A short question puts everything back where it was.
    l.t.exec("UPDATE Card SET Question = 'one', Answer = 'eins' "
             "WHERE Question = ?",
             {question});
    l.c().mnuLearn->trigger();
    const int top = topOf(l.c().Label4);
    QVERIFY(bottomOf(q) <= top);
    QVERIFY(top - bottomOf(q) < q->fontMetrics().height() * 2);
}

void TestLearningScreen::endlessQuestionScrolls() {
    Lesson l;
    const QString question = QStringLiteral("and then another word ").repeated(200);
    l.t.exec("UPDATE Card SET Question = ? WHERE Question = 'one'", {question});
    l.c().mnuLearn->trigger();
    QVERIFY(l.w->frameGeometry().height() <= l.w->screen()->availableGeometry().height());
    QVERIFY(bottomOf(l.c().Command21) <= l.w->centralWidget()->height());
    // The question can be read by scrolling it.
    auto* area = qobject_cast<QScrollArea*>(l.c().Label7->parentWidget()->parentWidget());
    QVERIFY(area && area->verticalScrollBar()->isVisible());
    QVERIFY(area->verticalScrollBar()->maximum() > 0);
}

// "Wrong" told of a reply to the set before, not of the first question of this one.
void TestLearningScreen::anotherSetStartsWithoutFeedback() {
    Lesson l;
    l.t.addCard("cat", "Katze", l.t.addSet("Animals"));
    l.c().Adodc1->refresh();
    l.c().mnuLearn->trigger();
    l.reply("falsch");
    QVERIFY(l.c().Label6->isVisibleTo(l.w.get()));
    l.pick("Animals");
    QCOMPARE(l.asked(), QStringLiteral("cat"));
    QVERIFY(!l.c().Label6->isVisibleTo(l.w.get()) && !l.c().Label5->isVisibleTo(l.w.get()));
}

// A multiple-answer card fills all five panels; at the designed size each shows its text,
// even in a large font.
void TestLearningScreen::statusBarPanelsShowWhole() {
    Lesson l;
    QFont large = l.c().StatusBar1->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    l.c().StatusBar1->setFont(large);
    l.t.exec("UPDATE Card SET DisplayQuestionNumber = 1 WHERE Answer = 'Multi'");
    l.c().mnuLearn->trigger();
    l.answerRight();
    QCOMPARE(l.asked(), QStringLiteral("two"));
    QVERIFY(QTest::qWaitForWindowExposed(l.w.get()));
    QCoreApplication::processEvents(); // the status bar laid out for its new texts
    for (QLabel* panel : l.c().panels) {
        // Whole, and inside the window.
        const int right = panel->mapTo(l.w.get(), QPoint(panel->width(), 0)).x();
        QVERIFY2(panel->width() >= panel->sizeHint().width() && right <= l.w->width(),
                 qPrintable(QString("%1: %2 < %3 or %4 > %5")
                                .arg(panel->text())
                                .arg(panel->width())
                                .arg(panel->sizeHint().width())
                                .arg(right)
                                .arg(l.w->width())));
        QVERIFY(panel->text().isEmpty() || panel->isVisible());
    }
    QCOMPARE(l.c().panels[4]->text(), QStringLiteral("2 Answers"));
}

// From the reply on, Tab visits Check, Next, the set list and "Question" (which says the
// question again), each a control whose focus shows; the question's text is no stop.
void TestLearningScreen::tabStopsAreControlsThatShowFocus() {
    Lesson l;
    QVERIFY(l.startActive());
    l.c().mnuLearn->trigger();
    QTest::mouseClick(l.c().Command3, Qt::LeftButton); // Next: the card with a list
    QTest::mouseClick(l.c().Command3, Qt::LeftButton); // Next: "three"
    QCOMPARE(QApplication::focusWidget(), l.c().Text3);
    QTest::keyClicks(l.c().Text3, "x");
    QList<QWidget*> stops;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << QApplication::focusWidget();
    }
    const QList<QWidget*> expected{l.c().Command21, l.c().Command3, l.c().DataCombo1, l.c().Label3,
                                   l.c().Text3};
    QCOMPARE(stops, expected);
}

// Back from Kids mode the set list is as wide as it was before.
void TestLearningScreen::setListKeepsItsWidthAfterKids() {
    Lesson l;
    l.c().mnuLearn->trigger();
    const int before = l.c().DataCombo1->width();
    l.c().mnuKids->trigger();
    l.c().mnuSilent->trigger();
    QCOMPARE(l.c().DataCombo1->width(), before);
}

// Keys pressed where the focus is, as on a keyboard; what a key sets off (a cell's editor
// writes its text after Enter) happens before the next key.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCoreApplication::processEvents();
}
void press(const QString& keys) {
    for (const QChar ch : keys) {
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
        QCoreApplication::processEvents();
    }
}

// The answers of a multiple-answer card typed, checked and left with the keyboard alone.
void TestLearningScreen::replyGridWithTheKeyboardAlone() {
    Lesson l;
    QVERIFY(l.startActive());
    l.c().mnuLearn->trigger();
    l.answerRight();
    QCOMPARE(l.asked(), QStringLiteral("two"));
    QTableView* grid = l.c().TDBGrid3;
    QCOMPARE(QApplication::focusWidget(), grid);
    press("zwei");
    press(Qt::Key_Return); // stored; a new row for the next answer
    press("deu");
    press(Qt::Key_Tab); // out of the grid, the typing kept
    QCOMPARE(QApplication::focusWidget(), l.c().Command21);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), grid);
    press(Qt::Key_Space); // a blank after the text, not in its place
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("deu "));
    press(Qt::Key_Backspace);
    press("x");
    press(Qt::Key_Return);
    QCOMPARE(l.c().Adodc4->dataRowCount(), 2);
    press(Qt::Key_Tab, Qt::ControlModifier); // Ctrl+Tab leaves too
    QVERIFY(QApplication::focusWidget() != grid &&
            !grid->isAncestorOf(QApplication::focusWidget()));
    grid->setFocus();
    press(Qt::Key_Return); // on the empty row: the list is checked
    QCOMPARE(l.lastLoggedQuestion(), QStringLiteral("two"));
    QCOMPARE(l.t.scalar("SELECT Result FROM Log ORDER BY RecID DESC LIMIT 1").toString(),
             QStringLiteral("Correct"));
    QCOMPARE(l.asked(), QStringLiteral("three"));
}

QTEST_MAIN(TestLearningScreen)
#include "test_learning_screen.moc"
