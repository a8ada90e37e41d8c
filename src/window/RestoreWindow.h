// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Backups.h"
#include "present/Form1State.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QAction;
class QPushButton;
class QTableWidget;

namespace window {

// File > "Restore from backup...": the backups of the open database with what each holds,
// and the copies earlier restores and the damaged-file offer kept beside it, marked as such;
// the chosen one replaces the database after a confirmation, the current file being kept as
// "<file>.before-restore-<time>" (so a restore is undone from the same list), and the window
// shows the restored sets.
class RestoreWindow : public QDialog {
    Q_OBJECT
  public:
    RestoreWindow(present::Form1State& s, QWidget* parent);

    QTableWidget* list() const { return list_; }
    QPushButton* restoreButton() const { return restore_; }
    const QList<data::BackupFile>& backups() const { return backups_; }

    void restoreChosen();

  private:
    void fill();

    present::Form1State& s_;
    QString databasePath_;
    QList<data::BackupFile> backups_;
    QTableWidget* list_;
    QPushButton* restore_;
};

// Puts the entry in the File menu and opens the window.
class RestoreMenu : public QObject {
    Q_OBJECT
  public:
    RestoreMenu(present::Form1State& s, QWidget* window);
    RestoreWindow* restoreWindow() const { return window_; }

  protected:
    bool event(QEvent* e) override;

  private:
    present::Form1State& s_;
    QWidget* owner_;
    QAction* entry_ = nullptr;
    QPointer<RestoreWindow> window_;
};

} // namespace window
