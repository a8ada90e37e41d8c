// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Error.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace decks {

// A file that cannot be read or imported. The message names the file, and for KVTML the
// line; nothing was added.
class DeckError : public data::Error {
  public:
    using Error::Error;
};

// A picture or sound a card takes along, checked (media::refusal) but not yet stored.
struct DeckMedia {
    QByteArray bytes;
    QString fileName; // as the file named it, kept with the bytes
    bool isEmpty() const { return bytes.isEmpty(); }
};

// One card as it will be stored: several answers make a multiple-answer card.
struct DeckCard {
    QString question;
    QStringList answers;
    bool orderImportant = false;
    DeckMedia picture = {};
    DeckMedia sound = {};
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

// What became of the pictures (or the sounds) a file's cards refer to.
struct MediaTally {
    int kept = 0;
    int missing = 0; // no such file
    int outside = 0; // outside the file's folder, and not allowed
    int refused = 0; // too large, or of a kind that cannot be read (DeckContent::mediaRefusals)
    int extra = 0;   // a card's second or later one: a card keeps one of each
    int leftOut() const { return missing + outside + refused + extra; }
};

// Everything a file makes, read whole before the database is touched, and what was left out.
struct DeckContent {
    QString path;
    QString format; // for the preview: "KVTML 2.0", "KVTML 1.x", "deck package"
    QList<DeckSet> sets;
    int skipped = 0;     // entries or notes without a usable question and answer
    int markAnswers = 0; // entries or notes skipped as their answer is the mark "Multi"
    MediaTally pictures;
    MediaTally sounds;
    QStringList mediaRefusals; // media::refusal's messages, in the order met
    qint64 mediaBytes = 0;     // of the pictures and sounds the cards keep
    bool fromPackage = false;  // its scheduling data was not taken
    int cardCount() const;
    // What was left out and why, as sentences, for the preview and the messages.
    QStringList leftOut() const;
    // The pictures and sounds the cards take, as a phrase ("2 pictures and 1 sound"); empty
    // for none.
    QString mediaKept() const;
};

// How a file is read. A KVTML file's pictures and sounds outside its own folder are asked
// for once, with their paths: the learner may not know the file reaches out, and a
// command has nobody to ask, so unset (or false) leaves them out, counted.
struct DeckReading {
    std::function<bool(const QStringList& files)> allowOutside;
};

// The largest text a card takes, as for word lists; a longer one is left out.
constexpr int kMaxTextLength = 1000000;

} // namespace decks
