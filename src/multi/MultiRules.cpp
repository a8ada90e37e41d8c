#include "multi/MultiRules.h"

#include <algorithm>

namespace multi {
namespace {

bool isEmptyCell(const QVariant& v) {
    return v.isNull() || !v.isValid() || v.toString().isEmpty();
}

} // namespace

bool orderMatters(const QVariant& showOrder) {
    if (isEmptyCell(showOrder))
        return false;
    bool ok = false;
    const double n = showOrder.toDouble(&ok);
    // A value that is no number is taken as set: the stricter judgement.
    return !ok || n != 0.0;
}

bool cellsDiffer(const QVariant& answer, const QVariant& reply) {
    const bool answerEmpty = isEmptyCell(answer);
    const bool replyEmpty = isEmptyCell(reply);
    if (answerEmpty || replyEmpty)
        return answerEmpty != replyEmpty;
    return answer.toString() != reply.toString();
}

std::vector<AnswerReplyPair> pairByPosition(const QVariantList& answers,
                                            const QVariantList& replies) {
    const qsizetype n = std::max(answers.size(), replies.size());
    std::vector<AnswerReplyPair> pairs;
    pairs.reserve(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        pairs.push_back({i < answers.size() ? answers[i] : QVariant(),
                         i < replies.size() ? replies[i] : QVariant()});
    return pairs;
}

QString compTableResult(const std::vector<AnswerReplyPair>& pairs) {
    const bool anyDiffers = std::any_of(pairs.begin(), pairs.end(), [](const AnswerReplyPair& p) {
        return cellsDiffer(p.answer, p.reply);
    });
    return anyDiffers ? QStringLiteral("wrong") : QStringLiteral("correct");
}

CountVerdict verdictFromCounts(qint64 answers, qint64 matching, qint64 replies, bool orderMatters) {
    const bool countsAgree = matching == answers && replies == answers;
    if (!countsAgree)
        return CountVerdict::Wrong;
    return orderMatters ? CountVerdict::CheckPositions : CountVerdict::Correct;
}

} // namespace multi
