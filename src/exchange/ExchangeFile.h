#pragma once

#include "exchange/ValueForms.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QSaveFile>
#include <QString>
#include <QStringView>
#include <stdexcept>
#include <vector>

namespace exchange {

// A failed export or import, with a message for the user that names the file.
class ExchangeError : public std::runtime_error {
  public:
    explicit ExchangeError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// Where File > Export writes and File > Import reads: C:\ExportBuffer.txt on Windows, the
// file ExportBuffer.txt in the home folder elsewhere.
QString defaultExchangePath();

// The companion that carries what the exchange file cannot: the file's name with ".multi".
QString companionPath(const QString& exchangePath);

// The bytes of an exchange file as text: UTF-8, or Windows-1252 when they are not valid
// UTF-8 (files written by older programs). A byte-order mark is dropped.
QString decodeExchangeBytes(const QByteArray& bytes);

// The lines of `text`, each without its end (CR LF or LF). A last line without an end
// counts; the empty rest after a final line end does not.
std::vector<QStringView> splitLines(const QString& text);

// A whole file read as lines.
struct ExchangeLines {
    QString text;                   // the decoded file; `lines` point into it
    std::vector<QStringView> lines; // without their ends
    QByteArray sha256;              // of the bytes as read, in hex
};

// Reads `path`; throws ExchangeError naming the file when it is missing or unreadable.
ExchangeLines readExchangeLines(const QString& path);

// Writes lines ended by CR LF in UTF-8 without a byte-order mark, to a temporary file that
// replaces `path` only on commit(), so a failed write never leaves half a file where the
// last good one was.
class LineWriter {
  public:
    explicit LineWriter(const QString& path);
    void writeLine(const QString& line);
    // Throws ExchangeError naming the file.
    void commit();
    // SHA-256 of everything written, in hex.
    QByteArray sha256() const { return hash_.result().toHex(); }

  private:
    void flush();

    QSaveFile file_;
    QByteArray pending_;
    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

} // namespace exchange
