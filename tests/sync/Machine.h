// SPDX-License-Identifier: GPL-3.0-or-later
// A database of its own on its own connection, standing for one of a learner's machines, with
// the changes a learner makes through the program (the same statements), and a digest of
// its content without local ids or lesson state.
#pragma once

#include "sync/Sync.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <initializer_list>

namespace testing {

class Machine {
  public:
    // A new database in `dir` named `name`; with `sample`, the new-user sample set is kept.
    Machine(const QString& dir, const QString& name, bool sample = false);
    // A database file that exists already.
    explicit Machine(const QString& existingPath);
    ~Machine();
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    QSqlDatabase db() const;
    const QString& path() const { return path_; }
    const QString& name() const { return name_; }

    syncing::SyncSummary sync(const QString& folder);

    qint64 addSet(const QString& name);
    qint64 setId(const QString& name) const;
    void renameSet(const QString& from, const QString& to);
    // 0 question first, 1 answer first, 2 both.
    void turnSet(const QString& name, int direction);
    void deleteSet(const QString& name);
    qint64 addCard(const QString& set, const QString& question, const QString& answer);
    qint64 cardId(const QString& question) const;
    void tie(const QString& set, qint64 cardId);
    void removeCard(const QString& set, qint64 cardId);
    void editCard(qint64 cardId, const QString& question, const QString& answer);
    void setAnswers(qint64 cardId, const QStringList& answers);
    // A judged reply as the lesson stores it; `token` goes into JudgedBy to find it again.
    qint64 reply(qint64 cardId, bool correct, const QString& token = {});
    // The same for a card asked answer first: its reverse weights (0 when it had none) counted.
    qint64 replyReverse(qint64 cardId, bool correct, const QString& token = {});
    // Takes the reply back as the program does (its weights restored, its row gone).
    void undo(qint64 logRow);
    void cleanLog();

    QVariant scalar(const QString& sql, const QVariantList& binds = {}) const;
    QStringList column(const QString& sql, const QVariantList& binds = {}) const;
    void exec(const QString& sql, const QVariantList& binds = {}) const;

    // Sets with their directions, cards, answers and weights both ways (none reads as 0), and
    // the log with each reply's direction, by content alone.
    QString digest() const;

    // Closes the connection (the file stays) and opens it again.
    void reopen();
    void close();

  private:
    QString path_;
    QString name_;
    QString connection_;
    struct Undo {
        qint64 row;
        QVariant rating, correct, incorrect;
        qint64 card;
        bool reverse;
    };
    std::vector<Undo> undos_;
    QString setOf(qint64 cardId) const;
};

// Every machine syncs through `folder`, three rounds, so that every change reaches every
// machine. A sync must end without an error; `check` looks at each summary besides.
void settle(const QString& folder, std::initializer_list<Machine*> machines,
            const std::function<void(const syncing::SyncSummary&)>& check = {});

} // namespace testing
