// SPDX-License-Identifier: GPL-3.0-or-later
// memorant import-deck and export-deck, run as a user would, without a display.
#include "PackageBuilder.h"
#include "RunCommand.h"
#include "media/MediaStore.h"
#include "support/Files.h"
#include "support/MediaBytes.h"
#include "support/TempDatabase.h"

#include <QtTest>

using testing::memorant;
using testing::Run;

namespace {

QString deckFile(const char* name) {
    return QStringLiteral(MEMORANT_FIXTURES "/decks/") + QString::fromLatin1(name);
}

} // namespace

class TestDeckCommands : public QObject {
    Q_OBJECT
  private slots:
    void importExportAndBack();
    void kvtmlPicturesOutsideItsFolderRefused();
    void mediaExportedAndImportedBack();
    void refusalsLeaveTheDatabaseUnchanged_data();
    void refusalsLeaveTheDatabaseUnchanged();
};

void TestDeckCommands::importExportAndBack() {
    testing::TempDatabase t(/*sample=*/true);
    Run r = memorant({"--db", t.path(), "import-deck", deckFile("french.kvtml")});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("Imported 3 cards from french.kvtml into the new set \"French  "
                                   "animals\"; 1 entry without both a question and an answer "
                                   "skipped.\n"));

    QTemporaryDir dir;
    const QString package = testing::writePackage(dir.path(), testing::Collection::Anki21b);
    r = memorant({"--db", t.path(), "import-deck", package});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.startsWith(
                 QStringLiteral("Imported 4 cards from deck-2.apkg into 2 new sets (\"Geography\", "
                                "\"Languages::French\"); 1 note")),
             qPrintable(r.out));
    QVERIFY2(r.out.contains(QStringLiteral("the cards start as new cards")), qPrintable(r.out));
    // Again, with question and answer exchanged: the names are made unique.
    r = memorant(
        {"--db", t.path(), "import-deck", deckFile("old.kvtml"), "--swap", "--set", "German"});
    QCOMPARE(r.code, 0);
    QCOMPARE(t.scalar("SELECT c.Question FROM Card c JOIN Set_Card_rel r USING (Card_ID) JOIN "
                      "Set1 s USING (Set_ID) WHERE s.SetName = 'German' ORDER BY c.Card_ID")
                 .toString(),
             QStringLiteral("Haus"));

    const QString out = dir.filePath(QStringLiteral("capitals.kvtml"));
    r = memorant({"--db", t.path(), "export-deck", "Capitals of Europe", out});
    QCOMPARE(r.code, 0);
    const int cards = t.scalar("SELECT COUNT(*) FROM Set_Card_rel r JOIN Set1 s USING (Set_ID) "
                               "WHERE s.SetName = 'Capitals of Europe'")
                          .toInt();
    QVERIFY2(r.out.startsWith(QStringLiteral("Exported %1 cards").arg(cards)), qPrintable(r.out));
    // Read back (each text is checked where the file is read), under a name made unique.
    r = memorant({"--db", t.path(), "import-deck", out});
    QCOMPARE(r.code, 0);
    // The same cards: texts, each answer of a multiple-answer card, the order flag.
    const auto cardsOf = [&](const char* set) {
        return t.column(
            QStringLiteral("SELECT c.Question || '=' || c.Answer || ' ' || c.ShowOrder || ' ' || "
                           "coalesce((SELECT group_concat(M_Answer, '|') FROM MultipleAnswers m "
                           "WHERE m.Card_ID = c.Card_ID), '') FROM Card c JOIN Set_Card_rel r "
                           "USING (Card_ID) JOIN Set1 s USING (Set_ID) WHERE s.SetName = '%1' "
                           "ORDER BY c.Card_ID")
                .arg(QLatin1String(set)));
    };
    QCOMPARE(cardsOf("Capitals of Europe 2").size(), cards);
    QCOMPARE(cardsOf("Capitals of Europe 2"), cardsOf("Capitals of Europe"));
    QVERIFY(cardsOf("Capitals of Europe").join(' ').contains("=Multi "));
}

