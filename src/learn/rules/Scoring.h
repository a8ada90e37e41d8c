// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace learn {

// A card's weights and rating as stored after a judged reply.
struct CardScore {
    double correct = 0;
    double incorrect = 0;
    double rating = 0;
};

// A stored weight as a number; nullopt when it is empty or not a number, which leaves the
// card unscored.
std::optional<double> weightOf(const QVariant& stored);

// The rating and the normalised weights for the weights after a reply has been counted:
// the ratio correct / (correct + incorrect) is kept and the larger weight becomes 1. A card
// never answered wrongly is rated 0.9, never 1. nullopt when there is nothing to divide.
std::optional<CardScore> normalizeScore(double correct, double incorrect);

// Counts one reply on the stored weights and normalises the result; nullopt when either
// stored weight is empty (such a card is not scored).
std::optional<CardScore> scoreAfterReply(const QVariant& correct, const QVariant& incorrect,
                                         bool replyWasCorrect);

} // namespace learn
