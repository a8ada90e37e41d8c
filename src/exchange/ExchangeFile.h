// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Error.h"
#include <QByteArray>
#include <QCryptographicHash>
#include <QSaveFile>
#include <QString>

namespace exchange {

// A failed export or import, with a message for the user that names the file.
class ExchangeError : public data::Error {
  public:
    using Error::Error;
};

// Where File > Export writes and File > Import reads: C:\ExportBuffer.txt on Windows, the
// file ExportBuffer.txt in the home folder elsewhere.
QString defaultExchangePath();

// The companion that carries what the exchange file cannot: the file's name with ".multi".
QString companionPath(const QString& exchangePath);

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
