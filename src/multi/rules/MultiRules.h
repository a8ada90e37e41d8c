// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/Judging.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <vector>

namespace multi {

// One row of the comparison table: a correct answer beside the reply given for it. Either
// side is empty (null) when its list ran out first.
struct AnswerReplyPair {
    QVariant answer;
    QVariant reply;
};

// Whether the replies must come in the order of the answers: an empty or zero ShowOrder
// means any order will do.
bool orderMatters(const QVariant& showOrder);

// The captions of the two option buttons of the answers editor, in the language in use; each
// caption tells the option's state.
QString orderCaption(bool important);
QString countCaption(bool shown);
QString orderCaption(const QVariant& showOrder);
QString countCaption(const QVariant& displayQuestionNumber);

// The rows of an edited list that are answers, in their order: rows empty or holding only
// blanks are left out, the others are kept exactly as typed.
QStringList storableAnswers(const QVariantList& rows);

// Exact comparison of two cells: case and blanks count, an empty cell never equals a text,
// and two empty cells agree. Forgiving options let capitals or extra blanks pass.
bool cellsDiffer(const QVariant& answer, const QVariant& reply,
                 const learn::JudgingOptions& options = {});

// Pairs the i-th answer with the i-th reply; the longer list decides the number of pairs.
std::vector<AnswerReplyPair> pairByPosition(const QVariantList& answers,
                                            const QVariantList& replies);

// "correct" when every pair agrees, otherwise "wrong".
QString compTableResult(const std::vector<AnswerReplyPair>& pairs,
                        const learn::JudgingOptions& options = {});

enum class CountVerdict { Correct, Wrong, CheckPositions };

// What the counts alone say about a list of replies: `answers` answers on the card,
// `matching` replies equal to one of them, `replies` replies in all. When the order matters
// and the counts agree, only the pairs by position can tell.
CountVerdict verdictFromCounts(qint64 answers, qint64 matching, qint64 replies, bool orderMatters);

} // namespace multi
