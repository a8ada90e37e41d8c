// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures and sounds a KVTML file's entries name: found beside the file, checked, kept
// with their cards, and what is left out counted with its reason.
#include "DeckChecks.h"
#include "decks/DeckImport.h"
#include "decks/Kvtml.h"
#include "media/MediaStore.h"
#include "support/Files.h"
#include "support/MediaBytes.h"
#include "support/TempDatabase.h"

#include <QtTest>

using testing::pngBytes;
using testing::wavBytes;

namespace {

// One entry per pair (question, media elements inside its question's translation).
QByteArray kvtml(const QList<QPair<QString, QString>>& entries) {
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n"
                     "<identifiers><identifier id=\"0\"/><identifier id=\"1\"/></identifiers>\n"
                     "<entries>\n";
    int id = 0;
    for (const auto& [question, media] : entries)
        out += QStringLiteral("<entry id=\"%1\"><translation id=\"0\"><text>%2</text>%3"
                              "</translation><translation id=\"1\"><text>answer</text>"
                              "</translation></entry>\n")
                   .arg(id++)
                   .arg(question, media)
                   .toUtf8();
    return out + "</entries>\n</kvtml>\n";
}

QString tally(const decks::MediaTally& t) {
    return QStringLiteral("kept %1 missing %2 outside %3 refused %4 extra %5")
        .arg(t.kept)
        .arg(t.missing)
        .arg(t.outside)
        .arg(t.refused)
        .arg(t.extra);
}

// A folder with the KVTML file in words/ and media beside it, below it and above it.
struct Folder {
    QTemporaryDir dir;
    QString file(const QString& name) const { return dir.filePath(name); }
    Folder() {
        testing::writeFile(file("words/media/cat.png"), pngBytes(40, 30, "cat"));
        testing::writeFile(file("words/media/cat.wav"), wavBytes("meow"));
        testing::writeFile(file("words/dog.png"), pngBytes(20, 20, "dog"));
        testing::writeFile(file("words/media/a:b.png"), pngBytes(20, 20, "colon"));
        testing::writeFile(file("words/huge.png"), pngBytes(9000, 100));
        testing::writeFile(file("words/notes.txt"), "not a picture");
        testing::writeFile(file("elsewhere.png"), pngBytes(10, 10, "elsewhere"));
        QDir().mkpath(file("words/folder.png"));
        QFile::link(file("elsewhere.png"), file("words/link.png"));
    }
};

} // namespace

class TestKvtmlMedia : public QObject {
    Q_OBJECT
  private slots:
    void referencesResolvedAndChecked_data();
    void referencesResolvedAndChecked();
    void outsideFilesOnlyWhenAllowed();
    void storedWithTheCards();
    void exportWritesMediaBesideAndReadsBack();
};

void TestKvtmlMedia::referencesResolvedAndChecked_data() {
    QTest::addColumn<QString>("media"); // inside the entry's question translation
    QTest::addColumn<QString>("pictures");
    QTest::addColumn<QString>("sounds");
    QTest::addColumn<QString>("picture"); // the file whose bytes the card keeps
    QTest::addColumn<QString>("why");     // the summary's refusal, if any
    const QString none = "kept 0 missing 0 outside 0 refused 0 extra 0";
    QTest::newRow("relative, in a subfolder, both kinds")
        << "<image>media/cat.png</image><sound>media/cat.wav</sound>"
        << "kept 1 missing 0 outside 0 refused 0 extra 0"
        << "kept 1 missing 0 outside 0 refused 0 extra 0"
        << "words/media/cat.png"
        << "";
    QTest::newRow("a file:// URL inside the folder")
        << "<image>file://%DIR%/words/dog.png</image>"
        << "kept 1 missing 0 outside 0 refused 0 extra 0" << none << "words/dog.png"
        << "";
    QTest::newRow("blanks around, and a path that climbs back in")
        << "<image> ../words/./dog.png </image>"
        << "kept 1 missing 0 outside 0 refused 0 extra 0" << none << "words/dog.png"
        << "";
    QTest::newRow("a colon in the name is no address")
        << "<image>media/a:b.png</image>"
        << "kept 1 missing 0 outside 0 refused 0 extra 0" << none << "words/media/a:b.png"
        << "";
    QTest::newRow("the first of two pictures")
        << "<image>dog.png</image><image>media/cat.png</image>"
        << "kept 1 missing 0 outside 0 refused 0 extra 1" << none << "words/dog.png"
        << "";
    QTest::newRow("not there") << "<image>gone.png</image><sound>gone.wav</sound>"
                               << "kept 0 missing 1 outside 0 refused 0 extra 0"
                               << "kept 0 missing 1 outside 0 refused 0 extra 0"
                               << ""
                               << "";
    QTest::newRow("a web address is not fetched")
        << "<image>https://example.org/cat.png</image>"
        << "kept 0 missing 1 outside 0 refused 0 extra 0" << none << ""
        << "";
    QTest::newRow("above the folder")
        << "<image>../elsewhere.png</image>"
        << "kept 0 missing 0 outside 1 refused 0 extra 0" << none << ""
        << "";
    QTest::newRow("a link inside leading outside")
        << "<image>link.png</image>"
        << "kept 0 missing 0 outside 1 refused 0 extra 0" << none << ""
        << "";
    QTest::newRow("larger than a picture may be")
        << "<image>huge.png</image>"
        << "kept 0 missing 0 outside 0 refused 1 extra 0" << none << ""
        << "The picture \"huge.png\" is 9000 × 100 px: more than 8000 px on a side.";
    QTest::newRow("no picture at all")
        << "<image>notes.txt</image>"
        << "kept 0 missing 0 outside 0 refused 1 extra 0" << none << ""
        << "\"notes.txt\" is no picture or sound that can be kept";
    QTest::newRow("a sound named as the picture")
        << "<image>media/cat.wav</image>"
        << "kept 0 missing 0 outside 0 refused 1 extra 0" << none << ""
        << "\"cat.wav\" is a sound, not a picture.";
    QTest::newRow("a folder") << "<image>folder.png</image>"
                              << "kept 0 missing 0 outside 0 refused 1 extra 0" << none << ""
                              << "\"folder.png\" cannot be read";
}

