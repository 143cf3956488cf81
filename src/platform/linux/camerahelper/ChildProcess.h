// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QStringList>
#include <sys/types.h>

namespace qv {

class TimeSource;

// A helper program this process started and is responsible for: it dies with this process
// (the kernel sends it SIGKILL when the thread that started it ends), and it is reaped once it
// has ended, however it ends, without this process ever waiting for it.
class ChildProcess {
public:
    // The number the child finds the given descriptor under.
    static constexpr int channelFd = 3;

    // Starts program with arguments; channel becomes the child's descriptor channelFd, and
    // no other descriptor of this process reaches it. Call on the main thread: the kernel ties
    // the child's life to the thread that starts it. The child is reaped on time's loop, which
    // must outlive it.
    static Result<ChildProcess> start(TimeSource& time, const QString& program,
                                      const QStringList& arguments, int channel);

    ChildProcess() = default;
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // A child still running is killed.
    ~ChildProcess();

    pid_t pid() const { return pid_; }
    bool isRunning() const { return pid_ > 0; }

    // Asks the child to end (SIGTERM) and kills it when it has not after graceSeconds. Neither
    // this nor kill() waits: the child is reaped in the background.
    void end(double graceSeconds);
    // Kills the child now.
    void kill();

private:
    ChildProcess(TimeSource& time, pid_t pid)
        : time_(&time)
        , pid_(pid) {}

    TimeSource* time_ = nullptr;
    pid_t pid_ = 0;
};

} // namespace qv
