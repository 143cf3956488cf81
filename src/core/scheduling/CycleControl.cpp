// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/CycleControl.h"

#include "core/scheduling/BreakScheduler.h"
#include "core/time/TimeSource.h"

namespace qv {

CycleControl::CycleControl(BreakScheduler& scheduler, const TimeSource& time,
                           std::function<bool()> isStarted, std::function<void()> beforeAction)
    : scheduler_(scheduler)
    , time_(time)
    , isStarted_(std::move(isStarted))
    , beforeAction_(std::move(beforeAction)) {}

void CycleControl::before() const {
    if (beforeAction_) {
        beforeAction_();
    }
}

void CycleControl::startBreakNow() {
    if (!isStarted_()) {
        return;
    }
    before();
    scheduler_.startBreakNow();
}

bool CycleControl::snooze() {
    if (!isStarted_() || !scheduler_.canSnooze()) {
        return false;
    }
    before();
    return scheduler_.snooze();
}

// Not held back before the cycle runs: the scheduler itself refuses a pause while a break is
// due or on, and nothing else forbids one.
void CycleControl::pauseFor(double seconds) {
    before();
    const QDateTime now = time_.now();
    scheduler_.pause(now.addMSecs(static_cast<qint64>(seconds * 1000.0)), now);
}

void CycleControl::pauseUntilTomorrow() {
    before();
    scheduler_.pauseUntilTomorrow();
}

bool CycleControl::resume() {
    if (!isStarted_()) {
        return false;
    }
    before();
    return scheduler_.resume();
}

} // namespace qv
