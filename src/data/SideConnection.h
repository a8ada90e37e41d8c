// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/FileLock.h"

#include <QSqlDatabase>
#include <QString>

namespace data {

// A connection of its own to a database file, for one job on the calling thread (a backup, a
// check, a look into a backup). It never touches the main connection and is removed when it
// goes out of scope. Read-only unless asked otherwise, so looking cannot change the file.
// SQLite makes -wal and -shm files beside a file in WAL mode for a reader too, and a reader
// cannot remove them: a read-only connection removes those it made, still empty, when no
// program holds the file, so looking into a kept copy leaves nothing beside it.
class SideConnection {
  public:
    explicit SideConnection(const QString& path, bool readOnly = true);
    ~SideConnection();
    SideConnection(const SideConnection&) = delete;
    SideConnection& operator=(const SideConnection&) = delete;

    // Empty when open; otherwise SQLite's reason.
    [[nodiscard]] QString open();
    QSqlDatabase db() const;

  private:
    QString name_;
    QString path_;
    bool tidyLogs_ = false; // read-only, and no log beside the file when it began
    // On the file's folder, held shared while tidyLogs_: the logs go only when no other
    // such reader holds it too. Not on the file itself, where a program that starts meanwhile
    // takes its own lock.
    FileLock readers_;
};

} // namespace data
