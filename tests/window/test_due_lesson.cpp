// SPDX-License-Identifier: GPL-3.0-or-later
// Due review through the window: turned on in Edit > Review..., the Due lesson asks the due
// cards of every set, logs each reply under the card's first set, counts down, and gives the
// chosen set back after the last one.
#include "support/WindowFixture.h"

#include "learn/MemoryRebuild.h"
#include "learn/rules/MemoryStore.h"
#include "present/ClickableLabel.h"
#include "window/DueCountDelegate.h"
#include "window/DueOutlookView.h"
#include "window/ReviewDialog.h"
#include "window/ReviewMenu.h"
#include "window/StatisticsWindow.h"

#include <QBarSet>
#include <QLabel>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QSpinBox>

class TestDueLesson : public QObject {
    Q_OBJECT
  private slots:
    void theDueLessonAsksTheDueCardsOfAllSetsThenTheSetReturns();
    void offNothingShowsAndNothingDueIsSaid();
    void kidsHaveAPictureForTheDueCards();
    void pickingASetLeavesTheDueLesson();
};

namespace {

void logReply(testing::WindowFixture& f, qint64 card, int daysAgo, const QString& result,
              bool reverse = false) {
    f.t.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result, Direction) VALUES (?, 'S', ?, "
             "?, ?)",
             {QDate::currentDate().addDays(-daysAgo).toString(Qt::ISODate), card, result,
              reverse ? QVariant(QStringLiteral("reverse")) : QVariant()});
}

// Edit > Review..., review turned on or off at `percent`, OK.
void chooseReview(testing::WindowFixture& f, bool on, int percent = 90) {
    f.w->findChild<QAction*>("mnuReview")->trigger();
    window::ReviewDialog* dialog = f.w->reviewMenu().dialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->findChild<QCheckBox*>("chkReview")->setChecked(on);
    dialog->findChild<QSpinBox*>("spnRetention")->setValue(percent);
    dialog->accept();
}

window::DueCountDelegate* setListCounts(testing::WindowFixture& f) {
    return qobject_cast<window::DueCountDelegate*>(f.c().DataCombo1->itemDelegate());
}

} // namespace

