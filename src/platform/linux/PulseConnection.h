// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/linux/PulsePlayback.h"

#include <QString>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

struct pa_context;
struct pa_mainloop;

namespace qv {

// A connection to the sound server and the clips playing on it, driven by its owner's loop
// on its owner's thread. Every clip is a stream of its own, so the server mixes those that
// overlap.
class PulseConnection {
public:
    using Clock = std::chrono::steady_clock;
    enum class State { connecting, ready, failed };

    PulseConnection(pa_mainloop* loop, const QByteArray& server);
    // Stops whatever still plays and disconnects.
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    State state() const;
    // Why the connection failed, once it has.
    QString failure() const;

    // Only once ready. The clip must have finished by its length plus slack.
    void start(PlaybackClip clip, Clock::duration slack);
    // Forgets the clips that finished, stopping (and logging) those past their time.
    void sweep(Clock::time_point now);
    bool isPlaying() const;
    // When the next clip runs out of time; none while nothing plays.
    std::optional<Clock::time_point> nextDeadline() const;

    // One clip's stream, with the callbacks that feed it.
    struct Stream;

private:
    pa_context* context_ = nullptr;
    std::vector<std::unique_ptr<Stream>> streams_;
};

} // namespace qv
