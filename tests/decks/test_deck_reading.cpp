// SPDX-License-Identifier: GPL-3.0-or-later
// KVTML files and the texts of deck packages, read as the import reads them.
#include "DeckChecks.h"
#include "data/Database.h"
#include "decks/DeckImport.h"
#include "decks/DeckMedia.h"
#include "decks/DeckText.h"
#include "decks/Kvtml.h"
#include "support/Files.h"
#include "support/MediaBytes.h"
#include "support/TempDatabase.h"

#include <QtTest>

namespace {

QString deckFile(const char* name) {
    return QStringLiteral(MEMORANT_FIXTURES "/decks/") + QString::fromLatin1(name);
}

// n attributes, each value holding an "=".
QByteArray attributes(int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += " a" + QByteArray::number(i) + "='='";
    return out;
}

} // namespace

class TestDeckReading : public QObject {
    Q_OBJECT
  private slots:
    void kvtmlFiles_data();
    void kvtmlFiles();
    void kvtmlRefusals_data();
    void kvtmlRefusals();
    void kvtmlEntries_data();
    void kvtmlEntries();
    void fieldText_data();
    void fieldText();
    void mediaNames_data();
    void mediaNames();
    void mediaWithinTheTotal();
    void cloze_data();
    void cloze();
    void longHostileTexts_data();
    void longHostileTexts();
    void exportReadsBack();
};

void TestDeckReading::kvtmlFiles_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines"); // the set's name, then its cards
    QTest::newRow("2.0") << "KVTML 2.0" << 1 << "french.kvtml"
                         << QStringList{"French  animals", "the cat=le chat",
                                        "the dog=le chien & la chienne", "the mouse=la souris"};
    QTest::newRow("1.x, titled by its attribute")
        << "KVTML 1.x" << 1 << "old.kvtml" << QStringList{"Old German", "house=Haus", "tree=Baum"};
    QTest::newRow("a word game's list: the comment asks for the word")
        << "KVTML 2.0" << 1 << "words.kvtml"
        << QStringList{"words", "an animal with a long neck=giraffe"};
    QTest::newRow("declared UTF-8, written in Windows-1252")
        << "KVTML 2.0" << 0 << "cp1252.kvtml" << QStringList{"Café", "naïve=€ price"};
    QTest::newRow("declared Latin-1")
        << "KVTML 2.0" << 0 << "latin1.kvtml" << QStringList{"latin1", "grün=green"};
}

void TestDeckReading::kvtmlFiles() {
    QFETCH(QString, file);
    const decks::DeckContent c = decks::readDeckFile(deckFile(file.toLatin1().constData()));
    QTEST(c.format, "format");
    QTEST(testing::deckLines(c), "lines");
    QTEST(c.skipped, "skipped");
    QVERIFY(!c.fromPackage);
}

void TestDeckReading::kvtmlRefusals_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("malformed, its line named")
        << testing::readFile(deckFile("broken.kvtml"))
        << "broken.kvtml, line 6: the XML is not well-formed";
    QTest::newRow("words without comments")
        << testing::readFile(deckFile("nocomments.kvtml"))
        << "broken.kvtml: no word has a comment to ask it by (2 skipped); nothing was added";
    QTest::newRow("another XML file") << QByteArray("<?xml version=\"1.0\"?>\n<html/>\n")
                                      << "broken.kvtml: this is not a KVTML file";
    QTest::newRow("a fault after the root")
        << QByteArray("<kvtml version=\"2.0\"><entries><entry><translation id=\"0\"><text>a"
                      "</text></translation><translation id=\"1\"><text>b</text></translation>"
                      "</entry></entries></kvtml>\n<kvtml>")
        << "broken.kvtml, line 2: the XML is not well-formed";
    QTest::newRow("a stray byte in UTF-8")
        << QByteArray("<kvtml>\n<e><o>caf\xc3\xa9</o>\n<t>\xe9</t></e></kvtml>")
        << "broken.kvtml, line 3:";
    // Qt's XML reader would take a minute over each; they are refused before it reads.
    QTest::newRow("200,000 attributes")
        << "<kvtml version=\"2.0\">\n<entries>\n<entry " + QByteArray(" a=\"1\"").repeated(200000) +
               "/></entries></kvtml>"
        << "broken.kvtml, line 3: an element has more than 64 attributes";
    QTest::newRow("65 attributes, declared Latin-1")
        << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><kvtml" + attributes(65) + "/>"
        << "broken.kvtml, line 1: an element has more than 64 attributes";
    QTest::newRow("a tag past 64 KB")
        << "<kvtml version=\"2.0\" title=\"" + QByteArray(65 * 1024, 'x') + "\"/>"
        << "broken.kvtml, line 1: a tag is longer than 64 KB";
}

