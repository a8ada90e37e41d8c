// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/MergePlan.h"

#include "sets/rules/StoredText.h"

#include <algorithm>

namespace exchange {
namespace {

QString folded(const QString& name) {
    return name.toCaseFolded();
}

// "*set0" is never renamed, in whatever letter case, as every set name compares.
bool isReserved(const QString& name) {
    static const QString reserved = folded(QStringLiteral("*set0"));
    return folded(name) == reserved;
}

// The name with "1" appended, cut shorter first where it would grow past a set name's
// length.
QString withOne(const QString& name) {
    return sets::cappedSetName(name, sets::kMaxSetNameLength - 1) + QLatin1Char('1');
}

} // namespace

bool MergePlan::taken(const QString& name) const {
    return std::binary_search(takenFolded_.cbegin(), takenFolded_.cend(), folded(name));
}

MergePlan::MergePlan(const QStringList& existingNames, const QStringList& fileNames)
    : fileNames_(fileNames) {
    for (const QString& n : existingNames)
        takenFolded_ << folded(n);
    std::sort(takenFolded_.begin(), takenFolded_.end());
    auto take = [this](const QString& name) {
        const QString f = folded(name);
        takenFolded_.insert(std::lower_bound(takenFolded_.begin(), takenFolded_.end(), f), f);
    };

    // Free names first, so that a renamed set cannot take the name another set keeps.
    fates_.resize(static_cast<size_t>(fileNames.size()), SetFate{SetFate::LeftOut, {}});
    std::vector<bool> keeps(fates_.size(), false);
    for (size_t i = 0; i < fates_.size(); ++i) {
        const QString& name = fileNames[static_cast<qsizetype>(i)];
        if (!taken(name)) {
            fates_[i] = {SetFate::Kept, name};
            keeps[i] = true;
            take(name);
        }
    }
    for (size_t i = 0; i < fates_.size(); ++i) {
        const QString& name = fileNames[static_cast<qsizetype>(i)];
        if (keeps[i] || isReserved(name))
            continue;
        const QString renamed = withOne(name);
        if (taken(renamed))
            continue;
        fates_[i] = {SetFate::Renamed, renamed};
        take(renamed);
    }
}

SetFate MergePlan::logFate(const QString& setName) const {
    const qsizetype i = fileNames_.indexOf(setName);
    if (i >= 0)
        return fates_[static_cast<size_t>(i)];
    if (!taken(setName))
        return {SetFate::Kept, setName};
    if (!isReserved(setName) && !taken(withOne(setName)))
        return {SetFate::Renamed, withOne(setName)};
    return {SetFate::LeftOut, {}};
}

} // namespace exchange
