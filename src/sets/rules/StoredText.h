// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sets {

// A text as a card or a set keeps it, so that every file we write carries it and every one
// we read gives it back: line breaks (CR LF, CR or LF) become one blank each, as no line of
// the exchange file can hold one; the other control characters but the tab, NUL among them,
// are dropped, as neither the exchange file nor XML can carry them; a lone surrogate, U+FFFE
// and U+FFFF become U+FFFD, as no encoding of a file can. `changed` is set when anything was.
QString storableText(const QString& text, bool* changed = nullptr);

// The longest set name, in characters: a name is shown in lists and message boxes, and a
// title of a million characters is no name.
constexpr int kMaxSetNameLength = 255;

// `name` cut to at most `limit` characters at the end of a whole character: never between
// the halves of a surrogate pair, nor between a letter and its combining marks.
QString cappedSetName(const QString& name, int limit = kMaxSetNameLength);

// A set name as it is stored: storable, and capped.
QString storableSetName(const QString& name);

// "the set name was cut to 255 characters", or "N set names were ..."; empty for none.
QString namesCutNote(int count);

} // namespace sets
