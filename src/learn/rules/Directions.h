// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/LessonState.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace learn {

// Which way a set's cards are asked (Set1.Direction).
enum class SetDirection { Forward = 0, Reverse = 1, Both = 2 };

// A stored direction; anything but 1 or 2 (a file edited elsewhere) asks forward, as before.
SetDirection directionOf(const QVariant& stored);

// The direction of the set named `setName`; Forward when there is no such set. Throws DbError.
SetDirection setDirection(const QSqlDatabase& db, const QString& setName);

// Stores the direction of the set; false when there is no such set. Throws DbError.
[[nodiscard]] bool storeSetDirection(const QSqlDatabase& db, const QString& setName,
                                     SetDirection direction);

// Whether a card can be asked from its answer: a multiple-answer card, a card with no answer
// to show, and a card whose question reads as the multiple-answer mark are asked forward only.
bool askableInReverse(const QVariant& question, const QVariant& answer);

// Turns rows 1 to `n` of `cards` (the chosen set's cards, forward, in its order) into the
// entries a lesson in `direction` asks and returns their number. A reverse entry shows the
// answer and expects the question, with the card's reverse values (CardReverse; none yet:
// nothing counted). Entries are ordered as cards are, by key, then forward before reverse,
// then by card; a reverse entry without a key yet comes after the keyed ones, as a new card
// (asked in reverse only, it takes the card's forward key).
// Forward leaves the rows as they are. Throws DbError.
int arrangeEntries(const QSqlDatabase& db, CardArray& cards, int n, SetDirection direction);

// Puts entries in the lesson's order: by key, then forward before reverse, then by card; a
// reverse entry without a key comes after the keyed ones.
void orderEntries(std::vector<CardArray::CardRow>& entries);

// The cards marked as Demons asked answer to question (CardReverse.Demons), as entries.
std::vector<CardArray::CardRow> reverseDemonEntries(const QSqlDatabase& db);

// Reads the chosen set's entries in the direction of the set, which it tells in `direction`
// when given; the current-set source as readCurrentSetCards takes it. Empty for any other
// source.
std::optional<int> readLessonEntries(const QSqlDatabase& db, const QString& source,
                                     CardArray& cards, SetDirection* direction = nullptr);

// A card as an entry asked one way, as it is stored now: a reverse entry shows the answer,
// expects the question and holds the card's reverse values (none yet: nothing counted). No set
// name and no status; none when the card is gone. Throws DbError.
std::optional<CardArray::CardRow> readEntry(const QSqlDatabase& db, const QVariant& cardId,
                                            bool reverse);

// The extra status-bar text while a set is not asked forward; empty when it is.
QString directionPanelText(SetDirection direction);

} // namespace learn
