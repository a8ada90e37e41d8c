// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/BackgroundBackup.h"
#include "data/BackupRotation.h"
#include "data/Backups.h"
#include "data/Database.h"
#include "data/FileLock.h"
#include "data/OpenCheck.h"
#include "data/Restore.h"
#include "data/SideConnection.h"
#include "data/Sql.h"
#include "support/DamagedFile.h"
#include "support/Files.h"
#include "support/OtherProgram.h"
#include "support/TempDatabase.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Rows made by one statement each, over i = 0 to count - 1.
void addLogRows(const testing::TempDatabase& t, int count) {
    t.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) WITH RECURSIVE n(i) AS (SELECT 0 "
           "UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) SELECT '2026-01-01 10:00:00', "
           "'Capitals of Europe', i % 7, 'Correct' FROM n",
           {count});
}

void addCards(const testing::TempDatabase& t, int count) {
    t.exec("INSERT INTO Card (Question, Answer) WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL "
           "SELECT i + 1 FROM n WHERE i + 1 < ?) SELECT 'question ' || i, 'answer ' || i FROM n",
           {count});
}

} // namespace

class TestBackups : public QObject {
    Q_OBJECT
  private slots:
    void rotationByHand();
    void backupsAreNamedListedAndDue();
    void backupWhileRepliesAreWrittenHoldsEveryCommittedReply();
    void unusableBackupFolderIsReported();
    void damagedPageIsFoundAndNewestGoodBackupRestored();
    void damagedLogIsFoundInTheBackgroundAndNotCopied();
    void interruptedRestoreLeavesTheOldOrTheNewFile_data();
    void interruptedRestoreLeavesTheOldOrTheNewFile();
    void sameBaseNameDatabasesKeepTheirOwnBackups();
    void futureDatedBackupDoesNotStopBackups();
    void partialFilesOfKilledBackupsGoAndNamesNeverClash();
    void zeroedFirstPageWithBackupsIsDamaged();
    void readersBesideEachOtherLeaveTheLogsToTheLast();
};

void TestBackups::rotationByHand() {
    const QDateTime now(QDate(2026, 3, 11), QTime(12, 0)); // Wednesday
    std::vector<QDateTime> taken;
    for (int h = 1; h <= 10; ++h)
        taken.push_back(now.addSecs(-3600 * h)); // the newest ten
    // 10: this week, not newest; 11 and 12: last week, 12 the newer; 13 and 14: the eighth and
    // ninth week back.
    for (int monthDay : {309, 303, 305, 120, 113})
        taken.push_back(QDateTime(QDate(2026, monthDay / 100, monthDay % 100), QTime(8, 0)));
    const std::vector<bool> keep = data::backupsToKeep(taken, now);
    const std::vector<bool> expected = {true, true, true,  true,  true, true, true, true,
                                        true, true, false, false, true, true, false};
    QCOMPARE(keep, expected);
}

void TestBackups::backupsAreNamedListedAndDue() {
    testing::TempDatabase t(true);
    QVERIFY(data::backupDue(t.path()));
    const QDir folder(data::backupFolder(t.path()));
    QVERIFY(QDir().mkpath(folder.path()));
    for (const char* other : {"notes.txt", "VIze-latest.mdb", "Other-2026-01-01-100000.mdb"})
        testing::writeFile(folder.filePath(QString::fromLatin1(other)), {});

    const QDateTime now = QDateTime::currentDateTime();
    const data::BackupResult first = data::backUp(t.path(), now);
    QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
    QVERIFY(QRegularExpression(R"(/backups/VIze\.mdb-\d{4}-\d\d-\d\d-\d{6}\.mdb$)")
                .match(first.path)
                .hasMatch());
    QCOMPARE(testing::readIn(first.path, "SELECT COUNT(*) FROM Card").toInt(),
             t.scalar("SELECT COUNT(*) FROM Card").toInt());
    QVERIFY(!data::backupDue(t.path()));
    t.exec("UPDATE Fields SET Load = 0");
    QVERIFY(data::backupDue(t.path()));

    // A second backup within the same second is numbered; nothing is overwritten.
    const data::BackupResult second = data::backUp(t.path(), now);
    QVERIFY2(second.error.isEmpty(), qPrintable(second.error));
    QCOMPARE(QFileInfo(second.path).fileName(), data::backupFileName(t.path(), now, 2));
    const QList<data::BackupFile> listed = data::listBackups(t.path());
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed[0].path, second.path); // newest first
    QCOMPARE(folder.entryList({"notes.txt", "VIze-latest.mdb", "Other-*"}, QDir::Files).size(), 3);
    QVERIFY(folder.entryList({"*.partial"}, QDir::Files).isEmpty());
}

