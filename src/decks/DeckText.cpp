// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckText.h"

#include <QHash>
#include <QRegularExpression>

namespace decks {
namespace {

using RE = QRegularExpression;

const RE& lineBreaks() {
    static const RE re(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    return re;
}

// The entities card fields hold in practice; an unknown one is kept as written.
QString decodeEntities(const QString& text) {
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("ndash"), QString(QChar(0x2013))},
        {QStringLiteral("mdash"), QString(QChar(0x2014))},
        {QStringLiteral("hellip"), QString(QChar(0x2026))},
        {QStringLiteral("laquo"), QString(QChar(0xAB))},
        {QStringLiteral("raquo"), QString(QChar(0xBB))},
        {QStringLiteral("shy"), QString()},
    };
    static const RE entity(QStringLiteral("&(#[0-9]{1,8}|#[xX][0-9a-fA-F]{1,7}|[a-zA-Z]{2,8});"));
    QString out;
    qsizetype last = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QString name = m.captured(1);
        if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code =
                name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'))
                    ? name.mid(2).toUInt(&ok, 16)
                    : name.mid(1).toUInt(&ok, 10);
            // A crafted number (a surrogate, past U+10FFFF, NUL) becomes the replacement mark.
            const bool valid =
                ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
            const char32_t c = valid ? (code == 0xA0 ? U' ' : char32_t(code)) : U'\uFFFD';
            out += QString::fromUcs4(&c, 1);
        } else if (auto found = named.constFind(name); found != named.constEnd()) {
            out += *found;
        } else {
            out += m.captured(0);
        }
    }
    out += QStringView(text).mid(last);
    return out;
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

} // namespace

QString plainKvtmlText(const QString& text) {
    QString t = text.trimmed();
    t.replace(lineBreaks(), QStringLiteral(" "));
    return t;
}

FieldText plainFieldText(const QString& html) {
    static const RE sound(QStringLiteral("\\[sound:[^\\]]*\\]"));
    static const RE image(QStringLiteral("<img\\b[^>]*>"), RE::CaseInsensitiveOption);
    static const RE blankTag(QStringLiteral("<(br|/?div)\\b[^>]*>"), RE::CaseInsensitiveOption);
    static const RE tag(QStringLiteral("<[^>]*>"));
    static const RE blanks(QStringLiteral("\\s+"));
    FieldText out;
    QString t = html;
    out.sounds = static_cast<int>(t.count(sound));
    t.remove(sound);
    t = withoutHidden(t);
    out.images = static_cast<int>(t.count(image));
    t.remove(image);
    t.replace(blankTag, QStringLiteral(" "));
    t.remove(tag);
    t = decodeEntities(t);
    t.replace(QChar(0xA0), QLatin1Char(' '));
    t.replace(blanks, QStringLiteral(" "));
    out.text = t.trimmed();
    return out;
}

Cloze clozeCard(const QString& text) {
    static const RE deletion(QStringLiteral("\\{\\{c\\d+::(.*?)(?:::(.*?))?\\}\\}"),
                             RE::DotMatchesEverythingOption);
    Cloze cloze;
    qsizetype last = 0;
    auto it = deletion.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        cloze.question += QStringView(text).mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QString hint = m.captured(2).trimmed();
        cloze.question +=
            QLatin1Char('[') + (hint.isEmpty() ? QString(QChar(0x2026)) : hint) + QLatin1Char(']');
        const QString answer = m.captured(1).trimmed();
        if (!answer.isEmpty())
            cloze.answers << answer;
    }
    cloze.question += QStringView(text).mid(last);
    cloze.question = cloze.question.trimmed();
    return cloze;
}

} // namespace decks
