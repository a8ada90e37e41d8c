// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace window {

// The tutorials: bundled pages shown in a window of their own beside the main window.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    enum class Page { Academic, Kids };

    // The pages are read from `assetFolder`/help (installed, or the build's copy), so that
    // an installed page can be read and corrected like any file; the copies compiled into
    // the program stand in when there is no such folder.
    // A page in another language than English is read from the language's own folder
    // (help/de/...), falling back to the English page.
    static QUrl pageUrl(Page page, const QString& assetFolder,
                        const QString& language = QStringLiteral("en"));

    explicit HelpWindow(QWidget* parent = nullptr);
    void showPage(Page page);
    QTextBrowser* browser() const { return browser_; }

  protected:
    void changeEvent(QEvent* e) override;

  private:
    void retranslate();

    QTextBrowser* browser_;
    Page shown_ = Page::Academic;
};

} // namespace window
