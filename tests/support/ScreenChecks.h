// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace present {
struct Form1Controls;
}

namespace testing {

// The text a control shows, or a null string for a control that shows none.
QString textOf(const QWidget* w);

// The control's object name, or its class and the start of its text.
QString nameOf(const QWidget* w);

// Each control of `root` shown whose caption does not fit in it.
QStringList cutCaptions(QWidget* root);

// The first shown control of the main window not wholly inside its screens' area, or an
// empty text.
QString outsideTheArea(present::Form1Controls& c);

} // namespace testing
