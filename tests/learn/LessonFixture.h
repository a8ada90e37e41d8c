// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/WindowFixture.h"

// The main window learning a set "S" of cards qN / aN (or the answers given), chosen before
// the start; `sqlBeforeStart` runs on the seeded database first.
struct LessonFixture : testing::WindowFixture {
    explicit LessonFixture(int cards, const QStringList& answers = {},
                           const QString& sqlBeforeStart = {}) {
        const qint64 set = t.addSet("S");
        for (int i = 1; i <= cards; ++i)
            ids << t.addCard(QString("q%1").arg(i), answers.value(i - 1, QString("a%1").arg(i)),
                             set);
        t.chooseSet("S");
        if (!sqlBeforeStart.isEmpty())
            t.exec(sqlBeforeStart);
        start();
        learn();
    }
    // Talking mode: the questions are spoken, a pause follows a right reply.
    void talk() {
        w->modes().Silent = false;
        w->modes().TalkingOn = true;
    }
    QList<qint64> ids;
};
