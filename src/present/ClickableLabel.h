// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace present {

// A label or picture that acts as a button (Label3 repeats the question, Label10 leaves the
// Demons, the Kids pictures are buttons).
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

    // A button for the keyboard and a screen reader too: Tab reaches it (a click leaves the
    // focus where the learner types), Space or Enter presses it, its focus shows, and it is
    // announced as a button by its accessible name. Set before it is first shown.
    void setActsAsButton(bool on);
    bool actsAsButton() const { return actsAsButton_; }

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool actsAsButton_ = false;
};

// Lets a screen reader see the labels that act as buttons as buttons it can press. Once per
// program, before any window is shown.
void installButtonLabelAccessibility();

} // namespace present
