// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, started as a user would, offscreen.
#include "data/Backups.h"
#include "data/Database.h"
#include "data/OpenCheck.h"
#include "data/Sql.h"
#include "support/DamagedFile.h"
#include "support/Files.h"
#include "support/OtherProgram.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <unistd.h>

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
    const QVariant load = testing::readIn(path, QStringLiteral("SELECT Load FROM Fields"));
    return load.isValid() ? load.toInt() : -1;
}

// Runs the program to its end; its exit code, and what it said.
std::pair<int, QString> run(const QTemporaryDir& dir, const QStringList& args,
                            const QString& dataHome = QString()) {
    std::unique_ptr<QProcess> p(start(dir, args, dataHome));
    if (!p->waitForFinished(30000))
        return {-1, QStringLiteral("still running")};
    return {p->exitCode(),
            QString::fromUtf8(p->readAllStandardOutput() + p->readAllStandardError())};
}

// Sends the signal and waits: true when the program ended of itself, with exit code 0, and
// marked the file at `path` closed (Load is 1).
bool endsCleanly(QProcess& p, const QString& path, int signal = SIGTERM) {
    ::kill(static_cast<pid_t>(p.processId()), signal);
    return p.waitForFinished(15000) && p.exitStatus() == QProcess::NormalExit &&
           p.exitCode() == 0 && loadFlag(path) == 1;
}

bool makeDatabase(const QString& path) {
    const bool ok = data::openDatabase(path).ok;
    data::closeAllConnections();
    return ok;
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
    void langChoosesTheLanguageForOneRun();
    void lockFilesThatNameNoProgram_data();
    void lockFilesThatNameNoProgram();
    void backupsInTheSameSecondAllSucceed();
    void commandsOnlyRead_data();
    void commandsOnlyRead();
    void missingFileWithCopiesBesideMakesNoSample();
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
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000); // running: Load is 0
    QVERIFY(endsCleanly(*p, path, signal));
}

void TestProgram::badFileIsRefusedWithMessageAndExitCode() {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.mdb");
    QVERIFY(QFile::copy(QStringLiteral(MEMORANT_FIXTURES "/garbage.mdb"), path));
    const QByteArray before = testing::readFile(path);
    const auto [code, err] = run(dir, {"--db", path});
    QCOMPARE(code, 1);
    QVERIFY2(err.contains(path) && err.contains("not an SQLite file"), qPrintable(err));
    QCOMPARE(testing::readFile(path), before);
    QVERIFY(!QFile::exists(path + "-wal"));
}

// By another spelling of its path, or through a hard link.
void TestProgram::secondWindowOnSameFileIsRefused() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VIze.mdb");
    std::unique_ptr<QProcess> first(start(dir, {}));
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000);
    // The same file spelt another way: through a link to its folder, absolute.
    QVERIFY(QFile::link(dir.path(), dir.filePath("link")));
    const QString otherSpelling = dir.filePath("link/VIze.mdb");
    const auto [code, err] = run(dir, {"--db", otherSpelling});
    QCOMPARE(code, 1);
    QVERIFY2(err.contains(otherSpelling) && err.contains("already open"), qPrintable(err));
    // Nor does a hard link get a command past the lock.
    const QString hard = dir.filePath("hard.mdb");
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(hard).constData()), 0);
    testing::writeFile(dir.filePath("words.tsv"), "one\teins\n");
    const auto [hardCode, said] =
        run(dir, {"--db", hard, "import-list", dir.filePath("words.tsv")});
    QVERIFY2(hardCode == 1 && said.contains("already open"), qPrintable(said));
    QVERIFY(!QFile::exists(hard + "-wal"));
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(endsCleanly(*first, path) && !QFile::exists(path + ".lock"));
}

void TestProgram::lockOfKilledProgramIsTakenOver() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VIze.mdb");
    std::unique_ptr<QProcess> killed(start(dir, {}));
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000);
    killed->kill();
    QVERIFY(killed->waitForFinished(15000) && QFile::exists(path + ".lock"));
    // So that the next program's start shows.
    QVERIFY(testing::writeIn(path, {QStringLiteral("UPDATE Fields SET Load = 1")}));
    std::unique_ptr<QProcess> next(start(dir, {"--db", "VIze.mdb"}));
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000);
    QVERIFY(endsCleanly(*next, path));
}

