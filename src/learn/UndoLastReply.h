// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/QuestionSteps.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/ReplyUndo.h"
#include "present/Form1State.h"

#include <QString>
#include <optional>

namespace learn {

// Learn > Undo last reply and its Ctrl+Z key: the lesson as it stood before the last judged
// reply, and taking that reply back (card, log row, counters) to put its question again.
class UndoLastReply {
  public:
    UndoLastReply(present::Form1State& s, QuestionSteps steps) : s_(s), steps_(std::move(steps)) {}
    // The menu entry and the key; until a reply is judged there is nothing to take back.
    void connectControls();

    void undoLastReply();
    // No reply can be taken back until the next one is judged; `why` is the entry's tooltip.
    void dropUndo(const QString& why);
    // As dropUndo, and the reply being judged cannot be taken back either (a bunch ended or
    // the set was learnt meanwhile).
    void refuseUndo(const QString& why);
    // True while the reply box or the reply grid holds text typed for the question on screen:
    // Ctrl+Z then undoes that typing instead of taking the last reply back.
    bool replyBeingTyped() const;

    // The check button: the entry is off from the moment a reply is judged (holdUndo) until
    // it is stored and the next question is put (keepUndoPoint); then it takes back that
    // reply, or, if none was judged, the one before.
    void holdUndo();
    // The lesson before the reply to the card at Row is judged.
    void noteUndoPoint();
    // `logRow`: the log row the judged reply was stored as, if it was.
    void keepUndoPoint(std::optional<qint64> logRow);

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

    present::Form1State& s_;
    QuestionSteps steps_;
    // The reply that can be taken back; the one being judged.
    std::optional<UndoPoint> undo_;
    std::optional<UndoPoint> undoPending_;
    // Why the reply being judged cannot be taken back, if so.
    QString undoRefused_;
    // The entry's tooltip before it was held, for when no reply was judged after all.
    QString heldUndoTip_;
};

} // namespace learn
