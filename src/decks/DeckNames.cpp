// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/DeckNames.h"

#include "data/Sql.h"
#include "sets/rules/SetRules.h"
#include "sets/rules/StoredText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

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
    const QString file = QFileInfo(content.path).fileName();
    QString line;
    if (names.size() == 1)
        line = (stored == 1
                    ? Text::tr("Imported 1 card from %1 into the new set %2")
                    : Text::tr("Imported %n cards from %1 into the new set %2", nullptr, stored))
                   .arg(file, quoted.first());
    else
        line = (stored == 1
                    ? Text::tr("Imported 1 card from %1 into %2 new sets (%3)")
                    : Text::tr("Imported %n cards from %1 into %2 new sets (%3)", nullptr, stored))
                   .arg(file)
                   .arg(names.size())
                   .arg(quoted.join(QStringLiteral(", ")));
    if (const QString media = content.mediaKept(); !media.isEmpty())
        line = Text::tr("%1, with %2").arg(line, media);
    for (const QString& why : content.leftOut())
        line += QStringLiteral("; ") + why;
    if (const int empty = content.cardCount() - stored; empty > 0)
        line += QStringLiteral("; ") +
                (empty == 1 ? Text::tr("1 card with nothing but control characters as a "
                                       "question or an answer skipped")
                            : Text::tr("%n cards with nothing but control characters as a "
                                       "question or an answer skipped",
                                       nullptr, empty));
    if (cut > 0)
        line += QStringLiteral("; ") + sets::namesCutNote(cut);
    return line + QLatin1Char('.');
}

} // namespace decks
