// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeFiles.h"
#include "data/Sql.h"
#include "exchange/ExchangeFile.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <QtTest>
#include <functional>
#include <memory>

using testing::digest;
using testing::importInto;
using testing::kUs;
using testing::linesOf;
using testing::readFile;
using testing::TempDatabase;
using testing::writeLines;

namespace {

int count(const TempDatabase& t, const QString& sql, const QVariantList& binds = {}) {
    return t.scalar(sql, binds).toInt();
}

} // namespace

class TestExchange : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void exportWritesTheFormat();
    void brokenFilesAreRefusedWithTheirLine_data();
    void brokenFilesAreRefusedWithTheirLine();
    void otherWritersFilesAreRead_data();
    void otherWritersFilesAreRead();
    void datesAndNumbersKeepTheirMeaningAcrossLocales();
    void importingOwnExportAddsCopiesOnce();
    void twiceTakenNameIsLeftOutWithCardsAndLog();
    void logRowsOnlyWithLogAndOnlyOfCardsAddedNow();
    void logDatesThatAreNoDayAreRefused_data();
    void logDatesThatAreNoDayAreRefused();
    void exportLeavesOutWhatItsImportWouldRefuse();
    void longSetNamesAreCutAsTheyArrive();
    void sharedCardsAndNamesTheFileKeeps();
    void roundTripKeepsEveryTextAndAnswerList();
    void companionOfAnotherFileIsIgnored();
    void lenientReader();
    void filesWithoutDirectionsAreAsBefore();

  private:
    // Exports a database seeded by `seed` (on top of the sample set when `sample`) and
    // closes it; the file stays in `files`.
    QString exportFrom(bool sample, const std::function<void(TempDatabase&)>& seed,
                       exchange::ExportOutcome* outcome = nullptr);
    // An export of the set "Verbs": cards a/b and c/d and the multiple-answer card
    // "Colours": 7 records and the terminator, 216 lines.
    QString exportVerbs();

    std::unique_ptr<QTemporaryDir> files = std::make_unique<QTemporaryDir>();
    std::unique_ptr<TempDatabase> t;
};

// Each test with a database of its own, and a fresh folder.
void TestExchange::cleanup() {
    t.reset();
    files = std::make_unique<QTemporaryDir>();
}

QString TestExchange::exportFrom(bool sample, const std::function<void(TempDatabase&)>& seed,
                                 exchange::ExportOutcome* outcome) {
    const QString path = files->filePath("ExportBuffer.txt");
    {
        TempDatabase source(sample);
        seed(source);
        const exchange::ExportOutcome done =
            exchange::Export(source.db(), exchange::ValueForms(kUs)).run(path);
        if (outcome)
            *outcome = done;
    }
    return path;
}

QString TestExchange::exportVerbs() {
    return exportFrom(false, [](TempDatabase& s) {
        const qint64 set = s.addSet("Verbs");
        s.addCard("a", "b", set);
        s.addCard("c", "d", set);
        const qint64 multi = s.addCard("Colours", "Multi", set);
        s.addAnswers(multi, {"red", "green"});
    });
}

