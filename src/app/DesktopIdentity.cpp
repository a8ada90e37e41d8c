// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopIdentity.h"

#include <QApplication>
#include <QIcon>

// The icon lives in a static library, whose resources must be registered by hand.
static void initIconResources() {
    Q_INIT_RESOURCE(icon);
}

namespace app {

void applyDesktopIdentity() {
    initIconResources();
    QGuiApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(
        QIcon::fromTheme(kDesktopId, QIcon(QStringLiteral(":/icon/%1.svg").arg(kDesktopId))));
}

} // namespace app
