// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/ReplyJudge.h"

#include "data/Sql.h"
#include "learn/Pause.h"
#include "learn/rules/Clock.h"
#include "learn/rules/Judging.h"
#include "learn/rules/LessonRules.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/ReplyDiff.h"
#include "present/Guarded.h"
#include "present/KidsPictures.h"

#include <QCoreApplication>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

} // namespace

void ReplyJudge::beginReply() {
    loggedRow_.reset();
    noteJudgedCard();
    s_.lesson.LogResult.clear();
}

void ReplyJudge::noteJudgedCard() {
    const LessonState& L = s_.lesson;
    judged_ = JudgedReply{L.CSarray.at(L.Row, ColCardId),
                          L.CSarray.at(L.Row, ColSetName),
                          std::nullopt,
                          {},
                          entryAt(L.CSarray, L.Row).reverse};
    judgedRow_ = L.Row;
    judgedCorrectBefore_ = L.CSarray.at(L.Row, ColCorrect);
    judgedIncorrectBefore_ = L.CSarray.at(L.Row, ColIncorrect);
}

void ReplyJudge::finishReply(const QVariant& setName, const EntryKey& entry) {
    present::guarded(s_, [&] {
        if (judged_)
            SubLog(setName, entry, s_.lesson.LogResult);
    });
    judged_.reset();
}

void ReplyJudge::SubSinleAnswerCheck() {
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
        steps_.NextValidRow1();
        if (!s_.modes.Silent)
            Zaderzjka(s_);
    } else {
        WrongAnswer();
        steps_.NextValidRow1();
    }
    steps_.MakeQuestion();
}

void ReplyJudge::showFeedbackPicture(const QString& name) {
    present::setKidsPicture(s_.c.Picture[10], name);
    s_.c.Picture[10]->show();
}

void ReplyJudge::CorrectAnswer() {
    LessonState& L = s_.lesson;
    ++L.BunchCorrect;
    s_.c.Text3->setText(QString());
    if (!s_.modes.kids) {
        s_.c.Label5->show();
        s_.c.Label6->hide();
    } else {
        showFeedbackPicture(QStringLiteral("smile"));
        playSound(s_, 1);
    }
    L.CSarray.at(L.Row, ColCurStatus) = 1;
    ++L.CheckAll;
    steps_.SubStatusBar();
    if (const auto c = weightOf(L.CSarray.at(L.Row, ColCorrect)))
        L.CSarray.at(L.Row, ColCorrect) = *c + 1;
    L.LogResult = QStringLiteral("Correct");
    L.resultToTell = L.LogResult;
    WriteResult();
}

void ReplyJudge::SubMultipleAnswerCheck() {
    LessonState& L = s_.lesson;
    QString rule;
    if (s_.window.SubMultipleAnswerCheck(rule)) {
        CorrectAnswer();
        if (judged_)
            judged_->judgedBy = rule;
        flushJudgedReply(L.LogResult);
        steps_.NextValidRow1();
        if (!s_.modes.Silent)
            Zaderzjka(s_);
    } else {
        if (const auto i = weightOf(L.CSarray.at(L.Row, ColIncorrect)))
            L.CSarray.at(L.Row, ColIncorrect) = *i + 1;
        L.LogResult = QStringLiteral("Wrong");
        L.resultToTell = L.LogResult;
        WriteResult();
        flushJudgedReply(L.LogResult); // stored before the window waits for the learner
        // The comparison window holds the screen instead of a pause.
        s_.window.WrongAnswerMulti();
        steps_.NextValidRow1();
    }
    steps_.MakeQuestion();
}

void ReplyJudge::WrongAnswer() {
    LessonState& L = s_.lesson;
    if (s_.modes.kids) {
        s_.c.Label5->hide();
        showFeedbackPicture(QStringLiteral("disappointment"));
        playSound(s_, 2);
    }
    if (const auto i = weightOf(L.CSarray.at(L.Row, ColIncorrect)))
        L.CSarray.at(L.Row, ColIncorrect) = *i + 1;
    L.LogResult = QStringLiteral("Wrong");
    L.resultToTell = L.LogResult;
    WriteResult();
    // Stored before the box: a reply made must not depend on the box being closed.
    flushJudgedReply(L.LogResult);
    const QString answer = L.CSarray.at(L.Row, ColAnswer).toString();
    const QString text = Text::tr("Correct answer is: %1").arg(answer);
    // Kids mode keeps its plain box; elsewhere the box shows where the reply went wrong.
    if (s_.modes.kids)
        s_.dialogs.message(text, Text::tr("WRONG"));
    else
        s_.dialogs.messageWithDetail(text, replyDiffHtml(s_.c.Text3->text(), answer),
                                     Text::tr("WRONG"));
    s_.c.Text3->setText(QString());
    s_.c.Command21->setEnabled(false);
    if (!s_.modes.kids) {
        s_.c.Label5->hide();
        s_.c.Label6->show();
    }
}

void ReplyJudge::WriteResult() {
    LessonState& L = s_.lesson;
    if (!judged_ || judgedEntry() != entryAt(L.CSarray, L.Row))
        noteJudgedCard(); // scored outside the check button: kept until the reply is logged
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

void ReplyJudge::flushJudgedReply(const QString& result) {
    if (!judged_)
        return;
    const JudgedReply reply = *judged_;
    judged_.reset();
    LessonState& L = s_.lesson;
    const auto restoreWeights = [&] {
        if (entryAt(L.CSarray, judgedRow_) == EntryKey{reply.cardId, reply.reverse}) {
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
        s_.dialogs.warning(Text::tr("The reply could not be saved: %1\nThe card's score "
                                    "and the log are unchanged; the lesson goes on.")
                               .arg(e.message()));
    }
}

EntryKey ReplyJudge::judgedEntry() const {
    return judged_ ? EntryKey{judged_->cardId, judged_->reverse} : EntryKey{};
}

void ReplyJudge::SubLog(const QVariant& setName, const EntryKey& entry, const QString& result) {
    if (judged_ && judgedEntry() == entry) {
        flushJudgedReply(result);
        return;
    }
    recordReply(s_.rs, JudgedReply{entry.cardId, setName, std::nullopt, {}, entry.reverse}, result,
                now().date());
}

} // namespace learn
