// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/MediaCompanion.h"

#include "data/Sql.h"
#include "exchange/ExchangeFile.h"
#include "media/MediaKind.h"
#include "media/MediaStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <memory>
#include <zip.h>

namespace exchange {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

const char* const kList = "cards.txt";
const QString kHeader = QStringLiteral("memorant-media");

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct EntryCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void refuse(const QString& companion, const QString& why) {
    throw ExchangeError(Text::tr("The companion file \"%1\" cannot be imported: %2. "
                                 "Nothing was changed.")
                            .arg(native(companion), why));
}

// A member read whole, refused beyond `limit` bytes before anything is allocated for it.
QByteArray readMember(zip_t* archive, const QString& companion, const QString& name, qint64 limit) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name.toUtf8().constData(), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE))
        refuse(companion, Text::tr("it lacks \"%1\"").arg(name));
    if (stat.size > zip_uint64_t(limit))
        refuse(companion, Text::tr("\"%1\" in it is larger than a card's file may be").arg(name));
    std::unique_ptr<zip_file_t, EntryCloser> entry(
        zip_fopen(archive, name.toUtf8().constData(), 0));
    if (!entry)
        refuse(companion, Text::tr("\"%1\" in it cannot be read").arg(name));
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    if (zip_fread(entry.get(), bytes.data(), stat.size) != zip_int64_t(stat.size))
        refuse(companion, Text::tr("\"%1\" in it is damaged").arg(name));
    return bytes;
}

// One line per card with media, and the hashes they name.
QString cardLines(const QSqlDatabase& db, QSet<QString>& hashes) {
    QString lines;
    try {
        QSqlQuery q = data::exec(db, QStringLiteral("SELECT Card_ID, coalesce(Picture, ''), "
                                                    "coalesce(Sound, '') FROM Card WHERE Picture "
                                                    "IS NOT NULL OR Sound IS NOT NULL "
                                                    "ORDER BY Card_ID"));
        while (q.next()) {
            lines += QStringLiteral("%1\t%2\t%3\n")
                         .arg(q.value(0).toLongLong())
                         .arg(q.value(1).toString(), q.value(2).toString());
            for (int c : {1, 2})
                if (!q.value(c).toString().isEmpty())
                    hashes.insert(q.value(c).toString());
        }
    } catch (const data::DbError& e) {
        throw ExchangeError(
            Text::tr("The pictures and sounds could not be exported: %1").arg(e.message()));
    }
    return lines;
}

// Whether the list's first line names the exchange file of `mainSha256`; a list that is not
// ours, or of a newer version, is refused.
bool namesExchangeFile(const QString& first, const QString& companion,
                       const QByteArray& mainSha256) {
    const QStringList head = first.split(QLatin1Char('\t'));
    if (head.size() != 3 || head.at(0) != kHeader)
        refuse(companion, Text::tr("its list of cards does not begin as it should"));
    if (head.at(1) != QLatin1String("1"))
        refuse(companion, Text::tr("it was written by a newer version of this program"));
    return head.at(2).toLatin1() == mainSha256;
}

// The cards this import added, by the id they had in the exported database.
QHash<QString, QVariant> addedCards(const QSqlDatabase& db) {
    QHash<QString, QVariant> added;
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT SpareID, Card_ID FROM Card WHERE "
                                                "SpareID IS NOT NULL AND SpareID <> ''"));
    while (q.next())
        added.insert(q.value(0).toString(), q.value(1));
    return added;
}

// The name each file came with, by hash.
QHash<QString, QString> fileNames(const QStringList& lines) {
    QHash<QString, QString> names;
    for (const QString& line : lines) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.value(0) == QLatin1String("file") && f.size() == 4)
            names.insert(f.at(1), f.at(3));
    }
    return names;
}

// Keeps the file `hash` of the archive in the database, once, checked against its name and
// the limits.
void keepFile(const QSqlDatabase& db, zip_t* archive, const QString& companion, const QString& hash,
              const QString& name, media::Slot slot) {
    const QByteArray bytes = readMember(archive, companion, hash, media::kLargestSoundBytes);
    if (media::hashOf(bytes) != hash)
        refuse(companion, Text::tr("the file \"%1\" in it is not what its name says").arg(hash));
    try {
        media::storeMedia(db, bytes, name, slot);
    } catch (const media::MediaRefused& e) {
        refuse(companion, e.message());
    }
}

} // namespace

QString mediaCompanionPath(const QString& exchangePath) {
    return exchangePath + QStringLiteral(".media");
}

