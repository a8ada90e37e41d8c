// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/MemoryStore.h"
#include "present/Form1State.h"
#include "window/ReviewDialog.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QAction;
class QLabel;

namespace learn {
class DueReview;
class MemoryRebuild;
class QuestionLoop;
class SetLoading;
class UndoLastReply;
} // namespace learn

namespace window {

class DueCountDelegate;

// Due review in the window: Edit > Review... turns it on and sets the recall wanted,
// Learn > Due cards starts the Due lesson, and while it is on the status bar shows the cards
// due today and the set list each set's count. Keeps the memory state matching the log in the
// background while review is on.
class ReviewMenu : public QObject {
    Q_OBJECT
  public:
    ReviewMenu(present::Form1State& s, learn::QuestionLoop& loop, learn::SetLoading& loading,
               learn::UndoLastReply& undo, QObject* parent);
    ~ReviewMenu() override;

    void openDialog();
    ReviewDialog* dialog() const { return dialog_; }
    learn::MemoryRebuild& rebuild() { return *rebuild_; }
    // Kids mode's picture for the Due lesson, beside the Demons' on the learning screen.
    QLabel* kidsPicture() const { return kidsPicture_; }
    // Shows the due counts as they are now; asks for a build when the log changed.
    void refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The menu entries and the picture's texts, in the language in use: set again when the
    // main window's language changes.
    void retranslate();
    void showKidsPicture();
    void widenSetList();
    void store(const learn::ReviewSettings& settings);
    void showOff();

    present::Form1State& s_;
    learn::QuestionLoop& loop_;
    std::unique_ptr<learn::DueReview> lesson_;
    learn::MemoryRebuild* rebuild_ = nullptr; // a child
    DueCountDelegate* counts_ = nullptr;      // the set list's
    QAction* reviewEntry_ = nullptr;
    QAction* dueCards_ = nullptr;
    QPointer<QWidget> mainWindow_;
    // Watched and shown through these: at the window's close they may go before this does.
    QPointer<QLabel> kidsPicture_;
    QPointer<QWidget> demonsPicture_;
    QPointer<QWidget> setListPopup_;
    bool on_ = false; // review, as last read
    QPointer<ReviewDialog> dialog_;
    QString shownFor_; // what the counts on screen were worked out from
};

} // namespace window
