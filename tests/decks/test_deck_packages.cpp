// SPDX-License-Identifier: GPL-3.0-or-later
// Deck packages made in the test from SQL, read and stored; hostile packages refused.
#include "DeckChecks.h"
#include "PackageBuilder.h"
#include "data/Database.h"
#include "data/FileLock.h"
#include "data/Sql.h"
#include "decks/DeckImport.h"
#include "decks/Package.h"
#include "support/Files.h"
#include "support/MediaBytes.h"
#include "support/OtherProgram.h"
#include "support/TempDatabase.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using testing::Collection;

namespace {

// The unpacked collections this process left in the temporary folder.
QStringList leftovers() {
    return QDir(QDir::tempPath()).entryList({QStringLiteral("memorant-deck-*")}, QDir::Files);
}

} // namespace

class TestDeckPackages : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void eachCollectionForm_data();
    void eachCollectionForm();
    void storedAsNewSets();
    void cancelAddsNothing();
    void mediaOfEachForm_data();
    void mediaOfEachForm();
    void mediaOfAPackageAnotherProgramWrote();
    void hostilePackages_data();
    void hostilePackages();
    void leftoversOfKilledRuns();

  private:
    QTemporaryDir tmp_;
};

// A temporary folder of this run's own, so another program's unpacked collections in the
// shared one never count as this run's leftovers.
void TestDeckPackages::initTestCase() {
    QVERIFY(tmp_.isValid());
    qputenv("TMPDIR", tmp_.path().toLocal8Bit());
    QCOMPARE(QDir::tempPath(), QDir(tmp_.path()).canonicalPath());
}

void TestDeckPackages::eachCollectionForm_data() {
    QTest::addColumn<int>("form");
    QTest::newRow("collection.anki2") << int(Collection::Anki2);
    QTest::newRow("collection.anki21") << int(Collection::Anki21);
    QTest::newRow("collection.anki21b, zstd") << int(Collection::Anki21b);
}

void TestDeckPackages::eachCollectionForm() {
    QFETCH(int, form);
    QTemporaryDir dir;
    const QString path = testing::writePackage(dir.path(), Collection(form));
    const decks::DeckContent c = decks::readDeckFile(path);
    QVERIFY(c.fromPackage);
    // Only decks holding a note's first card make sets; the subdeck keeps its full name; the
    // reversed note makes one card.
    QCOMPARE(testing::deckLines(c),
             (QStringList{"Geography", "Paris is&=capital of France",
                          "[\u2026] is the capital of [country]=Paris|France in order",
                          "Languages::French", "le chat=the cat", "café crème=coffee €2"}));
    // The notes name media the package lacks: the cards come without them.
    QCOMPARE(
        QStringLiteral("%1 %2 %3").arg(c.skipped).arg(c.sounds.missing).arg(c.pictures.missing),
        "1 1 1");
    QVERIFY(c.leftOut().join(';').contains(QStringLiteral("cards start as new cards")));
    QVERIFY(leftovers().isEmpty());
}

void TestDeckPackages::storedAsNewSets() {
    testing::TempDatabase t;
    t.addSet(QStringLiteral("geography"));
    QTemporaryDir dir;
    decks::DeckContent c =
        decks::readDeckFile(testing::writePackage(dir.path(), Collection::Anki21b));
    decks::swapSides(c);
    decks::storeDecks(t.db(), c, {QStringLiteral("Geography 2"), QStringLiteral("French")});
    QCOMPARE(t.column("SELECT s.SetName || ' ' || COUNT(r.Card_ID) FROM Set1 s LEFT JOIN "
                      "Set_Card_rel r USING (Set_ID) GROUP BY s.Set_ID ORDER BY s.Set_ID"),
             (QStringList{"geography 0", "Geography 2 2", "French 2"}));
    // Swapped, a single-answer card; the cloze card keeps its answers, in order.
    QCOMPARE(t.scalar("SELECT Question FROM Card WHERE Answer = 'Paris is&'").toString(),
             QStringLiteral("capital of France"));
    QCOMPARE(t.scalar("SELECT ShowOrder || ' ' || (SELECT group_concat(M_Answer, ',') FROM "
                      "MultipleAnswers m WHERE m.Card_ID = c.Card_ID) FROM Card c WHERE Answer "
                      "= 'Multi'")
                 .toString(),
             QStringLiteral("1 Paris,France"));
    QCOMPARE(
        t.scalar("SELECT COUNT(*) FROM Card WHERE \"Order\" = Card_ID AND CurStatus = 0").toInt(),
        4);
}

