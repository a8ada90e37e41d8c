// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures-and-sounds companion alone, applied to three cards an import has just added.
// The hash its list names is taken from the input where it stands unpacked (as the program
// writes it), so every input that keeps that line whole reaches the entries behind it.
#include "FuzzSupport.h"

#include "data/Error.h"
#include "data/Sql.h"
#include "exchange/MediaCompanion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* raw, size_t size) {
    fuzz::start();
    const QByteArray input = fuzz::bytes(raw, size);
    static const QByteArray head("memorant-media\t1\t");
    const qsizetype at = input.indexOf(head);
    const QByteArray sha = at < 0 ? QByteArray() : input.mid(at + head.size(), 64);
    const QString path = fuzz::writeFile(QStringLiteral("ExportBuffer.txt"), {});
    fuzz::writeFile(QStringLiteral("ExportBuffer.txt.media"), input);
    {
        QSqlDatabase db = fuzz::freshDatabase();
        try {
            data::Transaction t(db);
            for (int id = 1; id <= 3; ++id)
                data::exec(db,
                           QStringLiteral("INSERT INTO Card (Question, Answer, SpareID) VALUES "
                                          "('q', 'a', ?)"),
                           {QString::number(id)});
            exchange::applyMediaCompanion(db, path, sha);
            t.commit();
        } catch (const data::Error&) {
        }
    }
    fuzz::finish();
    return 0;
}
