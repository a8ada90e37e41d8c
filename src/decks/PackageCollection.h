// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QSqlQuery>
#include <QString>
#include <chrono>

namespace decks {

// A read-only connection to the unpacked collection of a package, someone else's SQLite
// file, removed with this. Before anything is read it gets the collation "unicase" that a
// current trainer declares on its name columns (Unicode case folding), and a watch that
// interrupts any statement running past `limit`. Every failure throws DeckError with the
// reason alone.
class Collection {
  public:
    Collection(const QString& file, std::chrono::milliseconds limit);
    ~Collection();
    Collection(const Collection&) = delete;
    Collection& operator=(const Collection&) = delete;

    // Reads the schema as SQLite understood it, before any check touches the rows: a view
    // (a recursive one never ends), a trigger, a virtual table or a computed column (made
    // afresh for each row it is read from, as long as its author likes) in any table is
    // refused. Then the file's own check.
    void check();

    // Runs a statement; a failure is a refusal saying what could not be read.
    QSqlQuery run(const QString& sql, const QString& what);
    // The next row; a failure while stepping is a refusal too, never the end of the rows.
    bool next(QSqlQuery& q, const QString& what) const;

  private:
    QString name_;
    std::chrono::milliseconds limit_;
    QDeadlineTimer deadline_;
    bool expired_ = false;

    static int onProgress(void* self);
    [[noreturn]] void failed(const QSqlQuery& q, const QString& what) const;
};

} // namespace decks
