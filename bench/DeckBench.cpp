// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeckBench.h"

#include "Measure.h"

#include "data/Database.h"
#include "decks/DeckImport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>
#include <zip.h>

namespace bench {
namespace {

constexpr int kNotes = 20000;
using Pairs = std::vector<std::pair<QString, QString>>;

Pairs makePairs() {
    Pairs pairs;
    for (int i = 0; i < kNotes; ++i)
        pairs.emplace_back(QStringLiteral("Wörterbuch %1").arg(i),
                           QStringLiteral("dictionary, entry %1").arg(i));
    return pairs;
}

void need(bool ok, const char* what) {
    if (!ok)
        throw std::runtime_error(what);
}

// A collection of the older form, as small as the reader needs, zipped as a package.
void writePackage(const QString& dir, const QString& path, const Pairs& pairs) {
    const QString sqlite = dir + QStringLiteral("/collection.anki2");
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gen"));
        db.setDatabaseName(sqlite);
        need(db.open(), "cannot make the collection");
        QSqlQuery q(db);
        need(q.exec(QStringLiteral(
                 "CREATE TABLE col (id INTEGER PRIMARY KEY, models TEXT, decks TEXT)")) &&
                 q.exec(QStringLiteral(
                     "CREATE TABLE notes (id INTEGER PRIMARY KEY, mid INTEGER, flds TEXT)")) &&
                 q.exec(QStringLiteral("CREATE TABLE cards (id INTEGER PRIMARY KEY, nid INTEGER, "
                                       "did INTEGER, ord INTEGER)")) &&
                 q.exec(QStringLiteral("INSERT INTO col VALUES (1, '{\"1\": {\"type\": 0}}', "
                                       "'{\"1\": {\"name\": \"Bench\"}}')")) &&
                 db.transaction(),
             "cannot fill the collection");
        QSqlQuery note(db), card(db);
        note.prepare(QStringLiteral("INSERT INTO notes VALUES (?, 1, ?)"));
        card.prepare(QStringLiteral("INSERT INTO cards VALUES (?, ?, 1, 0)"));
        for (int i = 0; i < int(pairs.size()); ++i) {
            note.bindValue(0, i + 1);
            note.bindValue(1, pairs[i].first + QChar(0x1F) + pairs[i].second);
            card.bindValue(0, i + 1);
            card.bindValue(1, i + 1);
            need(note.exec() && card.exec(), "cannot fill the collection");
        }
        need(db.commit(), "cannot fill the collection");
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("gen"));
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    need(z, "cannot make the package");
    zip_source_t* s = zip_source_file(z, QFile::encodeName(sqlite).constData(), 0, -1);
    need(s && zip_file_add(z, "collection.anki2", s, 0) >= 0 && zip_close(z) == 0,
         "cannot make the package");
}

void writeKvtml(const QString& path, const Pairs& pairs) {
    QString text = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n"
        "<identifiers><identifier id=\"0\"/><identifier id=\"1\"/></identifiers>\n<entries>\n");
    for (const auto& [q, a] : pairs)
        text += QStringLiteral("<entry><translation id=\"0\"><text>%1</text></translation>"
                               "<translation id=\"1\"><text>%2</text></translation></entry>\n")
                    .arg(q, a);
    text += QStringLiteral("</entries>\n</kvtml>\n");
    QFile f(path);
    need(f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) > 0, "cannot write the KVTML file");
}

double importOnce(const QString& database, const QString& file) {
    need(data::openDatabase(database, false).ok, "cannot open the database");
    const auto start = Clock::now();
    const decks::DeckContent content = decks::readDeckFile(file);
    decks::storeDecks(data::mainConnection(), content, {QStringLiteral("Imported")});
    const double ms = msSince(start);
    data::closeAllConnections();
    need(content.cardCount() == kNotes, "the file did not import whole");
    return ms;
}

void deckBench(benchmark::State& state) {
    QTemporaryDir dir;
    const Pairs pairs = makePairs();
    std::vector<std::pair<std::string, std::string>> textPairs;
    for (const auto& [q, a] : pairs)
        textPairs.emplace_back(q.toStdString(), a.toStdString());
    const QString package = dir.filePath(QStringLiteral("bench.apkg"));
    const QString kvtml = dir.filePath(QStringLiteral("bench.kvtml"));
    const QString blank = dir.filePath(QStringLiteral("blank.mdb"));
    try {
        writePackage(dir.path(), package, pairs);
        writeKvtml(kvtml, pairs);
        need(data::openDatabase(blank).ok, "cannot make a database");
        data::closeAllConnections();
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    std::vector<double> packages, kvtmls, floors;
    int round = 0;
    for (auto _ : state) {
        const QString a = dir.filePath(QStringLiteral("a%1.mdb").arg(round));
        const QString b = dir.filePath(QStringLiteral("b%1.mdb").arg(round));
        const QString c = dir.filePath(QStringLiteral("c%1.mdb").arg(round++));
        for (const QString& copy : {a, b, c})
            QFile::copy(blank, copy);
        try {
            floors.push_back(rawInsertFloor(c, textPairs));
            packages.push_back(importOnce(a, package));
            kvtmls.push_back(importOnce(b, kvtml));
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            return;
        }
        state.SetIterationTime(packages.back() / 1000.0);
    }
    const double p = medianOf(packages), k = medianOf(kvtmls), f = medianOf(floors);
    state.counters["floor_ms"] = f;
    std::printf("deck_import_apkg_ms=%.1f deck_import_kvtml_ms=%.1f raw_insert_floor_ms=%.1f "
                "ratio_apkg=%.2f ratio_kvtml=%.2f (target < 3)\n",
                p, k, f, p / f, k / f);
}

} // namespace

void registerDeckBench() {
    benchmark::RegisterBenchmark("deck_import/20000_notes", deckBench)
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
