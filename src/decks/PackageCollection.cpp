// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/PackageCollection.h"

#include "data/FastQuery.h"
#include "decks/Deck.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUuid>
#include <sqlite3.h>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

[[noreturn]] void refuse(const QString& why) {
    throw DeckError(why);
}

// Code points in order: a UTF-16 surrogate stands for one past U+FFFF, after U+E000-U+FFFF.
char16_t codePointOrder(char16_t c) {
    return c >= 0xE000 ? c - 0x800 : c >= 0xD800 ? c + 0x2000 : c;
}

int byCodePoint(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return codePointOrder(a[i].unicode()) < codePointOrder(b[i].unicode()) ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// "unicase": texts compared with their case folded away, in every alphabet. ASCII alone,
// the usual deck or field name, is compared without making new strings.
int compareUnicase(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const auto* x = static_cast<const unsigned char*>(a);
    const auto* y = static_cast<const unsigned char*>(b);
    const int n = std::min(lengthA, lengthB);
    int i = 0;
    for (; i < n && x[i] < 0x80 && y[i] < 0x80; ++i) {
        const int cx = x[i] >= 'A' && x[i] <= 'Z' ? x[i] + 32 : x[i];
        const int cy = y[i] >= 'A' && y[i] <= 'Z' ? y[i] + 32 : y[i];
        if (cx != cy)
            return cx < cy ? -1 : 1;
    }
    if (i == n && (i == lengthA || x[i] < 0x80) && (i == lengthB || y[i] < 0x80))
        return lengthA < lengthB ? -1 : lengthA > lengthB ? 1 : 0;
    return byCodePoint(
        QString::fromUtf8(reinterpret_cast<const char*>(x + i), lengthA - i).toCaseFolded(),
        QString::fromUtf8(reinterpret_cast<const char*>(y + i), lengthB - i).toCaseFolded());
}

} // namespace

Collection::Collection(const QString& file, std::chrono::milliseconds limit)
    : name_(QStringLiteral("deck-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
      limit_(limit) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        refuse(Text::tr("its collection cannot be opened (%1)").arg(db.lastError().text()));
    sqlite3* raw = data::sameLibraryHandle(db);
    if (!raw)
        refuse(Text::tr("its collection cannot be read safely here (Qt's SQLite driver is "
                        "not the SQLite library Memorant was built with)"));
    if (sqlite3_create_collation_v2(raw, "unicase", SQLITE_UTF8, nullptr, &compareUnicase,
                                    nullptr) != SQLITE_OK)
        refuse(Text::tr("its collection cannot be read (%1)")
                   .arg(QString::fromUtf8(sqlite3_errmsg(raw))));
    sqlite3_progress_handler(raw, 10000, &Collection::onProgress, this);
    run(QStringLiteral("PRAGMA trusted_schema = OFF"), QStringLiteral("collection"));
}

Collection::~Collection() {
    QSqlDatabase::removeDatabase(name_);
}

void Collection::check() {
    const QString what = Text::tr("collection");
    // SQLite refuses a schema whose rows say another kind than their statements make.
    QSqlQuery triggers =
        run(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger'"), what);
    if (next(triggers, what))
        refuse(Text::tr("its collection is not a deck package's (it holds the trigger "
                        "\"%1\")")
                   .arg(triggers.value(0).toString()));
    // Views and virtual tables among them.
    QSqlQuery tables =
        run(QStringLiteral("SELECT t.name, t.type, (SELECT count(*) FROM "
                           "pragma_table_xinfo(t.name, t.schema) x WHERE x.hidden IN (2, 3)) "
                           "FROM pragma_table_list t WHERE t.schema = 'main'"),
            what);
    while (next(tables, what)) {
        const QString name = tables.value(0).toString();
        if (tables.value(1).toString() != QLatin1String("table"))
            refuse(Text::tr("its collection is not a deck package's (\"%1\" is not a "
                            "plain table)")
                       .arg(name));
        if (tables.value(2).toInt() > 0)
            refuse(Text::tr("its collection is not a deck package's (the table \"%1\" "
                            "has computed columns)")
                       .arg(name));
    }
    QSqlQuery quick = run(QStringLiteral("PRAGMA quick_check"), what);
    if (!next(quick, what) || quick.value(0).toString() != QLatin1String("ok"))
        refuse(Text::tr("its collection is damaged"));
}

QSqlQuery Collection::run(const QString& sql, const QString& what) {
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.setForwardOnly(true);
    deadline_ = QDeadlineTimer(limit_);
    expired_ = false;
    if (!q.exec(sql))
        failed(q, what);
    return q;
}

bool Collection::next(QSqlQuery& q, const QString& what) const {
    if (q.next())
        return true;
    if (q.lastError().isValid())
        failed(q, what);
    return false;
}

int Collection::onProgress(void* self) {
    auto* c = static_cast<Collection*>(self);
    c->expired_ = c->expired_ || c->deadline_.hasExpired();
    return c->expired_ ? 1 : 0;
}

void Collection::failed(const QSqlQuery& q, const QString& what) const {
    if (expired_)
        refuse(Text::tr("reading its %1 took longer than %2, which no real deck needs")
                   .arg(what, limit_.count() % 1000 == 0
                                  ? QStringLiteral("%1 s").arg(limit_.count() / 1000)
                                  : QStringLiteral("%1 ms").arg(limit_.count())));
    refuse(Text::tr("its %1 cannot be read (%2)").arg(what, q.lastError().text()));
}

} // namespace decks
