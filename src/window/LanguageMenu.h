// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QAction;

namespace present {
struct Form1Controls;
}

namespace window {

class LanguageDialog;

// Edit > Language...: the learner's choice is remembered on this machine and the windows
// change language at once. A child of the main window, which hands it every change of
// language: it puts the main window's captions into the new language and fits the screen
// shown to them.
class LanguageMenu : public QObject {
    Q_OBJECT
  public:
    LanguageMenu(present::Form1Controls& c, QObject* parent);

    void openDialog();
    LanguageDialog* dialog() const { return dialog_; }

    // Remembers the language and shows the windows in it.
    void choose(const QString& code);

    // Writes again what the lesson shows (the status bar's counts), after the captions.
    std::function<void()> afterChange;

  protected:
    bool event(QEvent* e) override;

  private:
    present::Form1Controls& c_;
    QAction* entry_ = nullptr;
    LanguageDialog* dialog_ = nullptr;
};

} // namespace window