void TestBackups::backupWhileRepliesAreWrittenHoldsEveryCommittedReply() {
    testing::TempDatabase t(true);
    addLogRows(t, 40000);
    const int committedBefore = t.scalar("SELECT COUNT(*) FROM Log").toInt();

    data::BackgroundBackup job;
    QSignalSpy done(&job, &data::BackgroundBackup::finished);
    job.start(t.path());
    int written = 0;
    while (job.isRunning() && written < 5000) {
        t.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
               "('2026-01-02 10:00:00', 'Capitals of Europe', 1, 'Wrong')");
        ++written;
    }
    QVERIFY(done.wait(60000) || done.count() == 1);
    const auto result = done.first().first().value<data::BackupResult>();
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));

    QVERIFY(data::integrityCheck(result.path).sound);
    const int held = testing::readIn(result.path, "SELECT COUNT(*) FROM Log").toInt();
    QVERIFY(held >= committedBefore && held <= committedBefore + written);
    // Every reply up to the copy's moment, none torn: ids run without a gap.
    QCOMPARE(testing::readIn(result.path, "SELECT MAX(RecID) FROM Log").toInt(), held);
    const QString digest = "SELECT group_concat(RecID || ':' || CardID || ':' || Result) FROM "
                           "(SELECT * FROM Log WHERE RecID > %1 - 200 AND RecID <= %1 ORDER BY "
                           "RecID)";
    QCOMPARE(testing::readIn(result.path, digest.arg(held)), t.scalar(digest.arg(held)));
}

void TestBackups::unusableBackupFolderIsReported() {
    // Tests run as root, for whom folder permissions do not stop writes: a regular file where
    // the folder should be makes it unusable for anyone.
    testing::TempDatabase t(true);
    testing::writeFile(data::backupFolder(t.path()), {});
    const QByteArray before = testing::readFile(t.path());
    const data::BackupResult result = data::backUp(t.path());
    QVERIFY(result.path.isEmpty());
    QVERIFY2(result.error.contains(data::backupFolder(t.path())), qPrintable(result.error));
    QCOMPARE(testing::readFile(t.path()), before);
}

void TestBackups::damagedPageIsFoundAndNewestGoodBackupRestored() {
    auto t = std::make_unique<testing::TempDatabase>(true);
    const QString path = t->path();
    const QDateTime now = QDateTime::currentDateTime();
    addCards(*t, 3000);
    QVERIFY(data::backUp(path, now.addSecs(-7200)).error.isEmpty());
    addCards(*t, 10);
    const data::BackupResult good = data::backUp(path, now.addSecs(-3600));
    QVERIFY(good.error.isEmpty());
    // The newest backup is itself damaged: the offer must pass over it.
    const QString badBackup =
        QDir(data::backupFolder(path)).filePath(data::backupFileName(path, now.addSecs(-1800)));
    QVERIFY(QFile::copy(good.path, badBackup));
    QVERIFY(testing::zeroMiddlePage(badBackup));
    addCards(*t, 5); // cards after the last good backup
    data::closeAllConnections();

    QVERIFY(testing::zeroMiddlePage(path));
    testing::writeFile(path + "-wal", QByteArray(5000, 'x')); // a stale log
    const QByteArray damagedBytes = testing::readFile(path);

    const data::OpenOutcome refused = data::openDatabase(path);
    QVERIFY(!refused.ok && refused.damaged);
    QVERIFY2(refused.message.contains(path) && refused.message.contains("damaged"),
             qPrintable(refused.message));
    QCOMPARE(testing::readFile(path), damagedBytes); // the check changed nothing

    const std::optional<data::BackupFile> newest = data::newestGoodBackup(path);
    QVERIFY(newest);
    QCOMPARE(newest->path, good.path);

    const data::RestoreOutcome restored =
        data::restoreBackup(path, newest->path, data::Replacing::DamagedFile, now);
    QVERIFY2(restored.ok && restored.message.isEmpty(), qPrintable(restored.message));
    QCOMPARE(QFileInfo(restored.keptAs).fileName(), "VIze.mdb.damaged-" + data::timeStamp(now));
    QCOMPARE(testing::readFile(restored.keptAs), damagedBytes);
    QCOMPARE(testing::readFile(restored.keptAs + "-wal"), QByteArray(5000, 'x'));
    QVERIFY(QFile::exists(good.path)); // the backup stays a backup

    const data::OpenOutcome reopened = data::openDatabase(path);
    QVERIFY2(reopened.ok, qPrintable(reopened.message));
    QCOMPARE(data::scalar(data::mainConnection(), "SELECT COUNT(*) FROM Card").toInt(), 3020);
    data::closeAllConnections();

    // A damaged backup is never put in place.
    const QByteArray current = testing::readFile(path);
    const data::RestoreOutcome refusedBackup =
        data::restoreBackup(path, badBackup, data::Replacing::SoundFile, now);
    QVERIFY(!refusedBackup.ok);
    QVERIFY(refusedBackup.message.contains(badBackup));
    QCOMPARE(testing::readFile(path), current);
}

