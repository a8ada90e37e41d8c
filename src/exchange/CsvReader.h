#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace exchange {

// One record of a delimited text: its fields, and the line of the file it starts on.
struct CsvRow {
    int line = 0;
    QStringList fields;
};

// Why a text could not be read to its end.
struct CsvProblem {
    int line = 0; // 0: none
    QString message;
};

// Receives each record in turn; returning false stops the reading there (no problem).
using CsvRowSink = std::function<bool(const CsvRow&)>;

// Reads RFC 4180 records separated by `separator` (one ASCII character): quoted fields may
// hold separators, doubled quotes and line breaks; records end at CR LF, LF or CR. A line
// break inside a quoted field becomes a blank, so that every field is one line. Blank lines
// are not records. Nothing is trimmed: blanks at either end of a field are kept. A quote that
// is never closed is a problem, reported with the line where its record starts.
CsvProblem readCsv(const QString& text, char separator, const CsvRowSink& sink);

// The separator of a list, from its first records: tab, semicolon or comma, whichever splits
// the most of them into two or more fields (on a tie, in that order); tab when none does.
char detectSeparator(const QString& text);

// Quotes a field for a tab-separated line when it holds a tab, a quote or a line break.
QString quoteField(const QString& field);

} // namespace exchange
