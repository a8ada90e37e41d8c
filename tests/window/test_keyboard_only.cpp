// SPDX-License-Identifier: GPL-3.0-or-later
// A learner without a mouse: every step of a session made from the keyboard alone, the focus
// where the next key belongs after each one.
#include "support/WindowFixture.h"
#include "window/DemonsManager.h"

#include <QMenu>
#include <QTableView>
#include <QtTest>

namespace {

// Counts the mouse events the whole program sees; the walk allows none.
class MouseWatch : public QObject {
  public:
    int seen = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            ++seen;
            break;
        default:
            break;
        }
        return false;
    }
};

// What has the focus once the program has done what the last key asked, as between the
// keys of a learner.
QWidget* focus() {
    QCoreApplication::processEvents();
    return QApplication::focusWidget();
}

// Tab until `target` has the focus; false when a whole round never reaches it.
bool tabTo(QWidget* target) {
    for (int i = 0; i < 40 && focus() != target; ++i)
        QTest::keyClick(focus() ? focus() : QApplication::activeWindow(), Qt::Key_Tab);
    return focus() == target;
}

// Opens a menu of the bar by its Alt key and walks down to each entry of `path` in turn,
// into a submenu with Right, and takes the last with Enter.
bool chooseByKeys(QWidget* window, char altKey, const QList<QAction*>& path) {
    QTest::keyClick(window, static_cast<Qt::Key>(Qt::Key_A + (altKey - 'a')), Qt::AltModifier);
    for (qsizetype step = 0; step < path.size(); ++step) {
        QCoreApplication::processEvents(); // the menu opened as on a screen
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return false;
        for (int i = 0; i < 30 && menu->activeAction() != path[step]; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        if (menu->activeAction() != path[step])
            return false;
        QTest::keyClick(menu, step + 1 < path.size() ? Qt::Key_Right : Qt::Key_Return);
    }
    return QApplication::activePopupWidget() == nullptr;
}

} // namespace

class TestKeyboardOnly : public QObject {
    Q_OBJECT
  private slots:
    void aWholeSessionWithoutTheMouse();
    void typingGoesOnWhenTheGridIsStoredUnderIt();
};