void TestBackups::damagedLogIsFoundInTheBackgroundAndNotCopied() {
    // The log is most of this file, so its middle page is one of the log's; the check on
    // opening leaves the log to the background check.
    auto t = std::make_unique<testing::TempDatabase>(true);
    const QString path = t->path();
    addLogRows(*t, 40000);
    data::closeAllConnections();
    QVERIFY(testing::zeroMiddlePage(path));
    QVERIFY(data::openDatabase(path).ok);

    data::BackgroundBackup job;
    QSignalSpy done(&job, &data::BackgroundBackup::finished);
    job.start(path, /*always=*/true);
    QVERIFY(done.wait(60000));
    const auto result = done.first().first().value<data::BackupResult>();
    QVERIFY2(result.damage.contains(path) && result.damage.contains("damaged"),
             qPrintable(result.damage));
    QVERIFY(result.path.isEmpty());
    QVERIFY(data::listBackups(path).isEmpty());
}

void TestBackups::interruptedRestoreLeavesTheOldOrTheNewFile_data() {
    QTest::addColumn<data::RestoreStep>("killedAfter");
    QTest::addColumn<bool>("newFile");
    QTest::newRow("log folded in") << data::RestoreStep::LogFolded << false;
    QTest::newRow("copy ready beside it") << data::RestoreStep::CopyReady << false;
    QTest::newRow("old file kept") << data::RestoreStep::OldKept << false;
    QTest::newRow("copy in place") << data::RestoreStep::Swapped << true;
}

void TestBackups::interruptedRestoreLeavesTheOldOrTheNewFile() {
    QFETCH(data::RestoreStep, killedAfter);
    QFETCH(bool, newFile);
    auto t = std::make_unique<testing::TempDatabase>(true);
    const QString path = t->path();
    const data::BackupResult backup = data::backUp(path);
    QVERIFY(backup.error.isEmpty());
    addCards(*t, 5);
    data::closeAllConnections();

    const pid_t child = ::fork();
    if (child == 0) {
        data::setRestoreHookForTesting([killedAfter](data::RestoreStep step) {
            if (step == killedAfter)
                ::raise(SIGKILL);
        });
        static_cast<void>(data::restoreBackup(path, backup.path, data::Replacing::SoundFile));
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));

    QVERIFY(QFileInfo(path).isFile());
    QVERIFY(data::quickCheck(path).sound);
    QCOMPARE(testing::readIn(path, "SELECT COUNT(*) FROM Card").toInt(), newFile ? 10 : 15);
    const data::OpenOutcome again = data::openDatabase(path, /*createIfMissing=*/false);
    QVERIFY2(again.ok, qPrintable(again.message));
    // The file kept beside it is a copy of its own: what the program writes now never
    // reaches it.
    const QFileInfo live(path);
    const QStringList kept = live.dir().entryList({live.fileName() + ".before-restore-*"});
    QCOMPARE(kept.size(), killedAfter >= data::RestoreStep::OldKept ? 1 : 0);
    if (!kept.isEmpty()) {
        const QString copy = live.dir().filePath(kept.first());
        data::exec(data::mainConnection(),
                   QStringLiteral("INSERT INTO Card (Question, Answer) VALUES ('late', 'x')"));
        data::closeAllConnections();
        QCOMPARE(testing::readIn(copy, "SELECT COUNT(*) FROM Card WHERE Question = 'late'").toInt(),
                 0);
    }
    data::closeAllConnections();
}

