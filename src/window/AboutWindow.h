// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace window {

// The About window: the product name, its version and the database file that is open. It has no
// buttons and does not hold up the main window.
class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* e) override;

  private:
    void retranslate();

    QLabel* version_;
    QLabel* file_;
};

} // namespace window
