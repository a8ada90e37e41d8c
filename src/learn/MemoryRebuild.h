// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>

namespace learn {

// Keeps the memory state matching the log, off the window's thread: each request checks, on a
// thread and connection of their own, whether the log changed since the state was built (any
// program may have changed it) and builds it again if so. Asked again while it runs, it runs
// once more after, never twice at once.
class MemoryRebuild : public QObject {
    Q_OBJECT
  public:
    explicit MemoryRebuild(QString databasePath, QObject* parent = nullptr);
    ~MemoryRebuild() override; // waits for a run still going

    void request();
    bool isRunning() const;

  signals:
    // On the thread that asked, after a run that wrote the state afresh.
    void rebuilt();
    // On the thread that asked: why the state could not be built (it stays as it was).
    void failed(const QString& message);

  private:
    QString path_;
    QPointer<QThread> thread_;
    bool again_ = false;

    void start();
};

} // namespace learn
