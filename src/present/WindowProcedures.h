// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace present {

// Procedures of the main window that one subsystem calls in another. The window implements
// them by handing each call to the subsystem that owns it, so no subsystem depends on the
// window or on a subsystem built after it.
class WindowProcedures {
  public:
    virtual ~WindowProcedures() = default;

    // The four screens.
    virtual void ScrChangeVisible() = 0;
    virtual void ScrCreateVisible() = 0;
    virtual void ScrLearnVisible() = 0;
    virtual void ScrChngSetName() = 0;

    // Speech or sound could not be started: back to Academic Silent with a message.
    virtual void SubErrorHandler429() = 0;

    // Multiple answers: judging a list of replies (true when right, with the forgiving rule
    // that let it pass in `acceptedBy`; the question loop scores it and moves on), showing a wrong
    // list beside the answers once the loop has counted it, storing the answers being edited,
    // showing the answers of the grid's current card.
    virtual bool SubMultipleAnswerCheck(QString& acceptedBy) = 0;
    virtual void WrongAnswerMulti() = 0;
    virtual void SubLeaveTdbGrid1() = 0;
    virtual void SubShowMultiple() = 0;

    // The card grid, for the multiple-answer editor beside it: write an edit still open and
    // store a new row being typed, whole (false when it could not be stored; the user has
    // been told), show the chosen set's cards afresh, and make a card the current row.
    virtual bool commitCardGrid() = 0;
    virtual void refreshCardGrid() = 0;
    virtual void SubReturnToProperTableRow(const QString& CurTabRowID) = 0;
};

} // namespace present
