// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/ReplyJudge.h"
#include "learn/UndoLastReply.h"
#include "present/Form1State.h"

#include <QString>
#include <QVariant>
#include <functional>

namespace learn {

// Putting questions one after another on the learning screen: the next valid card, the end
// of a bunch and of the whole set, the status bar, and the handlers of the learning screen's
// controls. The check button hands the reply to the judge and keeps the undo point.
class QuestionLoop {
  public:
    QuestionLoop(present::Form1State& s, ReplyJudge& judge, UndoLastReply& undo)
        : s_(s), judge_(judge), undo_(undo) {}
    void connectControls();

    // Presenting and moving on.
    void MakeQuestion();
    void NextValidRow1();
    void SubEndOfSet();
    void SubRowAdjustForMulti();
    void SubStatusBar();
    bool CheckIfWholeSetLearnt() const;
    void WholeSetLearnt();

    // Told after the last due card of a Due lesson: the chosen set's lesson is to return.
    std::function<void()> onDueLessonDone;
    // Told as a question is put, before it is spoken or shown (the card's picture and sound
    // come first); an invalid card: no question is on screen.
    std::function<void(const QVariant& cardId, int row)> onQuestionPut;
    // Told at the end of every update of the status bar, for the panels added after the five.
    std::function<void()> afterStatusBar;

    // Handlers.
    void Command21_Click();
    void Command3_Click();
    void Label3_Click();
    void Text3_Change();
    void Text3_GotFocus();

  private:
    bool rowIsLoaded() const;
    bool shown(const QWidget* w) const;
    void speakOrShow(const QString& question);
    // Hands the speech service the voice of the set (its own, else the database's).
    void useVoiceOfSet(const QString& setName);
    void layoutReplyBox(bool multi);
    // The focus to where the reply to the question on screen is typed.
    void focusReply();
    // Tells a screen reader, on the reply box, how the last reply went, the question and
    // the progress.
    void announceQuestion();
    void noEntriesInSet();
    // After a failure to put the next question: the lesson goes back to the card on screen.
    void backToShownQuestion();

    present::Form1State& s_;
    ReplyJudge& judge_;
    UndoLastReply& undo_;
    // The card whose question was last put, the one the learner is answering.
    EntryKey shownEntry_;
};

} // namespace learn
