// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/Deck.h"

#include "sets/rules/SetRules.h"

namespace decks {
namespace {

QString count(int n, const char* one, const char* many) {
    return n == 1 ? QStringLiteral("1 %1").arg(QLatin1String(one))
                  : QStringLiteral("%1 %2").arg(n).arg(QLatin1String(many));
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
    if (sounds > 0)
        why << count(sounds, "sound", "sounds") +
                   QStringLiteral(" left out (sounds are not taken)");
    if (images > 0)
        why << count(images, "picture", "pictures") +
                   QStringLiteral(" left out (pictures are not taken)");
    if (fromPackage)
        why << QStringLiteral("scheduling data not imported: the cards start as new cards");
    return why;
}

} // namespace decks
