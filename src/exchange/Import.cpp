// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Import.h"

#include "data/LogDates.h"
#include "data/Sql.h"
#include "exchange/MediaCompanion.h"
#include "exchange/MergePlan.h"
#include "exchange/MultiCompanion.h"
#include "sets/rules/StoredText.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <array>

namespace exchange {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

constexpr qint64 kProgressStep = 512;
constexpr int kLogIdColumn = 22; // from 0
constexpr int kLogDateColumn = 23;

// The first column of each record kind: a record is of that kind when its id is not 0.
bool isKindColumn(int c) {
    return c == 0 || c == 13 || c == 19 || c == kLogIdColumn;
}

using data::exec;

int affected(const QSqlQuery& q) {
    return q.numRowsAffected();
}

} // namespace

Import::Import(const QSqlDatabase& db, const ValueForms& forms) : db_(db), forms_(forms) {}

QString namesCutNote(const ImportOutcome& outcome) {
    QString note = sets::namesCutNote(outcome.namesCut);
    if (note.isEmpty())
        return note;
    note[0] = note[0].toUpper();
    return note + QLatin1Char('.');
}

QString mediaNote(const ImportOutcome& outcome) {
    if (!outcome.mediaNote.isEmpty())
        return outcome.mediaNote;
    if (outcome.pictures == 0 && outcome.sounds == 0)
        return {};
    return Text::tr("%1 and %2 came with the cards.")
        .arg(outcome.pictures == 1 ? Text::tr("1 picture")
                                   : Text::tr("%n pictures", nullptr, outcome.pictures),
             outcome.sounds == 1 ? Text::tr("1 sound")
                                 : Text::tr("%n sounds", nullptr, outcome.sounds));
}

QString multiWithoutAnswersNote(const ImportOutcome& outcome) {
    if (outcome.multiWithoutAnswers == 0)
        return {};
    return Text::tr("%n multiple-answer cards arrived without their answers; replies to "
                    "them are judged wrong until their answers are entered.",
                    nullptr, outcome.multiWithoutAnswers);
}

qint64 Import::ReadFile(const QString& path) {
    path_ = path;
    file_ = readExchangeText(path);
    LineCursor lines(file_.text);
    QStringView line;
    lastDataLine_ = 0;
    while (lines.next(&line)) {
        if (!line.trimmed().isEmpty())
            lastDataLine_ = lines.number();
    }
    const qint64 count = lines.number();
    if (count < kColumns)
        throw ExchangeError(Text::tr("The file \"%1\" is not an exchange file: it holds %2 "
                                     "lines, fewer than one block of %3. Nothing was "
                                     "changed.")
                                .arg(QDir::toNativeSeparators(path))
                                .arg(count)
                                .arg(kColumns));
    if (count % kColumns != 0)
        throw ExchangeError(
            Text::tr("The exchange file \"%1\" cannot be imported: its %2 lines are not "
                     "whole records of %3 lines; the last record, from line %4, breaks "
                     "off at line %2. The file was cut short, or lines were added or "
                     "removed. Nothing was changed.")
                .arg(QDir::toNativeSeparators(path))
                .arg(count)
                .arg(kColumns)
                .arg(count - count % kColumns + 1));
    return count / kColumns + 1;
}

