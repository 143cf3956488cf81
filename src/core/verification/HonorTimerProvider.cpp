// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/HonorTimerProvider.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// Durations come from a setting of 10 … 300 s; anything unusable becomes a sane value so
// that the arithmetic below stays defined.
constexpr double longestDurationSeconds = 24 * 3600;

double usableDuration(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0) {
        return seconds > 0 ? longestDurationSeconds : 0;
    }
    return std::min(seconds, longestDurationSeconds);
}

int secondsRoundedUp(double seconds) {
    return static_cast<int>(std::ceil(seconds));
}

} // namespace

HonorTimerProvider::HonorTimerProvider(TimeSource& time, double durationSeconds)
    : time_(time)
    , duration_(usableDuration(durationSeconds)) {}

void HonorTimerProvider::start() {
    countdownTask_.cancel();
    didComplete_ = false;
    const std::uint64_t run = ++run_;
    totalSeconds_ = std::max(1, secondsRoundedUp(duration_));
    deadline_ = time_.monotonicSeconds() + duration_;

    const std::weak_ptr<int> alive = lifetime_;
    reportProgress(progress::HonorCountdown{totalSeconds_, totalSeconds_});
    if (alive.expired() || run != run_) {
        return; // destroyed, stopped or restarted by the owner's callback
    }
    countdownTask_ = time_.after(0, [this, run] { tick(run); });
}

void HonorTimerProvider::stop() {
    ++run_;
    countdownTask_.cancel();
    didComplete_ = false;
}

void HonorTimerProvider::tick(std::uint64_t run) {
    const int remaining = secondsRoundedUp(deadline_ - time_.monotonicSeconds());
    const std::weak_ptr<int> alive = lifetime_;
    reportProgress(progress::HonorCountdown{std::max(0, remaining), totalSeconds_});
    if (alive.expired() || run != run_) {
        return;
    }
    if (remaining > 0) {
        countdownTask_ = time_.after(tickSeconds, [this, run] { tick(run); });
        return;
    }
    finish();
}

void HonorTimerProvider::finish() {
    if (didComplete_) {
        return;
    }
    didComplete_ = true;
    countdownTask_.cancel();
    const std::uint64_t run = run_;
    const std::weak_ptr<int> alive = lifetime_;
    reportProgress(progress::Completed{});
    if (alive.expired() || run != run_) {
        return;
    }
    reportCompletion();
}

} // namespace qv