void TestExchange::exportWritesTheFormat() {
    t = std::make_unique<TempDatabase>();
    const QString path = files->filePath("x.txt");
    exchange::Export exporter(t->db(), exchange::ValueForms(kUs));
    // An empty database exports only the terminating block.
    QCOMPARE(exporter.run(path).records, qint64(0));
    QCOMPARE(linesOf(path), QStringList(27, QString()));

    const qint64 set = t->addSet("Verbs");
    t->addCard("to go", "gehen", set);
    t->addCard("to see", "sehen", set);
    // A card's own CurStatus never travels: the column default does. Nor does a set's voice
    // (what one machine has installed): the layout stays as it was.
    t->exec("UPDATE Card SET CurStatus = 7, Active = 5");
    t->exec("UPDATE Set1 SET Voice = 'de'");
    QCOMPARE(exporter.run(path).records, qint64(5));

    const QByteArray first = readFile(path);
    QVERIFY(!first.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = linesOf(path);
    QCOMPARE(lines.size(), 162);
    QVERIFY(lines[0].startsWith(QLatin1Char(' ')) && lines[0].trimmed().toInt() > 0);
    // Lines 4 and 12 hold the CurStatus and Active defaults, line 14 says "not a set".
    QCOMPARE((QStringList{lines[1], lines[3], lines[11], lines[13], lines[2 * 27 + 14],
                          lines[2 * 27 + 16]}),
             (QStringList{"to go", " 0 ", " 1 ", " 0 ", "Verbs", "True"}));
    QCOMPARE(lines.mid(135), QStringList(27, QString()));
    // Even without answer lists the companion names the forms of dates and numbers.
    QCOMPARE(linesOf(exchange::companionPath(path)).mid(1),
             QStringList{"forms\tM/d/yyyy\t" + exchange::ValueForms(kUs).timeFormat() + "\t."});
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM ExportBuffer"), 0);

    // A second export in the same run writes the very same file.
    exporter.run(path);
    QCOMPARE(readFile(path), first);
}

void TestExchange::importingOwnExportAddsCopiesOnce() {
    t = std::make_unique<TempDatabase>(true);
    const qint64 reserved = t->addSet("*set0");
    t->addCard("q", "a", reserved);
    t->exec("UPDATE Set1 SET Voice = 'de'");
    const QString path = files->filePath("x.txt");
    exchange::Export(t->db(), exchange::ValueForms(kUs)).run(path);
    const int cards = count(*t, "SELECT COUNT(*) FROM Card");

    const exchange::ImportOutcome first = importInto(*t, path, false);
    QCOMPARE(first.setsAdded, 1);
    QCOMPARE(t->column("SELECT SetName FROM Set1 ORDER BY Set_ID"),
             (QStringList{"Capitals of Europe", "*set0", "Capitals of Europe1"}));
    // The new set speaks with the database's voice.
    QCOMPARE(t->column("SELECT ifnull(Voice, '-') FROM Set1 ORDER BY Set_ID"),
             (QStringList{"de", "de", "-"}));
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM Card"), 2 * cards - 1);
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM Set_Card_rel r JOIN Set1 s ON s.Set_ID = r.Set_ID "
                       "WHERE s.SetName = 'Capitals of Europe1'"),
             cards - 1);
    // The carriers of the rows that were there before are empty.
    QCOMPARE(count(*t,
                   "SELECT (SELECT COUNT(*) FROM Card WHERE Card_ID <= (SELECT MAX(Card_ID) FROM "
                   "Card) - ? AND SpareID IS NOT '') + (SELECT COUNT(*) FROM Set1 WHERE "
                   "SetName NOT LIKE '%1' AND SpareID IS NOT '')",
                   {cards - 1}),
             0);
    for (const char* table : {"ImportBuffer", "BufferCard", "BufferSet1", "BufferSet_Card_rel",
                              "BufferLog", "ExportBuffer"})
        QVERIFY2(count(*t, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) == 0, table);

    const QString before = digest(t->db());
    const exchange::ImportOutcome second = importInto(*t, path, true);
    QCOMPARE(second.setsAdded + second.cardsAdded + second.logRowsAdded, 0);
    QCOMPARE(digest(t->db()), before);
}

void TestExchange::twiceTakenNameIsLeftOutWithCardsAndLog() {
    t = std::make_unique<TempDatabase>();
    const qint64 a = t->addSet("A");
    const qint64 a1 = t->addSet("A1");
    const qint64 inA = t->addCard("only in A", "x", a);
    const qint64 inA1 = t->addCard("only in A1", "y", a1);
    t->exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
            "('2024-01-02', 'A', ?, 'Correct'), ('2024-01-03', 'A1', ?, 'Wrong')",
            {inA, inA1});
    const QString path = files->filePath("x.txt");
    exchange::Export(t->db(), exchange::ValueForms(kUs)).run(path);

    const exchange::ImportOutcome done = importInto(*t, path, true);
    // "A" would become "A1", which is taken: it stays out with its card and log row.
    QCOMPARE(t->column("SELECT SetName FROM Set1 ORDER BY Set_ID"),
             (QStringList{"A", "A1", "A11"}));
    QCOMPARE(done.cardsAdded, 1);
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM Card WHERE Question = 'only in A'"), 1);
    QCOMPARE(t->column("SELECT SetName FROM Log ORDER BY RecID"), (QStringList{"A", "A1", "A11"}));
}

