// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace app {

struct CommandLine {
    QString databasePath = QStringLiteral("VIze.mdb");
    bool userData = false; // --user-data: the database in the user's data folder
    bool showHelp = false;
    bool showVersion = false;
    QString language;        // --lang: the interface's language for this run; empty: the chosen one
    QString command;         // empty: open the program window
    QStringList commandArgs; // the words after the command's name, for the command to read
    QString error;           // a message for the user when the arguments cannot be understood
};

// Reads the program's arguments (without the program name). Options come first; the first
// other word names a command (see Commands.h), and everything after it belongs to it.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace app
