// SPDX-License-Identifier: GPL-3.0-or-later
#include "close_on_terminate.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace sb {

namespace {

// A signal handler may do next to nothing: it writes a byte to a socket that the event loop
// watches, and the windows are closed there.
int signalled[2] = {-1, -1};

void onTerminate(int) {
    const int interrupted = errno; // of the code the signal interrupted, which may read it next
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalled[0], &byte, 1);
    errno = interrupted;
}

} // namespace

void closeWindowsOnTerminate() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalled) != 0) return;
    auto* notifier = new QSocketNotifier(signalled[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalled[1], &byte, 1);
        QApplication::closeAllWindows();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
}

} // namespace sb
