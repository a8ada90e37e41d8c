// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace exchange {

// An exchange file (or its companion) read whole as text.
struct ExchangeText {
    QString text;
    QByteArray sha256; // of the bytes as read, in hex
};

// Reads `path` and decodes it as the text decoder does for every file we read (UTF-8,
// UTF-16 with its mark, older files in Windows-1252). Throws ExchangeError naming the file
// when it is missing or unreadable.
ExchangeText readExchangeText(const QString& path);

// Walks the lines of a text, each without its end: CR LF, LF, or CR alone (older Mac
// editors). A last line without an end counts; the empty rest after a final end does not.
class LineCursor {
  public:
    explicit LineCursor(QStringView text) : text_(text) {}
    // The next line, or false at the end.
    bool next(QStringView* line);
    // The number (from 1) of the line next() returned last.
    qint64 number() const { return number_; }

  private:
    QStringView text_;
    qsizetype at_ = 0;
    qint64 number_ = 0;
};

// Why a line of an exchange file cannot be taken as it stands (a NUL character, or a text
// too long to be one value); empty when it can.
[[nodiscard]] QString lineProblem(QStringView line);

// The longest text a line may carry.
constexpr qsizetype kMaxTextLength = 1000000;

} // namespace exchange
