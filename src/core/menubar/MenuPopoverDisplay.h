// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scheduling/BreakSchedule.h"
#include "core/stats/DayStat.h"
#include "core/time/Calendar.h"

#include <QString>
#include <optional>

namespace qv {

// What the popover shows for one moment of the cycle.
struct MenuPopoverDisplay {
    QString stateLabel;
    QString caption;
    QString countdown;
    bool isCountdownLive = false;
    std::optional<double> progress;
    qint64 workIntervalMinutes = 0;
    bool canStartBreak = false;
    bool canPause = false;
    std::optional<QString> pauseDetail;
    bool canResume = false;
    bool canSnooze = false;
    int snoozesRemaining = 0;
    std::optional<SmartPauseScheduleState> smartPauseState;
    qint64 todayRepetitions = 0;
    qint64 todayBreaks = 0;
    qint64 streakDays = 0;

    bool operator==(const MenuPopoverDisplay&) const = default;
};

// Everything the popover and the context menu read, taken at one instant.
struct MenuBarInputs {
    BreakSchedulerState state;
    BreakSchedule schedule;
    QDateTime now;
    qint64 workIntervalMinutes = 0;
    DayStat today;
    qint64 streakDays = 0;
};

MenuPopoverDisplay makeMenuPopoverDisplay(const MenuBarInputs& inputs, const Calendar& calendar);

// "2 snoozes left", "1 snooze left".
QString snoozesLeftText(int remaining);
// The notice's title and text for a smart-pause annotation.
QString smartPauseNoticeTitle(const SmartPauseScheduleState& annotation);
QString smartPauseNoticeText(const SmartPauseScheduleState& annotation, const Calendar& calendar);

} // namespace qv
