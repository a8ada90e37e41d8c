// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Recordset.h"

#include "data/FastQuery.h"
#include "data/SetViews.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace data {
namespace {

const QString kRowKey = QStringLiteral("__memorant_rowid");
// Key columns looked for in a view, in this order.
const QStringList kViewKeys = {QStringLiteral("Card_ID"), QStringLiteral("Set_ID"),
                               QStringLiteral("Rel_ID"), QStringLiteral("RecID")};

bool looksLikeStatement(const QString& source) {
    const QString s = source.trimmed();
    return s.contains(QLatin1Char(' ')) &&
           (s.startsWith(QStringLiteral("select"), Qt::CaseInsensitive) ||
            s.startsWith(QStringLiteral("with"), Qt::CaseInsensitive));
}

} // namespace

Recordset::Recordset(const QSqlDatabase& db, const QString& source)
    : db_(db), source_(source), open_(true) {}

void Recordset::ensureOpen() const {
    if (!open_)
        throw DbError(QStringLiteral("A record set was used while it was closed"));
}

void Recordset::detectKind() {
    if (kind_ != Kind::Unknown)
        return;
    if (looksLikeStatement(source_)) {
        kind_ = Kind::Statement;
        return;
    }
    const QString type =
        scalar(db_,
               QStringLiteral("SELECT type FROM sqlite_master WHERE name = ? COLLATE NOCASE "
                              "AND type IN ('table', 'view')"),
               {source_})
            .toString();
    if (type.isEmpty())
        throw DbError(
            QStringLiteral("The database has no table or query named \"%1\"").arg(source_));
    kind_ = type == QStringLiteral("table") ? Kind::Table : Kind::View;
}

QString Recordset::selectText() const {
    switch (kind_) {
    case Kind::Table:
        return QStringLiteral("SELECT rowid AS %1, * FROM %2")
            .arg(kRowKey, quoteIdentifier(source_));
    case Kind::View:
        return QStringLiteral("SELECT * FROM %1").arg(quoteIdentifier(source_));
    default:
        return source_;
    }
}

void Recordset::readColumns(const QStringList& names) {
    columns_.clear();
    index_.clear();
    const int offset = kind_ == Kind::Table ? 1 : 0;
    for (int i = offset; i < names.size(); ++i) {
        columns_ << names[i];
        index_.insert(names[i].toLower(), i - offset);
    }
    keyColumn_.clear();
    if (kind_ == Kind::View) {
        for (const QString& key : kViewKeys) {
            if (index_.contains(key.toLower())) {
                keyColumn_ = key;
                break;
            }
        }
    }
    haveColumns_ = true;
}

void Recordset::ensureColumns() {
    ensureOpen();
    if (haveColumns_)
        return;
    detectKind();
    // Only the column names: adding a row to a large table must not read the table.
    const QString sql = kind_ == Kind::Statement
                            ? QStringLiteral("SELECT * FROM (%1) LIMIT 0").arg(source_)
                            : selectText() + QStringLiteral(" LIMIT 0");
    readColumns(FastQuery(db_, sql).columns());
}

void Recordset::ensureLoaded() {
    ensureOpen();
    if (loaded_)
        return;
    detectKind();
    const std::optional<UnsortedView> unsorted =
        kind_ == Kind::View ? unsortedView(source_) : std::nullopt;
    FastQuery q(db_, unsorted ? unsorted->sql : selectText());
    readColumns(q.columns());
    rows_.clear();
    const int key = keyIndex();
    const int offset = kind_ == Kind::Table ? 1 : 0;
    const int n = static_cast<int>(q.columns().size());
    while (q.next()) {
        Row row;
        row.values.reserve(n - offset);
        for (int i = offset; i < n; ++i)
            row.values << q.value(i);
        if (kind_ == Kind::Table)
            row.key = q.value(0);
        else if (kind_ == Kind::View && key >= 0)
            row.key = row.values.value(key);
        rows_ << std::move(row);
    }
    if (unsorted) {
        const std::vector<int> order =
            sqlOrder(static_cast<int>(rows_.size()), unsorted->sortColumns,
                     [this](int r, int c) -> const QVariant& { return rows_[r].values[c]; });
        QVector<Row> sorted;
        sorted.reserve(rows_.size());
        for (int r : order)
            sorted << std::move(rows_[r]);
        rows_ = std::move(sorted);
    }
    loaded_ = true;
    pos_ = 0;
}

bool Recordset::isWritable() {
    ensureColumns();
    return kind_ == Kind::Table || (kind_ == Kind::View && !keyColumn_.isEmpty());
}

bool Recordset::eof() {
    ensureLoaded();
    return pos_ >= rows_.size();
}

bool Recordset::bof() {
    ensureLoaded();
    return pos_ < 0 || rows_.isEmpty();
}

int Recordset::recordCount() {
    ensureLoaded();
    return rows_.size();
}

int Recordset::position() {
    ensureLoaded();
    return pos_;
}

void Recordset::moveTo(int row) {
    ensureLoaded();
    if (editing())
        update();
    pos_ = std::clamp(row, -1, static_cast<int>(rows_.size()));
}

void Recordset::moveFirst() {
    moveTo(0);
}
void Recordset::moveNext() {
    moveTo(position() + 1);
}
void Recordset::movePrevious() {
    moveTo(position() - 1);
}
void Recordset::moveLast() {
    moveTo(recordCount() - 1);
}

