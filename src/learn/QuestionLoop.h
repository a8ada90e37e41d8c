// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/LessonState.h"
#include "learn/rules/ReplyRecord.h"
#include "learn/rules/ReplyUndo.h"
#include "present/Form1State.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace learn {

// Putting questions one after another on the learning screen: the next valid card, the end
// of a bunch, the status bar, the handlers of the learning screen's controls, and judging,
// scoring and logging a reply (the judging half lives in AnswerCheck.cpp).
class QuestionLoop {
  public:
    explicit QuestionLoop(present::Form1State& s) : s_(s) {}
    void connectControls();

    // Presenting and moving on.
    void MakeQuestion();
    void NextValidRow1();
    void SubEndOfSet();
    void SubRowAdjustForMulti();
    void SubStatusBar();

    // Handlers.
    void Command21_Click();
    void Command3_Click();
    void Label3_Click();
    void Text3_Change();
    void Text3_GotFocus();

    // Judging a reply to a card with one answer, and the scoring every judge goes through.
    void SubSinleAnswerCheck();
    // Asks the multiple-answer judge for its verdict on the reply list, then scores, logs
    // and moves on.
    void SubMultipleAnswerCheck();
    void CorrectAnswer();
    void WrongAnswer();
    // Counts the reply of the card at Row into its weights (array columns 8 and 9) and keeps
    // the new score until the reply is recorded with its log row.
    void WriteResult();
    bool CheckIfWholeSetLearnt() const;
    void WholeSetLearnt();
    // Stores the judged reply: its score and its Log row, in one transaction.
    void SubLog(const QVariant& setName, const QVariant& cardId, const QString& result);
    // Writes a reply noted by the check button now: before the card order is recomputed from
    // the ratings, and before a box that waits for the learner.
    void flushJudgedReply(const QString& result);

    // Learn > Undo last reply: takes the last judged reply of this bunch back (card, log
    // row, counters) and puts its question again. Lives in UndoReply.cpp.
    void undoLastReply();
    // No reply can be taken back until the next one is judged; `why` is the entry's tooltip.
    void dropUndo(const QString& why);
    // True while the reply box or the reply grid holds text typed for the question on screen:
    // Ctrl+Z then undoes that typing instead of taking the last reply back.
    bool replyBeingTyped() const;

  private:
    // The lesson as it stood before a reply, to go back to.
    struct UndoPoint {
        int row = 0;
        int curSetSize = 0;
        int checkAll = 0;
        int bunchCorrect = 0;
        int curRowLim = 0;
        CardArray::CardRow card;
        std::optional<StoredWeights> stored;
        qint64 logRow = 0;
    };
    void noteUndoPoint();
    // The entry is off from the moment a reply is judged until it is stored and the next
    // question is put; then it takes back that reply (or, if none was judged, the one before).
    void holdUndo();
    void keepUndoPoint();
    void installUndoKey();

    bool rowIsLoaded() const;
    bool shown(const QWidget* w) const;
    void speakOrShow(const QString& question);
    // Hands the speech service the voice of the set (its own, else the database's).
    void useVoiceOfSet(const QString& setName);
    void layoutReplyBox(bool multi);
    void showFeedbackPicture(const QString& name);
    void playSound(int object);
    void noEntriesInSet();
    // After a failure to put the next question: the lesson goes back to the card on screen.
    void backToShownQuestion();

    present::Form1State& s_;
    // The card whose question was last put, the one the learner is answering.
    QVariant shownCard_;
    // The reply being judged by the check button: the card noted before judging, its score
    // once counted, and whether it has been stored yet.
    std::optional<JudgedReply> judged_;
    // Array weights of the judged card before counting, restored if storing fails.
    int judgedRow_ = 0;
    QVariant judgedCorrectBefore_;
    QVariant judgedIncorrectBefore_;
    // The reply that can be taken back; the one being judged; the log row just written.
    std::optional<UndoPoint> undo_;
    std::optional<UndoPoint> undoPending_;
    std::optional<qint64> loggedRow_;
    // Why the reply being judged cannot be taken back (a bunch ended meanwhile), if so.
    QString undoRefused_;
    // The entry's tooltip before it was held, for when no reply was judged after all.
    QString heldUndoTip_;
};

} // namespace learn
