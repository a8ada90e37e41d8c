// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/SetRules.h"

namespace sets {

bool isMultiAnswer(const QVariant& answer) {
    return !answer.isNull() && answer.toString() == QStringLiteral("Multi");
}

bool setNameTaken(const QStringList& existingNames, const QString& candidate) {
    for (const QString& name : existingNames) {
        if (name.compare(candidate, Qt::CaseInsensitive) == 0 ||
            name.toCaseFolded() == candidate.toCaseFolded())
            return true;
    }
    return false;
}

int rowOfCardId(const QVariantList& cardIds, const QString& cardId) {
    for (int row = 0; row < cardIds.size(); ++row) {
        if (cardIds[row].toString() == cardId)
            return row;
    }
    return -1;
}

} // namespace sets
