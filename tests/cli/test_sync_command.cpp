// SPDX-License-Identifier: GPL-3.0-or-later
// `memorant sync` as the learner runs it: its summary line and exit statuses, and a sync
// killed midway that leaves the database and the folder whole for the next one.
#include "Machine.h"
#include "RunCommand.h"
#include "data/Sql.h"
#include "sync/SyncFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using testing::Machine;
using testing::memorant;

namespace {

// A machine with a set of 3,000 cards and an empty one, as database files in `dir`.
std::pair<QString, QString> bigAndEmpty(const QString& dir) {
    Machine ma(dir, QStringLiteral("a"));
    Machine mb(dir, QStringLiteral("b"));
    ma.addSet(QStringLiteral("Big"));
    data::Transaction t(ma.db());
    for (int i = 0; i < 3000; ++i)
        ma.addCard(QStringLiteral("Big"), QStringLiteral("q%1").arg(i), QStringLiteral("a"));
    t.commit();
    return {ma.path(), mb.path()};
}

// Runs the program and kills it after `delayMs`; false when it did not start.
bool killedAfter(const QStringList& args, int delayMs) {
    QProcess p;
    p.start(QStringLiteral(MEMORANT_BINARY), args);
    if (!p.waitForStarted())
        return false;
    QTest::qWait(delayMs);
    // A run already over has no process left; a pid of 0 would kill this test's whole
    // process group (ctest and CI with it).
    if (const qint64 pid = p.processId(); pid > 0 && p.state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    p.waitForFinished();
    return true;
}

} // namespace

class TestSyncCommand : public QObject {
    Q_OBJECT

