// SPDX-License-Identifier: GPL-3.0-or-later
// Backups and restoring, on the real window and the real start-up decisions.
#include "app/BackupNotice.h"
#include "app/DamagedStart.h"
#include "data/Backups.h"
#include "data/Database.h"
#include "data/DatabaseLock.h"
#include "data/FileLock.h"
#include "data/Sql.h"
#include "support/DamagedFile.h"
#include "support/Files.h"
#include "support/OtherProgram.h"
#include "support/WindowFixture.h"
#include "window/LogWindow.h"
#include "window/RestoreWindow.h"

#include <QDir>
#include <QPushButton>
#include <QSemaphore>
#include <QTableWidget>
#include <QtTest>
#include <atomic>

namespace {

void addCards(const testing::TempDatabase& t, int count) {
    t.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
           "INSERT INTO Card (Question, Answer) SELECT 'q', 'a' FROM n",
           {count});
}

QStringList keptFiles(const QString& dir, const QString& tag) {
    QStringList files = QDir(dir).entryList({"VIze.mdb." + tag + "-*"}, QDir::Files);
    files.removeIf([](const QString& f) { return f.endsWith("-wal") || f.endsWith("-shm"); });
    return files;
}

// The restore window, opened from the File menu afresh.
window::RestoreWindow* openRestoreWindow(testing::WindowFixture& f) {
    if (!QTest::qWaitFor([&f] { return !f.w->findChild<window::RestoreWindow*>(); }))
        return nullptr;
    f.w->findChild<QAction*>("mnuRestore")->trigger();
    return f.w->findChild<window::RestoreWindow*>();
}

// The rows of the restore list as "what: cards/sets taken".
QStringList restoreRows(window::RestoreWindow* window) {
    QStringList rows;
    for (const data::BackupFile& b : window->backups()) {
        const auto cell = [&](int column) {
            return window->list()->item(rows.size(), column)->text();
        };
        rows << cell(4) + ": " + cell(2) + "/" + cell(3) + " " +
                    b.taken.toString("yyyy-MM-dd HH:mm");
    }
    return rows;
}

struct Session : testing::WindowFixture {
    Session() : WindowFixture(true) { start(); }
    void learnSample() {
        pick(QStringLiteral("Capitals of Europe"));
        learn();
    }
    void answerCorrectly() {
        QTest::keyClicks(c().Text3, lesson().CSarray.at(lesson().Row, learn::ColAnswer).toString());
        QTest::mouseClick(c().Command21, Qt::LeftButton);
    }
};

} // namespace

class TestBackupRestore : public QObject {
    Q_OBJECT
  private slots:
    void damagedStartOffersTheNewestGoodBackup_data();
    void damagedStartOffersTheNewestGoodBackup();
    void restoreFromBackupInTheFileMenu();
    void backUpNowRunsOffTheWindowsThread();
    void unusableBackupFolderWarnsOnceAndTheLessonGoesOn();
    void missingFileWithCopiesBesideIsOffered_data();
    void missingFileWithCopiesBesideIsOffered();
};

void TestBackupRestore::damagedStartOffersTheNewestGoodBackup_data() {
    QTest::addColumn<bool>("withBackup");
    QTest::addColumn<bool>("display");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("told");
    QTest::newRow("accepted") << true << true << true << "was restored";
    QTest::newRow("declined") << true << true << false << "left as it was";
    QTest::newRow("no good backup") << false << true << true << "no backup";
    QTest::newRow("no display: backups listed") << true << false << true << "/backups/VIze.mdb-";
}

void TestBackupRestore::damagedStartOffersTheNewestGoodBackup() {
    QFETCH(bool, withBackup);
    QFETCH(bool, display);
    QFETCH(bool, accept);
    QFETCH(QString, told);
    auto t = std::make_unique<testing::TempDatabase>(true);
    const QString path = t->path();
    addCards(*t, 3000);
    if (withBackup)
        QVERIFY(data::backUp(path).error.isEmpty());
    addCards(*t, 7); // after the backup: lost with the damage
    data::closeAllConnections();
    QVERIFY(testing::zeroMiddlePage(path));
    const QByteArray damaged = testing::readFile(path);

    const data::OpenOutcome failed = data::openDatabase(path);
    QVERIFY(failed.damaged);
    testing::ScriptedDialogs dialogs;
    dialogs.nextAnswer(accept);
    const data::OpenOutcome outcome =
        app::offerRestoreOfDamaged(path, failed, display ? &dialogs : nullptr);

    const bool restored = withBackup && display && accept;
    QCOMPARE(outcome.ok, restored);
    const QString shown = outcome.message + dialogs.texts().join(" | ");
    QVERIFY2(shown.contains(told), qPrintable(shown));
    if (restored) {
        QCOMPARE(data::scalar(data::mainConnection(), "SELECT COUNT(*) FROM Card").toInt(), 3010);
        const QStringList kept = keptFiles(t->dir(), "damaged");
        QCOMPARE(kept.size(), 1);
        QCOMPARE(testing::readFile(QDir(t->dir()).filePath(kept.first())), damaged);
        QVERIFY(dialogs.shown().first().text.contains(path));
    } else {
        QVERIFY(outcome.message.contains(path));
        QCOMPARE(testing::readFile(path), damaged);
        QVERIFY(keptFiles(t->dir(), "damaged").isEmpty());
    }
    data::closeAllConnections();
}

