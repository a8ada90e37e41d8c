// SPDX-License-Identifier: GPL-3.0-or-later
// The commands run in this process, their output caught by CommandStreams.
#include "cli/Commands.h"
#include "data/Database.h"
#include "support/TempDatabase.h"

#include <QtTest>

namespace {

struct Said {
    int code = -1;
    QString out;
    QString err;
};

Said run(const QString& databasePath, const QString& name, const QStringList& args) {
    Said said;
    data::closeAllConnections(); // the command opens the file as a program of its own would
    const cli::CommandEntry* command = cli::findCommand(name);
    if (!command)
        return said;
    {
        cli::CommandStreams streams(&said.out, &said.err);
        said.code = cli::runCommand(*command, {databasePath, args});
    }
    data::closeAllConnections();
    return said;
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
  private slots:
    void helpPrintsTheCommandsUsage_data();
    void helpPrintsTheCommandsUsage();
    void misuseAndFailureGoToTheErrorStream_data();
    void misuseAndFailureGoToTheErrorStream();
    void statsShowsTheLogPastOddDates_data();
    void statsShowsTheLogPastOddDates();
};

void TestCommands::helpPrintsTheCommandsUsage_data() {
    // The usage is made from the options each command declares: it must read as documented.
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("usage");
    QTest::newRow("import-list") << "import-list"
                                 << "import-list FILE [--set NAME] [--separator C] "
                                    "[--header|--no-header] [--multi] "
                                    "[--encoding utf-8|utf-16|windows-1252]\n";
    QTest::newRow("import, options first") << "import"
                                           << "import [--with-log] FILE\n";
    QTest::newRow("stats, no operand") << "stats"
                                       << "stats [--days N] [--set NAME] [--csv]\n";
    QTest::newRow("check, nothing") << "check"
                                    << "check\n";
}

void TestCommands::helpPrintsTheCommandsUsage() {
    QFETCH(QString, command);
    QFETCH(QString, usage);
    // No database is needed, nor touched, to say how a command is used.
    const Said said = run(QStringLiteral("/nonexistent/VIze.mdb"), command, {"--help"});
    QCOMPARE(said.code, 0);
    QVERIFY2(said.out.startsWith("Usage: memorant [--db PATH] " + usage), qPrintable(said.out));
    QVERIFY(said.err.isEmpty());
}

void TestCommands::misuseAndFailureGoToTheErrorStream_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("export without a file")
        << "export" << QStringList{} << 2 << "memorant: export needs exactly one FILE\n";
    QTest::newRow("check with words")
        << "check" << QStringList{"now"} << 2 << "memorant: check takes no arguments\n";
    // Each command keeps its own words for a word it does not know and an operand too many.
    QTest::newRow("import with a word it does not know")
        << "import" << QStringList{"--whole", "x.txt"} << 2
        << "memorant: import needs exactly one FILE\n";
    QTest::newRow("import-list with a file too many")
        << "import-list" << QStringList{"a.csv", "b.csv", "--bogus"} << 2
        << "memorant: import-list takes one file; \"b.csv\" is one too many\n";
    QTest::newRow("stats with an operand") << "stats" << QStringList{"--csv", "all"} << 2
                                           << "memorant: stats does not understand \"all\"\n";
    QTest::newRow("stats with a word it does not know")
        << "stats" << QStringList{"--all"} << 2
        << "memorant: stats does not understand \"--all\"\n";
    QTest::newRow("stats without a value")
        << "stats" << QStringList{"--set"} << 2 << "memorant: --set needs a value\n";
    for (const char* days : {"0", "x"})
        QTest::addRow("stats --days %s", days)
            << "stats" << QStringList{"--days", days} << 2
            << QStringLiteral("memorant: --days needs a whole number of days from 1 to 100000, "
                              "not \"%1\"\n")
                   .arg(days);
    // Set names are told apart by case, as the log keeps them.
    QTest::newRow("stats for a set nobody uses")
        << "stats" << QStringList{"--set", "verbs"} << 1
        << "memorant: There is no set \"verbs\", and no log row names it\n";
}

void TestCommands::misuseAndFailureGoToTheErrorStream() {
    QFETCH(QString, command);
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    testing::TempDatabase t;
    t.addSet("Verbs");
    const Said said = run(t.path(), command, args);
    QCOMPARE(said.code, code);
    QVERIFY2(said.err.startsWith(message), qPrintable(said.err));
    QVERIFY(said.out.isEmpty());
}

void TestCommands::statsShowsTheLogPastOddDates_data() {
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QString>("note");
    QTest::newRow("a day at each end of time")
        << QStringList{"0001-01-01", "9999-12-31"}
        << "2 log rows are dated outside 1900-01-01 to 2199-12-31";
    QTest::newRow("dates that are no day, sorting first")
        << QStringList{"12/07/2026", "1999-02-30", "0002"} << "3 log rows have no readable date";
}

// Two replies today beside the odd rows: both are counted, per day and per set, and the
// odd rows are named.
void TestCommands::statsShowsTheLogPastOddDates() {
    QFETCH(QStringList, dates);
    QFETCH(QString, note);
    testing::TempDatabase t;
    t.addSet("Verbs");
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString add = "INSERT INTO Log (\"Date\", SetName, CardID, Result) "
                        "VALUES (?, 'Verbs', 1, ?)";
    for (const QString& date : dates)
        t.exec(add, {date, "Wrong"});
    t.exec(add, {today, "Correct"});
    t.exec(add, {today, "Wrong"});

    const Said csv = run(t.path(), "stats", {"--csv"});
    QCOMPARE(csv.code, 0);
    QVERIFY2(csv.out.contains(today + ",2,1,1,0.5000\n"), qPrintable(csv.out));
    QVERIFY2(csv.out.contains("\nVerbs,0,0,2,1,0.5000,\n"), qPrintable(csv.out));
    QVERIFY2(csv.err.contains(note), qPrintable(csv.err));
    const Said text = run(t.path(), "stats", {});
    QCOMPARE(text.code, 0);
    QVERIFY2(text.out.contains(note), qPrintable(text.out));
}

QTEST_GUILESS_MAIN(TestCommands)
#include "test_commands.moc"