  private slots:
    void exitStatusesAndSummary() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("shared"));
        QDir().mkpath(folder);
        QString a, b;
        {
            Machine ma(dir.path(), QStringLiteral("a"), true);
            Machine mb(dir.path(), QStringLiteral("b"));
            a = ma.path();
            b = mb.path();
        }
        // No folder known yet: a usage fault.
        testing::Run run = memorant({"--db", a, "sync"});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(QStringLiteral("--folder")), qPrintable(run.err));
        run = memorant({"--db", a, "sync", "--folder", dir.filePath("missing")});
        QCOMPARE(run.code, 1);
        run = memorant({"--db", a, "sync", "--folder", folder, "--name", "desk"});
        QCOMPARE(run.code, 0);
        QVERIFY2(QRegularExpression("^sent=[1-9][0-9]* received=0 machines=1 conflicts=0 "
                                    "skipped=0\n$")
                     .match(run.out)
                     .hasMatch(),
                 qPrintable(run.out));
        QVERIFY(QDir(dir.filePath("backups")).entryList(QDir::Files).join(' ').contains("a.mdb"));
        // The folder is remembered.
        run = memorant({"--db", b, "sync", "--folder", folder, "--name", "laptop"});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains(QStringLiteral("machines=2")), qPrintable(run.out));
        QCOMPARE(memorant({"--db", a, "sync"}).code, 0);
        run = memorant({"--db", a, "sync", "--status"});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains(QStringLiteral("desk (this machine)")) &&
                     run.out.contains(QStringLiteral("laptop:")),
                 qPrintable(run.out));
        // The laptop read all the desk wrote before the desk's last sync, which wrote nothing.
        QVERIFY2(
            QRegularExpression(QStringLiteral("laptop: .*has read (\\d+) of this machine's \\1\n"))
                .match(run.out)
                .hasMatch(),
            qPrintable(run.out));
        // A change file the sync tool has not finished: skipped, exit 3, read next time.
        QString own;
        const QDir root(syncing::syncRoot(folder));
        for (const QString& id : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile state(QDir(root.filePath(id)).filePath(QStringLiteral("state")));
            if (state.open(QIODevice::ReadOnly) &&
                syncing::decodeState(state.readAll()).value_or(syncing::ReplicaState{}).name ==
                    QLatin1String("desk"))
                own = root.filePath(id);
        }
        QVERIFY(!own.isEmpty());
        QFile cut(QDir(own).filePath(syncing::changeFileName(2)));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write("memorant-changes 1 12 ");
        cut.close();
        run = memorant({"--db", b, "sync"});
        QCOMPARE(run.code, 3);
        QVERIFY2(run.out.contains(QStringLiteral("skipped=1")), qPrintable(run.out));
        run = memorant({"--db", a, "sync", "--forget", "laptop"});
        QCOMPARE(run.code, 1); // seen today
        // Unseen for long: the status says so, and it can be forgotten, then no longer listed.
        {
            const Machine ma(a);
            ma.exec(QStringLiteral("UPDATE SyncPeer SET LastChange = '2020-01-01T00:00:00Z', "
                                   "SeenAt = '2020-01-01T00:00:00Z'"));
        }
        run = memorant({"--db", a, "sync", "--status"});
        QVERIFY2(run.out.contains(QStringLiteral("unseen for ")) &&
                     run.out.contains(QStringLiteral("sync --forget \"laptop\"")),
                 qPrintable(run.out));
        run = memorant({"--db", a, "sync", "--forget", "laptop"});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains(QStringLiteral("\"laptop\" is forgotten")), qPrintable(run.out));
        run = memorant({"--db", a, "sync", "--status"});
        QVERIFY2(!run.out.contains(QStringLiteral("laptop")), qPrintable(run.out));
        run = memorant({"--db", a, "sync", "--stop"});
        QCOMPARE(run.code, 0);
        QCOMPARE(memorant({"--db", a, "sync"}).code, 2);
    }

    // Killed at any point of a large first sync, the next sync completes and the other
    // machine ends with everything.
    void killedMidwayTheNextSyncCompletes() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("shared"));
        QDir().mkpath(folder);
        const auto [a, b] = bigAndEmpty(dir.path());
        for (int delay : {30, 120, 300})
            QVERIFY(killedAfter({"--db", a, "sync", "--folder", folder}, delay));
        QCOMPARE(memorant({"--db", a, "check"}).code, 0);
        const testing::Run again = memorant({"--db", a, "sync", "--folder", folder});
        QVERIFY2(again.code == 0, qPrintable(again.err));
        const testing::Run other = memorant({"--db", b, "sync", "--folder", folder});
        QVERIFY2(other.code == 0, qPrintable(other.err));
        const Machine ea(a), eb(b);
        QCOMPARE(ea.digest(), eb.digest());
        QVERIFY(ea.digest().count(QStringLiteral("card q")) == 3000);
    }

    // A machine alone in the folder folds what it wrote into a snapshot; one that joins is
    // killed while it reads the snapshot, and its next sync gets everything all the same.
    void aJoinerKilledWhileReadingASnapshotCompletesLater() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("shared"));
        QDir().mkpath(folder);
        const auto [a, b] = bigAndEmpty(dir.path());
        QCOMPARE(memorant({"--db", a, "sync", "--folder", folder}).code, 0);
        const QDir root(syncing::syncRoot(folder));
        const QStringList ids = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(ids.size(), 1);
        QVERIFY(QFile::exists(QDir(root.filePath(ids[0])).filePath(QStringLiteral("snapshot"))));
        for (int delay : {200, 600, 1200})
            QVERIFY(killedAfter({"--db", b, "sync", "--folder", folder}, delay));
        QCOMPARE(memorant({"--db", b, "check"}).code, 0);
        const testing::Run again = memorant({"--db", b, "sync", "--folder", folder});
        QVERIFY2(again.code == 0, qPrintable(again.err));
        const Machine ea(a), eb(b);
        QCOMPARE(eb.digest(), ea.digest());
        QCOMPARE(eb.digest().count(QStringLiteral("card q")), 3000);
    }
};

QTEST_GUILESS_MAIN(TestSyncCommand)
#include "test_sync_command.moc"
