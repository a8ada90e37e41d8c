// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ReplyCalendar.h"

#include "present/SystemPalette.h"

#include <QPainter>
#include <algorithm>

namespace window {
namespace {

constexpr int kCell = 11;
constexpr int kGap = 2;
constexpr int kStep = kCell + kGap;

} // namespace

ReplyCalendar::ReplyCalendar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ReplyCalendar"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ReplyCalendar::setDays(const QVector<stats::DayCount>& days) {
    days_ = days;
    busiest_ = 0;
    for (const stats::DayCount& d : days_)
        busiest_ = std::max(busiest_, d.replies);
    updateGeometry();
    update();
}

int ReplyCalendar::shade(int replies, int busiest) {
    if (replies <= 0 || busiest <= 0)
        return 0;
    // Quarters of the busiest day, so that one heavy day does not blank out the rest.
    return std::clamp((replies * 4 + busiest - 1) / busiest, 1, 4);
}

// Rows are weekdays, Monday on top; the first column starts at the first day's weekday.
int ReplyCalendar::firstSlot() const {
    return days_.isEmpty() ? 0 : days_.first().day.dayOfWeek() - 1;
}

int ReplyCalendar::weeks() const {
    return days_.isEmpty() ? 53 : (firstSlot() + static_cast<int>(days_.size()) + 6) / 7;
}

QSize ReplyCalendar::sizeHint() const {
    return {weeks() * kStep + kGap, 7 * kStep + kGap};
}

QSize ReplyCalendar::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

QRect ReplyCalendar::cellRect(int i) const {
    const int step = std::clamp((width() - kGap) / weeks(), 2, kStep);
    const int gap = step > 6 ? kGap : 1;
    const int slot = i + firstSlot();
    return {gap + (slot / 7) * step, gap + (slot % 7) * step, step - gap, step - gap};
}

void ReplyCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor none = palette().color(QPalette::Mid).lighter(150);
    // The busiest days stand out from the user's own background as well as from the light one.
    const QColor full =
        present::followsSystemPalette()
            ? present::readableOn(QColor(0x21, 0x6e, 0x39), palette().color(QPalette::Window), 3.0)
            : QColor(0x21, 0x6e, 0x39);
    for (int i = 0; i < days_.size(); ++i) {
        const int step = shade(days_[i].replies, busiest_);
        QColor color = none;
        if (step > 0) {
            color = full;
            color.setAlphaF(0.25 + 0.1875 * step);
        }
        painter.fillRect(cellRect(i), color);
    }
}

} // namespace window
