// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Export.h"

#include "data/LogDates.h"
#include "data/Sql.h"
#include "exchange/ExchangeFile.h"
#include "exchange/MediaCompanion.h"
#include "exchange/MultiCompanion.h"
#include "learn/rules/OrderKeys.h"
#include "sets/rules/StoredText.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace exchange {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

// The staging table's columns in file order.
const char* const kExportColumns[kColumns] = {
    "C_Card_ID",          "C_Question",  "C_Answer",    "C_CurStatus",
    "C_AcStatus",         "C_GoNo",      "C_Order",     "C_Rating",
    "C_Correct",          "C_Incorrect", "C_Demons",    "C_Active",
    "C_SpareID",          "S_Set_ID",    "S_SetName",   "S_Active",
    "S_IncludeInDeamons", "S_SpareID",   "S_SpareName", "R_Rel_ID",
    "R_Set_ID",           "R_Card_ID",   "L_RecID",     "L_Date",
    "L_SetName",          "L_CardID",    "L_Result"};

constexpr qint64 kProgressStep = 512;
constexpr int kSetNameColumn = 14; // from 0
constexpr int kLogIdColumn = 22;
constexpr int kLogDateColumn = 23;
constexpr int kLogSetNameColumn = 24;

} // namespace

QStringList exportNotes(const ExportOutcome& outcome) {
    QStringList notes;
    if (outcome.textsChanged > 0)
        notes << Text::tr("%n texts held line breaks or control characters, which the "
                          "exchange file cannot carry: each line break was written as a "
                          "blank, the other characters left out.",
                          nullptr, outcome.textsChanged);
    if (outcome.namesCut > 0)
        notes << Text::tr("%n set names were longer than %1 characters and were written "
                          "cut to that length.",
                          nullptr, outcome.namesCut)
                     .arg(sets::kMaxSetNameLength);
    if (outcome.logRowsLeftOut > 0)
        notes << Text::tr("%n log rows were left out: their dates are no day from %1 to "
                          "%2, which an import would refuse.",
                          nullptr, outcome.logRowsLeftOut)
                     .arg(data::firstLogDay().toString(Qt::ISODate),
                          data::lastLogDay().toString(Qt::ISODate));
    return notes;
}

Export::Export(const QSqlDatabase& db, const ValueForms& forms) : db_(db), forms_(forms) {}

void Export::BuildExportBuffer() {
    using data::exec;
    exec(db_, QStringLiteral("DELETE FROM ExportBuffer"));
    exec(db_, QStringLiteral(
                  "INSERT INTO ExportBuffer (C_Card_ID, C_Question, C_Answer, C_AcStatus, C_GoNo, "
                  "C_Order, C_Rating, C_Correct, C_Incorrect, C_Demons, C_SpareID) "
                  "SELECT Card_ID, Question, Answer, AcStatus, GoNo, \"Order\", Rating, Correct, "
                  "Incorrect, Demons, SpareID FROM Card ORDER BY Card_ID"));
    exec(db_, QStringLiteral("INSERT INTO ExportBuffer (S_Set_ID, S_SetName, S_Active, "
                             "S_IncludeInDeamons, S_SpareID, S_SpareName) "
                             "SELECT Set_ID, SetName, Active, IncludeInDeamons, SpareID, "
                             "SpareName FROM Set1 ORDER BY Set_ID"));
    exec(db_, QStringLiteral("INSERT INTO ExportBuffer (R_Rel_ID, R_Set_ID, R_Card_ID) "
                             "SELECT Rel_ID, Set_ID, Card_ID FROM Set_Card_rel ORDER BY Rel_ID"));
    exec(db_, QStringLiteral("INSERT INTO ExportBuffer (L_RecID, L_Date, L_SetName, L_CardID, "
                             "L_Result) SELECT RecID, \"Date\", SetName, CardID, Result FROM Log "
                             "ORDER BY RecID"));
}

