// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/Clock.h"

namespace learn {
namespace {
std::optional<QDateTime> fixedNow;
}

QDateTime now() {
    return fixedNow ? *fixedNow : QDateTime::currentDateTime();
}

void setNowForTesting(std::optional<QDateTime> fixed) {
    fixedNow = std::move(fixed);
}

} // namespace learn
