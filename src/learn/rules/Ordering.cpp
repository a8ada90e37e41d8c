// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/Ordering.h"

#include "data/Sql.h"
#include "learn/rules/Clock.h"
#include "learn/rules/OrderKeys.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlQuery>
#include <charconv>
#include <cmath>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

using Key = std::optional<double>;

// The text form of a number: up to 15 significant digits, correctly rounded, no trailing
// zeros, "0" for zero. SQLite's printf('%.15g') misrounds some values (32/79 comes out as
// ...240 instead of ...241), which would change the key, so the keys format numbers here.
std::string integerText(sqlite3_int64 n) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    return std::string(buf, res.ptr);
}

std::string realText(double x) {
    if (x == 0.0)
        return "0"; // -0 too
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
    return std::string(buf, res.ptr);
}

std::string numberText(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        return integerText(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
        return realText(sqlite3_value_double(v));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return text ? std::string(text, static_cast<size_t>(sqlite3_value_bytes(v)))
                    : std::string();
    }
    }
}

// The same for a value as Qt's driver hands it over.
std::string numberText(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return integerText(v.toLongLong());
    case QMetaType::Double:
        return realText(v.toDouble());
    default:
        return v.toString().toStdString();
    }
}

// The last n characters of a text.
std::string right(const std::string& text, size_t n) {
    return text.size() > n ? text.substr(text.size() - n) : text;
}

// The text read as a number; none when it is not wholly a number, so a key that cannot be
// read is left empty rather than made up.
Key val(const std::string& text) {
    double x = 0;
    const char* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, x);
    if (text.empty() || res.ec != std::errc() || res.ptr != end || !std::isfinite(x))
        return std::nullopt;
    return x;
}

// memorant_right(x, n): the last n characters of x's text form; NULL for NULL.
void rightFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto n = static_cast<size_t>(std::max<sqlite3_int64>(0, sqlite3_value_int64(argv[1])));
    const std::string tail = right(numberText(argv[0]), n);
    sqlite3_result_text(ctx, tail.data(), static_cast<int>(tail.size()), SQLITE_TRANSIENT);
}

// memorant_val(text): the text read as a number; NULL when it is NULL or not a number.
void valFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const Key x = sqlite3_value_type(argv[0]) == SQLITE_NULL ? Key() : val(numberText(argv[0]));
    if (x)
        sqlite3_result_double(ctx, *x);
    else
        sqlite3_result_null(ctx);
}

sqlite3* rawHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(handle.constData());
    return nullptr;
}

bool keysInProgramForced = false;

// The key functions are registered through the SQLite library this program links on a
// handle made by Qt's driver: sound only when the driver uses that very library (on Debian
// it does). Checked once: the driver's version and source id against the linked library's.
bool keyFunctionsSound(const QSqlDatabase& db) {
    static const std::optional<bool> sound = [&]() -> std::optional<bool> {
        if (!rawHandle(db))
            return std::nullopt; // not open yet: decide on a later call
        try {
            const QString driver = data::scalar(db, QStringLiteral("SELECT sqlite_version() || "
                                                                   "' ' || sqlite_source_id()"))
                                       .toString();
            return driver == QStringLiteral("%1 %2").arg(QString::fromUtf8(sqlite3_libversion()),
                                                         QString::fromUtf8(sqlite3_sourceid()));
        } catch (const data::DbError&) {
            return false;
        }
    }();
    return sound.value_or(false) && rawHandle(db);
}

// Makes the key functions known on the connection. Registering one again while statements
// are active is refused with SQLITE_BUSY; it is there then, which is all that matters.
void ensureKeyFunctions(const QSqlDatabase& db) {
    sqlite3* raw = rawHandle(db);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    for (const auto& [name, args, fn] : {std::tuple{"memorant_right", 2, &rightFunction},
                                         std::tuple{"memorant_val", 1, &valFunction}}) {
        const int rc = sqlite3_create_function_v2(raw, name, args, flags, nullptr, fn, nullptr,
                                                  nullptr, nullptr);
        if (rc != SQLITE_OK && rc != SQLITE_BUSY)
            throw data::DbError(Text::tr("Cannot prepare the card order: %1")
                                    .arg(QString::fromUtf8(sqlite3_errstr(rc))));
    }
}

// Whether the stored key already equals the new one.
bool sameKey(const QVariant& stored, const Key& key) {
    if (!key || stored.isNull())
        return !key && stored.isNull();
    const int type = stored.typeId();
    return (type == QMetaType::Double || type == QMetaType::LongLong || type == QMetaType::Int) &&
           stored.toDouble() == *key;
}

} // namespace

