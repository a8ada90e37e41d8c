// SPDX-License-Identifier: GPL-3.0-or-later
#include "PackageBuilder.h"
#include "support/Files.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>
#include <zip.h>
#include <zstd.h>

namespace testing {
namespace {

const char* kOldSchema = R"(
CREATE TABLE col (id INTEGER PRIMARY KEY, crt INTEGER, mod INTEGER, scm INTEGER, ver INTEGER,
  dty INTEGER, usn INTEGER, ls INTEGER, conf TEXT, models TEXT, decks TEXT, dconf TEXT, tags TEXT);
CREATE TABLE notes (id INTEGER PRIMARY KEY, guid TEXT, mid INTEGER, mod INTEGER, usn INTEGER,
  tags TEXT, flds TEXT, sfld INTEGER, csum INTEGER, flags INTEGER, data TEXT);
CREATE TABLE cards (id INTEGER PRIMARY KEY, nid INTEGER, did INTEGER, ord INTEGER, mod INTEGER,
  usn INTEGER, type INTEGER, queue INTEGER, due INTEGER, ivl INTEGER, factor INTEGER,
  reps INTEGER, lapses INTEGER, left INTEGER, odue INTEGER, odid INTEGER, flags INTEGER, data TEXT);
CREATE INDEX ix_cards_nid ON cards (nid);
)";

const char* kNewTables = R"(
CREATE TABLE notetypes (id INTEGER PRIMARY KEY, name TEXT, mtime_secs INTEGER, usn INTEGER,
  config BLOB);
CREATE TABLE fields (ntid INTEGER, ord INTEGER, name TEXT, config BLOB, PRIMARY KEY (ntid, ord));
CREATE TABLE decks (id INTEGER PRIMARY KEY, name TEXT, mtime_secs INTEGER, usn INTEGER,
  common BLOB, kind BLOB);
INSERT INTO notetypes VALUES (1001, 'Basic', 0, 0, x''), (1002, 'Cloze', 0, 0, x'0801'),
  (1003, 'Basic (and reversed card)', 0, 0, x'1a020000');
INSERT INTO fields VALUES (1001, 0, 'Front', x''), (1001, 1, 'Back', x''),
  (1002, 0, 'Text', x''), (1002, 1, 'Back Extra', x''), (1003, 0, 'Front', x''),
  (1003, 1, 'Back', x'');
INSERT INTO decks VALUES (1, 'Default', 0, 0, x'', x''), (11, 'Languages', 0, 0, x'', x''),
  (12, 'Languages' || char(31) || 'French', 0, 0, x'', x''), (13, 'Geography', 0, 0, x'', x'');
)";

const char* kModels =
    R"json({"1001": {"id": 1001, "name": "Basic", "type": 0, "flds": [{"name": "Front", "ord": 0},
 {"name": "Back", "ord": 1}]}, "1002": {"id": 1002, "name": "Cloze", "type": 1, "flds":
 [{"name": "Text", "ord": 0}, {"name": "Back Extra", "ord": 1}]}, "1003": {"id": 1003, "name":
 "Basic (and reversed card)", "type": 0, "flds": [{"name": "Front", "ord": 0}, {"name": "Back",
 "ord": 1}]}})json";
const char* kDecks = R"({"1": {"id": 1, "name": "Default"}, "11": {"id": 11, "name":
 "Languages"}, "12": {"id": 12, "name": "Languages::French"}, "13": {"id": 13, "name":
 "Geography"}})";

// Notes (id, note type, fields joined by the unit separator) and their cards (id, note, deck,
// ord), with the scheduling values of a card learnt for weeks, which the import leaves behind.
const char* kNotes = R"(INSERT INTO notes SELECT column1, 'g', column2, 0, 0, '',
  column3 || char(31) || column4, 0, 0, 0, '' FROM (VALUES
  (1, 1001, '<b>Paris</b>&nbsp;is&amp;', 'capital<br>of France'),
  (2, 1003, 'le chat [sound:chat.mp3]', '<div>the cat</div><img src="cat.jpg">'),
  (3, 1002, '{{c1::Paris}} is the capital of {{c2::France::country}}', 'extra'),
  (4, 1001, '<img src="x.png">', 'answer')))";
const char* kCards = R"(INSERT INTO cards SELECT column1, column2, column3, column4, 0, 0, 2, 2,
  40, 21, 2500, 7, 1, 0, 0, 0, 0, '' FROM (VALUES (100, 1, 13, 0), (101, 2, 11, 1),
  (102, 2, 12, 0), (103, 3, 13, 0), (104, 4, 13, 0)))";

// Statements end a line with ";", which nothing inside them does.
void run(QSqlDatabase& db, const QString& script) {
    for (const QString& sql : script.split(QStringLiteral(";\n"), Qt::SkipEmptyParts)) {
        QSqlQuery q(db);
        QVERIFY2(q.exec(sql), qPrintable(q.lastError().text() + sql));
    }
}

} // namespace

void writeCollection(const QString& path, Collection form) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pkg"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        const bool newer = form == Collection::Anki21b;
        const QString col = QStringLiteral("INSERT INTO col VALUES (1, 0, 0, 0, %1, 0, 0, 0, '{}', "
                                           "'%2', '%3', '{}', '{}');\n")
                                .arg(newer ? 18 : 11)
                                .arg(QString::fromLatin1(newer ? "{}" : kModels),
                                     QString::fromLatin1(newer ? "{}" : kDecks));
        run(db, kOldSchema + QString::fromLatin1(newer ? kNewTables : "") + col + kNotes + ";\n" +
                    kCards);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pkg"));
}

void writeZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries) {
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    QVERIFY(z);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* s = zip_source_buffer(z, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        QVERIFY(s);
        QVERIFY(zip_file_add(z, name.toUtf8().constData(), s, ZIP_FL_OVERWRITE) >= 0);
    }
    QVERIFY(zip_close(z) == 0); // the buffers are read here, while `entries` still holds them
}

QByteArray zstd(const QByteArray& bytes) {
    QByteArray out(int(ZSTD_compressBound(size_t(bytes.size()))), Qt::Uninitialized);
    const size_t n =
        ZSTD_compress(out.data(), size_t(out.size()), bytes.constData(), size_t(bytes.size()), 3);
    out.resize(qsizetype(n));
    return out;
}

QString writePackage(const QString& dir, Collection form) {
    const QString sqlite = dir + QStringLiteral("/collection.sqlite");
    QFile::remove(sqlite);
    writeCollection(sqlite, form);
    const QByteArray collection = readFile(sqlite);
    const QString path = dir + QStringLiteral("/deck-%1.apkg").arg(int(form));
    if (form == Collection::Anki21b) // with an old collection telling older readers to update
        writeZip(path, {{"collection.anki2", "not the collection to read"},
                        {"collection.anki21b", zstd(collection)},
                        {"media", ""}});
    else
        writeZip(path, {{form == Collection::Anki2 ? "collection.anki2" : "collection.anki21",
                         collection},
                        {"media", "{}"}});
    return path;
}

} // namespace testing
