// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuitOnSignal.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace app {
namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the event loop does the rest.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

// How often a deferred shut-down looks again whether the running handler has returned.
constexpr int kRetryMs = 50;

// Closes the window once no handler is running. The signal may arrive inside a handler's
// local event loop (speech, a pause, a box); shutting down there would leave the handler to
// go on over released record sets. The application's own loop is level 1.
void closeWhenIdle(const QPointer<QWidget>& target) {
    if (!target)
        return;
    if (QThread::currentThread()->loopLevel() > 1) {
        // A box or menu waiting for the user would keep the handler from ever returning.
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        else if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        QTimer::singleShot(kRetryMs, target, [target] { closeWhenIdle(target); });
        return;
    }
    target->close();
}

} // namespace

void closeWindowOnSignals(QWidget* window) {
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, window);
    QPointer<QWidget> target(window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [target] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &byte, 1);
        closeWhenIdle(target);
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace app
