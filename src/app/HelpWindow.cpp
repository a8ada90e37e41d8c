#include "app/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The pages live in a static library, whose resources must be registered by hand.
static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace app {

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

void HelpWindow::showPage(Page page) {
    browser_->setSource(QUrl(page == Page::Academic ? QStringLiteral("qrc:/help/academic.html")
                                                    : QStringLiteral("qrc:/help/kids.html")));
    show();
    raise();
    activateWindow();
}

} // namespace app