int writeMediaCompanion(const QSqlDatabase& db, const QString& exchangePath,
                        const QByteArray& mainSha256) {
    const QString path = mediaCompanionPath(exchangePath);
    QString list =
        kHeader + QStringLiteral("\t1\t") + QString::fromLatin1(mainSha256) + QLatin1Char('\n');
    QSet<QString> hashes;
    list += cardLines(db, hashes);
    if (hashes.isEmpty()) {
        QFile::remove(path); // one left by an earlier export belongs to another file
        return 0;
    }
    // Each file is staged on disk, so that a large collection is never held in memory whole
    // while the archive is written.
    QTemporaryDir staging;
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    int error = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(
        zip_open(QFile::encodeName(partial).constData(), ZIP_CREATE | ZIP_EXCL, &error));
    if (!staging.isValid() || !archive)
        throw ExchangeError(
            Text::tr("The companion file \"%1\" cannot be written").arg(native(path)));
    const auto fail = [&](const QString& why) {
        archive.reset();
        QFile::remove(partial);
        throw ExchangeError(
            Text::tr("The companion file \"%1\" cannot be written: %2").arg(native(path), why));
    };
    int written = 0;
    for (const QString& hash : hashes) {
        std::optional<media::StoredMedia> stored;
        try {
            stored = media::loadMedia(db, hash);
        } catch (const data::DbError& e) {
            fail(e.message());
        }
        if (!stored)
            continue; // named by a card, missing from the file: the check reports it
        QFile file(staging.filePath(hash));
        if (!file.open(QIODevice::WriteOnly) || file.write(stored->data) != stored->data.size())
            fail(file.errorString());
        file.close();
        list += QStringLiteral("file\t%1\t%2\t%3\n")
                    .arg(hash, stored->mime,
                         QString(stored->name).remove(QLatin1Char('\t')).remove(QLatin1Char('\n')));
        zip_source_t* source =
            zip_source_file(archive.get(), QFile::encodeName(file.fileName()).constData(), 0, -1);
        const zip_int64_t index =
            source ? zip_file_add(archive.get(), hash.toUtf8().constData(), source, 0) : -1;
        if (index < 0) {
            zip_source_free(source);
            fail(QString::fromUtf8(zip_strerror(archive.get())));
        }
        // Pictures and sounds are compressed already.
        zip_set_file_compression(archive.get(), zip_uint64_t(index), ZIP_CM_STORE, 0);
        ++written;
    }
    const QByteArray listBytes = list.toUtf8();
    zip_source_t* listSource =
        zip_source_buffer(archive.get(), listBytes.constData(), zip_uint64_t(listBytes.size()), 0);
    if (!listSource || zip_file_add(archive.get(), kList, listSource, 0) < 0) {
        zip_source_free(listSource);
        fail(QString::fromUtf8(zip_strerror(archive.get())));
    }
    if (zip_close(archive.get()) != 0)
        fail(QString::fromUtf8(zip_strerror(archive.get())));
    static_cast<void>(archive.release()); // closed already
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw ExchangeError(
            Text::tr("The companion file \"%1\" cannot be written").arg(native(path)));
    }
    return written;
}

MediaCompanionRead applyMediaCompanion(const QSqlDatabase& db, const QString& exchangePath,
                                       const QByteArray& mainSha256) {
    MediaCompanionRead read;
    const QString path = mediaCompanionPath(exchangePath);
    if (!QFileInfo(path).isFile())
        return read;
    read.present = true;
    int error = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive)
        refuse(path, Text::tr("it is cut short or damaged (not a readable zip archive)"));
    const QStringList lines =
        QString::fromUtf8(
            readMember(archive.get(), path, QString::fromLatin1(kList), 64LL * 1024 * 1024))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    read.matches = namesExchangeFile(lines.value(0), path, mainSha256);
    if (!read.matches)
        return read;

    const QHash<QString, QVariant> added = addedCards(db);
    const QHash<QString, QString> names = fileNames(lines);
    QSet<QString> kept;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList f = lines.at(i).split(QLatin1Char('\t'));
        if (f.value(0) == QLatin1String("file"))
            continue;
        if (f.size() != 3)
            refuse(path, Text::tr("line %1 of its list of cards is malformed").arg(i + 1));
        const QVariant card = added.value(f.at(0));
        if (!card.isValid())
            continue; // the card was there already, or not imported
        for (const media::Slot slot : {media::Slot::Picture, media::Slot::Sound}) {
            const QString& hash = f.at(slot == media::Slot::Picture ? 1 : 2);
            if (hash.isEmpty())
                continue;
            if (!kept.contains(hash)) {
                keepFile(db, archive.get(), path, hash, names.value(hash, hash), slot);
                kept.insert(hash);
            }
            media::setCardMedia(db, card, slot, hash);
            ++(slot == media::Slot::Picture ? read.pictures : read.sounds);
        }
    }
    return read;
}

} // namespace exchange
