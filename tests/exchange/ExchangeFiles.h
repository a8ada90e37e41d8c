// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Sql.h"
#include "exchange/Import.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

namespace testing {

// The forms of a US English system, which the tests write and read files in.
inline const QLocale kUs(QStringLiteral("en_US"));

inline exchange::ImportOutcome importInto(const TempDatabase& t, const QString& path,
                                          bool withLog) {
    return exchange::Import(t.db(), exchange::ValueForms(kUs)).run(path, withLog);
}

// The file's lines; every line must end with CR LF.
inline QStringList linesOf(const QString& path) {
    QByteArray bytes = readFile(path);
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n"))
        return {QStringLiteral("<no CR LF at the end>")};
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

inline void writeLines(const QString& path, const QStringList& lines) {
    writeFile(path, (lines.join("\r\n") + "\r\n").toUtf8());
}

// Every row the user owns, so "unchanged" can be checked exactly.
inline QString digest(const QSqlDatabase& db) {
    QString out;
    for (const char* sql :
         {"SELECT * FROM Set1 ORDER BY Set_ID", "SELECT * FROM Card ORDER BY Card_ID",
          "SELECT * FROM Set_Card_rel ORDER BY Rel_ID", "SELECT * FROM Log ORDER BY RecID",
          "SELECT * FROM MultipleAnswers ORDER BY rowid",
          "SELECT * FROM CardReverse ORDER BY Card_ID"}) {
        QSqlQuery q = data::exec(db, QString::fromLatin1(sql));
        while (q.next()) {
            for (int c = 0; c < q.record().count(); ++c) {
                // The carriers are the merge's bookkeeping, cleared by every import.
                if (q.record().fieldName(c) != QStringLiteral("SpareID"))
                    out += q.value(c).toString() + QLatin1Char('|');
            }
            out += QLatin1Char('\n');
        }
    }
    return out;
}

} // namespace testing
