// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/Scoring.h"

#include <cmath>

namespace learn {

std::optional<double> weightOf(const QVariant& stored) {
    if (!stored.isValid() || stored.isNull())
        return std::nullopt;
    if (stored.typeId() == QMetaType::QString && stored.toString().trimmed().isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<CardScore> normalizeScore(double correct, double incorrect) {
    const double sum = correct + incorrect;
    if (!(sum > 0))
        return std::nullopt;
    const double r = correct / sum;
    CardScore score{correct, incorrect, r};
    if (r >= 1) {
        score.rating = 0.9;
    } else if (r <= 0) {
        // Only wrong replies so far: the weights stay as counted.
    } else if (incorrect > correct) {
        score.incorrect = 1;
        score.correct = r / (1 - r);
    } else {
        score.correct = 1;
        score.incorrect = (1 - r) / r;
    }
    return score;
}

std::optional<CardScore> scoreAfterReply(const QVariant& correct, const QVariant& incorrect,
                                         bool replyWasCorrect) {
    std::optional<double> c = weightOf(correct);
    std::optional<double> i = weightOf(incorrect);
    if (!c || !i)
        return std::nullopt;
    if (replyWasCorrect)
        *c += 1;
    else
        *i += 1;
    return normalizeScore(*c, *i);
}

} // namespace learn