void TestExchange::logRowsOnlyWithLogAndOnlyOfCardsAddedNow() {
    const QString path = exportFrom(false, [](TempDatabase& s) {
        const qint64 set = s.addSet("Verbs");
        const qint64 card = s.addCard("to go", "gehen", set);
        s.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
               "('2024-01-02', 'Verbs', ?, 'Correct'), "
               "('2024-01-03', 'Verbs', ?, 'Wrong')",
               {card, card + 100}); // the second row's card is gone
    });
    t = std::make_unique<TempDatabase>();
    importInto(*t, path, false);
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM Log"), 0);

    t.reset(); // one main connection at a time
    t = std::make_unique<TempDatabase>();
    const exchange::ImportOutcome done = importInto(*t, path, true);
    QCOMPARE(done.logRowsAdded, 1);
    QCOMPARE(t->column("SELECT c.Question || ' ' || l.SetName || ' ' || l.\"Date\" FROM Log l "
                       "JOIN Card c ON c.Card_ID = l.CardID"),
             QStringList{"to go Verbs 2024-01-02"});
}

void TestExchange::logDatesThatAreNoDayAreRefused_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("says");
    QTest::newRow("the first day of the calendar")
        << "1/1/0001"
        << "is dated 0001-01-01, outside the days a log can hold";
    QTest::newRow("the last day of the calendar") << "12/31/9999 11:59:59 PM"
                                                  << "is dated 9999-12-31, outside the days";
    QTest::newRow("a time without its day") << "9:30:00 AM"
                                            << "which is not a real day";
    QTest::newRow("no date at all") << ""
                                    << "has no date";
}

// With the log, a log row dated where no day of a log can be refuses the file, naming its
// line; without it the file is taken.
void TestExchange::logDatesThatAreNoDayAreRefused() {
    QFETCH(QString, date);
    QFETCH(QString, says);
    const QString path = exportFrom(false, [](TempDatabase& s) {
        const qint64 card = s.addCard("to go", "gehen", s.addSet("Verbs"));
        s.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
               "('2024-01-02', 'Verbs', ?, 'Correct')",
               {card});
    });
    QStringList lines = linesOf(path);
    const qsizetype at = lines.indexOf("1/2/2024");
    QVERIFY(at > 0);
    lines[at] = date;
    writeLines(path, lines);
    t = std::make_unique<TempDatabase>();
    try {
        importInto(*t, path, true);
        QFAIL("the file was taken");
    } catch (const exchange::ExchangeError& e) {
        QVERIFY2(e.message().contains(
                     QStringLiteral("line %1 holds the date of a log row, which ").arg(at + 1)) &&
                     e.message().contains(says) && e.message().contains("import without the log"),
                 qPrintable(e.message()));
    }
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM Card"), 0);
    QCOMPARE(importInto(*t, path, false).cardsAdded, 1);
}

// A database holding what its import would refuse (a log row of another program's date, a
// NUL, a name of a million characters) still moves: those rows stay out, the texts and the
// names are written as they may be stored, and the import takes the file.
void TestExchange::exportLeavesOutWhatItsImportWouldRefuse() {
    exchange::ExportOutcome exported;
    const QString longName = QString(1000001, QLatin1Char('n'));
    const QString path = exportFrom(
        false,
        [&](TempDatabase& s) {
            const qint64 card =
                s.addCard(QStringLiteral("a") + QChar(0) + "b", "c\x01", s.addSet(longName));
            s.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
                   "('12/07/2026', ?, ?, 'Correct'), ('0001-01-01', ?, ?, 'Wrong'), "
                   "('2024-01-02', ?, ?, 'Wrong')",
                   {longName, card, longName, card, longName, card});
        },
        &exported);
    QCOMPARE(exported.logRowsLeftOut, 2);
    QCOMPARE(exported.namesCut, 1);
    QCOMPARE(exported.textsChanged, 2);
    QCOMPARE(exchange::exportNotes(exported).size(), 3);
    t = std::make_unique<TempDatabase>();
    const exchange::ImportOutcome done = importInto(*t, path, true);
    QCOMPARE(done.logRowsAdded, 1);
    QCOMPARE(t->column("SELECT Question || '|' || Answer FROM Card"), QStringList{"ab|c"});
    QCOMPARE(t->column("SELECT SetName FROM Set1"), QStringList{QString(255, 'n')});
    QCOMPARE(t->column("SELECT SetName FROM Log"), QStringList{QString(255, 'n')});
}

