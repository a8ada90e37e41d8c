// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/LogAggregates.h"

#include <QWidget>

namespace window {

// A year of days as a grid, one column a week, one cell a day, darker with more replies.
class ReplyCalendar : public QWidget {
    Q_OBJECT
  public:
    explicit ReplyCalendar(QWidget* parent = nullptr);

    void setDays(const QVector<stats::DayCount>& days);
    const QVector<stats::DayCount>& days() const { return days_; }
    // The shade step (0 none, 1 to 4) a number of replies gets beside the busiest day.
    static int shade(int replies, int busiest);

    // Where day i is drawn: the cells shrink so that the whole year, today included, fits
    // the width the window gives.
    QRect cellRect(int i) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int firstSlot() const;
    int weeks() const;

    QVector<stats::DayCount> days_;
    int busiest_ = 0;
};

} // namespace window
