// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ExchangeMenu.h"

#include "data/RecordsetModel.h"
#include "data/RegularFile.h"
#include "data/Sql.h"
#include "exchange/ExchangeFile.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "window/ProgressWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>

namespace window {
namespace {

// The exchange file cannot stop half way (an export would leave half a file, an import is
// one transaction that is quick to finish): no Cancel button.
QString records() {
    return QCoreApplication::translate("ExchangeMenu", "%v of %m records");
}

} // namespace

ExchangeMenu::ExchangeMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), window_(window), path_(exchange::defaultExchangePath()) {
    connect(s_.c.mnuExport, &QAction::triggered, this, &ExchangeMenu::mnuExport_Click);
    connect(s_.c.mnuImpWithLog, &QAction::triggered, this, &ExchangeMenu::mnuImpWithLog_Click);
    connect(s_.c.mnuImpNoLog, &QAction::triggered, this, &ExchangeMenu::mnuImpNoLog_Click);
}

void ExchangeMenu::mnuExport_Click() {
    if (refuseSpecialFile(data::FileUse::Write))
        return;
    exchange::ExportOutcome done;
    try {
        ProgressWindow progress(
            window_, QCoreApplication::translate("ExchangeMenu", "Exporting the database..."),
            records(), ProgressWindow::Cancel::No);
        done = exchange::Export(s_.rs.connection()).run(path_, progress.callback());
    } catch (const exchange::ExchangeError& e) {
        s_.dialogs.warning(e.message());
        return;
    }
    QString text =
        QCoreApplication::translate(
            "ExchangeMenu", "Export has been completed successfully. The file location is: %1.")
            .arg(QDir::toNativeSeparators(path_));
    for (const QString& note : exchange::exportNotes(done))
        text += QStringLiteral("\n\n") + note;
    s_.dialogs.message(text);
}

void ExchangeMenu::mnuImpWithLog_Click() {
    importFile(true);
}

void ExchangeMenu::mnuImpNoLog_Click() {
    importFile(false);
}

bool ExchangeMenu::refuseSpecialFile(data::FileUse use) {
    for (const QString& path : {path_, exchange::companionPath(path_)}) {
        const QString refused = data::specialFileRefusal(path, use);
        if (!refused.isEmpty()) {
            s_.dialogs.warning(refused);
            return true;
        }
    }
    return false;
}

void ExchangeMenu::importFile(bool withLog) {
    if (refuseSpecialFile(data::FileUse::Read))
        return;
    // The record sets are closed while the merge runs and read afresh afterwards.
    s_.rs.UnloadAll();
    exchange::ImportOutcome done;
    QString failure;
    try {
        ProgressWindow progress(window_,
                                QCoreApplication::translate("ExchangeMenu", "Importing..."),
                                records(), ProgressWindow::Cancel::No);
        done = exchange::Import(s_.rs.connection()).run(path_, withLog, progress.callback());
    } catch (const exchange::ExchangeError& e) {
        failure = e.message();
    }
    try {
        s_.rs.LoadAll();
        s_.c.Adodc1->refresh();
    } catch (const data::DbError& e) {
        failure += (failure.isEmpty() ? QString() : QStringLiteral("\n\n")) + e.message();
    }
    if (!failure.isEmpty()) {
        s_.dialogs.warning(failure);
        return;
    }
    QString text =
        QCoreApplication::translate("ExchangeMenu", "Import has been completed successfully");
    for (const QString& note : {done.companionNote, exchange::mediaNote(done), done.lastBlockNote,
                                exchange::namesCutNote(done)}) {
        if (!note.isEmpty())
            text += QStringLiteral("\n\n") + note;
    }
    s_.dialogs.message(text);
    // A box of its own, after the completion: these cards need the learner's work.
    const QString withoutAnswers = exchange::multiWithoutAnswersNote(done);
    if (!withoutAnswers.isEmpty())
        s_.dialogs.message(withoutAnswers);
}

} // namespace window
