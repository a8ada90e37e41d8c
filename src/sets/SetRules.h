// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace sets {

// The Answer text that marks a multiple-answer card; its answers live elsewhere.
bool isMultiAnswer(const QVariant& answer);

// Set names are unique without regard to letter case, in every alphabet (the database's
// own comparison folds only ASCII letters).
bool setNameTaken(const QStringList& existingNames, const QString& candidate);

// The row whose card id, compared as text, equals `cardId`; -1 when none does.
int rowOfCardId(const QVariantList& cardIds, const QString& cardId);

} // namespace sets