void TestDeckReading::kvtmlRefusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QElapsedTimer timer;
    timer.start();
    const QString error =
        testing::deckError([&] { decks::readKvtml("/somewhere/broken.kvtml", bytes); });
    QVERIFY2(error.startsWith(message) && error.endsWith("nothing was added"), qPrintable(error));
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

void TestDeckReading::kvtmlEntries_data() {
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("markAnswers");
    const auto entry = [](const char* question, const QByteArray& answer) {
        return "<entry><translation id=\"0\"><text>" + QByteArray(question) +
               "</text></translation><translation id=\"1\">" + answer + "</translation></entry>";
    };
    QTest::newRow("an answer that is the multiple-answer mark")
        << entry("q", "<text> Multi </text>") + entry("r", "<text>multi</text>")
        << QStringList{"r=multi"} << 1;
    // As KDE's trainers keep them: the choices of a multiple-choice test, not answers.
    QTest::newRow("choices without the mark")
        << entry("q", "<text>a</text><comment>c</comment><multiplechoice><choice>x</choice>"
                      "<choice>y</choice></multiplechoice>")
        << QStringList{"q=a"} << 0;
    QTest::newRow("the mark, trimmed in another program's file")
        << entry("q", "<text>a; b</text><comment> Multiple answers, in this order </comment>"
                      "<multiplechoice><choice> a </choice><choice>b\n</choice>"
                      "</multiplechoice>")
        << QStringList{"q=a|b in order"} << 0;
    // Limits on tags only: comments and texts may be long, tags hold up to 64 attributes.
    QTest::newRow("what the tag limits let pass")
        << "<!-- <x " + QByteArray(" a='1'").repeated(100) + "> -->" +
               entry("q", "<text>" + QByteArray(70 * 1024, 'y') + "</text>") + "<entry" +
               attributes(64) + "/>"
        << QStringList{"q=" + QString(70 * 1024, 'y')} << 0;
}

void TestDeckReading::kvtmlEntries() {
    QFETCH(QByteArray, entries);
    const decks::DeckContent c = decks::readKvtml(
        "/somewhere/set.kvtml", "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/>"
                                "<identifier id=\"1\"/></identifiers><entries>" +
                                    entries + "</entries></kvtml>");
    QTEST(testing::deckLines(c).mid(1), "lines");
    QTEST(c.markAnswers, "markAnswers");
}

void TestDeckReading::fieldText_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("sounds");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("images");
    QTest::newRow("entities") << "a&nbsp;b &lt;c&gt; &amp;amp; &#233;&#x20AC; &bogus;" << 0
                              << QStringLiteral("a b <c> &amp; é€ &bogus;") << 0;
    // Every name HTML 5 knows; a legacy one also bare, the longest taken; two code points.
    QTest::newRow("named, beyond a dozen")
        << "caf&eacute; cr&egrave;me &euro;2 &frac12; &CounterClockwiseContourIntegral; "
           "&Afr; &NotEqualTilde; x&shy;y"
        << 0 << QStringLiteral("café crème €2 ½ \u2233 \U0001D504 \u2242\u0338 xy") << 0;
    QTest::newRow("legacy names without the semicolon")
        << "caf&eacute &copyright &notit; &notin; &ampx &Eacute1" << 0
        << QStringLiteral("café ©right ¬it; \u2209 &x É1") << 0;
    QTest::newRow("a crafted number")
        << "&#0;&#xD800;&#99999999;" << 0 << QStringLiteral("\uFFFD\uFFFD\uFFFD") << 0;
    QTest::newRow("breaks and blocks") << "one<br>two<BR/>three<div>four</div>\nfive\u00a0six" << 0
                                       << "one two three four five six" << 0;
    QTest::newRow("tags, scripts and comments")
        << "<span style=\"x\">red</span><script>alert(1)</script><!-- note --> <i>bold</i>" << 0
        << "red bold" << 0;
    QTest::newRow("hidden parts, one left open")
        << "a<SCRIPT>x</script >b<style>y<!--z-->c</style>d<script>e<!--f-->g" << 0 << "abdeg" << 0;
    QTest::newRow("media") << "[sound:a.mp3]word <img src=\"a.png\"><IMG src='b.jpg'/>[sound:b]"
                           << 2 << "word" << 2;
}

