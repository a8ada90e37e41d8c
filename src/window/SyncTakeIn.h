// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace learn {
class QuestionLoop;
class UndoLastReply;
} // namespace learn

namespace window {

// Brings another machine's changes onto the screen at the next safe point: never while a
// reply is judged (after it, then) nor while a cell of a grid is being edited (once the
// edit ends). The set list, the card grid and the lesson's cards take them in; a question
// whose card is gone ends with a note, and so does a lesson whose set is gone.
class SyncTakeIn : public QObject {
    Q_OBJECT
  public:
    SyncTakeIn(present::Form1State& s, learn::QuestionLoop& loop, learn::UndoLastReply& undo,
               QObject* parent = nullptr);

    // The other windows that show the file's content (the Demons Manager, the statistics).
    std::function<void()> refreshOtherWindows;

    // A sync brought changes: taken in now if it is safe, else as soon as it is.
    void changesArrived();
    // A reply has been judged, stored and followed by the next question.
    void replyEnded();
    bool pending() const { return pending_; }

  private:
    bool safeNow() const;
    void takeIn();
    void takeIntoLesson();
    void endLesson(const QString& note);

    present::Form1State& s_;
    learn::QuestionLoop& loop_;
    learn::UndoLastReply& undo_;
    bool pending_ = false;
    QTimer retry_; // while a grid's cell is being edited
};

} // namespace window
