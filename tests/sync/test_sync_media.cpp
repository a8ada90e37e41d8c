// SPDX-License-Identifier: GPL-3.0-or-later
// Cards' pictures and sounds between machines: the change files name them by hash, the bytes
// sit once in the folder, and a machine names them on its cards only once it has them whole.
#include "Machine.h"
#include "media/MediaStore.h"
#include "support/MediaBytes.h"
#include "sync/ChangeFile.h"
#include "sync/MediaFolder.h"
#include "sync/Shadow.h"
#include "sync/SyncFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using testing::Machine;
using testing::pngBytes;
using testing::wavBytes;

class TestSyncMedia : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString folder_;

    void settle(std::initializer_list<Machine*> machines) { testing::settle(folder_, machines); }

    QString mediaFolder() const { return syncing::mediaFolder(syncing::syncRoot(folder_)); }

    static void give(Machine& m, const QString& question, media::Slot slot,
                     const QByteArray& bytes) {
        media::setCardMediaFromBytes(m.db(), m.cardId(question), slot, bytes,
                                     QStringLiteral("file"));
    }

    // Each card's question with the picture and sound it names, and the media the file holds.
    static QString mediaDigest(const Machine& m) {
        return m.column(QStringLiteral("SELECT Question || '|' || coalesce(Picture, '-') || '|' || "
                                       "coalesce(Sound, '-') FROM Card ORDER BY Question"))
                   .join(QLatin1Char('\n')) +
               QStringLiteral("\nmedia ") +
               m.column(QStringLiteral("SELECT Hash || ':' || length(Data) FROM Media ORDER BY "
                                       "Hash"))
                   .join(QLatin1Char(' '));
    }

  private slots:
    void init() {
        folder_ = dir_.filePath(QStringLiteral("shared-%1").arg(QTest::currentTestFunction()));
        QDir().mkpath(folder_);
    }

    // A picture two cards share is stored once in each file and once in the folder; changes
    // and removals travel, the later one winning, and what no card names goes everywhere.
    void mediaTravelOncePerContent() {
        Machine a(dir_.path(), QStringLiteral("desk"));
        Machine b(dir_.path(), QStringLiteral("laptop"));
        a.addSet(QStringLiteral("Animals"));
        a.addSet(QStringLiteral("Farm"));
        a.addCard(QStringLiteral("Animals"), QStringLiteral("cat"), QStringLiteral("Katze"));
        a.addCard(QStringLiteral("Farm"), QStringLiteral("cow"), QStringLiteral("Kuh"));
        const QByteArray picture = pngBytes(40, 30, "shared");
        give(a, QStringLiteral("cat"), media::Slot::Picture, picture);
        give(a, QStringLiteral("cow"), media::Slot::Picture, picture);
        give(a, QStringLiteral("cat"), media::Slot::Sound, wavBytes("miaow"));
        settle({&a, &b});
        QCOMPARE(mediaDigest(b), mediaDigest(a));
        QCOMPARE(b.scalar(QStringLiteral("SELECT count(*) FROM Media")).toInt(), 2);
        QCOMPARE(b.scalar(QStringLiteral("SELECT Data FROM Media WHERE Hash = ?"),
                          {media::hashOf(picture)})
                     .toByteArray(),
                 picture);
        QStringList inFolder = QDir(mediaFolder()).entryList(QDir::Files);
        QCOMPARE(inFolder.size(), 2);
        QVERIFY(inFolder.contains(media::hashOf(picture)));

        // The laptop gives the cat a new picture, then the desk a newer one: the newer stands.
        give(b, QStringLiteral("cat"), media::Slot::Picture, pngBytes(40, 30, "laptop"));
        QTest::qWait(5);
        const QByteArray newest = pngBytes(40, 30, "desk");
        give(a, QStringLiteral("cat"), media::Slot::Picture, newest);
        // The desk takes the cow's picture away and the laptop the cat's sound.
        media::setCardMedia(a.db(), a.cardId(QStringLiteral("cow")), media::Slot::Picture, {});
        media::setCardMedia(b.db(), b.cardId(QStringLiteral("cat")), media::Slot::Sound, {});
        settle({&a, &b});
        QCOMPARE(mediaDigest(b), mediaDigest(a));
        QCOMPARE(a.column(QStringLiteral("SELECT Hash FROM Media")),
                 QStringList{media::hashOf(newest)});
        // The folder keeps what it was given: another machine may not have read it yet.
        QCOMPARE(QDir(mediaFolder()).entryList(QDir::Files).size(), 4);

        // A third machine joining later gets the cards as they are now.
        Machine c(dir_.path(), QStringLiteral("tablet"));
        settle({&c});
        QCOMPARE(mediaDigest(c), mediaDigest(a));
    }

    // The change file may come before the bytes (a sync tool carries files in any order): the
    // card comes without its picture, said in a note, and takes it at a later sync. Bytes that
    // are cut or not what their name says are never taken.
    void aPictureWhoseBytesComeLaterIsNamedThen() {
        Machine a(dir_.path(), QStringLiteral("desk"));
        Machine b(dir_.path(), QStringLiteral("laptop"));
        a.addSet(QStringLiteral("S"));
        a.addCard(QStringLiteral("S"), QStringLiteral("sun"), QStringLiteral("Sonne"));
        a.addCard(QStringLiteral("S"), QStringLiteral("moon"), QStringLiteral("Mond"));
        settle({&a, &b});
        const QByteArray picture = pngBytes(64, 64, "sun");
        give(a, QStringLiteral("sun"), media::Slot::Picture, picture);
        give(a, QStringLiteral("moon"), media::Slot::Sound, wavBytes("night"));
        QVERIFY(a.sync(folder_).error.isEmpty());
        const QString file = QDir(mediaFolder()).filePath(media::hashOf(picture));
        QVERIFY(QFile::rename(file, file + QStringLiteral(".away")));
        // Not yet arrived, then cut short.
        syncing::SyncSummary s = b.sync(folder_);
        QVERIFY2(s.error.isEmpty(), qPrintable(s.error));
        QCOMPARE(s.mediaWaiting, 1);
        QCOMPARE(s.mediaWaitingNote(),
                 QStringLiteral("1 picture or sound waits for the sync folder to bring it; it is "
                                "named on its card once it has"));
        QVERIFY(s.notes.isEmpty());
        QVERIFY(
            b.scalar(QStringLiteral("SELECT Picture FROM Card WHERE Question = 'sun'")).isNull());
        QVERIFY(
            !b.scalar(QStringLiteral("SELECT Sound FROM Card WHERE Question = 'moon'")).isNull());
        QFile cut(file);
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(picture.left(20));
        cut.close();
        s = b.sync(folder_);
        QVERIFY(
            b.scalar(QStringLiteral("SELECT Picture FROM Card WHERE Question = 'sun'")).isNull());
        QCOMPARE(b.scalar(QStringLiteral("SELECT count(*) FROM Media")).toInt(), 1);
        // The desk, which has the bytes, writes the cut file again whole at its next sync.
        QVERIFY(QFile::remove(file + QStringLiteral(".away")));
        QVERIFY(a.sync(folder_).error.isEmpty());
        QCOMPARE(QFileInfo(file).size(), picture.size());
        s = b.sync(folder_);
        QCOMPARE(s.mediaWaiting, 0);
        QCOMPARE(s.mediaNamed, 1);
        QCOMPARE(
            b.scalar(QStringLiteral("SELECT Picture FROM Card WHERE Question = 'sun'")).toString(),
            media::hashOf(picture));
        // Naming it on arrival is no change of the laptop's own: nothing goes back.
        QCOMPARE(b.sync(folder_).sent, 0);
        settle({&a, &b});
        QCOMPARE(mediaDigest(b), mediaDigest(a));
    }

    // A picture this program would refuse (another program put it in the file) is not taken
    // from the folder: the card stays without it, and the learner hears why.
    void aRefusedPictureIsNotTaken() {
        Machine a(dir_.path(), QStringLiteral("desk"));
        Machine b(dir_.path(), QStringLiteral("laptop"));
        a.addSet(QStringLiteral("S"));
        a.addCard(QStringLiteral("S"), QStringLiteral("bomb"), QStringLiteral("x"));
        const QByteArray bomb = pngBytes(100000, 100000);
        a.exec(QStringLiteral("INSERT INTO Media (Hash, Mime, Name, Data) VALUES (?, 'image/png', "
                              "'bomb.png', ?)"),
               {media::hashOf(bomb), bomb});
        a.exec(QStringLiteral("UPDATE Card SET Picture = ? WHERE Question = 'bomb'"),
               {media::hashOf(bomb)});
        QVERIFY(a.sync(folder_).error.isEmpty());
        const syncing::SyncSummary s = b.sync(folder_);
        QVERIFY2(s.error.isEmpty(), qPrintable(s.error));
        QCOMPARE(s.notes.size(), 1);
        QVERIFY2(s.notes.first().startsWith(
                     QStringLiteral("A picture or sound in the sync folder was not taken: ")),
                 qPrintable(s.notes.first()));
        QCOMPARE(b.scalar(QStringLiteral("SELECT count(*) FROM Card WHERE Question = 'bomb' AND "
                                         "Picture IS NULL"))
                     .toInt(),
                 1);
        QCOMPARE(b.scalar(QStringLiteral("SELECT count(*) FROM Media")).toInt(), 0);
    }

    // A card change of each length this program has written reads back; a media field that is
    // not a hash makes the change unfit, so its file is not applied.
    void cardChangesOfEveryLengthRead() {
        const QString gid(32, QLatin1Char('a'));
        QStringList older{QStringLiteral("C"), gid};
        for (int i = 2; i < 15; ++i)
            older << QString();
        QVERIFY(syncing::cardFromEvent({older}));
        QStringList withReverse = older;
        withReverse << QString() << QString() << QString();
        const std::optional<syncing::CardState> before = syncing::cardFromEvent({withReverse});
        QVERIFY(before);
        QCOMPARE(before->pAt, QString(QLatin1String("")));
        QVERIFY(!before->pAt.isNull());
        const QString hash = media::hashOf("x");
        QStringList withMedia = withReverse;
        withMedia << hash << QStringLiteral("0000000000001-0001-") + gid << QString() << QString();
        const std::optional<syncing::CardState> now = syncing::cardFromEvent({withMedia});
        QVERIFY(now);
        QCOMPARE(now->picture, hash);
        QCOMPARE(syncing::cardEvent(*now).fields.size(), withMedia.size());
        for (const QString& bad :
             {QStringLiteral("../../etc/passwd"), hash.toUpper(), hash.left(63)}) {
            QStringList unfit = withMedia;
            unfit[18] = bad;
            QVERIFY2(!syncing::cardFromEvent({unfit}), qPrintable(bad));
        }
    }
};

QTEST_GUILESS_MAIN(TestSyncMedia)
#include "test_sync_media.moc"
