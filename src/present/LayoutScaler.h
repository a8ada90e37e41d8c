// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <QSizeF>
#include <array>
#include <functional>
#include <vector>

class QWidget;

namespace present {

// Keeps the main window's screens at one scale factor per mode. The screens set the
// window's designed size (Twips.h routes a window's size here); the window is then made
// that size times the factor in force, which is capped so the window fits its screen.
// When the user resizes the window, the factor becomes the one the new size allows (the
// smaller of the width and height ratios), every control is drawn anew at it, and the
// content stands centred in the window.
class LayoutScaler : public QObject {
    Q_OBJECT
  public:
    // `canvas` holds the controls and lies inside `area`, the window's central widget.
    LayoutScaler(QWidget* window, QWidget* area, QWidget* canvas);

    // The scaler of the window that holds `w`; null when it has none.
    static LayoutScaler* of(const QWidget* w);

    double factor() const { return factor_; }
    bool kids() const { return kids_; }
    // What the user last asked for in a mode (before the cap of the screen's room).
    double wanted(bool kids) const { return wanted_[kids ? 1 : 0]; }
    // The stored factors, read at start-up.
    void setWanted(double academic, double kids);
    // A change of mode brings that mode's factor; the screens then lay themselves out.
    void useMode(bool kids);

    QSizeF designedSize() const { return designed_; }
    // In designed pixels (factor 1). Only the given side changes, unless the cap changes
    // the factor and the whole window follows.
    void setDesignedSize(QSizeF size);
    void setDesignedWidth(double width);
    void setDesignedHeight(double height);

    // After a resize by the user changed a mode's factor (to store it).
    std::function<void()> wantedChanged;
    // After the controls were drawn at a new factor (for what a screen places by content).
    std::function<void()> rescaled;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    double largest() const;
    void takeFactor(double factor);
    void resizeWindow(bool width, bool height);
    void keepOnScreen();
    void centre();
    void userResized(QSize size);

    QWidget* window_;
    QWidget* area_;
    QWidget* canvas_;
    QSizeF designed_;
    double factor_ = 1.0;
    bool kids_ = false;
    std::array<double, 2> wanted_{1.0, 1.0};
    std::vector<QSize> requested_; // sizes asked for, whose resize events may still come
    bool inRescaled_ = false;
    bool userResizing_ = false;
};

// Makes the main window at least wide enough for `contentWidth` pixels of its screens (at
// the factor in force); a wider window stays as it is.
void widenWindowTo(QWidget* window, int contentWidth);

// Makes the main window wide enough for the texts of its status bar while the bar is shown,
// once the bar has laid them out (before that its size hint counts the old ones).
void widenForStatusBar(QWidget* window, QWidget* statusBar);

} // namespace present
