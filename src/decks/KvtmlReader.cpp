// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/TextDecoding.h"
#include "decks/DeckText.h"
#include "decks/Kvtml.h"
#include "decks/KvtmlMedia.h"
#include "decks/XmlTagScan.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

using Reader = QXmlStreamReader;

// An entry's texts by translation id, as written.
struct RawEntry {
    QMap<int, QString> texts;
    QMap<int, QString> comments; // translation 0's: the word games' description
    QStringList choices;         // translation 1's multiple-choice list
    EntryMedia media;            // every translation's, in the order written
};

[[noreturn]] void fail(const QString& path, qint64 line, const QString& why) {
    const QString name = QFileInfo(path).fileName();
    throw DeckError(
        line > 0 ? Text::tr("%1, line %2: %3; nothing was added").arg(name).arg(line).arg(why)
                 : Text::tr("%1: %2; nothing was added").arg(name, why));
}

// Whether the XML declaration names an encoding other than UTF-8; then the XML reader
// decodes it as declared. UTF-8, or none, follows the word lists' rule.
bool declaresOtherEncoding(const QByteArray& bytes) {
    static const QRegularExpression declared(
        QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
    const QRegularExpressionMatch m = declared.match(QString::fromLatin1(bytes.left(512)));
    if (!m.hasMatch())
        return false;
    const QString name = m.captured(1).toLower();
    return name != QStringLiteral("utf-8") && name != QStringLiteral("utf8");
}

QString elementText(Reader& x) {
    return x.readElementText(Reader::SkipChildElements);
}

RawEntry readEntry2(Reader& x) {
    RawEntry entry;
    while (x.readNextStartElement()) {
        if (x.name() != QLatin1String("translation")) {
            x.skipCurrentElement();
            continue;
        }
        bool ok = false;
        const int id = x.attributes().value(QLatin1String("id")).toInt(&ok);
        while (x.readNextStartElement()) {
            if (ok && x.name() == QLatin1String("text")) {
                entry.texts.insert(id, elementText(x));
            } else if (ok && x.name() == QLatin1String("comment")) {
                entry.comments.insert(id, elementText(x));
            } else if (x.name() == QLatin1String("image")) {
                entry.media.pictures << elementText(x);
            } else if (x.name() == QLatin1String("sound")) {
                entry.media.sounds << elementText(x);
            } else if (ok && id == 1 && x.name() == QLatin1String("multiplechoice")) {
                while (x.readNextStartElement()) {
                    if (x.name() == QLatin1String("choice"))
                        entry.choices << elementText(x);
                    else
                        x.skipCurrentElement();
                }
            } else {
                x.skipCurrentElement();
            }
        }
    }
    return entry;
}

RawEntry readEntry1(Reader& x) {
    RawEntry entry;
    while (x.readNextStartElement()) {
        if (x.name() == QLatin1String("o"))
            entry.texts.insert(0, elementText(x));
        else if (x.name() == QLatin1String("t") && !entry.texts.contains(1))
            entry.texts.insert(1, elementText(x));
        else
            x.skipCurrentElement();
    }
    return entry;
}

bool usable(const QString& text) {
    return !text.isEmpty() && text.size() <= kMaxTextLength;
}

// The card an entry makes (with no answer when it makes none). `plain` is how each text is
// read: exactly in Memorant's own files, trimmed in others.
template <typename Plain> DeckCard cardOf(const RawEntry& e, bool wordGame, Plain plain) {
    const QString word = plain(e.texts.value(0));
    if (wordGame)
        return {plain(e.comments.value(0)), {word}, false};
    const QString mark = e.comments.value(1).trimmed();
    if (e.choices.size() > 1 && (mark == kAnswersInOrder || mark == kAnswersInAnyOrder)) {
        DeckCard card{word, {}, mark == kAnswersInOrder};
        for (const QString& choice : e.choices)
            card.answers << plain(choice);
        return card;
    }
    return {word, {plain(e.texts.value(1))}, false};
}

} // namespace

