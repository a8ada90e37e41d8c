// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Deck.h"

#include <QDialog>

class QTableWidget;

namespace window {

// The preview of a file from another trainer: the sets it will make and their cards, the
// first cards of the chosen one, and what will be left out and why.
class DeckDialog : public QDialog {
    Q_OBJECT
  public:
    DeckDialog(const decks::DeckContent& content, const QStringList& names, QWidget* parent);

  private:
    void showCards(int set);

    const decks::DeckContent& content_;
    QTableWidget* sets_;
    QTableWidget* cards_;
};

} // namespace window
