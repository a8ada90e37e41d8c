// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace present {

// What the learning screen tells a screen reader once a question is put: how the reply before
// it went ("Correct", "Wrong" or nothing), the question when it is shown as text (a spoken
// one is heard already), and the status bar's progress.
QString learningAnnouncement(const QString& result, const QString& question,
                             const QStringList& progress);

// Gives `text` to a screen reader as the description of `w`, the control that holds the
// focus, so it is read out without moving the focus; said again even when it is unchanged.
void announceOn(QWidget* w, const QString& text);

} // namespace present
