// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RecordsetFamily.h"

#include <QString>

namespace sets {

// What the set commands do to the database, through the main window's record sets.
// No widget in sight: the window's handlers add the messages and the screens.
class SetStore {
  public:
    explicit SetStore(data::RecordsetFamily& rs) : rs_(rs) {}

    // Whether a set already has this name (letter case ignored). The name is left in
    // Fields1.Check, where the stored query qNewSetCheck reads it; the record sets are
    // reopened so that it is read afresh.
    bool nameTaken(const QString& name);

    // Adds the set and makes it the chosen one, in one transaction.
    void createSet(const QString& name);

    // Renames the first set named exactly `shownName`; false when there is none. A
    // renamed chosen set stays chosen.
    bool renameSet(const QString& shownName, const QString& newName);

    // Whether Set1 holds any row.
    bool hasSets();

    // The steps of a deletion, each on its own; the caller reopens the record sets.
    // Removes every set marked inactive (their ties go with them).
    int sweepSets();
    // Marks every card that no set holds any more.
    void markOrphanedCards();
    // Removes every card marked inactive, with its answers.
    int sweepCards();
    // With exactly one set left, adds a placeholder card that belongs to no set.
    bool addPlaceholderIfLastSet();

    struct DeleteResult {
        int setsDeleted = 0;
        int cardsDeleted = 0;
        bool placeholderAdded = false;
    };
    // Deletes the set named exactly `chosenName`, every card that no set holds any more
    // with its answers, and adds the placeholder card when one set is left; the set the list
    // then shows becomes the chosen one. All or nothing.
    DeleteResult deleteSet(const QString& chosenName);

  private:
    data::RecordsetFamily& rs_;
};

} // namespace sets
