// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/BreakSchedule.h"

#include <algorithm>
#include <cmath>

namespace qv {

using namespace scheduleState;

QDateTime addSeconds(const QDateTime& date, double seconds) {
    return date.addMSecs(std::llround(seconds * 1000.0));
}

double secondsBetween(const QDateTime& from, const QDateTime& to) {
    return static_cast<double>(from.msecsTo(to)) / 1000.0;
}

void BreakSchedule::beginCycle(const QDateTime& startedAt, double workInterval) {
    snoozeCount = 0;
    state = Working{startedAt, addSeconds(startedAt, workInterval)};
}

BreakScheduleEvents BreakSchedule::advance(const QDateTime& now, double workInterval) {
    if (const auto* away = annotationAs<smartPause::AwayBreakCounted>();
        away && now >= away->visibleUntil) {
        smartPauseState.reset();
    }
    BreakScheduleEvents events;
    for (;;) {
        if (const auto* paused = stateAs<Paused>()) {
            if (now < paused->until) {
                break;
            }
            smartPauseState.reset();
            beginCycle(paused->until, workInterval);
            events.push_back(BreakScheduleEvent::workingCycleStarted);
        } else if (const auto* cooldown = stateAs<Cooldown>()) {
            if (now < cooldown->until) {
                break;
            }
            // The away annotation stays visible into the new cycle until its own end.
            beginCycle(cooldown->until, workInterval);
            events.push_back(BreakScheduleEvent::workingCycleStarted);
        } else if (const auto* working = stateAs<Working>()) {
            if (now < working->dueAt) {
                break;
            }
            smartPauseState.reset();
            state = BreakDue{};
            events.push_back(BreakScheduleEvent::breakBecameDue);
            break;
        } else {
            break;
        }
    }
    return events;
}

void BreakSchedule::startWorking(const QDateTime& now, double workInterval) {
    smartPauseState.reset();
    beginCycle(now, workInterval);
}

bool BreakSchedule::makeBreakDue() {
    if (is<BreakDue>() || is<BreakActive>()) {
        return false;
    }
    if (!is<Working>()) {
        snoozeCount = 0;
    }
    smartPauseState.reset();
    state = BreakDue{};
    return true;
}

void BreakSchedule::markBreakActive() {
    if (is<BreakDue>()) {
        smartPauseState.reset();
        state = BreakActive{};
    }
}

void BreakSchedule::finishBreak(const QDateTime& now) {
    if (is<BreakDue>() || is<BreakActive>()) {
        snoozeCount = 0;
        smartPauseState.reset();
        state = Cooldown{addSeconds(now, cooldownDuration)};
    }
}

void BreakSchedule::countAwayBreak(const QDateTime& now, double visibleFor) {
    if (is<BreakDue>() || is<BreakActive>()) {
        snoozeCount = 0;
        state = Cooldown{addSeconds(now, cooldownDuration)};
        smartPauseState =
            smartPause::AwayBreakCounted{addSeconds(now, std::max(cooldownDuration, visibleFor))};
    }
}

int BreakSchedule::snoozesLeft() const {
    return std::max(0, snoozesPerCycle - snoozeCount);
}

bool BreakSchedule::canSnooze(const QDateTime& now) const {
    if (snoozesLeft() == 0) {
        return false;
    }
    const auto* working = stateAs<Working>();
    if (!working) {
        return false;
    }
    const double remaining = secondsBetween(now, working->dueAt);
    return remaining > 0 && remaining <= snoozeWindow;
}

bool BreakSchedule::snooze(const QDateTime& until, const QDateTime& now) {
    if (snoozesLeft() == 0 || until <= now || !(is<Working>() || is<BreakDue>())) {
        return false;
    }
    smartPauseState.reset();
    state = Working{now, until};
    ++snoozeCount;
    return true;
}

bool BreakSchedule::canDefer(const QDateTime& until, const QDateTime& now) const {
    return until > now && (is<Working>() || is<BreakDue>());
}

bool BreakSchedule::deferForMeeting(const QDateTime& retryAt, const QDateTime& now) {
    if (!canDefer(retryAt, now)) {
        return false;
    }
    state = Working{now, retryAt};
    smartPauseState = smartPause::Meeting{retryAt};
    return true;
}

bool BreakSchedule::deferForActiveHours(const QDateTime& until, const QDateTime& now) {
    if (!canDefer(until, now)) {
        return false;
    }
    state = Working{now, until};
    smartPauseState = smartPause::OutsideActiveHours{until};
    return true;
}

bool BreakSchedule::pause(const QDateTime& until, const QDateTime& now) {
    if (until <= now || is<BreakDue>() || is<BreakActive>()) {
        return false;
    }
    smartPauseState.reset();
    state = Paused{until};
    return true;
}

bool BreakSchedule::resume(const QDateTime& now, double workInterval) {
    if (!is<Paused>()) {
        return false;
    }
    smartPauseState.reset();
    beginCycle(now, workInterval);
    return true;
}

BreakScheduleEvents BreakSchedule::applyWorkInterval(double workInterval, const QDateTime& now) {
    const auto* working = stateAs<Working>();
    if (!working) {
        return {};
    }
    smartPauseState.reset();
    state = Working{working->startedAt, addSeconds(working->startedAt, workInterval)};
    return advance(now, workInterval);
}

} // namespace qv
