// SPDX-License-Identifier: GPL-3.0-or-later
#include "multi/rules/MultiRules.h"

#include "learn/rules/LessonRules.h"

#include <QCoreApplication>
#include <algorithm>

namespace multi {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

bool isEmptyCell(const QVariant& v) {
    return v.isNull() || !v.isValid() || v.toString().isEmpty();
}

} // namespace

bool orderMatters(const QVariant& showOrder) {
    return learn::cardOptionOn(showOrder);
}

QString orderCaption(bool important) {
    return important ? Text::tr("The order is important") : Text::tr("The order is NOT important");
}

QString countCaption(bool shown) {
    return shown ? Text::tr("Display the number of answers with the question")
                 : Text::tr("DON'T display the number of answers with the question");
}

QString orderCaption(const QVariant& showOrder) {
    return orderCaption(learn::cardOptionOn(showOrder));
}

QString countCaption(const QVariant& displayQuestionNumber) {
    return countCaption(learn::cardOptionOn(displayQuestionNumber));
}

QStringList storableAnswers(const QVariantList& rows) {
    QStringList answers;
    for (const QVariant& row : rows) {
        if (!isEmptyCell(row) && !row.toString().trimmed().isEmpty())
            answers << row.toString();
    }
    return answers;
}

bool cellsDiffer(const QVariant& answer, const QVariant& reply,
                 const learn::JudgingOptions& options) {
    const bool answerEmpty = isEmptyCell(answer);
    const bool replyEmpty = isEmptyCell(reply);
    if (answerEmpty || replyEmpty)
        return answerEmpty != replyEmpty;
    return !learn::repliesMatch(reply.toString(), answer.toString(), options);
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

QString compTableResult(const std::vector<AnswerReplyPair>& pairs,
                        const learn::JudgingOptions& options) {
    const bool anyDiffers =
        std::any_of(pairs.begin(), pairs.end(), [&options](const AnswerReplyPair& p) {
            return cellsDiffer(p.answer, p.reply, options);
        });
    return anyDiffers ? QStringLiteral("wrong") : QStringLiteral("correct");
}

CountVerdict verdictFromCounts(qint64 answers, qint64 matching, qint64 replies, bool orderMatters) {
    // A card without answers can never be answered right, not even by giving no reply.
    if (answers <= 0)
        return CountVerdict::Wrong;
    const bool countsAgree = matching == answers && replies == answers;
    if (!countsAgree)
        return CountVerdict::Wrong;
    return orderMatters ? CountVerdict::CheckPositions : CountVerdict::Correct;
}

} // namespace multi
