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

#include <QCoreApplication>
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

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

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

QString commandText(const QString& source) {
    return QCoreApplication::translate("Commands", source.toUtf8().constData());
}

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
        return text.isEmpty() ? fallback : commandText(text).replace(QStringLiteral("%1"), word);
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
                parsed.misuse = option->missing.isEmpty() ? Text::tr("%1 needs a value").arg(word)
                                                          : commandText(option->missing);
        } else if (word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            parsed.misuse =
                fault(syntax.unknownWord, Text::tr("Unknown argument \"%1\"").arg(word), word);
        } else if (parsed.operands.size() < maxOperands) {
            parsed.operands << word;
        } else {
            parsed.misuse =
                fault(syntax.extraWord,
                      Text::tr("%1 takes one file; \"%2\" is one too many").arg(command.name, word),
                      word);
        }
    }
    return parsed;
}

int runCommand(const CommandEntry& command, const CommandContext& context) {
    if (context.args.contains(QStringLiteral("--help"))) {
        commandOut() << Text::tr("Usage: memorant [--db PATH] %1").arg(usageOf(command)) << "\n\n"
                     << commandText(command.summary) << Qt::endl;
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
        return commandMisused(
            QCoreApplication::translate("Commands", "%1 needs the set's name and the file")
                .arg(command));
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
            const QString line =
                QCoreApplication::translate("Commands", "Importing... %1%").arg(percent, 3);
            std::fprintf(stderr, "\r%s", line.toLocal8Bit().constData());
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
        failure =
            Text::tr("%1: nothing was added (%2)").arg(QFileInfo(file).fileName(), e.message());
    } catch (const data::Error& e) {
        failure = e.message();
    }
    progress.finish(); // the message starts a line of its own
    return commandFailed(failure);
}

QString usageText() {
    // The lines of every command start under the program's name in the first one.
    const QString first = Text::tr("Usage: memorant [--db PATH | --user-data]");
    const QString indent(std::max(qsizetype(0), first.indexOf(QStringLiteral("memorant"))),
                         QLatin1Char(' '));
    QString text = first + QLatin1Char('\n');
    for (const CommandEntry& c : commands())
        text += indent + QStringLiteral("memorant [--db PATH] %1\n").arg(usageOf(c));
    // Each option with what it does beside it; the lines a translation breaks it into stay
    // in that column.
    const QString column(14, QLatin1Char(' '));
    const auto option = [&](const QString& words, const QString& what) {
        return QStringLiteral("  %1 %2\n")
            .arg(words.leftJustified(11),
                 QString(what).replace(QStringLiteral("\n"), QLatin1Char('\n') + column));
    };
    text += QLatin1Char('\n');
    text += option(QStringLiteral("--db PATH"),
                   Text::tr("the database file (default: VIze.mdb in the current folder);\n"
                            "a missing file is created with a sample set when the window opens;\n"
                            "commands never create one"));
    text += option(QStringLiteral("--user-data"),
                   Text::tr("the database VIze.mdb in your data folder (see Files below),\n"
                            "made on first start; the menu entry uses it"));
    text += option(QStringLiteral("--lang CODE"),
                   Text::tr("the language of the texts for this run only: en, de, fr or es"));
    text += option(QStringLiteral("--version"), Text::tr("print the version"));
    text += option(QStringLiteral("--help"), Text::tr("print this text"));
    if (!commands().empty()) {
        text +=
            QLatin1Char('\n') + Text::tr("Commands (they need no display):") + QLatin1Char('\n');
        for (const CommandEntry& c : commands())
            text += QStringLiteral("  %1\n      %2\n").arg(usageOf(c), commandText(c.summary));
    }
    return text;
}

} // namespace cli
