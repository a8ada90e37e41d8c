// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/LockWait.h"

#include "data/FastQuery.h"
#include "data/Sql.h"

#include <atomic>
#include <chrono>
#include <sqlite3.h>
#include <thread>

namespace data {
namespace {

using WaitClock = std::chrono::steady_clock;
// When a connection last looked for the lock, as ticks of WaitClock.
std::atomic<WaitClock::rep> lastLook{0};

int lookAgainSoon(void*, int tries) {
    if (tries >= kLockWaitMs)
        return 0;
    lastLook.store(WaitClock::now().time_since_epoch().count(), std::memory_order_relaxed);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return 1;
}

void setWait(const QSqlDatabase& db, bool wait) {
    if (sqlite3* raw = sameLibraryHandle(db)) {
        sqlite3_busy_handler(raw, wait ? &lookAgainSoon : nullptr, nullptr);
        return;
    }
    exec(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(wait ? kLockWaitMs : 0));
}

} // namespace

bool anotherConnectionWaits() {
    // A waiter looks every millisecond; one that looked within the last few still waits.
    const WaitClock::duration since = WaitClock::now().time_since_epoch() -
                                      WaitClock::duration(lastLook.load(std::memory_order_relaxed));
    return since < std::chrono::milliseconds(3);
}

void waitForLock(const QSqlDatabase& db) {
    setWait(db, true);
}

NoLockWait::NoLockWait(const QSqlDatabase& db) : db_(db) {
    setWait(db_, false);
}

NoLockWait::~NoLockWait() {
    try {
        setWait(db_, true);
    } catch (const DbError&) {
        // A closed connection has nothing to wait for.
    }
}

} // namespace data
