// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/ApplyLayout.h"
#include "present/KidsPictures.h"
#include "support/WindowFixture.h"
#include "window/KidsMode.h"
#include "window/TalkingSilent.h"

#include <QtTest>

// Kids mode through the real main window: the switch into it on every screen, its layouts,
// the picture buttons with their sounds, and the fallback when no sound can be played.
class TestKidsMode : public QObject {
    Q_OBJECT
  private slots:
    void kidsKeepsTheScreenAndLaysItOut_data();
    void kidsKeepsTheScreenAndLaysItOut();
    void pictureButtons_data();
    void pictureButtons();
    void deletePicturePlaysAfterTheDeletion();
    void withoutSoundAPictureFallsBack_data();
    void withoutSoundAPictureFallsBack();
    void kidsLessonsSkipMultipleAnswerCards();
    void kidsAskTheOtherWayToo();
    void answerPictures();
    void pressedLook();
};

namespace {

enum Screen { SetEditing, SetName, Learning, CreateSet };

struct Window : testing::WindowFixture {
    Window() : WindowFixture(true) { start(); }
    present::ModeFlags& modes() { return w->modes(); }
    bool shown(QWidget* widget) { return widget->isVisibleTo(w.get()); }
    void show(int screen) {
        const std::function<void()> open[] = {
            [this] { w->ScrChangeVisible(); }, [this] { w->ScrChngSetName(); },
            [this] { c().mnuLearn->trigger(); }, [this] { w->ScrCreateVisible(); }};
        open[screen]();
    }
    int screen() {
        const present::ScreenFlags& f = w->screens();
        return int(
            QList<bool>({f.setEditing, f.newSetName, f.learning, f.createSet}).indexOf(true));
    }
    QList<int> picturesShown() {
        QList<int> shownPictures;
        for (int i = 1; i <= 12; ++i)
            if (shown(c().Picture[size_t(i)]))
                shownPictures << i;
        return shownPictures;
    }
    void click(int picture) { emit c().Picture[size_t(picture)]->clicked(); }
};

} // namespace

void TestKidsMode::kidsKeepsTheScreenAndLaysItOut_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QList<int>>("pictures");
    QTest::newRow("set editing") << int(SetEditing) << QList<int>{1, 4, 5, 6};
    QTest::newRow("set name") << int(SetName) << QList<int>{1, 2, 3, 5, 12};
    QTest::newRow("learning") << int(Learning) << QList<int>{3, 4, 5, 7, 8, 11, 12};
    QTest::newRow("create set") << int(CreateSet) << QList<int>{2, 3, 12};
}

void TestKidsMode::kidsKeepsTheScreenAndLaysItOut() {
    QFETCH(int, screen);
    QFETCH(QList<int>, pictures);
    Window win;
    win.show(screen);
    const QString caption = win.w->windowTitle();
    win.w->setWindowTitle(QString()); // only a fresh layout puts the caption back
    win.c().mnuKids->trigger();

    QVERIFY(win.modes().kids && !win.modes().Silent);
    // Either Academic mode leads back, whichever was left.
    QVERIFY(win.c().mnuTalking->isEnabled() && win.c().mnuSilent->isEnabled());
    QCOMPARE(win.screen(), screen);
    QCOMPARE(win.w->windowTitle(), caption);
    QVERIFY(!present::kidsBackgroundOf(win.c()).isEmpty());
    QCOMPARE(win.picturesShown(), pictures);
    QCOMPARE(win.c().Adodc2->source(), QStringLiteral("qSelectedSetKids"));
    if (screen == Learning) {
        // Spoken, not shown; the check button waits for a reply.
        QVERIFY(!win.c().Command21->isEnabled() && !win.shown(win.c().Label7));
        QCOMPARE(present::kidsPictureOf(win.c().Command21), QStringLiteral("go"));
        QVERIFY(!win.speech.spoken.isEmpty());
    }

    // Back to Academic: the same screen laid out afresh, no Kids picture stays, and the
    // sound indicator follows Talking.
    win.w->setWindowTitle(QString());
    win.c().mnuSilent->trigger();
    QCOMPARE(win.screen(), screen);
    QCOMPARE(win.w->windowTitle(), caption);
    QCOMPARE(win.c().Adodc2->source(), QStringLiteral("qSelectedSet"));
    QVERIFY(win.modes().Silent && !win.modes().kids);
    QCOMPARE(win.picturesShown(), QList<int>{});
    QVERIFY(present::kidsBackgroundOf(win.c()).isEmpty() && win.c().Command21->icon().isNull());
    QVERIFY(win.c().Text3->font().pointSize() < 18);
    win.c().mnuTalking->trigger();
    QCOMPARE(win.picturesShown(), QList<int>{9});
    QVERIFY(win.modes().TalkingOn && !win.modes().Silent);
    QVERIFY(!win.c().mnuTalking->isEnabled() && win.c().mnuSilent->isEnabled());
    QVERIFY(win.dialogs.shown().isEmpty());
}

