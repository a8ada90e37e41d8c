// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/Directions.h"
#include "present/Form1State.h"

#include <QObject>

class QAction;

namespace learn {
class SetLoading;
}

namespace window {

class DirectionDialog;

// Edit > Direction...: which way the chosen set's cards are asked. A lesson of that set
// starts again in the new direction.
class DirectionMenu : public QObject {
    Q_OBJECT
  public:
    DirectionMenu(present::Form1State& s, learn::SetLoading& loading, QObject* parent);

    void openDialog();
    DirectionDialog* dialog() const { return dialog_; }

  protected:
    bool event(QEvent* e) override;

  private:
    void retranslate();
    void store(const QString& setName, learn::SetDirection direction);

    present::Form1State& s_;
    learn::SetLoading& loading_;
    QAction* entry_ = nullptr;
    DirectionDialog* dialog_ = nullptr;
};

} // namespace window
