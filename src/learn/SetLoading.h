// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/QuestionLoop.h"
#include "learn/UndoLastReply.h"
#include "present/Form1State.h"

namespace learn {

// Choosing the set to learn and loading it into the card array.
class SetLoading {
  public:
    SetLoading(present::Form1State& s, QuestionLoop& loop, UndoLastReply& undo)
        : s_(s), loop_(loop), undo_(undo) {}
    void connectControls();

    void DataCombo1_Change();
    void ChosenSetNameToDB();
    void ReadCurSet();
    void ZadatPervVopr();
    void ObnulStatus();
    // Loads the chosen set afresh and shows its first question on the learning screen.
    void learnChosenSet();
    void mnuLearn_Click();
    void mnuWholeSet_Click();
    void Label10_Click();
    // Shows the chosen set in the set list, making the shown set the chosen one when the
    // database names no set; at start-up and whenever the list is re-read.
    void showChosenSet();

  private:
    present::Form1State& s_;
    QuestionLoop& loop_;
    UndoLastReply& undo_;
};

} // namespace learn
