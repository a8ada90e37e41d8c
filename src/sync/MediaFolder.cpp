// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/MediaFolder.h"

#include "data/Sql.h"
#include "media/MediaKind.h"
#include "media/MediaStore.h"
#include "sync/Shadow.h"
#include "sync/SyncFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <vector>

namespace syncing {
namespace {

struct Wanted {
    QVariant cardId;
    media::Slot slot;
    QString hash;
};

// The cards whose agreed picture or sound differs from what they name, that no change here
// waits to be sent for.
std::vector<Wanted> wantedMedia(const QSqlDatabase& db) {
    std::vector<Wanted> out;
    QSqlQuery q = data::exec(
        db, QStringLiteral(
                "SELECT s.Card_ID, s.Picture, s.Sound, c.Picture IS NOT s.Picture, c.Sound IS NOT "
                "s.Sound FROM SyncCard s JOIN Card c ON c.Card_ID = s.Card_ID WHERE (s.Picture "
                "IS NOT NULL OR s.Sound IS NOT NULL) AND s.Canon IS NULL AND (c.Picture IS NOT "
                "s.Picture OR c.Sound IS NOT s.Sound) AND NOT EXISTS (SELECT 1 FROM SyncOutbox o "
                "WHERE o.A = s.Card_ID AND o.Kind IN ('C', 'P', 'R'))"));
    while (q.next()) {
        if (q.value(3).toBool() && !q.value(1).isNull())
            out.push_back({q.value(0), media::Slot::Picture, q.value(1).toString()});
        if (q.value(4).toBool() && !q.value(2).isNull())
            out.push_back({q.value(0), media::Slot::Sound, q.value(2).toString()});
    }
    return out;
}

bool haveMedia(const QSqlDatabase& db, const QString& hash) {
    return data::scalar(db, QStringLiteral("SELECT 1 FROM Media WHERE Hash = ?"), {hash}).isValid();
}

} // namespace

QString mediaFolder(const QString& root) {
    return QDir(root).filePath(QStringLiteral("media"));
}

QString writeMediaToFolder(const QSqlDatabase& db, const QString& root) {
    const QString folder = mediaFolder(root);
    QHash<QString, qint64> there;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
        there.insert(file.fileName(), file.size());
    // One of another size was cut on its way here: written again whole.
    QStringList missing;
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT Hash, length(Data) FROM Media"));
    while (q.next())
        if (there.value(q.value(0).toString(), -1) != q.value(1).toLongLong())
            missing << q.value(0).toString();
    q.finish();
    for (const QString& hash : missing) {
        // Read one at a time: a collection's media may be far larger than memory allows.
        const std::optional<media::StoredMedia> stored = media::loadMedia(db, hash);
        if (!stored)
            continue;
        if (QString failure = writeWhole(folder, hash, stored->data); !failure.isEmpty())
            return failure;
    }
    return {};
}

MediaArrivals bringInMedia(const QSqlDatabase& db, const QString& root) {
    MediaArrivals arrivals;
    WriteTransaction t(db);
    const std::vector<Wanted> wanted = wantedMedia(db);
    if (wanted.empty())
        return arrivals;
    data::exec(db, QStringLiteral("UPDATE SyncReplica SET Capture = 0"));
    const QString folder = mediaFolder(root);
    for (const Wanted& w : wanted) {
        if (!haveMedia(db, w.hash)) {
            const QString path = QDir(folder).filePath(w.hash);
            const QFileInfo info(path);
            if (!info.isFile()) {
                ++arrivals.waiting;
                continue;
            }
            // Not read at all when larger than any picture or sound may be.
            const QByteArray bytes =
                info.size() <= media::kLargestSoundBytes ? readAll(path) : QByteArray();
            if (media::hashOf(bytes) != w.hash) {
                // Cut, still arriving, or changed on the way: tried again at the next sync.
                ++arrivals.waiting;
                continue;
            }
            try {
                media::storeMedia(db, bytes, path, w.slot);
            } catch (const media::MediaRefused& e) {
                arrivals.refused << e.message();
                continue;
            }
        }
        media::setCardMedia(db, w.cardId, w.slot, w.hash);
        ++arrivals.named;
    }
    data::exec(db, QStringLiteral("UPDATE SyncReplica SET Capture = 1"));
    t.commit();
    return arrivals;
}

} // namespace syncing
