// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/time/TimeSource.h"
#include "core/verification/VerificationEngine.h"

#include <memory>

namespace qv {

// The timed break: counts a number of seconds down to completion. The count is measured
// against a deadline on the monotonic clock, so a late tick never stretches the break and a
// change of the wall clock neither shortens nor lengthens it.
class HonorTimerProvider final : public VerificationEngine {
public:
    static constexpr double tickSeconds = 0.25;

    HonorTimerProvider(TimeSource& time, double durationSeconds);

    void start() override;
    void stop() override;

    double duration() const { return duration_; }
    bool didComplete() const { return didComplete_; }
    bool isCounting() const { return countdownTask_.isActive(); }

private:
    void tick(std::uint64_t run);
    void finish();

    TimeSource& time_;
    const double duration_;
    double deadline_ = 0;
    int totalSeconds_ = 1;
    bool didComplete_ = false;
    // Each start() or stop() begins a new run; a tick of an older run does nothing.
    std::uint64_t run_ = 0;
    ScheduledTask countdownTask_;
    // Expires with the engine, so code after a callback can tell whether it still lives.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

} // namespace qv
