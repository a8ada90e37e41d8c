// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"
#include "window/ProgressWindow.h"
#include "wordlist/WordListImport.h"

#include <QObject>
#include <functional>
#include <optional>

namespace window {

// File > Import > Word list... and File > Export set as word list...
class WordListMenu : public QObject {
    Q_OBJECT
  public:
    // Connects both entries; `window` is the main window, which owns this.
    WordListMenu(present::Form1State& s, QWidget* window);

    void mnuImpWordList_Click();
    void mnuExpWordList_Click();

    // What the learner chooses, behind seams so that tests need no modal dialog. Each
    // defaults to the real dialog; an empty path or no options means the learner cancelled.
    std::function<QString()> chooseListToImport;
    std::function<std::optional<wordlist::ListOptions>(const wordlist::ListFile&,
                                                       const QStringList& existingNames)>
        previewList;
    std::function<QString(const QString& suggestedName)> chooseExportFile;

  private:
    QStringList setNames() const;

    present::Form1State& s_;
    QWidget* window_;
};

// The progress of an import from `path` into new sets, with a Cancel button.
ProgressWindow importProgress(QWidget* window, const QString& path);

// Tells why an import from `path` failed; nothing was added. A failure of the database
// itself names the file, as its message cannot.
void tellImportFailure(present::Form1State& s, const QString& path, const data::Error& e);

// Makes a newly imported set the chosen one, as New set does, so the list shows it and its
// cards are in the grid.
void showNewSet(present::Form1State& s, const QString& setName);

// The chosen set and the file it is to be written to, for File > Export set as ...: asks
// for the file with `choose`, suggesting the set's name with `extension`. Nothing when no
// set is chosen (the learner is told) or the learner cancels.
struct SetExport {
    QString setName;
    QString path;
};
std::optional<SetExport> chooseSetExport(present::Form1State& s,
                                         const std::function<QString(const QString&)>& choose,
                                         const QString& extension);

} // namespace window
