// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/LayoutScaler.h"

#include "present/ScaleRules.h"
#include "present/ScaledPlacement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace present {
namespace {
constexpr double kSameFactor = 1e-6;
}

LayoutScaler::LayoutScaler(QWidget* window, QWidget* area, QWidget* canvas)
    : QObject(window), window_(window), area_(area), canvas_(canvas) {
    setObjectName(QStringLiteral("layoutScaler"));
    window_->setProperty("layoutScale", factor_);
    window_->installEventFilter(this);
    area_->installEventFilter(this);
}

LayoutScaler* LayoutScaler::of(const QWidget* w) {
    if (w == nullptr)
        return nullptr;
    return w->window()->findChild<LayoutScaler*>(QStringLiteral("layoutScaler"),
                                                 Qt::FindDirectChildrenOnly);
}

void LayoutScaler::setWanted(double academic, double kids) {
    wanted_ = {usableStoredScale(academic), usableStoredScale(kids)};
    takeFactor(boundedScale(wanted(kids_), largest()));
    resizeWindow(true, true);
}

void LayoutScaler::useMode(bool kids) {
    kids_ = kids;
    takeFactor(boundedScale(wanted(kids_), largest()));
}

void LayoutScaler::setDesignedSize(QSizeF size) {
    designed_ = size;
    takeFactor(boundedScale(wanted(kids_), largest()));
    resizeWindow(true, true);
}

void LayoutScaler::setDesignedWidth(double width) {
    designed_.setWidth(width);
    const double before = factor_;
    takeFactor(boundedScale(wanted(kids_), largest()));
    resizeWindow(true, std::abs(before - factor_) > kSameFactor);
}

void LayoutScaler::setDesignedHeight(double height) {
    designed_.setHeight(height);
    const double before = factor_;
    takeFactor(boundedScale(wanted(kids_), largest()));
    resizeWindow(std::abs(before - factor_) > kSameFactor, true);
}

double LayoutScaler::largest() const {
    const QScreen* screen = window_->screen();
    if (screen == nullptr || designed_.isEmpty())
        return 0; // no limit known
    QMarginsF frame;
    if (window_->isVisible()) {
        const QRect outer = window_->frameGeometry();
        const QRect inner = window_->geometry();
        frame = QMarginsF(inner.left() - outer.left(), inner.top() - outer.top(),
                          outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    return largestScale(QSizeF(screen->availableGeometry().size()), frame, designed_);
}

void LayoutScaler::takeFactor(double factor) {
    if (std::abs(factor - factor_) <= kSameFactor)
        return;
    const double before = factor_;
    factor_ = factor;
    window_->setProperty("layoutScale", factor_);
    rescaleControls(canvas_, before, factor_);
    // A screen placed by its content is placed anew; what it sets may not call back here.
    if (rescaled && !inRescaled_) {
        inRescaled_ = true;
        rescaled();
        inRescaled_ = false;
    }
}

void LayoutScaler::resizeWindow(bool width, bool height) {
    // While the user resizes the window its size is theirs; the content only follows.
    if (userResizing_) {
        centre();
        return;
    }
    const QSize target(width ? scaledLength(designed_.width(), factor_) : window_->width(),
                       height ? scaledLength(designed_.height(), factor_) : window_->height());
    // No smaller than the smallest factor allows, so nothing is ever cut off; the old
    // limit must not stop the change first.
    if (window_->minimumWidth() > target.width() || window_->minimumHeight() > target.height())
        window_->setMinimumSize(0, 0);
    if (target != window_->size()) {
        requested_.push_back(target);
        if (requested_.size() > 16) // a hidden window gets one event for many requests
            requested_.erase(requested_.begin());
        window_->resize(target);
    }
    const QSize smallest = scaledSize(designed_, std::min(kSmallestScale, factor_));
    if (window_->minimumSize() != smallest)
        window_->setMinimumSize(smallest);
    keepOnScreen();
    centre();
}

void LayoutScaler::keepOnScreen() {
    const QScreen* screen = window_->screen();
    if (screen == nullptr || !window_->isVisible())
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = window_->frameGeometry();
    QPoint at = window_->pos();
    if (frame.right() > room.right())
        at.rx() = std::max(room.left(), at.x() - (frame.right() - room.right()));
    if (frame.bottom() > room.bottom())
        at.ry() = std::max(room.top(), at.y() - (frame.bottom() - room.bottom()));
    if (at != window_->pos())
        window_->move(at);
}

void LayoutScaler::centre() {
    const QPoint offset = centringOffset(window_->size(), designed_, factor_);
    const QRect place(offset, area_->size() - QSize(offset.x(), offset.y()));
    if (canvas_->geometry() != place)
        canvas_->setGeometry(place);
}

void LayoutScaler::userResized(QSize size) {
    const double factor = boundedScale(scaleToFit(QSizeF(size), designed_), largest());
    wanted_[kids_ ? 1 : 0] = factor;
    userResizing_ = true;
    takeFactor(factor);
    userResizing_ = false;
    if (wantedChanged)
        wantedChanged();
}

bool LayoutScaler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == window_ && !designed_.isEmpty()) {
            const QSize size = static_cast<QResizeEvent*>(event)->size();
            const auto asked = std::find(requested_.begin(), requested_.end(), size);
            if (asked != requested_.end())
                requested_.erase(requested_.begin(), asked + 1);
            else if (size != scaledSize(designed_, factor_))
                userResized(size);
        }
        centre();
    }
    return QObject::eventFilter(watched, event);
}

void widenWindowTo(QWidget* window, int contentWidth) {
    LayoutScaler* scaler = LayoutScaler::of(window);
    if (scaler == nullptr) {
        if (window->width() < contentWidth)
            window->resize(contentWidth, window->height());
        return;
    }
    if (scaledLength(scaler->designedSize().width(), scaler->factor()) < contentWidth)
        scaler->setDesignedWidth(contentWidth / scaler->factor());
}

void widenForStatusBar(QWidget* window, QWidget* statusBar) {
    if (!statusBar->isVisibleTo(window))
        return;
    QCoreApplication::sendPostedEvents(statusBar, QEvent::LayoutRequest);
    widenWindowTo(window, statusBar->sizeHint().width());
}

} // namespace present