void TestBackupRestore::restoreFromBackupInTheFileMenu() {
    Session s;
    const QString path = s.t.path();
    data::DatabaseLock lock(path); // as the program holds it
    QCOMPARE(lock.acquire(), QString());
    s.learnSample();
    s.answerCorrectly();
    QCOMPARE(s.logRows(), 1);
    const data::BackupResult backup = data::backUp(path);
    QVERIFY(backup.error.isEmpty());
    s.answerCorrectly();
    s.t.exec("INSERT INTO Set1 (SetName) VALUES ('Later')");
    s.c().mnulog->trigger(); // a small window with a connection of its own
    QVERIFY(s.w->findChild<window::Form4*>());
    // What the damaged-file offer keeps shows too, at the time in its name.
    QVERIFY(QFile::copy(backup.path, path + ".damaged-2026-03-11-093000"));

    window::RestoreWindow* window = openRestoreWindow(s);
    QVERIFY(window && window->isVisible());
    const QString backupTime = data::listBackups(path).value(0).taken.toString("yyyy-MM-dd HH:mm");
    QCOMPARE(restoreRows(window), (QStringList{"backup: 10/1 " + backupTime,
                                               "damaged file, kept: 10/1 2026-03-11 09:30"}));
    // Looking into the copies leaves nothing beside them.
    QCOMPARE(QDir(s.t.dir()).entryList({"VIze.mdb.*-wal", "VIze.mdb.*-shm"}), QStringList());

    s.dialogs.nextAnswer(false); // not yet
    QTest::mouseClick(window->restoreButton(), Qt::LeftButton);
    QCOMPARE(s.logRows(), 2);
    QVERIFY(keptFiles(s.t.dir(), "before-restore").isEmpty());

    s.dialogs.nextAnswer(true);
    QTest::mouseClick(window->restoreButton(), Qt::LeftButton);
    QVERIFY2(s.dialogs.lastText().contains("was restored"), qPrintable(s.dialogs.lastText()));
    QCOMPARE(s.logRows(), 1);
    const QStringList kept = keptFiles(s.t.dir(), "before-restore");
    QCOMPARE(kept.size(), 1);
    QVERIFY(s.dialogs.texts().join(" ").contains(kept.first())); // as announced
    QCOMPARE(testing::readIn(QDir(s.t.dir()).filePath(kept.first()), "SELECT COUNT(*) FROM Log"),
             2);
    QCOMPARE(s.c().DataCombo1->findText("Later"), -1);
    QCOMPARE(s.c().DataCombo1->currentText(), QStringLiteral("Capitals of Europe"));
    QTRY_VERIFY(!s.w->findChild<window::Form4*>()); // closed, as it showed the replaced file
    data::FileLock other; // the restored file is locked as the old one was
    QCOMPARE(other.tryLock(path), data::FileLock::Result::Busy);
    QCOMPARE(other.tryLock(QDir(s.t.dir()).filePath(kept.first())), data::FileLock::Result::Taken);

    // The copy kept before the restore is in the same list, and restoring it undoes it.
    window = openRestoreWindow(s);
    QVERIFY(window);
    const QStringList rows = restoreRows(window);
    const int before = int(rows.indexOf(QRegularExpression("kept before a restore: 10/.*")));
    QVERIFY2(rows.size() == 3 && before >= 0, qPrintable(rows.join(" | ")));
    window->list()->selectRow(before);
    s.dialogs.nextAnswer(true);
    QTest::mouseClick(window->restoreButton(), Qt::LeftButton);
    QVERIFY2(s.dialogs.lastText().contains("before the restore"), qPrintable(s.dialogs.lastText()));
    QCOMPARE(s.logRows(), 2);
    QCOMPARE(keptFiles(s.t.dir(), "before-restore").size(), 2);

    // The lesson goes on on the restored file.
    s.learnSample();
    s.answerCorrectly();
    QCOMPARE(s.logRows(), 3);
}

