// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/Directions.h"

#include <QDialog>

class QRadioButton;

namespace window {

// The Direction window: which way the cards of one set are asked.
class DirectionDialog : public QDialog {
    Q_OBJECT
  public:
    DirectionDialog(const QString& setName, learn::SetDirection current, QWidget* parent = nullptr);

    learn::SetDirection chosen() const;
    void choose(learn::SetDirection direction);

  private:
    QRadioButton* forward_;
    QRadioButton* reverse_;
    QRadioButton* both_;
};

} // namespace window