std::vector<ExportRecord> Export::ReadExportBuffer() {
    QStringList columns;
    for (const char* c : kExportColumns)
        columns << QString::fromLatin1(c);
    QSqlQuery q = data::exec(db_, QStringLiteral("SELECT %1 FROM ExportBuffer ORDER BY rowid")
                                      .arg(columns.join(QStringLiteral(", "))));
    // No ceiling: the table grows with the database.
    std::vector<ExportRecord> table;
    while (q.next()) {
        ExportRecord& r = table.emplace_back();
        for (int c = 0; c < kColumns; ++c)
            r[static_cast<size_t>(c)] = q.value(c);
    }
    return table;
}

QByteArray Export::WriteToFile(const QString& path, const std::vector<ExportRecord>& table,
                               const data::Progress& progress) {
    LineWriter out(path);
    const auto total = static_cast<qint64>(table.size());
    qint64 done = 0;
    for (const ExportRecord& record : table) {
        // A log row the import would refuse stays out, rather than the whole file refused.
        if (record[kLogIdColumn].toLongLong() != 0 &&
            !data::logDay(record[kLogDateColumn].toString()).isValid()) {
            ++logRowsLeftOut_;
            ++done;
            continue;
        }
        for (int c = 0; c < kColumns; ++c) {
            QVariant value = record[static_cast<size_t>(c)];
            if ((c == kSetNameColumn || c == kLogSetNameColumn) && !value.isNull()) {
                const QString name = value.toString();
                const QString capped = sets::cappedSetName(name);
                if (capped != name) {
                    namesCut_ += c == kSetNameColumn;
                    value = capped;
                }
            }
            bool changed = false;
            out.writeLine(forms_.format(columnKind(c), value, &changed));
            if (changed)
                ++textsChanged_;
        }
        if (progress && ++done % kProgressStep == 0)
            progress(done, total);
    }
    // The terminating block: the reader drops the last complete block, whatever it holds.
    for (int c = 0; c < kColumns; ++c)
        out.writeLine(QString());
    out.commit();
    return out.sha256();
}

bool Export::writeCompanion(const QString& path, const QByteArray& mainSha256,
                            const std::vector<MultiEntry>& entries,
                            const DirectionSections& directions) {
    // Written even without answer lists: it names the forms the file's dates and numbers
    // are in, and its presence tells an import that a file cut short is our own export.
    textsChanged_ +=
        writeMultiCompanion(companionPath(path), mainSha256, entries, directions, forms_);
    return !entries.empty();
}

ExportOutcome Export::run(const QString& path, const data::Progress& progress) {
    textsChanged_ = 0;
    namesCut_ = 0;
    logRowsLeftOut_ = 0;
    std::vector<ExportRecord> table;
    std::vector<MultiEntry> entries;
    DirectionSections directions;
    try {
        // One snapshot of the database for the staging table and the companion.
        data::Transaction t(db_);
        // The file carries the order keys the rules give: a pass still pending is done now.
        learn::completeOrderKeys(db_);
        BuildExportBuffer();
        table = ReadExportBuffer();
        entries = readMultiEntries(db_);
        directions = readDirections(db_);
        // The copy is in memory now; left in the file, it would travel in every backup.
        data::exec(db_, QStringLiteral("DELETE FROM ExportBuffer"));
        t.commit();
    } catch (const data::DbError& e) {
        throw ExchangeError(Text::tr("The database could not be exported: %1").arg(e.message()));
    }
    if (progress)
        progress(0, static_cast<qint64>(table.size()));
    ExportOutcome outcome;
    outcome.path = path;
    outcome.records = static_cast<qint64>(table.size());
    const QByteArray sha = WriteToFile(path, table, progress);
    table.clear();
    // A companion that fails to be written keeps the old one, whose check line no longer
    // matches: an import then says it was ignored.
    outcome.companion = writeCompanion(path, sha, entries, directions);
    outcome.directions = !directions.empty();
    outcome.mediaFiles = writeMediaCompanion(db_, path, sha);
    outcome.textsChanged = textsChanged_;
    outcome.namesCut = namesCut_;
    outcome.logRowsLeftOut = logRowsLeftOut_;
    outcome.records -= logRowsLeftOut_;
    if (progress)
        progress(outcome.records, outcome.records);
    return outcome;
}

} // namespace exchange
