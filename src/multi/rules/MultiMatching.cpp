// SPDX-License-Identifier: GPL-3.0-or-later
#include "multi/rules/MultiMatching.h"

#include <QHash>

namespace multi {

ReplyMatching matchReplies(const QVariantList& answers, const QVariantList& replies,
                           const learn::JudgingOptions& options) {
    // The replies of each form, in their order, still free to be matched.
    QHash<QString, QList<qsizetype>> freeReplies;
    for (qsizetype i = 0; i < replies.size(); ++i) {
        if (!replies[i].isNull() && !replies[i].toString().isEmpty())
            freeReplies[learn::judgingForm(replies[i].toString(), options)].append(i);
    }
    std::vector<bool> replyUsed(static_cast<size_t>(replies.size()), false);
    ReplyMatching out;
    for (const QVariant& answer : answers) {
        const QString text = answer.toString();
        auto it = text.isEmpty() ? freeReplies.end()
                                 : freeReplies.find(learn::judgingForm(text, options));
        if (it == freeReplies.end() || it->isEmpty()) {
            out.otherAnswers << answer;
            continue;
        }
        const qsizetype r = it->takeFirst();
        replyUsed[static_cast<size_t>(r)] = true;
        out.matched.push_back({answer, replies[r]});
    }
    for (qsizetype i = 0; i < replies.size(); ++i) {
        if (!replyUsed[static_cast<size_t>(i)])
            out.otherReplies << replies[i];
    }
    return out;
}

} // namespace multi
