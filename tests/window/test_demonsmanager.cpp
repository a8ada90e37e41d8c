// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"
#include "window/DemonsManager.h"

#include <QListWidget>
#include <QPointer>

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
    QStringList stored() const {
        return t.column("SELECT IncludeInDeamons FROM Set1 ORDER BY SetName");
    }

    QPointer<window::Form3> form;
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
    const qint64 set = f.t.scalar("SELECT Set_ID FROM Set1 WHERE SetName = 'Alpha'").toLongLong();
    const qint64 card = f.t.addCard("chien", "dog", set);
    f.t.exec("UPDATE Set1 SET Direction = 2 WHERE Set_ID = ?", {set});
    f.t.exec("INSERT INTO CardReverse (Card_ID, Rating, Correct, Incorrect) VALUES (?, 0, 0, 4)",
             {card});
    f.w->controls().mnuLearn->trigger();
    f.w->controls().mnuLearnDemons->trigger(); // marks afresh: q forward, chien backward
    f.w->controls().mnuArrangeDemons->trigger();
    QVERIFY(f.form->demonsList->isVisibleTo(f.form));
    QStringList listed;
    for (int i = 0; i < f.form->demonsList->count(); ++i)
        listed << f.form->demonsList->item(i)->text();
    QCOMPARE(listed, (QStringList{"q", "chien (answer to question)"}));
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
