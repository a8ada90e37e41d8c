// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Sql.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace sets {

// Writes new sets and their cards, within the caller's transaction: the one step every
// import from another program's file goes through, so every text is made storable here
// (storableText) and every set name capped. The statements are prepared once, so a list of
// a hundred thousand cards goes in at SQLite's own pace.
class NewSetWriter {
  public:
    explicit NewSetWriter(const QSqlDatabase& db);

    // Adds a set named `name` (made storable and unique by the caller, uniqueSetName); its
    // id, for addCard().
    QVariant addSet(const QString& name);
    // A card with one answer, or a multiple-answer card with several (whose order matters
    // when `orderImportant`). False, and nothing stored, when its question or every answer
    // held nothing a text may keep.
    [[nodiscard]] bool addCard(const QVariant& setId, const QString& question,
                               const QStringList& answers, bool orderImportant = false);
    // The id of the card addCard() last stored.
    const QVariant& lastCardId() const { return lastCardId_; }
    // Gives the set's new cards their order keys: a new card's key is its id, as for a card
    // typed into the grid.
    void finishSet(const QVariant& setId);

  private:
    QSqlDatabase db_;
    data::Prepared addSet_;
    data::Prepared addCard_;
    data::Prepared relate_;
    data::Prepared addAnswer_;
    QVariant lastCardId_;
};

} // namespace sets
