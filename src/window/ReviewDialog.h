// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/MemoryStore.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace window {

// The Review window: due review on or off, and the recall a card may fall to before it is due,
// with what that means in reviews a day for the cards answered so far.
class ReviewDialog : public QDialog {
    Q_OBJECT
  public:
    ReviewDialog(const learn::ReviewSettings& current, std::vector<double> stabilities,
                 QWidget* parent = nullptr);

    learn::ReviewSettings chosen() const;
    void choose(const learn::ReviewSettings& settings);

  private:
    void showWorkload();

    QCheckBox* on_;
    QSpinBox* retention_;
    QLabel* workload_;
    std::vector<double> stabilities_;
};

} // namespace window
