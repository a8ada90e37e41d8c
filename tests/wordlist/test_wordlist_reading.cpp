// SPDX-License-Identifier: GPL-3.0-or-later
// Reading word lists: encodings, quoting, separators, headers, and the rows that make no card.
#include "data/TextDecoding.h"
#include "support/Files.h"
#include "wordlist/CsvReader.h"
#include "wordlist/WordListImport.h"
#include "wordlist/WordListRules.h"

#include <QtTest>

using testing::listPath;

using wordlist::ColumnChoice;

namespace {

// "line:question=answer" for each card the rows make, "line:skipped" for the others.
QStringList describe(const wordlist::ListPreview& preview) {
    QStringList out;
    for (const wordlist::PreviewRow& r : preview.rows) {
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
    void records_data();
    void records();
    void decoding_data();
    void decoding();
    void separatorDetection_data();
    void separatorDetection();
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
    QTest::addColumn<bool>("header");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("multi");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("UTF-8 BOM, comma")
        << listPath("utf8_bom.csv") << "UTF-8 with BOM" << false << "," << false
        << QStringList{"1:Haus=house", "2:straße=street", "3:καλημέρα=good morning"};
    QTest::newRow("UTF-8, tab") << listPath("utf8_plain.tsv") << "UTF-8" << false << "\t" << false
                                << QStringList{"1:день=day", "2:ночь=night"};
    QTest::newRow("UTF-16LE BOM") << listPath("utf16le_bom.txt") << "UTF-16LE" << false << "\t"
                                  << false << QStringList{"1:chat=cat", "2:chien=dog"};
    QTest::newRow("UTF-16BE BOM") << listPath("utf16be_bom.txt") << "UTF-16BE" << false << "\t"
                                  << false << QStringList{"1:Käse=cheese", "2:€uro=euro"};
    QTest::newRow("Windows-1252, semicolon, header, CR LF")
        << listPath("cp1252_header.csv") << "Windows-1252" << true << ";" << false
        << QStringList{"2:beer=Bier", "3:cheese=Käse", "4:“quote”=Anführungszeichen – €"};
    QTest::newRow("quoted separators, quotes and line breaks")
        << listPath("quoted.csv") << "UTF-8" << false << "," << false
        << QStringList{"1:one, two=eins zwei",
                       "2:say \"hi\"=sag \"hallo\"",
                       "3:line one=Zeile",
                       "5:skipped",
                       "6:a b=c",
                       "8: x = y "};
    QTest::newRow("blank and short rows")
        << listPath("blank_short.csv") << "UTF-8" << false << ";" << false
        << QStringList{"2:red=rot", "4:skipped", "5:skipped",  "6:skipped",
                       "7:skipped", "8:skipped", "9:blue=blau"};
    QTest::newRow("comma list with semicolons in answers")
        << listPath("semicolon_in_answers.csv") << "UTF-8" << false << "," << false
        << QStringList{"1:apple=Apfel; der", "2:pear=Birne; die", "3:plum=Pflaume; die"};
    QTest::newRow("several answers") << listPath("multi.tsv") << "UTF-8" << false << "\t" << true
                                     << QStringList{"1:colours of the flag=black|red|gold",
                                                    "2:single=one", "3:skipped", "4:skipped"};
    QTest::newRow("several answers ignored without multi")
        << listPath("multi.tsv") << "UTF-8" << false << "\t" << false
        << QStringList{"1:colours of the flag=black", "2:single=one", "3:skipped", "4:skipped"};
}

void TestWordListReading::files() {
    QFETCH(QString, file);
    QFETCH(QString, encoding);
    QFETCH(QString, separator);
    QFETCH(bool, header);
    QFETCH(bool, multi);
    QFETCH(QStringList, rows);
    const wordlist::ListFile list = wordlist::readListFile(file);
    QCOMPARE(list.encoding.name, encoding);
    QCOMPARE(QString(QLatin1Char(list.separator)), separator);
    QCOMPARE(list.header, header);
    ColumnChoice columns;
    columns.multi = multi;
    const wordlist::ListPreview preview =
        wordlist::previewList(list, list.separator, list.header, columns, 100);
    QCOMPARE(describe(preview), rows);
    QVERIFY(preview.problem.isEmpty());
}

void TestWordListReading::records_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("read"); // "line:field|field", then "problem line: message"

    QTest::newRow("CR LF, LF and CR alone")
        << QByteArray("a,b\r\nc,d\ne,f\rg,h") << QStringList{"1:a|b", "2:c|d", "3:e|f", "4:g|h"};
    QTest::newRow("blank lines between records")
        << QByteArray("\n\r\n\ra,b\n\n\nc,d\n") << QStringList{"4:a|b", "7:c|d"};
    QTest::newRow("line breaks inside quotes") << QByteArray("\"x\r\ny\",1\n\"p\rq\nr\",2\ns,3")
                                               << QStringList{"1:x y|1", "3:p q r|2", "6:s|3"};
    QTest::newRow("a quote never closed")
        << QByteArray("a,b\nc,d\n\n\"e,f\ng,h\n")
        << QStringList{"1:a|b", "2:c|d", "problem 4: a quoted field is not closed"};
    QTest::newRow("NUL character") << QByteArray("a,b\nc,\0d\n", 10)
                                   << QStringList{"1:a|b", "problem 2: this is not a text list"};
    QTest::newRow("text of 1,000,000 characters")
        << "a,b\nc," + QByteArray(999'999, 'x') + "\xC3\xA9\n"
        << QStringList{"1:a|b", "2:c|" + QString(999'999, QLatin1Char('x')) + "é"};
    QTest::newRow("text one character longer")
        << "a,b\nc,\"\n" + QByteArray(1'000'001, 'x') + "\"\n"
        << QStringList{"1:a|b", "problem 2: a text is longer than 1,000,000 characters"};
    QTest::newRow("a quote never closed on a long line stops early")
        << "a,b\n\n\"" + QByteArray(5'000'000, 'x')
        << QStringList{"1:a|b", "problem 3: a text is longer than 1,000,000 characters"};
}

void TestWordListReading::records() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, read);
    // Whole, and in pieces that cut line ends and characters in two.
    for (qsizetype piece : {text.size(), qsizetype(1), qsizetype(3)}) {
        if (piece < 3 && text.size() > 100'000)
            piece = 4093;
        QStringList got;
        wordlist::CsvStream stream(',', [&](const wordlist::CsvRow& row) {
            got << QStringLiteral("%1:%2").arg(row.line).arg(row.fields.join(QLatin1Char('|')));
            return true;
        });
        for (qsizetype at = 0; at < text.size(); at += piece)
            stream.feed(QByteArrayView(text).sliced(at, std::min(piece, text.size() - at)));
        const wordlist::CsvProblem problem = stream.finish();
        if (problem.line)
            got << QStringLiteral("problem %1: %2").arg(problem.line).arg(problem.message);
        if (!got.isEmpty() && !read.isEmpty() && got.last().startsWith(read.last()))
            got.last() = read.last(); // a problem is named by its start
        QCOMPARE(got, read);
    }
}

void TestWordListReading::decoding_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding"); // data::TextEncoding
    QTest::addColumn<QString>("text"); // or "refused at line N"

    const QByteArray utf8 = "Z\xC3\xBCrich \xE2\x80\x93 \xE2\x80\x9Cquoted\xE2\x80\x9D "
                            "\xF0\x9F\x99\x82";
    const QString text = QStringLiteral("Zürich – “quoted” 🙂");
    const int detect = int(data::TextEncoding::Detect);
    QTest::newRow("UTF-8") << "UTF-8" << utf8 << detect << text;
    QTest::newRow("one stray byte is refused, naming its line")
        << "" << utf8 + "\nok\r\nbad \xE9\nagain \xE9" << detect << "refused at line 3";
    QTest::newRow("lines end in CR alone")
        << "" << utf8 + "\r\r\xFF" << detect << "refused at line 3";
    QTest::newRow("a sequence cut short at the end")
        << "" << utf8 + "\n\xE2\x80" << detect << "refused at line 2";
    QTest::newRow("an overlong form is not UTF-8")
        << "" << QByteArray("\xC3\xA9\n\xC0\xAF") << detect << "refused at line 2";
    QTest::newRow("no multi-byte sequence at all: Windows-1252")
        << "Windows-1252" << QByteArray("Z\xFCrich \x96 \x93quoted\x94") << detect
        << "Zürich – “quoted”";
    QTest::newRow("chosen UTF-8 keeps the rest")
        << "UTF-8" << utf8 + " \xE9" << int(data::TextEncoding::Utf8) << text + " \uFFFD";
    QTest::newRow("chosen Windows-1252") << "Windows-1252" << QByteArray("caf\xC3\xA9")
                                         << int(data::TextEncoding::Windows1252) << "cafÃ©";
    QTest::newRow("chosen UTF-16 without its mark")
        << "UTF-16LE" << QByteArray("K\0\xE4\0s\0e\0", 8) << int(data::TextEncoding::Utf16)
        << "Käse";
    QTest::newRow("chosen UTF-16, big-endian by its zero bytes")
        << "UTF-16BE" << QByteArray("\0K\0\xE4\0s\0e", 8) << int(data::TextEncoding::Utf16)
        << "Käse";
}

void TestWordListReading::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, name);
    QFETCH(QString, text);
    const auto chosen = static_cast<data::TextEncoding>(encoding);
    const data::DecodedText whole = data::decodeText(bytes, chosen);
    QCOMPARE(whole.badLine ? QStringLiteral("refused at line %1").arg(whole.badLine) : whole.text,
             text);
    QCOMPARE(whole.encoding, name);
    if (whole.badLine)
        return;
    // A byte at a time, as a long file is read, gives the same.
    data::EncodingScan scan;
    for (char c : bytes)
        scan.add(QByteArrayView(&c, 1));
    const data::ResolvedEncoding resolved = scan.resolve(chosen);
    QCOMPARE(resolved.name, name);
    data::TextDecoder decoder(resolved.form);
    QByteArray utf8;
    for (char c : bytes)
        utf8 += decoder.toUtf8(QByteArrayView(&c, 1));
    utf8 += decoder.finish();
    QCOMPARE(QString::fromUtf8(utf8), text);
}

