// The real program, started as a user would, offscreen.
#include "data/Backups.h"
#include "data/Database.h"
#include "data/OpenCheck.h"
#include "data/Sql.h"
#include "support/DamagedFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

QProcess* start(const QTemporaryDir& dir, const QStringList& args,
                const QString& dataHome = QString()) {
    auto* p = new QProcess;
    p->setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (!dataHome.isEmpty())
        env.insert("XDG_DATA_HOME", dataHome); // where the user's data folder lies
    p->setProcessEnvironment(env);
    p->start(QStringLiteral(MEMORANT_BINARY), args);
    return p;
}

int loadFlag(const QString& path) {
    const QString name = QStringLiteral("reader");
    int value = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (db.open()) {
            try {
                value = data::scalar(db, "SELECT Load FROM Fields").toInt();
            } catch (const data::DbError&) {
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

void setLoadFlag(const QString& path, int value) {
    const QString name = QStringLiteral("writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        if (db.open())
            data::exec(db, "UPDATE Fields SET Load = ?", {value});
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
  private slots:
    void emptyFolderGetsSampleDatabaseAndSigtermClosesCleanly_data();
    void emptyFolderGetsSampleDatabaseAndSigtermClosesCleanly();
    void badFileIsRefusedWithMessageAndExitCode();
    void secondWindowOnSameFileIsRefused();
    void lockOfKilledProgramIsTakenOver();
    void checkAndBackupCommands_data();
    void checkAndBackupCommands();
    void userDataOptionKeepsTheDatabaseInTheDataFolder();
    void helpNamesTheFoldersInUse();
};

void TestProgram::emptyFolderGetsSampleDatabaseAndSigtermClosesCleanly_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestProgram::emptyFolderGetsSampleDatabaseAndSigtermClosesCleanly() {
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString path = dir.filePath("VIze.mdb");
    std::unique_ptr<QProcess> p(start(dir, {}));
    QVERIFY(p->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000); // running: Load is 0
    ::kill(static_cast<pid_t>(p->processId()), signal);
    QVERIFY(p->waitForFinished(15000));
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    QCOMPARE(p->exitCode(), 0);
    QCOMPARE(loadFlag(path), 1);
}

void TestProgram::badFileIsRefusedWithMessageAndExitCode() {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.mdb");
    QVERIFY(QFile::copy(QStringLiteral(MEMORANT_TEST_DATA "/garbage.mdb"), path));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    std::unique_ptr<QProcess> p(start(dir, {"--db", path}));
    QVERIFY(p->waitForFinished(15000));
    QCOMPARE(p->exitCode(), 1);
    const QString err = QString::fromUtf8(p->readAllStandardError());
    QVERIFY2(err.contains(path) && err.contains("not an SQLite file"), qPrintable(err));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QVERIFY(!QFile::exists(path + "-wal"));
}

void TestProgram::secondWindowOnSameFileIsRefused() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VIze.mdb");
    std::unique_ptr<QProcess> first(start(dir, {}));
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000);
    // The same file spelt another way: through a link to its folder, absolute.
    QVERIFY(QFile::link(dir.path(), dir.filePath("link")));
    const QString otherSpelling = dir.filePath("link/VIze.mdb");
    std::unique_ptr<QProcess> second(start(dir, {"--db", otherSpelling}));
    QVERIFY(second->waitForFinished(15000));
    QCOMPARE(second->exitCode(), 1);
    const QString err = QString::fromUtf8(second->readAllStandardError());
    QVERIFY2(err.contains(otherSpelling) && err.contains("already open"), qPrintable(err));
    QCOMPARE(first->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
    QVERIFY(first->waitForFinished(15000));
    QCOMPARE(first->exitCode(), 0);
    QVERIFY(!QFile::exists(path + ".lock"));
}

void TestProgram::lockOfKilledProgramIsTakenOver() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VIze.mdb");
    std::unique_ptr<QProcess> killed(start(dir, {}));
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000);
    killed->kill();
    QVERIFY(killed->waitForFinished(15000));
    QVERIFY(QFile::exists(path + ".lock"));
    setLoadFlag(path, 1); // so that the next program's start shows
    std::unique_ptr<QProcess> next(start(dir, {"--db", "VIze.mdb"}));
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000);
    QCOMPARE(next->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(next->processId()), SIGTERM);
    QVERIFY(next->waitForFinished(15000));
    QCOMPARE(next->exitCode(), 0);
    QCOMPARE(loadFlag(path), 1);
}

