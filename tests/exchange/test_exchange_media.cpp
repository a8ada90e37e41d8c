// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and sounds travel beside the exchange file in "FILE.media": back with the cards
// this import adds, once per content; a cut or foreign companion never half-imports.
#include "ExchangeFiles.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/MediaCompanion.h"
#include "media/MediaStore.h"
#include "support/MediaBytes.h"
#include "support/TempDatabase.h"

#include <QCryptographicHash>
#include <QtTest>
#include <memory>
#include <zip.h>

using testing::importInto;
using testing::TempDatabase;

namespace {

const QByteArray kWav = testing::wavBytes();
// A GIF header of 2 x 2 px: enough for the limits, which read only the header.
const QByteArray kGif("GIF89a\x02\x00\x02\x00\x00\x00\x00;", 14);

// "cat" and "dog" share one picture; "dog" has a sound too; "bird" has nothing.
void exportWithMedia(const QString& path) {
    TempDatabase source;
    const qint64 set = source.addSet("Animals");
    const qint64 cat = source.addCard("cat", "Katze", set);
    const qint64 dog = source.addCard("dog", "Hund", set);
    source.addCard("bird", "Vogel", set);
    media::setCardMediaFromBytes(source.db(), cat, media::Slot::Picture, kGif, "pet.gif");
    media::setCardMediaFromBytes(source.db(), dog, media::Slot::Picture, kGif, "pet.gif");
    media::setCardMediaFromBytes(source.db(), dog, media::Slot::Sound, kWav, "woof.wav");
    const exchange::ExportOutcome done = exchange::Export(source.db()).run(path);
    QCOMPARE(done.mediaFiles, 2);
}

QByteArray companionList(const QString& exchangePath) {
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(exchange::mediaCompanionPath(exchangePath)).constData(),
                 ZIP_RDONLY, &error);
    if (!archive)
        return {};
    QByteArray list(4096, '\0');
    zip_file_t* entry = zip_fopen(archive, "cards.txt", 0);
    const zip_int64_t n = entry ? zip_fread(entry, list.data(), zip_uint64_t(list.size())) : -1;
    if (entry)
        zip_fclose(entry);
    zip_discard(archive);
    list.resize(n < 0 ? 0 : qsizetype(n));
    return list;
}

QStringList cardMedia(const TempDatabase& t) {
    return t.column("SELECT Question || ' ' || coalesce(substr(Picture, 1, 8), '-') || ' ' || "
                    "coalesce(substr(Sound, 1, 8), '-') FROM Card ORDER BY Question");
}

} // namespace

class TestExchangeMedia : public QObject {
    Q_OBJECT
  private slots:
    void mediaComeBackWithTheAddedCards();
    void aCutOrForeignCompanionIsNeverHalfImported();
};

void TestExchangeMedia::mediaComeBackWithTheAddedCards() {
    QTemporaryDir files;
    const QString path = files.filePath("ExportBuffer.txt");
    exportWithMedia(path);
    QVERIFY(QFileInfo(exchange::mediaCompanionPath(path)).isFile());
    // Its list begins by naming the exchange file it belongs to, as a text editor shows it.
    QCOMPARE(
        companionList(path).split('\n').value(0),
        "memorant-media\t1\t" +
            QCryptographicHash::hash(testing::readFile(path), QCryptographicHash::Sha256).toHex());

    TempDatabase t;
    const exchange::ImportOutcome done = importInto(t, path, false);
    QCOMPARE(done.pictures, 2);
    QCOMPARE(done.sounds, 1);
    QCOMPARE(exchange::mediaNote(done),
             QStringLiteral("2 pictures and 1 sound came with the cards."));
    const QString pic = media::hashOf(kGif).left(8);
    const QString snd = media::hashOf(kWav).left(8);
    QCOMPARE(cardMedia(t),
             (QStringList{"bird - -", "cat " + pic + " -", "dog " + pic + " " + snd}));
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Media").toInt(), 2);
    QCOMPARE(media::loadMedia(t.db(), media::hashOf(kWav))->data, kWav);
    QCOMPARE(media::loadMedia(t.db(), media::hashOf(kWav))->name, QStringLiteral("woof.wav"));

    // Imported again, as a set of its own: its cards name the same files, kept once.
    const exchange::ImportOutcome again = importInto(t, path, false);
    QCOMPARE(again.cardsAdded, 3);
    QCOMPARE(again.pictures + again.sounds, 3);
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Media").toInt(), 2);

    // An export of a database without media leaves no stale companion behind.
    TempDatabase plain;
    plain.addCard("x", "y", plain.addSet("Plain"));
    exchange::Export(plain.db()).run(path);
    QVERIFY(!QFileInfo::exists(exchange::mediaCompanionPath(path)));
}

void TestExchangeMedia::aCutOrForeignCompanionIsNeverHalfImported() {
    QTemporaryDir files;
    const QString path = files.filePath("ExportBuffer.txt");
    exportWithMedia(path);
    const QString companion = exchange::mediaCompanionPath(path);
    QFile file(companion);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();

    // Cut short: refused, naming it; the database as before.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(whole.left(whole.size() / 2));
    file.close();
    {
        TempDatabase t;
        try {
            importInto(t, path, false);
            QFAIL("imported");
        } catch (const exchange::ExchangeError& e) {
            QVERIFY2(e.message().contains(QDir::toNativeSeparators(companion)) &&
                         e.message().contains("Nothing was changed"),
                     qPrintable(e.message()));
        }
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM Card").toInt(), 0);
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM Media").toInt(), 0);
    }

    // The companion of another export: the cards come without media, and it is said.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(whole);
    file.close();
    {
        TempDatabase other;
        other.addCard("x", "y", other.addSet("Other"));
        exchange::Export(other.db()).run(path); // rewrites the main file, removes the companion
    }
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(whole);
    file.close();
    TempDatabase t;
    const exchange::ImportOutcome done = importInto(t, path, false);
    QCOMPARE(done.cardsAdded, 1);
    QVERIFY2(exchange::mediaNote(done).contains("belongs to another exchange file"),
             qPrintable(exchange::mediaNote(done)));
    QCOMPARE(t.scalar("SELECT COUNT(*) FROM Media").toInt(), 0);
}

QTEST_GUILESS_MAIN(TestExchangeMedia)
#include "test_exchange_media.moc"
