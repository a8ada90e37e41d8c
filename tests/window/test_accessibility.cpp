// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds on each screen of the main window, in both modes, and in the
// Demons Manager: every control the keyboard can reach has a name and a role of its own.
#include "present/MessageBoxDialogs.h"
#include "support/WindowFixture.h"
#include "window/DemonsManager.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QTableView>
#include <QtTest>
#include <functional>
#include <map>

namespace {

// Each control of `root` shown and reachable by the keyboard whose accessible name is empty,
// whose role says nothing ("client"), or whose name another such control has too.
QStringList unnamedOrAlike(QWidget* root) {
    QStringList faults;
    QHash<QString, QString> byName;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || w->focusPolicy() == Qt::NoFocus)
            continue;
        // The text part of a spin box is the box to a screen reader.
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString who = w->objectName().isEmpty()
                                ? QString::fromLatin1(w->metaObject()->className())
                                : w->objectName();
        if (!a) {
            faults << who + QStringLiteral(": no accessible interface");
            continue;
        }
        const QString name = a->text(QAccessible::Name);
        if (name.trimmed().isEmpty())
            faults << who + QStringLiteral(": no name");
        if (a->role() == QAccessible::Client)
            faults << who + QStringLiteral(": no role");
        if (!name.isEmpty() && byName.contains(name))
            faults << QStringLiteral("%1 and %2 both \"%3\"").arg(byName.value(name), who, name);
        byName.insert(name, who);
    }
    return faults;
}

// The chosen set "Rivers" with two cards.
void addRivers(testing::WindowFixture& f) {
    const qint64 set = f.t.addSet(QStringLiteral("Rivers"));
    f.t.addCard(QStringLiteral("longest"), QStringLiteral("Nile"), set);
    f.t.addCard(QStringLiteral("widest"), QStringLiteral("Amazon"), set);
    f.t.chooseSet(QStringLiteral("Rivers"));
}

bool isTabStop(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0;
}

// The tab stops of `area`, in the order Tab visits them starting from the first one found.
QList<QWidget*> tabChain(QWidget* area) {
    QList<QWidget*> chain;
    QWidget* start = nullptr;
    for (QWidget* w : area->findChildren<QWidget*>())
        if (isTabStop(w)) {
            start = w;
            break;
        }
    if (!start)
        return chain;
    QWidget* w = start;
    do {
        if (isTabStop(w) && area->isAncestorOf(w))
            chain << w;
        w = w->nextInFocusChain();
    } while (w != start);
    return chain;
}

// Where `b` stands after `a` to an eye reading line by line: on a lower line, or on a's
// line further right.
bool readsAfter(const QWidget* a, const QWidget* b) {
    const QRect ra(a->mapTo(a->window(), QPoint()), a->size());
    const QRect rb(b->mapTo(b->window(), QPoint()), b->size());
    if (rb.center().y() > ra.bottom())
        return true;
    return rb.center().y() >= ra.top() && rb.center().x() > ra.center().x();
}

