#pragma once

#include <QWidget>

class QTextBrowser;

namespace app {

// The tutorials: bundled pages shown in a window of their own beside the main window.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    enum class Page { Academic, Kids };

    explicit HelpWindow(QWidget* parent = nullptr);
    void showPage(Page page);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

} // namespace app
