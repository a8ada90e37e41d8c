// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/BackgroundBackup.h"
#include "present/Form1State.h"

#include <QObject>

class QAction;

namespace window {

// File > "Back up now": a backup at once, on the backup's own thread with the usual rotation,
// then a box that says where it was written (or why not). The entry is off while it runs.
class BackupNowMenu : public QObject {
    Q_OBJECT
  public:
    BackupNowMenu(present::Form1State& s, QWidget* window);

    QAction* entry() const { return entry_; }
    data::BackgroundBackup& job() { return job_; }

  protected:
    bool event(QEvent* e) override;

  private:
    void backUpNow();
    void finished(const data::BackupResult& result);

    present::Form1State& s_;
    QAction* entry_;
    data::BackgroundBackup job_;
};

} // namespace window
