// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace syncing {

// The pictures and sounds every machine brings, one file per content named by its SHA-256 in
// lower-case hex, in "media" inside the sync root: a content many cards or machines use is
// there once, and the change files carry only the hash.
QString mediaFolder(const QString& root);

// Writes to the folder every picture and sound of this file that is not there yet, before the
// change files naming them. Empty on success, else why not.
[[nodiscard]] QString writeMediaToFolder(const QSqlDatabase& db, const QString& root);

struct MediaArrivals {
    int named = 0;       // pictures and sounds now named on their cards
    int waiting = 0;     // named by a change whose bytes the folder has not brought yet
    QStringList refused; // files in the folder that are not what their name says, or refused
};

// Names on each card the picture and sound every machine agreed on, where this file lacked
// their bytes when the change came and the folder has them now; a card changed here since the
// last sync is left to the next one. Its own transaction, capture off; throws DbError.
MediaArrivals bringInMedia(const QSqlDatabase& db, const QString& root);

} // namespace syncing
