// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/MultiCompanion.h"

#include "data/Sql.h"
#include "exchange/CompanionLines.h"
#include "exchange/ExchangeFile.h"
#include "exchange/ExchangeText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlQuery>

namespace exchange {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

// The optional line naming the forms of dates and numbers; the reader's forms become them.
void readFormsLine(CompanionLines& lines) {
    if (!lines.pending() || !lines.line().startsWith(QStringLiteral("forms\t")))
        return;
    const QStringView line = lines.line();
    const QList<QStringView> parts = line.split(QLatin1Char('\t'));
    if (parts.size() != 4 || parts[1].isEmpty() || parts[2].isEmpty() || parts[3].size() != 1)
        throw lines.fail(lines.number(),
                         Text::tr("holds \"%1\", but the forms line needs a date format, "
                                  "a time format and a decimal separator, separated by "
                                  "tabs")
                             .arg(line.toString()));
    lines.setForms(
        lines.forms().withForms(parts[1].toString(), parts[2].toString(), parts[3].toString()));
    lines.advance();
}

// The optional version line; 1 when there is none.
int readVersionLine(CompanionLines& lines) {
    if (!lines.pending() || !lines.line().startsWith(QStringLiteral("version\t")))
        return 1;
    const qint64 at = lines.number();
    const QStringView value = lines.line().sliced(8);
    bool ok = false;
    const int version = value.trimmed().toInt(&ok);
    if (!ok || version < 1)
        throw lines.fail(at, Text::tr("holds \"%1\", but a version is a whole number "
                                      "from 1")
                                 .arg(lines.line().toString()));
    if (version > kCompanionVersion)
        throw lines.fail(at, Text::tr("says it is of version %1, but this program reads "
                                      "companions up to version %2: import it with a "
                                      "newer version of the program")
                                 .arg(version)
                                 .arg(kCompanionVersion));
    lines.advance();
    return version;
}

} // namespace

std::vector<MultiEntry> readMultiEntries(const QSqlDatabase& db) {
    std::vector<MultiEntry> entries;
    QHash<qlonglong, size_t> at;
    QSqlQuery cards = data::exec(
        db, QStringLiteral("SELECT Card_ID, ShowOrder, DisplayQuestionNumber FROM Card "
                           "WHERE COALESCE(ShowOrder, 0) <> 0 OR "
                           "COALESCE(DisplayQuestionNumber, 0) <> 0 OR "
                           "Card_ID IN (SELECT Card_ID FROM MultipleAnswers) ORDER BY Card_ID"));
    while (cards.next()) {
        at.insert(cards.value(0).toLongLong(), entries.size());
        entries.push_back({cards.value(0).toLongLong(), cards.value(1), cards.value(2), {}});
    }
    QSqlQuery answers = data::exec(
        db, QStringLiteral("SELECT Card_ID, M_Answer FROM MultipleAnswers ORDER BY rowid"));
    while (answers.next()) {
        const auto found = at.constFind(answers.value(0).toLongLong());
        if (found != at.constEnd())
            entries[*found].answers << answers.value(1).toString();
    }
    return entries;
}

int writeMultiCompanion(const QString& path, const QByteArray& mainSha256,
                        const std::vector<MultiEntry>& entries, const DirectionSections& directions,
                        const ValueForms& forms) {
    LineWriter out(path);
    out.writeLine(QString::fromLatin1(mainSha256));
    out.writeLine(QStringList{QStringLiteral("forms"), forms.dateFormat(), forms.timeFormat(),
                              forms.decimalPoint()}
                      .join(QLatin1Char('\t')));
    if (!directions.empty())
        out.writeLine(QStringLiteral("version\t%1").arg(kCompanionVersion));
    int changed = 0;
    for (const MultiEntry& e : entries) {
        out.writeLine(forms.format(ColumnKind::Id, e.cardId, nullptr));
        out.writeLine(forms.format(ColumnKind::Number, e.showOrder, nullptr));
        out.writeLine(forms.format(ColumnKind::Number, e.displayQuestionNumber, nullptr));
        out.writeLine(forms.format(ColumnKind::Id, e.answers.size(), nullptr));
        for (const QString& answer : e.answers) {
            bool replaced = false;
            out.writeLine(forms.format(ColumnKind::NamedText, answer, &replaced));
            changed += replaced ? 1 : 0;
        }
    }
    writeDirectionSections(out, forms, directions);
    out.commit();
    return changed;
}

