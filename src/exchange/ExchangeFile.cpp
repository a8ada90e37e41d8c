// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExchangeFile.h"

#include <QCoreApplication>
#include <QDir>

namespace exchange {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

QString writeFailure(const QString& path, const QString& reason) {
    return Text::tr("The exchange file \"%1\" could not be written: %2. The file that was "
                    "there before is unchanged.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString defaultExchangePath() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\ExportBuffer.txt");
#else
    return QDir::home().filePath(QStringLiteral("ExportBuffer.txt"));
#endif
}

QString companionPath(const QString& exchangePath) {
    return exchangePath + QStringLiteral(".multi");
}

LineWriter::LineWriter(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::WriteOnly))
        throw ExchangeError(writeFailure(path, file_.errorString()));
}

void LineWriter::writeLine(const QString& line) {
    pending_ += line.toUtf8();
    pending_ += "\r\n";
    if (pending_.size() >= 1 << 16)
        flush();
}

void LineWriter::flush() {
    hash_.addData(pending_);
    if (file_.write(pending_) != pending_.size())
        throw ExchangeError(writeFailure(file_.fileName(), file_.errorString()));
    pending_.clear();
}

void LineWriter::commit() {
    flush();
    if (!file_.commit())
        throw ExchangeError(writeFailure(file_.fileName(), file_.errorString()));
}

} // namespace exchange
