// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Error.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace decks {

// A file that cannot be read or imported. The message names the file, and for KVTML the
// line; nothing was added.
class DeckError : public data::Error {
  public:
    using Error::Error;
};

// One card as it will be stored: several answers make a multiple-answer card.
struct DeckCard {
    QString question;
    QStringList answers;
    bool orderImportant = false;
    bool multiAnswer() const { return answers.size() > 1; }
    // Its one answer is the mark of a multiple-answer card ("Multi"): stored, it would be a
    // multiple-answer card without answers, which nobody can answer.
    bool answerIsMark() const;
};

// One set the file makes, named as the file or the deck names it (not yet made unique).
struct DeckSet {
    QString name;
    QList<DeckCard> cards;
};

// Everything a file makes, read whole before the database is touched, and what was left out.
struct DeckContent {
    QString path;
    QString format; // for the preview: "KVTML 2.0", "KVTML 1.x", "deck package"
    QList<DeckSet> sets;
    int skipped = 0;          // entries or notes without a usable question and answer
    int markAnswers = 0;      // entries or notes skipped as their answer is the mark "Multi"
    int sounds = 0;           // [sound:...] references dropped
    int images = 0;           // <img> elements dropped
    bool fromPackage = false; // its scheduling data was not taken
    int cardCount() const;
    // What was left out and why, as sentences, for the preview and the messages.
    QStringList leftOut() const;
};

// The largest text a card takes, as for word lists; a longer one is left out.
constexpr int kMaxTextLength = 1000000;

} // namespace decks
