// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"

namespace testing {

// What a file makes, a line each: a set's name, then its cards as "question=answer|answer",
// " in order" after a card whose answers must come in order.
inline QStringList deckLines(const decks::DeckContent& content) {
    QStringList out;
    for (const decks::DeckSet& set : content.sets) {
        out << set.name;
        for (const decks::DeckCard& c : set.cards)
            out << c.question + "=" + c.answers.join('|') + (c.orderImportant ? " in order" : "");
    }
    return out;
}

// The message of the refusal `run` meets; empty when it meets none.
template <typename Run> QString deckError(Run run) {
    try {
        run();
    } catch (const decks::DeckError& e) {
        return e.message();
    }
    return {};
}

} // namespace testing
