// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/QuestionLoop.h"
#include "learn/SetLoading.h"
#include "learn/UndoLastReply.h"
#include "learn/rules/LessonState.h"
#include "present/Form1State.h"

namespace learn {

// The Demons: marking the hardest cards of the sets that feed them, learning them as a set
// of their own (from the menu, or the Kids picture that toggles them).
class Demons {
  public:
    Demons(present::Form1State& s, QuestionLoop& loop, UndoLastReply& undo, SetLoading& setLoading)
        : s_(s), loop_(loop), undo_(undo), setLoading_(setLoading) {}
    void connectControls();

    void UnmarkDemons();
    void MarkDemons();
    void ReadDemons();

    // Handlers.
    void mnuLearnDemons_Click();
    void KidsDeamonsClick();

    // After the chosen set was deleted: a Demons lesson is left for the chosen set.
    void SubLeaveDemonsAfterDelete();

  private:
    // Clears the marks and marks afresh in one transaction; false (and the learner told) when
    // that failed, in which case the marks are as they were.
    [[nodiscard]] bool markAfresh();
    void reopen();
    bool kidsPictureAtLeft() const;
    void leaveKidsDemons();

    present::Form1State& s_;
    QuestionLoop& loop_;
    UndoLastReply& undo_;
    SetLoading& setLoading_;
};

} // namespace learn
