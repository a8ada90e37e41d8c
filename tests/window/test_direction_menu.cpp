// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"

#include "window/DirectionDialog.h"
#include "window/DirectionMenu.h"

#include <QPushButton>
#include <QRadioButton>

class TestDirectionMenu : public QObject {
    Q_OBJECT
  private slots:
    void choosingADirectionRestartsTheLessonThatWay();
    void cancelChangesNothing();
    void withoutAChosenSetTheDialogSaysSo();
};

namespace {

// Edit > Direction..., then `pick` in the window and OK (or Cancel).
void chooseDirection(testing::WindowFixture& f, const char* option, bool ok = true) {
    f.w->findChild<QAction*>("mnuDirection")->trigger();
    window::DirectionDialog* dialog = f.w->directionMenu().dialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->findChild<QRadioButton*>(option)->click();
    if (ok)
        dialog->accept();
    else
        dialog->reject();
}

} // namespace

void TestDirectionMenu::choosingADirectionRestartsTheLessonThatWay() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("S");
    f.t.addCard("chien", "dog", set);
    f.t.addCard("chat", "cat", set);
    f.t.chooseSet("S");
    f.start();
    f.learn();
    QVERIFY(f.c().PanelDirection->isHidden());
    QCOMPARE(f.c().Label7->text(), QStringLiteral("chien"));

    chooseDirection(f, "optReverse");
    QCOMPARE(f.t.scalar("SELECT Direction FROM Set1").toInt(), 1);
    QCOMPARE(f.c().Label7->text(), QStringLiteral("dog"));
    QVERIFY(f.c().PanelDirection->isVisibleTo(f.w.get()));
    QCOMPARE(f.c().PanelDirection->text(), QStringLiteral("Asked: answer to question"));
    // The window is wide enough for the extra panel's text.
    QVERIFY(f.c().PanelDirection->geometry().right() <= f.c().StatusBar1->width());
    f.reply("chien");
    QVERIFY(!f.c().Label5->isHidden());

    chooseDirection(f, "optBoth");
    QCOMPARE(f.lesson().CurRowLim, 4);
    QCOMPARE(f.c().PanelDirection->text(), QStringLiteral("Asked: both ways"));

    // The dialog opens on the set's direction; back to forward, the panel goes.
    f.w->findChild<QAction*>("mnuDirection")->trigger();
    QVERIFY(f.w->directionMenu().dialog()->findChild<QRadioButton*>("optBoth")->isChecked());
    f.w->directionMenu().dialog()->reject();
    chooseDirection(f, "optForward");
    QCOMPARE(f.lesson().CurRowLim, 2);
    QVERIFY(f.c().PanelDirection->isHidden());
    QCOMPARE(f.c().Label7->text(), QStringLiteral("chien"));
}

void TestDirectionMenu::cancelChangesNothing() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet("S");
    f.t.addCard("chien", "dog", set);
    f.t.chooseSet("S");
    f.start();
    chooseDirection(f, "optBoth", false);
    QCOMPARE(f.t.scalar("SELECT Direction FROM Set1").toInt(), 0);
}

void TestDirectionMenu::withoutAChosenSetTheDialogSaysSo() {
    testing::WindowFixture f;
    f.start();
    f.w->findChild<QAction*>("mnuDirection")->trigger();
    QVERIFY(!f.w->directionMenu().dialog());
    QCOMPARE(f.dialogs.lastText(),
             QStringLiteral("Choose a set first: the direction is a set's own."));
}

QTEST_MAIN(TestDirectionMenu)
#include "test_direction_menu.moc"
