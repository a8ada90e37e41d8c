// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/Fsrs.h"

#include <algorithm>
#include <climits>
#include <cmath>

// FSRS-6 as set out in the fsrs4anki wiki page "The Algorithm" (section FSRS-6) and, formula by
// formula, in its reference implementations py-fsrs (fsrs/scheduler.py, 6.x) and fsrs-rs
// (src/model_v6.rs):
//   R(t,S)   = (1 + f * t/S)^(-w20),  f = 0.9^(-1/w20) - 1, so that R(S,S) = 0.9
//   I(r,S)   = S/f * (r^(-1/w20) - 1)
//   S0(G)    = w[G-1]
//   D0(G)    = w4 - e^(w5*(G-1)) + 1, clamped to [1,10]
//   D'(D,G)  = w7*D0(4) + (1-w7) * (D + (10-D)/9 * -w6*(G-3)), clamped to [1,10]
//              (D0(4) unclamped in the mean reversion)
//   S'r      = S * (1 + e^w8 * (11-D) * S^-w9 * (e^(w10*(1-R)) - 1) * w15 (Hard) * w16 (Easy))
//   S'f      = min(w11 * D^-w12 * ((S+1)^w13 - 1) * e^(w14*(1-R)),  S / e^(w17*w18))
//   S'same   = S * SInc,  SInc = e^(w17*(G-3+w18)) * S^-w19
// Where the sources differ we follow the newest FSRS-6 code: the wiki and py-fsrs before 6.3.2
// keep SInc >= 1 for Good and Easy only; fsrs-rs and py-fsrs 6.3.2 (srs-benchmark issue #343)
// extend that floor to Hard, so a same-day Hard never lowers stability either. Stability stays
// within [0.001, 36500] days as in fsrs-rs (py-fsrs keeps only the floor), and elapsed days
// below zero count as the same day.
namespace learn::fsrs {

namespace {

constexpr double minStability = 0.001;
constexpr double maxStability = 36500;
constexpr double minDifficulty = 1;
constexpr double maxDifficulty = 10;
// Retention targets are kept off 0 and 1, where the interval is infinite or zero.
constexpr double minRetention = 0.0001;
constexpr double maxRetention = 0.9999;

double boundedStability(double s) {
    if (!(s >= minStability)) // also NaN
        return minStability;
    return std::min(s, maxStability);
}

double boundedDifficulty(double d) {
    if (!(d >= minDifficulty))
        return minDifficulty;
    return std::min(d, maxDifficulty);
}

int gradeValue(Grade grade) {
    return static_cast<int>(grade);
}

double decay(const Parameters& w) {
    return -w[20];
}

// Makes R(S, S) = 0.9 whatever the decay.
double curveFactor(const Parameters& w) {
    return std::pow(0.9, 1 / decay(w)) - 1;
}

double rawInitialDifficulty(Grade grade, const Parameters& w) {
    return w[4] - std::exp(w[5] * (gradeValue(grade) - 1)) + 1;
}

} // namespace

const Parameters& defaultParameters() {
    static const Parameters defaults{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                     0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                     1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    return defaults;
}

MemoryState initialState(Grade grade, const Parameters& w) {
    return {boundedStability(w[static_cast<std::size_t>(gradeValue(grade) - 1)]),
            boundedDifficulty(rawInitialDifficulty(grade, w))};
}

double retrievability(double elapsedDays, double stability, const Parameters& w) {
    const double t = std::max(elapsedDays, 0.0);
    return std::pow(1 + curveFactor(w) * t / boundedStability(stability), decay(w));
}

double intervalDays(double stability, double desiredRetention, const Parameters& w) {
    const double r = std::clamp(desiredRetention, minRetention, maxRetention);
    const double days =
        boundedStability(stability) / curveFactor(w) * (std::pow(r, 1 / decay(w)) - 1);
    return std::clamp(days, 0.0, maxStability);
}

double stabilityAfterRecall(const MemoryState& state, double r, Grade grade, const Parameters& w) {
    const double s = state.stability;
    const double hardPenalty = grade == Grade::Hard ? w[15] : 1;
    const double easyBonus = grade == Grade::Easy ? w[16] : 1;
    const double gain = std::exp(w[8]) * (11 - state.difficulty) * std::pow(s, -w[9]) *
                        (std::exp(w[10] * (1 - r)) - 1) * hardPenalty * easyBonus;
    return boundedStability(s * (1 + gain));
}

double stabilityAfterLapse(const MemoryState& state, double r, const Parameters& w) {
    const double s = state.stability;
    const double longTerm = w[11] * std::pow(state.difficulty, -w[12]) *
                            (std::pow(s + 1, w[13]) - 1) * std::exp(w[14] * (1 - r));
    // A lapse must not leave the card more stable than a same-day Again would.
    const double cap = s / std::exp(w[17] * w[18]);
    return boundedStability(std::min(longTerm, cap));
}

double sameDayStability(double stability, Grade grade, const Parameters& w) {
    double increase =
        std::exp(w[17] * (gradeValue(grade) - 3 + w[18])) * std::pow(stability, -w[19]);
    if (grade != Grade::Again)
        increase = std::max(increase, 1.0);
    return boundedStability(stability * increase);
}

double nextDifficulty(double difficulty, Grade grade, const Parameters& w) {
    const double delta = -w[6] * (gradeValue(grade) - 3);
    const double damped = difficulty + (10 - difficulty) / 9 * delta;
    const double reverted = w[7] * rawInitialDifficulty(Grade::Easy, w) + (1 - w[7]) * damped;
    return boundedDifficulty(reverted);
}

MemoryState nextState(const MemoryState& state, int elapsedDays, Grade grade, const Parameters& w) {
    const MemoryState from{boundedStability(state.stability), boundedDifficulty(state.difficulty)};
    MemoryState next;
    next.difficulty = nextDifficulty(from.difficulty, grade, w);
    if (elapsedDays <= 0) {
        next.stability = sameDayStability(from.stability, grade, w);
        return next;
    }
    const double r = retrievability(elapsedDays, from.stability, w);
    next.stability = grade == Grade::Again ? stabilityAfterLapse(from, r, w)
                                           : stabilityAfterRecall(from, r, grade, w);
    return next;
}

std::optional<MemoryState> replay(const std::vector<Reply>& replies, const Parameters& w,
                                  const ReviewSeen& seen) {
    if (replies.empty())
        return std::nullopt;
    // Replies of one day keep their log order; a list out of day order is put right rather
    // than read as reviews back in time.
    std::vector<Reply> ordered = replies;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Reply& a, const Reply& b) { return a.day < b.day; });
    const auto gradeOf = [](const Reply& reply) {
        return reply.correct ? Grade::Good : Grade::Again;
    };
    MemoryState state = initialState(gradeOf(ordered.front()), w);
    for (std::size_t i = 1; i < ordered.size(); ++i) {
        const qint64 gap = ordered[i].day - ordered[i - 1].day;
        const int elapsed = static_cast<int>(std::min<qint64>(gap, INT_MAX));
        if (seen)
            seen(ordered[i], elapsed, state);
        state = nextState(state, elapsed, gradeOf(ordered[i]), w);
    }
    return state;
}

} // namespace learn::fsrs
