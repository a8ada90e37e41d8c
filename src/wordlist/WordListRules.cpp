// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist/WordListRules.h"

#include "sets/rules/SetRules.h"
#include "wordlist/CsvReader.h"

#include <QCoreApplication>
#include <QSet>

namespace wordlist {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(WordList)
};
} // namespace

ListCard cardFromRow(const QStringList& fields, const ColumnChoice& columns) {
    ListCard card;
    if (fields.size() <= std::max(columns.question, columns.answer)) {
        card.skipReason = Text::tr("too few fields");
        return card;
    }
    card.question = fields[columns.question];
    if (columns.multi) {
        for (int i = columns.answer; i < fields.size(); ++i) {
            if (i != columns.question && !fields[i].isEmpty())
                card.answers << fields[i];
        }
    } else if (!fields[columns.answer].isEmpty()) {
        card.answers << fields[columns.answer];
    }
    if (card.question.isEmpty())
        card.skipReason = Text::tr("no question");
    else if (card.answers.isEmpty())
        card.skipReason = Text::tr("no answer");
    else if (card.answers.size() == 1 && sets::isMultiAnswer(card.answers.first()))
        // That answer marks a multiple-answer card, and this one would have no answers.
        card.skipReason = Text::tr("the answer is the multiple-answer mark");
    return card;
}

bool looksLikeHeader(const QStringList& fields, const ColumnChoice& columns) {
    static const QSet<QString> words = {
        // What the columns hold
        QStringLiteral("question"), QStringLiteral("questions"), QStringLiteral("answer"),
        QStringLiteral("answers"), QStringLiteral("front"), QStringLiteral("back"),
        QStringLiteral("word"), QStringLiteral("words"), QStringLiteral("term"),
        QStringLiteral("terms"), QStringLiteral("definition"), QStringLiteral("translation"),
        QStringLiteral("meaning"), QStringLiteral("prompt"), QStringLiteral("response"),
        QStringLiteral("source"), QStringLiteral("target"), QStringLiteral("q"),
        QStringLiteral("a"), QStringLiteral("frage"), QStringLiteral("antwort"),
        QStringLiteral("wort"), QStringLiteral("übersetzung"), QStringLiteral("mot"),
        QStringLiteral("traduction"), QStringLiteral("palabra"), QStringLiteral("traducción"),
        // Languages, by their English and their own names
        QStringLiteral("english"), QStringLiteral("german"), QStringLiteral("french"),
        QStringLiteral("spanish"), QStringLiteral("italian"), QStringLiteral("portuguese"),
        QStringLiteral("dutch"), QStringLiteral("russian"), QStringLiteral("polish"),
        QStringLiteral("swedish"), QStringLiteral("norwegian"), QStringLiteral("danish"),
        QStringLiteral("finnish"), QStringLiteral("greek"), QStringLiteral("latin"),
        QStringLiteral("turkish"), QStringLiteral("czech"), QStringLiteral("hungarian"),
        QStringLiteral("japanese"), QStringLiteral("chinese"), QStringLiteral("korean"),
        QStringLiteral("arabic"), QStringLiteral("hebrew"), QStringLiteral("ukrainian"),
        QStringLiteral("deutsch"), QStringLiteral("englisch"), QStringLiteral("français"),
        QStringLiteral("anglais"), QStringLiteral("español"), QStringLiteral("inglés"),
        QStringLiteral("italiano"), QStringLiteral("português"), QStringLiteral("nederlands"),
        QStringLiteral("русский"), QStringLiteral("polski"), QStringLiteral("svenska")};
    if (fields.size() <= std::max(columns.question, columns.answer))
        return false;
    for (int column : {columns.question, columns.answer}) {
        QString word = fields[column].trimmed().toLower();
        if (word.endsWith(QLatin1Char(':')))
            word.chop(1);
        if (!words.contains(word))
            return false;
    }
    return true;
}

bool isListHeader(const QStringList& fields) {
    if (fields.size() < 2 || fields[0] != QStringLiteral("Question") ||
        fields[1] != QStringLiteral("Answer"))
        return false;
    for (int i = 2; i < fields.size(); ++i) {
        if (fields[i] != QStringLiteral("Answer %1").arg(i))
            return false;
    }
    return true;
}

QString listHeaderLine(int answerColumns) {
    QString line = QStringLiteral("Question\tAnswer");
    for (int i = 2; i <= answerColumns; ++i)
        line += QStringLiteral("\tAnswer %1").arg(i);
    return line;
}

QString describeHeaderLine(int line, const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted << QLatin1Char('"') + (f.size() > 40 ? f.left(40) + QStringLiteral("...") : f) +
                      QLatin1Char('"');
    return Text::tr("line %1 (%2)").arg(line).arg(quoted.join(QStringLiteral(", ")));
}

QString listLine(const QString& question, const QStringList& answers) {
    QString line = quoteField(question);
    for (const QString& answer : answers)
        line += QLatin1Char('\t') + quoteField(answer);
    return line;
}

} // namespace wordlist
