// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

namespace present {

// The controls shown on `area` that Tab may reach, in the order a reader's eye takes them:
// line by line from the top, left to right within a line. A control belongs to the line of
// the one above it when its middle is higher than that one's bottom edge.
QList<QWidget*> readingOrder(const QWidget* area);

// Chains Tab through `area`'s controls in reading order, now and whenever one of them is
// shown, hidden or moved (once per turn of the event loop). The screens place their controls
// by hand and show and hide them, so the order they were made in says nothing.
void keepTabsInReadingOrder(QWidget* area);

} // namespace present
