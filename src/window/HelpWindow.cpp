// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HelpWindow.h"

#include "data/Folders.h"
#include "present/WindowKeys.h"
#include "window/MachineFormats.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The pages live in a static library, whose resources must be registered by hand.
static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace window {
namespace {

// The page on pictures and sounds says what this very machine can read.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override {
        QVariant page = QTextBrowser::loadResource(type, name);
        // Asked for as a page of unknown kind when opened through a link or setSource().
        if (type == QTextDocument::ImageResource ||
            !name.path().endsWith(QLatin1String("pictures.html")))
            return page;
        const QString text = page.typeId() == QMetaType::QByteArray
                                 ? QString::fromUtf8(page.toByteArray())
                                 : page.toString();
        return QString(text).replace(QStringLiteral("<!--machine-formats-->"),
                                     machineFormatsHtml());
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    initHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Memorant Help"));
    present::closeOnEscape(this);
    resize(640, 560);
    browser_ = new HelpBrowser(this);
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