// Another program's file with a name past 255 characters: the set and its log rows arrive
// under the name cut, and the import says so.
void TestExchange::longSetNamesAreCutAsTheyArrive() {
    const QString path = exportFrom(false, [](TempDatabase& s) {
        const qint64 card = s.addCard("to go", "gehen", s.addSet("Verbs"));
        s.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
               "('2024-01-02', 'Verbs', ?, 'Correct')",
               {card});
    });
    const QString longName = QString(300, QLatin1Char('v'));
    writeLines(path, linesOf(path).replaceInStrings(QRegularExpression("^Verbs$"), longName));
    t = std::make_unique<TempDatabase>();
    const exchange::ImportOutcome done = importInto(*t, path, true);
    QCOMPARE(done.namesCut, 1);
    QCOMPARE(exchange::namesCutNote(done),
             QStringLiteral("The set name was cut to 255 characters."));
    QCOMPARE(t->column("SELECT SetName FROM Set1 UNION ALL SELECT SetName FROM Log"),
             (QStringList{longName.left(255), longName.left(255)}));
}

void TestExchange::sharedCardsAndNamesTheFileKeeps() {
    const QString path = exportFrom(false, [](TempDatabase& s) {
        const qint64 a = s.addSet("A");
        const qint64 a1 = s.addSet("A1");
        const qint64 b = s.addSet("B");
        const qint64 c = s.addSet("äpfel");
        const qint64 shared = s.addCard("shared", "s", a1);
        s.relate(b, shared);
        s.relate(a, shared); // "A" is left out below
        s.addCard("apple", "Apfel", c);
    });
    t = std::make_unique<TempDatabase>();
    t->addSet("A");
    t->addSet("ÄPFEL");
    t->exec("INSERT INTO Set1 (SetName) VALUES (NULL)"); // which must stop no merge
    importInto(*t, path, false);

    QCOMPARE(t->column("SELECT SetName FROM Set1 ORDER BY Set_ID"),
             (QStringList{"A", "ÄPFEL", "", "A1", "B", "äpfel1"}));
    // One copy of the shared card, tied once to each added set that holds it.
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM Card WHERE Question = 'shared'"), 1);
    QCOMPARE(t->column("SELECT s.SetName FROM Set_Card_rel r JOIN Set1 s ON "
                       "s.Set_ID = r.Set_ID JOIN Card c ON c.Card_ID = r.Card_ID "
                       "WHERE c.Question = 'shared' ORDER BY s.Set_ID"),
             (QStringList{"A1", "B"}));
}

namespace {

// Rewrites the exchange file at `path` (lines of the export of exportVerbs()) and its
// companion as `edit` says: the end of a row's name says how the lines change, a start of
// "UTF-16" or "CR only" how they are written.
void editFiles(const QString& path, const QString& edit) {
    QStringList lines = linesOf(path);
    const QString companion = exchange::companionPath(path);
    QStringList multi = linesOf(companion);
    if (edit.endsWith("cut mid-record"))
        lines = lines.mid(0, 150);
    else if (edit == "cut at a record boundary" || edit == "last block holds data")
        lines = lines.mid(0, 189);
    else if (edit.endsWith("a line deleted"))
        lines.removeAt(29);
    else if (edit == "extra lines")
        lines += QStringList{"x", "y"};
    else if (edit == "a stray byte") // "?" stands for the byte, written below
        lines[1] = "Z?rich", lines[2] = "\u00e9";
    else if (edit == "a NUL character")
        lines[1] = QStringLiteral("a") + QChar(0) + "b";
    else if (edit == "a text too long")
        lines[1] = QString(exchange::kMaxTextLength + 1, 'x');
    else if (edit == "no record of any kind")
        lines = QStringList(54, QString());
    else if (edit == "terminating block only")
        lines = QStringList(27, QString());
    else if (edit == "companion lists a card twice")
        writeLines(companion, multi + multi.mid(2));
    else if (edit == "companion answers a plain card")
        writeLines(companion, (multi[2] = lines[0], multi)); // the id of card "a"
    else if (edit != "UTF-16" && edit != "CR only")
        QFAIL(qPrintable(edit));
    const QString end = edit.startsWith("CR only") ? "\r" : "\r\n";
    const QString text = lines.join(end) + end;
    testing::writeFile(
        path, edit.startsWith("UTF-16")
                  ? QByteArray("\xFF\xFE") +
                        QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2)
                  : text.toUtf8().replace("Z?", "Z\xFC"));
}

} // namespace

