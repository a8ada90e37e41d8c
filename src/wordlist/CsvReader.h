// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace wordlist {

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

// The longest text a field may hold, in characters; a longer one is a problem, found before
// it is held in memory whole.
constexpr qsizetype kMaxFieldChars = 1'000'000;

// Reads RFC 4180 records separated by `separator` (one ASCII character) from UTF-8 text fed
// in pieces of any size: quoted fields may hold separators, doubled quotes and line breaks;
// records and lines end at CR LF, LF or CR. A line break inside a quoted field becomes a
// blank, so that every field is one line. Blank lines are not records. Nothing is trimmed:
// blanks at either end of a field are kept. A quote that is never closed is a problem,
// reported with the line where its record starts; so are a NUL character and a field longer
// than kMaxFieldChars.
class CsvStream {
  public:
    CsvStream(char separator, CsvRowSink sink);
    ~CsvStream();
    CsvStream(const CsvStream&) = delete;
    CsvStream& operator=(const CsvStream&) = delete;

    // Reads on; false once the reading has ended (a problem, or the sink said stop).
    bool feed(QByteArrayView utf8);
    // The end of the text: the problem, if any, that kept it from being read whole.
    CsvProblem finish();

  private:
    struct State;
    std::unique_ptr<State> d_;
};

// The same for a text in memory.
CsvProblem readCsv(const QString& text, char separator, const CsvRowSink& sink);

// Counts, for one separator, the first records read: of those with two or more fields, how
// many have the commonest field count. The separator with the highest count splits the list.
class SeparatorScore {
  public:
    void add(const CsvRow& row);
    int score() const;
    static constexpr int kRecords = 20; // how many records decide

  private:
    QList<int> fieldCounts_;
};

// The separator of a list from the scores of tab, semicolon and comma (in that order): the
// highest wins; a tie goes to the one the file's extension names (".csv" comma, ".tsv" tab),
// then to tab, semicolon, comma.
char chooseSeparator(const int scores[3], const QString& path);

// The same rule over a text in memory.
char detectSeparator(const QString& text, const QString& path = {});

// Quotes a field for a tab-separated line when it holds a tab, a quote or a line break.
QString quoteField(const QString& field);

} // namespace wordlist
