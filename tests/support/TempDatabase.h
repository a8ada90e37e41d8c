// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

namespace testing {

// A fresh database made from the schema in a temporary folder, opened as the main
// connection. With `sample` the new-user sample set is there; without, only the settings
// rows. Closed and removed when the fixture goes.
class TempDatabase {
  public:
    explicit TempDatabase(bool sample = false);
    ~TempDatabase();

    QSqlDatabase db() const;
    QString path() const { return path_; }
    QString dir() const { return dir_.path(); }

    // Seeding helpers. They return the new row's id.
    qint64 addSet(const QString& name, bool includeInDemons = true);
    qint64 addCard(const QString& question, const QString& answer, qint64 setId);
    void relate(qint64 setId, qint64 cardId);
    void addAnswers(qint64 cardId, const QStringList& answers);
    void chooseSet(const QString& name);

    QVariant scalar(const QString& sql, const QVariantList& binds = {}) const;
    void exec(const QString& sql, const QVariantList& binds = {}) const;
    // The first value of every row, as text: a whole result in one comparison.
    QStringList column(const QString& sql, const QVariantList& binds = {}) const;

  private:
    QTemporaryDir dir_;
    QString path_;
};

} // namespace testing
