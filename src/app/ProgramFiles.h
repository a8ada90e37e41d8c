// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace app {

// The database with --user-data: VIze.mdb in the user's data folder, which is made when
// missing. Empty, with `error` set, when the folder cannot be made.
QString userDatabasePath(QString* error);

// The "Files" part of --help: the folders this program uses, as found on this machine.
// Needs the application object (it reads the program's folder).
QString filesText();

} // namespace app
