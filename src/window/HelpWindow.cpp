// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HelpWindow.h"

#include "data/Folders.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The pages live in a static library, whose resources must be registered by hand.
static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace window {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    initHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Memorant Help"));
    resize(640, 560);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

QUrl HelpWindow::pageUrl(Page page, const QString& assetFolder) {
    const QString name =
        page == Page::Academic ? QStringLiteral("academic.html") : QStringLiteral("kids.html");
    const QString file = assetFolder + QStringLiteral("/help/") + name;
    if (!assetFolder.isEmpty() && QFileInfo(file).isFile())
        return QUrl::fromLocalFile(file);
    return QUrl(QStringLiteral("qrc:/help/") + name);
}

void HelpWindow::showPage(Page page) {
    browser_->setSource(pageUrl(page, data::assetFolder()));
    show();
    raise();
    activateWindow();
}

} // namespace window
