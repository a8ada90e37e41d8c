// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled into every test: the program always loads its English texts at start (they hold
// the singular forms, "1 card"), so the tests read what a learner reads.
#include "i18n/Language.h"

#include <QCoreApplication>

namespace {
void loadEnglish() {
    (void)i18n::useLanguage(QStringLiteral("en"));
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(loadEnglish)
