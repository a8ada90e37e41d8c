// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/WindowFixture.h"

// The main window over two sets, "Verbs" (chosen, one card go/went) and "Nouns", once seeded.
struct SetsFixture : testing::WindowFixture {
    // Returns the Verbs id.
    qint64 seedVerbsAndNouns() {
        const qint64 verbs = t.addSet(QStringLiteral("Verbs"));
        t.addSet(QStringLiteral("Nouns"));
        t.addCard(QStringLiteral("go"), QStringLiteral("went"), verbs);
        t.chooseSet(QStringLiteral("Verbs"));
        return verbs;
    }
};
