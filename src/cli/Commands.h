// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Progress.h"

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace data {
class DatabaseLock;
}

namespace cli {

// What a command is given: the database named by --db and the words after its name.
struct CommandContext {
    QString databasePath;
    QStringList args;
};

// A command runs under a QCoreApplication, without a window or a display. It prints one
// line saying what was done and returns 0, or prints its message on standard error and
// returns non-zero (1 for a failure, 2 for words it does not understand).
using CommandFunction = int (*)(const CommandContext&);

// One option of a command. Declared once, beside the command: the parse, the usage and
// --help all read it. Its texts (and the entry's) are English, marked with
// QT_TRANSLATE_NOOP("Commands", ...): the table is made before a language is loaded, so they
// are translated where they are shown (commandText).
struct CommandOption {
    QString word;         // "--set"; "--header|--no-header" for switches that undo each other
    QString value = {};   // what its value is called in the usage ("NAME"); empty for a switch
    QString missing = {}; // said when the value is missing; "<word> needs a value" when empty
};

struct CommandSyntax {
    QString operands = {}; // "FILE", "SETNAME FILE", "[FILE]": one word per operand at most
    std::vector<CommandOption> options = {};
    bool optionsFirst = false; // "import [--with-log] FILE" rather than "FILE [--swap]"
    // Said of a word that is none of the options, and of an operand too many ("%1" is the
    // word); empty for "Unknown argument" and "<command> takes one file".
    QString unknownWord = {};
    QString extraWord = {};
};

struct CommandEntry {
    QString name; // the word on the command line
    CommandSyntax syntax;
    QString summary; // one line for --help
    CommandFunction run;
};

// A text of a command's table in the language in use.
QString commandText(const QString& source);

// "import-list FILE [--set NAME] ...": the command's line as its syntax declares it.
QString usageOf(const CommandEntry& command);

// The words after a command's name, sorted by its syntax.
struct CommandArgs {
    QStringList operands;
    // Each option given, under the word it is declared by, with its value; a switch's value
    // is the word used. The last one given wins.
    QHash<QString, QString> options;
    // Why the words cannot be used (the first fault): empty when they can.
    QString misuse;

    bool has(const QString& word) const { return options.contains(word); }
    QString value(const QString& word) const { return options.value(word); }
};
[[nodiscard]] CommandArgs parseArgs(const CommandEntry& command, const QStringList& args);

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

// The database a command works on, opened as the main connection (an existing one: never
// created) for as long as this lives. A command that writes takes the per-file lock first,
// so it never runs beside a program window on the same file; one that only reads takes
// none, and works while the program has the file open.
class CommandDatabase {
  public:
    enum class Access { Read, Write };
    CommandDatabase(const QString& path, Access access);
    ~CommandDatabase();
    CommandDatabase(const CommandDatabase&) = delete;
    CommandDatabase& operator=(const CommandDatabase&) = delete;

    // Empty when the database is open; otherwise the message saying why not.
    [[nodiscard]] const QString& refusal() const { return refusal_; }

  private:
    std::unique_ptr<data::DatabaseLock> lock_;
    QString refusal_;
};

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
    data::Progress callback();
    void finish();

  private:
    QElapsedTimer clock_;
    bool terminal_;
};

// The end of a command that adds what it read from `file`: locks and opens the database,
// runs `store` (one transaction) with its progress on the terminal and prints the line it
// returns. A failure adds nothing and is printed; a failure of the database names the file,
// as its own message cannot.
[[nodiscard]] int addFromFile(const CommandContext& context, const QString& file,
                              const std::function<QString(const data::Progress&)>& store);

} // namespace cli