void TestKidsMode::pictureButtons_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("sounds");
    QTest::addColumn<int>("screen"); // where the click leads (with sound)
    QTest::newRow("learn") << 1 << int(SetEditing) << QList<int>{10} << int(Learning);
    QTest::newRow("edit") << 3 << int(Learning) << QList<int>{7} << int(SetEditing);
    QTest::newRow("rename") << 4 << int(SetEditing) << QList<int>{8} << int(SetName);
    QTest::newRow("create") << 5 << int(SetEditing) << QList<int>{6} << int(CreateSet);
    QTest::newRow("whole set") << 8 << int(Learning) << QList<int>{4} << int(Learning);
    QTest::newRow("demons") << 11 << int(Learning) << QList<int>{11} << int(Learning);
    QTest::newRow("repeat") << 7 << int(Learning) << QList<int>{} << int(Learning);
}

void TestKidsMode::pictureButtons() {
    QFETCH(int, picture);
    QFETCH(int, from);
    QFETCH(QList<int>, sounds);
    QFETCH(int, screen);
    Window win;
    win.c().mnuKids->trigger();
    win.show(from);
    present::ClickableLabel* p = win.c().Picture[size_t(picture)];
    QVERIFY(!p->accessibleName().isEmpty() && win.shown(p));
    win.speech.sounds.clear();
    win.speech.spoken.clear();
    win.click(picture);
    QCOMPARE(win.speech.sounds, sounds);
    QCOMPARE(win.screen(), screen);
    QCOMPARE(win.shown(win.c().StatusBar1), screen == Learning); // the lesson's progress
    if (picture == 7)
        QCOMPARE(win.speech.spoken.size(), 1); // the question again
    if (picture == 11)
        QVERIFY(win.w->lesson().demons);
    QVERIFY(win.dialogs.shown().isEmpty());
}

void TestKidsMode::deletePicturePlaysAfterTheDeletion() {
    Window win;
    win.t.addSet("Birds");
    win.c().mnuKids->trigger();
    const qint64 sets = win.t.scalar("SELECT COUNT(*) FROM Set1").toLongLong();
    // Without sound the deletion still happens: the sound comes only after it.
    win.speech.unavailable = true;
    win.dialogs.nextAnswer(true);
    win.click(6);
    QCOMPARE(win.t.scalar("SELECT COUNT(*) FROM Set1").toLongLong(), sets - 1);
    QCOMPARE(win.dialogs.texts().last(), window::TalkingSilent::speechMissingMessage());
    QVERIFY(win.modes().Silent);

    // With sound, declining the deletion still plays the sound, once, afterwards.
    win.speech.unavailable = false;
    win.c().mnuKids->trigger();
    win.dialogs.nextAnswer(false);
    win.click(6);
    QCOMPARE(win.speech.sounds, QList<int>{5});
}

// The same clicks without sound, and the Mode > Kids entry (picture 0) itself.
void TestKidsMode::withoutSoundAPictureFallsBack_data() {
    pictureButtons_data();
    QTest::newRow("Mode > Kids") << 0 << int(Learning) << QList<int>{} << int(Learning);
}

