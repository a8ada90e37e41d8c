// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/rules/StoredText.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace sets {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Sets)
};

bool mayNeedCleaning(QChar c) {
    const char16_t u = c.unicode();
    return (u < 0x20 && u != '\t') || c.isSurrogate() || u == 0xFFFE || u == 0xFFFF;
}

// Characters, counting a surrogate pair as one.
qsizetype characters(QStringView text) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return n;
}

// Where the first `limit` characters of `text` end, counting a surrogate pair as one.
qsizetype endOfCharacters(QStringView text, qsizetype limit) {
    qsizetype i = 0;
    for (qsizetype n = 0; n < limit && i < text.size(); ++n) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++i;
    }
    return i;
}

} // namespace

QString storableText(const QString& text, bool* changed) {
    // Most texts hold none of these: they are looked at, not copied.
    if (std::none_of(text.cbegin(), text.cend(), mayNeedCleaning))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == '\r' || u == '\n') {
            out += QLatin1Char(' ');
            if (u == '\r' && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (u < 0x20 && u != '\t') {
            continue;
        } else if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF) {
            out += QChar(QChar::ReplacementCharacter);
        } else {
            out += c;
        }
    }
    if (changed && out != text)
        *changed = true;
    return out;
}

QString cappedSetName(const QString& name, int limit) {
    if (name.size() <= limit || characters(name) <= limit)
        return name;
    // Whole graphemes while they fit; a single one longer than the limit (a letter under
    // hundreds of marks) is cut between its characters, as nothing else can keep it short.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
    qsizetype end = 0;
    qsizetype count = 0;
    for (qsizetype next = graphemes.toNextBoundary(); next > 0; next = graphemes.toNextBoundary()) {
        count += characters(QStringView(name).sliced(end, next - end));
        if (count > limit)
            break;
        end = next;
    }
    if (end == 0)
        end = endOfCharacters(name, limit);
    return name.left(end);
}

QString storableSetName(const QString& name) {
    return cappedSetName(storableText(name));
}

QString namesCutNote(int count) {
    if (count <= 0)
        return {};
    return (count == 1 ? Text::tr("the set name was cut to %1 characters")
                       : Text::tr("%n set names were cut to %1 characters", nullptr, count))
        .arg(kMaxSetNameLength);
}

} // namespace sets
