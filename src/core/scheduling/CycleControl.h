// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace qv {

class BreakScheduler;
class TimeSource;

// The person's operations on the cycle, guarded one way whoever asks (the tray, the heads-up
// notification, another launch): nothing starts, is put off or resumes before the cycle runs,
// and a break is put off only while its schedule allows it. The step to take first (the
// heads-up withdrawn) runs only ahead of an operation that goes through, so a refused click
// leaves the notification alone.
class CycleControl {
public:
    CycleControl(BreakScheduler& scheduler, const TimeSource& time, std::function<bool()> isStarted,
                 std::function<void()> beforeAction);

    void startBreakNow();
    bool snooze();
    void pauseFor(double seconds);
    void pauseUntilTomorrow();
    bool resume();

private:
    void before() const;

    BreakScheduler& scheduler_;
    const TimeSource& time_;
    std::function<bool()> isStarted_;
    std::function<void()> beforeAction_;
};

} // namespace qv