void TestDeckPackages::cancelAddsNothing() {
    testing::TempDatabase t;
    decks::DeckContent c;
    c.path = QStringLiteral("big.kvtml");
    c.sets.append({QStringLiteral("Big"), {}});
    for (int i = 0; i < 2000; ++i)
        c.sets[0].cards.append({QString::number(i), {QStringLiteral("x")}, false});
    QCOMPARE(testing::deckError([&] {
                 decks::storeDecks(t.db(), c, {"Big"}, [](qint64, qint64) { return false; });
             }),
             QStringLiteral("big.kvtml: the import was cancelled; nothing was added"));
    QCOMPARE(t.scalar("SELECT (SELECT COUNT(*) FROM Card) + (SELECT COUNT(*) FROM Set1)").toInt(),
             0);
}

void TestDeckPackages::mediaOfEachForm_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("legacyNames");
    QTest::addColumn<QByteArray>("picture"); // cat.jpg; null: listed, not in the archive
    QTest::addColumn<QByteArray>("sound");   // chat.mp3
    QTest::addColumn<QString>("tallies");    // pictures, then sounds: kept missing refused
    QTest::addColumn<QString>("why");
    const QByteArray cat = testing::pngBytes(30, 20, "cat");
    const QByteArray meow = testing::wavBytes("meow");
    for (const Collection form : {Collection::Anki2, Collection::Anki21, Collection::Anki21b}) {
        const QByteArray name = QByteArray::number(int(form));
        QTest::newRow("both kept, form " + name)
            << int(form) << false << cat << meow << "1 0 0, 1 0 0"
            << "";
        QTest::newRow("listed but not there, form " + name)
            << int(form) << false << QByteArray() << meow << "0 1 0, 1 0 0"
            << "";
    }
    QTest::newRow("members under their own numbers")
        << int(Collection::Anki21b) << true << cat << meow << "1 0 0, 1 0 0"
        << "";
    // Compressed, a picture claiming its limits is tiny: it is unpacked no further than needed.
    const QByteArray huge = testing::pngBytes(30, 20, QByteArray(11 * 1024 * 1024, '\0'));
    QTest::newRow("larger than a picture may be, compressed")
        << int(Collection::Anki21b) << false << huge << meow << "0 0 1, 1 0 0"
        << "The picture \"cat.jpg\" is larger than 10 MB.";
    QTest::newRow("larger than a picture may be")
        << int(Collection::Anki21) << false << huge << meow << "0 0 1, 1 0 0"
        << "The picture \"cat.jpg\" is larger than 10 MB.";
    QTest::newRow("a picture where the sound should be")
        << int(Collection::Anki21) << false << cat << cat << "1 0 0, 0 0 1"
        << "\"chat.mp3\" is a picture, not a sound.";
}

void TestDeckPackages::mediaOfEachForm() {
    QFETCH(int, form);
    QFETCH(bool, legacyNames);
    QFETCH(QByteArray, picture);
    QFETCH(QByteArray, sound);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString path = testing::writePackageWithMedia(
        dir.path(), Collection(form), {{"cat.jpg", picture}, {"chat.mp3", sound}}, legacyNames);
    const decks::DeckContent c = decks::readDeckFile(path);
    const auto tally = [](const decks::MediaTally& t) {
        return QStringLiteral("%1 %2 %3").arg(t.kept).arg(t.missing).arg(t.refused);
    };
    QTEST(tally(c.pictures) + ", " + tally(c.sounds), "tallies");
    QCOMPARE(c.mediaRefusals.join("; "), why);
    // The note naming them makes the card "le chat" in the second set.
    const decks::DeckCard& card = c.sets[1].cards[0];
    QCOMPARE(card.question, "le chat");
    if (c.pictures.kept == 1) {
        QCOMPARE(card.picture.bytes, picture);
        QCOMPARE(card.picture.fileName, "cat.jpg");
    } else {
        QVERIFY(card.picture.isEmpty());
    }
    if (c.sounds.kept == 1)
        QCOMPARE(card.sound.bytes, sound);
    QVERIFY(leftovers().isEmpty());
}

