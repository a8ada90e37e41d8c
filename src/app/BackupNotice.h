// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/BackgroundBackup.h"
#include "present/Dialogs.h"

namespace app {

// The full check and the automatic backup after opening, started at once on their own
// thread. Damage found by the check, and a failing backup, are each written to standard error
// and shown once per run in a message box (when there is a display: `dialogs` not null); the
// learner works on either way.
class BackupNotice : public QObject {
    Q_OBJECT
  public:
    BackupNotice(const QString& databasePath, present::Dialogs* dialogs, QObject* parent = nullptr);

    data::BackgroundBackup& job() { return job_; }

  private:
    void finished(const data::BackupResult& result);

    present::Dialogs* dialogs_;
    data::BackgroundBackup job_;
    bool warned_ = false;
    bool toldDamage_ = false;
    bool toldMissingMedia_ = false;
};

} // namespace app
