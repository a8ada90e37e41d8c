// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaBench.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "media/MediaStore.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <stdexcept>

namespace bench {
namespace {

constexpr int kVersion = 2; // bump when the content or the schema changes
constexpr int kDistinctPictures = 500;
constexpr int kMediaRows = 2000;

// Noise compresses badly: about 500 KB as a JPEG of this size.
QByteArray noisyJpeg(quint32 seed) {
    QImage image(QSize(1024, 768), QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = random.generate() | 0xFF000000u;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes;
}

void fillMedia(const QSqlDatabase& db) {
    data::Transaction t(db);
    QList<QByteArray> pictures;
    for (int i = 0; i < kDistinctPictures; ++i)
        pictures << noisyJpeg(static_cast<quint32>(i + 1));
    QStringList hashes;
    for (int i = 0; i < kMediaRows; ++i) {
        // Bytes after a JPEG's end are never read: a distinct file of the same picture.
        QByteArray bytes = pictures.at(i % kDistinctPictures);
        if (i >= kDistinctPictures)
            bytes += QByteArray::number(i);
        hashes << media::storeMedia(db, bytes, QStringLiteral("p%1.jpg").arg(i),
                                    media::Slot::Picture);
    }
    QSqlQuery chosen = data::exec(
        db, QStringLiteral("SELECT r.Card_ID FROM Set1 JOIN Set_Card_rel r ON r.Set_ID = "
                           "Set1.Set_ID WHERE Set1.SetName = 'Load10000' ORDER BY r.Card_ID"));
    QList<qint64> cards;
    while (chosen.next())
        cards << chosen.value(0).toLongLong();
    for (int i = 0; i < cards.size(); ++i)
        media::setCardMedia(db, cards.at(i), media::Slot::Picture,
                            hashes.at(i % kDistinctPictures));
    // The other pictures belong to cards outside that set.
    QSqlQuery others =
        data::exec(db,
                   QStringLiteral("SELECT Card_ID FROM Card WHERE Picture IS NULL ORDER BY Card_ID "
                                  "DESC LIMIT ?"),
                   {kMediaRows - kDistinctPictures});
    for (int i = kDistinctPictures; others.next(); ++i)
        media::setCardMedia(db, others.value(0), media::Slot::Picture, hashes.at(i));
    t.commit();
}

} // namespace

QString mediaWorkingCopy(const QString& largeSource, const QString& cacheDir) {
    const QString kept =
        QDir(cacheDir).filePath(QStringLiteral("memorant-media-v%1.mdb").arg(kVersion));
    if (!QFile::exists(kept)) {
        const QString partial = kept + QStringLiteral(".partial");
        QFile::remove(partial);
        if (!QFile::copy(largeSource, partial))
            throw std::runtime_error("cannot copy " + largeSource.toStdString());
        const data::OpenOutcome opened = data::openDatabase(partial);
        if (!opened.ok)
            throw std::runtime_error(opened.message.toStdString());
        try {
            fillMedia(data::mainConnection());
            data::exec(data::mainConnection(), QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        } catch (const data::Error& e) {
            data::closeAllConnections();
            throw std::runtime_error(e.what());
        }
        data::closeAllConnections();
        if (!QFile::rename(partial, kept))
            throw std::runtime_error("cannot keep " + kept.toStdString());
    }
    const QString copy = QDir(cacheDir).filePath(QStringLiteral("work-media.mdb"));
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(copy + QLatin1String(suffix));
    if (!QFile::copy(kept, copy))
        throw std::runtime_error("cannot copy " + kept.toStdString());
    return copy;
}

} // namespace bench