// Rows with a file name read that file from the fixtures; the others edit an export.
void TestExchange::brokenFilesAreRefusedWithTheirLine_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("says");
    const QString whole = QStringLiteral("its %1 lines are not whole records of 27 lines; the "
                                         "last record, from line %2, breaks off at line %1");
    const QString cut = "was cut short. Its last block of 27 lines, empty at the end of every "
                        "export, holds data (line 189)";
    const QStringList rows[] = {
        {"cut at a record boundary", "", cut},
        {"cut mid-record", "", whole.arg(150).arg(136)},
        {"a line deleted", "", whole.arg(215).arg(190)},
        {"extra lines", "", whole.arg(218).arg(217)},
        {"UTF-16, cut mid-record", "", whole.arg(150).arg(136)},
        {"CR only, a line deleted", "", whole.arg(215).arg(190)},
        {"a stray byte", "", "line 2 holds a byte that is not UTF-8"},
        {"a NUL character", "", "line 2 holds a NUL character"},
        {"a text too long", "", "line 2 holds a text of 1000001 characters"},
        {"no record of any kind", "", "none of its records is a card"},
        {"companion lists a card twice", "", "line 9 lists the card"},
        {"companion answers a plain card", "", "line 3 gives answers to the card"},
        {"missing", "missing.txt", "does not exist"},
        {"fewer than one block", "short.txt", "fewer than one block"},
        {"id not a number", "bad-id.txt", "line 28 holds \" x1 \""},
        {"not a number", "bad-number.txt", "line 35 holds \" 0.5.1 \""},
        {"impossible date", "bad-date.txt", "line 105 holds \"2024-02-31\""},
        {"one id, two cards", "duplicate-card.txt", "more than one card"}};
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2];
}

void TestExchange::brokenFilesAreRefusedWithTheirLine() {
    QFETCH(QString, file);
    QFETCH(QString, says);
    QString path = QStringLiteral(MEMORANT_FIXTURES "/exchange/") + file;
    if (file.isEmpty()) {
        path = exportVerbs();
        editFiles(path, QString::fromLatin1(QTest::currentDataTag()));
    }
    t = std::make_unique<TempDatabase>(true);
    const QString before = digest(t->db());
    try {
        importInto(*t, path, true);
        QFAIL("the file was taken");
    } catch (const exchange::ExchangeError& e) {
        QVERIFY2(e.message().contains(says), qPrintable(e.message()));
        QVERIFY2(file.isEmpty() || e.message().contains(file), qPrintable(e.message()));
    }
    QCOMPARE(digest(t->db()), before);
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM ImportBuffer"), 0);
}

void TestExchange::otherWritersFilesAreRead_data() {
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("note");
    QTest::newRow("UTF-16") << 3 << "";
    QTest::newRow("CR only") << 3 << "";
    // Records 1 to 6 of 7: the third card has no relation left, so it does not come.
    QTest::newRow("last block holds data") << 2 << "held data (line 189)";
    QTest::newRow("terminating block only") << 0 << "";
}

