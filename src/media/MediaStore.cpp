// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaStore.h"

#include "data/Sql.h"
#include "media/MediaKind.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

namespace media {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Media)
};

QString column(Slot slot) {
    return slot == Slot::Picture ? QStringLiteral("Picture") : QStringLiteral("Sound");
}

QString nullable(const QString& hash) {
    return hash.isEmpty() ? QString() : hash;
}

} // namespace

QString hashOf(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString storeMedia(const QSqlDatabase& db, const QByteArray& bytes, const QString& fileName,
                   Slot slot) {
    const QString why = refusal(fileName, bytes);
    if (!why.isEmpty())
        throw MediaRefused(why);
    const Kind kind = kindOf(bytes);
    if (slot == Slot::Picture && !isPicture(kind))
        throw MediaRefused(Text::tr("\"%1\" is a sound, not a picture").arg(fileName));
    if (slot == Slot::Sound && !isSound(kind))
        throw MediaRefused(Text::tr("\"%1\" is a picture, not a sound").arg(fileName));
    const QString hash = hashOf(bytes);
    data::exec(db,
               QStringLiteral("INSERT INTO Media (Hash, Mime, Name, Data) VALUES (?, ?, ?, ?) "
                              "ON CONFLICT (Hash) DO NOTHING"),
               {hash, mimeType(kind), QFileInfo(fileName).fileName(), bytes});
    return hash;
}

void setCardMedia(const QSqlDatabase& db, const QVariant& cardId, Slot slot, const QString& hash) {
    data::exec(db, QStringLiteral("UPDATE Card SET %1 = ? WHERE Card_ID = ?").arg(column(slot)),
               {QVariant(nullable(hash)), cardId});
}

void setCardMediaFromBytes(const QSqlDatabase& db, const QVariant& cardId, Slot slot,
                           const QByteArray& bytes, const QString& fileName) {
    data::Transaction t(db);
    setCardMedia(db, cardId, slot, storeMedia(db, bytes, fileName, slot));
    t.commit();
}

CardMedia cardMedia(const QSqlDatabase& db, const QVariant& cardId) {
    QSqlQuery q =
        data::exec(db,
                   QStringLiteral("SELECT coalesce(Picture, ''), coalesce(Sound, '') FROM Card "
                                  "WHERE Card_ID = ?"),
                   {cardId});
    if (!q.next())
        return {};
    return {q.value(0).toString(), q.value(1).toString()};
}

QHash<qint64, CardMedia> mediaOfSet(const QSqlDatabase& db, const QString& setName) {
    QSqlQuery q =
        data::exec(db,
                   QStringLiteral("SELECT Card.Card_ID, coalesce(Picture, ''), coalesce(Sound, '') "
                                  "FROM Set1 JOIN Set_Card_rel r ON r.Set_ID = Set1.Set_ID "
                                  "JOIN Card ON Card.Card_ID = r.Card_ID WHERE Set1.SetName = ? "
                                  "AND (Picture IS NOT NULL OR Sound IS NOT NULL)"),
                   {setName});
    QHash<qint64, CardMedia> out;
    while (q.next())
        out.insert(q.value(0).toLongLong(), {q.value(1).toString(), q.value(2).toString()});
    return out;
}

bool setHoldsMedia(const QSqlDatabase& db, const QString& setName) {
    return data::scalar(db,
                        QStringLiteral("SELECT 1 FROM Set1 JOIN Set_Card_rel r ON r.Set_ID = "
                                       "Set1.Set_ID JOIN Card ON Card.Card_ID = r.Card_ID "
                                       "WHERE Set1.SetName = ? AND (Picture IS NOT NULL OR "
                                       "Sound IS NOT NULL) LIMIT 1"),
                        {setName})
        .isValid();
}

std::optional<StoredMedia> loadMedia(const QSqlDatabase& db, const QString& hash) {
    if (hash.isEmpty())
        return std::nullopt;
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT Mime, coalesce(Name, ''), Data FROM Media WHERE Hash = ?"),
        {hash});
    if (!q.next())
        return std::nullopt;
    return StoredMedia{q.value(0).toString(), q.value(1).toString(), q.value(2).toByteArray()};
}

int removeUnusedMedia(const QSqlDatabase& db) {
    return data::exec(db, QStringLiteral("DELETE FROM Media WHERE NOT EXISTS (SELECT 1 FROM Card "
                                         "WHERE Picture = Media.Hash) AND NOT EXISTS (SELECT 1 "
                                         "FROM Card WHERE Sound = Media.Hash)"))
        .numRowsAffected();
}

} // namespace media