QString nameOf(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// Tab goes once through every control shown and enabled, in reading order: it may start
// anywhere in that circle, but wraps round only once.
QStringList tabOrderFaults(QWidget* area) {
    QApplication::processEvents(); // the order follows what was shown in this turn
    const QList<QWidget*> chain = tabChain(area);
    QStringList faults;
    int wraps = 0;
    for (qsizetype i = 0; i < chain.size(); ++i) {
        const QWidget* a = chain[i];
        const QWidget* b = chain[(i + 1) % chain.size()];
        if (!readsAfter(a, b))
            ++wraps;
    }
    if (chain.size() > 1 && wraps != 1) {
        QStringList names;
        for (const QWidget* w : chain)
            names << nameOf(w);
        faults << QStringLiteral("Tab goes %1").arg(names.join(QStringLiteral(" > ")));
    }
    for (QWidget* w : area->findChildren<QWidget*>())
        if (isTabStop(w) && !chain.contains(w) &&
            !(w->parentWidget() && (w->parentWidget()->focusPolicy() & Qt::TabFocus)))
            faults << nameOf(w) + QStringLiteral(": never reached by Tab");
    return faults;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void everyScreenNamesItsControls_data();
    void everyScreenNamesItsControls();
    void demonsManagerSaysWhatEachApplyDoes();
    void kidsPictureButtonsAnswerTheKeyboard();
    void learningScreenTellsHowEachReplyWent();
    void cardGridSaysRowAndColumn();
    void wrongBoxIsAnAlertReadAsWords();
    void otherWindowsNameTheirControls_data();
    void otherWindowsNameTheirControls();
};

void TestAccessibility::everyScreenNamesItsControls_data() {
    QTest::addColumn<bool>("kids");
    QTest::addColumn<QString>("screen");
    for (bool kids : {false, true})
        for (const char* screen : {"learning", "editing", "renaming", "creating", "multiple"})
            QTest::addRow("%s %s", kids ? "kids" : "academic", screen)
                << kids << QString::fromLatin1(screen);
}

void TestAccessibility::everyScreenNamesItsControls() {
    QFETCH(bool, kids);
    QFETCH(QString, screen);
    testing::WindowFixture f;
    const qint64 set = f.t.addSet(QStringLiteral("Rivers"));
    f.t.addCard(QStringLiteral("longest"), QStringLiteral("Nile"), set);
    f.t.addAnswers(f.t.addCard(QStringLiteral("two of Germany"), QStringLiteral("Multi"), set),
                   {QStringLiteral("Rhine"), QStringLiteral("Elbe")});
    f.t.chooseSet(QStringLiteral("Rivers"));
    f.start();
    if (kids)
        f.c().mnuKids->trigger();
    const std::map<QString, std::function<void()>> show{
        {"learning", [&] { f.learn(); }},
        {"editing", [&] { f.w->ScrChangeVisible(); }},
        {"renaming", [&] { f.w->ScrChngSetName(); }},
        {"creating", [&] { f.w->ScrCreateVisible(); }},
        // The learning screen on the card with several answers: the answers grid.
        {"multiple",
         [&] {
             f.learn();
             if (!f.c().TDBGrid3->isVisibleTo(f.w.get()))
                 f.c().Command3->click();
         }},
    };
    show.at(screen)();
    QStringList faults = unnamedOrAlike(f.w.get()) + tabOrderFaults(f.c().canvas);
    // The set list's name on Linux is its current item: its label must stand for it.
    if (f.c().DataCombo1->isVisible()) {
        QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(f.c().DataCombo1);
        const auto labels = combo->relations(QAccessible::Label);
        if (labels.isEmpty() || labels.first().first->text(QAccessible::Name).isEmpty())
            faults << QStringLiteral("the set list has no label");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void TestAccessibility::demonsManagerSaysWhatEachApplyDoes() {
    testing::WindowFixture f;
    f.t.addSet(QStringLiteral("Alpha"));
    f.t.chooseSet(QStringLiteral("Alpha"));
    f.start();
    f.c().mnuArrangeDemons->trigger();
    QPointer<window::Form3> manager = f.w->demonsManager().managerWindow();
    QVERIFY(manager);
    const QStringList faults = unnamedOrAlike(manager);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QCOMPARE(manager->Command3->accessibleName(), QStringLiteral("Apply the chosen sets"));
    QCOMPARE(manager->Command4->accessibleName(), QStringLiteral("Apply the number of cards"));
}

// Kids mode's pictures that act as buttons are buttons to a screen reader too, Tab reaches
// each one shown, and Space presses it as a click does; a click leaves the focus where it was.
void TestAccessibility::kidsPictureButtonsAnswerTheKeyboard() {
    testing::WindowFixture f;
    const qint64 set = f.t.addSet(QStringLiteral("Rivers"));
    f.t.addCard(QStringLiteral("longest"), QStringLiteral("Nile"), set);
    f.t.chooseSet(QStringLiteral("Rivers"));
    QVERIFY(f.startActive());
    f.c().mnuKids->trigger();
    f.learn();
    QCOMPARE(QApplication::focusWidget(), f.c().Text3);

    present::ClickableLabel* edit = f.c().Picture[3];
    QVERIFY(edit->isVisible());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(a);
    QCOMPARE(a->role(), QAccessible::Button);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Edit the set"));
    QVERIFY(a->actionInterface());
    QVERIFY(
        a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // The face only shows.
    QCOMPARE(f.c().Picture[10]->focusPolicy(), Qt::NoFocus);

    QTest::mouseClick(f.c().Picture[7], Qt::LeftButton); // Repeat
    QCOMPARE(QApplication::focusWidget(), f.c().Text3);

    QSet<QWidget*> reached;
    // Once round the chain, back to the reply.
    for (int i = 0; i < 30 && (i == 0 || QApplication::focusWidget() != f.c().Text3); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    QCOMPARE(QApplication::focusWidget(), f.c().Text3);
    QVERIFY(reached.contains(edit));
    for (int index : {3, 4, 5, 7, 8, 11})
        if (f.c().Picture[static_cast<size_t>(index)]->isVisible())
            QVERIFY2(reached.contains(f.c().Picture[static_cast<size_t>(index)]),
                     qPrintable(QStringLiteral("Picture%1").arg(index)));
    QTest::keyClick(edit, Qt::Key_Space);
    QTRY_VERIFY(f.w->screens().setEditing);
}

// After each reply the reply box, which keeps the focus, tells a screen reader the result,
// the next question shown as text, and the progress; a spoken question is not told twice.
void TestAccessibility::learningScreenTellsHowEachReplyWent() {
    testing::WindowFixture f;
    addRivers(f);
    f.start();
    f.c().mnuSilent->trigger();
    f.learn();
    const auto said = [&] { return f.c().Text3->accessibleDescription(); };
    const auto asked = [&] { return f.c().Label7->text(); };
    QVERIFY2(said().startsWith(QStringLiteral("Question: ") + asked() + QLatin1Char(' ')),
             qPrintable(said()));
    QVERIFY2(said().contains(f.c().panels[0]->text()), qPrintable(said()));

    f.reply(QStringLiteral("no idea"));
    QCOMPARE(f.dialogs.shown().size(), 1); // the WRONG box, read out as a box
    QVERIFY2(said().startsWith(QStringLiteral("Wrong. Question: ") + asked()), qPrintable(said()));
    QVERIFY2(said().contains(f.c().panels[2]->text()), qPrintable(said()));
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : f.c().Text3, f.c().Text3);

    f.reply(asked() == QStringLiteral("longest") ? QStringLiteral("Nile")
                                                 : QStringLiteral("Amazon"));
    QVERIFY2(said().startsWith(QStringLiteral("Correct.")), qPrintable(said()));

    f.c().mnuTalking->trigger();
    f.c().Command3->click(); // Next: this question is spoken
    QVERIFY2(!said().contains(QStringLiteral("Question:")), qPrintable(said()));
    QVERIFY(!said().isEmpty());
}

// The card grid's cells tell a screen reader their row, their column and its heading.
void TestAccessibility::cardGridSaysRowAndColumn() {
    testing::WindowFixture f;
    addRivers(f);
    f.start();
    f.w->ScrChangeVisible();
    QTableView* grid = f.c().TDBGrid2;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(table && table->tableInterface());
    QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Cards of the set"));
    const QModelIndex answer = grid->model()->index(1, 1);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(1, 1);
    QVERIFY(cell && cell->tableCellInterface());
    QCOMPARE(cell->tableCellInterface()->rowIndex(), 1);
    QCOMPARE(cell->tableCellInterface()->columnIndex(), 1);
    QCOMPARE(cell->text(QAccessible::Name), answer.data().toString());
    const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
    // Qt 6.4 hands out header cells it does not keep; kept by the cache, they go with it.
    for (QAccessibleInterface* header : headers)
        QAccessible::uniqueId(header);
    QCOMPARE(headers.size(), 1);
    QCOMPARE(headers.first()->text(QAccessible::Name),
             grid->model()->headerData(1, Qt::Horizontal).toString());
}

// The WRONG box is an alert, which a screen reader reads out as it appears; the words of
// the reply's comparison, not its markup.
void TestAccessibility::wrongBoxIsAnAlertReadAsWords() {
    QWidget parent;
    present::MessageBoxDialogs dialogs(&parent);
    QAccessibleInterface* seen = nullptr;
    QString description;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = QAccessible::queryAccessibleInterface(box);
        description = seen->text(QAccessible::Description);
        QCOMPARE(seen->role(), QAccessible::AlertMessage);
        QCOMPARE(seen->text(QAccessible::Name), QStringLiteral("WRONG"));
        box->accept();
    });
    dialogs.messageWithDetail(QStringLiteral("Correct answer is: Nile"),
                              QStringLiteral("<p>You typed <b>Nil</b></p>"),
                              QStringLiteral("WRONG"));
    QVERIFY(seen);
    QVERIFY2(description.contains(QStringLiteral("Correct answer is: Nile")) &&
                 description.contains(QStringLiteral("You typed Nil")) &&
                 !description.contains(QLatin1Char('<')),
             qPrintable(description));
}

void TestAccessibility::otherWindowsNameTheirControls_data() {
    QTest::addColumn<QString>("entry");
    for (const char* entry :
         {"mnulog", "mnuStatistics", "mnudelay", "mnuVoice", "mnuDirection", "mnuSyncFolder",
          "mnuEditsThatLost", "mnuRestore", "mnuReview", "about"})
        QTest::newRow(entry) << QString::fromLatin1(entry);
}

// The windows and dialogs the menus open: names, roles and Tab as on the main window.
void TestAccessibility::otherWindowsNameTheirControls() {
    QFETCH(QString, entry);
    testing::WindowFixture f;
    const qint64 set = f.t.addSet(QStringLiteral("Rivers"));
    f.t.addCard(QStringLiteral("longest"), QStringLiteral("Nile"), set);
    f.t.chooseSet(QStringLiteral("Rivers"));
    f.start();
    auto* action = f.w->findChild<QAction*>(entry);
    QVERIFY(action);
    const QWidgetList before = QApplication::topLevelWidgets();
    QPointer<QWidget> opened;
    QStringList faults;
    const auto look = [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !before.contains(w) && !qobject_cast<QMenu*>(w))
                opened = w;
        if (!opened)
            return false;
        QApplication::processEvents();
        faults = unnamedOrAlike(opened) + tabOrderFaults(opened);
        opened->close();
        return true;
    };
    // A dialog that holds the program until it is closed is looked at from within.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!opened && look())
            poll.stop();
    });
    poll.start(10);
    action->trigger();
    QTRY_VERIFY(opened || !poll.isActive());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
