// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"
#include "window/AboutWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <memory>

namespace {

struct ScreenState {
    bool setEditing, newSetName, learning, createSet;
    QString caption;
    bool statusBar, changeSet, edSetName, crMulti;
    bool operator==(const ScreenState&) const = default;
};

} // namespace

// The four screens of the main window, its menus after start-up and the About window.
class TestScreens : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void lastCallDecides_data();
    void lastCallDecides();
    void editSetOnTheEditingScreen();
    void aboutWindow();

  private:
    present::Form1Controls& c() { return f->c(); }
    void call(const QString& procedure);
    ScreenState state();

    std::unique_ptr<testing::WindowFixture> f;
};

void TestScreens::init() {
    f = std::make_unique<testing::WindowFixture>(true);
    f->start();
}

void TestScreens::cleanup() {
    f.reset();
}

void TestScreens::call(const QString& procedure) {
    if (procedure == QLatin1String("ScrChangeVisible"))
        f->w->ScrChangeVisible();
    else if (procedure == QLatin1String("ScrChngSetName"))
        f->w->ScrChngSetName();
    else if (procedure == QLatin1String("ScrLearnVisible"))
        f->w->ScrLearnVisible();
    else if (procedure == QLatin1String("ScrCreateVisible"))
        f->w->ScrCreateVisible();
    else
        QFAIL(qPrintable(QStringLiteral("unknown procedure ") + procedure));
}

ScreenState TestScreens::state() {
    const present::ScreenFlags& s = f->w->screens();
    return {s.setEditing,
            s.newSetName,
            s.learning,
            s.createSet,
            f->w->windowTitle(),
            c().StatusBar1->isVisibleTo(f->w.get()),
            c().ChangeSet->isEnabled(),
            c().mnuEdSetName->isEnabled(),
            c().mnuCrMulti->isVisible()};
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
    const ScreenState after = state();
    const QList<QWidget*> controls = c().area->findChildren<QWidget*>();
    QList<bool> shown;
    for (QWidget* w : controls)
        shown << w->isVisibleTo(f->w.get());

    // The same screen shown straight from start-up looks the same.
    cleanup();
    init();
    call(calls.last());
    const ScreenState direct = state();
    QVERIFY(after == direct);
    const QList<QWidget*> again = c().area->findChildren<QWidget*>();
    QCOMPARE(again.size(), controls.size());
    for (int i = 0; i < again.size(); ++i) {
        if (again[i]->objectName().isEmpty())
            continue; // inner parts of the grids and the list
        QVERIFY2(again[i]->isVisibleTo(f->w.get()) == shown[i], qPrintable(again[i]->objectName()));
    }
}

void TestScreens::editSetOnTheEditingScreen() {
    c().ChangeSet->trigger();
    QVERIFY(f->w->screens().setEditing);
    QVERIFY(!c().ChangeSet->isEnabled());
    f->w->ScrChangeVisible(); // laid out again
    QVERIFY(!c().ChangeSet->isEnabled());
    QCOMPARE(f->w->windowTitle(), QStringLiteral("Edit Set"));
    QVERIFY(c().TDBGrid2->isVisibleTo(f->w.get()));
    QVERIFY(c().TDBGrid2->isColumnHidden(0)); // Card_ID stays out of sight after the refresh
}

void TestScreens::aboutWindow() {
    f->w->show();
    f->w->move(0, 0); // its centre over a narrow window would put a wide About off the screen
    c().about->trigger();
    auto* about = f->w->findChild<app::AboutWindow*>();
    QVERIFY(about && about->isVisible() && about->isWindow());
    QCOMPARE(about->windowTitle(), QStringLiteral("Memorant"));
    QVERIFY(f->w->screen()->availableGeometry().contains(about->geometry()));
    QVERIFY(!about->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QStringList texts;
    for (QLabel* l : about->findChildren<QLabel*>())
        texts << l->text();
    // The file is named in full, whichever way it was given on the command line.
    QCOMPARE(texts, (QStringList{QStringLiteral("Memorant"), QStringLiteral("Version 1.0"),
                                 QStringLiteral("Database: ") +
                                     QFileInfo(f->t.path()).absoluteFilePath()}));

    // Choosing it again brings back the same window, and the main window stays usable.
    about->close();
    c().about->trigger();
    QCOMPARE(f->w->findChildren<app::AboutWindow*>().size(), 1);
    QVERIFY(about->isVisible());
    c().CreatSet->trigger();
    QVERIFY(f->w->screens().createSet);
}

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
