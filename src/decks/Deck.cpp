// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/Deck.h"

#include "sets/rules/SetRules.h"

#include <QCoreApplication>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

// "3 pictures left out (1 not found, 2 too large or unreadable)"; empty when none was.
QString mediaLeftOut(const MediaTally& t, bool sounds) {
    const int n = t.leftOut();
    if (n == 0)
        return {};
    QStringList reasons;
    if (t.missing > 0)
        reasons << Text::tr("%n not found", nullptr, t.missing);
    if (t.outside > 0)
        reasons << Text::tr("%n outside the file's folder", nullptr, t.outside);
    if (t.refused > 0)
        reasons << Text::tr("%n too large or unreadable", nullptr, t.refused);
    if (t.extra > 0)
        reasons << Text::tr("%n beyond a card's first", nullptr, t.extra);
    const QString why = reasons.join(QStringLiteral(", "));
    if (sounds)
        return (n == 1 ? Text::tr("1 sound left out (%1)")
                       : Text::tr("%n sounds left out (%1)", nullptr, n))
            .arg(why);
    return (n == 1 ? Text::tr("1 picture left out (%1)")
                   : Text::tr("%n pictures left out (%1)", nullptr, n))
        .arg(why);
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
    if (skipped > 0) {
        if (fromPackage)
            why << (skipped == 1
                        ? Text::tr("1 note without both a question and an answer skipped")
                        : Text::tr("%n notes without both a question and an answer skipped",
                                   nullptr, skipped));
        else
            why << (skipped == 1
                        ? Text::tr("1 entry without both a question and an answer skipped")
                        : Text::tr("%n entries without both a question and an answer skipped",
                                   nullptr, skipped));
    }
    if (markAnswers > 0) {
        if (fromPackage)
            why << (markAnswers == 1
                        ? Text::tr("1 note whose answer is the multiple-answer mark \"Multi\" "
                                   "skipped")
                        : Text::tr("%n notes whose answer is the multiple-answer mark \"Multi\" "
                                   "skipped",
                                   nullptr, markAnswers));
        else
            why << (markAnswers == 1
                        ? Text::tr("1 entry whose answer is the multiple-answer mark \"Multi\" "
                                   "skipped")
                        : Text::tr("%n entries whose answer is the multiple-answer mark "
                                   "\"Multi\" skipped",
                                   nullptr, markAnswers));
    }
    if (const QString media = mediaLeftOut(pictures, false); !media.isEmpty())
        why << media;
    if (const QString media = mediaLeftOut(sounds, true); !media.isEmpty())
        why << media;
    // The first two say which files were refused; more would bury the rest of the summary.
    for (qsizetype i = 0; i < mediaRefusals.size() && i < 2; ++i)
        why << mediaRefusals[i];
    if (fromPackage)
        why << Text::tr("scheduling data not imported: the cards start as new cards");
    return why;
}

QString DeckContent::mediaKept() const {
    const QString kept = pictures.kept == 1 ? Text::tr("1 picture")
                                            : Text::tr("%n pictures", nullptr, pictures.kept);
    const QString heard =
        sounds.kept == 1 ? Text::tr("1 sound") : Text::tr("%n sounds", nullptr, sounds.kept);
    if (pictures.kept > 0 && sounds.kept > 0)
        return Text::tr("%1 and %2").arg(kept, heard);
    if (pictures.kept > 0)
        return kept;
    return sounds.kept > 0 ? heard : QString();
}

} // namespace decks
