// Reading word lists: encodings, quoting, separators, headers, and the rows that make no card.
#include "exchange/CsvReader.h"
#include "exchange/TextDecoding.h"
#include "exchange/WordListImport.h"
#include "exchange/WordListRules.h"

#include <QtTest>

using exchange::ColumnChoice;

namespace {

QString listPath(const char* name) {
    return QStringLiteral(MEMORANT_TEST_DATA "/lists/") + QString::fromLatin1(name);
}

// "line:question=answer" for each card the rows make, "line:skipped" for the others.
QStringList describe(const exchange::ListPreview& preview) {
    QStringList out;
    for (const exchange::PreviewRow& r : preview.rows) {
        out << QStringLiteral("%1:%2").arg(r.line).arg(
            r.card.usable()
                ? r.card.question + QLatin1Char('=') + r.card.answers.join(QLatin1Char('|'))
                : QStringLiteral("skipped"));
    }
    return out;
}

} // namespace

class TestWordListReading : public QObject {
    Q_OBJECT
  private slots:
    void files_data();
    void files();
    void unclosedQuoteNamesItsLine();
    void cardFromRow_data();
    void cardFromRow();
    void exportedFieldsReadBack_data();
    void exportedFieldsReadBack();
    void separatorText_data();
    void separatorText();
};

void TestWordListReading::files_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("multi");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("UTF-8 BOM, comma")
        << listPath("utf8_bom.csv") << "UTF-8 with BOM"
        << "," << false << false
        << QStringList{"1:Haus=house", "2:straße=street", "3:καλημέρα=good morning"};
    QTest::newRow("UTF-8, tab") << listPath("utf8_plain.tsv") << "UTF-8"
                                << "\t" << false << false
                                << QStringList{"1:день=day", "2:ночь=night"};
    QTest::newRow("UTF-16LE BOM") << listPath("utf16le_bom.txt") << "UTF-16LE"
                                  << "\t" << false << false
                                  << QStringList{"1:chat=cat", "2:chien=dog"};
    QTest::newRow("UTF-16BE BOM") << listPath("utf16be_bom.txt") << "UTF-16BE"
                                  << "\t" << false << false
                                  << QStringList{"1:Käse=cheese", "2:€uro=euro"};
    QTest::newRow("Windows-1252, semicolon, header, CR LF")
        << listPath("cp1252_header.csv") << "Windows-1252"
        << ";" << true << false
        << QStringList{"2:beer=Bier", "3:cheese=Käse", "4:“quote”=Anführungszeichen – €"};
    QTest::newRow("quoted separators, quotes and line breaks")
        << listPath("quoted.csv") << "UTF-8"
        << "," << false << false
        << QStringList{"1:one, two=eins zwei",
                       "2:say \"hi\"=sag \"hallo\"",
                       "3:line one=Zeile",
                       "5:skipped",
                       "6:a b=c",
                       "8: x = y "};
    QTest::newRow("CR LF") << listPath("crlf.tsv") << "UTF-8"
                           << "\t" << false << false << QStringList{"1:sun=Sonne", "2:moon=Mond"};
    QTest::newRow("blank and short rows")
        << listPath("blank_short.csv") << "UTF-8"
        << ";" << false << false << QStringList{"2:red=rot", "4:skipped", "5:skipped",  "6:skipped",
                                                "7:skipped", "8:skipped", "9:blue=blau"};
    QTest::newRow("several answers") << listPath("multi.tsv") << "UTF-8"
                                     << "\t" << false << true
                                     << QStringList{"1:colours of the flag=black|red|gold",
                                                    "2:single=one", "3:skipped", "4:skipped"};
    QTest::newRow("several answers ignored without multi")
        << listPath("multi.tsv") << "UTF-8"
        << "\t" << false << false
        << QStringList{"1:colours of the flag=black", "2:single=one", "3:skipped", "4:skipped"};
}

