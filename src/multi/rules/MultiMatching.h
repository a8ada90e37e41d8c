// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/Judging.h"
#include "multi/rules/MultiRules.h"

#include <QVariantList>
#include <vector>

namespace multi {

// Replies matched with answers under forgiving judging: the n-th answer of a form goes with
// the n-th reply of the same form, as the exact stored queries pair them by text.
struct ReplyMatching {
    std::vector<AnswerReplyPair> matched; // in the answers' order
    QVariantList otherAnswers;            // unmatched, in the answers' order
    QVariantList otherReplies;            // unmatched, in the replies' order
};

ReplyMatching matchReplies(const QVariantList& answers, const QVariantList& replies,
                           const learn::JudgingOptions& options);

} // namespace multi
