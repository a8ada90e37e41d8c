// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Progress.h"
#include "exchange/MultiCompanion.h"
#include "exchange/ValueForms.h"

#include <QSqlDatabase>
#include <QString>
#include <array>
#include <vector>

namespace exchange {

// One record of the exchange file, as the staging table ExportBuffer holds it.
using ExportRecord = std::array<QVariant, kColumns>;

struct ExportOutcome {
    QString path;
    qint64 records = 0;      // without the terminating block
    int textsChanged = 0;    // texts that held what a line cannot carry (lineText)
    int namesCut = 0;        // set names longer than a set name may be, cut
    int logRowsLeftOut = 0;  // log rows dated with no day a log may hold (data::logDay)
    bool companion = false;  // the ".multi" companion carries answer lists
    bool directions = false; // and sets, cards or replies asked answer to question
    int mediaFiles = 0;      // pictures and sounds written to the ".media" companion
};

// What the export changed or left out so that its import takes the file, as sentences;
// empty when nothing.
QStringList exportNotes(const ExportOutcome& outcome);

// Writes the whole database (cards, sets, relations, log) to an exchange file, and the
// answer lists of multiple-answer cards and what is asked answer to question to its
// companion. No widget in sight: the menu
// entry and the command line both use it.
class Export {
  public:
    explicit Export(const QSqlDatabase& db, const ValueForms& forms = ValueForms());

    // Throws ExchangeError; the file that was there before stays unless the new one is
    // complete.
    ExportOutcome run(const QString& path, const data::Progress& progress = {});

    // The steps, in the order run() takes them.
    void BuildExportBuffer();
    std::vector<ExportRecord> ReadExportBuffer();
    // Writes the records and the terminating block; returns the SHA-256 of what it wrote.
    QByteArray WriteToFile(const QString& path, const std::vector<ExportRecord>& table,
                           const data::Progress& progress);

    int textsChanged() const { return textsChanged_; }
    int namesCut() const { return namesCut_; }
    int logRowsLeftOut() const { return logRowsLeftOut_; }

  private:
    // Returns whether the companion carries any answer list.
    bool writeCompanion(const QString& path, const QByteArray& mainSha256,
                        const std::vector<MultiEntry>& entries,
                        const DirectionSections& directions);

    QSqlDatabase db_;
    ValueForms forms_;
    int textsChanged_ = 0;
    int namesCut_ = 0;
    int logRowsLeftOut_ = 0;
};

} // namespace exchange
