// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Form1State.h"
#include "sync/Sync.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;

namespace learn {
class QuestionLoop;
class UndoLastReply;
} // namespace learn

namespace syncing {
class SyncScheduler;
}

namespace window {

class LostEditsWindow;
class SyncFolderWindow;
class SyncTakeIn;

// File > Sync: the Sync folder window and the edits that lost, the status-bar panel that
// says how the sync stands, and the automatic sync itself while a folder is set. Without a
// folder nothing on screen changes: no panel, no sync.
class SyncMenu : public QObject {
    Q_OBJECT
  public:
    SyncMenu(present::Form1State& s, learn::QuestionLoop& loop, learn::UndoLastReply& undo,
             QWidget* window);
    ~SyncMenu() override;

    // Once the window has been painted: syncing begins when a folder is set.
    void start();
    // At close: waits at most `ms` for a sync still running; the rest waits for the next start.
    void close(int ms);

    void openFolderWindow();
    void openLostEdits();

    QLabel* panel() const { return panel_; }
    SyncTakeIn& takeIn() { return *takeIn_; }
    // While a folder is set and the window has started syncing.
    syncing::SyncScheduler* scheduler() const { return scheduler_.get(); }
    SyncFolderWindow* folderWindow() const;
    LostEditsWindow* lostEditsWindow() const;
    // Tests shorten the scheduler's waits.
    void setIntervalsForTesting(int settleMs, int waitingMs);

  signals:
    // After each sync, once the window has taken in what it brought.
    void synced(const syncing::SyncSummary& summary);

  protected:
    // Follows the main window's language changes.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void retranslate();
    void useFolder(const QString& folder);
    void finished(const syncing::SyncSummary& summary);
    void showStatus();
    void sayWhenSafe();
    bool changesWaiting() const;

    present::Form1State& s_;
    QWidget* window_;
    std::unique_ptr<SyncTakeIn> takeIn_;
    std::unique_ptr<syncing::SyncScheduler> scheduler_;
    QLabel* panel_;
    QMenu* menu_ = nullptr;
    QAction* folderEntry_ = nullptr;
    QAction* lostEntry_ = nullptr;
    QPointer<SyncFolderWindow> folderWindow_;
    QPointer<LostEditsWindow> lostEdits_;
    QString folder_;
    bool started_ = false;
    bool closed_ = false;
    int settleMs_ = -1;
    int waitingMs_ = -1;
    // What the panel says.
    std::vector<syncing::MachineStatus> machines_;
    QDateTime lastSync_;
    bool synced_ = false;
    bool reachable_ = true;
    int newlyLost_ = 0;
    QTimer minute_;
    // Problems are said once a run, and never while a reply is judged.
    QSet<QString> said_;
    QStringList toSay_;
};

} // namespace window
