// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coordination/ControlRequests.h"

#include "core/coordination/AppModel.h"
#include "core/scheduling/BreakScheduler.h"

#include <QCoreApplication>

namespace qv {

namespace {

RequestRefusal notNow(const QString& reason) {
    return RequestRefusal{RequestRefusal::Kind::notNow, reason};
}

QString pauseDuringBreak() {
    return QCoreApplication::translate("Requests", "A break is on; pause once it is over.");
}

} // namespace

// Before the welcome is finished nothing may touch the schedule: a stored schedule is what
// tells a returning user from a first launch, so a pause then would skip the welcome for good.
RequestOutcome ControlRequests::refusedDuringWelcome() const {
    if (!model_.isStarted()) {
        return notNow(QCoreApplication::translate(
            "Requests", "Quorvantel is still showing its welcome; breaks begin "
                        "once it is finished."));
    }
    return std::nullopt;
}

RequestOutcome ControlRequests::refusedForChange(const QString& duringBreak) const {
    if (auto refused = refusedDuringWelcome()) {
        return refused;
    }
    const BreakSchedule& schedule = model_.scheduler().schedule();
    if (schedule.is<scheduleState::BreakDue>() || schedule.is<scheduleState::BreakActive>()) {
        return notNow(duringBreak);
    }
    return std::nullopt;
}

RequestOutcome ControlRequests::changeUnlessRefused(const QString& duringBreak,
                                                    const std::function<void()>& change) {
    if (auto refused = refusedForChange(duringBreak)) {
        return refused;
    }
    change();
    return std::nullopt;
}

RequestOutcome ControlRequests::startBreakNow() {
    return changeUnlessRefused(QCoreApplication::translate("Requests", "A break is on already."),
                               [this] { model_.startBreakNow(); });
}

RequestOutcome ControlRequests::refusedSnooze() const {
    if (auto refused = refusedForChange(
            QCoreApplication::translate("Requests", "A break is on; it cannot be put off "
                                                    "any more."))) {
        return refused;
    }
    const BreakSchedule& schedule = model_.scheduler().schedule();
    if (schedule.snoozesLeft() == 0) {
        return RequestRefusal{
            RequestRefusal::Kind::limitReached,
            QCoreApplication::translate("Requests", "Both snoozes of this break are used.")};
    }
    if (!schedule.is<scheduleState::Working>()) {
        return notNow(QCoreApplication::translate("Requests", "No break is coming to put off."));
    }
    if (!model_.scheduler().canSnooze()) {
        return notNow(QCoreApplication::translate(
            "Requests", "A break can be put off only in the minute before it."));
    }
    return std::nullopt;
}

RequestOutcome ControlRequests::snooze() {
    if (auto refused = refusedSnooze()) {
        return refused;
    }
    if (!model_.snooze()) {
        return notNow(
            QCoreApplication::translate("Requests", "The break could not be put off now."));
    }
    return std::nullopt;
}

RequestOutcome ControlRequests::pauseFor(double seconds) {
    return changeUnlessRefused(pauseDuringBreak(), [this, seconds] { model_.pauseFor(seconds); });
}

RequestOutcome ControlRequests::pauseUntilTomorrow() {
    return changeUnlessRefused(pauseDuringBreak(), [this] { model_.pauseUntilTomorrow(); });
}

RequestOutcome ControlRequests::resume() {
    if (auto refused = refusedDuringWelcome()) {
        return refused;
    }
    if (!model_.scheduler().schedule().is<scheduleState::Paused>() || !model_.resume()) {
        return notNow(QCoreApplication::translate("Requests", "Breaks are not paused."));
    }
    return std::nullopt;
}

} // namespace qv
