// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"
#include "window/AboutWindow.h"
#include "window/DemonsManager.h"
#include "window/LogWindow.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTableView>
#include <QTranslator>

namespace {

// The main window on a database with three sets, the middle one kept out of the Demons,
// and the Demons Manager opened from its menu.
struct ManagerFixture : testing::WindowFixture {
    ManagerFixture() {
        const qint64 a = t.addSet("Alpha");
        t.addSet("Beta", false);
        t.addSet("Gamma");
        const qint64 card = t.addCard("q", "a", a);
        t.exec("UPDATE Card SET Incorrect = 1 WHERE Card_ID = ?", {card});
        t.chooseSet("Alpha");
        start();
        w->controls().mnuArrangeDemons->trigger();
        form = w->demonsManager().managerWindow();
    }

    QList<int> included() const {
        QList<int> values;
        for (int r = 0; r < form->sets->rowCount(); ++r)
            values << (form->sets->index(r, 2).data(Qt::CheckStateRole).toInt() == Qt::Checked);
        return values;
    }
    // Alpha asked both ways, with "chien" hard backward: the Demons, marked afresh, are q
    // forward and chien backward, and the manager lists them.
    void askAlphaBothWays() {
        const qint64 set = t.scalar("SELECT Set_ID FROM Set1 WHERE SetName = 'Alpha'").toLongLong();
        const qint64 card = t.addCard("chien", "dog", set);
        t.exec("UPDATE Set1 SET Direction = 2 WHERE Set_ID = ?", {set});
        t.exec("INSERT INTO CardReverse (Card_ID, Rating, Correct, Incorrect) VALUES (?, 0, 0, 4)",
               {card});
        w->controls().mnuLearn->trigger();
        w->controls().mnuLearnDemons->trigger();
        w->controls().mnuArrangeDemons->trigger();
    }
    QStringList stored() const {
        return t.column("SELECT IncludeInDeamons FROM Set1 ORDER BY SetName");
    }

    QPointer<window::Form3> form;
};

// A language in which every text of these contexts reads "<context>source": what a window
// shows tells whether it asked for its texts again, and in which context.
class MarkingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        static const QStringList ours{"DemonsManager", "LogWindow", "AboutWindow", "Form1"};
        if (!ours.contains(QLatin1String(context)))
            return {};
        return QStringLiteral("<%1>%2").arg(QLatin1String(context), QString::fromUtf8(source));
    }
};

} // namespace

class TestDemonsManager : public QObject {
    Q_OBJECT
  private slots:
    void opensBesideTheMainWindow();
    void ticksStoredOnApplyOnly_data();
    void ticksStoredOnApplyOnly();
    void selectAllAndClearAll();
    void numberApply_data();
    void numberApply();
    void demonsListedWithTheirDirectionOnceASetIsAskedAnotherWay();
    void openWindowsFollowAChangeOfLanguage();
};

void TestDemonsManager::opensBesideTheMainWindow() {
    ManagerFixture f;
    QVERIFY(f.form && f.form->isVisible() && !f.form->isModal());
    QVERIFY(f.w->controls().mnuLearnDemons->isEnabled());
    // One row per set and no row for a new one; the names cannot be changed here.
    QCOMPARE(f.form->sets->rowCount(), 3);
    QVERIFY(!(f.form->sets->flags(f.form->sets->index(0, 1)) & Qt::ItemIsEditable));
    QCOMPARE(f.included(), (QList<int>{1, 0, 1}));
    QCOMPARE(f.form->Text1->text(), QStringLiteral("10")); // stored as the number 10.0

    // Asked again, the window already open comes forward.
    f.w->controls().mnuArrangeDemons->trigger();
    QCOMPARE(f.w->demonsManager().managerWindow(), f.form.data());
    // With every set asked question to answer, there is no list of Demons.
    QVERIFY(f.form->demonsList->isHidden());
}

void TestDemonsManager::demonsListedWithTheirDirectionOnceASetIsAskedAnotherWay() {
    ManagerFixture f;
    f.askAlphaBothWays();
    QVERIFY(f.form->demonsList->isVisibleTo(f.form));
    QStringList listed;
    for (int i = 0; i < f.form->demonsList->count(); ++i)
        listed << f.form->demonsList->item(i)->text();
    QCOMPARE(listed, (QStringList{"q", "chien (answer to question)"}));
}