void TestBackups::sameBaseNameDatabasesKeepTheirOwnBackups() {
    testing::TempDatabase t(true);
    const QString mdb = t.path();
    const QString old = QDir(t.dir()).filePath("VIze.old");
    QVERIFY(data::backUp(mdb).error.isEmpty());
    data::closeAllConnections();
    QVERIFY(data::openDatabase(old).ok);
    addCards(t, 3); // through the main connection, now on VIze.old
    data::closeAllConnections();
    // One backup named after the old scheme (no identity inside): it cannot tell the two
    // apart, so it belongs to neither.
    const QDateTime now = QDateTime::currentDateTime();
    const QString legacy = QDir(data::backupFolder(mdb)).filePath("VIze-2026-01-01-100000.mdb");
    QVERIFY(QFile::copy(QStringLiteral(MEMORANT_FIXTURES "/version3.mdb"), legacy));
    for (int i = 0; i < 12; ++i) // enough for the rotation to remove some
        QVERIFY(data::backUp(old, now.addSecs(i)).error.isEmpty());

    const QList<data::BackupFile> ofMdb = data::listBackups(mdb);
    const QList<data::BackupFile> ofOld = data::listBackups(old);
    QCOMPARE(ofMdb.size(), 1);
    QCOMPARE(ofOld.size(), 10);
    QVERIFY(QFileInfo(ofMdb.first().path).fileName().startsWith("VIze.mdb-"));
    for (const data::BackupFile& b : ofOld)
        QCOMPARE(testing::readIn(b.path, "SELECT COUNT(*) FROM Card").toInt(), 13);
    QVERIFY(QFile::exists(legacy));
    QCOMPARE(data::newestGoodBackup(mdb)->path, ofMdb.first().path);

    // Alone in its folder, the file owns the old-style backup again.
    QVERIFY(QFile::remove(old));
    QCOMPARE(data::listBackups(mdb).size(), 2);
}

void TestBackups::futureDatedBackupDoesNotStopBackups() {
    testing::TempDatabase t(true);
    // From a clock that was wrong, or a folder copied from elsewhere.
    const QDateTime future(QDate(2031, 5, 1), QTime(12, 0));
    QVERIFY(data::backUp(t.path(), future).error.isEmpty());
    QVERIFY(!data::backupDue(t.path()));
    t.exec("UPDATE Fields SET Load = 0");
    QVERIFY(data::backupDue(t.path()));
    const data::BackupResult now = data::backUp(t.path());
    QVERIFY2(now.error.isEmpty(), qPrintable(now.error));
    QVERIFY(!data::backupDue(t.path()));
    t.exec("UPDATE Fields SET Load = 1");
    QVERIFY(data::backupDue(t.path()));
}

