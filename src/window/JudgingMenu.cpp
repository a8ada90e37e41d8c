// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/JudgingMenu.h"

#include "data/Sql.h"
#include "learn/rules/Judging.h"

#include <QAction>
#include <QCoreApplication>
#include <QSignalBlocker>

namespace window {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};
} // namespace

JudgingMenu::JudgingMenu(present::Form1State& s, QObject* parent) : QObject(parent), s_(s) {
    connect(s_.c.mnuIgnoreCapitals, &QAction::toggled, this, [this] { store(); });
    connect(s_.c.mnuIgnoreBlanks, &QAction::toggled, this, [this] { store(); });
    showStored();
}

void JudgingMenu::showStored() {
    learn::JudgingOptions options;
    try {
        options = learn::loadJudgingOptions(s_.rs.connection());
    } catch (const data::DbError&) {
        // Unreadable options leave judging exact, as the boxes then show.
    }
    const QSignalBlocker capitals(s_.c.mnuIgnoreCapitals);
    const QSignalBlocker blanks(s_.c.mnuIgnoreBlanks);
    s_.c.mnuIgnoreCapitals->setChecked(options.ignoreCapitals);
    s_.c.mnuIgnoreBlanks->setChecked(options.ignoreExtraBlanks);
}

void JudgingMenu::store() {
    try {
        learn::saveJudgingOptions(s_.rs.connection(), {s_.c.mnuIgnoreCapitals->isChecked(),
                                                       s_.c.mnuIgnoreBlanks->isChecked()});
    } catch (const data::DbError& e) {
        s_.dialogs.warning(Text::tr("The judging options could not be saved: %1").arg(e.message()));
        showStored(); // the boxes say what judging really does
    }
}

} // namespace window
