// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The columns of the settings rows (Fields, Fields1) and of the stored counting queries, spelled
// once so a typo is a compile error rather than an empty value.
namespace data::column {

// Fields: the chosen set, and whether a set is being loaded.
inline const QString SetName = QStringLiteral("SetName");
inline const QString Load = QStringLiteral("Load");

// Fields1: the multiple-answer card being judged and how its comparison is built, the set
// name being checked, the card being logged, how many Demons, the pause, the voice.
inline const QString Multi_ID = QStringLiteral("Multi_ID");
inline const QString MultiSource = QStringLiteral("MultiSource");
inline const QString Check = QStringLiteral("Check");
inline const QString CardNum = QStringLiteral("CardNum");
inline const QString DemonsNum = QStringLiteral("DemonsNum");
inline const QString Zad = QStringLiteral("Zad");
inline const QString Voice = QStringLiteral("Voice");
// Fields1: how large the main window's screens are drawn in Academic and in Kids mode.
inline const QString AcademicScale = QStringLiteral("AcademicScale");
inline const QString KidsScale = QStringLiteral("KidsScale");

// The single column of the stored counting queries.
inline const QString Countt = QStringLiteral("Countt");

} // namespace data::column
