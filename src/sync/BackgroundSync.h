// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/Sync.h"

#include <QObject>
#include <QPointer>
#include <QThread>

namespace syncing {

// Syncs the database with its folder on a thread of its own, through a connection
// of its own, so the window never waits for it; a reply stored meanwhile gets the lock after
// the step at hand. Asked again while it runs, it runs once more when it ends (the changes
// asked for may have come after it read), never twice at once.
class BackgroundSync : public QObject {
    Q_OBJECT
  public:
    // With `folder` empty, the folder the database remembers.
    explicit BackgroundSync(QString databasePath, QString folder = {}, QObject* parent = nullptr);
    ~BackgroundSync() override; // waits for a sync still running

    void request();
    bool isRunning() const;
    // At close: waits at most `ms` for a sync still running; true when none runs any more.
    // A sync asked for meanwhile is not started; one still running then stops after the step
    // at hand, and the next start goes on from there.
    bool finishWithin(int ms);

  signals:
    // On the thread that asked, after each sync.
    void finished(const syncing::SyncSummary& summary);

  private:
    QString path_;
    QString folder_;
    QPointer<QThread> thread_;
    bool again_ = false;
    bool closing_ = false;
    std::atomic<bool> stop_{false};

    void start();
    // On the sync's own thread.
    SyncSummary syncOnce() const;
};

} // namespace syncing
