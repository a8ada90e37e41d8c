// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace decks {

// Qt's XML reader takes time growing with the square of a start tag's attributes, and returns
// only once the whole tag is parsed: a tag of 200,000 attributes holds it for a minute. No
// vocabulary file needs a tag longer than this, nor more attributes.
constexpr qsizetype kMaxTagLength = qsizetype(64) * 1024;
constexpr int kMaxAttributes = 64;

// A start tag past either limit, found by a plain scan of the text before any XML reader sees
// it (comments, CDATA sections, processing instructions and the document type are passed
// over).
struct OversizedTag {
    qint64 line = 0; // 0: none
    QString why;
};
OversizedTag findOversizedTag(const QString& text);
OversizedTag findOversizedTag(const QByteArray& bytes);

} // namespace decks
