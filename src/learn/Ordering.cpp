#include "learn/Ordering.h"

#include "data/Sql.h"
#include "learn/Clock.h"
#include "learn/OrderKeys.h"

#include <QSqlDriver>
#include <charconv>
#include <cmath>
#include <sqlite3.h>
#include <string>
#include <tuple>
#include <utility>

namespace learn {
namespace {

// The text form of a number: up to 15 significant digits, correctly rounded, no trailing
// zeros, "0" for zero. SQLite's printf('%.15g') misrounds some values (32/79 comes out as
// ...240 instead of ...241), which would change the key, so the keys format numbers here.
std::string numberText(sqlite3_value* v) {
    char buf[64];
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: {
        const auto res = std::to_chars(buf, buf + sizeof buf, sqlite3_value_int64(v));
        return std::string(buf, res.ptr);
    }
    case SQLITE_FLOAT: {
        const double x = sqlite3_value_double(v);
        if (x == 0.0)
            return "0"; // -0 too
        const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
        return std::string(buf, res.ptr);
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return text ? std::string(text, static_cast<size_t>(sqlite3_value_bytes(v)))
                    : std::string();
    }
    }
}

// memorant_right(x, n): the last n characters of x's text form; NULL for NULL.
void rightFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string text = numberText(argv[0]);
    const auto n = static_cast<size_t>(std::max<sqlite3_int64>(0, sqlite3_value_int64(argv[1])));
    const std::string tail = text.size() > n ? text.substr(text.size() - n) : text;
    sqlite3_result_text(ctx, tail.data(), static_cast<int>(tail.size()), SQLITE_TRANSIENT);
}

// memorant_val(text): the text read as a number; NULL when it is NULL or not wholly a number,
// so a key that cannot be read is left empty rather than made up.
void valFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string text = numberText(argv[0]);
    double x = 0;
    const char* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, x);
    if (text.empty() || res.ec != std::errc() || res.ptr != end || !std::isfinite(x))
        sqlite3_result_null(ctx);
    else
        sqlite3_result_double(ctx, x);
}

sqlite3* rawHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(handle.constData());
    return nullptr;
}

// Makes the key functions known on the connection. Registering one again while statements
// are active is refused with SQLITE_BUSY; it is there then, which is all that matters.
void ensureKeyFunctions(const QSqlDatabase& db) {
    sqlite3* raw = rawHandle(db);
    if (!raw)
        throw data::DbError(QStringLiteral("The card order needs an open SQLite connection"));
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    for (const auto& [name, args, fn] : {std::tuple{"memorant_right", 2, &rightFunction},
                                         std::tuple{"memorant_val", 1, &valFunction}}) {
        const int rc = sqlite3_create_function_v2(raw, name, args, flags, nullptr, fn, nullptr,
                                                  nullptr, nullptr);
        if (rc != SQLITE_OK && rc != SQLITE_BUSY)
            throw data::DbError(QStringLiteral("Cannot prepare the card order: %1")
                                    .arg(QString::fromUtf8(sqlite3_errstr(rc))));
    }
}

} // namespace

void SubReorderArray(CardArray& CSarray, int CurRowLim) {
    // The first N-1 rows reversed, the last kept; two passes undo each other.
    for (int i = 1, j = CurRowLim - 1; i < j; ++i, --j) {
        CardArray::CardRow& a = CSarray.row(i);
        CardArray::CardRow& b = CSarray.row(j);
        for (int c = ColQuestion; c <= ColDisplayQuestionNumber; ++c)
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

void writeOrderKeys(const QSqlDatabase& db, KeyRule rule, int day, const QString& rating,
                    const QString& where, const QVariantList& binds) {
    ensureKeyFunctions(db);
    const QString key = orderKeySql(rule, day, rating);
    // Only the rows whose key changes are written.
    data::exec(db,
               QStringLiteral("UPDATE Card SET \"Order\" = %1 WHERE (%2) AND \"Order\" IS NOT %1")
                   .arg(key, where),
               binds);
}

void SubReorder(const QSqlDatabase& db) {
    orderKeys(db, KeyRule::Bunch, 0);
}

void SubUpdateOrder1(const QSqlDatabase& db) {
    orderKeys(db, KeyRule::LearntSet, now().date().day());
}

} // namespace learn
