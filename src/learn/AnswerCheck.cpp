// SPDX-License-Identifier: GPL-3.0-or-later
// Judging a reply, scoring the card and logging the reply: the part of the question loop
// that the check button drives.

#include "data/Sql.h"
#include "learn/Pause.h"
#include "learn/QuestionLoop.h"
#include "learn/rules/Clock.h"
#include "learn/rules/Judging.h"
#include "learn/rules/LessonRules.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/Ordering.h"
#include "learn/rules/ReplyDiff.h"
#include "present/KidsPictures.h"

#include <QTableView>

namespace learn {

void QuestionLoop::SubSinleAnswerCheck() {
    const QVariant answer = s_.lesson.CSarray.at(s_.lesson.Row, ColAnswer);
    const JudgingOptions options = loadJudgingOptions(s_.rs.connection());
    const bool correct = isCorrectReply(s_.c.Text3->text(), answer, options);
    if (correct) {
        const QString rule = acceptingRule(s_.c.Text3->text(), answer.toString(), options);
        CorrectAnswer();
        if (judged_)
            judged_->judgedBy = rule;
        // Stored before the pause and the next question, which take time and may be cut short.
        flushJudgedReply(s_.lesson.LogResult);
        NextValidRow1();
        if (!s_.modes.Silent)
            Zaderzjka(s_);
    } else {
        WrongAnswer();
        NextValidRow1();
    }
    MakeQuestion();
}

void QuestionLoop::showFeedbackPicture(const QString& name) {
    present::setKidsPicture(s_.c.Picture[10], name);
    s_.c.Picture[10]->show();
}

void QuestionLoop::CorrectAnswer() {
    LessonState& L = s_.lesson;
    ++L.BunchCorrect;
    s_.c.Text3->setText(QString());
    if (!s_.modes.kids) {
        s_.c.Label5->show();
        s_.c.Label6->hide();
    } else {
        showFeedbackPicture(QStringLiteral("smile"));
        playSound(1);
    }
    L.CSarray.at(L.Row, ColCurStatus) = 1;
    ++L.CheckAll;
    SubStatusBar();
    if (const auto c = weightOf(L.CSarray.at(L.Row, ColCorrect)))
        L.CSarray.at(L.Row, ColCorrect) = *c + 1;
    L.LogResult = QStringLiteral("Correct");
    WriteResult();
}

void QuestionLoop::SubMultipleAnswerCheck() {
    LessonState& L = s_.lesson;
    QString rule;
    if (s_.window.SubMultipleAnswerCheck(rule)) {
        CorrectAnswer();
        if (judged_)
            judged_->judgedBy = rule;
        flushJudgedReply(L.LogResult);
        NextValidRow1();
        if (!s_.modes.Silent)
            Zaderzjka(s_);
    } else {
        if (const auto i = weightOf(L.CSarray.at(L.Row, ColIncorrect)))
            L.CSarray.at(L.Row, ColIncorrect) = *i + 1;
        L.LogResult = QStringLiteral("Wrong");
        WriteResult();
        flushJudgedReply(L.LogResult); // stored before the window waits for the learner
        // The comparison window holds the screen instead of a pause.
        s_.window.WrongAnswerMulti();
        NextValidRow1();
    }
    MakeQuestion();
}

void QuestionLoop::WrongAnswer() {
    LessonState& L = s_.lesson;
    if (s_.modes.kids) {
        s_.c.Label5->hide();
        showFeedbackPicture(QStringLiteral("disappointment"));
        playSound(2);
    }
    if (const auto i = weightOf(L.CSarray.at(L.Row, ColIncorrect)))
        L.CSarray.at(L.Row, ColIncorrect) = *i + 1;
    L.LogResult = QStringLiteral("Wrong");
    WriteResult();
    // Stored before the box: a reply made must not depend on the box being closed.
    flushJudgedReply(L.LogResult);
    const QString answer = L.CSarray.at(L.Row, ColAnswer).toString();
    const QString text = QStringLiteral("Correct answer is: ") + answer;
    // Kids mode keeps its plain box; elsewhere the box shows where the reply went wrong.
    if (s_.modes.kids)
        s_.dialogs.message(text, QStringLiteral("WRONG"));
    else
        s_.dialogs.messageWithDetail(text, replyDiffHtml(s_.c.Text3->text(), answer),
                                     QStringLiteral("WRONG"));
    s_.c.Text3->setText(QString());
    s_.c.Command21->setEnabled(false);
    if (!s_.modes.kids) {
        s_.c.Label5->hide();
        s_.c.Label6->show();
    }
}

void QuestionLoop::WriteResult() {
    LessonState& L = s_.lesson;
    const QVariant cardId = L.CSarray.at(L.Row, ColCardId);
    if (!judged_ || judged_->cardId != cardId) {
        // Scored outside the check button: keep it until the reply is logged.
        judged_ = JudgedReply{cardId, L.CSarray.at(L.Row, ColSetName), std::nullopt, {}};
        judgedRow_ = L.Row;
        judgedCorrectBefore_ = L.CSarray.at(L.Row, ColCorrect);
        judgedIncorrectBefore_ = L.CSarray.at(L.Row, ColIncorrect);
    }
    const auto c = weightOf(L.CSarray.at(L.Row, ColCorrect));
    const auto i = weightOf(L.CSarray.at(L.Row, ColIncorrect));
    // A card with an empty weight is not scored.
    std::optional<CardScore> score = c && i ? normalizeScore(*c, *i) : std::nullopt;
    if (score) {
        L.CSarray.at(L.Row, ColCorrect) = score->correct;
        L.CSarray.at(L.Row, ColIncorrect) = score->incorrect;
    }
    judged_->score = score;
}

void QuestionLoop::flushJudgedReply(const QString& result) {
    if (!judged_)
        return;
    const JudgedReply reply = *judged_;
    judged_.reset();
    LessonState& L = s_.lesson;
    const auto restoreWeights = [&] {
        if (L.CSarray.at(judgedRow_, ColCardId) == reply.cardId) {
            L.CSarray.at(judgedRow_, ColCorrect) = judgedCorrectBefore_;
            L.CSarray.at(judgedRow_, ColIncorrect) = judgedIncorrectBefore_;
        }
    };
    if (result.isEmpty()) {
        restoreWeights(); // the reply was never judged to the end
        return;
    }
    try {
        loggedRow_ = recordReply(s_.rs, reply, result, now().date());
    } catch (const data::DbError& e) {
        restoreWeights();
        s_.dialogs.warning(QStringLiteral("The reply could not be saved: %1\nThe card's score "
                                          "and the log are unchanged; the lesson goes on.")
                               .arg(e.message()));
    }
}

void QuestionLoop::SubLog(const QVariant& setName, const QVariant& cardId, const QString& result) {
    if (judged_ && judged_->cardId == cardId) {
        flushJudgedReply(result);
        return;
    }
    recordReply(s_.rs, JudgedReply{cardId, setName, std::nullopt, {}}, result, now().date());
}

bool QuestionLoop::CheckIfWholeSetLearnt() const {
    return s_.lesson.CheckAll >= s_.lesson.CurRowLim;
}

void QuestionLoop::WholeSetLearnt() {
    LessonState& L = s_.lesson;
    flushJudgedReply(L.LogResult);
    undoRefused_ = QStringLiteral("A reply cannot be taken back once the whole set is learnt");
    dropUndo(undoRefused_);
    s_.dialogs.message(QStringLiteral("Congratulations! You've successfully learn't the set. "
                                      "Choose another set to learn."));
    L.BunchCorrect = 0;
    if (!s_.modes.Silent) {
        playSound(3);
    } else {
        L.CurSetSize = L.CurRowLim;
        SubStatusBar();
    }
    s_.rs.UnloadAll();
    s_.rs.LoadAll();
    zeroStatuses(L);
    L.Row = 1;
    s_.c.Label7->setText(QString());
    s_.c.Text3->setText(QString());
    if (s_.c.Text3->isVisibleTo(s_.c.Form1))
        s_.c.Text3->setFocus();
    else
        s_.c.TDBGrid3->setFocus();
    s_.c.Command21->setEnabled(false);
    s_.c.Command3->show();
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    L.CheckAll = 0;
    SubUpdateOrder1(s_.rs.connection());
}

} // namespace learn
