// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace wordlist {

// How the fields of a row become a card.
struct ColumnChoice {
    int question = 0; // column indexes, from 0
    int answer = 1;
    // Several answer fields (the answer column and those after it) make a multiple-answer
    // card; otherwise everything beyond the two columns is ignored.
    bool multi = false;
};

// A row as a card, or why it makes none.
struct ListCard {
    QString question;
    QStringList answers; // one for an ordinary card, more for a multiple-answer card
    QString skipReason;  // empty when the row makes a card
    bool usable() const { return skipReason.isEmpty(); }
    bool multiAnswer() const { return answers.size() > 1; }
};

ListCard cardFromRow(const QStringList& fields, const ColumnChoice& columns);

// Whether the first row of a list names its columns rather than holding a card: both its
// question and answer fields are words such as "Question", "Answer", "Front", "Back", "Word",
// "Translation" or a language's name. A card is worth more than a header line, so this only
// says yes when it is sure; the learner can say otherwise in the preview.
bool looksLikeHeader(const QStringList& fields, const ColumnChoice& columns);

// Whether the fields are the line export-list writes first: "Question", "Answer", and for
// further answer columns "Answer 2", "Answer 3", ... That line is always a header.
bool isListHeader(const QStringList& fields);

// That line for a list with `answerColumns` answer columns (at least one).
QString listHeaderLine(int answerColumns);

// A first line taken as a header, for a message: "line 1 ("English", "Englisch")".
QString describeHeaderLine(int line, const QStringList& fields);

// One line of an exported list: the question and each answer, tab-separated, quoted where
// needed, without the line end.
QString listLine(const QString& question, const QStringList& answers);

} // namespace wordlist
