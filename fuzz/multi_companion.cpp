// SPDX-License-Identifier: GPL-3.0-or-later
// The companion file alone. Its first line is taken as the SHA-256 it must name, so every
// input reaches the entries behind it.
#include "FuzzSupport.h"

#include "data/Error.h"
#include "exchange/MultiCompanion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    fuzz::start();
    const QByteArray input = fuzz::bytes(raw, size);
    const qsizetype end = input.indexOf('\n');
    const QByteArray sha =
        QString::fromUtf8(end < 0 ? input : input.left(end)).trimmed().toLatin1();
    fuzz::writeFile(QStringLiteral("ExportBuffer.txt.multi"), input);
    try {
        exchange::readMultiCompanion(fuzz::writeFile(QStringLiteral("ExportBuffer.txt"), {}), sha,
                                     exchange::ValueForms());
    } catch (const data::Error&) {
    }
    fuzz::finish();
    return 0;
}
