// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a list as a new set and exporting a set as a list, against a real database.
#include "support/Files.h"
#include "support/TempDatabase.h"
#include "wordlist/WordListExport.h"
#include "wordlist/WordListImport.h"

#include <QtTest>

using testing::listPath;
using testing::readFile;
using testing::writeFile;

namespace {

// Every card of the set as "question=answers", answers of a multiple-answer card sorted.
QStringList cardsOf(const testing::TempDatabase& t, const QString& setName) {
    return t.column("SELECT Question || '=' || iif(Answer = 'Multi', 'Multi:' || (SELECT "
                    "group_concat(M_Answer, '|') FROM (SELECT M_Answer FROM MultipleAnswers m "
                    "WHERE m.Card_ID = c.Card_ID ORDER BY M_Answer)), Answer) FROM Card c JOIN "
                    "Set_Card_rel r USING (Card_ID) JOIN Set1 s USING (Set_ID) WHERE s.SetName "
                    "= ? ORDER BY c.Card_ID",
                    {setName});
}

wordlist::ListImportOutcome importFile(const testing::TempDatabase& t, const QString& path,
                                       wordlist::ListOptions options = {}) {
    return wordlist::importList(t.db(), wordlist::readListFile(path), options);
}

// Sets, cards and their ties, counted.
QString counts(const testing::TempDatabase& t) {
    return t
        .scalar("SELECT (SELECT COUNT(*) FROM Set1) || ' ' || (SELECT COUNT(*) FROM Card) || "
                "' ' || (SELECT COUNT(*) FROM Set_Card_rel)")
        .toString();
}

} // namespace

class TestWordListImport : public QObject {
    Q_OBJECT
  private slots:
    void importsOneSetWithItsCards();
    void setNameIsMadeUnique_data();
    void setNameIsMadeUnique();
    void failingListAddsNothing_data();
    void failingListAddsNothing();
    void multipleAnswerCards();
    void exportThenImportGivesTheSameCards();
    void chosenEncodingReadsAStrayByte_data();
    void chosenEncodingReadsAStrayByte();
};

void TestWordListImport::importsOneSetWithItsCards() {
    testing::TempDatabase t;
    const wordlist::ListImportOutcome done = importFile(t, listPath("blank_short.csv"));
    QCOMPARE(QStringLiteral("%1 %2/%3").arg(done.setName).arg(done.cards).arg(done.skipped),
             "blank_short 2/5");
    QCOMPARE(cardsOf(t, done.setName), (QStringList{"red=rot", "blue=blau"}));
    QCOMPARE(counts(t), "1 2 2");
    // A new card's order key is its id, as for a card typed into the grid.
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card WHERE \"Order\" = Card_ID").toInt(), 2);
}

void TestWordListImport::setNameIsMadeUnique_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("given");
    QTest::newRow("free") << "Verbs" << QStringList{"Other"} << "Verbs";
    QTest::newRow("taken") << "Verbs" << QStringList{"Verbs"} << "Verbs 2";
    QTest::newRow("taken in another case")
        << "Verbs" << QStringList{"VERBS", "verbs 2"} << "Verbs 3";
    QTest::newRow("taken, cyrillic case") << "глаголы" << QStringList{"ГЛАГОЛЫ"} << "глаголы 2";
    QTest::newRow("from the file name") << "" << QStringList{"crlf"} << "crlf 2";
}

void TestWordListImport::setNameIsMadeUnique() {
    QFETCH(QStringList, existing);
    QFETCH(QString, asked);
    QFETCH(QString, given);
    testing::TempDatabase t;
    for (const QString& name : existing)
        t.addSet(name);
    wordlist::ListOptions options;
    options.setName = asked;
    QCOMPARE(importFile(t, listPath("crlf.tsv"), options).setName, given);
    QCOMPARE(cardsOf(t, given), (QStringList{"sun=Sonne", "moon=Mond"}));
}

void TestWordListImport::failingListAddsNothing_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // written to `file` in a fresh folder, when given
    QTest::addColumn<QString>("message");
    const QByteArray none;
    QTest::newRow("unclosed quote") << listPath("unclosed_quote.csv") << none
                                    << "unclosed_quote.csv, line 4: a quoted field is not closed";
    QTest::newRow("no usable row") << listPath("no_usable.csv") << none
                                   << "no_usable.csv: no row has both a question and an answer "
                                      "(3 skipped)";
    QTest::newRow("UTF-16 without its mark") << listPath("utf16_no_bom.txt") << none
                                             << "utf16_no_bom.txt, line 1: this is not a text list";
    QTest::newRow("missing file") << listPath("missing.csv") << none
                                  << "missing.csv: the file cannot be read";
    QTest::newRow("one stray byte in UTF-8")
        << "stray.csv" << QByteArray("Z\xC3\xBCrich;Zurich\nok;fine\ncaf\xE9;coffee\n")
        << "stray.csv, line 3: this line holds a byte that is not UTF-8";
    QTest::newRow("nothing but line breaks")
        << "breaks.csv" << QByteArray(1'000'000, '\n')
        << "breaks.csv: no row has both a question and an answer (0 skipped)";
    QTest::newRow("a device") << "/dev/zero" << none << "/dev/zero is a device, not a regular file";
}

