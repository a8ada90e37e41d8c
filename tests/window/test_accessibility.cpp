// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds on each screen of the main window, in both modes, and in the
// Demons Manager: every control the keyboard can reach has a name and a role of its own.
#include "support/WindowFixture.h"
#include "window/DemonsManager.h"

#include <QAccessible>
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

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void everyScreenNamesItsControls_data();
    void everyScreenNamesItsControls();
    void demonsManagerSaysWhatEachApplyDoes();
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
    const QStringList faults = unnamedOrAlike(f.w.get());
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

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
