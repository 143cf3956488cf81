// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/BreakScheduler.h"

#include "core/base/PropertyChange.h"
#include "core/scheduling/ActiveHours.h"
#include "core/scheduling/ScheduleStorage.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>
#include <vector>

namespace qv {

using namespace scheduleState;

namespace {

// The furthest ahead the schedule itself ever sets a date: a pause until tomorrow, or a
// break held back over a long weekend outside the active hours, then the longest work
// interval. A saved date beyond that is damage (or a clock set back by years) and would
// switch breaks off until then.
bool liesWithinReach(const BreakSchedule& schedule, const QDateTime& now) {
    const bool offHours = schedule.annotationAs<smartPause::OutsideActiveHours>() != nullptr;
    const qint64 days = offHours ? 9 : 2;
    const QDateTime latest =
        now.addDays(days).addSecs(SettingsStore::workIntervalRange.highest * 60);
    std::vector<QDateTime> dates;
    if (const auto* working = schedule.stateAs<Working>()) {
        dates = {working->startedAt, working->dueAt};
    } else if (const auto* cooldown = schedule.stateAs<Cooldown>()) {
        dates = {cooldown->until};
    } else if (const auto* paused = schedule.stateAs<Paused>()) {
        dates = {paused->until};
    }
    if (schedule.smartPauseState) {
        dates.push_back(std::visit(
            [](const auto& annotation) {
                using A = std::decay_t<decltype(annotation)>;
                if constexpr (std::is_same_v<A, smartPause::Meeting>) {
                    return annotation.retryAt;
                } else if constexpr (std::is_same_v<A, smartPause::AwayBreakCounted>) {
                    return annotation.visibleUntil;
                } else {
                    return annotation.resumeAt;
                }
            },
            *schedule.smartPauseState));
    }
    return std::all_of(dates.begin(), dates.end(),
                       [&](const QDateTime& date) { return date <= latest; });
}

} // namespace

BreakScheduler::BreakScheduler(SettingsStore& settings, KeyValueStore& defaults, TimeSource& time,
                               CalendarSource calendar, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , defaults_(defaults)
    , time_(time)
    , calendar_(std::move(calendar))
    , currentDate_(time.now())
    , publishedTitle_(menuBarTitle())
    , publishedStatus_(statusText())
    , publishedSnoozeCount_(schedule_.snoozeCount) {}

double BreakScheduler::workInterval() const {
    return static_cast<double>(settings_.workIntervalMinutes()) * 60.0;
}

void BreakScheduler::start() {
    if (timerSubscription_) {
        return;
    }
    const QDateTime now = time_.now();
    const bool restoredDue = restore(now);
    if (schedule_.is<Stopped>()) {
        schedule_.startWorking(now, workInterval());
    }
    publish(now);
    const BreakScheduleEvents events = schedule_.advance(now, workInterval());
    publish(now);
    persist();
    handleEvents(events, now);
    // A break that was due, or fell due while the application was not running, is shown now.
    if (restoredDue && !deferForActiveHoursIfOutside(now)) {
        callBreakDue();
    }
    checkHeadsUp(now);
    timerSubscription_ = time_.every(tickInterval, [this] { tick(); });
}

void BreakScheduler::stop() {
    timerSubscription_.reset();
    schedule_ = BreakSchedule{};
    announcedDueAt_.reset();
    publish(time_.now());
    persist();
}

bool BreakScheduler::restore(const QDateTime& now) {
    std::optional<BreakSchedule> saved = loadSchedule(defaults_);
    if (!saved || !liesWithinReach(*saved, now)) {
        return false; // a fresh working cycle
    }
    schedule_ = *saved;
    if (schedule_.is<BreakDue>()) {
        return true;
    }
    schedule_.advance(now, workInterval());
    return schedule_.is<BreakDue>();
}

void BreakScheduler::tick() {
    const QDateTime date = time_.now();
    const auto annotationBefore = schedule_.smartPauseState;
    const BreakScheduleEvents events = schedule_.advance(date, workInterval());
    publish(date);
    if (!events.empty() || annotationBefore != schedule_.smartPauseState) {
        persist();
    }
    handleEvents(events, date);
    checkHeadsUp(date);
}

void BreakScheduler::publish(const QDateTime& date) {
    const bool isNewDate = replace(currentDate_, date);
    const bool isNewState = replace(state_, schedule_.state);
    // The texts are read after the state and date they are made from.
    emitChanged(this,
                {{isNewState, &BreakScheduler::stateChanged},
                 {isNewDate, &BreakScheduler::currentDateChanged},
                 {replace(publishedTitle_, menuBarTitle()), &BreakScheduler::menuBarTitleChanged},
                 {replace(publishedStatus_, statusText()), &BreakScheduler::statusTextChanged},
                 {replace(publishedSnoozeCount_, schedule_.snoozeCount),
                  &BreakScheduler::snoozeCountChanged}});
}

void BreakScheduler::persist() {
    saveSchedule(defaults_, schedule_);
}

void BreakScheduler::commit(const QDateTime& now) {
    announcedDueAt_.reset();
    publish(now);
    persist();
}

void BreakScheduler::callBreakDue() {
    if (onBreakDue) {
        onBreakDue();
    }
}

void BreakScheduler::handleEvents(const BreakScheduleEvents& events, const QDateTime& date) {
    for (const BreakScheduleEvent event : events) {
        if (event == BreakScheduleEvent::workingCycleStarted) {
            announcedDueAt_.reset();
            continue;
        }
        if (settings_.activeHoursEnabled()) {
            const Calendar calendar = calendar_();
            const ActiveHoursWindow window = settings_.activeHoursWindow();
            if (!isWithinActiveHours(date, calendar, window)) {
                const auto next = nextActiveHoursStart(date, calendar, window);
                if (next && *next > date && schedule_.deferForActiveHours(*next, date)) {
                    commit(date);
                    continue;
                }
            }
        }
        callBreakDue();
    }
}

bool BreakScheduler::deferForActiveHoursIfOutside(const QDateTime& now) {
    const ActiveHoursWindow window = settings_.activeHoursWindow();
    const Calendar calendar = calendar_();
    if (!window.enabled || isWithinActiveHours(now, calendar, window)) {
        return false;
    }
    const auto next = nextActiveHoursStart(now, calendar, window);
    if (!next || *next <= now || !schedule_.deferForActiveHours(*next, now)) {
        return false;
    }
    commit(now);
    return true;
}

void BreakScheduler::checkHeadsUp(const QDateTime& date) {
    const auto* working = schedule_.stateAs<Working>();
    if (!working) {
        return;
    }
    const QDateTime dueAt = working->dueAt;
    if (secondsBetween(date, dueAt) > headsUpLead || dueAt <= date || announcedDueAt_ == dueAt) {
        return;
    }
    // A due date outside the active hours will be held back, so it is not announced.
    if (!isWithinActiveHours(dueAt, calendar_(), settings_.activeHoursWindow())) {
        return;
    }
    announcedDueAt_ = dueAt;
    if (onHeadsUp) {
        onHeadsUp(dueAt);
    }
}

void BreakScheduler::startBreakNow() {
    if (schedule_.is<BreakDue>() || schedule_.is<BreakActive>()) {
        return;
    }
    schedule_.makeBreakDue();
    commit(time_.now());
    callBreakDue();
}

bool BreakScheduler::snooze() {
    const QDateTime now = time_.now();
    if (!schedule_.snooze(addSeconds(now, BreakSchedule::snoozeLength), now)) {
        return false;
    }
    commit(now);
    checkHeadsUp(now);
    return true;
}

void BreakScheduler::pause(const QDateTime& until, const QDateTime& now) {
    if (until <= now || schedule_.is<BreakDue>() || schedule_.is<BreakActive>()) {
        return;
    }
    schedule_.pause(until, now);
    commit(now);
}

void BreakScheduler::pauseForOneHour() {
    const QDateTime now = time_.now();
    pause(now.addSecs(3600), now);
}

void BreakScheduler::pauseUntilTomorrow() {
    const QDateTime now = time_.now();
    const Calendar calendar = calendar_();
    // The next local midnight, which is not always 24 hours away.
    if (const auto tomorrow = calendar.startOfDay(calendar.day(now).addDays(1))) {
        pause(*tomorrow, now);
    }
}

bool BreakScheduler::resume() {
    const QDateTime now = time_.now();
    if (!schedule_.resume(now, workInterval())) {
        return false;
    }
    commit(now);
    checkHeadsUp(now);
    return true;
}

void BreakScheduler::countAwayBreak() {
    const QDateTime now = time_.now();
    schedule_.countAwayBreak(now, awayVisibleFor);
    commit(now);
}

void BreakScheduler::breakStarted() {
    const QDateTime now = time_.now();
    schedule_.markBreakActive();
    publish(now);
    persist();
}

void BreakScheduler::breakFinished() {
    const QDateTime now = time_.now();
    schedule_.finishBreak(now);
    commit(now);
}

bool BreakScheduler::deferForMeeting(const QDateTime& retryAt, const QDateTime& now) {
    if (!schedule_.deferForMeeting(retryAt, now)) {
        return false;
    }
    commit(now);
    checkHeadsUp(now);
    return true;
}

void BreakScheduler::workIntervalChanged(qint64 minutes) {
    const QDateTime now = time_.now();
    const BreakScheduleEvents events =
        schedule_.applyWorkInterval(static_cast<double>(minutes) * 60.0, now);
    commit(now);
    handleEvents(events, now);
    checkHeadsUp(now);
}

void BreakScheduler::activeHoursChanged() {
    if (!schedule_.annotationAs<smartPause::OutsideActiveHours>()) {
        return;
    }
    const QDateTime now = time_.now();
    if (deferForActiveHoursIfOutside(now)) {
        return;
    }
    schedule_.makeBreakDue();
    commit(now);
    callBreakDue();
}

} // namespace qv