void Import::WriteToTable(qint64 row3, const data::Progress& progress, bool withLog) {
    exec(db_, QStringLiteral("DELETE FROM ImportBuffer"));
    QString marks;
    for (int c = 0; c < kColumns; ++c)
        marks += c ? QStringLiteral(", ?") : QStringLiteral("?");
    QSqlQuery insert(db_);
    if (!insert.prepare(QStringLiteral("INSERT INTO ImportBuffer VALUES (%1)").arg(marks)))
        throw data::DbError(insert.lastError().text());
    const qint64 records = row3 - 2; // the last complete block is the terminator
    outcome_.records = records;
    auto refuse = [&](qint64 line, const QString& why) {
        return ExchangeError(Text::tr("The exchange file \"%1\" cannot be imported: line "
                                      "%2 %3. Nothing was changed.")
                                 .arg(QDir::toNativeSeparators(path_))
                                 .arg(line)
                                 .arg(why));
    };
    LineCursor lines(file_.text);
    QStringView line;
    std::array<QVariant, kColumns> values;
    QString why;
    qint64 usable = 0;
    for (qint64 k = 0; k < records; ++k) {
        bool ofAKind = false;
        for (int c = 0; c < kColumns; ++c) {
            lines.next(&line);
            // The log's values (after its id) matter only when the log is imported.
            if (!withLog && c > kLogIdColumn) {
                values[static_cast<size_t>(c)] = QVariant();
                continue;
            }
            if (const QString problem = lineProblem(line); !problem.isEmpty())
                throw refuse(lines.number(), problem);
            QVariant& value = values[static_cast<size_t>(c)];
            if (!forms_.parse(columnKind(c), line, &value, &why))
                throw refuse(lines.number(),
                             Text::tr("holds \"%1\", but %2").arg(line.toString(), why));
            // A date no chart could place would only stand in the log's way.
            if (c == kLogDateColumn && values[kLogIdColumn].toLongLong() != 0) {
                if (const QString problem = data::logDateProblem(value.toString());
                    !problem.isEmpty())
                    throw refuse(lines.number(),
                                 Text::tr("holds the date of a log row, which %1; import "
                                          "without the log to leave the log out")
                                     .arg(problem));
            }
            if (isKindColumn(c) && value.toLongLong() != 0)
                ofAKind = true;
        }
        if (ofAKind) {
            ++usable;
            for (int c = 0; c < kColumns; ++c)
                insert.bindValue(c, values[static_cast<size_t>(c)]);
            if (!insert.exec())
                throw data::DbError(insert.lastError().text());
        }
        if (progress && (k + 1) % kProgressStep == 0)
            progress(k + 1, records);
    }
    // Only the export of an empty database holds nothing at all: its terminating block.
    if (usable == 0 && (records > 0 || lastDataLine_ > 0))
        throw ExchangeError(
            Text::tr("The exchange file \"%1\" cannot be imported: none of its records "
                     "is a card, a set, a relation or a log row (each has an id other "
                     "than 0 in line 1, 14, 20 or 23 of its %2). Nothing was changed.")
                .arg(QDir::toNativeSeparators(path_))
                .arg(kColumns));
}

void Import::splitByKind() {
    for (const char* table : {"BufferCard", "BufferLog", "BufferSet_Card_rel", "BufferSet1"})
        exec(db_, QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    // The ids are staged as whole numbers, so "<> 0" means what it says.
    exec(db_, QStringLiteral("INSERT INTO BufferCard (Field1, Field2, Field3, Field4, Field5, "
                             "Field6, Field7, Field8, Field9, Field10, Field11, Field12, Field13) "
                             "SELECT Field1, Field2, Field3, Field4, Field5, Field6, Field7, "
                             "Field8, Field9, Field10, Field11, Field12, Field13 "
                             "FROM ImportBuffer WHERE Field1 <> 0 ORDER BY rowid"));
    exec(db_, QStringLiteral("INSERT INTO BufferSet_Card_rel (Field1, Field2, Field3) "
                             "SELECT Field20, Field21, Field22 FROM ImportBuffer "
                             "WHERE Field20 <> 0 ORDER BY rowid"));
    exec(db_, QStringLiteral("INSERT INTO BufferLog (Field1, Field2, Field3, Field4, Field5) "
                             "SELECT Field23, Field24, Field25, Field26, Field27 FROM ImportBuffer "
                             "WHERE Field23 <> 0 ORDER BY rowid"));
    exec(db_, QStringLiteral("INSERT INTO BufferSet1 (Field1, Field2, Field3, Field4, Field5, "
                             "Field6) SELECT Field14, Field15, Field16, Field17, Field18, Field19 "
                             "FROM ImportBuffer WHERE Field14 <> 0 ORDER BY rowid"));
}

void Import::refuseDuplicateIds() {
    // Old ids tie cards and sets to their relations; one id for two rows would tie wrongly.
    for (const char* table : {"BufferCard", "BufferSet1"}) {
        const QVariant twice = data::scalar(
            db_, QStringLiteral("SELECT Field1 FROM %1 GROUP BY Field1 HAVING COUNT(*) > 1 LIMIT 1")
                     .arg(QLatin1String(table)));
        if (twice.isValid())
            throw ExchangeError(
                (qstrcmp(table, "BufferCard") == 0
                     ? Text::tr("The exchange file \"%1\" cannot be imported: it holds more "
                                "than one card with the id %2. Nothing was changed.")
                     : Text::tr("The exchange file \"%1\" cannot be imported: it holds more "
                                "than one set with the id %2. Nothing was changed."))
                    .arg(QDir::toNativeSeparators(path_), twice.toString()));
    }
}

void Import::applySetNames() {
    QVariantList rowids, oldIds;
    QStringList names;
    QSqlQuery staged =
        exec(db_, QStringLiteral("SELECT rowid, Field1, Field2 FROM BufferSet1 ORDER BY rowid"));
    QStringList asStaged;
    while (staged.next()) {
        rowids << staged.value(0);
        oldIds << staged.value(1);
        asStaged << staged.value(2).toString();
        names << sets::cappedSetName(asStaged.last());
        outcome_.namesCut += names.last() != asStaged.last();
    }
    QStringList existing;
    QSqlQuery sets =
        exec(db_, QStringLiteral("SELECT SetName FROM Set1 WHERE SetName IS NOT NULL"));
    while (sets.next())
        existing << sets.value(0).toString();

    const MergePlan plan(existing, names);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const SetFate& fate = plan.fates()[static_cast<size_t>(i)];
        if (fate.kind == SetFate::LeftOut) {
            // Only its ties go: a card it shares with a set that is added still comes.
            exec(db_, QStringLiteral("DELETE FROM BufferSet_Card_rel WHERE Field2 = ?"),
                 {oldIds[i]});
            exec(db_, QStringLiteral("DELETE FROM BufferSet1 WHERE rowid = ?"), {rowids[i]});
        } else if (fate.name != asStaged[i]) {
            exec(db_, QStringLiteral("UPDATE BufferSet1 SET Field2 = ? WHERE rowid = ?"),
                 {fate.name, rowids[i]});
        }
    }

    QStringList logNames;
    QSqlQuery logs =
        exec(db_, QStringLiteral("SELECT DISTINCT Field3 FROM BufferLog WHERE Field3 IS NOT NULL"));
    while (logs.next())
        logNames << logs.value(0).toString();
    // Longest first: a name with "1" appended is longer than its own, so no row is renamed
    // twice.
    std::sort(logNames.begin(), logNames.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& name : logNames) {
        const SetFate fate = plan.logFate(sets::cappedSetName(name));
        if (fate.kind == SetFate::LeftOut)
            exec(db_, QStringLiteral("DELETE FROM BufferLog WHERE Field3 = ?"), {name});
        else if (fate.name != name)
            exec(db_, QStringLiteral("UPDATE BufferLog SET Field3 = ? WHERE Field3 = ?"),
                 {fate.name, name});
    }
}