void TestKidsMode::withoutSoundAPictureFallsBack() {
    QFETCH(int, picture);
    QFETCH(int, from);
    Window win;
    if (picture != 0)
        win.c().mnuKids->trigger();
    win.show(from);
    // One card learnt, so a reset of the statuses would show.
    win.w->lesson().CSarray.at(1, learn::ColCurStatus) = 1;
    win.speech.unavailable = true;
    if (picture == 0)
        win.c().mnuKids->trigger();
    else
        win.click(picture);

    QCOMPARE(win.dialogs.texts(), QStringList{window::TalkingSilent::speechMissingMessage()});
    QVERIFY(win.modes().Silent && !win.modes().kids);
    // The rest of the click was skipped: the same screen, the lesson as it was.
    QCOMPARE(win.screen(), from);
    QCOMPARE(win.w->lesson().CSarray.at(1, learn::ColCurStatus).toInt(), 1);
    QVERIFY(!win.w->lesson().demons);
    QCOMPARE(win.picturesShown(), QList<int>{});
}

// A set of multiple-answer cards only ends its bunch at once, asking nothing.
void TestKidsMode::kidsLessonsSkipMultipleAnswerCards() {
    Window only;
    only.t.addAnswers(only.t.addCard("seasons", "Multi", only.t.addSet("Lists")),
                      {"spring", "summer"});
    only.t.chooseSet("Lists");
    only.show(Learning);
    only.c().mnuKids->trigger();
    QVERIFY(only.dialogs.texts().contains("End of Set") && only.speech.spoken.isEmpty());
}

// A set asked answer to question is asked so in Kids mode: the answer is spoken, the question
// is the right reply, and the multiple-answer card of the sample set is still left out.
void TestKidsMode::kidsAskTheOtherWayToo() {
    Window win;
    win.t.exec("UPDATE Set1 SET Direction = 1");
    win.c().mnuKids->trigger();
    win.click(1);
    QCOMPARE(win.speech.spoken.last(), QStringLiteral("Paris"));
    QTest::keyClicks(win.c().Text3, QStringLiteral("The capital of France"));
    win.c().Command21->click();
    QCOMPARE(present::kidsPictureOf(win.c().Picture[10]), QStringLiteral("smile"));
    QCOMPARE(win.t.scalar("SELECT Direction FROM Log").toString(), QStringLiteral("reverse"));
    for (int r = 1; r <= win.w->lesson().CurRowLim; ++r)
        QVERIFY(win.w->lesson().CSarray.at(r, learn::ColAnswer).toString() !=
                QStringLiteral("Multi"));
}

void TestKidsMode::answerPictures() {
    Window win;
    win.c().mnuKids->trigger();
    win.click(1);
    QTest::keyClicks(win.c().Text3, QStringLiteral("Paris"));
    QVERIFY(win.c().Command21->isEnabled());
    win.c().Command21->click();
    QCOMPARE(present::kidsPictureOf(win.c().Picture[10]), QStringLiteral("smile"));
    QVERIFY(win.shown(win.c().Picture[10]) && win.speech.sounds.contains(1));

    QTest::keyClicks(win.c().Text3, QStringLiteral("Bonn"));
    QVERIFY(!win.shown(win.c().Picture[10])); // typing hides the last verdict
    const QString asked = win.speech.spoken.last();
    win.c().Command21->click();
    QCOMPARE(present::kidsPictureOf(win.c().Picture[10]), QStringLiteral("disappointment"));
    QVERIFY(win.speech.sounds.contains(2));
    QCOMPARE(win.dialogs.texts().last(), QStringLiteral("Correct answer is: Berlin"));
    QVERIFY(win.dialogs.shown().last().richDetail.isEmpty()); // Kids keep the plain box

    // Ctrl+Z in the reply box takes the wrong reply back in Kids mode too.
    QTest::keyClick(win.c().Text3, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(win.t.scalar("SELECT group_concat(Result) FROM Log").toString(),
             QStringLiteral("Correct"));
    QCOMPARE(win.w->lesson().CSarray.at(win.w->lesson().Row, learn::ColQuestion).toString(), asked);
    QCOMPARE(win.speech.spoken.last(), asked);
}

void TestKidsMode::pressedLook() {
    Window win;
    win.c().mnuKids->trigger();
    win.show(Learning);
    for (int picture : {7, 8}) {
        present::ClickableLabel* p = win.c().Picture[size_t(picture)];
        QTest::mousePress(p, Qt::LeftButton);
        QCOMPARE(p->frameShape(), QFrame::Panel);
        QTest::mouseRelease(p, Qt::LeftButton);
        QCOMPARE(p->frameShape(), QFrame::NoFrame);
    }
}

QTEST_MAIN(TestKidsMode)
#include "test_kids_mode.moc"
