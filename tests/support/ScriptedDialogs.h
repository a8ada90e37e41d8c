// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Dialogs.h"

#include <QList>
#include <QString>
#include <functional>

namespace testing {

// Dialogs that never block: confirmations take the queued answers (Yes when none is
// queued), and every box shown is recorded.
class ScriptedDialogs : public present::Dialogs {
  public:
    struct Shown {
        enum Kind { Message, Warning, Confirm } kind;
        QString text;
        QString title;
        Button byDefault = Button::Yes; // a confirmation's default button
        QString richDetail;             // rich text shown below the text
    };

    void nextAnswer(bool yes) { answers_.append(yes); }
    // Runs whenever a message is shown, so a test can see what stood behind the box.
    std::function<void(const QString&)> onMessage;

    void message(const QString& text, const QString& title = {}) override;
    void messageWithDetail(const QString& text, const QString& richDetail,
                           const QString& title = {}) override;
    void warning(const QString& text, const QString& title = {}) override;
    bool confirm(const QString& text, const QString& title = {},
                 Button byDefault = Button::Yes) override;

    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    QString lastText() const { return shown_.isEmpty() ? QString() : shown_.last().text; }
    void clear() { shown_.clear(); }

  private:
    QList<bool> answers_;
    QList<Shown> shown_;
};

} // namespace testing
