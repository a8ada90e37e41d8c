// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Error.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <initializer_list>

namespace data {

// A failed statement. Handlers catch it and tell the user; nothing half-written stays.
class DbError : public Error {
  public:
    using Error::Error;
};

// Runs one statement with bound parameters; throws DbError on failure.
QSqlQuery exec(const QSqlDatabase& db, const QString& sql, const QVariantList& binds = {});

// First column of the first row, or an invalid QVariant when there is no row.
QVariant scalar(const QSqlDatabase& db, const QString& sql, const QVariantList& binds = {});

// Rolls back unless commit() was called, so an exception never leaves half the work done.
class Transaction {
  public:
    explicit Transaction(const QSqlDatabase& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

  private:
    QSqlDatabase db_;
    bool done_ = false;
};

// A statement prepared once and run for every row of a long list, which keeps it fast.
class Prepared {
  public:
    Prepared(const QSqlDatabase& db, const QString& sql);
    // Binds the values in order and runs it; the id of the row it inserted, if any.
    QVariant run(std::initializer_list<QVariant> binds);

  private:
    QSqlQuery q_;
};

// "name" quoted as an SQL identifier.
QString quoteIdentifier(const QString& name);

} // namespace data