void TestProgram::checkAndBackupCommands_data() {
    QTest::addColumn<QStringList>("words"); // after --db PATH; "FILE" stands for a new file
    QTest::addColumn<QString>("file");      // sound, damaged or missing
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::newRow("check, sound") << QStringList{"check"} << "sound" << 0 << "ok";
    QTest::newRow("check, damaged") << QStringList{"check"} << "damaged" << 1 << "Backups in";
    QTest::newRow("check, missing") << QStringList{"check"} << "missing" << 1 << "no such file";
    QTest::newRow("backup") << QStringList{"backup"} << "sound" << 0 << "/backups/VIze-";
    QTest::newRow("backup FILE") << QStringList{"backup", "FILE"} << "sound" << 0 << "copy.mdb";
    QTest::newRow("backup FILE that exists")
        << QStringList{"backup", "VIze.mdb"} << "sound" << 1 << "already exists";
    QTest::newRow("backup, damaged") << QStringList{"backup"} << "damaged" << 1 << "damaged";
    QTest::newRow("backup, missing") << QStringList{"backup"} << "missing" << 1 << "no such file";
}

void TestProgram::checkAndBackupCommands() {
    QFETCH(QStringList, words);
    QFETCH(QString, file);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString path = dir.filePath("VIze.mdb");
    if (file != "missing") {
        QVERIFY(data::openDatabase(path).ok);
        data::Transaction tx(data::mainConnection());
        for (int i = 0; i < 3000; ++i)
            data::exec(data::mainConnection(), "INSERT INTO Log (CardID) VALUES (?)", {i});
        tx.commit();
        data::closeAllConnections();
        QVERIFY(data::backUp(path, QDateTime::currentDateTime().addDays(-1)).error.isEmpty());
    }
    if (file == "damaged")
        QVERIFY(testing::zeroMiddlePage(path));
    QByteArray before;
    {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            before = f.readAll();
    }
    words.replaceInStrings(QRegularExpression("^FILE$"), dir.filePath("copy.mdb"));

    std::unique_ptr<QProcess> p(start(dir, QStringList{"--db", path} + words));
    QVERIFY(p->waitForFinished(30000));
    const QString out = QString::fromUtf8(p->readAllStandardOutput() + p->readAllStandardError());
    QVERIFY2(p->exitCode() == exitCode && out.contains(said), qPrintable(out));
    if (file == "missing") {
        QVERIFY(!QFile::exists(path)); // never created by a command
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before); // commands only read
    }
    if (words.size() == 2 && exitCode == 0)
        QVERIFY(data::quickCheck(words.last()).sound);
}

void TestProgram::userDataOptionKeepsTheDatabaseInTheDataFolder() {
    QTemporaryDir dir;
    QTemporaryDir home;
    const QString path = home.filePath("Memorant/VIze.mdb");
    QVERIFY(!QFileInfo::exists(home.filePath("Memorant"))); // made on first start
    std::unique_ptr<QProcess> p(start(dir, {"--user-data"}, home.path()));
    QVERIFY(p->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000);
    ::kill(static_cast<pid_t>(p->processId()), SIGTERM);
    QVERIFY(p->waitForFinished(15000));
    QCOMPARE(p->exitCode(), 0);
    QCOMPARE(loadFlag(path), 1);
    QVERIFY(!QFile::exists(dir.filePath("VIze.mdb"))); // the current folder is left alone

    // Two places for one database are refused before anything is made.
    QTemporaryDir other;
    std::unique_ptr<QProcess> both(
        start(dir, {"--db", dir.filePath("x.mdb"), "--user-data"}, other.path()));
    QVERIFY(both->waitForFinished(15000));
    QCOMPARE(both->exitCode(), 2);
    QVERIFY(QString::fromUtf8(both->readAllStandardError()).contains("--user-data"));
    QVERIFY(!QFile::exists(dir.filePath("x.mdb")));
    QVERIFY(!QFileInfo::exists(other.filePath("Memorant")));

    // A data folder that cannot be made is a clear message, not a crash.
    QFile blocker(other.filePath("Memorant"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    std::unique_ptr<QProcess> blocked(start(dir, {"--user-data"}, other.path()));
    QVERIFY(blocked->waitForFinished(15000));
    QCOMPARE(blocked->exitCode(), 1);
    QVERIFY(
        QString::fromUtf8(blocked->readAllStandardError()).contains(other.filePath("Memorant")));
}

void TestProgram::helpNamesTheFoldersInUse() {
    // Run from the build folder, the program reads the help pages the build put beside it.
    QTemporaryDir dir;
    QTemporaryDir home;
    std::unique_ptr<QProcess> p(start(dir, {"--help"}, home.path()));
    QVERIFY(p->waitForFinished(15000));
    QCOMPARE(p->exitCode(), 0);
    const QString out = QString::fromUtf8(p->readAllStandardOutput());
    const QString program = QFileInfo(QStringLiteral(MEMORANT_BINARY)).absolutePath();
    QVERIFY2(out.contains("--user-data"), qPrintable(out));
    QVERIFY2(out.contains(program + "/assets/help"), qPrintable(out));
    QVERIFY2(out.contains(home.filePath("Memorant/VIze.mdb")), qPrintable(out));
    QVERIFY2(out.contains(home.filePath("Memorant/sounds/Object N.wav")), qPrintable(out));
    QVERIFY(!QFileInfo::exists(home.filePath("Memorant"))); // --help makes nothing
}

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
