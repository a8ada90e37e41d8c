// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DeckMenu.h"

#include "data/Sql.h"
#include "decks/DeckImport.h"
#include "decks/DeckNames.h"
#include "decks/Kvtml.h"
#include "decks/KvtmlMediaFolder.h"
#include "media/MediaStore.h"
#include "window/DeckDialog.h"
#include "window/ProgressWindow.h"
#include "window/WordListMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace window {
namespace {

// A new entry placed right after `beside`, in the menu that holds it.
QAction* entryAfter(QAction* beside, const char* name, QObject* owner) {
    auto* a = new QAction(owner);
    a->setObjectName(QString::fromLatin1(name));
    for (QObject* o : beside->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(o)) {
            const QList<QAction*> all = menu->actions();
            menu->insertAction(all.value(all.indexOf(beside) + 1), a);
            break;
        }
    }
    return a;
}

} // namespace

DeckMenu::DeckMenu(present::Form1State& s, QWidget* window)
    : QObject(window), s_(s), window_(window) {
    setObjectName(QStringLiteral("DeckMenu"));
    importAction = entryAfter(s_.c.mnuImpWordList, "mnuImpDeck", this);
    exportAction = entryAfter(s_.c.mnuExpWordList, "mnuExpDeck", this);
    retranslate();
    window_->installEventFilter(this);
    connect(importAction, &QAction::triggered, this, &DeckMenu::importDeck);
    connect(exportAction, &QAction::triggered, this, &DeckMenu::exportDeck);

    chooseDeckToImport = [this] {
        return QFileDialog::getOpenFileName(
            window_, QCoreApplication::translate("DeckMenu", "Import cards from another trainer"),
            QDir::homePath(),
            QCoreApplication::translate(
                "DeckMenu",
                "Vocabulary files and deck packages (*.kvtml *.apkg *.colpkg);;All files (*)"));
    };
    previewDeck = [this](const decks::DeckContent& content, const QStringList& names) {
        DeckDialog dialog(content, names, window_);
        return dialog.exec() == QDialog::Accepted;
    };
    allowOutsideMedia = [this](const QStringList& files) {
        QStringList shown;
        for (qsizetype i = 0; i < files.size() && i < 5; ++i)
            shown << QDir::toNativeSeparators(files[i]);
        if (files.size() > shown.size())
            shown << QCoreApplication::translate("DeckMenu", "and %n more", nullptr,
                                                 int(files.size() - shown.size()));
        return s_.dialogs.confirm(
            QCoreApplication::translate(
                "DeckMenu",
                "The file's cards take pictures or sounds from outside its folder:\n%1\n\nTake "
                "them too? Without them the cards are imported all the same.")
                .arg(shown.join(QLatin1Char('\n'))),
            QCoreApplication::translate("DeckMenu", "Import cards from another trainer"),
            present::Dialogs::Button::No);
    };
    chooseExportFile = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(
            window_, QCoreApplication::translate("DeckMenu", "Export set as KVTML"),
            QDir::home().filePath(suggested),
            QCoreApplication::translate("DeckMenu", "KVTML files (*.kvtml)"));
    };
}

void DeckMenu::retranslate() {
    importAction->setText(QCoreApplication::translate("DeckMenu", "Cards from another trainer..."));
    exportAction->setText(QCoreApplication::translate("DeckMenu", "Export set as KVTML..."));
}

bool DeckMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void DeckMenu::importDeck() {
    const QString path = chooseDeckToImport();
    if (path.isEmpty())
        return;
    try {
        decks::DeckReading reading;
        reading.allowOutside = allowOutsideMedia;
        const decks::DeckContent content = decks::readDeckFile(path, reading);
        const QStringList names = decks::newSetNames(s_.rs.connection(), content);
        if (!previewDeck(content, names))
            return;
        int stored = 0;
        {
            ProgressWindow progress = importProgress(window_, path);
            stored = decks::storeDecks(s_.rs.connection(), content, names, progress.callback());
        }
        showNewSet(s_, names.first());
        s_.dialogs.message(decks::deckImportSummary(content, names, stored));
    } catch (const data::Error& e) {
        tellImportFailure(s_, path, e);
    }
}

void DeckMenu::exportDeck() {
    try {
        const std::optional<SetExport> chosen =
            chooseSetExport(s_, chooseExportFile, QStringLiteral(".kvtml"));
        if (!chosen)
            return;
        const QString& setName = chosen->setName;
        const QString& path = chosen->path;
        const int written = decks::writeKvtml(s_.rs.connection(), setName, path);
        // The folder goes with the file: whoever passes the file on must know of it.
        const QString file = QDir::toNativeSeparators(path);
        s_.dialogs.message(
            media::setHoldsMedia(s_.rs.connection(), setName)
                ? QCoreApplication::translate(
                      "DeckMenu",
                      "%n cards of the set \"%1\" were written to %2 (KVTML 2.0), their pictures "
                      "and sounds to %3.",
                      nullptr, written)
                      .arg(setName, file, QDir::toNativeSeparators(decks::mediaFolderOf(path)))
                : QCoreApplication::translate(
                      "DeckMenu", "%n cards of the set \"%1\" were written to %2 (KVTML 2.0).",
                      nullptr, written)
                      .arg(setName, file));
    } catch (const decks::DeckError& e) {
        s_.dialogs.warning(e.message());
    } catch (const data::DbError& e) {
        s_.dialogs.warning(
            QCoreApplication::translate("DeckMenu", "The set could not be exported: %1")
                .arg(e.message()));
    }
}

} // namespace window
