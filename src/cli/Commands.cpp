// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "cli/BackupCommands.h"
#include "cli/DeckCommands.h"
#include "cli/DueCommand.h"
#include "cli/ExchangeCommands.h"
#include "cli/StatsCommand.h"
#include "cli/SyncCommand.h"
#include "cli/WordListCommands.h"
#include "data/Database.h"
#include "data/DatabaseLock.h"
#include "data/RegularFile.h"
#include "data/Sql.h"

#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace cli {

const std::vector<CommandEntry>& commands() {
    // Each command declares itself, its options included, in its own file.
    static const std::vector<CommandEntry> table = {
        exportEntry(),     importEntry(),     backupEntry(), checkEntry(),
        importListEntry(), exportListEntry(), statsEntry(),  importDeckEntry(),
        exportDeckEntry(), syncEntry(),       dueEntry(),
    };
    return table;
}

const CommandEntry* findCommand(const QString& name) {
    for (const CommandEntry& c : commands()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

namespace {

QTextStream*& currentOut() {
    static QTextStream standard(stdout);
    static QTextStream* current = &standard;
    return current;
}

QTextStream*& currentErr() {
    static QTextStream standard(stderr);
    static QTextStream* current = &standard;
    return current;
}

} // namespace

QTextStream& commandOut() {
    return *currentOut();
}

QTextStream& commandErr() {
    return *currentErr();
}

CommandStreams::CommandStreams(QString* out, QString* err)
    : out_(out), err_(err), previousOut_(currentOut()), previousErr_(currentErr()) {
    currentOut() = &out_;
    currentErr() = &err_;
}

CommandStreams::~CommandStreams() {
    currentOut() = previousOut_;
    currentErr() = previousErr_;
}

QString usageOf(const CommandEntry& command) {
    QStringList words{command.name};
    if (!command.syntax.optionsFirst && !command.syntax.operands.isEmpty())
        words << command.syntax.operands;
    for (const CommandOption& option : command.syntax.options)
        words << QStringLiteral("[%1]").arg(
            option.value.isEmpty() ? option.word : option.word + QLatin1Char(' ') + option.value);
    if (command.syntax.optionsFirst && !command.syntax.operands.isEmpty())
        words << command.syntax.operands;
    return words.join(QLatin1Char(' '));
}

CommandArgs parseArgs(const CommandEntry& command, const QStringList& args) {
    const CommandSyntax& syntax = command.syntax;
    const qsizetype maxOperands =
        syntax.operands.isEmpty() ? 0 : syntax.operands.split(QLatin1Char(' ')).size();
    const auto fault = [](const QString& text, const QString& fallback, const QString& word) {
        return QString(text.isEmpty() ? fallback : text).replace(QStringLiteral("%1"), word);
    };
    CommandArgs parsed;
    for (qsizetype i = 0; i < args.size() && parsed.misuse.isEmpty(); ++i) {
        const QString& word = args[i];
        const auto option =
            std::find_if(syntax.options.begin(), syntax.options.end(), [&](const CommandOption& o) {
                return o.word.split(QLatin1Char('|')).contains(word);
            });
        if (option != syntax.options.end() && option->value.isEmpty()) {
            parsed.options[option->word] = word;
        } else if (option != syntax.options.end()) {
            if (i + 1 < args.size())
                parsed.options[option->word] = args[++i];
            else
                parsed.misuse = option->missing.isEmpty()
                                    ? QStringLiteral("%1 needs a value").arg(word)
                                    : option->missing;
        } else if (word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            parsed.misuse =
                fault(syntax.unknownWord, QStringLiteral("Unknown argument \"%1\""), word);
        } else if (parsed.operands.size() < maxOperands) {
            parsed.operands << word;
        } else {
            parsed.misuse = fault(syntax.extraWord,
                                  command.name + QStringLiteral(" takes one file; \"%1\" is one "
                                                                "too many"),
                                  word);
        }
    }
    return parsed;
}

int runCommand(const CommandEntry& command, const CommandContext& context) {
    if (context.args.contains(QStringLiteral("--help"))) {
        commandOut() << "Usage: memorant [--db PATH] " << usageOf(command) << "\n\n"
                     << command.summary << Qt::endl;
        return 0;
    }
    return command.run(context);
}

int commandDone(const QString& line) {
    commandOut() << line << Qt::endl;
    return 0;
}

int commandFailed(const QString& message) {
    commandErr() << "memorant: " << message << Qt::endl;
    return 1;
}

int commandMisused(const QString& message) {
    commandErr() << "memorant: " << message << "\n\n" << usageText() << Qt::flush;
    return 2;
}

CommandDatabase::CommandDatabase(const QString& path, Access access) {
    if (access == Access::Write) {
        lock_ = std::make_unique<data::DatabaseLock>(path);
        refusal_ = lock_->acquire();
        if (!refusal_.isEmpty())
            return;
    }
    const data::OpenOutcome opened = data::openDatabase(path, /*createIfMissing=*/false);
    if (!opened.ok)
        refusal_ = opened.message;
}

CommandDatabase::~CommandDatabase() = default;

std::optional<int> openForSetExport(const CommandContext& context, const QString& command) {
    if (context.args.size() != 2)
        return commandMisused(QStringLiteral("%1 needs the set's name and the file").arg(command));
    const QString special = data::specialFileRefusal(context.args[1], data::FileUse::Write);
    if (!special.isEmpty())
        return commandFailed(special);
    const CommandDatabase db(context.databasePath, CommandDatabase::Access::Read);
    if (!db.refusal().isEmpty())
        return commandFailed(db.refusal());
    return std::nullopt;
}

TerminalProgress::TerminalProgress() : terminal_(isatty(fileno(stderr))) {
    clock_.start();
}

data::Progress TerminalProgress::callback() {
    if (!terminal_)
        return {};
    return [this](qint64 done, qint64 total) {
        if (clock_.elapsed() >= 500) {
            const int percent =
                total > 0 ? static_cast<int>(std::min(done, total) * 100 / total) : 100;
            std::fprintf(stderr, "\rImporting... %3d%%", percent);
            std::fflush(stderr);
        }
        return true;
    };
}

void TerminalProgress::finish() {
    if (terminal_ && clock_.elapsed() >= 500)
        std::fprintf(stderr, "\n");
}

int addFromFile(const CommandContext& context, const QString& file,
                const std::function<QString(const data::Progress&)>& store) {
    const CommandDatabase db(context.databasePath, CommandDatabase::Access::Write);
    if (!db.refusal().isEmpty())
        return commandFailed(db.refusal());
    TerminalProgress progress;
    QString failure;
    try {
        const QString line = store(progress.callback());
        progress.finish();
        return commandDone(line);
    } catch (const data::DbError& e) {
        failure = QStringLiteral("%1: nothing was added (%2)")
                      .arg(QFileInfo(file).fileName(), e.message());
    } catch (const data::Error& e) {
        failure = e.message();
    }
    progress.finish(); // the message starts a line of its own
    return commandFailed(failure);
}

QString usageText() {
    QString text = QStringLiteral("Usage: memorant [--db PATH | --user-data]\n");
    for (const CommandEntry& c : commands())
        text += QStringLiteral("       memorant [--db PATH] %1\n").arg(usageOf(c));
    text += QStringLiteral("\n"
                           "  --db PATH   the database file (default: VIze.mdb in the current "
                           "folder);\n"
                           "              a missing file is created with a sample set when the "
                           "window opens;\n"
                           "              commands never create one\n"
                           "  --user-data the database VIze.mdb in your data folder (see Files "
                           "below),\n"
                           "              made on first start; the menu entry uses it\n"
                           "  --version   print the version\n"
                           "  --help      print this text\n");
    if (!commands().empty()) {
        text += QStringLiteral("\nCommands (they need no display):\n");
        for (const CommandEntry& c : commands())
            text += QStringLiteral("  %1\n      %2\n").arg(usageOf(c), c.summary);
    }
    return text;
}

} // namespace cli