void Import::ImpNoLog() {
    splitByKind();
    refuseDuplicateIds();
    applySetNames();

    // The carriers: afterwards only the rows added now hold their old ids.
    exec(db_, QStringLiteral("UPDATE Card SET SpareID = '' WHERE SpareID IS NOT ''"));
    exec(db_, QStringLiteral("UPDATE Set1 SET SpareID = '' WHERE SpareID IS NOT ''"));

    // Each card of an added set once, however many of the added sets hold it. A card the
    // merge adds is in use, so it is never marked for the deletion sweep.
    outcome_.cardsAdded = affected(exec(
        db_, QStringLiteral(
                 "INSERT INTO Card (Question, Answer, CurStatus, AcStatus, GoNo, SpareID, Rating, "
                 "Correct, Incorrect, Demons, Active) "
                 "SELECT Field2, Field3, COALESCE(Field4, 0), COALESCE(Field5, 0), "
                 "COALESCE(Field6, 0), Field1, COALESCE(Field8, 0), COALESCE(Field9, 0), "
                 "COALESCE(Field10, 0), COALESCE(Field11, 0), COALESCE(NULLIF(Field12, '0'), 1) "
                 "FROM BufferCard WHERE Field1 IN (SELECT BufferSet_Card_rel.Field3 "
                 "FROM BufferSet_Card_rel JOIN qForAppendSet1 "
                 "ON BufferSet_Card_rel.Field2 = qForAppendSet1.Field1) ORDER BY rowid")));
    outcome_.setsAdded = affected(exec(
        db_, QStringLiteral("INSERT INTO Set1 (SetName, Active, IncludeInDeamons, SpareID) "
                            "SELECT Field2, COALESCE(NULLIF(Field3, '0'), 1), COALESCE(Field4, 1), "
                            "Field1 FROM BufferSet1 "
                            "WHERE Field1 IN (SELECT Field1 FROM qForAppendSet1) ORDER BY rowid")));
    exec(db_, QStringLiteral(
                  "INSERT INTO Set_Card_rel (Set_ID, Card_ID) "
                  "SELECT Set1.Set_ID, Card.Card_ID FROM BufferSet_Card_rel "
                  "JOIN qNewlyAddedSets ON qNewlyAddedSets.SpareID = BufferSet_Card_rel.Field2 "
                  "JOIN Set1 ON Set1.SpareID = BufferSet_Card_rel.Field2 "
                  "JOIN Card ON Card.SpareID = BufferSet_Card_rel.Field3 AND Card.SpareID <> '' "
                  "GROUP BY Set1.Set_ID, Card.Card_ID ORDER BY MIN(BufferSet_Card_rel.rowid)"));
}

