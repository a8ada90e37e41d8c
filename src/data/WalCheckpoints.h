// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace data {

// Checkpoints of the write-ahead log, off the window's thread. SQLite copies the log into
// the database file at the commit that takes it past 1,000 pages, on the committing
// connection: on a large file a judged reply now and then waited for that copy and its
// sync. With the checkpoint thread running, a commit past the threshold only asks the
// thread for a passive checkpoint (it never blocks a reader or a writer); nothing is
// weakened, the same pages reach the file a moment later. Should the thread fall far behind
// (a long read holding the pages), or not run at all, the committing connection checkpoints
// as SQLite would.
namespace walCheckpoints {

// Log pages that ask for a checkpoint, as SQLite's default; and the count past which the
// committing connection checkpoints itself.
constexpr int kThreshold = 1000;
constexpr int kOwnCheckpoint = 8 * kThreshold;

// Starts the thread for the database at `path` (opened already); harmless when running.
void start(const QString& path);
// Waits for a checkpoint under way and ends the thread; before the connections close.
void stop();
bool running();
// How many checkpoints the thread made since it started (for tests).
int checkpointsMade();

// Puts a connection's commits under this scheme; configureConnection calls it.
void attach(const QSqlDatabase& db);

} // namespace walCheckpoints
} // namespace data
