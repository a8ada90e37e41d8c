// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckText.h"

#include "decks/HtmlEntities.h"

#include <QRegularExpression>
#include <vector>

namespace decks {
namespace {

using RE = QRegularExpression;

const RE& lineBreaks() {
    static const RE re(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    return re;
}

bool isWordChar(QChar c) {
    return c == QLatin1Char('_') || (c.unicode() < 128 && c.isLetterOrNumber());
}

// Where the first `</name` followed by blanks and `>` from `from` ends, or -1.
qsizetype closingTagEnd(const QString& text, QLatin1String name, qsizetype from) {
    const QString opening = QLatin1String("</") + name;
    for (qsizetype at = text.indexOf(opening, from, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(opening, at + 1, Qt::CaseInsensitive)) {
        qsizetype end = at + opening.size();
        while (end < text.size() && text[end].unicode() < 128 && text[end].isSpace())
            ++end;
        if (end < text.size() && text[end] == QLatin1Char('>'))
            return end + 1;
    }
    return -1;
}

// `text` without <script>…</script>, <style>…</style> and <!--…--> and what they hold, in
// one pass: a pattern search retried at every opening would take hours over a note of
// openings never closed, so a kind found unclosed once is not looked for again.
QString withoutHidden(const QString& text) {
    const QLatin1String names[] = {QLatin1String("script"), QLatin1String("style")};
    bool unclosed[3] = {false, false, false}; // script, style, comment
    QString out;
    qsizetype kept = 0; // the text before this is in `out`, or dropped
    for (qsizetype at = text.indexOf(QLatin1Char('<')); at >= 0;
         at = text.indexOf(QLatin1Char('<'), at + 1)) {
        const QStringView rest = QStringView(text).mid(at + 1);
        int kind = -1;
        qsizetype openingEnd = 0;
        if (rest.startsWith(QLatin1String("!--"))) {
            kind = 2;
            openingEnd = at + 4;
        }
        for (int k = 0; k < 2 && kind < 0; ++k) {
            const qsizetype end = at + 1 + names[k].size();
            if (rest.startsWith(names[k], Qt::CaseInsensitive) &&
                (end == text.size() || !isWordChar(text[end]))) {
                kind = k;
                openingEnd = end;
            }
        }
        if (kind < 0 || unclosed[kind])
            continue;
        qsizetype end = -1;
        if (kind == 2) {
            const qsizetype close = text.indexOf(QLatin1String("-->"), openingEnd);
            end = close < 0 ? -1 : close + 3;
        } else {
            end = closingTagEnd(text, names[kind], openingEnd);
        }
        if (end < 0) {
            unclosed[kind] = true;
            continue;
        }
        out += QStringView(text).mid(kept, at - kept);
        kept = end;
        at = end - 1;
    }
    out += QStringView(text).mid(kept);
    return out;
}

// An opening "{{cN::" or a closing "}}" of a cloze text.
struct ClozeMarker {
    qsizetype at;
    qsizetype length;
    bool opens;
};

// The markers that pair up, in their order: a closing closes the nearest opening before it
// still open. Openings never closed and closings with nothing to close are plain text. One
// pass, however the markers nest.
std::vector<ClozeMarker> pairedMarkers(QStringView text) {
    std::vector<ClozeMarker> markers;
    std::vector<bool> paired;
    std::vector<size_t> open; // the openings not yet closed
    const qsizetype n = text.size();
    for (qsizetype i = 0; i + 1 < n;) {
        if (text[i] == u'{' && text[i + 1] == u'{' && i + 2 < n && text[i + 2] == u'c') {
            qsizetype j = i + 3;
            while (j < n && text[j] >= u'0' && text[j] <= u'9')
                ++j;
            if (j > i + 3 && j + 1 < n && text[j] == u':' && text[j + 1] == u':') {
                open.push_back(markers.size());
                markers.push_back({i, j + 2 - i, true});
                paired.push_back(false);
                i = j + 2;
                continue;
            }
        }
        if (text[i] == u'}' && text[i + 1] == u'}') {
            if (!open.empty()) {
                paired[open.back()] = true;
                open.pop_back();
                markers.push_back({i, 2, false});
                paired.push_back(true);
            }
            i += 2;
            continue;
        }
        ++i;
    }
    std::vector<ClozeMarker> kept;
    for (size_t k = 0; k < markers.size(); ++k) {
        if (paired[k])
            kept.push_back(markers[k]);
    }
    return kept;
}

// The gap being read: an outer gap is one answer, the gaps inside it are part of its text
// without their markers and hints. The first "::" of a gap starts its hint.
struct ClozeAnswer {
    QString text;
    QString hint;
    int depth = 0;
    bool outerHint = false;       // the outer gap's text has ended, its hint begun
    std::vector<bool> innerHints; // the same for each inner gap open
    int hiddenLevels = 0;         // inner gaps open in their hints

    void open() {
        if (depth++ == 0) {
            text.clear();
            hint.clear();
            outerHint = false;
        } else {
            innerHints.push_back(false);
        }
    }
    // Whether the outer gap has ended.
    bool close() {
        if (--depth == 0)
            return true;
        if (innerHints.back())
            --hiddenLevels;
        innerHints.pop_back();
        return false;
    }
    void take(QStringView part, QString& question) {
        if (depth == 0) {
            question += part;
            return;
        }
        const bool inHint = depth == 1 ? outerHint : bool(innerHints.back());
        const qsizetype split = inHint ? -1 : part.indexOf(u"::");
        add(split < 0 ? part : part.left(split));
        if (split < 0)
            return;
        if (depth == 1) {
            outerHint = true;
        } else {
            innerHints.back() = true;
            ++hiddenLevels;
        }
        add(part.mid(split + 2));
    }
    void add(QStringView part) {
        if (hiddenLevels > 0)
            return;
        (outerHint ? hint : text) += part;
    }
};

// An <img> tag's src, its character references decoded; the attributes are walked in turn,
// so that "src=" inside another's value is not taken for it.
QString imageSource(const QString& tag) {
    static const RE attribute(
        QStringLiteral("([^\\s=/>]+)(?:\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+)))?"));
    for (auto it = attribute.globalMatch(tag, 4); it.hasNext();) {
        const QRegularExpressionMatch a = it.next();
        if (a.captured(1).compare(QLatin1String("src"), Qt::CaseInsensitive) == 0)
            return decodeHtmlEntities(a.captured(2) + a.captured(3) + a.captured(4)).trimmed();
    }
    return {};
}

} // namespace

QString plainKvtmlText(const QString& text) {
    QString t = text.trimmed();
    t.replace(lineBreaks(), QStringLiteral(" "));
    return t;
}

FieldText plainFieldText(const QString& html) {
    static const RE sound(QStringLiteral("\\[sound:([^\\]]*)\\]"));
    static const RE image(QStringLiteral("<img\\b[^>]*>"), RE::CaseInsensitiveOption);
    static const RE blankTag(QStringLiteral("<(br|/?div)\\b[^>]*>"), RE::CaseInsensitiveOption);
    static const RE tag(QStringLiteral("<[^>]*>"));
    static const RE blanks(QStringLiteral("\\s+"));
    FieldText out;
    QString t = html;
    for (auto it = sound.globalMatch(t); it.hasNext();) {
        ++out.sounds;
        if (const QString name = it.next().captured(1).trimmed(); !name.isEmpty())
            out.soundNames << name;
    }
    t.remove(sound);
    t = withoutHidden(t);
    for (auto it = image.globalMatch(t); it.hasNext();) {
        ++out.images;
        if (const QString name = imageSource(it.next().captured(0)); !name.isEmpty())
            out.pictureNames << name;
    }
    t.remove(image);
    t.replace(blankTag, QStringLiteral(" "));
    t.remove(tag);
    t = decodeHtmlEntities(t);
    // A non-breaking space is typed as a blank; a soft hyphen is never seen, nor typed.
    t.replace(QChar(0xA0), QLatin1Char(' '));
    t.remove(QChar(0xAD));
    t.replace(blanks, QStringLiteral(" "));
    out.text = t.trimmed();
    return out;
}

Cloze clozeCard(const QString& text) {
    const QStringView all(text);
    Cloze cloze;
    ClozeAnswer gap;
    qsizetype at = 0;
    for (const ClozeMarker& m : pairedMarkers(all)) {
        gap.take(all.mid(at, m.at - at), cloze.question);
        at = m.at + m.length;
        if (m.opens) {
            gap.open();
        } else if (gap.close()) {
            const QString hint = gap.hint.trimmed();
            cloze.question += QLatin1Char('[') + (hint.isEmpty() ? QString(QChar(0x2026)) : hint) +
                              QLatin1Char(']');
            const QString answer = gap.text.trimmed();
            if (!answer.isEmpty())
                cloze.answers << answer;
        }
    }
    gap.take(all.mid(at), cloze.question);
    cloze.question = cloze.question.trimmed();
    return cloze;
}

} // namespace decks