int Import::addLogRows(const QString& reverse) {
    return affected(
        exec(db_,
             QStringLiteral("INSERT INTO Log (\"Date\", SetName, CardID, Result, Direction) "
                            "SELECT BufferLog.Field2, BufferLog.Field3, Card.Card_ID, "
                            "BufferLog.Field5, CASE WHEN CAST(BufferLog.Field1 AS INTEGER) IN "
                            "(SELECT value FROM json_each(?)) THEN 'reverse' END FROM BufferLog "
                            "JOIN Card ON Card.SpareID = BufferLog.Field4 AND Card.SpareID <> '' "
                            "ORDER BY BufferLog.rowid"),
             {reverse}));
}

ImportOutcome Import::run(const QString& path, bool withLog, const data::Progress& progress) {
    outcome_ = {};
    const qint64 row3 = ReadFile(path);
    const CompanionRead companion = readMultiCompanion(path, file_.sha256, forms_);
    if (lastDataLine_ > (row3 - 2) * kColumns) {
        // Every export of ours ends in an empty block and writes a companion: with one
        // beside it, a last block holding data means the file was cut short.
        if (companion.present)
            throw ExchangeError(
                Text::tr("The exchange file \"%1\" cannot be imported: it was cut "
                         "short. Its last block of %2 lines, empty at the end of every "
                         "export, holds data (line %3), and the companion file \"%4\" "
                         "shows that the file is such an export. Nothing was changed.")
                    .arg(QDir::toNativeSeparators(path))
                    .arg(kColumns)
                    .arg(lastDataLine_)
                    .arg(QDir::toNativeSeparators(companionPath(path))));
        outcome_.lastBlockNote =
            Text::tr("The last %1 lines of \"%2\" held data (line %3); as in every "
                     "exchange file, that last block was set aside and not imported.")
                .arg(kColumns)
                .arg(QDir::toNativeSeparators(path))
                .arg(lastDataLine_);
    }
    if (companion.present && !companion.matches)
        outcome_.companionNote =
            Text::tr("The companion file \"%1\" was ignored: it belongs to another "
                     "exchange file, so multiple-answer cards came without their answers, and "
                     "every set, card and log row as asked question to answer.")
                .arg(QDir::toNativeSeparators(companionPath(path)));
    // Dates and numbers are read in the forms they were written in, when the companion
    // names them.
    forms_ = companion.forms;
    if (progress)
        progress(0, row3 - 2);
    try {
        data::Transaction t(db_);
        WriteToTable(row3, progress, withLog);
        ImpNoLog();
        if (companion.matches) {
            refuseAnswersOfPlainCards(db_, path, companion.entries);
            outcome_.multiCards = applyMultiEntries(db_, companion.entries);
            applyDirections(db_, companion.directions);
        }
        const MediaCompanionRead media = applyMediaCompanion(db_, path, file_.sha256);
        outcome_.pictures = media.pictures;
        outcome_.sounds = media.sounds;
        if (media.present && !media.matches)
            outcome_.mediaNote =
                Text::tr("The companion file \"%1\" was ignored: it belongs to another "
                         "exchange file, so the cards came without their pictures and "
                         "sounds.")
                    .arg(QDir::toNativeSeparators(mediaCompanionPath(path)));
        outcome_.multiWithoutAnswers =
            data::scalar(db_, QStringLiteral("SELECT COUNT(*) FROM Card WHERE SpareID <> '' AND "
                                             "Answer = 'Multi' AND NOT EXISTS (SELECT 1 FROM "
                                             "MultipleAnswers m WHERE m.Card_ID = Card.Card_ID)"))
                .toInt();
        if (withLog)
            outcome_.logRowsAdded = addLogRows(reverseLogRowsJson(companion.directions));
        // The staged rows are spent; left in the file, they would travel in every backup.
        for (const char* table :
             {"ImportBuffer", "BufferCard", "BufferSet1", "BufferSet_Card_rel", "BufferLog"})
            exec(db_, QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        t.commit();
    } catch (const data::DbError& e) {
        throw ExchangeError(Text::tr("The exchange file \"%1\" could not be imported: %2. "
                                     "Nothing was changed.")
                                .arg(QDir::toNativeSeparators(path), e.message()));
    }
    file_ = {};
    if (progress)
        progress(row3 - 2, row3 - 2);
    return outcome_;
}

} // namespace exchange