void TestKvtmlMedia::referencesResolvedAndChecked() {
    QFETCH(QString, media);
    QFETCH(QString, picture);
    QFETCH(QString, why);
    Folder f;
    media.replace("%DIR%", f.dir.path());
    const QString path = f.file("words/list.kvtml");
    testing::writeFile(path, kvtml({{"cat", media}, {"plain", ""}}));
    const decks::DeckContent c = decks::readDeckFile(path);
    QTEST(tally(c.pictures), "pictures");
    QTEST(tally(c.sounds), "sounds");
    QCOMPARE(c.cardCount(), 2);
    const decks::DeckCard& card = c.sets[0].cards[0];
    QCOMPARE(card.picture.bytes,
             picture.isEmpty() ? QByteArray() : testing::readFile(f.file(picture)));
    if (!picture.isEmpty())
        QCOMPARE(card.picture.fileName, QFileInfo(picture).fileName());
    QVERIFY(c.sets[0].cards[1].picture.isEmpty() && c.sets[0].cards[1].sound.isEmpty());
    const QString summary = c.leftOut().join("; ");
    QVERIFY2(why.isEmpty() ? c.mediaRefusals.isEmpty() : summary.contains(why),
             qPrintable(summary));
}

void TestKvtmlMedia::outsideFilesOnlyWhenAllowed() {
    Folder f;
    const QString path = f.file("words/list.kvtml");
    testing::writeFile(path, kvtml({{"one", "<image>../elsewhere.png</image>"},
                                    {"two", "<image>../elsewhere.png</image>"},
                                    {"three", "<image>dog.png</image>"}}));
    QStringList asked;
    int asks = 0;
    decks::DeckReading reading;
    reading.allowOutside = [&](const QStringList& files) {
        ++asks;
        asked = files;
        return false;
    };
    decks::DeckContent c = decks::readDeckFile(path, reading);
    // Asked once, naming the file once, however many cards name it.
    QCOMPARE(asks, 1);
    QCOMPARE(asked, QStringList{QFileInfo(f.file("elsewhere.png")).canonicalFilePath()});
    QCOMPARE(tally(c.pictures), "kept 1 missing 0 outside 2 refused 0 extra 0");
    QCOMPARE(c.cardCount(), 3); // the cards stay, without the pictures
    QVERIFY(c.leftOut().join("; ").contains("2 pictures left out (2 outside the file's folder)"));

    reading.allowOutside = [](const QStringList&) { return true; };
    c = decks::readDeckFile(path, reading);
    QCOMPARE(tally(c.pictures), "kept 3 missing 0 outside 0 refused 0 extra 0");
    QCOMPARE(c.sets[0].cards[1].picture.bytes, pngBytes(10, 10, "elsewhere"));

    // Nothing to ask when every file is inside.
    testing::writeFile(path, kvtml({{"three", "<image>dog.png</image>"}}));
    asks = 0;
    reading.allowOutside = [&](const QStringList&) { return ++asks, false; };
    c = decks::readDeckFile(path, reading);
    QCOMPARE(asks, 0);
    QCOMPARE(c.mediaKept(), "1 picture");
}

