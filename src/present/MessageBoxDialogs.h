// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace present {

// A text as a box shows it: a long one shortened, and broken into lines where it runs on
// without a space, so the box fits on the screen. Only for display; the text is kept whole.
// At most `longest` characters are kept.
QString shortenedForBox(const QString& text, qsizetype longest = 1000);

// The rich text of a box with detail: `text` exactly as given, every blank kept, then the
// detail.
QString textWithDetailHtml(const QString& text, const QString& richDetail);

// The real dialogs: modal QMessageBox over the given window.
class MessageBoxDialogs : public Dialogs {
  public:
    explicit MessageBoxDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text, const QString& title = {}) override;
    void messageWithDetail(const QString& text, const QString& richDetail,
                           const QString& title = {}) override;
    void warning(const QString& text, const QString& title = {}) override;
    bool confirm(const QString& text, const QString& title = {},
                 Button byDefault = Button::Yes) override;

  private:
    void giveFocusBack() const;

    QPointer<QWidget> parent_;
};

} // namespace present
