// SPDX-License-Identifier: GPL-3.0-or-later
// memorant import-list and export-list, run as a user would, without a display.
#include "RunCommand.h"
#include "data/DatabaseLock.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <QFile>
#include <QtTest>
#include <sys/resource.h>
#include <sys/stat.h>

using testing::listPath;
using testing::memorant;
using testing::Run;

class TestWordListCommands : public QObject {
    Q_OBJECT
  private slots:
    void importThenExport();
    void refusals_data();
    void refusals();
    void importIsRefusedWhileTheFileIsLocked();
    void specialFilesAreRefusedAtOnce_data();
    void specialFilesAreRefusedAtOnce();
    void peakMemoryStaysNearTheFileSize_data();
    void peakMemoryStaysNearTheFileSize();
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
    QCOMPARE(testing::readFile(out), QByteArray("Question\tAnswer\nred\trot\nblue\tblau\n"));

    // A first line taken as a header by its words is named, with the way to keep it.
    r = memorant({"--db", t.path(), "import-list", listPath("cp1252_header.csv")});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.endsWith("; line 1 (\"English\", \"German\") was taken as a header "
                            "(--no-header keeps it as a card).\n"),
             qPrintable(r.out));
    // A stray byte is refused unless the encoding is named.
    const QString stray = t.dir() + QStringLiteral("/stray.csv");
    testing::writeFile(stray, "Z\xC3\xBCrich;Zurich\ncaf\xE9;coffee\n");
    r = memorant({"--db", t.path(), "import-list", stray});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains("stray.csv, line 2: this line holds a byte that is not UTF-8") &&
                 r.err.contains("--encoding"),
             qPrintable(r.err));
    r = memorant({"--db", t.path(), "import-list", stray, "--encoding", "windows-1252"});
    QCOMPARE(r.code, 0);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card WHERE Question = 'café'").toInt(), 1);

    // One of a thing is said in the singular.
    const QString one = t.dir() + QStringLiteral("/one.csv");
    testing::writeFile(one, "sun;Sonne\n;empty\n");
    r = memorant(
        {"--db", t.path(), "import-list", one, "--separator", ";", "--no-header", "--set", "One"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral(
                        "Imported 1 card from one.csv into the new set \"One\"; 1 row skipped.\n"));
    r = memorant({"--db", t.path(), "export-list", "One", t.dir() + QStringLiteral("/one.tsv")});
    QVERIFY2(r.out.startsWith("Exported 1 card of the set \"One\""), qPrintable(r.out));
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
    QTest::newRow("bad encoding") << QStringList{"import-list", listPath("crlf.tsv"), "--encoding",
                                                 "latin-1"}
                                  << 2 << "--encoding takes utf-8, utf-16 or windows-1252";
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

void TestWordListCommands::specialFilesAreRefusedAtOnce_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("fifo"); // else /dev/zero
    for (const char* command : {"import", "import-list", "export", "export-list"}) {
        QTest::addRow("%s, named pipe", command) << QString::fromLatin1(command) << true;
        QTest::addRow("%s, device", command) << QString::fromLatin1(command) << false;
    }
}

void TestWordListCommands::specialFilesAreRefusedAtOnce() {
    QFETCH(QString, command);
    QFETCH(bool, fifo);
    testing::TempDatabase t;
    t.addCard("a", "b", t.addSet("Mine"));
    const QString file = fifo ? t.dir() + QStringLiteral("/pipe") : QStringLiteral("/dev/zero");
    if (fifo)
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    QStringList args{"--db", t.path(), command};
    if (command == QStringLiteral("export-list"))
        args << "Mine";
    // A reader that waited on the pipe, or read the device, would be killed after 10 s.
    const Run r = memorant(args << file, 10000);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QStringLiteral("%1 is %2, not a regular file")
                                .arg(file, fifo ? "a named pipe" : "a device")),
             qPrintable(r.err));
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Set1").toInt(), 1);
    if (fifo) // not replaced by a file
        QVERIFY(QFileInfo::exists(file) && !QFileInfo(file).isFile() &&
                !QFile::exists(file + ".multi"));
}

void TestWordListCommands::peakMemoryStaysNearTheFileSize_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("code");
    QTest::newRow("nothing but line breaks") << QByteArray("\n") << 1;
    QTest::newRow("long rows") << "word;" + QByteArray(4000, 'x') + "\n" << 0;
}

void TestWordListCommands::peakMemoryStaysNearTheFileSize() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("The address sanitizer keeps freed memory aside, so the peak says nothing here");
#endif
    QFETCH(QByteArray, line);
    QFETCH(int, code);
    testing::TempDatabase t;
    const QString list = t.dir() + QStringLiteral("/big.csv");
    testing::writeFile(list, line.repeated(int((64 << 20) / line.size()) + 1)); // 64 MB
    const qint64 size = QFileInfo(list).size();
    const Run r = memorant({"--db", t.path(), "import-list", list}, 120000);
    QCOMPARE(r.code, code);
    // The largest child so far: this one, unless the limit holds for it anyway.
    rusage usage{};
    QCOMPARE(getrusage(RUSAGE_CHILDREN, &usage), 0);
    const qint64 peak = qint64(usage.ru_maxrss) * 1024;
    QVERIFY(peak > 0);
    QVERIFY2(peak <= 2 * size + (100 << 20),
             qPrintable(QStringLiteral("peak %1 MB for %2 MB").arg(peak >> 20).arg(size >> 20)));
}

QTEST_GUILESS_MAIN(TestWordListCommands)
#include "test_wordlist_commands.moc"
