// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/rules/SetStore.h"

#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "sets/rules/SetRules.h"

#include <QStringList>

namespace sets {
namespace {

const QString& kSetName = data::column::SetName;

void reopen(data::RecordsetFamily& rs) {
    rs.UnloadAll();
    rs.LoadAll();
}

} // namespace

bool SetStore::nameTaken(const QString& name) {
    if (!rs_.isLoaded())
        rs_.LoadAll();
    if (rs_.fields1.isEmpty())
        rs_.fields1.addNew();
    else
        rs_.fields1.moveFirst();
    rs_.fields1.setValue(data::column::Check, name);
    rs_.fields1.update();
    reopen(rs_);
    if (!rs_.newSetCheck.eof())
        return true;
    // The stored query folds ASCII letters only; other alphabets are compared here.
    QStringList names;
    for (rs_.set1.moveFirst(); !rs_.set1.eof(); rs_.set1.moveNext())
        names << rs_.set1.value(kSetName).toString();
    return setNameTaken(names, name);
}

void SetStore::createSet(const QString& name) {
    const QSqlDatabase db = rs_.connection();
    data::Transaction t(db);
    data::exec(db, QStringLiteral("INSERT INTO Set1 (SetName) VALUES (?)"), {name});
    // A new set is made to be filled: it becomes the chosen set, so the list shows it and
    // the grid takes its first cards.
    data::exec(db, QStringLiteral("UPDATE Fields SET SetName = ?"), {name});
    t.commit();
    reopen(rs_);
}

bool SetStore::hasSets() {
    if (!rs_.isLoaded())
        rs_.LoadAll();
    return !rs_.set1.isEmpty();
}

bool SetStore::renameSet(const QString& shownName, const QString& newName) {
    const QSqlDatabase db = rs_.connection();
    data::Transaction t(db);
    bool found = false;
    for (rs_.set1.moveFirst(); !rs_.set1.eof(); rs_.set1.moveNext()) {
        if (rs_.set1.value(kSetName).toString() == shownName) {
            rs_.set1.setValue(kSetName, newName);
            rs_.set1.update();
            found = true;
            break;
        }
    }
    if (found) {
        // Otherwise the chosen set would name a set that no longer exists.
        data::exec(db, QStringLiteral("UPDATE Fields SET SetName = ? WHERE SetName = ?"),
                   {newName, shownName});
    }
    t.commit();
    return found;
}

int SetStore::sweepSets() {
    // Deleting a set removes its ties through the cascading foreign key.
    return data::exec(rs_.connection(), QStringLiteral("DELETE FROM Set1 WHERE Active = 0"))
        .numRowsAffected();
}

void SetStore::markOrphanedCards() {
    data::exec(rs_.connection(),
               QStringLiteral("UPDATE Card SET Active = 0 WHERE Card_ID IN "
                              "(SELECT Card_ID FROM \"Card Without Matching Set_Card_rel\")"));
}

int SetStore::sweepCards() {
    const QSqlDatabase db = rs_.connection();
    data::exec(db, QStringLiteral("DELETE FROM MultipleAnswers WHERE Card_ID IN "
                                  "(SELECT Card_ID FROM Card WHERE Active = 0)"));
    return data::exec(db, QStringLiteral("DELETE FROM Card WHERE Active = 0")).numRowsAffected();
}

bool SetStore::addPlaceholderIfLastSet() {
    const QSqlDatabase db = rs_.connection();
    if (data::scalar(db, QStringLiteral("SELECT SetNum FROM qCountSets")).toInt() != 1)
        return false;
    data::exec(db, QStringLiteral("INSERT INTO Card (Question) VALUES ('dummy')"));
    return true;
}

SetStore::DeleteResult SetStore::deleteSet(const QString& chosenName) {
    const QSqlDatabase db = rs_.connection();
    DeleteResult result;
    rs_.UnloadAll();
    try {
        data::Transaction t(db);
        // Mark, then sweep: the first set of that name only.
        data::exec(db,
                   QStringLiteral("UPDATE Set1 SET Active = 0 WHERE Set_ID = "
                                  "(SELECT Set_ID FROM Set1 WHERE SetName = ? ORDER BY Set_ID "
                                  "LIMIT 1)"),
                   {chosenName});
        result.setsDeleted = sweepSets();
        markOrphanedCards();
        result.cardsDeleted = sweepCards();
        result.placeholderAdded = addPlaceholderIfLastSet();
        // The list now opens on another set; it becomes the chosen one too, so the grid and
        // the next lesson follow what the user sees instead of the deleted set.
        data::exec(db, QStringLiteral("UPDATE Fields SET SetName = (SELECT SetName FROM "
                                      "qCurrentSetName LIMIT 1) WHERE SetName IS NULL OR "
                                      "SetName NOT IN (SELECT SetName FROM Set1 WHERE SetName "
                                      "IS NOT NULL)"));
        t.commit();
    } catch (const data::DbError&) {
        rs_.LoadAll();
        throw;
    }
    rs_.LoadAll();
    return result;
}

} // namespace sets