// A package anki-apkg-export wrote (tests/fixtures/decks/anki-apkg-export/SOURCE): its media
// members are named by number in a JSON list, and one note names a picture it lacks.
void TestDeckPackages::mediaOfAPackageAnotherProgramWrote() {
    const QString fixture = QStringLiteral(MEMORANT_FIXTURES "/decks/anki-apkg-export/sky.apkg");
    const decks::DeckContent c = decks::readDeckFile(fixture);
    QVERIFY(c.fromPackage);
    QCOMPARE(testing::deckLines(c), (QStringList{"Sky", "sun=Sonne", "moon=Mond", "star=Stern"}));
    QCOMPARE(QStringLiteral("%1 %2, %3 %4")
                 .arg(c.pictures.kept)
                 .arg(c.pictures.missing)
                 .arg(c.sounds.kept)
                 .arg(c.sounds.missing),
             "1 1, 2 0");
    const QList<decks::DeckCard>& cards = c.sets[0].cards;
    QCOMPARE(cards[0].picture.fileName, "sun.png");
    QCOMPARE(cards[0].picture.bytes.left(8), QByteArray("\x89PNG\r\n\x1A\n", 8));
    QCOMPARE(cards[0].sound.fileName, "sun.wav");
    QCOMPARE(cards[1].sound.bytes, cards[0].sound.bytes);
    QVERIFY(cards[2].picture.isEmpty());

    // Kept once, though two cards use the sound.
    testing::TempDatabase t;
    QCOMPARE(decks::storeDecks(t.db(), c, {QStringLiteral("Sky")}), 3);
    QCOMPARE(data::scalar(t.db(), QStringLiteral("SELECT count(*) FROM Media")).toInt(), 2);
    QVERIFY(leftovers().isEmpty());
}

void TestDeckPackages::hostilePackages_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    const QStringList rows[] = {
        {"not a zip", "notzip", "not a readable zip archive"},
        {"truncated zip", "truncated", "not a readable zip archive"},
        {"no collection", "nocollection", "holds no collection"},
        {"zip bomb ratio", "bomb", "unpacks to far more than it holds packed"},
        {"zstd bomb ratio", "zstdbomb", "unpacks to far more than it holds packed"},
        {"not SQLite", "notsqlite", "its collection"},
        {"damaged page", "damaged", "its collection"},
        {"broken JSON", "json", "its note types cannot be read"},
        {"a media list that is no JSON", "media json", "its media list cannot be read"},
        {"a media entry longer than the list", "media protobuf", "its media list is damaged"},
        // A view can run for ever, a computed column make any value of any length.
        {"notes a recursive view", "view", "\"notes\" is not a plain table"},
        {"cards a view, named in capitals", "capitals", "\"CARDS\" is not a plain table"},
        {"computed column", "computed", "the table \"notes\" has computed columns"},
        // Each refused from the schema, before any check computes a row.
        {"computed column in another table", "computed elsewhere",
         "the table \"extra\" has computed columns"},
        {"a view anywhere", "view elsewhere", "\"v\" is not a plain table"},
        {"a trigger", "trigger", "it holds the trigger \"t\""},
        {"a trigger its row calls a table", "hidden trigger", "malformed database schema (t)"},
        {"a statement past the time limit", "slow",
         "reading its collection took longer than 1 ms"}};
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2];
}