void TestProgram::checkAndBackupCommands_data() {
    QTest::addColumn<QStringList>("words"); // after --db PATH; "FILE" stands for a new file
    QTest::addColumn<QString>("file");      // sound, damaged or missing
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::newRow("check, sound") << QStringList{"check"} << "sound" << 0 << "ok";
    QTest::newRow("check, damaged") << QStringList{"check"} << "damaged" << 1 << "Backups in";
    QTest::newRow("check, missing") << QStringList{"check"} << "missing" << 1 << "no such file";
    QTest::newRow("backup") << QStringList{"backup"} << "sound" << 0 << "/backups/VIze.mdb-";
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
        data::exec(data::mainConnection(),
                   "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                   "INSERT INTO Log (CardID) SELECT i FROM n");
        data::closeAllConnections();
        QVERIFY(data::backUp(path, QDateTime::currentDateTime().addDays(-1)).error.isEmpty());
    }
    if (file == "damaged")
        QVERIFY(testing::zeroMiddlePage(path));
    const QByteArray before = testing::readFile(path);
    words.replaceInStrings(QRegularExpression("^FILE$"), dir.filePath("copy.mdb"));

    const auto [code, out] = run(dir, QStringList{"--db", path} + words);
    QVERIFY2(code == exitCode && out.contains(said), qPrintable(out));
    QCOMPARE(QFile::exists(path), file != "missing"); // never created by a command
    QCOMPARE(testing::readFile(path), before);        // commands only read
    if (words.size() == 2 && exitCode == 0)
        QVERIFY(data::quickCheck(words.last()).sound);
}

void TestProgram::userDataOptionKeepsTheDatabaseInTheDataFolder() {
    QTemporaryDir dir;
    QTemporaryDir home;
    const QString path = home.filePath("Memorant/VIze.mdb");
    QVERIFY(!QFileInfo::exists(home.filePath("Memorant"))); // made on first start
    std::unique_ptr<QProcess> p(start(dir, {"--user-data"}, home.path()));
    QTRY_COMPARE_WITH_TIMEOUT(loadFlag(path), 0, 15000);
    QVERIFY(endsCleanly(*p, path));
    QVERIFY(!QFile::exists(dir.filePath("VIze.mdb"))); // the current folder is left alone

    // Two places for one database are refused before anything is made.
    QTemporaryDir other;
    const auto [bothCode, both] =
        run(dir, {"--db", dir.filePath("x.mdb"), "--user-data"}, other.path());
    QVERIFY2(bothCode == 2 && both.contains("--user-data"), qPrintable(both));
    QVERIFY(!QFile::exists(dir.filePath("x.mdb")) &&
            !QFileInfo::exists(other.filePath("Memorant")));

    // A data folder that cannot be made is a clear message, not a crash.
    testing::writeFile(other.filePath("Memorant"), {}); // a file where the folder should be
    const auto [blockedCode, blocked] = run(dir, {"--user-data"}, other.path());
    QVERIFY2(blockedCode == 1 && blocked.contains(other.filePath("Memorant")), qPrintable(blocked));
}

void TestProgram::helpNamesTheFoldersInUse() {
    // Run from the build folder, the program reads the help pages the build put beside it.
    QTemporaryDir dir;
    QTemporaryDir home;
    const auto [code, out] = run(dir, {"--help"}, home.path());
    QCOMPARE(code, 0);
    const QString program = QFileInfo(QStringLiteral(MEMORANT_BINARY)).absolutePath();
    for (const QString& named :
         QStringList{"--user-data", program + "/assets/help", home.filePath("Memorant/VIze.mdb"),
                     home.filePath("Memorant/sounds/Object N.wav")})
        QVERIFY2(out.contains(named), qPrintable(out));
    QVERIFY(!QFileInfo::exists(home.filePath("Memorant"))); // --help makes nothing
}

