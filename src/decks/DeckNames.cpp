// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckNames.h"

#include "data/Sql.h"
#include "wordlist/WordListRules.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace decks {
namespace {

QString cards(int n) {
    return n == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(n);
}

} // namespace

QStringList newSetNames(const QSqlDatabase& db, const DeckContent& content,
                        const QString& setName) {
    QStringList taken;
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT SetName FROM Set1"));
    while (q.next())
        taken << q.value(0).toString();
    QStringList names;
    for (const DeckSet& set : content.sets) {
        const QString base =
            content.sets.size() == 1 && !setName.trimmed().isEmpty() ? setName.trimmed() : set.name;
        names << exchange::uniqueSetName(taken, base);
        taken << names.last();
    }
    return names;
}

QString deckImportSummary(const DeckContent& content, const QStringList& names) {
    QStringList quoted;
    for (const QString& n : names)
        quoted << QLatin1Char('"') + n + QLatin1Char('"');
    QString line = QStringLiteral("Imported %1 from %2 into ")
                       .arg(cards(content.cardCount()), QFileInfo(content.path).fileName());
    line += names.size() == 1 ? QStringLiteral("the new set ") + quoted.first()
                              : QStringLiteral("%1 new sets (%2)")
                                    .arg(names.size())
                                    .arg(quoted.join(QStringLiteral(", ")));
    for (const QString& why : content.leftOut())
        line += QStringLiteral("; ") + why;
    return line + QLatin1Char('.');
}

} // namespace decks
