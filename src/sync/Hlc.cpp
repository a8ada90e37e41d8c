// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Hlc.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <algorithm>
#include <atomic>
#include <optional>

namespace syncing {
namespace {
std::atomic<qint64> shift{0};
std::atomic<qint64> stoppedClock{0};
std::optional<QRandomGenerator64> seededIds;
} // namespace

QString Hlc::next(qint64 wallMs) {
    // The milliseconds in the high bits, a count of changes within one millisecond in the low
    // 16: many changes at once do not push the clock ahead of the time.
    const qint64 wall = wallMs << 16;
    last_ = wall > last_ ? wall : last_ + 1;
    return stampOf(last_, replica_);
}

void Hlc::observe(const QString& stamp) {
    last_ = std::max(last_, readingOf(stamp));
}

QString stampOf(qint64 reading, const QString& replica) {
    return QStringLiteral("%1").arg(static_cast<quint64>(reading), 16, 16, QLatin1Char('0')) +
           replica;
}

qint64 readingOf(const QString& stamp) {
    bool ok = false;
    const qint64 reading = static_cast<qint64>(stamp.left(16).toULongLong(&ok, 16));
    return ok ? reading : 0;
}

QString replicaOf(const QString& stamp) {
    return stamp.mid(16);
}

qint64 wallClockMs() {
    const qint64 stopped = stoppedClock.load();
    return (stopped != 0 ? stopped : QDateTime::currentMSecsSinceEpoch()) + shift.load();
}

QString nowText() {
    return QDateTime::fromMSecsSinceEpoch(wallClockMs(), Qt::UTC).toString(Qt::ISODate);
}

void setClockForTesting(qint64 ms) {
    stoppedClock.store(ms);
}

void setIdSeedForTesting(quint64 seed) {
    if (seed == 0)
        seededIds.reset();
    else
        seededIds.emplace(seed);
}

void setClockShiftForTesting(qint64 ms) {
    shift.store(ms);
}

qint64 clockShift() {
    return shift.load();
}

QString newId() {
    quint32 words[4];
    if (seededIds)
        seededIds->fillRange(words);
    else
        QRandomGenerator::system()->fillRange(words);
    QString id;
    for (quint32 w : words)
        id += QStringLiteral("%1").arg(w, 8, 16, QLatin1Char('0'));
    return id;
}

} // namespace syncing