void TestBackups::partialFilesOfKilledBackupsGoAndNamesNeverClash() {
    testing::TempDatabase t(true);
    const QString path = t.path();
    const QDir folder(data::backupFolder(path));
    QVERIFY(QDir().mkpath(folder.path()));
    const QDateTime now = QDateTime::currentDateTime();
    // Left by killed backups: nobody holds them.
    const QString stale = folder.filePath(data::backupFileName(path, now.addDays(-1)) + ".partial");
    QFile(stale).open(QIODevice::WriteOnly);
    QFile(stale + "-journal").open(QIODevice::WriteOnly);
    const QString otherDatabases = folder.filePath("Other.mdb-2026-01-01-100000.mdb.partial");
    QFile(otherDatabases).open(QIODevice::WriteOnly);
    // Another backup is writing this second's name right now.
    const QString busy = folder.filePath(data::backupFileName(path, now) + ".partial");
    data::FileLock writer;
    QCOMPARE(writer.tryLock(busy, /*create=*/true), data::FileLock::Result::Taken);

    const data::BackupResult result = data::backUp(path, now);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(QFileInfo(result.path).fileName(), data::backupFileName(path, now, 2));
    QVERIFY(!QFile::exists(stale) && !QFile::exists(stale + "-journal"));
    QVERIFY(QFile::exists(busy) && QFile::exists(otherDatabases));

    writer.unlock(); // its backup was killed
    QCOMPARE(data::removeStalePartials(path), 1);
    QVERIFY(!QFile::exists(busy));

    // A claim of a name is left only by a program killed while it claimed; one being made
    // now stays.
    const QString oldClaim = busy + ".claim-1f2e3d";
    const QString newClaim = busy + ".claim-4c5b6a";
    for (const QString& claim : {oldClaim, newClaim})
        QVERIFY(QFile(claim).open(QIODevice::WriteOnly));
    QFile aged(oldClaim);
    QVERIFY(aged.open(QIODevice::ReadWrite));
    QVERIFY(aged.setFileTime(now.addSecs(-2 * 60 * 60), QFileDevice::FileModificationTime));
    aged.close();
    QCOMPARE(data::removeStalePartials(path), 1);
    QVERIFY(!QFile::exists(oldClaim) && QFile::exists(newClaim));
}

void TestBackups::zeroedFirstPageWithBackupsIsDamaged() {
    auto t = std::make_unique<testing::TempDatabase>(true);
    const QString path = t->path();
    data::closeAllConnections();
    testing::writeFile(path, testing::readFile(path).replace(0, 4096, QByteArray(4096, '\0')));
    const data::OpenOutcome alone = data::openDatabase(path);
    QVERIFY(!alone.damaged); // nothing tells what it was
    QVERIFY2(alone.message.contains("not an SQLite file"), qPrintable(alone.message));

    auto good = std::make_unique<testing::TempDatabase>(true);
    QVERIFY(QDir().mkpath(data::backupFolder(path)));
    QVERIFY(data::copyDatabase(good->path(), QDir(data::backupFolder(path))
                                                 .filePath(data::backupFileName(
                                                     path, QDateTime::currentDateTime()))) == "");
    data::closeAllConnections();
    const data::OpenOutcome refused = data::openDatabase(path);
    QVERIFY(refused.damaged);
    QVERIFY2(refused.message.contains(path) && refused.message.contains("damaged"),
             qPrintable(refused.message));
    QVERIFY(data::newestGoodBackup(path));
}

QTEST_GUILESS_MAIN(TestBackups)
// Two backups at once each read the file through a reader of their own: the first to end
// must not take the logs away from the other (it met a disk I/O error).
void TestBackups::readersBesideEachOtherLeaveTheLogsToTheLast() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readers.mdb"));
    {
        const testing::TempDatabase t(true);
        t.exec(QStringLiteral("VACUUM INTO ?"), {path});
    }
    QVERIFY(testing::writeIn(path, {QStringLiteral("PRAGMA journal_mode = WAL")}));
    QVERIFY(!QFile::exists(path + "-wal") && !QFile::exists(path + "-shm"));
    const auto cards = [](const data::SideConnection& c) {
        return data::scalar(c.db(), QStringLiteral("SELECT COUNT(*) FROM Card")).toInt();
    };
    {
        auto first = std::make_unique<data::SideConnection>(path);
        QCOMPARE(first->open(), QString());
        data::SideConnection second(path);
        QCOMPARE(second.open(), QString());
        QVERIFY(cards(*first) > 0);
        QVERIFY(cards(second) > 0);
        QVERIFY(QFile::exists(path + "-shm"));
        first.reset();
        QVERIFY(QFile::exists(path + "-shm"));
        QVERIFY(cards(second) > 0);
    }
    // The last one tidies as before.
    QVERIFY(!QFile::exists(path + "-wal") && !QFile::exists(path + "-shm"));
}

#include "test_backups.moc"
