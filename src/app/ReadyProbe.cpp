// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ReadyProbe.h"

#include "window/Form1.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace app {
namespace {

using Clock = std::chrono::steady_clock;

// Calls `then` once, right after `widget` has been painted for the first time.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget* widget, std::function<void()> then, int latestMs)
        : QObject(widget), then_(std::move(then)) {
        widget->installEventFilter(this);
        if (latestMs >= 0)
            QTimer::singleShot(latestMs, this, [this] { run(); });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_) {
            watched->removeEventFilter(this);
            // Queued: the paint runs first.
            QMetaObject::invokeMethod(
                this, [this] { run(); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void run() {
        if (!then_)
            return;
        auto then = std::move(then_);
        then_ = nullptr;
        then();
        deleteLater();
    }

    std::function<void()> then_;
};

} // namespace

void afterFirstPaint(QWidget* widget, std::function<void()> then, int latestMs) {
    new AfterFirstPaint(widget, std::move(then), latestMs); // owned by the widget
}

void watchReadiness(window::Form1& window) {
    if (qEnvironmentVariableIsEmpty("MEMORANT_READY_PROBE"))
        return;
    present::Form1Controls& c = window.controls();
    afterFirstPaint(c.TDBGrid2->viewport(), [&c] {
        std::printf("ready_ns=%lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                               Clock::now().time_since_epoch())
                                               .count()));
        const auto start = Clock::now();
        afterFirstPaint(c.Label7, [start] {
            std::printf("learn_ready_ms=%.4f\n",
                        std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            std::fflush(stdout);
            QApplication::quit();
        });
        c.mnuLearn->trigger();
    });
}

} // namespace app
