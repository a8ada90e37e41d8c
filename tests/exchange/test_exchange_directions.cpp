// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeFiles.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "support/TempDatabase.h"

#include <QtTest>
#include <memory>

using testing::digest;
using testing::importInto;
using testing::kUs;
using testing::linesOf;
using testing::readFile;
using testing::TempDatabase;

namespace {

// "Verbs" asked both ways: "to go" asked back already, "to see" not yet. "Nouns" asked
// answer to question: "house". Three replies, two of them given answer to question.
void seedDirections(TempDatabase& s) {
    const qint64 verbs = s.addSet("Verbs");
    const qint64 go = s.addCard("to go", "gehen", verbs);
    s.addCard("to see", "sehen", verbs);
    const qint64 nouns = s.addSet("Nouns");
    const qint64 house = s.addCard("house", "Haus", nouns);
    s.exec("UPDATE Set1 SET Direction = 2 WHERE Set_ID = ?", {verbs});
    s.exec("UPDATE Set1 SET Direction = 1 WHERE Set_ID = ?", {nouns});
    s.exec("INSERT INTO CardReverse (Card_ID, \"Order\", Rating, Correct, Incorrect, Demons) "
           "VALUES (?, 0.375, -1.5, 1, 2, 1), (?, NULL, 0.25, 0, 0, 0)",
           {go, house});
    s.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result, Direction) VALUES "
           "('2024-01-02', 'Verbs', ?, 'Correct', NULL), "
           "('2024-01-03', 'Verbs', ?, 'Wrong', 'reverse'), "
           "('2024-01-04', 'Nouns', ?, 'Correct', 'reverse')",
           {go, go, house});
}

QStringList setDirections(const TempDatabase& t) {
    return t.column("SELECT SetName || ' ' || Direction FROM Set1 ORDER BY Set_ID");
}

QStringList reverseValues(const TempDatabase& t) {
    return t.column("SELECT c.Question || ' ' || quote(r.\"Order\") || ' ' || r.Rating || ' ' || "
                    "r.Correct || ' ' || r.Incorrect || ' ' || r.Demons FROM CardReverse r "
                    "JOIN Card c ON c.Card_ID = r.Card_ID ORDER BY r.Card_ID");
}

QStringList logDirections(const TempDatabase& t) {
    return t.column("SELECT c.Question || ' ' || l.\"Date\" || ' ' || quote(l.Direction) "
                    "FROM Log l JOIN Card c ON c.Card_ID = l.CardID ORDER BY l.RecID");
}

} // namespace

class TestExchangeDirections : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void directionsTravelThroughTheCompanion();
    void olderCompanionImportsAsBefore();
    void brokenSectionsAreRefusedWithTheirLine_data();
    void brokenSectionsAreRefusedWithTheirLine();

  private:
    std::unique_ptr<QTemporaryDir> files = std::make_unique<QTemporaryDir>();
    std::unique_ptr<TempDatabase> t;
};

void TestExchangeDirections::cleanup() {
    t.reset();
    files = std::make_unique<QTemporaryDir>();
}

// Written with a decimal comma and read on a system with a point; merged as the records
// are: only the sets and cards added now take what the companion says of them, under the
// names the merge gives them.
void TestExchangeDirections::directionsTravelThroughTheCompanion() {
    const QString path = files->filePath("ExportBuffer.txt");
    {
        TempDatabase source;
        seedDirections(source);
        // Answer lists come before the sections; an answer may read like a section's head.
        const qint64 colours = source.addCard("Colours", "Multi", source.addSet("Multi"));
        source.addAnswers(colours, {"red", "set directions", "reverse values\t1"});
        const exchange::ExportOutcome done =
            exchange::Export(source.db(), exchange::ValueForms(QLocale(QStringLiteral("de_DE"))))
                .run(path);
        QVERIFY(done.directions && done.companion);
    }
    QCOMPARE(linesOf(exchange::companionPath(path)).value(2), QStringLiteral("version\t2"));

    t = std::make_unique<TempDatabase>();
    const qint64 own = t->addCard("to go", "gehen", t->addSet("Verbs"));
    t->exec("INSERT INTO CardReverse (Card_ID, \"Order\", Rating) VALUES (?, 9, 9)", {own});
    const exchange::ImportOutcome done = importInto(*t, path, true);
    QCOMPARE(done.logRowsAdded, 3);
    QCOMPARE(setDirections(*t), (QStringList{"Verbs 0", "Verbs1 2", "Nouns 1", "Multi 0"}));
    QCOMPARE(t->column("SELECT M_Answer FROM MultipleAnswers ORDER BY rowid"),
             (QStringList{"red", "set directions", "reverse values\t1"}));
    QCOMPARE(reverseValues(*t),
             (QStringList{"to go 9.0 9.0 0.0 0.0 0", "to go 0.375 -1.5 1.0 2.0 1",
                          "house NULL 0.25 0.0 0.0 0"}));
    QCOMPARE(logDirections(*t), (QStringList{"to go 2024-01-02 NULL", "to go 2024-01-03 'reverse'",
                                             "house 2024-01-04 'reverse'"}));

    // Again, without the log: "Verbs" would be "Verbs1", which is taken, so it stays out with
    // its card; "Nouns" comes as "Nouns1" with its card and that card's values.
    importInto(*t, path, false);
    QCOMPARE(setDirections(*t),
             (QStringList{"Verbs 0", "Verbs1 2", "Nouns 1", "Multi 0", "Nouns1 1", "Multi1 0"}));
    QCOMPARE(reverseValues(*t).size(), 4);
    QCOMPARE(reverseValues(*t).last(), QStringLiteral("house NULL 0.25 0.0 0.0 0"));
    QCOMPARE(logDirections(*t).size(), 3);
}

