// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace learn {

// Edit > Judging: how forgiving the comparison of a reply with its answer is. Both off is
// exact judging, the default.
struct JudgingOptions {
    bool ignoreCapitals = false;    // compared by Unicode case folding
    bool ignoreExtraBlanks = false; // blanks at the ends go, a run of blanks counts as one
    bool operator==(const JudgingOptions&) const = default;
};

// The form a text is compared in under the options: the text itself when both are off.
QString judgingForm(const QString& text, const JudgingOptions& options);

// Whether a reply matches an answer under the options; an empty answer matches nothing.
bool repliesMatch(const QString& reply, const QString& answer, const JudgingOptions& options);

// The rule that let a reply pass, as Log.JudgedBy keeps it: empty when the reply equals the
// answer exactly (or does not match at all), otherwise "capitals", "blanks" or
// "capitals+blanks".
QString acceptingRule(const QString& reply, const QString& answer, const JudgingOptions& options);

// The rule of a list of replies: every rule that one of its replies needed.
QString combinedRule(const QStringList& rules);

// The options kept in the database; a file without its row judges exactly. Throws DbError.
JudgingOptions loadJudgingOptions(const QSqlDatabase& db);
void saveJudgingOptions(const QSqlDatabase& db, const JudgingOptions& options);

} // namespace learn
