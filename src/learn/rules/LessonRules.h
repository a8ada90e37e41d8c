// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/Judging.h"
#include "learn/rules/LessonState.h"

#include <QString>
#include <QVariant>

namespace learn {

// A reply to a card with one answer is right only when it equals the stored answer in every
// character: letter case and blanks count, and an empty stored answer matches nothing.
// Forgiving options let capitals or extra blanks pass.
bool isCorrectReply(const QString& reply, const QVariant& storedAnswer,
                    const JudgingOptions& options = {});

// Only the lesson status 1 marks a card as answered in this pass; anything else is asked.
bool isLearntStatus(const QVariant& status);

// Makes every loaded card available again and starts the counts afresh, so a count carried
// over from an earlier pass or set never announces a set as learnt early.
void zeroStatuses(LessonState& lesson);

// True when some loaded card is still to be asked in this pass.
bool anyCardToAsk(const LessonState& lesson);

// The answer text that marks a multiple-answer card.
inline const QString kMultiAnswer = QStringLiteral("Multi");
bool isMultiAnswerCard(const QVariant& answer);

// The two options of a multiple-answer card (ShowOrder, DisplayQuestionNumber): an empty
// value or 0 is off, any other number on; a value that is no number counts as on, the
// stricter judgement. Judging, the status bar and the editor's captions all follow this.
bool cardOptionOn(const QVariant& value);

// Status-bar texts.
QString totalPanelText(int curRowLim);
QString bunchPanelText(int curSetSize);
QString remainsPanelText(int curSetSize, int bunchCorrect); // never negative
QString orderPanelText(const QVariant& showOrder);
QString answersPanelText(const QVariant& count);

} // namespace learn
