// The real program, started as a user would, offscreen.
#include "data/Database.h"
#include "data/Sql.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

QProcess* start(const QTemporaryDir& dir, const QStringList& args) {
    auto* p = new QProcess;
    p->setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
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

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
  private slots:
    void emptyFolderGetsSampleDatabaseAndSigtermClosesCleanly_data();
    void emptyFolderGetsSampleDatabaseAndSigtermClosesCleanly();
    void badFileIsRefusedWithMessageAndExitCode();
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

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