DeckContent readKvtml(const QString& path, const QByteArray& bytes, const DeckReading& reading) {
    QString decoded;
    Reader x;
    OversizedTag oversized;
    if (declaresOtherEncoding(bytes)) {
        oversized = findOversizedTag(bytes);
        x.addData(bytes);
    } else {
        data::DecodedText text = data::decodeText(bytes);
        if (text.badLine > 0)
            fail(path, text.badLine, data::notUtf8Message(text.badLine));
        decoded = std::move(text.text);
        oversized = findOversizedTag(decoded);
        x.addData(decoded);
    }
    if (oversized.line > 0)
        fail(path, oversized.line,
             Text::tr("%1, which no vocabulary file needs").arg(oversized.why));
    if (!x.readNextStartElement() || x.name() != QLatin1String("kvtml"))
        fail(path, x.hasError() ? x.lineNumber() : 0,
             x.hasError() ? Text::tr("the XML is not well-formed (%1)").arg(x.errorString())
                          : Text::tr("this is not a KVTML file"));

    DeckContent content;
    content.path = path;
    const bool v2 = x.attributes().value(QLatin1String("version")).startsWith(QLatin1Char('2'));
    content.format = v2 ? QStringLiteral("KVTML 2.0") : QStringLiteral("KVTML 1.x");
    QString title = x.attributes().value(QLatin1String("title")).toString();
    QString generator;
    int identifiers = 0;
    QList<RawEntry> entries;
    while (x.readNextStartElement()) {
        const QStringView name = x.name();
        if (v2 && name == QLatin1String("information")) {
            while (x.readNextStartElement()) {
                if (x.name() == QLatin1String("title"))
                    title = elementText(x);
                else if (x.name() == QLatin1String("generator"))
                    generator = elementText(x);
                else
                    x.skipCurrentElement();
            }
        } else if (v2 && name == QLatin1String("identifiers")) {
            while (x.readNextStartElement()) {
                identifiers += x.name() == QLatin1String("identifier") ? 1 : 0;
                x.skipCurrentElement();
            }
        } else if (v2 && name == QLatin1String("entries")) {
            while (x.readNextStartElement()) {
                if (x.name() == QLatin1String("entry"))
                    entries << readEntry2(x);
                else
                    x.skipCurrentElement();
            }
        } else if (!v2 && name == QLatin1String("e")) {
            entries << readEntry1(x);
        } else {
            x.skipCurrentElement();
        }
    }
    if (!x.hasError())
        x.readNext(); // past the end of the root, so a fault after it is found too
    while (!x.atEnd() && !x.hasError())
        x.readNext();
    if (x.hasError())
        fail(path, x.lineNumber(),
             Text::tr("the XML is not well-formed (%1)").arg(x.errorString()));

    DeckSet set;
    set.name = plainKvtmlText(title);
    if (set.name.isEmpty())
        set.name = QFileInfo(path).completeBaseName().trimmed();
    if (set.name.isEmpty())
        set.name = QStringLiteral("Cards");
    // The word games keep one identifier: a word and a comment that describes it.
    const bool wordGame = v2 && identifiers == 1;
    // Memorant's own texts come back as they were, blanks at the ends and line breaks too.
    const bool ours = generator.startsWith(QLatin1String("Memorant"));
    QList<EntryMedia> media; // of each card kept
    for (const RawEntry& e : entries) {
        const DeckCard card = ours ? cardOf(e, wordGame, [](const QString& t) { return t; })
                                   : cardOf(e, wordGame, plainKvtmlText);
        bool ok = usable(card.question);
        for (const QString& a : card.answers)
            ok = ok && usable(a);
        if (!ok)
            ++content.skipped;
        else if (card.answerIsMark())
            ++content.markAnswers;
        else {
            set.cards.append(card);
            media.append(e.media);
        }
    }
    if (set.cards.isEmpty())
        fail(path, 0,
             wordGame ? Text::tr("no word has a comment to ask it by (%1 skipped)")
                            .arg(content.skipped + content.markAnswers)
                      : Text::tr("no entry holds both a question and an answer (%1 skipped)")
                            .arg(content.skipped + content.markAnswers));
    takeKvtmlMedia(path, set.cards, media, content, reading);
    content.sets << set;
    return content;
}

} // namespace decks
