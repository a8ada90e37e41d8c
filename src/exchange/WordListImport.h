#pragma once

#include "exchange/TextDecoding.h"
#include "exchange/WordListRules.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>

namespace exchange {

// A list that cannot be read or imported. The message names the file, and the line when
// one is at fault; nothing was added.
class WordListError : public std::runtime_error {
  public:
    explicit WordListError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// How to read a list. Unset choices are detected from the file.
struct ListOptions {
    std::optional<char> separator;
    std::optional<bool> header;
    ColumnChoice columns;
    QString setName; // empty: from the file's name
};

// A list file read into memory, ready to preview or import.
struct ListFile {
    QString path;
    DecodedText decoded;
    char separator = '\t'; // detected
    bool header = false;   // detected, for the default columns
};

// Reads and decodes the file; throws WordListError when it cannot be read.
ListFile readListFile(const QString& path);

// The first rows of a list as they would become cards (the header, if any, left out).
struct PreviewRow {
    int line = 0;
    QStringList fields;
    ListCard card;
};
struct ListPreview {
    QStringList header; // the header's fields, when the list has one
    QList<PreviewRow> rows;
    int columnCount = 0; // the most fields of any row shown
    QString problem;     // a reading problem met within the rows shown
};
ListPreview previewList(const ListFile& file, char separator, bool header,
                        const ColumnChoice& columns, int maxRows);

// Told how far the import has come (0 to 1000); returning false cancels it.
using ListProgress = std::function<bool(int permille)>;

struct ListImportOutcome {
    QString setName;
    int cards = 0;
    int skipped = 0;
};

// Adds one new set holding one card per usable row, all in one transaction: rows with an
// empty question or answer, too few fields, or the multiple-answer mark as their only
// answer are skipped and counted. The set's name is made unique. Throws WordListError, with
// nothing added, when the list cannot be read, has no usable row, or is cancelled.
ListImportOutcome importList(const QSqlDatabase& db, const ListFile& file,
                             const ListOptions& options, const ListProgress& progress = {});

// The separator named on a command line or typed by the learner: "tab", "\t", or one
// character other than a quote or a line break. Empty when the text names none.
std::optional<char> separatorFromText(const QString& text);

} // namespace exchange
