// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckNames.h"

#include "data/Counted.h"
#include "data/Sql.h"
#include "sets/rules/SetRules.h"
#include "sets/rules/StoredText.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace decks {
namespace {

// The name set `i` asks for: `setName` for a file of one set, else the file's own.
QString wantedName(const DeckContent& content, qsizetype i, const QString& setName) {
    return content.sets.size() == 1 && !setName.trimmed().isEmpty() ? setName.trimmed()
                                                                    : content.sets[i].name;
}

} // namespace

QStringList newSetNames(const QSqlDatabase& db, const DeckContent& content,
                        const QString& setName) {
    QStringList taken;
    QSqlQuery q = data::exec(db, QStringLiteral("SELECT SetName FROM Set1"));
    while (q.next())
        taken << q.value(0).toString();
    QStringList names;
    for (qsizetype i = 0; i < content.sets.size(); ++i) {
        names << sets::uniqueSetName(taken, wantedName(content, i, setName));
        taken << names.last();
    }
    return names;
}

QString deckImportSummary(const DeckContent& content, const QStringList& names, int stored,
                          const QString& setName) {
    QStringList quoted;
    int cut = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        quoted << QLatin1Char('"') + names[i] + QLatin1Char('"');
        cut += sets::setNameCut(wantedName(content, i, setName), names[i]);
    }
    QString line =
        QStringLiteral("Imported %1 from %2 into ")
            .arg(data::counted(stored, QStringLiteral("card")), QFileInfo(content.path).fileName());
    line += names.size() == 1 ? QStringLiteral("the new set ") + quoted.first()
                              : QStringLiteral("%1 new sets (%2)")
                                    .arg(names.size())
                                    .arg(quoted.join(QStringLiteral(", ")));
    if (const QString media = content.mediaKept(); !media.isEmpty())
        line += QStringLiteral(", with ") + media;
    for (const QString& why : content.leftOut())
        line += QStringLiteral("; ") + why;
    if (const int empty = content.cardCount() - stored; empty > 0)
        line += QStringLiteral("; %1 with nothing but control characters as a question or an "
                               "answer skipped")
                    .arg(data::counted(empty, QStringLiteral("card")));
    if (cut > 0)
        line += QStringLiteral("; ") + sets::namesCutNote(cut);
    return line + QLatin1Char('.');
}

} // namespace decks