void TestKeyboardOnly::aWholeSessionWithoutTheMouse() {
    testing::WindowFixture f;
    const qint64 rivers = f.t.addSet(QStringLiteral("Rivers"));
    const QMap<QString, QString> answers{{QStringLiteral("longest"), QStringLiteral("Nile")},
                                         {QStringLiteral("widest"), QStringLiteral("Amazon")},
                                         {QStringLiteral("German"), QStringLiteral("Rhine")}};
    for (auto a = answers.begin(); a != answers.end(); ++a)
        f.t.addCard(a.key(), a.value(), rivers);
    f.t.addCard(QStringLiteral("France"), QStringLiteral("Paris"),
                f.t.addSet(QStringLiteral("Capitals")));
    f.t.chooseSet(QStringLiteral("Capitals"));
    QVERIFY(f.startActive());
    MouseWatch mouse;
    qApp->installEventFilter(&mouse);
    present::Form1Controls& c = f.c();
    QWidget* window = f.w.get();

    // The set, from the set list.
    QVERIFY(tabTo(c.DataCombo1));
    for (int i = 0; i < 5 && c.DataCombo1->currentText() != QStringLiteral("Rivers"); ++i) {
        QTest::keyClick(c.DataCombo1, Qt::Key_Down);
        QCOMPARE(focus(), c.DataCombo1);
    }
    QCOMPARE(c.DataCombo1->currentText(), QStringLiteral("Rivers"));
    QTRY_COMPARE(f.t.scalar("SELECT SetName FROM Fields").toString(), QStringLiteral("Rivers"));

    // A bunch, the first reply wrong; after each the reply box has the focus again.
    QVERIFY(chooseByKeys(window, 'f', {c.mnuLearn}));
    QCOMPARE(focus(), c.Text3);
    const int logged = f.t.scalar("SELECT COUNT(*) FROM Log").toInt();
    for (int i = 0; i < 3; ++i) {
        const QString asked = c.Label7->isVisible() ? c.Label7->text() : QString();
        const QString card = f.lesson().CSarray.at(f.lesson().Row, learn::ColQuestion).toString();
        QTest::keyClicks(c.Text3, i == 0 ? QStringLiteral("Danube") : answers.value(card));
        QTest::keyClick(c.Text3, Qt::Key_Return);
        QVERIFY2(focus() == c.Text3, qPrintable(asked));
    }
    QCOMPARE(f.t.scalar("SELECT COUNT(*) FROM Log").toInt(), logged + 3);
    // Next, pressed from the keyboard: a new question, and the reply box has the focus.
    QVERIFY(tabTo(c.Command3));
    QTest::keyClick(c.Command3, Qt::Key_Space);
    QCOMPARE(focus(), c.Text3);
    QCOMPARE(f.t.scalar("SELECT COUNT(*) FROM Log WHERE Result = 'Wrong'").toInt(), 1);

    // A card edited in the card grid: to its answer, F2, a new answer, Enter.
    QVERIFY(chooseByKeys(window, 'f', {c.ChangeSet}));
    QVERIFY(tabTo(c.TDBGrid2));
    QTest::keyClick(c.TDBGrid2, Qt::Key_Home, Qt::ControlModifier); // the first question
    const QString question = c.TDBGrid2->currentIndex().data().toString();
    QVERIFY(answers.contains(question));
    QTest::keyClick(c.TDBGrid2, Qt::Key_Right);
    QTest::keyClick(c.TDBGrid2, Qt::Key_F2);
    QWidget* editor = focus();
    QVERIFY(editor && editor != c.TDBGrid2);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("The river"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(f.t.scalar("SELECT Answer FROM Card WHERE Question = ?", {question}).toString(),
                 QStringLiteral("The river"));
    QCOMPARE(focus(), c.TDBGrid2); // on the cell just stored, for the next key

    // The Demons Manager (its menu is the learning screen's), walked through, closed with Esc.
    QVERIFY(chooseByKeys(window, 'f', {c.mnuLearn}));
    QVERIFY(chooseByKeys(window, 'l', {c.mnuDemons, c.mnuArrangeDemons}));
    QPointer<window::Form3> manager = f.w->demonsManager().managerWindow();
    QVERIFY(manager);
    QTRY_COMPARE(QApplication::activeWindow(), manager.data());
    QVERIFY(tabTo(manager->Text1));
    QVERIFY(tabTo(manager->Command2));
    QTest::keyClick(focus(), Qt::Key_Escape);
    QTRY_VERIFY(!manager);
    // Where a window manager hands the focus back to the main window.
    QApplication::setActiveWindow(window);
    QTRY_COMPARE(QApplication::activeWindow(), window);

    // Kids mode, on with the lesson: the reply box has the focus, Tab reaches the picture
    // buttons, "Repeat" puts the question again, and a reply is made.
    QVERIFY(chooseByKeys(window, 'm', {c.mnuKids}));
    QCOMPARE(focus(), c.Text3);
    QVERIFY(tabTo(c.Picture[7]));
    QCOMPARE(c.Picture[7]->accessibleName(), QStringLiteral("Repeat"));
    QTest::keyClick(c.Picture[7], Qt::Key_Space); // the question again; the reply is next
    QCOMPARE(focus(), c.Text3);
    const QString card = f.lesson().CSarray.at(f.lesson().Row, learn::ColQuestion).toString();
    QTest::keyClicks(c.Text3, answers.value(card, QStringLiteral("The river")));
    QTest::keyClick(c.Text3, Qt::Key_Return);
    QCOMPARE(f.t.scalar("SELECT COUNT(*) FROM Log").toInt(), logged + 4);
    QTRY_COMPARE(focus(), c.Text3);

    QCOMPARE(mouse.seen, 0);
}

// The grid stores what is typed before anything else reads it (a sync taking in another
// machine's changes, a command): the keys that follow go on to the grid.
void TestKeyboardOnly::typingGoesOnWhenTheGridIsStoredUnderIt() {
    testing::WindowFixture f;
    f.t.addCard(QStringLiteral("longest"), QStringLiteral("Nile"),
                f.t.addSet(QStringLiteral("Rivers")));
    f.t.chooseSet(QStringLiteral("Rivers"));
    QVERIFY(f.startActive());
    present::Form1Controls& c = f.c();
    f.w->ScrChangeVisible();
    QVERIFY(tabTo(c.TDBGrid2));
    QTest::keyClick(c.TDBGrid2, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(c.TDBGrid2, Qt::Key_Right);
    QTest::keyClick(c.TDBGrid2, Qt::Key_F2);
    QTest::keyClick(focus(), Qt::Key_End);
    QTest::keyClicks(focus(), QStringLiteral(" river"));
    QVERIFY(f.w->commitCardGrid());
    QCOMPARE(f.t.scalar("SELECT Answer FROM Card").toString(), QStringLiteral("Nile river"));
    QCOMPARE(focus(), c.TDBGrid2);
}

QTEST_MAIN(TestKeyboardOnly)
#include "test_keyboard_only.moc"
