// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/Pause.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"
#include "window/Form1.h"

#include <QtTest>

class TestPause : public QObject {
    Q_OBJECT
  private slots:
    void steps_data();
    void steps();
    void zadIsReadBeforeEveryStep();
    void unavailableSpeechEndsThePause();
    void pendingSettingsEditIsKept();
};

namespace {

struct Window {
    testing::TempDatabase t{true};
    testing::ScriptedDialogs dialogs;
    testing::RecordingSpeech speech;
    window::Form1 w{t.db(), dialogs, speech};
    Window() {
        w.Form_Load();
        w.modes().Silent = false;
        w.modes().TalkingOn = true;
    }
    void setZad(const QVariant& zad) { t.exec("UPDATE Fields1 SET Zad = ?", {zad}); }
};

} // namespace

void TestPause::steps_data() {
    QTest::addColumn<QVariant>("zad");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("steps");
    QTest::newRow("0 talking") << QVariant(0) << false << 0;
    QTest::newRow("3 talking") << QVariant(3) << false << 3;
    QTest::newRow("3 silent") << QVariant(3) << true << 0;
    // Values the slider cannot set end the pause in at most three steps.
    QTest::newRow("-1") << QVariant(-1) << false << 0;
    QTest::newRow("2.5") << QVariant(2.5) << false << 3;
    QTest::newRow("NULL") << QVariant() << false << 0;
    QTest::newRow("empty text") << QVariant(QString("")) << false << 0;
    QTest::newRow("7") << QVariant(7) << false << 3;
}

void TestPause::steps() {
    QFETCH(QVariant, zad);
    QFETCH(bool, silent);
    QFETCH(int, steps);
    Window win;
    win.setZad(zad);
    win.w.modes().Silent = silent;
    QVERIFY(win.t.scalar("SELECT Zad IS ? FROM Fields1", {zad}).toBool());
    learn::Zaderzjka(win.w.state());
    QCOMPARE(win.speech.pauseSteps, steps);
}

void TestPause::zadIsReadBeforeEveryStep() {
    Window win;
    win.setZad(3);
    win.speech.onPauseStep = [&] { win.setZad(1); };
    learn::Zaderzjka(win.w.state());
    QCOMPARE(win.speech.pauseSteps, 1);
}

void TestPause::unavailableSpeechEndsThePause() {
    Window win;
    win.setZad(3);
    win.speech.onPauseStep = [] { throw speech::SpeechUnavailable("no sound output (test)"); };
    learn::Zaderzjka(win.w.state());
    QCOMPARE(win.speech.pauseSteps, 1);
    QVERIFY(win.dialogs.shown().isEmpty());
}

void TestPause::pendingSettingsEditIsKept() {
    Window win;
    win.setZad(2);
    data::Recordset& fields1 = win.w.recordsets().fields1;
    fields1.requery();
    fields1.moveFirst();
    fields1.setValue("CardNum", 42);
    learn::Zaderzjka(win.w.state());
    QCOMPARE(win.speech.pauseSteps, 2);
    QCOMPARE(win.t.scalar("SELECT CardNum FROM Fields1").toInt(), 42);
}

QTEST_MAIN(TestPause)
#include "test_pause.moc"
