// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Sql.h"
#include "decks/Kvtml.h"
#include "exchange/RegularFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QXmlStreamWriter>

namespace decks {
namespace {

// XML 1.0 has no place for most control characters; a text holding one keeps a blank there
// rather than making a file no trainer opens.
QString xmlSafe(QString text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF)
            c = QLatin1Char(' ');
    }
    return text;
}

void writeTranslation(QXmlStreamWriter& w, int id, const QString& text) {
    w.writeStartElement(QStringLiteral("translation"));
    w.writeAttribute(QStringLiteral("id"), QString::number(id));
    w.writeTextElement(QStringLiteral("text"), xmlSafe(text));
    w.writeEndElement();
}

void writeIdentifier(QXmlStreamWriter& w, int id, const QString& name) {
    w.writeStartElement(QStringLiteral("identifier"));
    w.writeAttribute(QStringLiteral("id"), QString::number(id));
    w.writeTextElement(QStringLiteral("name"), name);
    w.writeEndElement();
}

} // namespace

int writeKvtml(const QSqlDatabase& db, const QString& setName, const QString& path) {
    const QVariant setId = data::scalar(
        db, QStringLiteral("SELECT Set_ID FROM Set1 WHERE SetName = ? ORDER BY Set_ID LIMIT 1"),
        {setName});
    if (!setId.isValid())
        throw DeckError(QStringLiteral("There is no set named \"%1\".").arg(setName));
    const QString refused = exchange::specialFileRefusal(path, exchange::FileUse::Write);
    if (!refused.isEmpty())
        throw DeckError(refused);

    QSqlQuery cards = data::exec(
        db,
        QStringLiteral("SELECT c.Card_ID, c.Question, c.Answer, "
                       "(SELECT group_concat(M_Answer, '; ') FROM "
                       "(SELECT M_Answer FROM MultipleAnswers m WHERE m.Card_ID = c.Card_ID "
                       "ORDER BY m.rowid)) "
                       "FROM Set_Card_rel r JOIN Card c ON c.Card_ID = r.Card_ID "
                       "WHERE r.Set_ID = ? ORDER BY c.Card_ID"),
        {setId});
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw DeckError(QStringLiteral("%1 cannot be written: %2")
                            .arg(QFileInfo(path).fileName(), out.errorString()));
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
                              "\"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    w.writeStartElement(QStringLiteral("kvtml"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    w.writeStartElement(QStringLiteral("information"));
    w.writeTextElement(QStringLiteral("generator"), QStringLiteral("Memorant"));
    w.writeTextElement(QStringLiteral("title"), xmlSafe(setName));
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("identifiers"));
    writeIdentifier(w, 0, QStringLiteral("Question"));
    writeIdentifier(w, 1, QStringLiteral("Answer"));
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("entries"));
    int written = 0;
    while (cards.next()) {
        // A multiple-answer card keeps its answers in their order, as one text.
        const bool multi =
            cards.value(2).toString() == QLatin1String("Multi") && !cards.value(3).isNull();
        w.writeStartElement(QStringLiteral("entry"));
        w.writeAttribute(QStringLiteral("id"), QString::number(written));
        writeTranslation(w, 0, cards.value(1).toString());
        writeTranslation(w, 1, multi ? cards.value(3).toString() : cards.value(2).toString());
        w.writeEndElement();
        ++written;
    }
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    if (w.hasError() || !out.commit())
        throw DeckError(QStringLiteral("%1 cannot be written: %2")
                            .arg(QFileInfo(path).fileName(), out.errorString()));
    return written;
}

} // namespace decks
