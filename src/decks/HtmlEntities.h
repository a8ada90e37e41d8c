// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <span>

namespace decks {

// One named character reference of HTML 5: "eacute;" stands for U+00E9.
struct NamedEntity {
    const char* name;
    char32_t first;
    char32_t second = 0; // a few stand for two code points
};

// Every name HTML 5 knows, sorted by their bytes.
std::span<const NamedEntity> namedEntities();

// `text` with its character references decoded as a browser decodes them in text: every
// named one of HTML 5 (the legacy ones also without their semicolon, the longest name
// taken), and numeric ones with their semicolon; a number that stands for no character (a
// surrogate, past U+10FFFF, NUL) becomes U+FFFD. Anything else stays as written.
QString decodeHtmlEntities(QStringView text);

} // namespace decks