void TestWordListReading::separatorDetection_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("separator");

    const QStringList rows[] = {
        {"semicolons inside comma-separated answers",
         "apple,Apfel; der\npear,Birne; die\nplum,Pflaume; die\n", "list.csv", ","},
        {"the commonest field count counts", "a;b,c\nd;e;f,g\nh;i;j;k,l\nm;n;o;p;q\n", "list.txt",
         ","},
        {"a tie goes to the extension", "a;b,c\n", "list.csv", ","},
        {"a tie without one goes to tab first", "a\tb;c\n", "list.txt", "\t"},
        {"a first record longer than 16 KB", QString(20'000, QLatin1Char('x')) + ";y\nz;w\n",
         "list.txt", ";"}};
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3];
}

void TestWordListReading::separatorDetection() {
    QFETCH(QString, text);
    QFETCH(QString, path);
    QFETCH(QString, separator);
    QCOMPARE(QString(QLatin1Char(wordlist::detectSeparator(text, path))), separator);
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
    const wordlist::ListCard c =
        wordlist::cardFromRow(fields, ColumnChoice{question, answer, multi});
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
    const QString line = wordlist::listLine(fields.first(), fields.mid(1)) + QLatin1Char('\n');
    QStringList read;
    wordlist::readCsv(line, '\t', [&](const wordlist::CsvRow& row) {
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
    const std::optional<char> c = wordlist::separatorFromText(text);
    QCOMPARE(c ? int(*c) : -1, separator);
}

QTEST_GUILESS_MAIN(TestWordListReading)
#include "test_wordlist_reading.moc"
