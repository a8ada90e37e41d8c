// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace decks {

// A text from a KVTML file: the blanks at its ends trimmed, each line break inside (with the
// blanks around it) one blank.
QString plainKvtmlText(const QString& text);

// A field of a deck package as plain text: every character reference of HTML 5 decoded (a
// non-breaking space an ordinary blank, a soft hyphen dropped), <br>, <div> and line breaks
// one blank, other tags dropped. [sound:...]
// references and <img> elements are dropped and counted, and the files they name kept in order.
struct FieldText {
    QString text;
    int sounds = 0;
    int images = 0;
    QStringList soundNames;
    QStringList pictureNames; // each <img>'s src, its character references decoded
};
FieldText plainFieldText(const QString& html);

// A cloze text: each {{cN::text::hint}} becomes "[…]" (or "[hint]"), and its text an answer,
// in their order in the text. A gap inside another is part of the outer gap's answer, without
// its markers or hint.
struct Cloze {
    QString question;
    QStringList answers;
};
Cloze clozeCard(const QString& text);

} // namespace decks
