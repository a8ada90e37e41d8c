// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"

#include <QString>
#include <QVariant>
#include <memory>

class QObject;

namespace sets {

// The card grid of the set-editing screen: ties new cards to the chosen set, reopens the
// window's record sets around the grid's writes, and follows the grid's current card.
class CardGrid {
  public:
    explicit CardGrid(present::Form1State& s);
    ~CardGrid();
    void connectControls();

    // Writes a cell the user is still typing in and stores a new row whole, so no typed text
    // is lost when the window closes, the screen changes or a command runs straight after
    // typing. False when a new row could not be stored (the user has been told).
    bool commitPendingEdit();
    // Shows the cards of the chosen set afresh.
    void refreshGrid();
    // As refreshGrid, but the grid is not read again when it was since `refreshCount`.
    void refreshGridUnlessSince(int refreshCount);
    // The card grid's current card is an ordinary one (or none): no answers grid, no options,
    // the narrower window.
    void hideMultiEditor();

    void SubCreateNewCard();
    void SubReturnToProperTableRow(const QString& CurTabRowID);

    // Grid notifications.
    void TDBGrid2_AfterInsert(int row);
    void TDBGrid2_BeforeUpdate(int row, bool* cancel);
    void TDBGrid2_AfterUpdate(int row);
    void TDBGrid2_BeforeDelete(int row, bool* cancel);
    void TDBGrid2_RowColChange(int previous, int current);
    void TDBGrid2_LostFocus();
    void TDBGrid2_WriteFailed(const QString& message);
    // Delete key: removes the whole rows selected in the grid.
    void deleteSelectedRows();

    // Window-level marks, shared with the multiple-answer editor.
    QString writeSuppressMark;       // "net": the next write skips its reload once; "da"
    bool firstRowChangeMark = false; // the first row change after loading is ignored
    int firstLeaveMark = 1;          // 1 until focus has left the grid once
    int rowAddedMark = 0;            // 1 once a row has been added

  private:
    void reopen();

    present::Form1State& s_;
    std::unique_ptr<QObject> watcher_;
    QVariant lastAddedCardId_;
    bool committing_ = false;
};

} // namespace sets
