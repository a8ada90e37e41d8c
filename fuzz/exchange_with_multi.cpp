// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange file and its companion: the input holds both, split at the first marker line.
// The companion is given the exchange file's real SHA-256 as its first line (no fuzzer would
// guess one), so its entries are read and applied to the cards just merged.
#include "FuzzSupport.h"

#include "exchange/ExchangeFile.h"
#include "exchange/Import.h"

#include <QCryptographicHash>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    fuzz::start();
    static const QByteArray marker("\n#MULTI#\n");
    const QByteArray input = fuzz::bytes(raw, size);
    const qsizetype cut = input.indexOf(marker);
    const QByteArray main = cut < 0 ? input : input.left(cut);
    const QString path = fuzz::writeFile(QStringLiteral("ExportBuffer.txt"), main);
    if (cut >= 0) {
        const QByteArray sha = QCryptographicHash::hash(main, QCryptographicHash::Sha256).toHex();
        fuzz::writeFile(QStringLiteral("ExportBuffer.txt.multi"),
                        sha + "\r\n" + input.mid(cut + marker.size()));
    }
    {
        QSqlDatabase db = fuzz::freshDatabase();
        try {
            exchange::Import(db).run(path, true);
        } catch (const data::Error&) {
        }
    }
    fuzz::finish();
    return 0;
}
