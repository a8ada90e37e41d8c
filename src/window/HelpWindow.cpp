// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HelpWindow.h"

#include "data/Folders.h"
#include "i18n/Language.h"
#include "present/WindowKeys.h"
#include "window/MachineFormats.h"

#include <QEvent>
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
    retranslate();
    present::closeOnEscape(this);
    resize(640, 560);
    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void HelpWindow::retranslate() {
    setWindowTitle(tr("Memorant Help"));
}

void HelpWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        retranslate();
        // The page shown is read again in the new language.
        if (!browser_->source().isEmpty())
            browser_->setSource(pageUrl(shown_, data::assetFolder(), i18n::languageInUse()));
    }
    QWidget::changeEvent(e);
}

QUrl HelpWindow::pageUrl(Page page, const QString& assetFolder, const QString& language) {
    const QString name =
        page == Page::Academic ? QStringLiteral("academic.html") : QStringLiteral("kids.html");
    QStringList folders;
    if (language != QStringLiteral("en") && !language.isEmpty())
        folders << QStringLiteral("help/") + language + QLatin1Char('/');
    folders << QStringLiteral("help/");
    for (const QString& folder : folders) {
        const QString file = assetFolder + QLatin1Char('/') + folder + name;
        if (!assetFolder.isEmpty() && QFileInfo(file).isFile())
            return QUrl::fromLocalFile(file);
        const QUrl compiledIn(QStringLiteral("qrc:/") + folder + name);
        if (QFileInfo(QLatin1Char(':') + compiledIn.path()).isFile())
            return compiledIn;
    }
    return QUrl(QStringLiteral("qrc:/help/") + name);
}

void HelpWindow::showPage(Page page) {
    shown_ = page;
    browser_->setSource(pageUrl(page, data::assetFolder(), i18n::languageInUse()));
    show();
    raise();
    activateWindow();
}

} // namespace window
