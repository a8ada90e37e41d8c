#include "exchange/MultiCompanion.h"

#include "data/Sql.h"
#include "exchange/ExchangeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace exchange {

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
                        const std::vector<MultiEntry>& entries, const ValueForms& forms) {
    LineWriter out(path);
    out.writeLine(QString::fromLatin1(mainSha256));
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
    out.commit();
    return changed;
}

CompanionRead readMultiCompanion(const QString& path, const QByteArray& mainSha256,
                                 const ValueForms& forms) {
    CompanionRead read;
    const QString file = companionPath(path);
    if (!QFileInfo::exists(file))
        return read;
    read.present = true;
    const ExchangeLines lines = readExchangeLines(file);
    if (lines.lines.empty() || lines.lines[0].trimmed().toLatin1() != mainSha256)
        return read;
    read.matches = true;

    size_t i = 1;
    auto fail = [&](size_t line, const QString& why) {
        return ExchangeError(
            QStringLiteral("The companion file \"%1\" cannot be imported: line %2 %3. Nothing "
                           "was changed.")
                .arg(QDir::toNativeSeparators(file))
                .arg(line + 1)
                .arg(why));
    };
    auto next = [&](ColumnKind kind, bool required) {
        if (i >= lines.lines.size())
            throw fail(i, QStringLiteral("is missing: the file ends too early"));
        QVariant v;
        QString why;
        if (!forms.parse(kind, lines.lines[i], &v, &why) || (required && v.isNull()))
            throw fail(i, QStringLiteral("holds \"%1\", but %2")
                              .arg(lines.lines[i].toString(),
                                   why.isEmpty() ? QStringLiteral("a value is needed") : why));
        ++i;
        return v;
    };
    while (i < lines.lines.size()) {
        MultiEntry e;
        e.cardId = next(ColumnKind::Id, true).toLongLong();
        e.showOrder = next(ColumnKind::Number, false);
        e.displayQuestionNumber = next(ColumnKind::Number, false);
        const qlonglong count = next(ColumnKind::Id, true).toLongLong();
        if (count < 0)
            throw fail(i - 1, QStringLiteral("holds a negative number of answers"));
        for (qlonglong k = 0; k < count; ++k)
            e.answers << next(ColumnKind::NamedText, true).toString();
        read.entries.push_back(std::move(e));
    }
    return read;
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
