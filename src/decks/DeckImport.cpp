// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckImport.h"

#include "data/RegularFile.h"
#include "data/Sql.h"
#include "decks/Kvtml.h"
#include "decks/Package.h"
#include "media/MediaStore.h"
#include "sets/rules/NewSet.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

// A KVTML file is read whole; no vocabulary file comes near this.
constexpr qint64 kMaxKvtmlBytes = qint64(256) << 20;

// The reader checked each file, so none is refused here; one that were would fail the import.
void storeCardMedia(const QSqlDatabase& db, const QVariant& cardId, const DeckCard& card) {
    if (!card.picture.isEmpty())
        media::setCardMedia(
            db, cardId, media::Slot::Picture,
            media::storeMedia(db, card.picture.bytes, card.picture.fileName, media::Slot::Picture));
    if (!card.sound.isEmpty())
        media::setCardMedia(
            db, cardId, media::Slot::Sound,
            media::storeMedia(db, card.sound.bytes, card.sound.fileName, media::Slot::Sound));
}

} // namespace

DeckContent readDeckFile(const QString& path, const DeckReading& reading) {
    const QString refused = data::specialFileRefusal(path, data::FileUse::Read);
    if (!refused.isEmpty())
        throw DeckError(refused);
    const QString name = QFileInfo(path).fileName();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DeckError(Text::tr("%1: the file cannot be read (%2)").arg(name, f.errorString()));
    const QByteArray head = f.peek(4);
    if (head.startsWith("PK")) {
        f.close();
        return readPackage(path);
    }
    if (f.size() > kMaxKvtmlBytes)
        throw DeckError(Text::tr("%1: the file is too large for a vocabulary file; nothing "
                                 "was added")
                            .arg(name));
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw DeckError(Text::tr("%1: the file cannot be read (%2)").arg(name, f.errorString()));
    return readKvtml(path, bytes, reading);
}

void swapSides(DeckContent& content) {
    for (DeckSet& set : content.sets) {
        for (DeckCard& card : set.cards) {
            if (!card.multiAnswer())
                std::swap(card.question, card.answers.first());
        }
        // A question that read "Multi" would now mark a multiple-answer card without answers.
        content.markAnswers +=
            int(set.cards.removeIf([](const DeckCard& c) { return c.answerIsMark(); }));
    }
    content.sets.removeIf([](const DeckSet& s) { return s.cards.isEmpty(); });
}

int storeDecks(const QSqlDatabase& db, const DeckContent& content, const QStringList& names,
               const data::Progress& progress) {
    Q_ASSERT(names.size() == content.sets.size());
    const qint64 total = content.cardCount();
    qint64 done = 0;
    int stored = 0;
    data::Transaction t(db);
    sets::NewSetWriter writer(db);
    for (qsizetype i = 0; i < content.sets.size(); ++i) {
        const QVariant setId = writer.addSet(names[i]);
        for (const DeckCard& card : content.sets[i].cards) {
            if (writer.addCard(setId, card.question, card.answers, card.orderImportant)) {
                ++stored;
                try {
                    storeCardMedia(db, writer.lastCardId(), card);
                } catch (const media::MediaRefused& e) {
                    throw DeckError(Text::tr("%1: %2 Nothing was added.")
                                        .arg(QFileInfo(content.path).fileName(), e.message()));
                }
            }
            if (progress && ++done % 512 == 0 && !progress(done, total))
                throw DeckError(Text::tr("%1: the import was cancelled; nothing was added")
                                    .arg(QFileInfo(content.path).fileName()));
        }
        writer.finishSet(setId);
    }
    t.commit();
    if (progress)
        progress(total, total);
    return stored;
}

} // namespace decks
