// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ScreenFit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace window {
namespace {

// A title bar and borders as window managers draw them, while the window has none yet.
const QMargins kUsualFrame(8, 36, 8, 8);

} // namespace

void fitToScreen(QWidget* window, const QSize& wanted) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        window->resize(wanted);
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull() && !window->isVisible())
        frame = kUsualFrame;
    const QSize most = room.size().shrunkBy(frame);
    const QSize size = wanted.boundedTo(most).expandedTo(window->minimumSize());
    window->resize(size);
    QRect place(QPoint(), size.grownBy(frame));
    place.moveCenter(room.center());
    place.moveLeft(std::max(room.left(), std::min(place.left(), room.right() - place.width())));
    place.moveTop(std::max(room.top(), std::min(place.top(), room.bottom() - place.height())));
    window->move(place.topLeft());
}

} // namespace window
