// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace learn::fsrs {

// The 21 parameters w0..w20 of the model.
using Parameters = std::array<double, 21>;
// The published defaults of FSRS-6.
const Parameters& defaultParameters();

enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// What the model knows of a card asked one way.
struct MemoryState {
    double stability = 0;  // days until recall falls to 90%
    double difficulty = 0; // 1 (easy) to 10 (hard)
};

MemoryState initialState(Grade grade, const Parameters& w = defaultParameters());
// The state after a review `elapsedDays` after the previous one; 0: the same day.
MemoryState nextState(const MemoryState& state, int elapsedDays, Grade grade,
                      const Parameters& w = defaultParameters());
// The probability of recall `elapsedDays` after the last review.
double retrievability(double elapsedDays, double stability,
                      const Parameters& w = defaultParameters());
// The days after the last review at which recall falls to `desiredRetention`, not rounded.
double intervalDays(double stability, double desiredRetention,
                    const Parameters& w = defaultParameters());

// One judged reply: its day (QDate::toJulianDay) and whether it was right.
struct Reply {
    qint64 day = 0;
    bool correct = false;
};
// Told of each reply after the first, before it counts: the days since the one before and the
// state it met.
using ReviewSeen =
    std::function<void(const Reply& reply, int elapsedDays, const MemoryState& before)>;
// The state after the replies, in order; none for no reply.
std::optional<MemoryState> replay(const std::vector<Reply>& replies,
                                  const Parameters& w = defaultParameters(),
                                  const ReviewSeen& seen = {});

// The single steps nextState is made of, each as published, so that they can be checked one by
// one against the reference values (which give a retrievability rather than elapsed days).
// Stability after a successful review at retrievability `r` (Hard and Easy scale the gain).
double stabilityAfterRecall(const MemoryState& state, double r, Grade grade,
                            const Parameters& w = defaultParameters());
// Stability after a lapse at retrievability `r`.
double stabilityAfterLapse(const MemoryState& state, double r,
                           const Parameters& w = defaultParameters());
// Stability after another review on the same day.
double sameDayStability(double stability, Grade grade, const Parameters& w = defaultParameters());
// Difficulty after any review.
double nextDifficulty(double difficulty, Grade grade, const Parameters& w = defaultParameters());

} // namespace learn::fsrs
