// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace app {

// The id under which the desktop knows the program: the names of its desktop entry, icon
// and AppStream metadata.
inline const QString kDesktopId = QStringLiteral("io.github.memorant.Memorant");

// Tells the desktop which entry the windows belong to and gives them the program's icon
// (the installed theme icon, else the copy compiled in). Needs the QApplication.
void applyDesktopIdentity();

} // namespace app
