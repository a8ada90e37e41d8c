// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/Judging.h"

#include "data/Sql.h"

#include <QSqlQuery>

namespace learn {

QString judgingForm(const QString& text, const JudgingOptions& options) {
    QString form = options.ignoreExtraBlanks ? text.simplified() : text;
    return options.ignoreCapitals ? form.toCaseFolded() : form;
}

bool repliesMatch(const QString& reply, const QString& answer, const JudgingOptions& options) {
    if (answer.isEmpty())
        return false;
    return judgingForm(reply, options) == judgingForm(answer, options);
}

QString acceptingRule(const QString& reply, const QString& answer, const JudgingOptions& options) {
    if (reply == answer || !repliesMatch(reply, answer, options))
        return {};
    if (repliesMatch(reply, answer, {.ignoreCapitals = true}))
        return QStringLiteral("capitals");
    if (repliesMatch(reply, answer, {.ignoreExtraBlanks = true}))
        return QStringLiteral("blanks");
    return QStringLiteral("capitals+blanks");
}

QString combinedRule(const QStringList& rules) {
    bool capitals = false;
    bool blanks = false;
    for (const QString& rule : rules) {
        capitals = capitals || rule.contains(QStringLiteral("capitals"));
        blanks = blanks || rule.contains(QStringLiteral("blanks"));
    }
    if (capitals && blanks)
        return QStringLiteral("capitals+blanks");
    if (capitals)
        return QStringLiteral("capitals");
    return blanks ? QStringLiteral("blanks") : QString();
}

JudgingOptions loadJudgingOptions(const QSqlDatabase& db) {
    QSqlQuery q = data::exec(
        db, QStringLiteral("SELECT IgnoreCapitals, IgnoreExtraBlanks FROM JudgingOptions LIMIT 1"));
    JudgingOptions options;
    if (q.next()) {
        options.ignoreCapitals = q.value(0).toInt() != 0;
        options.ignoreExtraBlanks = q.value(1).toInt() != 0;
    }
    return options;
}

void saveJudgingOptions(const QSqlDatabase& db, const JudgingOptions& options) {
    data::Transaction t(db);
    data::exec(db, QStringLiteral("DELETE FROM JudgingOptions"));
    data::exec(db,
               QStringLiteral("INSERT INTO JudgingOptions (IgnoreCapitals, IgnoreExtraBlanks) "
                              "VALUES (?, ?)"),
               {options.ignoreCapitals ? 1 : 0, options.ignoreExtraBlanks ? 1 : 0});
    t.commit();
}

} // namespace learn
