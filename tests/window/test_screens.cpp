// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RecordsetModel.h"
#include "learn/LessonState.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"
#include "window/AboutWindow.h"
#include "window/Form1.h"
#include "window/Screens.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <memory>

namespace {

// Records the cross-subsystem calls a screen makes, forwarding nothing.
struct RecordingWindow : present::WindowProcedures {
    void ScrChangeVisible() override {}
    void ScrCreateVisible() override {}
    void ScrLearnVisible() override {}
    void ScrChngSetName() override {}
    void SubErrorHandler429() override {}
    bool SubMultipleAnswerCheck() override { return false; }
    void WrongAnswerMulti() override {}
    void SubLeaveTdbGrid1() override { ++leaveAnswers; }
    void SubShowMultiple() override { ++showMultiple; }
    bool commitCardGrid() override { return true; }
    void refreshCardGrid() override {}
    void SubReturnToProperTableRow(const QString&) override {}
    int leaveAnswers = 0;
    int showMultiple = 0;
};

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

    void screenProcedures_data();
    void screenProcedures();
    void lastCallDecides_data();
    void lastCallDecides();
    void editSetOnTheEditingScreen();
    void demonsManagerButtonStaysHidden();
    void multipleAnswerCardOnTheEditingScreen();
    void aboutWindow();

  private:
    present::Form1Controls& c() { return w_->controls(); }
    void call(const QString& procedure);
    ScreenState state();

    std::unique_ptr<testing::TempDatabase> t_;
    testing::ScriptedDialogs dialogs_;
    testing::RecordingSpeech speech_;
    std::unique_ptr<app::Form1> w_;
};

void TestScreens::init() {
    t_ = std::make_unique<testing::TempDatabase>(true);
    w_ = std::make_unique<app::Form1>(t_->db(), dialogs_, speech_);
    w_->Form_Load();
}

void TestScreens::cleanup() {
    w_.reset();
    t_.reset();
}

void TestScreens::call(const QString& procedure) {
    if (procedure == QLatin1String("ScrChangeVisible"))
        w_->ScrChangeVisible();
    else if (procedure == QLatin1String("ScrChngSetName"))
        w_->ScrChngSetName();
    else if (procedure == QLatin1String("ScrLearnVisible"))
        w_->ScrLearnVisible();
    else if (procedure == QLatin1String("ScrCreateVisible"))
        w_->ScrCreateVisible();
    else
        QFAIL(qPrintable(QStringLiteral("unknown procedure ") + procedure));
}

ScreenState TestScreens::state() {
    const present::ScreenFlags& f = w_->screens();
    return {f.setEditing,
            f.newSetName,
            f.learning,
            f.createSet,
            w_->windowTitle(),
            c().StatusBar1->isVisibleTo(w_.get()),
            c().ChangeSet->isEnabled(),
            c().mnuEdSetName->isEnabled(),
            c().mnuCrMulti->isVisible()};
}

void TestScreens::screenProcedures_data() {
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<QList<bool>>("flags"); // set editing, new set name, learning, create set
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("statusBar");
    QTest::addColumn<bool>("changeSet");
    QTest::addColumn<bool>("crMulti");
    QTest::newRow("set editing") << "ScrChangeVisible" << QList<bool>{true, false, false, false}
                                 << "Edit Set" << false << false << true;
    QTest::newRow("set name") << "ScrChngSetName" << QList<bool>{false, true, false, false}
                              << "Change Set Name" << false << true << false;
    QTest::newRow("learning") << "ScrLearnVisible" << QList<bool>{false, false, true, false}
                              << "Learn Set" << true << true << false;
    QTest::newRow("create set") << "ScrCreateVisible" << QList<bool>{false, false, false, true}
                                << "Create Set" << false << true << false;
}

