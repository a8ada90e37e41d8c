// SPDX-License-Identifier: GPL-3.0-or-later
// The commands run in this process, their output caught by CommandStreams.
#include "cli/Commands.h"
#include "data/Database.h"
#include "i18n/Language.h"
#include "support/OtherProgram.h"
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
    void initTestCase();
    void helpPrintsTheCommandsUsage_data();
    void helpPrintsTheCommandsUsage();
    void misuseAndFailureGoToTheErrorStream_data();
    void misuseAndFailureGoToTheErrorStream();
    void statsShowsTheLogPastOddDates_data();
    void statsShowsTheLogPastOddDates();
    void dueListsWhatTheModelKnows();
    void exportSaysWhatItsCompanionCarries_data();
    void exportSaysWhatItsCompanionCarries();
};

void TestCommands::initTestCase() {
    // As the program starts: English, whose file holds the singular of "%n cards".
    QVERIFY(i18n::useLanguage(QStringLiteral("en")));
}

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
                                       << "stats [--days N] [--set NAME] [--csv] [--forecast]\n";
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

// The line names what the companion carries; with every set asked one way it reads as before.
void TestCommands::exportSaysWhatItsCompanionCarries_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("multi");
    QTest::addColumn<QString>("said");
    QTest::newRow("nothing") << 0 << false << "";
    QTest::newRow("answer lists") << 0 << true << ", the answer lists of multiple-answer cards to ";
    QTest::newRow("directions") << 1 << false << ", what is asked answer to question to ";
    QTest::newRow("both") << 2 << true
                          << ", the answer lists of multiple-answer cards and what is asked "
                             "answer to question to ";
}

void TestCommands::exportSaysWhatItsCompanionCarries() {
    QFETCH(int, direction);
    QFETCH(bool, multi);
    QFETCH(QString, said);
    testing::TempDatabase t;
    const qint64 set = t.addSet("Words");
    t.addCard("chien", "dog", set);
    if (multi) {
        const qint64 card = t.addCard("several", "Multi", set);
        t.exec("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, 'x')", {card});
    }
    t.exec("UPDATE Set1 SET Direction = ?", {direction});
    const Said out = run(t.path(), "export", {QFileInfo(t.path()).dir().filePath("out.txt")});
    QCOMPARE(out.code, 0);
    if (said.isEmpty())
        QVERIFY2(!out.out.contains(".multi"), qPrintable(out.out));
    else
        QVERIFY2(out.out.contains(said), qPrintable(out.out));
}

// The due cards as text, and every answered card and way as CSV for other tools.
void TestCommands::dueListsWhatTheModelKnows() {
    testing::TempDatabase t;
    const qint64 set = t.addSet("Words, old");
    const qint64 card = t.addCard("chien", "dog", set);
    t.addCard("chat", "cat", set);
    const QString add = "INSERT INTO Log (\"Date\", SetName, CardID, Result, Direction) "
                        "VALUES (?, 'Words, old', ?, ?, ?)";
    t.exec(add, {"2025-01-01", card, "Correct", QVariant()});
    t.exec(add, {QDate::currentDate().toString(Qt::ISODate), card, "Wrong", "reverse"});

    const Said csv = run(t.path(), "due", {"--csv"});
    QCOMPARE(csv.code, 0);
    const QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("card_id,set,direction,stability,difficulty,"
                                            "retrievability,last_day,next_day"));
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[1].startsWith(QString("%1,\"Words, old\",forward,").arg(card)),
             qPrintable(lines[1]));
    QVERIFY2(lines[1].endsWith(",2025-01-01,2025-01-03"), qPrintable(lines[1]));
    QVERIFY2(lines[2].startsWith(QString("%1,\"Words, old\",reverse,").arg(card)),
             qPrintable(lines[2]));
    QCOMPARE(lines[1].split(',').value(4).section('.', 1).size(), 6); // six decimals

    const Said text = run(t.path(), "due", {});
    QCOMPARE(text.code, 0);
    QVERIFY2(text.out.startsWith("Words, old\tchien\trecall "), qPrintable(text.out));
    QVERIFY2(text.out.endsWith("1 card due today.\n"), qPrintable(text.out));

    const Said unknown = run(t.path(), "due", {"--set", "Nope"});
    QCOMPARE(unknown.code, 1);
    QVERIFY2(unknown.err.contains("There is no set \"Nope\""), qPrintable(unknown.err));

    // The forecast: the card long unseen is due today, the other way of it not before
    // tomorrow; 30 days from today.
    const Said forecast = run(t.path(), "stats", {"--forecast", "--csv"});
    QCOMPARE(forecast.code, 0);
    const QStringList days = forecast.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(days.size(), 31);
    QCOMPARE(days[0], QStringLiteral("date,due"));
    QCOMPARE(days[1], QDate::currentDate().toString(Qt::ISODate) + ",1");
    QCOMPARE(days[2], QDate::currentDate().addDays(1).toString(Qt::ISODate) + ",1");
    QVERIFY2(run(t.path(), "stats", {"--forecast"})
                 .out.endsWith("No card has been answered when due yet.\n"),
             qPrintable(forecast.out));

    // The recall the learner wants moves the next day: less recall, a longer interval.
    QVERIFY(testing::writeIn(t.path(), {"UPDATE Fields1 SET Retention = 0.7"}));
    const QStringList at70 = run(t.path(), "due", {"--csv"}).out.split('\n', Qt::SkipEmptyParts);
    QVERIFY2(at70.value(1).section(',', -1) > lines[1].section(',', -1), qPrintable(at70.value(1)));
}

QTEST_GUILESS_MAIN(TestCommands)
#include "test_commands.moc"