void TestWordListImport::failingListAddsNothing() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    testing::TempDatabase t;
    if (!bytes.isEmpty()) {
        file = t.dir() + QLatin1Char('/') + file;
        writeFile(file, bytes);
    }
    t.addCard("keep", "me", t.addSet("Mine"));
    try {
        importFile(t, file);
        QFAIL("the import should have been refused");
    } catch (const wordlist::WordListError& e) {
        QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
    }
    QCOMPARE(counts(t), "1 1 1");
}

void TestWordListImport::multipleAnswerCards() {
    testing::TempDatabase t;
    wordlist::ListOptions options;
    options.columns.multi = true;
    const wordlist::ListImportOutcome done = importFile(t, listPath("multi.tsv"), options);
    QCOMPARE(QStringLiteral("%1/%2").arg(done.cards).arg(done.skipped), "2/2");
    QCOMPARE(cardsOf(t, done.setName),
             (QStringList{"colours of the flag=Multi:black|gold|red", "single=one"}));
    // The order of the answers does not matter for a list's card.
    QCOMPARE(t.scalar("SELECT ShowOrder FROM Card WHERE Answer = 'Multi'").toInt(), 0);
}

void TestWordListImport::exportThenImportGivesTheSameCards() {
    testing::TempDatabase t;
    const qint64 set = t.addSet("Mixed");
    // A first card that reads like a header line must come back too.
    t.addCard("English", "Englisch", set);
    t.addCard("日本", "Japan 🙂", set);
    t.addCard("tab\there", "say \"hi\"", set);
    t.addCard(" blank ", "a;b,c", set);
    const qint64 multi = t.addCard("primary colours", "Multi", set);
    t.addAnswers(multi, {"red", "yellow", "blue"});
    const QStringList before = cardsOf(t, QStringLiteral("Mixed"));

    // A card's picture cannot go into a list: left out, and said.
    t.exec("INSERT INTO Media (Hash, Mime, Data) VALUES ('p', 'image/gif', x'00')");
    t.exec("UPDATE Card SET Picture = 'p' WHERE Question = 'English'");

    const QString first = t.dir() + QStringLiteral("/first.tsv");
    const wordlist::ListExportOutcome written =
        wordlist::exportList(t.db(), QStringLiteral("Mixed"), first);
    QCOMPARE(written.cards, 5);
    QCOMPARE(wordlist::listExportNote(written),
             QStringLiteral("A word list carries no pictures or sounds: 1 card was written without "
                            "them (File > Export or Export set as KVTML keeps them)."));
    QVERIFY(readFile(first).startsWith("Question\tAnswer\tAnswer 2\tAnswer 3\nEnglish\t"));
    wordlist::ListOptions options;
    options.columns.multi = true;
    const wordlist::ListImportOutcome imported = importFile(t, first, options);
    const QString again = imported.setName;
    QCOMPARE(again, QStringLiteral("first"));
    QCOMPARE(imported.skipped, 0);
    QVERIFY(imported.guessedHeader.isEmpty());
    QCOMPARE(cardsOf(t, again), before);
    // And the list written from the imported set is the same file, byte for byte.
    const QString second = t.dir() + QStringLiteral("/second.tsv");
    wordlist::exportList(t.db(), again, second);
    QCOMPARE(readFile(second), readFile(first));
    QVERIFY(readFile(first).contains("\"tab\there\"\t\"say \"\"hi\"\"\""));
    // A set that is not there writes nothing, not even over a file already there.
    QVERIFY_THROWS_EXCEPTION(wordlist::WordListError, wordlist::exportList(t.db(), "Nope", second));
    QCOMPARE(readFile(second), readFile(first));
}

void TestWordListImport::chosenEncodingReadsAStrayByte_data() {
    QTest::addColumn<int>("encoding"); // data::TextEncoding
    QTest::addColumn<QStringList>("cards");
    QTest::newRow("UTF-8") << int(data::TextEncoding::Utf8)
                           << QStringList{"Zürich=Zurich", "caf\uFFFD=coffee"};
    QTest::newRow("Windows-1252") << int(data::TextEncoding::Windows1252)
                                  << QStringList{"ZÃ¼rich=Zurich", "café=coffee"};
}

void TestWordListImport::chosenEncodingReadsAStrayByte() {
    QFETCH(int, encoding);
    QFETCH(QStringList, cards);
    testing::TempDatabase t;
    const QString path = t.dir() + QStringLiteral("/stray.csv");
    writeFile(path, "Z\xC3\xBCrich;Zurich\ncaf\xE9;coffee\n");
    // As the preview does: the file looked at as detected, then another encoding chosen.
    const wordlist::ListFile file = wordlist::readListFile(path);
    QCOMPARE(file.encoding.badLine, 2);
    wordlist::ListOptions options;
    options.encoding = static_cast<data::TextEncoding>(encoding);
    QCOMPARE(cardsOf(t, wordlist::importList(t.db(), file, options).setName), cards);
}

QTEST_GUILESS_MAIN(TestWordListImport)
#include "test_wordlist_import.moc"
