// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/LessonRules.h"

#include <QCoreApplication>
#include <algorithm>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

} // namespace

bool isCorrectReply(const QString& reply, const QVariant& storedAnswer,
                    const JudgingOptions& options) {
    if (storedAnswer.isNull() || !storedAnswer.isValid())
        return false;
    return repliesMatch(reply, storedAnswer.toString(), options);
}

bool isLearntStatus(const QVariant& status) {
    if (status.isNull() || !status.isValid())
        return false;
    bool ok = false;
    const double value = status.toDouble(&ok);
    return ok && value == 1;
}

void zeroStatuses(LessonState& lesson) {
    for (int r = 1; r <= lesson.CurRowLim; ++r)
        lesson.CSarray.at(r, ColCurStatus) = 0;
    lesson.CheckAll = 0;
    lesson.BunchCorrect = 0;
}

bool anyCardToAsk(const LessonState& lesson) {
    for (int r = 1; r <= lesson.CurRowLim; ++r) {
        if (!isLearntStatus(lesson.CSarray.at(r, ColCurStatus)))
            return true;
    }
    return false;
}

bool isMultiAnswerCard(const QVariant& answer) {
    return !answer.isNull() && answer.toString() == kMultiAnswer;
}

QString totalPanelText(int curRowLim) {
    return Text::tr("Total %1").arg(curRowLim);
}

QString bunchPanelText(int curSetSize) {
    return Text::tr("Curr. bunch %1").arg(curSetSize);
}

QString remainsPanelText(int curSetSize, int bunchCorrect) {
    return Text::tr("Remains %1").arg(std::max(0, curSetSize - bunchCorrect));
}

bool cardOptionOn(const QVariant& value) {
    if (value.isNull() || !value.isValid() || value.toString().isEmpty())
        return false;
    bool ok = false;
    const double n = value.toDouble(&ok);
    return !ok || n != 0.0;
}

QString orderPanelText(const QVariant& showOrder) {
    return cardOptionOn(showOrder) ? Text::tr("ORDER") : Text::tr("NO order");
}

QString answersPanelText(const QVariant& count) {
    return Text::tr("%n Answers", nullptr, int(count.toLongLong()));
}

} // namespace learn
