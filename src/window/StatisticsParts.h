// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

class QChart;
class QTableWidget;
class QWidget;

namespace window {

// The tables and charts the statistics window is made of.

// The headings come with the window's texts, in retranslate().
QTableWidget* newTable(int columns, int textColumns, QWidget* parent);

// Rows already shown keep their items: a change of range rewrites only the texts that
// changed, rather than every cell of a thousand sets.
// Texts (the first `textColumns`) carry their whole text as a tooltip, as they may be elided.
void setRow(QTableWidget* table, int row, const QStringList& cells, int textColumns);

// Gives each number column the width of its header or its longest number, whichever is
// wider. Measuring only the longest text keeps a change of range quick with a thousand sets,
// where letting the header size every cell took most of the time.
void fitNumbers(QTableWidget* table, int textColumns);

QChart* newChart(const QString& title);

// Under the user's own colours a chart stands on their background with their text colour,
// not on the light face of Qt's chart theme. Call once the axes are in.
void followSystemPalette(QChart* chart);

// A series' designed colour, or where the user's colours are followed, a shade of it that
// stands out from the chart's background (3:1, as for any shape that carries meaning).
QColor seriesColour(const QColor& designed);

} // namespace window
