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

// `base` as a set name may be (storableSetName: no control characters, at most 255
// characters), or when a set already has that name (compared as creating a set compares
// names), with " 2", " 3", ... appended, the name cut shorter to make room, whichever is
// free first. "Cards" stands for a name that holds nothing a name may keep.
QString uniqueSetName(const QStringList& existingNames, const QString& base);

// Whether `given`, the name uniqueSetName gave for `base`, had to be cut short.
bool setNameCut(const QString& base, const QString& given);

// The name a list's set gets from its file: the file's name without its extension, or
// "Word list" when that leaves nothing.
QString setNameForFile(const QString& path);

} // namespace sets
