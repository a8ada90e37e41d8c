// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Compaction.h"

#include "sync/Shadow.h"

#include <QHash>
#include <QSet>

namespace syncing {
namespace {

bool isGid(const QString& s) {
    return s.size() == 32;
}

// The later of two stamped values; on equal stamps (the same change twice) the one held.
void takeLater(QString& value, QString& at, const QString& theirs, const QString& theirsAt) {
    if (theirsAt > at) {
        value = theirs;
        at = theirsAt;
    }
}

ChangeEvent mergedSet(const ChangeEvent& held, const ChangeEvent& later) {
    SetState s = *setFromEvent(held);
    const SetState t = *setFromEvent(later);
    takeLater(s.name, s.nameAt, t.name, t.nameAt);
    takeLater(s.flag, s.flagAt, t.flag, t.flagAt);
    takeLater(s.direction, s.directionAt, t.direction, t.directionAt);
    s.deletedAt = std::max(s.deletedAt, t.deletedAt);
    return setEvent(s);
}

// The join key stays the first one: a reader joins a card by the key of the change that
// first makes it known.
ChangeEvent mergedCard(const ChangeEvent& held, const ChangeEvent& later) {
    CardState c = *cardFromEvent(held);
    const CardState t = *cardFromEvent(later);
    takeLater(c.question, c.qAt, t.question, t.qAt);
    takeLater(c.answer, c.aAt, t.answer, t.aAt);
    takeLater(c.options, c.oAt, t.options, t.oAt);
    takeLater(c.answers, c.lAt, t.answers, t.lAt);
    takeLater(c.picture, c.pAt, t.picture, t.pAt);
    takeLater(c.sound, c.sAt, t.sound, t.sAt);
    if (t.baseAt > c.baseAt) {
        c.rating = t.rating;
        c.correct = t.correct;
        c.incorrect = t.incorrect;
        c.rRating = t.rRating;
        c.rCorrect = t.rCorrect;
        c.rIncorrect = t.rIncorrect;
        c.baseAt = t.baseAt;
    }
    return cardEvent(c);
}

ChangeEvent mergedMember(const ChangeEvent& held, const ChangeEvent& later) {
    MemberState m = *memberFromEvent(held);
    const MemberState t = *memberFromEvent(later);
    m.addAt = std::max(m.addAt, t.addAt);
    m.delAt = std::max(m.delAt, t.delAt);
    return memberEvent(m);
}

// The key under which changes of one thing are merged; empty for a change kept as it is.
QString keyOf(const ChangeEvent& e) {
    const QString kind = e.kind();
    if (kind == QLatin1String("S") && setFromEvent(e))
        return kind + e.at(1);
    if (kind == QLatin1String("C") && cardFromEvent(e))
        return kind + e.at(1);
    if (kind == QLatin1String("M") && memberFromEvent(e))
        return kind + e.at(1) + e.at(2);
    // A reply with its direction, or from a program that knew none.
    if (kind == QLatin1String("L") && (e.fields.size() == 8 || e.fields.size() == 9) &&
        isGid(e.at(1)))
        return kind + e.at(1);
    if (kind == QLatin1String("U") && e.fields.size() == 2 && isGid(e.at(1)))
        return kind + e.at(1);
    if (kind == QLatin1String("X"))
        return e.fields.join(QLatin1Char('\t'));
    return {};
}

ChangeEvent merged(const ChangeEvent& held, const ChangeEvent& later) {
    const QString kind = held.kind();
    if (kind == QLatin1String("S"))
        return mergedSet(held, later);
    if (kind == QLatin1String("C"))
        return mergedCard(held, later);
    if (kind == QLatin1String("M"))
        return mergedMember(held, later);
    return held; // a reply, a taking back or a cleaning: the same change again
}

} // namespace

std::vector<ChangeEvent> compactChanges(const std::vector<ChangeEvent>& events) {
    QSet<QString> undone;
    for (const ChangeEvent& e : events)
        if (e.kind() == QLatin1String("U") && e.fields.size() == 2)
            undone.insert(e.at(1));
    std::vector<ChangeEvent> out;
    out.reserve(events.size());
    QHash<QString, size_t> placeOf;
    for (const ChangeEvent& e : events) {
        const QString key = keyOf(e);
        if (key.isEmpty()) {
            out.push_back(e);
            continue;
        }
        if (e.kind() == QLatin1String("L") && undone.contains(e.at(1)))
            continue;
        const auto place = placeOf.constFind(key);
        if (place == placeOf.cend()) {
            placeOf.insert(key, out.size());
            out.push_back(e);
        } else {
            out[*place] = merged(out[*place], e);
        }
    }
    return out;
}

} // namespace syncing
