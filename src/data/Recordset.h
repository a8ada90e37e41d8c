// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace data {

// A snapshot of a table, a stored query (view) or a SELECT statement, with fields by name,
// a current row, and writes that go back to the source. Opening only records the source:
// the rows are read on first access, so a record set nobody reads costs nothing.
// Writes through a view rely on its INSTEAD OF triggers and on a key column in the view.
class Recordset {
  public:
    Recordset() = default;
    Recordset(const QSqlDatabase& db, const QString& source);

    bool isOpen() const { return open_; }
    const QString& source() const { return source_; }

    // Navigation, as on a client-side snapshot. A move saves a pending edit first.
    bool eof();
    bool bof();
    bool isEmpty() { return recordCount() == 0; }
    int recordCount();
    int position();
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    void moveTo(int row);

    QStringList columnNames();
    // Column names match without regard to letter case, as the stored queries were written.
    QVariant value(const QString& column);
    QVariant valueAt(int row, int column);
    void setValue(const QString& column, const QVariant& value);

    void addNew();
    void update();
    void cancelUpdate();
    bool editing() const { return adding_ || !pending_.isEmpty(); }
    void deleteCurrent();

    // Drops the snapshot; the source is read again on next access.
    void requery();
    bool isLoaded() const { return loaded_; }
    bool isWritable();

  private:
    enum class Kind { Unknown, Table, View, Statement };
    struct Row {
        QVariantList values;
        QVariant key;
    };

    void ensureOpen() const;
    void ensureLoaded();
    void ensureColumns();
    void readColumns(const QStringList& names);
    void detectKind();
    QString selectText() const;
    int columnIndex(const QString& column);
    int keyIndex() const;
    QString keyPredicate() const;
    void insertPending();
    void updatePending();

    QSqlDatabase db_;
    QString source_;
    bool open_ = false;
    Kind kind_ = Kind::Unknown;
    QString keyColumn_; // empty for a table (its rowid) and for read-only sources
    bool loaded_ = false;
    bool haveColumns_ = false;
    QStringList columns_;
    QHash<QString, int> index_;
    QVector<Row> rows_;
    int pos_ = 0;
    bool adding_ = false;
    QHash<QString, QVariant> pending_; // column name as the caller wrote it -> value
};

} // namespace data
