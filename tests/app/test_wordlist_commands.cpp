// memorant import-list and export-list, run as a user would, without a display.
#include "data/DatabaseLock.h"
#include "support/TempDatabase.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

QString listPath(const char* name) {
    return QStringLiteral(MEMORANT_TEST_DATA "/lists/") + QString::fromLatin1(name);
}

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run memorant(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY")); // commands need none
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MEMORANT_BINARY), args);
    if (!p.waitForFinished(30000))
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestWordListCommands : public QObject {
    Q_OBJECT
  private slots:
    void importThenExport();
    void refusals_data();
    void refusals();
    void importIsRefusedWhileTheFileIsLocked();
};

void TestWordListCommands::importThenExport() {
    testing::TempDatabase t;
    Run r = memorant({"--db", t.path(), "import-list", listPath("blank_short.csv"), "--set",
                      "Colours", "--separator", ";", "--no-header"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("Imported 2 cards from blank_short.csv into the new set "
                                   "\"Colours\"; 5 rows skipped.\n"));
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card").toInt(), 2);

    r = memorant({"--db", t.path(), "import-list", listPath("multi.tsv"), "--multi"});
    QCOMPARE(r.code, 0);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM MultipleAnswers").toInt(), 3);

    const QString out = t.dir() + QStringLiteral("/colours.tsv");
    r = memorant({"--db", t.path(), "export-list", "Colours", out});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.startsWith("Exported 2 cards of the set \"Colours\""), qPrintable(r.out));
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("red\trot\nblue\tblau\n"));
}

void TestWordListCommands::refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << QStringList{"import-list"} << 2 << "needs the file";
    QTest::newRow("bad separator")
        << QStringList{"import-list", listPath("crlf.tsv"), "--separator", "ab"} << 2
        << "--separator takes one character";
    QTest::newRow("failing row") << QStringList{"import-list", listPath("unclosed_quote.csv")} << 1
                                 << "unclosed_quote.csv, line 4:";
    QTest::newRow("missing set") << QStringList{"export-list", "Nope", "/tmp/x.tsv"} << 1
                                 << "no set named \"Nope\"";
    QTest::newRow("export needs two words")
        << QStringList{"export-list", "Nope"} << 2 << "needs the set's name and the file";
}

void TestWordListCommands::refusals() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    testing::TempDatabase t;
    const Run r = memorant(QStringList{"--db", t.path()} + args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Set1").toInt(), 0);
}

void TestWordListCommands::importIsRefusedWhileTheFileIsLocked() {
    testing::TempDatabase t;
    const QString missing = t.dir() + QStringLiteral("/missing.mdb");
    Run r = memorant({"--db", missing, "import-list", listPath("crlf.tsv")});
    QCOMPARE(r.code, 1);
    QVERIFY(!QFile::exists(missing)); // no command creates a database

    data::DatabaseLock lock(t.path());
    QVERIFY(lock.acquire().isEmpty());
    r = memorant({"--db", t.path(), "import-list", listPath("crlf.tsv")});
    QCOMPARE(r.code, 1);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Set1").toInt(), 0);
    // Export only reads, so it works beside a window on the same file.
    t.addCard("a", "b", t.addSet("Mine"));
    r = memorant({"--db", t.path(), "export-list", "Mine", t.dir() + QStringLiteral("/m.tsv")});
    QCOMPARE(r.code, 0);
}

QTEST_GUILESS_MAIN(TestWordListCommands)
#include "test_wordlist_commands.moc"
