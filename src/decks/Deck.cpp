// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/Deck.h"

#include "sets/rules/SetRules.h"

namespace decks {
namespace {

QString count(int n, const char* one, const char* many) {
    return n == 1 ? QStringLiteral("1 %1").arg(QLatin1String(one))
                  : QStringLiteral("%1 %2").arg(n).arg(QLatin1String(many));
}

// "3 pictures left out (1 not found, 2 too large or unreadable)"; empty when none was.
QString mediaLeftOut(const MediaTally& t, const char* one, const char* many) {
    if (t.leftOut() == 0)
        return {};
    QStringList reasons;
    const auto add = [&](int n, const char* reason) {
        if (n > 0)
            reasons << QStringLiteral("%1 %2").arg(n).arg(QLatin1String(reason));
    };
    add(t.missing, "not found");
    add(t.outside, "outside the file's folder");
    add(t.refused, "too large or unreadable");
    add(t.extra, "beyond a card's first");
    return count(t.leftOut(), one, many) +
           QStringLiteral(" left out (%1)").arg(reasons.join(QStringLiteral(", ")));
}

} // namespace

bool DeckCard::answerIsMark() const {
    return answers.size() == 1 && sets::isMultiAnswer(answers.first());
}

int DeckContent::cardCount() const {
    int n = 0;
    for (const DeckSet& s : sets)
        n += static_cast<int>(s.cards.size());
    return n;
}

QStringList DeckContent::leftOut() const {
    QStringList why;
    if (skipped > 0)
        why << (fromPackage ? count(skipped, "note", "notes")
                            : count(skipped, "entry", "entries")) +
                   QStringLiteral(" without both a question and an answer skipped");
    if (markAnswers > 0)
        why << (fromPackage ? count(markAnswers, "note", "notes")
                            : count(markAnswers, "entry", "entries")) +
                   QStringLiteral(" whose answer is the multiple-answer mark \"Multi\" skipped");
    if (const QString media = mediaLeftOut(pictures, "picture", "pictures"); !media.isEmpty())
        why << media;
    if (const QString media = mediaLeftOut(sounds, "sound", "sounds"); !media.isEmpty())
        why << media;
    // The first two say which files were refused; more would bury the rest of the summary.
    for (qsizetype i = 0; i < mediaRefusals.size() && i < 2; ++i)
        why << mediaRefusals[i];
    if (fromPackage)
        why << QStringLiteral("scheduling data not imported: the cards start as new cards");
    return why;
}

QString DeckContent::mediaKept() const {
    QStringList kept;
    if (pictures.kept > 0)
        kept << count(pictures.kept, "picture", "pictures");
    if (sounds.kept > 0)
        kept << count(sounds.kept, "sound", "sounds");
    return kept.join(QStringLiteral(" and "));
}

} // namespace decks
