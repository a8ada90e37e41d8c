// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/DueLesson.h"

#include "learn/rules/Directions.h"
#include "learn/rules/MemoryStore.h"

#include <QCoreApplication>

namespace learn {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

} // namespace

std::vector<CardArray::CardRow> dueLessonEntries(const QSqlDatabase& db, qint64 today) {
    std::vector<CardArray::CardRow> entries(1);
    for (const DueEntry& due : dueEntries(db, today)) {
        std::optional<CardArray::CardRow> entry = readEntry(db, due.cardId, due.reverse);
        if (!entry)
            continue;
        (*entry)[ColSetName] = due.setName;
        (*entry)[ColCurStatus] = 0;
        entries.push_back(std::move(*entry));
    }
    return entries;
}

QString duePanelText(int total) {
    return Text::tr("Due today: %1").arg(total);
}

} // namespace learn
