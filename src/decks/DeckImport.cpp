// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckImport.h"

#include "data/Sql.h"
#include "decks/Kvtml.h"
#include "decks/Package.h"
#include "exchange/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace decks {
namespace {

// A KVTML file is read whole; no vocabulary file comes near this.
constexpr qint64 kMaxKvtmlBytes = qint64(256) << 20;

} // namespace

DeckContent readDeckFile(const QString& path) {
    const QString refused = exchange::specialFileRefusal(path, exchange::FileUse::Read);
    if (!refused.isEmpty())
        throw DeckError(refused);
    const QString name = QFileInfo(path).fileName();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DeckError(
            QStringLiteral("%1: the file cannot be read (%2)").arg(name, f.errorString()));
    const QByteArray head = f.peek(4);
    if (head.startsWith("PK")) {
        f.close();
        return readPackage(path);
    }
    if (f.size() > kMaxKvtmlBytes)
        throw DeckError(QStringLiteral("%1: the file is too large for a vocabulary file; nothing "
                                       "was added")
                            .arg(name));
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw DeckError(
            QStringLiteral("%1: the file cannot be read (%2)").arg(name, f.errorString()));
    return readKvtml(path, bytes);
}

void swapSides(DeckContent& content) {
    for (DeckSet& set : content.sets) {
        for (DeckCard& card : set.cards) {
            if (!card.multiAnswer())
                std::swap(card.question, card.answers.first());
        }
    }
}

void storeDecks(const QSqlDatabase& db, const DeckContent& content, const QStringList& names,
                const DeckProgress& progress) {
    Q_ASSERT(names.size() == content.sets.size());
    const int total = std::max(1, content.cardCount());
    int done = 0;
    data::Transaction t(db);
    data::Prepared addSet(db, QStringLiteral("INSERT INTO Set1 (SetName) VALUES (?)"));
    data::Prepared addCard(db,
                           QStringLiteral("INSERT INTO Card (Question, Answer, ShowOrder) VALUES "
                                          "(?, ?, ?)"));
    data::Prepared relate(
        db, QStringLiteral("INSERT INTO Set_Card_rel (Set_ID, Card_ID) VALUES (?, ?)"));
    data::Prepared addAnswer(
        db, QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) VALUES (?, ?)"));
    const QVariant multiMark = QStringLiteral("Multi");
    for (qsizetype i = 0; i < content.sets.size(); ++i) {
        const QVariant setId = addSet.run({names[i]});
        for (const DeckCard& card : content.sets[i].cards) {
            const bool multi = card.multiAnswer();
            const QVariant cardId =
                addCard.run({card.question, multi ? multiMark : QVariant(card.answers.first()),
                             card.orderImportant ? 1 : 0});
            relate.run({setId, cardId});
            if (multi) {
                for (const QString& answer : card.answers)
                    addAnswer.run({cardId, answer});
            }
            if (progress && ++done % 512 == 0 && !progress(done * 1000 / total))
                throw DeckError(QStringLiteral("%1: the import was cancelled; nothing was added")
                                    .arg(QFileInfo(content.path).fileName()));
        }
        // A new card's order key is its id, as for a card typed into the grid.
        data::exec(db,
                   QStringLiteral("UPDATE Card SET \"Order\" = Card_ID WHERE Card_ID IN "
                                  "(SELECT Card_ID FROM Set_Card_rel WHERE Set_ID = ?)"),
                   {setId});
    }
    t.commit();
    if (progress)
        progress(1000);
}

} // namespace decks
