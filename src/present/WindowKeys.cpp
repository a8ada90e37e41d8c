// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/WindowKeys.h"

#include <QShortcut>
#include <QWidget>

namespace present {

void closeOnEscape(QWidget* window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("closeOnEscape"));
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

} // namespace present
