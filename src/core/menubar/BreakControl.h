// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scheduling/CycleControl.h"

#include <functional>

namespace qv {

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

// Acts on the scheduler through the cycle's own guards, the ones the application model acts
// through too.
class SchedulerBreakControl final : public BreakControl {
public:
    SchedulerBreakControl(BreakScheduler& scheduler, const TimeSource& time);

    // Defaults to "the scheduler's timer runs".
    std::function<bool()> isStarted;
    // Runs before every operation that goes ahead; the heads-up notification is withdrawn here.
    std::function<void()> onBeforeAction;

    void startBreakNow() override { cycle_.startBreakNow(); }
    void snooze() override { (void)cycle_.snooze(); }
    void pauseFor(double seconds) override { cycle_.pauseFor(seconds); }
    void pauseUntilTomorrow() override { cycle_.pauseUntilTomorrow(); }
    void resume() override { (void)cycle_.resume(); }

private:
    BreakScheduler& scheduler_;
    CycleControl cycle_;
};

} // namespace qv
