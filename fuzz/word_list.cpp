// SPDX-License-Identifier: GPL-3.0-or-later
// A word list: its encoding, separator and header detected, previewed, and imported into a
// fresh database as a new set.
#include "FuzzSupport.h"

#include "wordlist/WordListImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    fuzz::start();
    const QString path = fuzz::writeFile(QStringLiteral("list.csv"), fuzz::bytes(raw, size));
    {
        QSqlDatabase db = fuzz::freshDatabase();
        try {
            const wordlist::ListFile file = wordlist::readListFile(path);
            if (file.encoding.badLine == 0) {
                wordlist::previewList(file, file.separator, file.header, {}, 20);
                wordlist::importList(db, file, {});
            }
        } catch (const data::Error&) {
        }
    }
    fuzz::finish();
    return 0;
}