// Files without a companion, as other programs write them.
void TestExchange::otherWritersFilesAreRead() {
    QFETCH(int, cards);
    QFETCH(QString, note);
    const QString path = exportVerbs();
    QVERIFY(QFile::remove(exchange::companionPath(path)));
    editFiles(path, QString::fromLatin1(QTest::currentDataTag()));
    t = std::make_unique<TempDatabase>();
    const exchange::ImportOutcome done = importInto(*t, path, true);
    QCOMPARE(done.cardsAdded, cards);
    QCOMPARE(t->column("SELECT Question FROM Card ORDER BY Card_ID"),
             (QStringList{"a", "c", "Colours"}.mid(0, cards)));
    QVERIFY2(note.isEmpty() == done.lastBlockNote.isEmpty() && done.lastBlockNote.contains(note),
             qPrintable(done.lastBlockNote));
}

void TestExchange::datesAndNumbersKeepTheirMeaningAcrossLocales() {
    // Day first, slashes, a decimal comma: read wrongly, nothing would fail.
    const exchange::ValueForms there{QLocale(QStringLiteral("es_ES"))};
    const QString path = exportFrom(false, [](TempDatabase& s) { // under en_US
        const qint64 set = s.addSet("Verbs");
        const qint64 card = s.addCard("to go", "gehen", set);
        s.exec("UPDATE Card SET Rating = 1234.25 WHERE Card_ID = ?", {card});
        s.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) VALUES "
               "('2026-11-03', 'Verbs', ?, 'Correct'), "
               "('2026-11-30T14:05:06', 'Verbs', ?, 'Wrong')",
               {card, card});
    });
    t = std::make_unique<TempDatabase>();
    exchange::Import(t->db(), there).run(path, true);
    QCOMPARE(t->column("SELECT \"Date\" FROM Log ORDER BY RecID"),
             (QStringList{"2026-11-03", "2026-11-30T14:05:06"}));
    QCOMPARE(t->column("SELECT Rating FROM Card"), QStringList{"1234.25"});

    // Without the companion the dates are not readable here, but without the log they are
    // not read at all.
    QVERIFY(QFile::remove(exchange::companionPath(path)));
    t.reset();
    t = std::make_unique<TempDatabase>();
    QCOMPARE(exchange::Import(t->db(), there).run(path, false).cardsAdded, 1);
}

void TestExchange::roundTripKeepsEveryTextAndAnswerList() {
    const QStringList texts = {"日本語 — ça", "  blanks  ", "Null", "", "emoji 🦉", " 12 "};
    exchange::ExportOutcome exported;
    const QString path = exportFrom(
        true,
        [&](TempDatabase& s) {
            const qint64 set = s.addSet("Wörter");
            for (const QString& text : texts)
                s.addCard(text, text + "!", set);
            s.addCard("two\nlines", "x", set);
            const qint64 multi = s.addCard("Colours", "Multi", set);
            s.addAnswers(multi, {"red", "grün"});
            s.exec("UPDATE Card SET ShowOrder = 1 WHERE Card_ID = ?", {multi});
            s.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) "
                   "VALUES ('2024-03-04', 'Wörter', ?, 'Correct')",
                   {multi});
        },
        &exported);
    QCOMPARE(exported.textsChanged, 1);
    QVERIFY(exported.companion);

    t = std::make_unique<TempDatabase>(true);
    const exchange::ImportOutcome done = importInto(*t, path, true);
    QVERIFY(done.companionNote.isEmpty());
    QCOMPARE(t->column("SELECT SetName FROM Set1 ORDER BY Set_ID"),
             (QStringList{"Capitals of Europe", "Capitals of Europe1", "Wörter"}));
    QStringList cards;
    for (const QString& text : texts)
        cards << text + "=" + text + "!";
    QCOMPARE(t->column("SELECT c.Question || '=' || c.Answer FROM Card c JOIN Set_Card_rel r ON "
                       "r.Card_ID = c.Card_ID JOIN Set1 s ON s.Set_ID = r.Set_ID WHERE "
                       "s.SetName = 'Wörter' ORDER BY c.Card_ID"),
             (cards + QStringList{"two lines=x", "Colours=Multi"}));
    QCOMPARE(t->column("SELECT a.M_Answer FROM MultipleAnswers a JOIN Card c ON "
                       "c.Card_ID = a.Card_ID WHERE c.Question = 'Colours' "
                       "ORDER BY a.rowid"),
             (QStringList{"red", "grün"}));
    QCOMPARE(count(*t, "SELECT ShowOrder FROM Card WHERE Question = 'Colours'"), 1);
    // The sample's multiple-answer card came back with its answers too.
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM MultipleAnswers"), 2 * 3 + 2);
    QCOMPARE(t->column("SELECT SetName || ' ' || \"Date\" FROM Log"),
             QStringList{"Wörter 2024-03-04"});
}