void TestKvtmlMedia::storedWithTheCards() {
    testing::TempDatabase t;
    Folder f;
    const QString path = f.file("words/list.kvtml");
    // Two cards share a picture: it is kept once.
    testing::writeFile(path,
                       kvtml({{"cat", "<image>media/cat.png</image><sound>media/cat.wav</sound>"},
                              {"cat again", "<image>media/cat.png</image>"},
                              {"dog", "<image>dog.png</image><sound>huge.png</sound>"},
                              {"plain", ""}}));
    const decks::DeckContent c = decks::readDeckFile(path);
    QCOMPARE(c.mediaKept(), "3 pictures and 1 sound");
    QCOMPARE(decks::storeDecks(t.db(), c, {"Animals"}), 4);
    const QStringList pictures =
        t.column("SELECT coalesce(Picture, '') FROM Card ORDER BY Card_ID");
    const QStringList sounds = t.column("SELECT coalesce(Sound, '') FROM Card ORDER BY Card_ID");
    const QString cat = media::hashOf(pngBytes(40, 30, "cat"));
    QCOMPARE(pictures, (QStringList{cat, cat, media::hashOf(pngBytes(20, 20, "dog")), ""}));
    QCOMPARE(sounds, (QStringList{media::hashOf(wavBytes("meow")), "", "", ""}));
    QCOMPARE(t.scalar("SELECT count(*) FROM Media").toInt(), 3);
    const std::optional<media::StoredMedia> stored = media::loadMedia(t.db(), cat);
    QVERIFY(stored);
    QCOMPARE(stored->name, "cat.png");
    QCOMPARE(stored->mime, "image/png");
    QCOMPARE(stored->data, pngBytes(40, 30, "cat"));
}

void TestKvtmlMedia::exportWritesMediaBesideAndReadsBack() {
    using media::Slot;
    testing::TempDatabase t;
    const qint64 set = t.addSet("Animals");
    const qint64 cat = t.addCard("cat", "chat", set);
    const qint64 again = t.addCard("cat again", "chat", set);
    const qint64 dog = t.addCard("dog", "chien", set);
    const qint64 odd = t.addCard("odd", "x", set);
    t.addCard("plain", "simple", set);
    media::setCardMediaFromBytes(t.db(), cat, Slot::Picture, pngBytes(40, 30, "cat"), "cat.png");
    media::setCardMediaFromBytes(t.db(), cat, Slot::Sound, wavBytes("meow"), "meow.wav");
    media::setCardMediaFromBytes(t.db(), again, Slot::Picture, pngBytes(40, 30, "cat"), "x.png");
    // Other content under a name already taken (in another case), and names that are no safe
    // file name: each is written under its hash.
    media::setCardMediaFromBytes(t.db(), dog, Slot::Picture, pngBytes(20, 20, "dog"), "CAT.png");
    media::setCardMediaFromBytes(t.db(), odd, Slot::Picture, pngBytes(5, 5, "odd"), ".hidden.png");
    media::setCardMediaFromBytes(t.db(), odd, Slot::Sound, wavBytes("odd"), "a:b.wav");
    const QString path = t.dir() + "/out.kvtml";
    QCOMPARE(decks::writeKvtml(t.db(), "Animals", path), 5);

    QStringList files = QDir(path + ".media").entryList(QDir::Files);
    files.sort();
    QStringList expected = {"cat.png", "meow.wav", media::hashOf(pngBytes(20, 20, "dog")) + ".png",
                            media::hashOf(pngBytes(5, 5, "odd")) + ".png",
                            media::hashOf(wavBytes("odd")) + ".wav"};
    expected.sort();
    QCOMPARE(files, expected);

    const decks::DeckContent back = decks::readDeckFile(path);
    QCOMPARE(back.mediaKept(), "4 pictures and 2 sounds");
    QVERIFY2(back.leftOut().isEmpty(), qPrintable(back.leftOut().join("; ")));
    const QList<qint64> ids = {cat, again, dog, odd};
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const media::CardMedia m = media::cardMedia(t.db(), ids[i]);
        const decks::DeckCard& card = back.sets[0].cards[i];
        QCOMPARE(media::hashOf(card.picture.bytes), m.picture);
        QCOMPARE(card.sound.isEmpty() ? QString() : media::hashOf(card.sound.bytes), m.sound);
    }
    QVERIFY(back.sets[0].cards[4].picture.isEmpty());
    // Written again, over the first: the same files, nothing added.
    QCOMPARE(decks::writeKvtml(t.db(), "Animals", path), 5);
    QCOMPARE(QDir(path + ".media").entryList(QDir::Files).size(), 5);
}

QTEST_GUILESS_MAIN(TestKvtmlMedia)
#include "test_kvtml_media.moc"
