// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckText.h"
#include "decks/Package.h"
#include "decks/PackageCollection.h"
#include "decks/PackageMedia.h"
#include "decks/PackageUnpack.h"
#include "decks/Varint.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSqlQuery>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

[[noreturn]] void refuse(const QString& why) {
    throw DeckError(why);
}

// A value of someone else's file as text, whatever type it was stored as.
QString text(const QVariant& v) {
    return v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray()) : v.toString();
}

qint64 number(const QVariant& v) {
    return v.toLongLong();
}

quint64 varint(const QByteArray& b, qsizetype& at, bool& ok) {
    return readVarint(b, at, ok);
}

// The kind of a newer note type, field 1 of its protobuf-encoded config (1: cloze).
int kindFromConfig(const QByteArray& config) {
    qsizetype at = 0;
    bool ok = true;
    while (ok && at < config.size()) {
        const quint64 key = varint(config, at, ok);
        switch (key & 7) {
        case 0: {
            const quint64 value = varint(config, at, ok);
            if (ok && key >> 3 == 1)
                return value == 1 ? 1 : 0;
            break;
        }
        case 1:
            at += 8;
            break;
        case 2: {
            const quint64 length = varint(config, at, ok);
            if (length > quint64(config.size() - at))
                return 0;
            at += qsizetype(length);
            break;
        }
        case 5:
            at += 4;
            break;
        default:
            return 0;
        }
    }
    return 0;
}

struct Catalogue {
    QHash<qint64, int> kinds;     // note type id -> kind
    QHash<qint64, QString> decks; // deck id -> full name
};

QJsonObject jsonObject(const QVariant& value, const QString& what) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text(value).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        refuse(Text::tr("its %1 cannot be read (not valid JSON)").arg(what));
    return doc.object();
}

Catalogue readCatalogue(Collection& c) {
    Catalogue cat;
    QSqlQuery newer = c.run(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = "
                                           "'table' AND name IN ('notetypes', 'decks')"),
                            Text::tr("tables"));
    if (c.next(newer, Text::tr("tables")) && newer.value(0).toInt() == 2) {
        QSqlQuery types =
            c.run(QStringLiteral("SELECT id, config FROM notetypes"), Text::tr("note types"));
        while (c.next(types, Text::tr("note types")))
            cat.kinds.insert(number(types.value(0)), kindFromConfig(types.value(1).toByteArray()));
        QSqlQuery decks = c.run(QStringLiteral("SELECT id, name FROM decks"), Text::tr("decks"));
        while (c.next(decks, Text::tr("decks")))
            cat.decks.insert(number(decks.value(0)),
                             text(decks.value(1)).replace(QChar(0x1F), QStringLiteral("::")));
        return cat;
    }
    QSqlQuery col =
        c.run(QStringLiteral("SELECT models, decks FROM col LIMIT 1"), Text::tr("collection"));
    if (!c.next(col, Text::tr("collection")))
        refuse(Text::tr("its collection holds no note types or decks"));
    const QJsonObject models = jsonObject(col.value(0), Text::tr("note types"));
    for (auto it = models.begin(); it != models.end(); ++it)
        cat.kinds.insert(it.key().toLongLong(),
                         it.value().toObject().value(QLatin1String("type")).toInt() == 1 ? 1 : 0);
    const QJsonObject decks = jsonObject(col.value(1), Text::tr("decks"));
    for (auto it = decks.begin(); it != decks.end(); ++it)
        cat.decks.insert(it.key().toLongLong(),
                         it.value().toObject().value(QLatin1String("name")).toString());
    return cat;
}

// The deck of each note's first card.
QHash<qint64, qint64> firstDecks(Collection& c) {
    QHash<qint64, qint64> decks;
    QSqlQuery cards = c.run(QStringLiteral("SELECT nid, did FROM cards ORDER BY nid, ord, id"),
                            Text::tr("cards"));
    while (c.next(cards, Text::tr("cards"))) {
        const qint64 note = number(cards.value(0));
        if (!decks.contains(note))
            decks.insert(note, number(cards.value(1)));
    }
    return decks;
}

bool usable(const QString& t) {
    return !t.isEmpty() && t.size() <= kMaxTextLength;
}

void readNotes(Collection& c, DeckContent& content, PackageMedia& media) {
    const Catalogue cat = readCatalogue(c);
    const QHash<qint64, qint64> deckOf = firstDecks(c);
    QMap<QString, DeckSet> sets; // by name, so equal names are one set and the order is stable
    QSqlQuery notes =
        c.run(QStringLiteral("SELECT id, mid, flds FROM notes ORDER BY id"), Text::tr("notes"));
    while (c.next(notes, Text::tr("notes"))) {
        const QString all = text(notes.value(2));
        // Markup takes room, but no note worth a card is many times the longest text.
        if (all.size() > 8 * qsizetype(kMaxTextLength)) {
            ++content.skipped;
            continue;
        }
        const QStringList fields = all.split(QChar(0x1F));
        FieldText first, second;
        QStringList pictures, sounds;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            FieldText plain = plainFieldText(fields[i]);
            pictures += plain.pictureNames;
            sounds += plain.soundNames;
            if (i == 0)
                first = std::move(plain);
            else if (i == 1)
                second = std::move(plain);
        }
        const auto deck = deckOf.constFind(number(notes.value(0)));
        DeckCard card;
        if (cat.kinds.value(number(notes.value(1))) == 1) {
            Cloze cloze = clozeCard(first.text);
            card = {cloze.question, cloze.answers, cloze.answers.size() > 1};
        } else if (usable(second.text)) {
            card = {first.text, {second.text}, false};
        }
        bool ok = deck != deckOf.constEnd() && usable(card.question) && !card.answers.isEmpty();
        for (const QString& a : card.answers)
            ok = ok && usable(a);
        if (!ok) {
            ++content.skipped;
            continue;
        }
        if (card.answerIsMark()) {
            ++content.markAnswers;
            continue;
        }
        QString name = cat.decks.value(*deck).trimmed();
        if (name.isEmpty())
            name = QStringLiteral("Default");
        takeNoteMedia(media, content, card, pictures, sounds);
        DeckSet& set = sets[name];
        set.name = name;
        set.cards.append(std::move(card));
    }
    content.sets = sets.values();
}

} // namespace

DeckContent readPackage(const QString& path, const PackageLimits& limits) {
    DeckContent content;
    content.path = path;
    content.format = Text::tr("deck package");
    content.fromPackage = true;
    removeUnpackLeftovers();
    try {
        const std::unique_ptr<UnpackedCollection> file = unpackCollection(path, limits);
        Collection c(file->path(), limits.statementTime);
        c.check();
        PackageMedia media(path, limits);
        readNotes(c, content, media);
    } catch (const DeckError& e) {
        throw DeckError(
            Text::tr("%1: %2; nothing was added").arg(QFileInfo(path).fileName(), e.message()));
    }
    if (content.sets.isEmpty())
        throw DeckError(Text::tr("%1: no note holds both a question and an answer (%2 skipped); "
                                 "nothing was added")
                            .arg(QFileInfo(path).fileName())
                            .arg(content.skipped + content.markAnswers));
    return content;
}

} // namespace decks
