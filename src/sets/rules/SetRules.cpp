// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/rules/SetRules.h"

#include "sets/rules/StoredText.h"

#include <QFileInfo>

namespace sets {

bool isMultiAnswer(const QVariant& answer) {
    return !answer.isNull() && answer.toString() == QStringLiteral("Multi");
}

bool setNameTaken(const QStringList& existingNames, const QString& candidate) {
    for (const QString& name : existingNames) {
        if (name.compare(candidate, Qt::CaseInsensitive) == 0 ||
            name.toCaseFolded() == candidate.toCaseFolded())
            return true;
    }
    return false;
}

int rowOfCardId(const QVariantList& cardIds, const QString& cardId) {
    for (int row = 0; row < cardIds.size(); ++row) {
        if (cardIds[row].toString() == cardId)
            return row;
    }
    return -1;
}

QString uniqueSetName(const QStringList& existingNames, const QString& base) {
    QString wanted = storableSetName(base);
    if (wanted.trimmed().isEmpty())
        wanted = QStringLiteral("Cards");
    QString name = wanted;
    for (int n = 2; setNameTaken(existingNames, name); ++n) {
        const QString number = QStringLiteral(" %1").arg(n);
        name = cappedSetName(wanted, kMaxSetNameLength - int(number.size())) + number;
    }
    return name;
}

bool setNameCut(const QString& base, const QString& given) {
    return !given.startsWith(storableText(base));
}

QString setNameForFile(const QString& path) {
    const QString name = storableSetName(QFileInfo(path).completeBaseName()).trimmed();
    return name.isEmpty() ? QStringLiteral("Word list") : name;
}

} // namespace sets
