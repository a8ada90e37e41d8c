// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Error.h"

#include <QByteArray>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>

namespace media {

// A file that may not be kept as a card's picture or sound; message() names it and says why.
class MediaRefused : public data::Error {
  public:
    using Error::Error;
};

// Which of a card's two media.
enum class Slot { Picture, Sound };

// What a card names: the Hash of a Media row each, empty for none.
struct CardMedia {
    QString picture;
    QString sound;
    bool isEmpty() const { return picture.isEmpty() && sound.isEmpty(); }
};

struct StoredMedia {
    QString mime;
    QString name;
    QByteArray data;
};

// The key of some content: the SHA-256 of its bytes in lower-case hex.
QString hashOf(const QByteArray& bytes);

// Keeps the bytes in the file, once however many cards use them, and gives their hash. Throws
// MediaRefused for a file over the limits or of a kind that cannot be read (naming
// `fileName`), or one of the wrong kind for `slot`. Nothing names the row yet: the caller sets it
// on a card in the same transaction, or it is left for the next clean-up.
QString storeMedia(const QSqlDatabase& db, const QByteArray& bytes, const QString& fileName,
                   Slot slot);

// Names `hash` (empty: none) as the card's picture or sound. What no card names any more is
// removed by the database in the same statement.
void setCardMedia(const QSqlDatabase& db, const QVariant& cardId, Slot slot, const QString& hash);
// Reads, checks and keeps a file, and names it on the card, in one transaction.
void setCardMediaFromBytes(const QSqlDatabase& db, const QVariant& cardId, Slot slot,
                           const QByteArray& bytes, const QString& fileName);

CardMedia cardMedia(const QSqlDatabase& db, const QVariant& cardId);
// The cards of the named set that have a picture or a sound, by Card_ID.
QHash<qint64, CardMedia> mediaOfSet(const QSqlDatabase& db, const QString& setName);
bool setHoldsMedia(const QSqlDatabase& db, const QString& setName);

std::optional<StoredMedia> loadMedia(const QSqlDatabase& db, const QString& hash);

// Media rows no card names (left by a step that stopped between keeping and naming); removed.
int removeUnusedMedia(const QSqlDatabase& db);

} // namespace media
