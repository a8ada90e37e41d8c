// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WordListMenu.h"

#include "data/RecordsetModel.h"
#include "data/Sql.h"
#include "sets/GridRefresh.h"
#include "sets/rules/StoredText.h"
#include "window/WordListDialog.h"
#include "wordlist/WordListExport.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>

namespace window {
namespace {

QString listFilter() {
    return QCoreApplication::translate("WordListMenu",
                                       "Word lists (*.csv *.tsv *.txt);;All files (*)");
}

} // namespace

WordListMenu::WordListMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), window_(window) {
    setObjectName(QStringLiteral("WordListMenu"));
    connect(s_.c.mnuImpWordList, &QAction::triggered, this, &WordListMenu::mnuImpWordList_Click);
    connect(s_.c.mnuExpWordList, &QAction::triggered, this, &WordListMenu::mnuExpWordList_Click);

    chooseListToImport = [this] {
        return QFileDialog::getOpenFileName(
            window_, QCoreApplication::translate("WordListMenu", "Import word list"),
            QDir::homePath(), listFilter());
    };
    previewList = [this](const wordlist::ListFile& file,
                         const QStringList& existing) -> std::optional<wordlist::ListOptions> {
        WordListDialog dialog(file, existing, window_);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.options();
    };
    chooseExportFile = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(
            window_, QCoreApplication::translate("WordListMenu", "Export set as word list"),
            QDir::home().filePath(suggested),
            QCoreApplication::translate("WordListMenu", "Tab-separated lists (*.tsv *.txt)"));
    };
}

QStringList WordListMenu::setNames() const {
    QStringList names;
    QSqlQuery q = data::exec(s_.rs.connection(), QStringLiteral("SELECT SetName FROM Set1"));
    while (q.next())
        names << q.value(0).toString();
    return names;
}

void WordListMenu::mnuImpWordList_Click() {
    const QString path = chooseListToImport();
    if (path.isEmpty())
        return;
    try {
        const wordlist::ListFile file = wordlist::readListFile(path);
        const std::optional<wordlist::ListOptions> options = previewList(file, setNames());
        if (!options)
            return;

        wordlist::ListImportOutcome done;
        {
            ProgressWindow progress = importProgress(window_, path);
            done = wordlist::importList(s_.rs.connection(), file, *options, progress.callback());
        }
        showNewSet(s_, done.setName);
        QString text =
            QCoreApplication::translate("WordListMenu",
                                        "%n cards were imported from %1 into the new set \"%2\".",
                                        nullptr, done.cards)
                .arg(QFileInfo(path).fileName(), done.setName);
        if (done.skipped > 0)
            text += QCoreApplication::translate(
                "WordListMenu", " %n rows without a question or an answer were skipped.", nullptr,
                done.skipped);
        if (done.nameCut) {
            QString note = sets::namesCutNote(1);
            note[0] = note[0].toUpper();
            text += QLatin1Char(' ') + note + QLatin1Char('.');
        }
        s_.dialogs.message(text);
    } catch (const data::Error& e) {
        tellImportFailure(s_, path, e);
    }
}

ProgressWindow importProgress(QWidget* window, const QString& path) {
    return ProgressWindow(window,
                          QCoreApplication::translate("WordListMenu", "Importing %1...")
                              .arg(QFileInfo(path).fileName()),
                          QStringLiteral("%p%"), ProgressWindow::Cancel::Yes);
}

void tellImportFailure(present::Form1State& s, const QString& path, const data::Error& e) {
    if (dynamic_cast<const data::DbError*>(&e))
        s.dialogs.warning(QCoreApplication::translate("WordListMenu", "%1: nothing was added (%2)")
                              .arg(QFileInfo(path).fileName(), e.message()));
    else
        s.dialogs.warning(e.message());
}

void showNewSet(present::Form1State& s, const QString& setName) {
    data::exec(s.rs.connection(), QStringLiteral("UPDATE Fields SET SetName = ?"), {setName});
    s.rs.UnloadAll();
    s.rs.LoadAll();
    s.window.ScrChangeVisible();
    sets::refreshCardGrid(s.c.TDBGrid2, s.c.Adodc2);
    s.c.Adodc1->refresh();
}

void WordListMenu::mnuExpWordList_Click() {
    try {
        const std::optional<SetExport> chosen =
            chooseSetExport(s_, chooseExportFile, QStringLiteral(".tsv"));
        if (!chosen)
            return;
        const QString& setName = chosen->setName;
        const QString& path = chosen->path;
        const wordlist::ListExportOutcome done =
            wordlist::exportList(s_.rs.connection(), setName, path);
        // One card has a text of its own, which reads right before any plural forms load.
        QString text =
            (done.cards == 1
                 ? QCoreApplication::translate("WordListMenu",
                                               "1 card of the set \"%1\" was written to %2.")
                 : QCoreApplication::translate("WordListMenu",
                                               "%n cards of the set \"%1\" were written to %2.",
                                               nullptr, done.cards))
                .arg(setName, QDir::toNativeSeparators(path));
        if (const QString note = wordlist::listExportNote(done); !note.isEmpty())
            text += QStringLiteral("\n\n") + note;
        s_.dialogs.message(text);
    } catch (const wordlist::WordListError& e) {
        s_.dialogs.warning(e.message());
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            QCoreApplication::translate("WordListMenu", "The set could not be exported: %1")
                .arg(e.message()));
    }
}

std::optional<SetExport> chooseSetExport(present::Form1State& s,
                                         const std::function<QString(const QString&)>& choose,
                                         const QString& extension) {
    const QString setName =
        data::scalar(s.rs.connection(), QStringLiteral("SELECT SetName FROM Fields LIMIT 1"))
            .toString();
    if (setName.isEmpty()) {
        s.dialogs.message(QCoreApplication::translate(
            "WordListMenu", "Choose the set to export in the set list first."));
        return std::nullopt;
    }
    QString suggested = setName;
    suggested.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    const QString path = choose(suggested + extension);
    if (path.isEmpty())
        return std::nullopt;
    return SetExport{setName, path};
}

} // namespace window
