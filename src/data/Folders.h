// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace data {

// The folder of the program's own files (help pages, pictures) for a program in
// `programFolder`: "../share/memorant" when installed (prefix/bin beside prefix/share), or
// "assets", the copy the build puts beside the executable. Empty when neither holds them;
// the copies compiled into the program are used then.
QString assetFolder(const QString& programFolder);
QString assetFolder(); // for the running program

// The user's data folder (QStandardPaths::AppDataLocation): the database with --user-data,
// and the place for the user's own sounds when the program is installed.
QString userDataFolder();

// Where "Object N.wav" files are looked for, first match wins: "sounds" beside the program,
// then "sounds" in the user's data folder.
QStringList soundFolders();

} // namespace data
