#pragma once

#include "data/Backups.h"

#include <QObject>
#include <QPointer>
#include <QThread>

namespace data {

// One backup on a thread of its own, so the window never waits for it. It reads through a
// connection of its own; the learner's writes go on meanwhile.
class BackgroundBackup : public QObject {
    Q_OBJECT
  public:
    explicit BackgroundBackup(QObject* parent = nullptr);
    ~BackgroundBackup() override; // waits for a backup still running

    // Starts a backup of the database when one is due (Backups.h); returns at once.
    bool startIfDue(const QString& databasePath);
    void start(const QString& databasePath);
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

} // namespace data