void TestDueLesson::theDueLessonAsksTheDueCardsOfAllSetsThenTheSetReturns() {
    testing::WindowFixture f;
    const qint64 animals = f.t.addSet("Animals");
    const qint64 zoo = f.t.addSet("Zoo");
    const qint64 dog = f.t.addCard("chien", "dog", animals);
    const qint64 cat = f.t.addCard("chat", "cat", zoo);
    f.t.relate(animals, cat);
    const qint64 cow = f.t.addCard("vache", "cow", zoo);
    logReply(f, dog, 1, "Correct");      // recalled: not due
    logReply(f, cat, 200, "Correct");    // due
    logReply(f, cow, 60, "Wrong", true); // forgotten, asked answer to question: due first
    f.t.chooseSet("Animals");
    f.start();
    f.learn();
    QCOMPARE(f.c().Label7->text(), QStringLiteral("chien"));

    chooseReview(f, true);
    QTRY_COMPARE(f.c().PanelDue->text(), QStringLiteral("Due today: 2"));
    QVERIFY(f.c().PanelDue->isVisibleTo(f.w.get()));
    QVERIFY(f.c().PanelDue->geometry().right() <= f.c().StatusBar1->width());
    // The set list draws the counts as it opens, wide enough for them; its items are still
    // the sets' names.
    f.c().DataCombo1->showPopup();
    QAbstractItemView* list = f.c().DataCombo1->view();
    QVERIFY(list->viewport()->width() >= list->sizeHintForColumn(0));
    f.c().DataCombo1->hidePopup();
    QCOMPARE(setListCounts(f)->countText("Animals"), QStringLiteral("1 due"));
    QCOMPARE(setListCounts(f)->countText("Zoo"), QStringLiteral("2 due"));
    QVERIFY(f.c().DataCombo1->findText("Animals") >= 0);
    QCOMPARE(f.c().DataCombo1->currentText(), QStringLiteral("Animals"));

    // A card taken out of its set is not due; put back, it is again.
    f.t.exec("DELETE FROM Set_Card_rel WHERE Card_ID = ?", {cow});
    f.w->questionLoop().SubStatusBar();
    QCOMPARE(f.c().PanelDue->text(), QStringLiteral("Due today: 1"));
    f.t.relate(zoo, cow);
    f.w->questionLoop().SubStatusBar();
    QCOMPARE(f.c().PanelDue->text(), QStringLiteral("Due today: 2"));

    f.w->findChild<QAction*>("mnuDueCards")->trigger();
    QVERIFY(f.lesson().due);
    QCOMPARE(f.lesson().CurRowLim, 2);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("cow")); // asked from the answer
    // The set list stays; the Demons' label is not used.
    QVERIFY(f.c().DataCombo1->isVisibleTo(f.w.get()));
    QVERIFY(f.c().Label10->isHidden());

    f.reply("vache");
    QCOMPARE(f.t.column("SELECT SetName || ' ' || CardID || ' ' || Result || ' ' || "
                        "coalesce(Direction, '') FROM Log ORDER BY RecID DESC LIMIT 1"),
             QStringList{QStringLiteral("Zoo %1 Correct reverse").arg(cow)});
    QCOMPARE(f.c().PanelDue->text(), QStringLiteral("Due today: 1"));
    // The reply's own transaction moved the state: it still matches the log.
    QVERIFY(learn::memoryStateIsCurrent(f.t.db()));
    QCOMPARE(f.c().Label7->text(), QStringLiteral("chat"));

    // Undone, the card is due again.
    f.c().mnuUndoReply->trigger();
    QCOMPARE(f.c().PanelDue->text(), QStringLiteral("Due today: 2"));
    QVERIFY(learn::memoryStateIsCurrent(f.t.db()));
    QCOMPARE(f.c().Label7->text(), QStringLiteral("cow"));
    f.reply("vache");

    // A wrong reply: answered today, the card is not due any more, but the lesson asks it
    // again, as any lesson does, until it is right.
    f.reply("chien");
    QCOMPARE(f.t.column("SELECT SetName || ' ' || Result FROM Log ORDER BY RecID DESC LIMIT 1"),
             QStringList{QStringLiteral("Animals Wrong")}); // its first set by name
    QCOMPARE(f.c().PanelDue->text(), QStringLiteral("Due today: 0"));
    QTRY_COMPARE(f.c().Label7->text(), QStringLiteral("chat"));
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("End of Set"));
    f.reply("cat");
    QVERIFY(f.dialogs.texts().contains(QStringLiteral("Nothing more is due today.")));

    // The chosen set is back, and the Demons were neither used nor changed.
    QVERIFY(!f.lesson().due);
    QVERIFY(f.c().Label10->isHidden());
    QCOMPARE(f.c().Label10->text(), QStringLiteral("Demons"));
    QCOMPARE(f.c().Label7->text(), QStringLiteral("chien"));
    QCOMPARE(f.lesson().CurRowLim, 2); // the chosen set, Animals
    QCOMPARE(f.count("SELECT COUNT(*) FROM Card WHERE Demons = 1"), 0);
    QCOMPARE(f.count("SELECT COUNT(*) FROM CardReverse WHERE Demons = 1"), 0);
    // The statistics show what is coming due and the recall really had, beside the one wanted.
    f.c().mnuStatistics->trigger();
    auto* statistics = f.w->findChild<window::StatisticsWindow*>();
    QVERIFY(statistics);
    QVERIFY(statistics->dueOutlook->isVisibleTo(statistics));
    QCOMPARE(statistics->dueOutlook->dueBars->count(), 30);
    QCOMPARE(statistics->dueOutlook->dueBars->at(0), 0.0); // nothing due today any more
    QCOMPARE(statistics->dueOutlook->retentionLabel->text(),
             QStringLiteral("Answered right when due: 50.0% of 2 (recall wanted: 90%)"));
    statistics->close();

    // Nothing more is due: the lesson says so at once.
    f.w->findChild<QAction*>("mnuDueCards")->trigger();
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Nothing is due today."));
    QVERIFY(!f.lesson().due);
}

