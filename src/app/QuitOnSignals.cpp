// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuitOnSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace qv {

namespace {

// Every signal whose default would end the process: the session ending (TERM, HUP), Ctrl+C
// (INT) and Ctrl+\ (QUIT, whose core dump of a large process kept the break screen up for
// seconds).
constexpr std::array endingSignals = {SIGTERM, SIGINT, SIGQUIT, SIGHUP};

// How long an orderly quit may take before the process ends without it: the screen must be
// free within a second even when the event loop is stuck.
constexpr suseconds_t graceMicroseconds = 800'000;

// A signal handler may only write to a descriptor; the event loop reads the other end.
int signalPipe[2] = {-1, -1};
volatile sig_atomic_t endingSignal = 0;

void setTimer(suseconds_t microseconds) {
    itimerval timer = {};
    timer.it_value.tv_usec = microseconds;
    ::setitimer(ITIMER_REAL, &timer, nullptr);
}

extern "C" void forwardSignal(int number) {
    if (endingSignal == 0) {
        endingSignal = number;
        setTimer(graceMicroseconds);
    }
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// The orderly quit did not finish in time. Files are replaced whole, so ending here loses
// at most the change being written; the display server takes the windows down with us.
extern "C" void endWithoutQuitting(int) {
    ::_exit(128 + endingSignal);
}

void setHandler(int number, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(number, &action, nullptr);
}

} // namespace

QuitOnSignals::QuitOnSignals(QObject* parent)
    : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        return;
    }
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitOnSignals::drain);
    setHandler(SIGALRM, endWithoutQuitting);
    for (const int number : endingSignals) {
        setHandler(number, forwardSignal);
    }
}

// Gone once the event loop has returned, and with it the break screen: what is left of the
// quit may take its time.
QuitOnSignals::~QuitOnSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    for (const int number : endingSignals) {
        setHandler(number, SIG_DFL);
    }
    setTimer(0);
    setHandler(SIGALRM, SIG_DFL);
    endingSignal = 0;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void QuitOnSignals::drain() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(signalPipe[0], &byte, 1);
    QCoreApplication::quit();
}

} // namespace qv
