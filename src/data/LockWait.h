// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>

namespace data {

// How long a connection waits for another one's write to end before giving up.
constexpr int kLockWaitMs = 3000;

// Makes a connection wait for the write lock by looking again every millisecond.
// SQLite's own wait sleeps ever longer (up to 100 ms at a time), so a reply that met a
// sync's short transactions waited many times longer than the lock was ever held. Where the
// handle is not reachable, SQLite's own wait is used.
void waitForLock(const QSqlDatabase& db);

// Whether a connection of this program is waiting for the lock now: a long piece of work
// that holds it (a sync) ends its transaction early and lets the waiter in.
bool anotherConnectionWaits();

// While one lives, the connection does not wait for the lock at all: a busy database fails
// at once. The wait comes back after.
class NoLockWait {
  public:
    explicit NoLockWait(const QSqlDatabase& db);
    ~NoLockWait();
    NoLockWait(const NoLockWait&) = delete;
    NoLockWait& operator=(const NoLockWait&) = delete;

  private:
    QSqlDatabase db_;
};

} // namespace data
