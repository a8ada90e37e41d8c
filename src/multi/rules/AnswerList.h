// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>

namespace multi {

// The database side of editing a card's list of answers. Each function is one transaction:
// a failure throws data::DbError and leaves everything as it was.

// Makes card `cardId` a multiple-answer card: its answer becomes the first (and only) entry
// of its list, or the list stays empty when the answer is empty or only blanks, and the
// answer becomes the mark. False, with nothing changed, when the card is gone or marked.
[[nodiscard]] bool convertToMultiAnswer(const QSqlDatabase& db, const QVariant& cardId);

// Copies the card's answers into the editing buffer (and empties the reply list), after
// recording the card as the one being edited in Fields1.Multi_ID.
void loadAnswerBuffer(const QSqlDatabase& db, const QVariant& cardId);

// The card's stored answers, in order.
QStringList storedAnswers(const QSqlDatabase& db, const QVariant& cardId);

enum class StoreOutcome {
    Stored,    // the edited list replaced the card's answers
    Unchanged, // the edited list equals the stored one
    NoAnswers, // the edited list holds no answer; the stored list (if any) was kept
    NotMulti   // the card is gone or no longer a multiple-answer card; nothing written
};

// Replaces the card's answers by the answers in the editing buffer, as a whole.
StoreOutcome storeAnswerList(const QSqlDatabase& db, const QVariant& cardId);

// ShowOrder and DisplayQuestionNumber of the card, as stored (either may be empty).
struct CardOptions {
    QVariant showOrder;
    QVariant displayQuestionNumber;
};
CardOptions cardOptions(const QSqlDatabase& db, const QVariant& cardId);

enum class CardOption { ShowOrder, DisplayQuestionNumber };
void setCardOption(const QSqlDatabase& db, const QVariant& cardId, CardOption option, bool on);

} // namespace multi
