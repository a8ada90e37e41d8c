#include "present/SystemSpeech.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

class TestPauseStep : public QObject {
    Q_OBJECT
  private slots:
    void lastsAboutTwoFifthsOfASecondAndKeepsTheLoopRunning();
};

void TestPauseStep::lastsAboutTwoFifthsOfASecondAndKeepsTheLoopRunning() {
    // A timer stands for the window's painting, which must go on during the pause.
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(20);

    present::SystemSpeech speech; // no audio device needed for a pause
    QElapsedTimer clock;
    clock.start();
    speech.pauseStep();
    const qint64 ms = clock.elapsed();

    QVERIFY2(ms >= 350 && ms < 1500, qPrintable(QString::number(ms)));
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
}

QTEST_MAIN(TestPauseStep)
#include "test_pause_step.moc"