void TestWordListReading::files() {
    QFETCH(QString, file);
    QFETCH(QString, encoding);
    QFETCH(QString, separator);
    QFETCH(bool, header);
    QFETCH(bool, multi);
    QFETCH(QStringList, rows);
    const exchange::ListFile list = exchange::readListFile(file);
    QCOMPARE(list.decoded.encoding, encoding);
    QCOMPARE(QString(QLatin1Char(list.separator)), separator);
    QCOMPARE(list.header, header);
    ColumnChoice columns;
    columns.multi = multi;
    const exchange::ListPreview preview =
        exchange::previewList(list, list.separator, list.header, columns, 100);
    QCOMPARE(describe(preview), rows);
    QVERIFY(preview.problem.isEmpty());
}

void TestWordListReading::unclosedQuoteNamesItsLine() {
    const exchange::CsvProblem problem =
        exchange::readCsv(QStringLiteral("a,b\nc,d\n\n\"e,f\ng,h\n"), ',',
                          [](const exchange::CsvRow&) { return true; });
    QCOMPARE(problem.line, 4);
    QVERIFY(problem.message.contains(QStringLiteral("not closed")));
}

void TestWordListReading::cardFromRow_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("multi");
    QTest::addColumn<QString>("card"); // "question=a|b" or the reason it is skipped

    QTest::newRow("plain") << QStringList{"q", "a"} << 0 << 1 << false << "q=a";
    QTest::newRow("columns swapped") << QStringList{"a", "q"} << 1 << 0 << false << "q=a";
    QTest::newRow("answer mark alone")
        << QStringList{"q", "Multi"} << 0 << 1 << false << "the answer is the multiple-answer mark";
    QTest::newRow("answer mark among several")
        << QStringList{"q", "Multi", "x"} << 0 << 1 << true << "q=Multi|x";
    QTest::newRow("multi skips the question column")
        << QStringList{"a1", "q", "a2"} << 1 << 0 << true << "q=a1|a2";
    QTest::newRow("short") << QStringList{"q"} << 0 << 1 << false << "too few fields";
    QTest::newRow("blank question is a question")
        << QStringList{" ", "a"} << 0 << 1 << false << " =a";
}

void TestWordListReading::cardFromRow() {
    QFETCH(QStringList, fields);
    QFETCH(int, question);
    QFETCH(int, answer);
    QFETCH(bool, multi);
    QFETCH(QString, card);
    const exchange::ListCard c =
        exchange::cardFromRow(fields, ColumnChoice{question, answer, multi});
    QCOMPARE(c.usable() ? c.question + QLatin1Char('=') + c.answers.join(QLatin1Char('|'))
                        : c.skipReason,
             card);
}

void TestWordListReading::exportedFieldsReadBack_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("plain") << QStringList{"cat", "Katze"};
    QTest::newRow("tab and quotes") << QStringList{"a\tb", "say \"x\"", "\"lead"};
    QTest::newRow("blanks and separators kept") << QStringList{" x ", "a;b,c", ""};
    QTest::newRow("unicode") << QStringList{"日本語", "Ελληνικά 🙂"};
}

void TestWordListReading::exportedFieldsReadBack() {
    QFETCH(QStringList, fields);
    const QString line = exchange::listLine(fields.first(), fields.mid(1)) + QLatin1Char('\n');
    QStringList read;
    exchange::readCsv(line, '\t', [&](const exchange::CsvRow& row) {
        read = row.fields;
        return true;
    });
    QCOMPARE(read, fields);
}

void TestWordListReading::separatorText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("separator"); // -1: refused
    QTest::newRow("tab word") << "tab" << int('\t');
    QTest::newRow("tab escape") << "\\t" << int('\t');
    QTest::newRow("tab itself") << "\t" << int('\t');
    QTest::newRow("semicolon") << ";" << int(';');
    QTest::newRow("quote") << "\"" << -1;
    QTest::newRow("two characters") << ";;" << -1;
    QTest::newRow("not ASCII") << "§" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestWordListReading::separatorText() {
    QFETCH(QString, text);
    QFETCH(int, separator);
    const std::optional<char> c = exchange::separatorFromText(text);
    QCOMPARE(c ? int(*c) : -1, separator);
}

QTEST_GUILESS_MAIN(TestWordListReading)
#include "test_wordlist_reading.moc"
