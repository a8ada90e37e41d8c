// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordlist/WordListImport.h"

#include <QSqlDatabase>
#include <QString>

namespace wordlist {

struct ListExportOutcome {
    int cards = 0;
    // Texts written as a card keeps them (sets::storableText), as a list cannot carry a NUL
    // or a lone surrogate, and a line break would not come back.
    int textsChanged = 0;
    // Cards with a picture or sound, which a word list cannot carry: written without them.
    int mediaLeftOut = 0;
};

// What the export changed so that its import takes the file back; empty when nothing.
QString listExportNote(const ListExportOutcome& outcome);

// Writes the cards of the set named exactly `setName` to `path` as UTF-8 tab-separated
// text: the header line (listHeaderLine), then one card per line: the question, then the answer, or
// every answer of a multiple-answer card in its stored order. The file is replaced only once it is
// complete. Throws WordListError when there is no such set, the path names something other than a
// regular file, or the file cannot be written.
ListExportOutcome exportList(const QSqlDatabase& db, const QString& setName, const QString& path);

} // namespace wordlist
