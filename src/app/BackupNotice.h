#pragma once

#include "data/BackgroundBackup.h"
#include "present/Dialogs.h"

namespace app {

// The automatic backup after opening: started at once on its own thread when one is due. A
// failure is written to standard error and shown once per run in a message box (when there
// is a display: `dialogs` not null); the learner works on either way.
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
};

} // namespace app
