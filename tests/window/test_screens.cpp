// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"
#include "window/AboutWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <map>

// The four screens of the main window, its menus after start-up and the About window.
class TestScreens : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { f.reset(); }

    void lastCallDecides_data();
    void lastCallDecides();
    void editSetOnTheEditingScreen();
    void aboutWindow();

  private:
    present::Form1Controls& c() { return f->c(); }
    void call(const QString& procedure);
    QStringList state();

    std::unique_ptr<testing::WindowFixture> f;
};

void TestScreens::init() {
    f = std::make_unique<testing::WindowFixture>(true);
    f->start();
}

void TestScreens::call(const QString& procedure) {
    const std::map<QString, void (window::Form1::*)()> procedures{
        {"ScrChangeVisible", &window::Form1::ScrChangeVisible},
        {"ScrChngSetName", &window::Form1::ScrChngSetName},
        {"ScrLearnVisible", &window::Form1::ScrLearnVisible},
        {"ScrCreateVisible", &window::Form1::ScrCreateVisible}};
    (f->w.get()->*procedures.at(procedure))();
}

// What tells the screens apart: the caption, the flags, the entries that change, and the
// named controls shown (the inner parts of the grids and the list have no names).
QStringList TestScreens::state() {
    const present::ScreenFlags& s = f->w->screens();
    QStringList state{f->w->windowTitle()};
    for (bool flag : {s.setEditing, s.newSetName, s.learning, s.createSet,
                      c().StatusBar1->isVisibleTo(f->w.get()), c().ChangeSet->isEnabled(),
                      c().mnuEdSetName->isEnabled(), c().mnuCrMulti->isVisible()})
        state << QString::number(flag);
    for (QWidget* w : c().area->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && w->isVisibleTo(f->w.get()))
            state << w->objectName();
    return state;
}

void TestScreens::lastCallDecides_data() {
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("after a set is created")
        << QStringList{"ScrChngSetName", "ScrCreateVisible", "ScrLearnVisible", "ScrChangeVisible"};
    QTest::newRow("ending on learning")
        << QStringList{"ScrChangeVisible", "ScrCreateVisible", "ScrChngSetName", "ScrLearnVisible"};
    QTest::newRow("ending on set name")
        << QStringList{"ScrLearnVisible", "ScrChangeVisible", "ScrChngSetName"};
    QTest::newRow("ending on create")
        << QStringList{"ScrLearnVisible", "ScrChngSetName", "ScrCreateVisible"};
}

void TestScreens::lastCallDecides() {
    QFETCH(QStringList, calls);
    for (const QString& procedure : calls)
        call(procedure);
    const QStringList after = state();
    // The same screen shown straight from start-up looks the same.
    cleanup();
    init();
    call(calls.last());
    QCOMPARE(state(), after);
}

void TestScreens::editSetOnTheEditingScreen() {
    c().ChangeSet->trigger();
    QVERIFY(f->w->screens().setEditing && !c().ChangeSet->isEnabled());
    f->w->ScrChangeVisible(); // laid out again
    QVERIFY(!c().ChangeSet->isEnabled() && c().TDBGrid2->isVisibleTo(f->w.get()));
    QVERIFY(c().TDBGrid2->isColumnHidden(0)); // Card_ID stays out of sight after the refresh
}

void TestScreens::aboutWindow() {
    f->w->show();
    f->w->move(0, 0); // its centre over a narrow window would put a wide About off the screen
    c().about->trigger();
    auto* about = f->w->findChild<window::AboutWindow*>();
    QVERIFY(about && about->isVisible() && about->isWindow() && !about->isModal());
    QVERIFY(f->w->screen()->availableGeometry().contains(about->geometry()));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The file is named in full, whichever way it was given on the command line.
    QCOMPARE(about->findChildren<QLabel*>().last()->text(),
             "Database: " + QFileInfo(f->t.path()).absoluteFilePath());

    // Choosing it again brings back the same window, and the main window stays usable.
    about->close();
    c().about->trigger();
    QVERIFY(f->w->findChildren<window::AboutWindow*>().size() == 1 && about->isVisible());
    c().CreatSet->trigger();
    QVERIFY(f->w->screens().createSet);
}

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
