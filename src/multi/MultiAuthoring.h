// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"

#include <QString>
#include <QVariant>
#include <memory>

class QObject;

namespace multi {

// Making and editing multiple-answer cards on the set-editing screen: converting the card
// grid's current card, the answers grid beside it, and the card's two options.
class MultiAuthoring {
  public:
    explicit MultiAuthoring(present::Form1State& s);
    ~MultiAuthoring();
    void connectControls();

    // Handlers.
    void mnuCrMulti_Click();
    void Command4_Click();
    void Command5_Click();
    void TDBGrid1_AfterInsert();
    // Delete key: removes the answer rows selected in the answers grid.
    void deleteSelectedRows();

    // Procedures.
    void SubCreateMultiple();
    void SubShowMultiple();
    void SubShowCheckBoxesValue();
    // Stores the edited list; `tellIfEmpty` false when the same card is only shown again.
    void SubLeaveTdbGrid1(bool tellIfEmpty = true);

    // The option buttons' captions for the card's options as last read or set, in the
    // language in use.
    void captionOptionButtons();

    // The card whose answers the answers grid shows; invalid while none is shown.
    const QVariant& editedCardId() const { return cardId_; }

  private:
    void showAnswersGrid();
    void hideEditor();
    void fitOptionButtons();
    void refreshAnswersGrid();
    void reopen();

    present::Form1State& s_;
    std::unique_ptr<QObject> watcher_;
    QVariant cardId_;
    bool leaving_ = false;
    bool orderImportant_ = false; // the shown card's options
    bool countShown_ = false;
};

} // namespace multi
