// SPDX-License-Identifier: GPL-3.0-or-later
#include "PackageBuilder.h"
#include "data/FastQuery.h"
#include "support/Files.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>
#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

namespace testing {
namespace {

// The tables every form has, declared as the trainer declares them.
const char* kOldSchema = R"(
CREATE TABLE col (id integer PRIMARY KEY, crt integer NOT NULL, mod integer NOT NULL,
  scm integer NOT NULL, ver integer NOT NULL, dty integer NOT NULL, usn integer NOT NULL,
  ls integer NOT NULL, conf text NOT NULL, models text NOT NULL, decks text NOT NULL,
  dconf text NOT NULL, tags text NOT NULL);
CREATE TABLE notes (id integer PRIMARY KEY, guid text NOT NULL, mid integer NOT NULL,
  mod integer NOT NULL, usn integer NOT NULL, tags text NOT NULL, flds text NOT NULL,
  sfld integer NOT NULL, csum integer NOT NULL, flags integer NOT NULL, data text NOT NULL);
CREATE TABLE cards (id integer PRIMARY KEY, nid integer NOT NULL, did integer NOT NULL,
  ord integer NOT NULL, mod integer NOT NULL, usn integer NOT NULL, type integer NOT NULL,
  queue integer NOT NULL, due integer NOT NULL, ivl integer NOT NULL, factor integer NOT NULL,
  reps integer NOT NULL, lapses integer NOT NULL, left integer NOT NULL, odue integer NOT NULL,
  odid integer NOT NULL, flags integer NOT NULL, data text NOT NULL);
CREATE TABLE revlog (id integer PRIMARY KEY, cid integer NOT NULL, usn integer NOT NULL,
  ease integer NOT NULL, ivl integer NOT NULL, lastIvl integer NOT NULL, factor integer NOT NULL,
  time integer NOT NULL, type integer NOT NULL);
CREATE INDEX ix_notes_usn ON notes (usn);
CREATE INDEX ix_cards_usn ON cards (usn);
CREATE INDEX ix_cards_nid ON cards (nid);
CREATE INDEX ix_cards_sched ON cards (did, queue, due);
CREATE INDEX ix_notes_csum ON notes (csum);
)";

// The tables a current trainer (2.1.50 and later, schema 18) adds, its name columns declaring
// the collation "unicase", which plain SQLite does not have; the deck names include one whose
// case folds beyond ASCII, so the unique name index is ordered by the collation.
const char* kNewTables = R"(
CREATE TABLE deck_config (id integer PRIMARY KEY NOT NULL, name text NOT NULL COLLATE unicase,
  mtime_secs integer NOT NULL, usn integer NOT NULL, config blob NOT NULL);
CREATE TABLE config (KEY text NOT NULL PRIMARY KEY, usn integer NOT NULL,
  mtime_secs integer NOT NULL, val blob NOT NULL) WITHOUT ROWID;
CREATE TABLE fields (ntid integer NOT NULL, ord integer NOT NULL,
  name text NOT NULL COLLATE unicase, config blob NOT NULL, PRIMARY KEY (ntid, ord))
  WITHOUT ROWID;
CREATE UNIQUE INDEX idx_fields_name_ntid ON fields (name, ntid);
CREATE TABLE templates (ntid integer NOT NULL, ord integer NOT NULL,
  name text NOT NULL COLLATE unicase, mtime_secs integer NOT NULL, usn integer NOT NULL,
  config blob NOT NULL, PRIMARY KEY (ntid, ord)) WITHOUT ROWID;
CREATE UNIQUE INDEX idx_templates_name_ntid ON templates (name, ntid);
CREATE INDEX idx_templates_usn ON templates (usn);
CREATE TABLE notetypes (id integer NOT NULL PRIMARY KEY, name text NOT NULL COLLATE unicase,
  mtime_secs integer NOT NULL, usn integer NOT NULL, config blob NOT NULL);
CREATE UNIQUE INDEX idx_notetypes_name ON notetypes (name);
CREATE INDEX idx_notetypes_usn ON notetypes (usn);
CREATE TABLE decks (id integer PRIMARY KEY NOT NULL, name text NOT NULL COLLATE unicase,
  mtime_secs integer NOT NULL, usn integer NOT NULL, common blob NOT NULL, kind blob NOT NULL);
CREATE UNIQUE INDEX idx_decks_name ON decks (name);
CREATE TABLE tags (tag text NOT NULL PRIMARY KEY COLLATE unicase, usn integer NOT NULL,
  collapsed boolean NOT NULL, config blob NULL) WITHOUT ROWID;
CREATE TABLE graves (oid integer NOT NULL, type integer NOT NULL, usn integer NOT NULL,
  PRIMARY KEY (oid, type)) WITHOUT ROWID;
INSERT INTO deck_config VALUES (1, 'Default', 0, 0, x'');
INSERT INTO notetypes VALUES (1001, 'Basic', 0, 0, x''), (1002, 'Cloze', 0, 0, x'0801'),
  (1003, 'Basic (and reversed card)', 0, 0, x'1a020000');
INSERT INTO fields VALUES (1001, 0, 'Front', x''), (1001, 1, 'Back', x''),
  (1002, 0, 'Text', x''), (1002, 1, 'Back Extra', x''), (1003, 0, 'Front', x''),
  (1003, 1, 'Back', x'');
INSERT INTO templates VALUES (1001, 0, 'Card 1', 0, 0, x''), (1002, 0, 'Cloze', 0, 0, x''),
  (1003, 0, 'Card 1', 0, 0, x''), (1003, 1, 'Card 2', 0, 0, x'');
INSERT INTO decks VALUES (1, 'Default', 0, 0, x'', x''), (11, 'Languages', 0, 0, x'', x''),
  (12, 'Languages' || char(31) || 'French', 0, 0, x'', x''), (13, 'Geography', 0, 0, x'', x''),
  (14, 'Ärger', 0, 0, x'', x''), (15, 'ärmel', 0, 0, x'', x'');
INSERT INTO tags VALUES ('Food', 0, 0, NULL), ('éclair', 0, 0, NULL), ('Zebra', 0, 0, NULL);
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
  (4, 1001, '<img src="x.png">', 'answer'),
  (5, 1001, 'caf&eacute; cr&egrave;me', 'coffee &euro;2')))";