void TestExchange::companionOfAnotherFileIsIgnored() {
    const QString path = exportFrom(true, [](TempDatabase&) {});
    QStringList lines = linesOf(path);
    lines[1] = QStringLiteral("The capital of France, edited");
    writeLines(path, lines);
    t = std::make_unique<TempDatabase>();
    const exchange::ImportOutcome done = importInto(*t, path, false);
    QVERIFY2(done.companionNote.contains("was ignored"), qPrintable(done.companionNote));
    QCOMPARE(count(*t, "SELECT COUNT(*) FROM MultipleAnswers"), 0);
    QVERIFY(done.cardsAdded > 0);
    QVERIFY(exchange::multiWithoutAnswersNote(done).startsWith("1 "));
}

void TestExchange::lenientReader() {
    // LF line ends, Windows-1252 bytes, a decimal comma, a number without its zero and a
    // local date: as a file from another program may hold them.
    const QString path = exportFrom(false, [](TempDatabase& s) {
        const qint64 set = s.addSet("Cafe");
        const qint64 card = s.addCard("Strasse", "street", set);
        s.exec("UPDATE Card SET Rating = 0.25 WHERE Card_ID = ?", {card});
        s.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result) "
               "VALUES ('2024-03-04', 'Cafe', ?, 'Correct')",
               {card});
    });
    QByteArray bytes = readFile(path);
    bytes.replace("\r\n", "\n");
    bytes.replace("Strasse", "Stra\xDF"
                             "e");
    bytes.replace("Cafe", "Caf\xE9");
    bytes.replace(" 0.25 ", " ,25 ");
    QVERIFY(bytes.contains("3/4/2024"));
    testing::writeFile(path, bytes);

    t = std::make_unique<TempDatabase>();
    importInto(*t, path, true);
    QCOMPARE(t->column("SELECT SetName FROM Set1"), QStringList{"Café"});
    QCOMPARE(t->column("SELECT Question || ' ' || Rating FROM Card"), QStringList{"Straße 0.25"});
    QCOMPARE(t->column("SELECT \"Date\" FROM Log"), QStringList{"2024-03-04"});
}

// Cards, sets, a log and answer lists that are all asked one way write the files this
// program wrote before directions existed, byte for byte (but for the time format, which
// comes from the system's locale data).
void TestExchange::filesWithoutDirectionsAreAsBefore() {
    const QString path = exportFrom(false, [](TempDatabase& s) {
        const qint64 verbs = s.addSet("Verbs");
        const qint64 go = s.addCard("to go", "gehen", verbs);
        s.addCard("to see", "sehen", verbs);
        const qint64 multi = s.addCard("Colours", "Multi", s.addSet("Nouns"));
        s.addAnswers(multi, {"red", "green"});
        s.exec("UPDATE Card SET Rating = 0.25, Correct = 2, Incorrect = 1 WHERE Card_ID = ?", {go});
        s.exec("INSERT INTO Log (\"Date\", SetName, CardID, Result, Direction) VALUES "
               "('2024-01-02', 'Verbs', ?, 'Correct', NULL), ('2024-01-03', 'Verbs', ?, "
               "'Wrong', '')",
               {go, go});
    });
    const QString fixture = QStringLiteral(MEMORANT_FIXTURES "/exchange/forward-only.txt");
    QCOMPARE(readFile(path), readFile(fixture));
    QCOMPARE(readFile(exchange::companionPath(path)),
             readFile(exchange::companionPath(fixture))
                 .replace("@TIME@", exchange::ValueForms(kUs).timeFormat().toUtf8()));
}

QTEST_GUILESS_MAIN(TestExchange)
#include "test_exchange.moc"
