// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/CompanionLines.h"
#include "exchange/ExchangeFile.h"
#include "exchange/ValueForms.h"

#include <QSqlDatabase>
#include <QVariant>
#include <vector>

namespace exchange {

// What the records of the exchange file cannot say about the way cards are asked: each by
// the id it has in the exported database.
struct SetDirection {
    qlonglong setId = 0;
    int direction = 0; // Set1.Direction: 0 question to answer, 1 answer to question, 2 both
};

// A card's learning values when it is asked answer to question (CardReverse).
struct ReverseValues {
    qlonglong cardId = 0;
    QVariant order;
    QVariant rating;
    QVariant correct;
    QVariant incorrect;
    QVariant demons;
};

struct DirectionSections {
    std::vector<SetDirection> sets;        // only sets not asked question to answer
    std::vector<ReverseValues> reverse;    // only cards asked the other way round so far
    std::vector<qlonglong> reverseLogRows; // Log.RecID of replies given the other way round
    bool empty() const { return sets.empty() && reverse.empty() && reverseLogRows.empty(); }
};

// The companion's version that carries these sections; a companion without a version line
// is of the first, which knew only answer lists.
constexpr int kCompanionVersion = 2;

// Everything the database asks other than question to answer. Throws data::DbError.
DirectionSections readDirections(const QSqlDatabase& db);

// Writes the sections that are not empty, each a line "<name><TAB><count>" followed by one
// line per item, its values separated by tabs.
void writeDirectionSections(LineWriter& out, const ValueForms& forms,
                            const DirectionSections& sections);

// True when the companion line at which a card's entry would start opens a section: every
// section's name starts with a letter, a card's id never does.
bool isSectionLine(QStringView line);

// Reads the sections from the current line to the end of the file. Throws ExchangeError,
// naming the file and line, on a section that is unknown, given twice, cut short, holds a
// value that is not one, or lists an id twice.
DirectionSections readDirectionSections(CompanionLines& lines);

// Gives the sets and cards that this import added (their SpareID holds their old id) the
// direction and the reverse values the sections carry; the others are not touched, as an
// import never changes what was there. Throws data::DbError.
void applyDirections(const QSqlDatabase& db, const DirectionSections& sections);

// The ids of `sections.reverseLogRows` as a JSON array, for "IN (SELECT value FROM
// json_each(?))".
QString reverseLogRowsJson(const DirectionSections& sections);

} // namespace exchange
