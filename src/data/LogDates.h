// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

namespace data {

// The days a log row may carry: real days from 1900-01-01 to 2199-12-31. A date outside
// them comes from a clock or a file gone wrong, and a chart of the span it opens could not
// be drawn.
QDate firstLogDay();
QDate lastLogDay();

// The day of a log date ("YYYY-MM-DD", alone or followed by its time) when it is a real day
// within those; invalid otherwise.
QDate logDay(QStringView date);

// Why a log row cannot carry `date`, as the end of a sentence ("... is not a real day ...");
// empty when it can.
[[nodiscard]] QString logDateProblem(QStringView date);

} // namespace data
