// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/time/TimeSource.h"

#include <QObject>

namespace qv {

// The real time source: system clocks, and tasks on the calling thread's Qt event loop.
class EventLoopTimeSource final : public TimeSource {
public:
    EventLoopTimeSource();
    ~EventLoopTimeSource() override;

    QDateTime now() const override;
    double monotonicSeconds() const override;
    ScheduledTask after(double delaySeconds, std::function<void()> task) override;
    ScheduledTask every(double intervalSeconds, std::function<void()> task) override;

private:
    ScheduledTask startTimer(double seconds, bool repeating, std::function<void()> task);

    // Parent of every timer, so that the timers die with the source.
    QObject timerOwner_;
};

} // namespace qv
