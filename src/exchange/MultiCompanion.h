// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/DirectionSections.h"
#include "exchange/ValueForms.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace exchange {

// What the exchange file cannot carry for one card: its answer list and its two flags.
struct MultiEntry {
    qlonglong cardId = 0; // the id the card has in the exported database
    QVariant showOrder;
    QVariant displayQuestionNumber;
    QStringList answers;
    qint64 line = 0; // where the card's entry starts in the companion read
};

// The cards that have answers, or a flag that is not 0, in the order of their ids.
std::vector<MultiEntry> readMultiEntries(const QSqlDatabase& db);

// The companion file: a first line with the SHA-256 of the exchange file it belongs to, a
// second line "forms<TAB>date format<TAB>time format<TAB>decimal separator" naming the forms
// both files were written in, then for each card its id, ShowOrder, DisplayQuestionNumber,
// the number of answers and the answers, one value a line. When anything is asked other
// than question to answer, a third line "version<TAB>2" comes before the cards, and the
// sections of `directions` after them; otherwise the file is as older versions wrote it.
// Returns how many answers had line breaks made blanks. Throws ExchangeError; written to a
// temporary name and renamed, as the main file.
int writeMultiCompanion(const QString& path, const QByteArray& mainSha256,
                        const std::vector<MultiEntry>& entries, const DirectionSections& directions,
                        const ValueForms& forms);

struct CompanionRead {
    bool present = false; // a companion file exists
    bool matches = false; // and its first line names the exchange file just read
    ValueForms forms;     // those the files were written in (the given ones when unnamed)
    std::vector<MultiEntry> entries;
    DirectionSections directions;
};

// Reads the companion of the exchange file whose SHA-256 is `mainSha256`. A companion that
// belongs to another file is reported, not read. Throws ExchangeError, naming the file and
// line, when a matching companion is malformed, lists a card twice, or is of a version
// newer than this program reads. Values are read in the forms the companion names, else in
// `forms`.
CompanionRead readMultiCompanion(const QString& path, const QByteArray& mainSha256,
                                 const ValueForms& forms);

// Throws ExchangeError, naming the companion's line, when an entry gives answers to a card
// that the staged cards (BufferCard) hold with another answer than the multiple-answer mark.
void refuseAnswersOfPlainCards(const QSqlDatabase& db, const QString& exchangePath,
                               const std::vector<MultiEntry>& entries);

// Gives the cards that this import added (Card.SpareID holds their old id) their answers and
// flags. Returns the number of cards given answers. Throws data::DbError.
int applyMultiEntries(const QSqlDatabase& db, const std::vector<MultiEntry>& entries);

} // namespace exchange
