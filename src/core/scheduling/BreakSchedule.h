// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <optional>
#include <variant>
#include <vector>

namespace qv {

namespace scheduleState {
struct Working {
    QDateTime startedAt;
    QDateTime dueAt;
    bool operator==(const Working&) const = default;
};
struct Cooldown {
    QDateTime until;
    bool operator==(const Cooldown&) const = default;
};
struct Paused {
    QDateTime until;
    bool operator==(const Paused&) const = default;
};
struct Stopped {
    bool operator==(const Stopped&) const = default;
};
struct BreakDue {
    bool operator==(const BreakDue&) const = default;
};
struct BreakActive {
    bool operator==(const BreakActive&) const = default;
};
} // namespace scheduleState

// Where the cycle stands. The order of the alternatives is the order of the cases.
using BreakSchedulerState =
    std::variant<scheduleState::Working, scheduleState::Cooldown, scheduleState::Paused,
                 scheduleState::Stopped, scheduleState::BreakDue, scheduleState::BreakActive>;

namespace smartPause {
struct Meeting {
    QDateTime retryAt;
    bool operator==(const Meeting&) const = default;
};
struct AwayBreakCounted {
    QDateTime visibleUntil;
    bool operator==(const AwayBreakCounted&) const = default;
};
struct OutsideActiveHours {
    QDateTime resumeAt;
    bool operator==(const OutsideActiveHours&) const = default;
};
} // namespace smartPause

// Why the current cycle has the due date it has.
using SmartPauseScheduleState =
    std::variant<smartPause::Meeting, smartPause::AwayBreakCounted, smartPause::OutsideActiveHours>;

enum class BreakScheduleEvent { workingCycleStarted, breakBecameDue };
using BreakScheduleEvents = std::vector<BreakScheduleEvent>;

// The work/break cycle as a value: every operation takes the time it happens at, so the
// whole cycle can be driven by any clock. Durations are seconds.
struct BreakSchedule {
    // A coming break may be put off by snoozeLength, snoozesPerCycle times at most, and only
    // within snoozeWindow of falling due. Everything that offers or refuses a snooze asks here.
    static constexpr double snoozeLength = 300.0;
    static constexpr double snoozeWindow = 60.0;
    static constexpr int snoozesPerCycle = 2;

    BreakSchedulerState state = scheduleState::Stopped{};
    int snoozeCount = 0;
    std::optional<SmartPauseScheduleState> smartPauseState;
    double cooldownDuration = 2.0;

    bool operator==(const BreakSchedule&) const = default;

    template <typename T> bool is() const { return std::holds_alternative<T>(state); }
    template <typename T> const T* stateAs() const { return std::get_if<T>(&state); }
    template <typename T> const T* annotationAs() const {
        return smartPauseState ? std::get_if<T>(&*smartPauseState) : nullptr;
    }

    BreakScheduleEvents advance(const QDateTime& now, double workInterval);
    void startWorking(const QDateTime& now, double workInterval);
    bool makeBreakDue();
    void markBreakActive();
    void finishBreak(const QDateTime& now);
    void countAwayBreak(const QDateTime& now, double visibleFor);
    bool canSnooze(const QDateTime& now) const;
    int snoozesLeft() const;
    bool snooze(const QDateTime& until, const QDateTime& now);
    bool deferForMeeting(const QDateTime& retryAt, const QDateTime& now);
    bool deferForActiveHours(const QDateTime& until, const QDateTime& now);
    bool pause(const QDateTime& until, const QDateTime& now);
    bool resume(const QDateTime& now, double workInterval);
    BreakScheduleEvents applyWorkInterval(double workInterval, const QDateTime& now);

private:
    void beginCycle(const QDateTime& startedAt, double workInterval);
    bool canDefer(const QDateTime& until, const QDateTime& now) const;
};

// Dates plus a duration in seconds, to the millisecond.
QDateTime addSeconds(const QDateTime& date, double seconds);
// Seconds from one date to another (negative when to is earlier).
double secondsBetween(const QDateTime& from, const QDateTime& to);

} // namespace qv
