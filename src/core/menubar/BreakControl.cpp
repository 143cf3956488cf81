// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/BreakControl.h"

#include "core/scheduling/BreakScheduler.h"
#include "core/time/TimeSource.h"

namespace qv {

SchedulerBreakControl::SchedulerBreakControl(BreakScheduler& scheduler, const TimeSource& time)
    : scheduler_(scheduler)
    , time_(time) {}

bool SchedulerBreakControl::started() const {
    return isStarted ? isStarted() : scheduler_.isRunning();
}

void SchedulerBreakControl::before() const {
    if (onBeforeAction) {
        onBeforeAction();
    }
}

void SchedulerBreakControl::startBreakNow() {
    if (!started()) {
        return;
    }
    before();
    scheduler_.startBreakNow();
}

void SchedulerBreakControl::snooze() {
    if (!started() || !scheduler_.canSnooze()) {
        return;
    }
    before();
    scheduler_.snooze();
}

void SchedulerBreakControl::pauseFor(double seconds) {
    before();
    const QDateTime now = time_.now();
    scheduler_.pause(addSeconds(now, seconds), now);
}

void SchedulerBreakControl::pauseUntilTomorrow() {
    before();
    scheduler_.pauseUntilTomorrow();
}

void SchedulerBreakControl::resume() {
    if (!started()) {
        return;
    }
    before();
    scheduler_.resume();
}

} // namespace qv
