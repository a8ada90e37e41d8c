// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and sounds kept in the database file: once per content, named by cards, gone with
// the last card that named them, and refused whole when they may not be kept.
#include "data/OpenCheck.h"
#include "data/Sql.h"
#include "media/MediaStore.h"
#include "support/MediaBytes.h"
#include "support/PictureBytes.h"
#include "support/TempDatabase.h"

#include <QtTest>

using media::Slot;

namespace {

QByteArray png(QColor colour) {
    return testing::pictureBytes("PNG", QSize(40, 30), colour);
}

QByteArray wav() {
    return testing::wavBytes();
}

} // namespace

class TestMediaStore : public QObject {
    Q_OBJECT
  private slots:
    void keptOnceAndGoneWithTheLastCardThatNamesIt();
    void refusedFilesLeaveTheCardAndTheFileAsTheyWere_data();
    void refusedFilesLeaveTheCardAndTheFileAsTheyWere();
};

void TestMediaStore::keptOnceAndGoneWithTheLastCardThatNamesIt() {
    testing::TempDatabase t;
    const qint64 set = t.addSet("Animals");
    const qint64 other = t.addSet("Other");
    const qint64 cat = t.addCard("cat", "Katze", set);
    const qint64 dog = t.addCard("dog", "Hund", set);
    const qint64 bird = t.addCard("bird", "Vogel", other);
    t.chooseSet("Animals");
    const QByteArray red = png(Qt::red);

    media::setCardMediaFromBytes(t.db(), cat, Slot::Picture, red, "/home/l/red.png");
    media::setCardMediaFromBytes(t.db(), dog, Slot::Picture, red, "/tmp/copy.png");
    media::setCardMediaFromBytes(t.db(), dog, Slot::Sound, wav(), "dog.wav");
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Media").toInt(), 2);
    const QString redHash = media::hashOf(red);
    QCOMPARE(redHash.size(), 64);
    QCOMPARE(media::cardMedia(t.db(), cat).picture, redHash);
    QCOMPARE(media::cardMedia(t.db(), cat).sound, QString());
    const auto loaded = media::loadMedia(t.db(), redHash);
    QVERIFY(loaded.has_value());
    QCOMPARE(loaded->data, red);
    QCOMPARE(loaded->mime, QStringLiteral("image/png"));
    QCOMPARE(loaded->name, QStringLiteral("red.png")); // the first name it came with, no folder
    QCOMPARE(media::mediaOfSet(t.db(), "Animals").size(), 2);
    QVERIFY(media::setHoldsMedia(t.db(), "Animals"));
    QVERIFY(!media::setHoldsMedia(t.db(), "Other"));
    QVERIFY(media::mediaOfSet(t.db(), "Other").isEmpty());
    Q_UNUSED(bird);

    // The grid's delete of a card: the picture another card shows stays, the sound goes.
    t.exec("DELETE FROM qSelectedSet WHERE Card_ID = ?", {dog});
    QCOMPARE(t.column("SELECT Mime FROM Media"), QStringList{"image/png"});
    // Another picture named: the old one is no one's and goes in the same statement.
    media::setCardMediaFromBytes(t.db(), cat, Slot::Picture, png(Qt::blue), "blue.png");
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Media").toInt(), 1);
    QVERIFY(!media::loadMedia(t.db(), redHash).has_value());
    media::setCardMedia(t.db(), cat, Slot::Picture, QString());
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Media").toInt(), 0);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card WHERE Picture IS NOT NULL").toInt(), 0);

    // A card naming what the file does not hold is counted; a row nobody names is cleared.
    t.exec("UPDATE Card SET Sound = 'feed' WHERE Card_ID = ?", {cat});
    QCOMPARE(data::cardsNamingMissingMedia(t.db()), 1);
    QVERIFY2(data::missingMediaNote(t.path()).startsWith("1 card names a picture or sound"),
             qPrintable(data::missingMediaNote(t.path())));
    media::storeMedia(t.db(), red, "red.png", Slot::Picture);
    QCOMPARE(media::removeUnusedMedia(t.db()), 1);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Media").toInt(), 0);
}

void TestMediaStore::refusedFilesLeaveTheCardAndTheFileAsTheyWere_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("a sound as the picture")
        << int(Slot::Picture) << wav() << "\"f.bin\" is a sound, not a picture";
    QTest::newRow("a picture as the sound")
        << int(Slot::Sound) << png(Qt::red) << "\"f.bin\" is a picture, not a sound";
    QTest::newRow("not a picture or sound")
        << int(Slot::Picture) << QByteArray("%PDF-1.7\n") << "f.bin";
    QTest::newRow("a picture over 10 MB")
        << int(Slot::Picture) << png(Qt::red) + QByteArray(11 * 1024 * 1024, '\0') << "f.bin";
}

void TestMediaStore::refusedFilesLeaveTheCardAndTheFileAsTheyWere() {
    QFETCH(int, slot);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    testing::TempDatabase t;
    const qint64 card = t.addCard("cat", "Katze", t.addSet("Animals"));
    media::setCardMediaFromBytes(t.db(), card, Slot::Picture, png(Qt::green), "green.png");
    const QStringList before = t.column("SELECT Hash FROM Media");
    try {
        media::setCardMediaFromBytes(t.db(), card, Slot(slot), bytes, "f.bin");
        QFAIL("kept");
    } catch (const media::MediaRefused& e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
    QCOMPARE(t.column("SELECT Hash FROM Media"), before);
    QCOMPARE(media::cardMedia(t.db(), card).picture, before.value(0));
}

QTEST_MAIN(TestMediaStore)
#include "test_media_store.moc"