void TestDeckReading::fieldText() {
    QFETCH(QString, html);
    const decks::FieldText t = decks::plainFieldText(html);
    QTEST(t.text, "text");
    QTEST(t.sounds, "sounds");
    QTEST(t.images, "images");
}

void TestDeckReading::mediaNames_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QStringList>("sounds");
    QTest::newRow("each quoting, in order")
        << "[sound:a.mp3]<img src=\"a.png\"><IMG SRC='b c.jpg'/><img src=d.gif>[sound: b ]"
        << QStringList{"a.png", "b c.jpg", "d.gif"} << QStringList{"a.mp3", "b"};
    QTest::newRow("references decoded") << "<img src=\"caf&eacute; &amp; cr&#232;me.png\">"
                                        << QStringList{"café & crème.png"} << QStringList{};
    QTest::newRow("src inside another attribute's value")
        << "<img alt=\"see src=wrong.png\" data-src='no.png' src=\"right.png\">"
        << QStringList{"right.png"} << QStringList{};
    QTest::newRow("without a name") << "<img alt=x>[sound:]" << QStringList{} << QStringList{};
    QTest::newRow("in a script, not shown")
        << "<script><img src=\"x.png\"></script>" << QStringList{} << QStringList{};
}

void TestDeckReading::mediaNames() {
    QFETCH(QString, html);
    const decks::FieldText t = decks::plainFieldText(html);
    QTEST(t.pictureNames, "pictures");
    QTEST(t.soundNames, "sounds");
}

void TestDeckReading::mediaWithinTheTotal() {
    decks::DeckContent content;
    decks::DeckCard a, b, c;
    const QByteArray picture = testing::pngBytes(10, 10, QByteArray(1000, 'x'));
    const qint64 total = 2 * picture.size() + 10;
    decks::takeMedia(content, a, media::Slot::Picture, picture, "a.png", total);
    decks::takeMedia(content, b, media::Slot::Picture, picture, "b.png", total);
    decks::takeMedia(content, c, media::Slot::Picture, picture, "c.png", total);
    QVERIFY(!a.picture.isEmpty() && !b.picture.isEmpty() && c.picture.isEmpty());
    QCOMPARE(content.pictures.kept, 2);
    QCOMPARE(content.pictures.refused, 1);
    QCOMPARE(content.mediaBytes, 2 * picture.size());
    QVERIFY(content.mediaRefusals.first().startsWith("\"c.png\" was left out"));
}

void TestDeckReading::cloze_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("question");
    QTest::newRow("hint and order")
        << "{{c2::Paris}} lies on the {{c1::Seine::river}}." << QStringList{"Paris", "Seine"}
        << QStringLiteral("[\u2026] lies on the [river].");
    QTest::newRow("no deletion") << "plain" << QStringList{} << "plain";
    QTest::newRow("unclosed") << "{{c1::open" << QStringList{} << "{{c1::open";
    // A gap inside another is part of the outer answer, never marker debris.
    QTest::newRow("nested") << "The {{c1::big {{c2::red}} house}} stands"
                            << QStringList{"big red house"}
                            << QStringLiteral("The [\u2026] stands");
    QTest::newRow("nested with hints, and after")
        << "{{c1::a {{c2::b::inner}} c::outer}} {{c3::{{c4::{{c5::deep}}}}}} {{c6::x}}"
        << QStringList{"a b c", "deep", "x"} << QStringLiteral("[outer] [\u2026] [\u2026]");
    QTest::newRow("an inner gap closed, the outer not")
        << "{{c1::a {{c2::b}} }}}" << QStringList{"a b"} << QStringLiteral("[\u2026]}");
    QTest::newRow("an outer gap never closed")
        << "{{c1::a {{c2::b}}" << QStringList{"b"} << QStringLiteral("{{c1::a [\u2026]");
}