void TestDueLesson::offNothingShowsAndNothingDueIsSaid() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("S");
    const qint64 card = f.t.addCard("chien", "dog", set);
    logReply(f, card, 300, "Correct");
    f.t.chooseSet("S");
    f.start();
    f.learn();
    // Off (as every file starts): no panel, no counts, no lesson, no build of the state.
    QVERIFY(f.c().PanelDue->isHidden());
    QVERIFY(setListCounts(f)->counts().isEmpty());
    QVERIFY(!f.w->findChild<QAction*>("mnuDueCards")->isVisible());
    QVERIFY(!f.w->reviewMenu().rebuild().isRunning());
    QCOMPARE(f.count("SELECT COUNT(*) FROM MemoryState"), 0);

    // On, then off again: all of it goes.
    chooseReview(f, true, 80);
    QCOMPARE(f.t.scalar("SELECT Retention FROM Fields1").toDouble(), 0.80);
    QTRY_COMPARE(f.c().PanelDue->text(), QStringLiteral("Due today: 1"));
    chooseReview(f, false);
    QVERIFY(f.c().PanelDue->isHidden());
    QVERIFY(setListCounts(f)->counts().isEmpty());
    QVERIFY(!f.w->findChild<QAction*>("mnuDueCards")->isVisible());
    f.c().mnuStatistics->trigger();
    QVERIFY(f.w->findChild<window::StatisticsWindow*>()->dueOutlook->isHidden());
}

// Beside the Demons' picture on the Kids learning screen, only while review is on.
void TestDueLesson::kidsHaveAPictureForTheDueCards() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("S");
    const qint64 card = f.t.addCard("chien", "dog", set);
    f.t.addCard("chat", "cat", set);
    logReply(f, card, 300, "Correct");
    f.t.chooseSet("S");
    f.start();
    QLabel* picture = f.w->reviewMenu().kidsPicture();
    f.c().mnuKids->trigger();
    emit f.c().Picture[1]->clicked(); // learn
    QVERIFY(f.w->screens().learning);
    QVERIFY(picture->isHidden()); // review is off

    chooseReview(f, true);
    QTRY_VERIFY(picture->isVisibleTo(f.w.get()));
    // Inside the window, clear of every other picture.
    QVERIFY(f.w->rect().contains(picture->geometry()));
    for (int i = 1; i <= 12; ++i)
        if (f.c().Picture[size_t(i)]->isVisibleTo(f.w.get()))
            QVERIFY2(!f.c().Picture[size_t(i)]->geometry().intersects(picture->geometry()),
                     qPrintable(QString::number(i)));

    emit qobject_cast<present::ClickableLabel*>(picture)->clicked();
    QVERIFY(f.lesson().due);
    QCOMPARE(f.lesson().CurRowLim, 1);
    QCOMPARE(f.speech.spoken.last(), QStringLiteral("chien"));

    // Off the learning screen, the picture goes with the Demons'.
    emit f.c().Picture[3]->clicked(); // edit the set
    QVERIFY(!f.w->screens().learning);
    QVERIFY(picture->isHidden());
    f.c().mnuStandard->trigger();
    QVERIFY(picture->isHidden());
}

// Picking a set in the list, the chosen one included, goes back to that set's lesson.
void TestDueLesson::pickingASetLeavesTheDueLesson() {
    testing::WindowFixture f;
    const qint64 words = f.t.addSet("Words");
    const qint64 card = f.t.addCard("chien", "dog", words);
    f.t.addCard("chat", "cat", words);
    logReply(f, card, 300, "Correct");
    f.t.chooseSet("Words");
    f.start();
    f.learn();
    chooseReview(f, true);
    f.w->findChild<QAction*>("mnuDueCards")->trigger();
    QVERIFY(f.lesson().due);
    QCOMPARE(f.lesson().CurRowLim, 1);
    f.pick("Words");
    QVERIFY(!f.lesson().due);
    QCOMPARE(f.lesson().CurRowLim, 2);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("chien"));
}

QTEST_MAIN(TestDueLesson)
#include "test_due_lesson.moc"
