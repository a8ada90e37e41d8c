// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ExchangeMenu.h"

#include "data/RecordsetModel.h"
#include "data/Sql.h"
#include "exchange/ExchangeFile.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/RegularFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace app {
namespace {

constexpr qint64 kShowAfterMs = 500;

} // namespace

ExchangeProgress::ExchangeProgress(QWidget* parent, const QString& text)
    : parent_(parent), text_(text) {
    clock_.start();
}

ExchangeProgress::~ExchangeProgress() {
    delete dialog_;
}

exchange::Progress ExchangeProgress::callback() {
    return [this](qint64 done, qint64 total) { tick(done, total); };
}

void ExchangeProgress::tick(qint64 done, qint64 total) {
    if (!dialog_) {
        if (clock_.elapsed() < kShowAfterMs)
            return;
        dialog_ = new QDialog(parent_);
        dialog_->setObjectName(QStringLiteral("ExchangeProgress"));
        dialog_->setWindowTitle(QStringLiteral("Memorant"));
        dialog_->setModal(true);
        auto* layout = new QVBoxLayout(dialog_);
        layout->addWidget(new QLabel(text_, dialog_));
        bar_ = new QProgressBar(dialog_);
        bar_->setFormat(QStringLiteral("%v of %m records"));
        layout->addWidget(bar_);
        dialog_->resize(360, dialog_->sizeHint().height());
        dialog_->show();
    }
    // Record counts beyond an int are not expected; the bar is only a picture of them.
    bar_->setMaximum(static_cast<int>(std::min<qint64>(total, INT_MAX)));
    bar_->setValue(static_cast<int>(std::min<qint64>(done, INT_MAX)));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::ExcludeSocketNotifiers);
}

ExchangeMenu::ExchangeMenu(learn::Form1State& s, QWidget* window)
    : QObject(window), s_(s), window_(window), path_(exchange::defaultExchangePath()) {
    connect(s_.c.mnuExport, &QAction::triggered, this, &ExchangeMenu::mnuExport_Click);
    connect(s_.c.mnuImpWithLog, &QAction::triggered, this, &ExchangeMenu::mnuImpWithLog_Click);
    connect(s_.c.mnuImpNoLog, &QAction::triggered, this, &ExchangeMenu::mnuImpNoLog_Click);
}

void ExchangeMenu::mnuExport_Click() {
    if (refuseSpecialFile(exchange::FileUse::Write))
        return;
    exchange::ExportOutcome done;
    try {
        ExchangeProgress progress(window_, QStringLiteral("Exporting the database..."));
        done = exchange::Export(s_.rs.connection()).run(path_, progress.callback());
    } catch (const exchange::ExchangeError& e) {
        s_.dialogs.warning(e.message());
        return;
    }
    QString text = QStringLiteral("Export has been completed successfully. The file location "
                                  "is: %1.")
                       .arg(QDir::toNativeSeparators(path_));
    if (done.textsChanged > 0)
        text += QStringLiteral("\n\n%1 texts held a line break, which the exchange file cannot "
                               "carry; each line break was written as a blank.")
                    .arg(done.textsChanged);
    s_.dialogs.message(text);
}

void ExchangeMenu::mnuImpWithLog_Click() {
    importFile(true);
}

void ExchangeMenu::mnuImpNoLog_Click() {
    importFile(false);
}

bool ExchangeMenu::refuseSpecialFile(exchange::FileUse use) {
    for (const QString& path : {path_, exchange::companionPath(path_)}) {
        const QString refused = exchange::specialFileRefusal(path, use);
        if (!refused.isEmpty()) {
            s_.dialogs.warning(refused);
            return true;
        }
    }
    return false;
}

void ExchangeMenu::importFile(bool withLog) {
    if (refuseSpecialFile(exchange::FileUse::Read))
        return;
    // The record sets are closed while the merge runs and read afresh afterwards.
    s_.rs.UnloadAll();
    exchange::ImportOutcome done;
    QString failure;
    try {
        ExchangeProgress progress(window_, QStringLiteral("Importing..."));
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
    QString text = QStringLiteral("Import has been completed successfully");
    for (const QString& note : {done.companionNote, done.lastBlockNote}) {
        if (!note.isEmpty())
            text += QStringLiteral("\n\n") + note;
    }
    s_.dialogs.message(text);
    // A box of its own, after the completion: these cards need the learner's work.
    const QString withoutAnswers = exchange::multiWithoutAnswersNote(done);
    if (!withoutAnswers.isEmpty())
        s_.dialogs.message(withoutAnswers);
}

} // namespace app