void TestBackupRestore::backUpNowRunsOffTheWindowsThread() {
    Session s;
    const QString path = s.t.path();
    std::atomic<QThread*> ranOn = nullptr;
    QSemaphore go;
    data::setBackgroundHookForTesting([&] {
        ranOn = QThread::currentThread();
        go.acquire(); // held midway until the window has gone on
    });
    QAction* entry = s.w->findChild<QAction*>("mnuBackUpNow");
    QVERIFY(entry);
    entry->trigger();
    data::setBackgroundHookForTesting({});
    QTRY_VERIFY(ranOn.load() != nullptr);
    QVERIFY(ranOn.load() != QThread::currentThread());
    QVERIFY(!entry->isEnabled()); // one at a time
    s.learnSample();
    s.answerCorrectly(); // the learner goes on meanwhile
    go.release();
    QTRY_VERIFY(entry->isEnabled());

    const QList<data::BackupFile> backups = data::listBackups(path);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(testing::readIn(backups.first().path, "SELECT COUNT(*) FROM Log").toInt(), 1);
    QCOMPARE(s.dialogs.shown().size(), 1);
    QCOMPARE(s.dialogs.shown().first().kind, testing::ScriptedDialogs::Shown::Message);
    QVERIFY2(s.dialogs.lastText().contains(QDir::toNativeSeparators(backups.first().path)),
             qPrintable(s.dialogs.lastText()));
    window::RestoreWindow* window = openRestoreWindow(s);
    QVERIFY(window);
    QCOMPARE(window->backups().size(), 1);
    QCOMPARE(window->backups().first().path, backups.first().path);
}

void TestBackupRestore::unusableBackupFolderWarnsOnceAndTheLessonGoesOn() {
    // Tests run as root, for whom folder permissions do not stop writes: a regular file where
    // the folder should be makes it unusable for anyone.
    Session s;
    testing::writeFile(data::backupFolder(s.t.path()), {});

    app::BackupNotice notice(s.t.path(), &s.dialogs);
    QSignalSpy done(&notice.job(), &data::BackgroundBackup::finished);
    QVERIFY(done.wait(20000));
    QCOMPARE(s.dialogs.shown().size(), 1);
    QCOMPARE(s.dialogs.shown().first().kind, testing::ScriptedDialogs::Shown::Warning);
    QVERIFY(s.dialogs.lastText().contains(data::backupFolder(s.t.path())));

    notice.job().start(s.t.path()); // failing again in the same run: no second box
    QVERIFY(done.wait(20000));
    QCOMPARE(s.dialogs.shown().size(), 1);

    s.learnSample();
    s.answerCorrectly();
    QCOMPARE(s.logRows(), 1);
}

void TestBackupRestore::missingFileWithCopiesBesideIsOffered_data() {
    QTest::addColumn<QString>("left");        // what lies beside the missing file
    QTest::addColumn<QList<bool>>("answers"); // to the questions, in turn
    QTest::addColumn<int>("cards");           // in the file afterwards; -1: none, 10: new sample
    QTest::newRow("restore finished") << "restoring" << QList<bool>{true} << 13;
    QTest::newRow("newest copy opened") << "before-restore" << QList<bool>{true} << 13;
    QTest::newRow("new database") << "before-restore" << QList<bool>{false, true} << 10;
    QTest::newRow("nothing chosen") << "damaged" << QList<bool>{false, false} << -1;
}

void TestBackupRestore::missingFileWithCopiesBesideIsOffered() {
    QFETCH(QString, left);
    QFETCH(QList<bool>, answers);
    QFETCH(int, cards);
    auto t = std::make_unique<testing::TempDatabase>(true);
    const QString path = t->path();
    addCards(*t, 3);
    data::closeAllConnections();
    const QString copy =
        left == "restoring" ? path + ".restoring" : path + "." + left + "-2026-03-11-093000";
    QVERIFY(QFile::rename(path, copy));
    testing::ScriptedDialogs dialogs;
    for (bool a : answers)
        dialogs.nextAnswer(a);

    const QString stop = app::offerCopiesOfMissing(path, &dialogs);
    QVERIFY(dialogs.texts().first().contains(copy));
    QCOMPARE(stop.isEmpty(), cards >= 0);
    if (cards < 0) {
        QVERIFY(!QFile::exists(path));
    } else {
        const data::OpenOutcome opened = data::openDatabase(path);
        QVERIFY2(opened.ok, qPrintable(opened.message));
        QCOMPARE(data::scalar(data::mainConnection(), "SELECT COUNT(*) FROM Card").toInt(), cards);
        data::closeAllConnections();
    }
    if (left == "restoring")
        return;                   // finished: nothing is left beside the file
    QVERIFY(QFile::exists(copy)); // copies stay as they are

    // Without a display the copies are listed and nothing is made.
    QFile::remove(path);
    const QString listed = app::offerCopiesOfMissing(path, nullptr);
    QVERIFY2(listed.contains("missing") && listed.contains(copy), qPrintable(listed));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestBackupRestore)
#include "test_backup_restore.moc"