const char* kCards = R"(INSERT INTO cards SELECT column1, column2, column3, column4, 0, 0, 2, 2,
  40, 21, 2500, 7, 1, 0, 0, 0, 0, '' FROM (VALUES (100, 1, 13, 0), (101, 2, 11, 1),
  (102, 2, 12, 0), (103, 3, 13, 0), (104, 4, 13, 0), (105, 5, 12, 0)))";

// The collation the trainer registers on its own connection (its names compared without
// regard to case); without it SQLite refuses to make tables that declare it.
int unicase(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return QString::fromUtf8(static_cast<const char*>(a), lengthA)
        .toCaseFolded()
        .compare(QString::fromUtf8(static_cast<const char*>(b), lengthB).toCaseFolded());
}

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
        sqlite3* raw = data::sameLibraryHandle(db);
        QVERIFY(raw);
        QCOMPARE(
            sqlite3_create_collation_v2(raw, "unicase", SQLITE_UTF8, nullptr, &unicase, nullptr),
            SQLITE_OK);
        const bool newer = form == Collection::Anki21b;
        const QString col = QStringLiteral("INSERT INTO col VALUES (1, 0, 0, 0, %1, 0, 0, 0, '{}', "
                                           "'%2', '%3', '{}', '{}');\n")
                                .arg(newer ? 18 : 11)
                                .arg(QString::fromLatin1(newer ? "{}" : kModels),
                                     QString::fromLatin1(newer ? "{}" : kDecks));
        run(db, kOldSchema + QString::fromUtf8(newer ? kNewTables : "") + col + kNotes + ";\n" +
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

namespace {

QByteArray varint(quint64 v) {
    QByteArray out;
    do {
        out += char((v & 0x7F) | (v > 0x7F ? 0x80 : 0));
        v >>= 7;
    } while (v);
    return out;
}

QByteArray lengthField(quint64 number, const QByteArray& bytes) {
    return varint(number << 3 | 2) + varint(quint64(bytes.size())) + bytes;
}

} // namespace

QString writePackageWithMedia(const QString& dir, Collection form,
                              const QList<QPair<QString, QByteArray>>& files, bool legacyNames) {
    const QString path = writePackage(dir, form);
    QList<QPair<QString, QByteArray>> entries;
    const QString sqlite = dir + QStringLiteral("/collection.sqlite");
    const QByteArray collection = readFile(sqlite);
    if (form == Collection::Anki21b) {
        QByteArray list;
        for (qsizetype i = 0; i < files.size(); ++i) {
            const auto& [name, bytes] = files[i];
            QByteArray entry =
                lengthField(1, name.toUtf8()) + varint(2 << 3) + varint(quint64(bytes.size())) +
                lengthField(3, QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
            QString member = QString::number(i);
            if (legacyNames) {
                member = QString::number(100 + i);
                entry += varint(255 << 3) + varint(quint64(100 + i));
            }
            list += lengthField(1, entry);
            if (!bytes.isNull())
                entries.append({member, zstd(bytes)});
        }
        entries.prepend({"media", zstd(list)});
        entries.prepend({"collection.anki21b", zstd(collection)});
    } else {
        QJsonObject list;
        for (qsizetype i = 0; i < files.size(); ++i) {
            list.insert(QString::number(i), files[i].first);
            if (!files[i].second.isNull())
                entries.append({QString::number(i), files[i].second});
        }
        entries.prepend({"media", QJsonDocument(list).toJson()});
        entries.prepend(
            {form == Collection::Anki2 ? "collection.anki2" : "collection.anki21", collection});
    }
    writeZip(path, entries);
    return path;
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