// The files this program wrote before directions existed (a fixture): answers as ever,
// and everything asked question to answer.
void TestExchangeDirections::olderCompanionImportsAsBefore() {
    const QString fixture = QStringLiteral(MEMORANT_FIXTURES "/exchange/forward-only.txt");
    const QString path = files->filePath("old.txt");
    QVERIFY(QFile::copy(fixture, path));
    testing::writeFile(exchange::companionPath(path),
                       readFile(exchange::companionPath(fixture))
                           .replace("@TIME@", exchange::ValueForms(kUs).timeFormat().toUtf8()));
    t = std::make_unique<TempDatabase>();
    const exchange::ImportOutcome done = importInto(*t, path, true);
    QVERIFY(done.companionNote.isEmpty());
    QCOMPARE(done.multiCards, 1);
    QCOMPARE(t->column("SELECT M_Answer FROM MultipleAnswers ORDER BY rowid"),
             (QStringList{"red", "green"}));
    QCOMPARE(setDirections(*t), (QStringList{"Verbs 0", "Nouns 0"}));
    QVERIFY(reverseValues(*t).isEmpty());
    QCOMPARE(logDirections(*t), (QStringList{"to go 2024-01-02 NULL", "to go 2024-01-03 NULL"}));
}

// Each row edits the companion of an export of seedDirections(), whose lines are:
//  1 SHA-256   2 forms   3 version   4 "set directions<TAB>2"   5, 6 its lines
//  7 "reverse values<TAB>2"   8, 9 its lines   10 "reverse log rows<TAB>2"   11, 12 its lines
// An edit "N:text" puts text in place of line N ("{1}" standing for the line's first value,
// "\n" starting another line); "N:" alone removes it.
void TestExchangeDirections::brokenSectionsAreRefusedWithTheirLine_data() {
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("says");
    QTest::newRow("a newer version") << QStringList{"3:version\t3"}
                                     << "line 3 says it is of version 3, but this program reads "
                                        "companions up to version 2";
    QTest::newRow("a version that is no number")
        << QStringList{"3:version\ttwo"} << "line 3 holds \"version\ttwo\", but a version is";
    QTest::newRow("an unknown section") << QStringList{"10:reverse replies\t2"}
                                        << "line 10 holds \"reverse replies\t2\", but there is "
                                           "no section \"reverse replies\"";
    QTest::newRow("a section twice") << QStringList{"10:reverse values\t2"}
                                     << "line 10 opens the section \"reverse values\" again, "
                                        "which line 7 opened already";
    QTest::newRow("a head without its count")
        << QStringList{"4:set directions"} << "line 4 holds \"set directions\", but the head of";
    QTest::newRow("a negative count")
        << QStringList{"4:set directions\t-2"} << "line 4 holds a negative number of lines";
    QTest::newRow("no such direction") << QStringList{"6:{1}\t3"} << "line 6 gives the set ";
    QTest::newRow("a value too few") << QStringList{"8:{1}\tNull\t1\t2\t3"}
                                     << "but a line of reverse values (card id, Order, Rating, "
                                        "Correct, Incorrect, Demons) has 6 values";
    QTest::newRow("a value that is no number")
        << QStringList{"9:{1}\tNull\tmuch\t0\t0\t0"} << "line 9 holds \"much\", but it is not a";
    QTest::newRow("a card without its id")
        << QStringList{"9:Null\tNull\t1\t0\t0\t0"} << "line 9 holds \"Null\", but a value is";
    QTest::newRow("a log row twice")
        << QStringList{"12:{1}\n{1}", "10:reverse log rows\t3"} << "line 13 lists the log row";
    QTest::newRow("a set twice") << QStringList{"6:{1}\t1\n{1}\t2", "4:set directions\t3"}
                                 << "line 7 lists the set";
    QTest::newRow("cut short") << QStringList{"12:"}
                               << "line 12 is missing: the file ends too "
                                  "early";
    QTest::newRow("a card's entry after the sections")
        << QStringList{"12:{1}\n 5 "} << "line 13 holds \" 5 \", but the head of a section";
}

// A malformed section refuses the whole import, naming the companion and the line.
void TestExchangeDirections::brokenSectionsAreRefusedWithTheirLine() {
    QFETCH(QStringList, edits);
    QFETCH(QString, says);
    const QString path = files->filePath("ExportBuffer.txt");
    {
        TempDatabase source;
        seedDirections(source);
        exchange::Export(source.db(), exchange::ValueForms(kUs)).run(path);
    }
    const QString companion = exchange::companionPath(path);
    QStringList lines = linesOf(companion);
    QCOMPARE(lines.size(), 12);
    for (const QString& edit : edits) {
        const qsizetype colon = edit.indexOf(QLatin1Char(':'));
        const qsizetype at = edit.left(colon).toInt() - 1;
        lines[at] = edit.mid(colon + 1).replace("{1}", lines[at].section(QLatin1Char('\t'), 0, 0));
    }
    if (lines.last().isEmpty())
        lines.removeLast();
    testing::writeLines(companion, lines.join(QLatin1Char('\n')).split(QLatin1Char('\n')));

    t = std::make_unique<TempDatabase>(true);
    const QString before = digest(t->db());
    try {
        importInto(*t, path, true);
        QFAIL("the file was taken");
    } catch (const exchange::ExchangeError& e) {
        QVERIFY2(e.message().contains(says) && e.message().contains(companion) &&
                     e.message().endsWith("Nothing was changed."),
                 qPrintable(e.message()));
    }
    QCOMPARE(digest(t->db()), before);
}

QTEST_GUILESS_MAIN(TestExchangeDirections)
#include "test_exchange_directions.moc"
