// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QStringList>
#include <sys/types.h>

namespace qv {

class TimeSource;

// A helper program this process started and is responsible for: it dies with this process
// (the kernel sends it SIGKILL when the thread that started it ends), and it is reaped once it
// has ended, however it ends.
class ChildProcess {
public:
    // The number the child finds the given descriptor under.
    static constexpr int channelFd = 3;

    // Starts program with arguments; channel becomes the child's descriptor channelFd, and
    // no other descriptor of this process reaches it. Call on the main thread: the kernel ties
    // the child's life to the thread that starts it.
    static Result<ChildProcess> start(const QString& program, const QStringList& arguments,
                                      int channel);

    ChildProcess() = default;
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // A child still running is killed.
    ~ChildProcess();

    pid_t pid() const { return pid_; }
    bool isRunning() const { return pid_ > 0; }

    // Asks the child to end (SIGTERM) and kills it when it has not after graceSeconds; reaped
    // in the background, on time's loop, which must outlive the grace.
    void end(TimeSource& time, double graceSeconds);
    // Kills the child now and reaps it.
    void kill();

private:
    explicit ChildProcess(pid_t pid)
        : pid_(pid) {}

    pid_t pid_ = 0;
};

} // namespace qv
