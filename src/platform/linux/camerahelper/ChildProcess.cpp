// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/camerahelper/ChildProcess.h"

#include "core/time/TimeSource.h"

#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace qv {

namespace {

// How often an ending child is looked at.
constexpr double reapIntervalSeconds = 0.05;

// Only async-signal-safe calls from here on: the parent has other threads.
[[noreturn]] void becomeChild(const char* program, char* const* argv, int channel, pid_t parent) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent died before the line above: nobody would ever end this child.
    if (getppid() != parent) {
        _exit(127);
    }
    if (channel == ChildProcess::channelFd) {
        fcntl(channel, F_SETFD, 0);
    } else if (dup2(channel, ChildProcess::channelFd) < 0) {
        _exit(127);
    }
    // Libraries of the parent open files without closing them on exec; none is the helper's.
    close_range(ChildProcess::channelFd + 1, ~0U, 0);
    // The parent blocks the signals it reads through a descriptor; the child must feel them.
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        sigaction(signal, &standard, nullptr);
    }
    execv(program, argv);
    _exit(127);
}

bool hasEnded(pid_t pid) {
    int status = 0;
    pid_t result = 0;
    do {
        result = waitpid(pid, &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    // ECHILD: someone else reaped it; it has ended all the same.
    return result == pid || (result < 0 && errno == ECHILD);
}

// Keeps looking at an ending child until it is reaped; owns itself through its task.
struct Reaper {
    pid_t pid;
    double killAt;
    bool killed = false;
    ScheduledTask task;
};

// Never waits: a child stuck in a driver call (uninterruptible) is reaped whenever it gets out,
// while this process goes on.
void reapInBackground(TimeSource& time, pid_t pid, double graceSeconds) {
    if (hasEnded(pid)) {
        return;
    }
    auto reaper =
        std::make_shared<Reaper>(Reaper{pid, time.monotonicSeconds() + graceSeconds, false, {}});
    // The task holds the reaper and the reaper the task: both go when the child is reaped.
    reaper->task = time.every(reapIntervalSeconds, [&time, reaper]() mutable {
        if (hasEnded(reaper->pid)) {
            reaper->task.cancel();
            reaper.reset();
        } else if (!reaper->killed && time.monotonicSeconds() >= reaper->killAt) {
            ::kill(reaper->pid, SIGKILL);
            reaper->killed = true;
        }
    });
}

} // namespace

Result<ChildProcess> ChildProcess::start(TimeSource& time, const QString& program,
                                         const QStringList& arguments, int channel) {
    std::vector<std::string> strings{program.toStdString()};
    for (const QString& argument : arguments) {
        strings.push_back(argument.toStdString());
    }
    std::vector<char*> argv;
    for (std::string& text : strings) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);

    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        becomeChild(strings.front().c_str(), argv.data(), channel, parent);
    }
    if (pid < 0) {
        return Failure{
            QStringLiteral("%1 could not be started: %2")
                .arg(QFileInfo(program).fileName(), QString::fromLocal8Bit(std::strerror(errno)))};
    }
    return ChildProcess(time, pid);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : time_(other.time_)
    , pid_(std::exchange(other.pid_, 0)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        kill();
        time_ = other.time_;
        pid_ = std::exchange(other.pid_, 0);
    }
    return *this;
}

ChildProcess::~ChildProcess() {
    kill();
}

void ChildProcess::end(double graceSeconds) {
    if (pid_ > 0) {
        const pid_t pid = std::exchange(pid_, 0);
        ::kill(pid, SIGTERM);
        reapInBackground(*time_, pid, graceSeconds);
    }
}

void ChildProcess::kill() {
    if (pid_ > 0) {
        const pid_t pid = std::exchange(pid_, 0);
        ::kill(pid, SIGKILL);
        reapInBackground(*time_, pid, 0);
    }
}

} // namespace qv