// The windows that stay open, and the entries other files put in the main window's menus,
// take the new language at once, and go back to English when it is dropped.
void TestDemonsManager::openWindowsFollowAChangeOfLanguage() {
    ManagerFixture f;
    f.askAlphaBothWays();
    f.w->controls().mnulog->trigger();
    f.w->controls().about->trigger();
    auto* log = f.w->findChild<window::Form4*>();
    auto* about = f.w->findChild<window::AboutWindow*>();
    QVERIFY(log && about && f.form->demonsList->count() == 2);
    const auto seen = [&] {
        return QStringList{f.form->windowTitle(),
                           f.form->Label1->text(),
                           f.form->Command4->accessibleName(),
                           f.form->demonsList->item(1)->text(),
                           f.form->sets->headerData(1, Qt::Horizontal).toString(),
                           log->windowTitle(),
                           log->TDBGrid1->model()->headerData(3, Qt::Horizontal).toString(),
                           about->findChild<QLabel*>("version")->text().section(' ', 0, 0),
                           f.w->findChild<QAction*>("mnuDirection")->text(),
                           f.w->findChild<QAction*>("mnuBackUpNow")->text(),
                           f.w->findChild<QAction*>("mnuRestore")->text()};
    };
    const QStringList english = seen();
    QCOMPARE(english, (QStringList{"Demons Manager",
                                   "Select the sets you  want to be included in your Deamons set",
                                   "Apply the number of cards", "chien (answer to question)",
                                   "SetName", "Log", "Result", "Version", "Direction...",
                                   "Back up now", "Restore from backup..."}));

    MarkingTranslator marking;
    QVERIFY(QCoreApplication::installTranslator(&marking));
    const QStringList contexts{"DemonsManager", "DemonsManager", "DemonsManager", "DemonsManager",
                               "DemonsManager", "LogWindow",     "LogWindow",     "AboutWindow",
                               "Form1",         "Form1",         "Form1"};
    QStringList marked;
    for (qsizetype i = 0; i < english.size(); ++i)
        marked << QStringLiteral("<%1>%2").arg(contexts.at(i), english.at(i));
    QTRY_COMPARE(seen(), marked);

    QCoreApplication::removeTranslator(&marking);
    QTRY_COMPARE(seen(), english);
}

void TestDemonsManager::ticksStoredOnApplyOnly_data() {
    QTest::addColumn<bool>("apply"); // else the window is closed by its title-bar button
    QTest::newRow("Apply") << true;
    QTest::newRow("closed") << false;
}

void TestDemonsManager::ticksStoredOnApplyOnly() {
    QFETCH(bool, apply);
    ManagerFixture f;
    QVERIFY(!f.form->Command3->isEnabled());
    QVERIFY(f.form->sets->setData(f.form->sets->index(1, 2), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(f.form->sets->setData(f.form->sets->index(0, 2), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(f.included(), (QList<int>{0, 1, 1}));
    QCOMPARE(f.stored(), (QStringList{"1", "0", "1"}));
    QVERIFY(f.form->Command3->isEnabled());
    if (apply)
        QTest::mouseClick(f.form->Command3, Qt::LeftButton);
    else
        f.form->close();
    QTRY_VERIFY(!f.form); // closed and gone
    QCOMPARE(f.stored(), apply ? (QStringList{"0", "1", "1"}) : (QStringList{"1", "0", "1"}));
    QVERIFY(f.dialogs.shown().isEmpty());
}

void TestDemonsManager::selectAllAndClearAll() {
    ManagerFixture f;
    QTest::mouseClick(f.form->Command1, Qt::LeftButton);
    QCOMPARE(f.stored(), (QStringList{"0", "0", "0"}));
    QCOMPARE(f.included(), (QList<int>{0, 0, 0}));
    QCOMPARE(f.t.scalar("SELECT COUNT(*) FROM qSortedCards").toInt(), 0);
    QVERIFY(f.form->isVisible()); // no Apply needed, and the window stays

    QTest::mouseClick(f.form->Command2, Qt::LeftButton);
    QCOMPARE(f.stored(), (QStringList{"1", "1", "1"}));
    QCOMPARE(f.included(), (QList<int>{1, 1, 1}));
    QCOMPARE(f.t.scalar("SELECT COUNT(*) FROM qSortedCards").toInt(), 1);
}

void TestDemonsManager::numberApply_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored"); // invalid: refused, 10 stays
    QTest::newRow("blanks around") << " 7 " << QVariant(7);
    QTest::newRow("the most") << "1000000" << QVariant(1000000);
    QTest::newRow("too many") << "1000001" << QVariant();
    QTest::newRow("negative") << "-1" << QVariant();
    QTest::newRow("fraction") << "2.5" << QVariant();
    QTest::newRow("huge") << "99999999999999999999" << QVariant();
}

void TestDemonsManager::numberApply() {
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    ManagerFixture f;
    QVERIFY(!f.form->Command4->isEnabled());
    f.form->Text1->selectAll();
    QTest::keyClick(f.form->Text1, Qt::Key_Backspace);
    QTest::keyClicks(f.form->Text1, typed);
    QVERIFY(f.form->Command4->isEnabled());
    // Typed but not applied: not stored.
    QCOMPARE(f.t.scalar("SELECT DemonsNum FROM Fields1").toDouble(), 10.0);

    QTest::mouseClick(f.form->Command4, Qt::LeftButton);
    QVERIFY(f.form->isVisible()); // the number's Apply keeps the window open
    QCOMPARE(f.t.scalar("SELECT DemonsNum FROM Fields1").toDouble(),
             stored.isValid() ? stored.toDouble() : 10.0);
    QCOMPARE(f.form->Command4->isEnabled(), !stored.isValid());
    QCOMPARE(f.dialogs.shown().size(), stored.isValid() ? 0 : 1); // refused: told why
    QCOMPARE(f.count("SELECT COUNT(*) FROM Fields1"), 1);
}

QTEST_MAIN(TestDemonsManager)
#include "test_demonsmanager.moc"
