// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RegularFile.h"
#include "data/Sql.h"
#include "decks/Kvtml.h"
#include "decks/KvtmlMediaFolder.h"
#include "sets/rules/SetRules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QXmlStreamWriter>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

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

// A carriage return written as itself would be read back as a line feed: it is written as a
// character reference, which a reader keeps.
void writeText(QXmlStreamWriter& w, const QString& element, const QString& text) {
    w.writeStartElement(element);
    const QStringList lines = xmlSafe(text).split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            w.writeEntityReference(QStringLiteral("#13"));
        w.writeCharacters(lines[i]);
    }
    w.writeEndElement();
}

// A picture and a sound go with the question, where KDE's trainers show and play them.
void writeTranslation(QXmlStreamWriter& w, int id, const QString& text, const QString& picture = {},
                      const QString& sound = {}) {
    w.writeStartElement(QStringLiteral("translation"));
    w.writeAttribute(QStringLiteral("id"), QString::number(id));
    writeText(w, QStringLiteral("text"), text);
    if (!picture.isEmpty())
        w.writeTextElement(QStringLiteral("image"), picture);
    if (!sound.isEmpty())
        w.writeTextElement(QStringLiteral("sound"), sound);
    w.writeEndElement();
}

// A multiple-answer card's answers, as KDE's vocabulary library keeps them (see Kvtml.h).
void writeAnswers(QXmlStreamWriter& w, const QStringList& answers, bool inOrder) {
    w.writeStartElement(QStringLiteral("translation"));
    w.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
    writeText(w, QStringLiteral("text"), answers.join(QStringLiteral("; ")));
    w.writeTextElement(QStringLiteral("comment"), inOrder ? kAnswersInOrder : kAnswersInAnyOrder);
    w.writeStartElement(QStringLiteral("multiplechoice"));
    for (const QString& answer : answers)
        writeText(w, QStringLiteral("choice"), answer);
    w.writeEndElement();
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
        throw DeckError(Text::tr("There is no set named \"%1\".").arg(setName));
    const QString refused = data::specialFileRefusal(path, data::FileUse::Write);
    if (!refused.isEmpty())
        throw DeckError(refused);

    QSqlQuery cards =
        data::exec(db,
                   QStringLiteral("SELECT c.Card_ID, c.Question, c.Answer, c.ShowOrder, "
                                  "coalesce(c.Picture, ''), coalesce(c.Sound, '') "
                                  "FROM Set_Card_rel r JOIN Card c ON c.Card_ID = r.Card_ID "
                                  "WHERE r.Set_ID = ? ORDER BY c.Card_ID"),
                   {setId});
    QSqlQuery answers(db);
    answers.prepare(
        QStringLiteral("SELECT M_Answer FROM MultipleAnswers WHERE Card_ID = ? ORDER BY rowid"));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw DeckError(Text::tr("%1 cannot be written: %2")
                            .arg(QFileInfo(path).fileName(), out.errorString()));
    MediaFolderWriter mediaFolder(db, path);
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
                              "\"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    w.writeStartElement(QStringLiteral("kvtml"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    w.writeStartElement(QStringLiteral("information"));
    w.writeTextElement(QStringLiteral("generator"), QStringLiteral("Memorant"));
    writeText(w, QStringLiteral("title"), setName);
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("identifiers"));
    writeIdentifier(w, 0, QStringLiteral("Question"));
    writeIdentifier(w, 1, QStringLiteral("Answer"));
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("entries"));
    int written = 0;
    while (cards.next()) {
        QStringList multi;
        if (sets::isMultiAnswer(cards.value(2))) {
            answers.bindValue(0, cards.value(0));
            if (!answers.exec())
                throw data::DbError(Text::tr("The answers could not be read."));
            while (answers.next())
                multi << answers.value(0).toString();
        }
        w.writeStartElement(QStringLiteral("entry"));
        w.writeAttribute(QStringLiteral("id"), QString::number(written));
        const QString picture = mediaFolder.write(cards.value(4).toString());
        const QString sound = mediaFolder.write(cards.value(5).toString());
        writeTranslation(w, 0, cards.value(1).toString(), picture, sound);
        // A multiple-answer card without answers stays the mark it is (and is not read back).
        if (multi.isEmpty())
            writeTranslation(w, 1, cards.value(2).toString());
        else
            writeAnswers(w, multi, cards.value(3).toInt() != 0);
        w.writeEndElement();
        ++written;
    }
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    if (w.hasError() || !out.commit())
        throw DeckError(Text::tr("%1 cannot be written: %2")
                            .arg(QFileInfo(path).fileName(), out.errorString()));
    return written;
}

} // namespace decks
