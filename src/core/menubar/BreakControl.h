// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace qv {

class BreakScheduler;
class TimeSource;

// The operations the tray's buttons and menu items ask for. The application acts through its
// application model; the scheduler-backed implementation below serves the tray's gallery and
// benchmark, which run the tray without the rest of the application.
class BreakControl {
public:
    virtual ~BreakControl() = default;
    virtual void startBreakNow() = 0;
    virtual void snooze() = 0;
    virtual void pauseFor(double seconds) = 0;
    virtual void pauseUntilTomorrow() = 0;
    virtual void resume() = 0;
};

// Calls the scheduler directly, guarded the way the application model guards it: starting,
// snoozing and resuming only once the cycle runs, snoozing only inside the last minute.
class SchedulerBreakControl final : public BreakControl {
public:
    SchedulerBreakControl(BreakScheduler& scheduler, const TimeSource& time);

    // Defaults to "the scheduler's timer runs".
    std::function<bool()> isStarted;
    // Runs before every operation; the heads-up notification is withdrawn here.
    std::function<void()> onBeforeAction;

    void startBreakNow() override;
    void snooze() override;
    void pauseFor(double seconds) override;
    void pauseUntilTomorrow() override;
    void resume() override;

private:
    bool started() const;
    void before() const;

    BreakScheduler& scheduler_;
    const TimeSource& time_;
};

} // namespace qv