void TestDeckReading::cloze() {
    QFETCH(QString, text);
    const decks::Cloze c = decks::clozeCard(text);
    QTEST(c.question, "question");
    QTEST(c.answers, "answers");
}

void TestDeckReading::longHostileTexts_data() {
    // A note may be several times the longest text; each of these opens a construct it never
    // closes, which a pattern search retried at every opening would take hours over.
    QTest::addColumn<QString>("html");
    const qsizetype n = 1'000'000;
    QTest::newRow("tag openings") << QString(n, QLatin1Char('<'));
    QTest::newRow("comment openings") << QStringLiteral("<!--").repeated(n / 4);
    QTest::newRow("script openings") << QStringLiteral("<script>").repeated(n / 8);
    QTest::newRow("style openings, any case") << QStringLiteral("<Style>x").repeated(n / 8);
    QTest::newRow("ampersands")
        << QStringLiteral("&CounterClockwiseContourIntegra").repeated(n / 32);
    QTest::newRow("cloze openings") << QStringLiteral("{{c1::").repeated(n / 6);
}

void TestDeckReading::longHostileTexts() {
    QFETCH(QString, html);
    QElapsedTimer timer;
    timer.start();
    decks::clozeCard(decks::plainFieldText(html).text);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

void TestDeckReading::exportReadsBack() {
    testing::TempDatabase t;
    const qint64 set = t.addSet("Tricky <&> \"set\"");
    // Memorant's own file comes back exactly: blanks at the ends, line breaks, tabs.
    const QStringList texts = {"a & b < c",     "\"quoted\" 'x'",   "ümlaut ✓",
                               " two  blanks ", "line\nbreak\ttab", "cr\r\nlf"};
    for (const QString& text : texts)
        t.addCard(text, text + "!", set);
    // XML has no place for most control characters: one becomes a blank, not a broken file.
    t.addCard("bell\aring", "x", set);
    // Each answer and the order flag survive, answers holding "; " too.
    const qint64 ordered = t.addCard("Primes", "Multi", set);
    t.addAnswers(ordered, {"2", "3; or three", " 5 "});
    const qint64 anyOrder = t.addCard("Colours", "Multi", set);
    t.addAnswers(anyOrder, {"red", "blue"});
    t.exec("UPDATE Card SET ShowOrder = 1 WHERE Card_ID = " + QString::number(ordered));
    // The mark without answers: written as it stands, skipped on the way back.
    t.addCard("Nothing yet", "Multi", set);
    const QString path = t.dir() + QStringLiteral("/out.kvtml");
    QCOMPARE(decks::writeKvtml(t.db(), QStringLiteral("Tricky <&> \"set\""), path), 10);

    QStringList lines = {"Tricky <&> \"set\""};
    for (const QString& text : texts)
        lines << text + "=" + text + "!";
    const decks::DeckContent back = decks::readDeckFile(path);
    QCOMPARE(testing::deckLines(back),
             (lines +
              QStringList{"bell ring=x", "Primes=2|3; or three| 5  in order", "Colours=red|blue"}));
    QCOMPARE(back.markAnswers, 1);
    QCOMPARE(back.leftOut(),
             QStringList{"1 entry whose answer is the multiple-answer mark \"Multi\" skipped"});

    QCOMPARE(testing::deckError([&] { decks::writeKvtml(t.db(), "No such set", path); }),
             QStringLiteral("There is no set named \"No such set\"."));
}

QTEST_GUILESS_MAIN(TestDeckReading)
#include "test_deck_reading.moc"
