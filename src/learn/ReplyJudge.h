// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/QuestionSteps.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/ReplyRecord.h"
#include "present/Form1State.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <utility>

namespace learn {

// Judging the reply to the question on screen: against the card's one answer or through the
// multiple-answer judge, the right or wrong mark, the card's new weights, and storing the
// reply with its log row, once.
class ReplyJudge {
  public:
    ReplyJudge(present::Form1State& s, QuestionSteps steps) : s_(s), steps_(std::move(steps)) {}

    // The check button notes the card at Row as the one its reply is judged for.
    void beginReply();
    // Stores the reply the check button judged if it is not stored yet (even when putting the
    // next question failed), then forgets it.
    void finishReply(const QVariant& setName, const EntryKey& entry);
    // The log row the last judged reply was stored as, once; none if it was not stored.
    std::optional<qint64> takeLoggedRow() { return std::exchange(loggedRow_, std::nullopt); }

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
    // Stores the judged reply: its score and its Log row, in one transaction.
    void SubLog(const QVariant& setName, const EntryKey& entry, const QString& result);
    // Writes a reply noted by the check button now: before the card order is recomputed from
    // the ratings, and before a box that waits for the learner.
    void flushJudgedReply(const QString& result);

  private:
    void noteJudgedCard();
    EntryKey judgedEntry() const;
    void showFeedbackPicture(const QString& name);

    present::Form1State& s_;
    QuestionSteps steps_;
    // The reply being judged: the card noted before judging, its score once counted, and
    // whether it has been stored yet.
    std::optional<JudgedReply> judged_;
    // Array weights of the judged card before counting, restored if storing fails.
    int judgedRow_ = 0;
    QVariant judgedCorrectBefore_;
    QVariant judgedIncorrectBefore_;
    // The log row just written.
    std::optional<qint64> loggedRow_;
};

} // namespace learn
