// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Progress.h"
#include "exchange/ExchangeFile.h"
#include "exchange/ExchangeText.h"
#include "exchange/ValueForms.h"

#include <QSqlDatabase>
#include <QString>

namespace exchange {

struct ImportOutcome {
    qint64 records = 0; // records read from the file
    int setsAdded = 0;
    int cardsAdded = 0;
    int logRowsAdded = 0;
    int multiCards = 0;          // cards given their answer lists from the companion
    int multiWithoutAnswers = 0; // multiple-answer cards added without any answer
    int namesCut = 0;            // set names longer than a set name may be, cut
    QString companionNote;       // why the companion was not used, when one was there
    int pictures = 0;            // cards given a picture from the ".media" companion
    int sounds = 0;              // and a sound
    QString mediaNote;           // why the ".media" companion was not used
    QString lastBlockNote;       // the last block, set aside, held data
};

// The words for multiple-answer cards that came without answers; empty for none.
QString multiWithoutAnswersNote(const ImportOutcome& outcome);
// The words for the pictures and sounds that came, or why they did not; empty for none.
QString mediaNote(const ImportOutcome& outcome);
// The words for set names that were cut; empty for none.
QString namesCutNote(const ImportOutcome& outcome);

// Merges an exchange file into the database: sets, their cards and relations, and with
// the log the log rows of the cards added now; from the companion, the answer lists, and
// which way the added sets, cards and log rows are asked. Existing rows are never changed (beyond
// the carriers Card.SpareID and Set1.SpareID). All or nothing, in one transaction.
class Import {
  public:
    explicit Import(const QSqlDatabase& db, const ValueForms& forms = ValueForms());

    // Throws ExchangeError naming the file (and line); the database is then as before.
    ImportOutcome run(const QString& path, bool withLog, const data::Progress& progress = {});

    // The steps, in the order run() takes them. ReadFile returns one more than the number
    // of blocks; throws when there is not even one, or when the lines do not make whole
    // blocks (a file cut short or edited).
    qint64 ReadFile(const QString& path);
    // Stages records 1 to row3 - 2 (the last block is the terminator), each value parsed
    // for its column (the log's only when `withLog`). Records of no kind are not staged;
    // throws when the file has no record of any kind.
    void WriteToTable(qint64 row3, const data::Progress& progress, bool withLog = true);
    // The merge itself, on the staged records.
    void ImpNoLog();
    // Adds the staged log rows of the cards this import added; those whose old ids are in
    // `reverse` (a JSON array) as replies given answer to question.
    int addLogRows(const QString& reverse = QStringLiteral("[]"));

    const ImportOutcome& outcome() const { return outcome_; }

  private:
    void splitByKind();
    void refuseDuplicateIds();
    void applySetNames();

    QSqlDatabase db_;
    ValueForms forms_;
    QString path_;
    ExchangeText file_;
    qint64 lastDataLine_ = 0; // the last line of the file that is not empty
    ImportOutcome outcome_;
};

} // namespace exchange