void TestDeckPackages::hostilePackages() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.apkg"));
    const QString good = testing::writePackage(dir.path(), Collection::Anki21);
    const QByteArray collection =
        testing::readFile(dir.filePath(QStringLiteral("collection.sqlite")));
    decks::PackageLimits limits;
    if (kind == "notzip") {
        testing::writeFile(path, "PK\x03\x04 this is no archive at all");
    } else if (kind == "truncated") {
        const QByteArray bytes = testing::readFile(good);
        testing::writeFile(path, bytes.left(bytes.size() / 2));
    } else if (kind == "nocollection") {
        testing::writeZip(path, {{"media", "{}"}});
    } else if (kind == "bomb" || kind == "zstdbomb") {
        // The rule is tried with a small floor, so the test need not unpack 100 MB.
        limits.floor = 1 << 20;
        const QByteArray zeros(4 << 20, '\0');
        testing::writeZip(path, {{kind == "bomb" ? "collection.anki2" : "collection.anki21b",
                                  kind == "bomb" ? zeros : testing::zstd(zeros)}});
    } else if (kind == "media json") {
        testing::writeZip(path, {{"collection.anki21", collection}, {"media", "[not json"}});
    } else if (kind == "media protobuf") {
        testing::writeZip(path, {{"collection.anki21b", testing::zstd(collection)},
                                 {"media", testing::zstd(QByteArray("\x0A\xFF\xFF\xFF\x0F"))}});
    } else if (kind == "notsqlite") {
        testing::writeZip(path, {{"collection.anki21", QByteArray(8192, 'x')}});
    } else if (kind == "damaged") {
        QByteArray bytes = collection;
        QVERIFY(bytes.size() > 4 * 4096);
        for (qsizetype i = 2 * 4096; i < 4 * 4096; ++i)
            bytes[i] = char(0xA5);
        testing::writeZip(path, {{"collection.anki21", bytes}});
    } else {
        // The good collection changed by SQL.
        const QHash<QString, QStringList> changes = {
            {"json", {"UPDATE col SET models = '{\"1\": [broken'"}},
            {"view",
             {"DROP TABLE notes",
              "CREATE VIEW notes AS WITH RECURSIVE n(id) AS (SELECT 1 UNION ALL SELECT id + 1 "
              "FROM n LIMIT 3) SELECT id, 1001 AS mid, 'q' || char(31) || 'a' AS flds FROM n"}},
            {"capitals",
             {"ALTER TABLE cards RENAME TO old_cards",
              "CREATE VIEW CARDS AS SELECT * FROM old_cards"}},
            {"computed",
             {"DROP TABLE notes",
              "CREATE TABLE notes (id INTEGER PRIMARY KEY, mid INTEGER, "
              "flds TEXT AS (printf('%.*c', 10, 'x') || char(31) || 'a'))",
              "INSERT INTO notes (id, mid) VALUES (1, 1001)"}},
            {"computed elsewhere",
             {"CREATE TABLE extra (a INTEGER, b TEXT NOT NULL AS (printf('%.*c', 1000, 'x')))",
              "INSERT INTO extra (a) VALUES (1), (2)"}},
            {"view elsewhere", {"CREATE VIEW v AS SELECT 1"}},
            {"trigger", {"CREATE TRIGGER t AFTER INSERT ON notes BEGIN SELECT 1; END"}},
            {"hidden trigger",
             {"CREATE TRIGGER t AFTER INSERT ON notes BEGIN SELECT 1; END",
              "PRAGMA writable_schema = ON",
              "UPDATE sqlite_master SET type = 'table' WHERE name = 't'"}},
            {"slow",
             {"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
              "INSERT INTO revlog SELECT i, 0, 0, 0, 0, 0, 0, 0, 0 FROM n"}},
        };
        limits.statementTime = std::chrono::milliseconds(kind == "slow" ? 1 : 30000);
        const QString sqlite = dir.filePath(QStringLiteral("collection.sqlite"));
        QVERIFY(testing::writeIn(sqlite, changes.value(kind)));
        testing::writeZip(path, {{"collection.anki21", testing::readFile(sqlite)}});
    }
    const QString error = testing::deckError([&] { decks::readPackage(path, limits); });
    QVERIFY2(error.startsWith("hostile.apkg: ") && error.contains(message) &&
                 error.endsWith("nothing was added"),
             qPrintable(error));
    QVERIFY(leftovers().isEmpty());
}

// A collection a killed import left is removed by the next import; one that a running program
// holds (here `flock`, holding it as an import does) stays until that program is gone.
void TestDeckPackages::leftoversOfKilledRuns() {
    const QString flock = QStandardPaths::findExecutable(QStringLiteral("flock"));
    if (flock.isEmpty())
        QSKIP("util-linux flock is not installed");
    const QDir tmp(QDir::tempPath());
    for (const char* name : {"memorant-deck-killed", "memorant-deck-killed-journal",
                             "memorant-deck-gone-wal", "memorant-deck-held"})
        testing::writeFile(tmp.filePath(QLatin1String(name)), "left behind");
    QProcess holder;
    // The lock is flock's own (-o); `cat` only keeps it waiting, and ends with its input.
    holder.start(flock, {"-o", tmp.filePath(QStringLiteral("memorant-deck-held")), "cat"});
    QVERIFY(holder.waitForStarted());
    data::FileLock probe;
    QTRY_COMPARE(probe.tryLock(tmp.filePath(QStringLiteral("memorant-deck-held"))),
                 data::FileLock::Result::Busy);

    QTemporaryDir dir;
    decks::readPackage(testing::writePackage(dir.path(), Collection::Anki21b));
    QCOMPARE(leftovers(), QStringList{"memorant-deck-held"});
    holder.kill();
    QVERIFY(holder.waitForFinished());
    decks::removeUnpackLeftovers();
    QVERIFY(leftovers().isEmpty());
}

QTEST_GUILESS_MAIN(TestDeckPackages)
#include "test_deck_packages.moc"
