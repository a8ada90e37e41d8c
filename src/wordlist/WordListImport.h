// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/TextDecoding.h"
#include "wordlist/CsvReader.h"
#include "wordlist/WordListRules.h"

#include "data/Error.h"
#include "data/Progress.h"
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>

namespace wordlist {

// A list that cannot be read or imported. The message names the file, and the line when
// one is at fault; nothing was added.
class WordListError : public data::Error {
  public:
    using Error::Error;
};

// How to read a list. Unset choices are detected from the file.
struct ListOptions {
    std::optional<char> separator;
    std::optional<bool> header;
    std::optional<data::TextEncoding> encoding; // unset: as the file was read
    ColumnChoice columns;
    QString setName; // empty: from the file's name
};

// What is known of a list file before it is previewed or imported. The file itself is read
// afresh, piece by piece, each time, so that a long list is never held in memory whole.
struct ListFile {
    QString path;
    data::TextEncoding requested = data::TextEncoding::Detect;
    // The encoding it is read in; its badLine is not 0 when the bytes decide none (a stray
    // byte in UTF-8), and then nothing below was detected.
    data::ResolvedEncoding encoding;
    qint64 size = 0;
    char separator = '\t'; // detected
    bool header = false;   // detected, for the default columns
    // The header was guessed from its words, not the exact line export-list writes, so the
    // learner is told which line it was.
    bool headerGuessed = false;
    CsvRow firstRow; // as split by the detected separator
};

// Looks at the file: its encoding (as given, or detected), separator and header. Throws
// WordListError when it is not a regular file or cannot be read.
ListFile readListFile(const QString& path,
                      data::TextEncoding encoding = data::TextEncoding::Detect);

// The first rows of a list as they would become cards (the header, if any, left out), and
// how many cards the whole list makes.
struct PreviewRow {
    int line = 0;
    QStringList fields;
    ListCard card;
};
struct ListPreview {
    QStringList header; // the header's fields, when the list has one
    int headerLine = 0; // and its line
    QList<PreviewRow> rows;
    int columnCount = 0; // the most fields of any row shown
    int cards = 0;       // the cards the whole file makes
    int skipped = 0;     // and the rows of it that make none
    QString problem;     // a reading problem met anywhere in the file
};
ListPreview previewList(const ListFile& file, char separator, bool header,
                        const ColumnChoice& columns, int maxRows);

struct ListImportOutcome {
    QString setName;
    int cards = 0;
    int skipped = 0;
    // Not empty when a first line was taken as a header by a guess: which one it was.
    QString guessedHeader;
    bool nameCut = false; // the set name was cut to its longest
};

// Adds one new set holding one card per usable row, all in one transaction: rows with an
// empty question or answer (once made storable), too few fields, or the multiple-answer mark
// as their only answer are skipped and counted. The set's name is made unique. Throws
// WordListError, with nothing added, when the list cannot be read, has no usable row, or is
// cancelled (the progress counts the file's bytes).
ListImportOutcome importList(const QSqlDatabase& db, const ListFile& file,
                             const ListOptions& options, const data::Progress& progress = {});

// The separator named on a command line or typed by the learner: "tab", "\t", or one
// character other than a quote or a line break. Empty when the text names none.
[[nodiscard]] std::optional<char> separatorFromText(const QString& text);

} // namespace wordlist
