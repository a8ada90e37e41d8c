// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/BackgroundSync.h"

#include <QFileSystemWatcher>
#include <QTimer>
#include <functional>

namespace syncing {

// When the window syncs: at start, when a bunch or pass ends, every five minutes while
// changes wait to be sent, and when another machine's files arrive in the folder (after
// they have settled, so a file still being copied is not read). Never while a reply is being
// judged: a sync asked for meanwhile waits until the judging ends. Each sync runs on
// BackgroundSync's thread.
class SyncScheduler : public QObject {
    Q_OBJECT
  public:
    struct Hooks {
        std::function<bool()> changesWaiting; // this machine has changes not sent yet
        std::function<QString()> ownId; // this machine's replica id; empty before the first sync
    };
    SyncScheduler(const QString& databasePath, QString folder, Hooks hooks,
                  QObject* parent = nullptr);

    void start();
    void bunchEnded();
    // Something the learner did here should travel soon (a lost text brought back).
    void syncSoon();
    bool isSyncing() const { return sync_.isRunning(); }
    void setJudging(bool judging);
    // At close: no new sync; waits at most `ms` for one still running.
    bool close(int ms);

    // Tests shorten the waits.
    void setIntervalsForTesting(int settleMs, int waitingMs);

  signals:
    void synced(const syncing::SyncSummary& summary);

  private:
    BackgroundSync sync_;
    QString folder_;
    Hooks hooks_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QTimer waiting_;
    bool judging_ = false;
    bool asked_ = false;
    bool closed_ = false;

    void ask();
    void watchFolders();
};

} // namespace syncing
