// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/QuestionLoop.h"
#include "learn/SetLoading.h"
#include "learn/UndoLastReply.h"
#include "present/Form1State.h"

namespace learn {

// The Due lesson: the cards of every set that are due for review, asked as one lesson on the
// learning screen; after the last of them, or when a set is picked in the set list, which
// stays shown, the chosen set's lesson returns. The Demons and their label are neither used
// nor changed by it.
class DueReview {
  public:
    DueReview(present::Form1State& s, QuestionLoop& loop, SetLoading& loading, UndoLastReply& undo);

    // Learn > Due cards. Says so when nothing is due.
    void startDueLesson();

  private:
    // The chosen set loaded again, its first question left to the reply that ended the lesson.
    void backToChosenSet();

    present::Form1State& s_;
    QuestionLoop& loop_;
    SetLoading& loading_;
    UndoLastReply& undo_;
};

// A lesson of the chosen set or of the Demons begins: the Due lesson, if any, is over.
void endDueLesson(present::Form1State& s);

} // namespace learn