CompanionRead readMultiCompanion(const QString& path, const QByteArray& mainSha256,
                                 const ValueForms& forms) {
    CompanionRead read;
    read.forms = forms;
    const QString file = companionPath(path);
    if (!QFileInfo::exists(file))
        return read;
    read.present = true;
    const ExchangeText text = readExchangeText(file);
    CompanionLines lines(file, text.text);
    if (!lines.advance() || lines.line().trimmed().toLatin1() != mainSha256)
        return read;
    read.matches = true;
    lines.setForms(forms);
    lines.advance();
    readFormsLine(lines);
    const int version = readVersionLine(lines);
    read.forms = lines.forms();

    QHash<qlonglong, qint64> listed; // card id -> line of its entry
    while (lines.pending() && !(version >= kCompanionVersion && isSectionLine(lines.line()))) {
        MultiEntry e;
        e.line = lines.number();
        e.cardId = lines.take(ColumnKind::Id, true).toLongLong();
        if (const auto before = listed.constFind(e.cardId); before != listed.constEnd())
            throw lines.fail(e.line, Text::tr("lists the card %1 again, which line %2 "
                                              "lists already")
                                         .arg(e.cardId)
                                         .arg(*before));
        listed.insert(e.cardId, e.line);
        e.showOrder = lines.take(ColumnKind::Number, false);
        e.displayQuestionNumber = lines.take(ColumnKind::Number, false);
        const qint64 countLine = lines.number();
        const qlonglong count = lines.take(ColumnKind::Id, true).toLongLong();
        if (count < 0)
            throw lines.fail(countLine, Text::tr("holds a negative number of answers"));
        for (qlonglong k = 0; k < count; ++k)
            e.answers << lines.take(ColumnKind::NamedText, true).toString();
        read.entries.push_back(std::move(e));
    }
    read.directions = readDirectionSections(lines);
    return read;
}

void refuseAnswersOfPlainCards(const QSqlDatabase& db, const QString& exchangePath,
                               const std::vector<MultiEntry>& entries) {
    QSet<qlonglong> plain;
    QSqlQuery cards =
        data::exec(db, QStringLiteral("SELECT Field1 FROM BufferCard WHERE Field3 IS NOT 'Multi'"));
    while (cards.next())
        plain.insert(cards.value(0).toLongLong());
    for (const MultiEntry& e : entries) {
        if (!e.answers.isEmpty() && plain.contains(e.cardId))
            throw ExchangeError(
                Text::tr("The companion file \"%1\" cannot be imported: line %2 gives "
                         "answers to the card %3, which is not a multiple-answer card in "
                         "the exchange file. Nothing was changed.")
                    .arg(QDir::toNativeSeparators(companionPath(exchangePath)))
                    .arg(e.line)
                    .arg(e.cardId));
    }
}

int applyMultiEntries(const QSqlDatabase& db, const std::vector<MultiEntry>& entries) {
    int given = 0;
    for (const MultiEntry& e : entries) {
        const QVariant cardId = data::scalar(
            db, QStringLiteral("SELECT Card_ID FROM Card WHERE SpareID = ? AND SpareID <> ''"),
            {QString::number(e.cardId)});
        if (!cardId.isValid())
            continue; // the card was not added by this import
        data::exec(db,
                   QStringLiteral("UPDATE Card SET ShowOrder = COALESCE(?, 0), "
                                  "DisplayQuestionNumber = COALESCE(?, 0) WHERE Card_ID = ?"),
                   {e.showOrder, e.displayQuestionNumber, cardId});
        for (const QString& answer : e.answers)
            data::exec(db,
                       QStringLiteral("INSERT INTO MultipleAnswers (Card_ID, M_Answer) "
                                      "VALUES (?, ?)"),
                       {cardId, answer});
        given += e.answers.isEmpty() ? 0 : 1;
    }
    return given;
}

} // namespace exchange
