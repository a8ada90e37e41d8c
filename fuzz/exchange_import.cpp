// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange file alone, read and merged into a fresh database, with its log.
#include "FuzzSupport.h"

#include "exchange/Import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    fuzz::start();
    const QString path =
        fuzz::writeFile(QStringLiteral("ExportBuffer.txt"), fuzz::bytes(raw, size));
    {
        QSqlDatabase db = fuzz::freshDatabase();
        try {
            exchange::Import(db).run(path, true);
        } catch (const data::Error&) {
            // A refused file is the expected end of most inputs.
        }
    }
    fuzz::finish();
    return 0;
}
