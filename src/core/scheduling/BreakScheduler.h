// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scheduling/BreakSchedule.h"
#include "core/time/Calendar.h"
#include "core/time/TimeSource.h"

#include <QObject>
#include <functional>
#include <optional>

namespace qv {

class KeyValueStore;
class SettingsStore;

// Drives the schedule through real time with a one-second tick, keeps it in the key-value
// store across launches, and says when a break is due and when to announce it.
class BreakScheduler final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString menuBarTitle READ menuBarTitle NOTIFY menuBarTitleChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged)
    Q_PROPERTY(QDateTime currentDate READ currentDate NOTIFY currentDateChanged)
    Q_PROPERTY(int snoozeCount READ snoozeCount NOTIFY snoozeCountChanged)

public:
    static constexpr double tickInterval = 1.0;
    static constexpr double headsUpLead = 60.0;
    static constexpr double awayVisibleFor = 300.0;

    BreakScheduler(SettingsStore& settings, KeyValueStore& defaults, TimeSource& time,
                   CalendarSource calendar, QObject* parent = nullptr);

    std::function<void()> onBreakDue;
    std::function<void(const QDateTime& dueAt)> onHeadsUp;

    const BreakSchedulerState& state() const { return state_; }
    const QDateTime& currentDate() const { return currentDate_; }
    const BreakSchedule& schedule() const { return schedule_; }
    int snoozeCount() const { return schedule_.snoozeCount; }
    // Whether the coming break may be put off at the scheduler's current date.
    bool canSnooze() const { return schedule_.canSnooze(currentDate_); }
    bool isRunning() const { return timerSubscription_.has_value(); }

    void start();
    void stop();
    // At quit: the ticks end and nothing is saved or reset, so the next launch continues.
    void cancelTimer() { timerSubscription_.reset(); }

    void startBreakNow();
    bool snooze();
    void pause(const QDateTime& until, const QDateTime& now);
    void pauseForOneHour();
    void pauseUntilTomorrow();
    bool resume();
    void countAwayBreak();
    void breakStarted();
    void breakFinished();
    bool deferForMeeting(const QDateTime& retryAt, const QDateTime& now);
    void workIntervalChanged(qint64 minutes);
    void activeHoursChanged();

    QString menuBarTitle() const;
    QString statusText() const;

Q_SIGNALS:
    // Each is emitted only when its value changed, once the scheduler is consistent again.
    void menuBarTitleChanged();
    void statusTextChanged();
    void currentDateChanged();
    void snoozeCountChanged();
    // The schedule's state (not a property: views bind to the texts) changed.
    void stateChanged();

private:
    double workInterval() const;
    void tick();
    bool restore(const QDateTime& now);
    void publish(const QDateTime& date);
    void persist();
    void persistAnnotation();
    void handleEvents(const BreakScheduleEvents& events, const QDateTime& date);
    bool deferForActiveHoursIfOutside(const QDateTime& now);
    void checkHeadsUp(const QDateTime& date);
    void callBreakDue();
    // The common tail of an operation that moved the schedule.
    void commit(const QDateTime& now);

    SettingsStore& settings_;
    KeyValueStore& defaults_;
    TimeSource& time_;
    CalendarSource calendar_;
    BreakSchedule schedule_;
    BreakSchedulerState state_ = scheduleState::Stopped{};
    QDateTime currentDate_;
    std::optional<ScheduledTask> timerSubscription_;
    std::optional<QDateTime> announcedDueAt_;
    // What the property signals last announced.
    QString publishedTitle_;
    QString publishedStatus_;
    int publishedSnoozeCount_ = 0;
};

} // namespace qv