void TestScreens::screenProcedures() {
    QFETCH(QString, procedure);
    QFETCH(QList<bool>, flags);
    QFETCH(QString, caption);
    QFETCH(bool, statusBar);
    QFETCH(bool, changeSet);
    QFETCH(bool, crMulti);
    // Come from the learning screen, so every flag and entry has something to change.
    w_->ScrLearnVisible();
    call(procedure);
    const ScreenState s = state();
    QCOMPARE((QList<bool>{s.setEditing, s.newSetName, s.learning, s.createSet}), flags);
    QCOMPARE(s.caption, caption);
    QCOMPARE(s.statusBar, statusBar);
    QCOMPARE(s.changeSet, changeSet);
    QCOMPARE(s.crMulti, crMulti);
    // The set-name screen is the one place where renaming is not offered again.
    QCOMPARE(s.edSetName, procedure != QLatin1String("ScrChngSetName"));
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
        shown << w->isVisibleTo(w_.get());

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
        QVERIFY2(again[i]->isVisibleTo(w_.get()) == shown[i], qPrintable(again[i]->objectName()));
    }
}

void TestScreens::editSetOnTheEditingScreen() {
    c().ChangeSet->trigger();
    QVERIFY(w_->screens().setEditing);
    QVERIFY(!c().ChangeSet->isEnabled());
    w_->ScrChangeVisible(); // laid out again
    QVERIFY(!c().ChangeSet->isEnabled());
    QCOMPARE(w_->windowTitle(), QStringLiteral("Edit Set"));
    QVERIFY(c().TDBGrid2->isVisibleTo(w_.get()));
    QVERIFY(c().TDBGrid2->isColumnHidden(0)); // Card_ID stays out of sight after the refresh
}

void TestScreens::demonsManagerButtonStaysHidden() {
    for (const char* p :
         {"ScrChangeVisible", "ScrChngSetName", "ScrLearnVisible", "ScrCreateVisible"}) {
        call(QString::fromLatin1(p));
        QVERIFY2(!c().Command11->isVisibleTo(w_.get()), p);
    }
}

void TestScreens::multipleAnswerCardOnTheEditingScreen() {
    t_->chooseSet(QStringLiteral("Multi set"));
    const qint64 set = t_->addSet(QStringLiteral("Multi set"));
    t_->addCard(QStringLiteral("Plain"), QStringLiteral("Answer"), set);
    t_->addCard(QStringLiteral("Colours of the flag"), QStringLiteral("Multi"), set);

    RecordingWindow window;
    learn::Form1State s{c(),
                        w_->recordsets(),
                        w_->lesson(),
                        w_->modes(),
                        w_->screens(),
                        dialogs_,
                        speech_,
                        window,
                        w_->state().startupComplete,
                        w_->state().replyFocusMark};
    app::Screens screens(s, w_->questionLoop());

    c().Adodc2->setCurrentRow(0);
    screens.SubScrChangeNormal();
    QCOMPARE(window.showMultiple, 0);
    c().Adodc2->setCurrentRow(1);
    screens.SubScrChangeNormal();
    QCOMPARE(window.showMultiple, 1);
}

void TestScreens::aboutWindow() {
    w_->show();
    w_->move(0, 0); // its centre over a narrow window would put a wide About off the screen
    c().about->trigger();
    auto* about = w_->findChild<app::AboutWindow*>();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(about->isWindow());
    QCOMPARE(about->windowTitle(), QStringLiteral("Memorant"));
    QVERIFY(w_->screen()->availableGeometry().contains(about->geometry()));
    QVERIFY(!about->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QStringList texts;
    for (QLabel* l : about->findChildren<QLabel*>())
        texts << l->text();
    // The file is named in full, whichever way it was given on the command line.
    QCOMPARE(texts, (QStringList{QStringLiteral("Memorant"), QStringLiteral("Version 1.0"),
                                 QStringLiteral("Database: ") +
                                     QFileInfo(t_->path()).absoluteFilePath()}));

    // Choosing it again brings back the same window, and the main window stays usable.
    about->close();
    c().about->trigger();
    QCOMPARE(w_->findChildren<app::AboutWindow*>().size(), 1);
    QVERIFY(about->isVisible());
    c().CreatSet->trigger();
    QVERIFY(w_->screens().createSet);
}

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