QStringList Recordset::columnNames() {
    ensureColumns();
    return columns_;
}

int Recordset::columnIndex(const QString& column) {
    ensureColumns();
    const auto it = index_.constFind(column.toLower());
    if (it == index_.constEnd())
        throw DbError(QStringLiteral("\"%1\" has no column \"%2\"").arg(source_, column));
    return it.value();
}

int Recordset::keyIndex() const {
    return index_.value(keyColumn_.toLower(), -1);
}

QVariant Recordset::value(const QString& column) {
    const int c = columnIndex(column);
    const auto pendingIt = pending_.constFind(column.toLower());
    if (pendingIt != pending_.constEnd())
        return pendingIt.value();
    if (adding_)
        return {};
    ensureLoaded();
    if (pos_ < 0 || pos_ >= rows_.size())
        throw DbError(QStringLiteral("\"%1\" has no current row").arg(source_));
    return rows_[pos_].values.value(c);
}

QVariant Recordset::valueAt(int row, int column) {
    ensureLoaded();
    if (row < 0 || row >= rows_.size())
        return {};
    return rows_[row].values.value(column);
}

void Recordset::setValue(const QString& column, const QVariant& value) {
    columnIndex(column); // a misspelt column is a programming error; say so at once
    if (!adding_)
        ensureLoaded();
    if (!adding_ && (pos_ < 0 || pos_ >= rows_.size()))
        throw DbError(QStringLiteral("\"%1\" has no current row to edit").arg(source_));
    pending_.insert(column.toLower(), value);
}

void Recordset::addNew() {
    ensureOpen();
    detectKind();
    if (editing())
        update();
    adding_ = true;
    pending_.clear();
}

void Recordset::cancelUpdate() {
    adding_ = false;
    pending_.clear();
}

QString Recordset::keyPredicate() const {
    return kind_ == Kind::Table ? QStringLiteral("rowid = ?")
                                : quoteIdentifier(keyColumn_) + QStringLiteral(" = ?");
}

void Recordset::insertPending() {
    QStringList names;
    QStringList marks;
    QVariantList binds;
    for (auto it = pending_.constBegin(); it != pending_.constEnd(); ++it) {
        names << quoteIdentifier(it.key());
        marks << QStringLiteral("?");
        binds << it.value();
    }
    const QString sql =
        names.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(source_))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quoteIdentifier(source_), names.join(QStringLiteral(", ")),
                       marks.join(QStringLiteral(", ")));
    QSqlQuery q = exec(db_, sql, binds);
    adding_ = false;
    pending_.clear();
    if (!loaded_)
        return; // read lazily later, like any other row
    if (kind_ == Kind::Table) {
        // The new row becomes the current one, as after AddNew/Update on a snapshot.
        QSqlQuery one =
            exec(db_, selectText() + QStringLiteral(" WHERE rowid = ?"), {q.lastInsertId()});
        if (one.next()) {
            Row row;
            const int n = one.record().count();
            for (int i = 1; i < n; ++i)
                row.values << one.value(i);
            row.key = one.value(0);
            rows_ << row;
            pos_ = rows_.size() - 1;
        }
    } else {
        requery();
    }
}

void Recordset::updatePending() {
    if (!isWritable())
        throw DbError(QStringLiteral("\"%1\" cannot be written").arg(source_));
    Row& row = rows_[pos_];
    QStringList sets;
    QVariantList binds;
    for (auto it = pending_.constBegin(); it != pending_.constEnd(); ++it) {
        sets << quoteIdentifier(it.key()) + QStringLiteral(" = ?");
        binds << it.value();
    }
    binds << row.key;
    exec(db_,
         QStringLiteral("UPDATE %1 SET %2 WHERE %3")
             .arg(quoteIdentifier(source_), sets.join(QStringLiteral(", ")), keyPredicate()),
         binds);
    for (auto it = pending_.constBegin(); it != pending_.constEnd(); ++it)
        row.values[index_.value(it.key())] = it.value();
    pending_.clear();
}

void Recordset::update() {
    ensureOpen();
    if (adding_) {
        if (kind_ == Kind::Statement)
            throw DbError(QStringLiteral("\"%1\" cannot take new rows").arg(source_));
        insertPending();
        return;
    }
    if (pending_.isEmpty())
        return;
    ensureLoaded();
    if (pos_ < 0 || pos_ >= rows_.size())
        throw DbError(QStringLiteral("\"%1\" has no current row to save").arg(source_));
    updatePending();
}

void Recordset::deleteCurrent() {
    ensureLoaded();
    if (pos_ < 0 || pos_ >= rows_.size())
        throw DbError(QStringLiteral("\"%1\" has no current row to delete").arg(source_));
    if (!isWritable())
        throw DbError(QStringLiteral("\"%1\" cannot be written").arg(source_));
    pending_.clear();
    exec(db_,
         QStringLiteral("DELETE FROM %1 WHERE %2").arg(quoteIdentifier(source_), keyPredicate()),
         {rows_[pos_].key});
    rows_.remove(pos_);
}

void Recordset::requery() {
    ensureOpen();
    loaded_ = false;
    haveColumns_ = false;
    rows_.clear();
    pending_.clear();
    adding_ = false;
    pos_ = 0;
}

} // namespace data