void setKeysInProgramForTesting(bool inProgram) {
    keysInProgramForced = inProgram;
}

void SubReorderArray(CardArray& CSarray, int CurRowLim) {
    // The first N-1 rows reversed, the last kept; two passes undo each other.
    for (int i = 1, j = CurRowLim - 1; i < j; ++i, --j) {
        CardArray::CardRow& a = CSarray.row(i);
        CardArray::CardRow& b = CSarray.row(j);
        for (int c = ColQuestion; c < CardArray::kColumns; ++c)
            std::swap(a[static_cast<size_t>(c)], b[static_cast<size_t>(c)]);
    }
}

QString orderKeySql(KeyRule rule, int day, const QString& rating) {
    if (rule == KeyRule::Bunch) // the last character of the rating's text, then of the id's
        return QStringLiteral("memorant_val(memorant_right(%1, 1) || memorant_right(Card_ID, 1))")
            .arg(rating);
    // The day is a number of our own making, not user text, so it is written into the SQL.
    return QStringLiteral("(memorant_val(memorant_right(Card_ID * 1.0 / %1, 2)) - "
                          "memorant_val(memorant_right(%2, 2)))")
        .arg(day)
        .arg(rating);
}

// The key of one card in the program, as orderKeySql gives it in SQL.
Key keyOf(KeyRule rule, int day, qint64 id, const QVariant& rating) {
    if (rating.isNull())
        return std::nullopt;
    if (rule == KeyRule::Bunch)
        return val(right(numberText(rating), 1) + right(integerText(id), 1));
    const Key quotient = val(right(realText(id * 1.0 / day), 2));
    const Key rated = val(right(numberText(rating), 2));
    if (!quotient || !rated)
        return std::nullopt;
    return *quotient - *rated;
}

void writeOrderKeys(const QSqlDatabase& db, KeyRule rule, int day, const QString& rating,
                    const QString& where, const QVariantList& binds, const QString& table) {
    // Only the rows whose key changes are written.
    if (!keysInProgramForced && keyFunctionsSound(db)) {
        ensureKeyFunctions(db);
        const QString key = orderKeySql(rule, day, rating);
        data::exec(db,
                   QStringLiteral("UPDATE %3 SET \"Order\" = %1 WHERE (%2) AND \"Order\" IS NOT %1")
                       .arg(key, where, table),
                   binds);
        return;
    }
    // Without the key functions each card is read and its key computed here (slower).
    std::vector<std::pair<qint64, Key>> changed;
    {
        QSqlQuery q = data::exec(db,
                                 QStringLiteral("SELECT Card_ID, %1, \"Order\" FROM %3 WHERE %2")
                                     .arg(rating, where, table),
                                 binds);
        while (q.next()) {
            const qint64 id = q.value(0).toLongLong();
            const Key key = keyOf(rule, day, id, q.value(1));
            if (!sameKey(q.value(2), key))
                changed.emplace_back(id, key);
        }
    }
    // A savepoint, so that it also works inside a caller's transaction.
    data::exec(db, QStringLiteral("SAVEPOINT order_keys_write"));
    try {
        for (const auto& [id, key] : changed)
            data::exec(db,
                       QStringLiteral("UPDATE %1 SET \"Order\" = ? WHERE Card_ID = ?").arg(table),
                       {key ? QVariant(*key) : QVariant(), id});
        data::exec(db, QStringLiteral("RELEASE order_keys_write"));
    } catch (const data::DbError&) {
        data::exec(db, QStringLiteral("ROLLBACK TO order_keys_write"));
        data::exec(db, QStringLiteral("RELEASE order_keys_write"));
        throw;
    }
}

namespace {

// Only the cards once asked the other way round have reverse keys: few enough to write at once.
void reverseOrderKeys(const QSqlDatabase& db, KeyRule rule, int day) {
    writeOrderKeys(db, rule, day, QStringLiteral("Rating"), QStringLiteral("1"), {},
                   QStringLiteral("CardReverse"));
}

} // namespace

void SubReorder(const QSqlDatabase& db) {
    orderKeys(db, KeyRule::Bunch, 0);
    reverseOrderKeys(db, KeyRule::Bunch, 0);
}

void SubUpdateOrder1(const QSqlDatabase& db) {
    const int day = now().date().day();
    orderKeys(db, KeyRule::LearntSet, day);
    reverseOrderKeys(db, KeyRule::LearntSet, day);
}

} // namespace learn