void TestDeckCommands::kvtmlPicturesOutsideItsFolderRefused() {
    testing::TempDatabase t;
    QTemporaryDir dir;
    testing::writeFile(dir.filePath("words/cat.png"), testing::pngBytes(4, 3, "cat"));
    testing::writeFile(dir.filePath("secret.png"), testing::pngBytes(4, 3, "secret"));
    const QString file = dir.filePath("words/animals.kvtml");
    testing::writeFile(file, "<kvtml version=\"2.0\"><entries>"
                             "<entry><translation id=\"0\"><text>cat</text><image>cat.png</image>"
                             "</translation><translation id=\"1\"><text>chat</text></translation>"
                             "</entry><entry><translation id=\"0\"><text>secret</text>"
                             "<image>../secret.png</image></translation><translation id=\"1\">"
                             "<text>secret</text></translation></entry></entries></kvtml>");
    const Run r = memorant({"--db", t.path(), "import-deck", file});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("Imported 2 cards from animals.kvtml into the new set "
                                   "\"animals\", with 1 picture; 1 picture left out (1 outside "
                                   "the file's folder).\n"));
    QCOMPARE(t.column("SELECT coalesce(Picture, '') FROM Card ORDER BY Card_ID"),
             (QStringList{media::hashOf(testing::pngBytes(4, 3, "cat")), ""}));
}

void TestDeckCommands::mediaExportedAndImportedBack() {
    testing::TempDatabase t;
    const qint64 set = t.addSet("Animals");
    const qint64 cat = t.addCard("cat", "chat", set);
    t.addCard("plain", "simple", set);
    media::setCardMediaFromBytes(t.db(), cat, media::Slot::Picture, testing::pngBytes(4, 3, "c"),
                                 "my cat.png");
    media::setCardMediaFromBytes(t.db(), cat, media::Slot::Sound, testing::wavBytes("meow"),
                                 "meow.wav");
    QTemporaryDir dir;
    const QString out = dir.filePath("animals.kvtml");
    Run r = memorant({"--db", t.path(), "export-deck", "Animals", out});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("Exported 2 cards of the set \"Animals\" to %1 (KVTML 2.0), "
                                   "their pictures and sounds to %1.media.\n")
                        .arg(out));
    r = memorant({"--db", t.path(), "import-deck", out, "--set", "Back"});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains("with 1 picture and 1 sound"), qPrintable(r.out));
    const auto mediaOf = [&](const char* name) {
        return t.column(QStringLiteral("SELECT coalesce(c.Picture, '-') || ' ' || "
                                       "coalesce(c.Sound, '-') FROM Card c JOIN Set_Card_rel r "
                                       "USING (Card_ID) JOIN Set1 s USING (Set_ID) WHERE "
                                       "s.SetName = '%1' ORDER BY c.Card_ID")
                            .arg(QLatin1String(name)));
    };
    QCOMPARE(mediaOf("Back"), mediaOf("Animals"));
    QCOMPARE(mediaOf("Back").first(), media::hashOf(testing::pngBytes(4, 3, "c")) + " " +
                                          media::hashOf(testing::wavBytes("meow")));
    // Kept once, for both sets' cards.
    QCOMPARE(t.scalar("SELECT count(*) FROM Media").toInt(), 2);
}

void TestDeckCommands::refusalsLeaveTheDatabaseUnchanged_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("malformed XML") << QStringList{deckFile("broken.kvtml")} << 1
                                   << "broken.kvtml, line 6: the XML is not well-formed";
    QTest::newRow("--set for several sets") << QStringList{"PACKAGE", "--set", "One"} << 2
                                            << "--set names one set, but deck-2.apkg makes 2 sets";
    QTest::newRow("a folder") << QStringList{"FOLDER"} << 1 << "";
    // Swapped, the question "Multi" would mark a card without answers.
    QTest::newRow("--swap of the mark")
        << QStringList{"MARK", "--swap"} << 1
        << "mark.kvtml: every question is the multiple-answer mark \"Multi\"";
    QTest::newRow("unknown option")
        << QStringList{deckFile("old.kvtml"), "--wrap"} << 2 << "Unknown argument \"--wrap\"";
}

void TestDeckCommands::refusalsLeaveTheDatabaseUnchanged() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    testing::TempDatabase t(/*sample=*/true);
    QTemporaryDir dir;
    const QString package = testing::writePackage(dir.path(), testing::Collection::Anki21b);
    args.replaceInStrings(QStringLiteral("PACKAGE"), package);
    args.replaceInStrings(QStringLiteral("FOLDER"), dir.path());
    const QString mark = dir.filePath(QStringLiteral("mark.kvtml"));
    testing::writeFile(mark, "<kvtml><e><o>Multi</o><t>answer</t></e></kvtml>");
    args.replaceInStrings(QStringLiteral("MARK"), mark);
    const QByteArray before = testing::readFile(t.path());
    const Run r = memorant(QStringList{"--db", t.path(), "import-deck"} + args);
    QTEST(r.code, "code");
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(testing::readFile(t.path()), before);
}

QTEST_GUILESS_MAIN(TestDeckCommands)
#include "test_deck_commands.moc"
