// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Backups.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>

namespace data {

// The full check of the database (PRAGMA quick_check) and then, when the file is sound and a
// backup is due, a backup, on a thread of its own, so the window never waits for them. It
// reads through a connection of its own; the learner's writes go on meanwhile. A damaged
// file is never copied: a backup of it would only push good ones out of the rotation.
class BackgroundBackup : public QObject {
    Q_OBJECT
  public:
    explicit BackgroundBackup(QObject* parent = nullptr);
    ~BackgroundBackup() override; // waits for a backup still running

    // Starts the check, and the backup when one is due (Backups.h) or `always`; returns at
    // once.
    void start(const QString& databasePath, bool always = false);
    bool isRunning() const;

    // Waits for every background backup of this program (before the database file is
    // replaced, for instance).
    static void waitForAll();

  signals:
    // On the thread that started the backup, when it ends.
    void finished(const data::BackupResult& result);

  private:
    QPointer<QThread> thread_;
    BackupResult result_;
};

// Runs on the backup's own thread before its work, for tests that hold a backup midway.
void setBackgroundHookForTesting(std::function<void()> hook);

} // namespace data
