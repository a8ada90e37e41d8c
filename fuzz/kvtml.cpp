// SPDX-License-Identifier: GPL-3.0-or-later
// A KVTML file read from memory, and the sets it makes stored in a fresh database.
#include "FuzzSupport.h"

#include "decks/DeckImport.h"
#include "decks/Kvtml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    fuzz::start();
    {
        QSqlDatabase db = fuzz::freshDatabase();
        try {
            const decks::DeckContent content =
                decks::readKvtml(QStringLiteral("words.kvtml"), fuzz::bytes(raw, size));
            QStringList names;
            for (qsizetype i = 0; i < content.sets.size(); ++i)
                names << QStringLiteral("set %1").arg(i);
            decks::storeDecks(db, content, names);
        } catch (const data::Error&) {
        }
    }
    fuzz::finish();
    return 0;
}
