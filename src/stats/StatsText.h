// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/LogAggregates.h"

#include <QString>

namespace stats {

// A share or a mean with four decimals and a point; empty where nothing divides.
QString share(int part, int whole);
QString fourDecimals(const std::optional<double>& value);

// One CSV field, quoted as RFC 4180 asks when it holds a comma, a quote or a line break.
QString csvField(const QString& text);

// The numbers as CSV: the days (header "date,replies,correct,wrong,share_correct"), an empty
// line, then the sets (header "set,cards,answered,replies,correct,share_correct,mean_rating").
QString statsCsv(const QVector<DayCount>& days, const QVector<SetSummary>& sets);

// What the statistics leave out for its dates, as sentences ("3 log rows have no readable
// date ..."); empty when nothing is left out.
QString logSpanNote(const LogSpan& span);

// The same numbers as a text table for a terminal.
QString statsText(const QVector<DayCount>& days, const QVector<SetSummary>& sets);

} // namespace stats
