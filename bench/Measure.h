// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start);

// The middle sample; 0 when there is none.
double medianOf(std::vector<double> samples);

// The floor an import is measured against: one set named "floor" and a card per pair
// (question, answer) written into the database at `path` through SQLite's own interface,
// with prepared statements in one transaction. Its time in milliseconds; throws
// std::runtime_error.
double rawInsertFloor(const QString& path,
                      const std::vector<std::pair<std::string, std::string>>& pairs);

} // namespace bench
