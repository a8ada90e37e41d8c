// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/WordListCommands.h"

#include "data/Database.h"
#include "data/RegularFile.h"
#include "data/Sql.h"
#include "sets/rules/StoredText.h"
#include "wordlist/WordListExport.h"
#include "wordlist/WordListImport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace cli {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

const char* const kSetMissing =
    QT_TRANSLATE_NOOP("Commands", "--set needs the name of the new set");
const char* const kEncodingMisuse =
    QT_TRANSLATE_NOOP("Commands", "--encoding takes utf-8, utf-16 or windows-1252");

// The options of import-list as the import takes them; an error message, or empty.
QString readOptions(const CommandArgs& args, wordlist::ListOptions& options) {
    options.setName = args.value(QStringLiteral("--set"));
    if (args.has(QStringLiteral("--set")) && options.setName.trimmed().isEmpty())
        return Text::tr(kSetMissing);
    if (args.has(QStringLiteral("--separator"))) {
        const QString given = args.value(QStringLiteral("--separator"));
        options.separator = wordlist::separatorFromText(given);
        if (!options.separator)
            return Text::tr("--separator takes one character other than a quote, or \"tab\"; "
                            "\"%1\" is none")
                .arg(given);
    }
    if (args.has(QStringLiteral("--encoding"))) {
        options.encoding = data::encodingFromText(args.value(QStringLiteral("--encoding")));
        if (!options.encoding)
            return Text::tr(kEncodingMisuse);
    }
    if (args.has(QStringLiteral("--header|--no-header")))
        options.header =
            args.value(QStringLiteral("--header|--no-header")) == QStringLiteral("--header");
    options.columns.multi = args.has(QStringLiteral("--multi"));
    if (args.operands.isEmpty())
        return Text::tr("import-list needs the file to import");
    return {};
}

} // namespace

const CommandEntry& importListEntry() {
    static const CommandEntry entry{
        QStringLiteral("import-list"),
        {.operands = QStringLiteral("FILE"),
         .options = {{.word = QStringLiteral("--set"),
                      .value = QStringLiteral("NAME"),
                      .missing = QString::fromUtf8(kSetMissing)},
                     {.word = QStringLiteral("--separator"),
                      .value = QStringLiteral("C"),
                      .missing = QString::fromUtf8(QT_TRANSLATE_NOOP(
                          "Commands", "--separator needs a character, or \"tab\""))},
                     {.word = QStringLiteral("--header|--no-header")},
                     {.word = QStringLiteral("--multi")},
                     {.word = QStringLiteral("--encoding"),
                      .value = QStringLiteral("utf-8|utf-16|windows-1252"),
                      .missing = QString::fromUtf8(kEncodingMisuse)}}},
        QString::fromUtf8(
            QT_TRANSLATE_NOOP("Commands", "add a CSV or tab-separated word list as a new set")),
        runImportList};
    return entry;
}

const CommandEntry& exportListEntry() {
    static const CommandEntry entry{QStringLiteral("export-list"),
                                    {.operands = QStringLiteral("SETNAME FILE")},
                                    QString::fromUtf8(QT_TRANSLATE_NOOP(
                                        "Commands", "write a set as a tab-separated word list")),
                                    runExportList};
    return entry;
}

int runImportList(const CommandContext& context) {
    const CommandArgs args = parseArgs(importListEntry(), context.args);
    wordlist::ListOptions options;
    const QString misuse = args.misuse.isEmpty() ? readOptions(args, options) : args.misuse;
    if (!misuse.isEmpty())
        return commandMisused(misuse);
    const QString file = args.operands.first();

    // The list is looked at before the database is locked: a file that is not a regular one
    // or that holds a stray byte is refused at once, and nothing waits on it.
    wordlist::ListFile list;
    try {
        list = wordlist::readListFile(file, options.encoding.value_or(data::TextEncoding::Detect));
    } catch (const wordlist::WordListError& e) {
        return commandFailed(e.message());
    }
    if (list.encoding.badLine > 0)
        return commandFailed(
            Text::tr("%1, line %2: this line holds a byte that is not UTF-8, though the rest of "
                     "the file is UTF-8; nothing was added. Name the file's encoding with "
                     "--encoding utf-8, utf-16 or windows-1252.")
                .arg(QFileInfo(file).fileName())
                .arg(list.encoding.badLine));

    return addFromFile(context, file, [&](const data::Progress& progress) {
        const wordlist::ListImportOutcome done =
            wordlist::importList(data::mainConnection(), list, options, progress);
        QString line =
            Text::tr("Imported %n cards from %1 into the new set \"%2\"", nullptr, int(done.cards))
                .arg(QFileInfo(file).fileName(), done.setName);
        if (done.skipped > 0)
            line += Text::tr("; %n rows skipped", nullptr, int(done.skipped));
        if (!done.guessedHeader.isEmpty())
            line += Text::tr("; %1 was taken as a header (--no-header keeps it as a card)")
                        .arg(done.guessedHeader);
        if (done.nameCut)
            line += QStringLiteral("; ") + sets::namesCutNote(1);
        return line + QLatin1Char('.');
    });
}

int runExportList(const CommandContext& context) {
    if (const std::optional<int> refused = openForSetExport(context, QStringLiteral("export-list")))
        return *refused;
    const QString& setName = context.args[0];
    const QString& file = context.args[1];
    try {
        const wordlist::ListExportOutcome done =
            wordlist::exportList(data::mainConnection(), setName, file);
        QString line =
            Text::tr("Exported %n cards of the set \"%1\" to %2.", nullptr, int(done.cards))
                .arg(setName, file);
        if (const QString note = wordlist::listExportNote(done); !note.isEmpty())
            line += QLatin1Char(' ') + note;
        return commandDone(line);
    } catch (const wordlist::WordListError& e) {
        return commandFailed(e.message());
    } catch (const data::DbError& e) {
        return commandFailed(Text::tr("The set could not be read: %1").arg(e.message()));
    }
}

} // namespace cli
