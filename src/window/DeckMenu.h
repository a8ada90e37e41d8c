// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"
#include "present/Form1State.h"

#include <QObject>
#include <functional>

class QAction;

namespace window {

// File > Import > Cards from another trainer... and File > Export set as KVTML..., placed
// beside the word-list entries.
class DeckMenu : public QObject {
    Q_OBJECT
  public:
    DeckMenu(present::Form1State& s, QWidget* window);

    void importDeck();
    void exportDeck();

    // What the learner chooses, behind seams so that tests need no modal dialog; an empty
    // path or false means the learner cancelled.
    std::function<QString()> chooseDeckToImport;
    std::function<bool(const decks::DeckContent&, const QStringList& names)> previewDeck;
    // Whether a KVTML file may take the pictures and sounds it names outside its folder.
    std::function<bool(const QStringList& files)> allowOutsideMedia;
    std::function<QString(const QString& suggestedName)> chooseExportFile;

    QAction* importAction = nullptr;
    QAction* exportAction = nullptr;

  protected:
    // Follows the main window's language changes.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void retranslate();

    present::Form1State& s_;
    QWidget* window_;
};

} // namespace window
