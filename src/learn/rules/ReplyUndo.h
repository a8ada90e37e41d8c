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
    bool held = true; // false: the card had no reverse values yet
};

// Reads a card's weights, or its reverse values when `reverse` (a card never asked so has
// none: empty values); none when the card is gone. Throws DbError.
std::optional<StoredWeights> readStoredWeights(const QSqlDatabase& db, const QVariant& cardId,
                                               bool reverse = false);

// Takes one reply back in one transaction: the card gets its weights and rating back and the
// reply's log row goes. Throws DbError and leaves the file as it was when either fails, or
// when the log row is no longer there.
// A reverse reply gives back the reverse values (a card's row made by that reply goes).
void undoStoredReply(const QSqlDatabase& db, const QVariant& cardId, const StoredWeights& before,
                     qint64 logRowId, bool reverse = false);

} // namespace learn
