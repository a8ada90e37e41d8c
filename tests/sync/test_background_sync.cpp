// SPDX-License-Identifier: GPL-3.0-or-later
// The window's sync on a thread of its own: what one machine stores reaches the other, a sync
// asked for while one runs follows it, closing waits only so long; and when it runs.
#include "Machine.h"
#include "sync/BackgroundSync.h"
#include "sync/SyncScheduler.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using testing::Machine;

class TestBackgroundSync : public QObject {
    Q_OBJECT

  private slots:
    void aReplyReachesTheOtherMachine() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(folder));
        Machine a(dir.path(), QStringLiteral("a"));
        Machine b(dir.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("Words"));
        const qint64 card =
            a.addCard(QStringLiteral("Words"), QStringLiteral("tree"), QStringLiteral("Baum"));
        QVERIFY(a.sync(folder).error.isEmpty()); // the folder is chosen once
        QVERIFY(b.sync(folder).error.isEmpty());
        a.reply(card, false, QStringLiteral("from a"));

        syncing::BackgroundSync onA(a.path()), onB(b.path());
        QSignalSpy doneA(&onA, &syncing::BackgroundSync::finished);
        QSignalSpy doneB(&onB, &syncing::BackgroundSync::finished);
        onA.request();
        onA.request(); // asked again while it runs: once more after it, never twice at once
        QTRY_COMPARE_WITH_TIMEOUT(doneA.count(), 2, 10000);
        const auto first = doneA.at(0).at(0).value<syncing::SyncSummary>();
        QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
        QCOMPARE(first.sent, 1);
        QCOMPARE(doneA.at(1).at(0).value<syncing::SyncSummary>().sent, 0);

        // Asked again once the run has ended but before it was handed on: each run's own
        // summary comes, none overwritten by the next run.
        onB.request();
        while (onB.isRunning()) // no event handled meanwhile
            QThread::msleep(5);
        QCOMPARE(doneB.count(), 0);
        onB.request();
        QTRY_COMPARE_WITH_TIMEOUT(doneB.count(), 2, 10000);
        QCOMPARE(doneB.at(0).at(0).value<syncing::SyncSummary>().received, 1);
        QCOMPARE(doneB.at(1).at(0).value<syncing::SyncSummary>().received, 0);
        QCOMPARE(b.column(QStringLiteral("SELECT JudgedBy FROM Log")),
                 QStringList{QStringLiteral("from a")});
        QCOMPARE(b.digest(), a.digest());

        // Closing: nothing runs, so nothing is waited for, and nothing starts after.
        QVERIFY(onB.finishWithin(2000));
        onB.request();
        QVERIFY(!onB.isRunning());
    }

    // A sync stopped at close leaves what it has not read for the next one, and loses nothing
    // of its own: this machine's changes are written before anything is read.
    void aStoppedSyncGoesOnNextTime() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(folder));
        Machine a(dir.path(), QStringLiteral("a"));
        Machine b(dir.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("Words"));
        a.addCard(QStringLiteral("Words"), QStringLiteral("tree"), QStringLiteral("Baum"));
        QVERIFY(a.sync(folder).error.isEmpty());
        b.addSet(QStringLiteral("Mine"));
        const std::atomic<bool> stop{true};
        const syncing::SyncSummary stopped = syncing::runSync(b.db(), {folder, {}, &stop});
        QVERIFY(stopped.error.isEmpty());
        QCOMPARE(stopped.received, 0);
        QVERIFY(stopped.sent > 0);
        QCOMPARE(b.scalar(QStringLiteral("SELECT COUNT(*) FROM Card")).toInt(), 0);
        QVERIFY(b.sync(folder).received > 0);
        QVERIFY(a.sync(folder).received > 0);
        QCOMPARE(b.digest(), a.digest());
    }

    // Files another machine writes start a sync once they have settled; a bunch that ends
    // while a reply is judged waits for the judging to end; changes waiting are sent.
    void theSchedulerSyncsWhenItShould() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(folder));
        Machine a(dir.path(), QStringLiteral("a"));
        Machine b(dir.path(), QStringLiteral("b"));
        a.addSet(QStringLiteral("Words"));
        const qint64 card =
            a.addCard(QStringLiteral("Words"), QStringLiteral("tree"), QStringLiteral("Baum"));
        QVERIFY(a.sync(folder).error.isEmpty());
        bool waiting = false;
        syncing::SyncScheduler onB(
            b.path(), folder,
            {[&] { return waiting; },
             [&] { return b.scalar(QStringLiteral("SELECT Id FROM SyncReplica")).toString(); }});
        onB.setIntervalsForTesting(150, 300);
        QSignalSpy synced(&onB, &syncing::SyncScheduler::synced);
        onB.start();
        QTRY_COMPARE_WITH_TIMEOUT(synced.count(), 1, 10000); // at start: the set and card come
        QCOMPARE(b.column(QStringLiteral("SELECT Question FROM Card")),
                 QStringList{QStringLiteral("tree")});
        // Its own first files make a folder it does not watch: at most one sync follows.
        QTest::qWait(600);
        synced.clear();

        a.reply(card, true, QStringLiteral("arrives"));
        QVERIFY(a.sync(folder).error.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(b.column(QStringLiteral("SELECT JudgedBy FROM Log")),
                                  QStringList{QStringLiteral("arrives")}, 10000);

        QTest::qWait(600);
        synced.clear();
        onB.setJudging(true);
        onB.bunchEnded();
        QTest::qWait(400);
        QCOMPARE(synced.count(), 0);
        onB.setJudging(false);
        QTRY_COMPARE_WITH_TIMEOUT(synced.count(), 1, 10000);

        synced.clear();
        waiting = true;
        QTRY_VERIFY_WITH_TIMEOUT(!synced.isEmpty(), 10000);
        waiting = false;
        QVERIFY(onB.close(2000));
        synced.clear();
        onB.bunchEnded();
        QTest::qWait(400);
        QCOMPARE(synced.count(), 0);
    }

    // A database file gone is said, and no empty one is made in its place.
    void aDatabaseGoneIsSaid() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gone.mdb"));
        syncing::BackgroundSync sync(path);
        QSignalSpy done(&sync, &syncing::BackgroundSync::finished);
        sync.request();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 10000);
        QVERIFY(done.at(0).at(0).value<syncing::SyncSummary>().error.contains(
            QStringLiteral("is gone")));
        QVERIFY(!QFileInfo::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestBackgroundSync)
#include "test_background_sync.moc"
