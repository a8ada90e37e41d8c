// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>
#include <vector>

namespace data {
class DatabaseLock;
}

namespace app {

// What a command is given: the database named by --db and the words after its name.
struct CommandContext {
    QString databasePath;
    QStringList args;
};

// A command runs under a QCoreApplication, without a window or a display. It prints one
// line saying what was done and returns 0, or prints its message on standard error and
// returns non-zero (1 for a failure, 2 for words it does not understand).
using CommandFunction = int (*)(const CommandContext&);

struct CommandEntry {
    QString name;    // the word on the command line
    QString usage;   // e.g. "export FILE"
    QString summary; // one line for --help
    CommandFunction run;
};

// Every command the program knows, in the order --help lists them.
const std::vector<CommandEntry>& commands();
const CommandEntry* findCommand(const QString& name);

// The program's usage: its options and every command.
QString usageText();

// Runs the command: its usage for --help, otherwise the command itself.
int runCommand(const CommandEntry& command, const CommandContext& context);

// Where the commands write: standard output and standard error, unless a test has pointed
// them elsewhere with CommandStreams.
QTextStream& commandOut();
QTextStream& commandErr();

// While it lives, the commands write into the two strings instead, so a test can run them
// in its own process.
class CommandStreams {
  public:
    CommandStreams(QString* out, QString* err);
    ~CommandStreams();
    CommandStreams(const CommandStreams&) = delete;
    CommandStreams& operator=(const CommandStreams&) = delete;

  private:
    QTextStream out_;
    QTextStream err_;
    QTextStream* previousOut_;
    QTextStream* previousErr_;
};

// Helpers for commands.
int commandDone(const QString& line);       // prints the line on stdout; returns 0
int commandFailed(const QString& message);  // prints "memorant: message" on stderr; 1
int commandMisused(const QString& message); // like commandFailed, with the usage; 2

// Opens an existing database (never creates one) as the main connection. With `lock`, also
// takes the per-file lock first, so a command that writes never runs beside a program window
// on the same file. Returns an empty string, or the message saying why not.
[[nodiscard]] QString openForCommand(const QString& path, data::DatabaseLock* lock);

// The start of a command that writes one set to a file (`command SETNAME FILE`): checks its
// words and the file, and opens the database without a lock (an export only reads, so it
// works while the program has the file open). Returns the exit status when it cannot go on.
[[nodiscard]] std::optional<int> openForSetExport(const CommandContext& context,
                                                  const QString& command);

// How far a long import has come ("Importing... 42%"), on a terminal only and once it has
// taken half a second. finish() ends the line it drew.
class TerminalProgress {
  public:
    TerminalProgress();
    // Nothing (no progress to report) when standard error is not a terminal.
    std::function<bool(int permille)> callback();
    void finish();

  private:
    QElapsedTimer clock_;
    bool terminal_;
};

// A database failure while a file was being added: nothing was added, and the file is named.
int nothingAdded(const QString& file, const QString& why);

} // namespace app