void TestProgram::langChoosesTheLanguageForOneRun() {
    QTemporaryDir dir;
    QTemporaryDir config; // the learner's remembered choice lives here: none
    const auto said = [&](const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", config.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(MEMORANT_BINARY), args);
        p.waitForFinished(30000);
        return std::pair{p.exitCode(),
                         QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
    };
    const auto [germanCode, german] = said({"--lang", "de", "--help"});
    QCOMPARE(germanCode, 0);
    QVERIFY2(german.startsWith("Aufruf: memorant") && german.contains("--lang CODE"),
             qPrintable(german));
    // A command's words and its usage follow the option too, and what scripts read does not.
    const auto [misusedCode, misused] = said({"--lang=fr", "check", "extra"});
    QCOMPARE(misusedCode, 2);
    QVERIFY2(misused.startsWith("memorant: check n'accepte aucun argument\n\nUsage : memorant"),
             qPrintable(misused));
    // Not remembered: the next run is English again, and nothing was written.
    const auto [englishCode, english] = said({"--help"});
    QCOMPARE(englishCode, 0);
    QVERIFY2(english.startsWith("Usage: memorant [--db PATH | --user-data]\n"),
             qPrintable(english));
    QVERIFY(QDir(config.path()).isEmpty());
    // An unknown code is refused before anything else, naming the codes there are.
    const auto [unknownCode, unknown] = said({"--lang", "xx", "--help"});
    QCOMPARE(unknownCode, 2);
    QVERIFY2(unknown.startsWith("memorant: Unknown language \"xx\": --lang takes one of en, de, "
                                "fr, es\n"),
             qPrintable(unknown));
}

void TestProgram::lockFilesThatNameNoProgram_data() {
    QTest::addColumn<QString>("lock"); // what lies where the lock file belongs
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::newRow("empty, as a power cut leaves it") << "empty" << 0 << "";
    QTest::newRow("garbage") << "garbage" << 0 << "";
    QTest::newRow("a folder") << "folder" << 1 << "is a folder";
    QTest::newRow("another host's") << "host" << 1 << "another computer";
}

void TestProgram::lockFilesThatNameNoProgram() {
    QFETCH(QString, lock);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString path = dir.filePath("VIze.mdb");
    QVERIFY(makeDatabase(path));
    const QString lockFile = path + ".lock";
    if (lock == "folder")
        QVERIFY(QDir().mkdir(lockFile));
    else
        testing::writeFile(lockFile, lock == "empty"     ? QByteArray()
                                     : lock == "garbage" ? QByteArray("\x01\x02 not a lock")
                                                         : QByteArray("4242\nmemorant\nfaraway\n"));
    const auto [code, out] = run(dir, {"--db", path, "export", dir.filePath("out.txt")});
    QVERIFY2(code == exitCode && out.contains(said), qPrintable(out));
    if (exitCode != 0)
        QVERIFY2(out.contains(lockFile), qPrintable(out)); // says which file stands in the way
    else
        QVERIFY(!QFileInfo(lockFile).isFile()); // taken over, and let go at the end
}

void TestProgram::backupsInTheSameSecondAllSucceed() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VIze.mdb");
    QVERIFY(makeDatabase(path));
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < 3; ++i)
        runs.emplace_back(start(dir, {"--db", path, "backup"}));
    for (auto& p : runs) {
        QVERIFY(p->waitForFinished(30000));
        QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
    }
    QCOMPARE(data::listBackups(path).size(), 3);
    QVERIFY(QDir(data::backupFolder(path)).entryList({"*.partial"}, QDir::Files).isEmpty());
}

void TestProgram::commandsOnlyRead_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("check") << "check";
    QTest::newRow("backup") << "backup";
}

void TestProgram::commandsOnlyRead() {
    QFETCH(QString, command);
    QTemporaryDir dir;
    // A read-only file of the version before files carried an identity, with a damaged
    // backup among its backups.
    const QString path = dir.filePath("VIze.mdb");
    QVERIFY(QFile::copy(QStringLiteral(MEMORANT_FIXTURES "/version3.mdb"), path));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QString bad = dir.filePath("backups/VIze.mdb-2026-01-01-100000.mdb");
    QVERIFY(QDir().mkpath(dir.filePath("backups")));
    testing::writeFile(bad, QByteArray("SQLite format 3\0") + QByteArray(5000, 'x'));
    const QByteArray before = testing::readFile(path);

    const auto [code, out] = run(dir, {"--db", path, command});
    QVERIFY2(code == 0, qPrintable(out));
    QCOMPARE(testing::readFile(path), before);
    QVERIFY(!QFile::exists(path + "-wal") && !QFile::exists(path + "-shm"));
    QVERIFY(data::databaseId(path).isEmpty()); // only an upgrade writes the identity
    if (command == "backup") {
        QCOMPARE(data::listBackups(path).size(), 2);
        QVERIFY(data::databaseId(data::listBackups(path).first().path).isEmpty());
    }

    // Without a display, the damaged backup is marked as such in the list.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.write(QByteArray(4096, '\0')); // the first page gone
    f.close();
    const auto [damagedCode, listed] = run(dir, {"--db", path, command});
    QCOMPARE(damagedCode, 1);
    QVERIFY2(listed.contains("damaged") && listed.contains(bad + "  (damaged)"),
             qPrintable(listed));
}

void TestProgram::missingFileWithCopiesBesideMakesNoSample() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VIze.mdb");
    QVERIFY(makeDatabase(path));
    // What a restore killed midway left before restores kept the file in place.
    const QString copy = dir.filePath("VIze.before-restore-2026-03-11-093000");
    QVERIFY(QFile::rename(path, copy));
    const auto [code, said] = run(dir, {"--db", path});
    QVERIFY2(code == 1 && said.contains(copy), qPrintable(said));
    QVERIFY(!QFile::exists(path) && QFile::exists(copy));
}

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
