// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QVariant>
#include <optional>

namespace learn {

// A card's stored weights and rating, exactly as the file holds them.
struct StoredWeights {
    QVariant rating;
    QVariant correct;
    QVariant incorrect;
};

// Reads a card's weights; none when the card is gone. Throws DbError.
std::optional<StoredWeights> readStoredWeights(const QSqlDatabase& db, const QVariant& cardId);

// Takes one reply back in one transaction: the card gets its weights and rating back and the
// reply's log row goes. Throws DbError and leaves the file as it was when either fails, or
// when the log row is no longer there.
void undoStoredReply(const QSqlDatabase& db, const QVariant& cardId, const StoredWeights& before,
                     qint64 logRowId);

} // namespace learn
