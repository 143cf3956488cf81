// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PulsePlayback.h"

#include "platform/linux/PulseConnection.h"

#include <algorithm>
#include <iterator>
#include <pthread.h>
#include <pulse/mainloop.h>
#include <utility>

namespace qv {

namespace {

using Clock = PulseConnection::Clock;
using std::chrono::milliseconds;

void logProblem(const QString& sentence) {
    qWarning("quorvantel: %s", qPrintable(sentence));
}

// One turn of the loop, waiting at most until the deadline (or a wake-up from play()).
bool turn(pa_mainloop* loop, std::optional<Clock::time_point> deadline) {
    int timeoutUs = -1;
    if (deadline) {
        const auto left =
            std::chrono::duration_cast<std::chrono::microseconds>(*deadline - Clock::now());
        timeoutUs = static_cast<int>(std::max<std::int64_t>(0, left.count()));
    }
    return pa_mainloop_prepare(loop, timeoutUs) >= 0 && pa_mainloop_poll(loop) >= 0 &&
           pa_mainloop_dispatch(loop) >= 0;
}

} // namespace

PulsePlayback::PulsePlayback(QByteArray server)
    : server_(std::move(server)) {}

PulsePlayback::~PulsePlayback() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        if (running_) {
            pa_mainloop_wakeup(loop_);
        }
    }
    if (thread_.joinable()) {
        thread_.join();
    }
}

void PulsePlayback::play(PlaybackClip clip) {
    pa_mainloop* fresh = nullptr;
    {
        std::lock_guard lock(mutex_);
        asked_.push_back(std::move(clip));
        if (running_) {
            pa_mainloop_wakeup(loop_);
            return;
        }
        // Creating the loop connects nothing; the thread does that.
        fresh = pa_mainloop_new();
        if (fresh == nullptr) {
            asked_.clear();
            logProblem(QStringLiteral("A sound was not played: out of memory."));
            return;
        }
        loop_ = fresh;
        running_ = true;
    }
    // The last burst's thread has decided to end; it only has its disconnection left.
    if (thread_.joinable()) {
        thread_.join();
    }
    thread_ = std::thread([this, fresh] { run(fresh); });
}

bool PulsePlayback::isPlaying() const {
    std::lock_guard lock(mutex_);
    return running_;
}

std::optional<std::deque<PlaybackClip>> PulsePlayback::takeAsked() {
    std::lock_guard lock(mutex_);
    if (stopping_) {
        return std::nullopt;
    }
    return std::exchange(asked_, {});
}

bool PulsePlayback::finishBurst(bool dropping) {
    std::lock_guard lock(mutex_);
    if (!dropping && !asked_.empty() && !stopping_) {
        return false;
    }
    asked_.clear();
    running_ = false;
    loop_ = nullptr;
    return true;
}

// Said once, not for every sound of every break on a machine without a sound server.
void PulsePlayback::reportUnavailable(const QString& reason) {
    if (!unavailabilityReported_) {
        logProblem(QStringLiteral("The sound server is not available (%1); sounds are not "
                                  "played until it is.")
                       .arg(reason));
        unavailabilityReported_ = true;
    }
}

void PulsePlayback::run(pa_mainloop* loop) {
    pthread_setname_np(pthread_self(), "qv-sound");
    {
        PulseConnection connection(loop, server_);
        const Clock::time_point connectBy = Clock::now() + milliseconds(connectTimeoutMs);
        std::deque<PlaybackClip> waiting;
        while (auto asked = takeAsked()) {
            std::move(asked->begin(), asked->end(), std::back_inserter(waiting));
            const auto state = connection.state();
            if (state == PulseConnection::State::ready) {
                unavailabilityReported_ = false;
                for (PlaybackClip& clip : waiting) {
                    connection.start(std::move(clip), milliseconds(finishSlackMs));
                }
                waiting.clear();
            } else if (state == PulseConnection::State::failed || Clock::now() >= connectBy) {
                reportUnavailable(state == PulseConnection::State::failed
                                      ? connection.failure()
                                      : QStringLiteral("no answer in time"));
                finishBurst(true);
                break;
            }
            connection.sweep(Clock::now());
            if (state == PulseConnection::State::ready && !connection.isPlaying()) {
                if (finishBurst(false)) {
                    break;
                }
                continue;
            }
            if (!turn(loop, state == PulseConnection::State::ready ? connection.nextDeadline()
                                                                   : connectBy)) {
                logProblem(QStringLiteral("The sounds stopped: waiting on the sound server "
                                          "failed."));
                finishBurst(true);
                break;
            }
        }
    }
    pa_mainloop_free(loop);
}

} // namespace qv
