// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/MenuPopoverDisplay.h"

#include "core/base/CountedText.h"
#include "core/scheduling/CountdownText.h"

#include <QCoreApplication>
#include <algorithm>

namespace qv {

namespace {

using namespace scheduleState;

QString remaining(const QDateTime& now, const QDateTime& until) {
    return countdownText(std::max(0.0, secondsBetween(now, until)));
}

void fillStateCard(MenuPopoverDisplay& display, const MenuBarInputs& in, const Calendar& calendar) {
    const auto& schedule = in.schedule;
    if (const auto* working = std::get_if<Working>(&in.state)) {
        display.countdown = remaining(in.now, working->dueAt);
        display.isCountdownLive = true;
        if (schedule.annotationAs<smartPause::Meeting>()) {
            display.stateLabel = QCoreApplication::translate("Tray", "SMART PAUSE");
            display.caption = QCoreApplication::translate("Tray", "MEETING DETECTED · RETRY IN");
            return;
        }
        display.stateLabel = QCoreApplication::translate("Tray", "WORKING");
        display.caption = QCoreApplication::translate("Tray", "NEXT BREAK IN");
        const double interval = static_cast<double>(in.workIntervalMinutes) * 60.0;
        const double left = std::max(0.0, secondsBetween(in.now, working->dueAt));
        display.progress = interval < 1.0 ? 0.0 : std::clamp(1.0 - left / interval, 0.0, 1.0);
        return;
    }
    if (const auto* cooldown = std::get_if<Cooldown>(&in.state)) {
        if (schedule.annotationAs<smartPause::AwayBreakCounted>()) {
            display.stateLabel = QCoreApplication::translate("Tray", "SMART PAUSE");
            display.caption = QCoreApplication::translate("Tray", "AWAY TIME COUNTED AS BREAK");
            display.countdown = QCoreApplication::translate("Tray", "Done");
            return;
        }
        display.stateLabel = QCoreApplication::translate("Tray", "RESETTING");
        display.caption = QCoreApplication::translate("Tray", "NEXT CYCLE IN");
        display.countdown = remaining(in.now, cooldown->until);
        display.isCountdownLive = true;
        return;
    }
    if (const auto* paused = std::get_if<Paused>(&in.state)) {
        display.stateLabel = QCoreApplication::translate("Tray", "PAUSED");
        display.caption = QCoreApplication::translate("Tray", "PAUSED UNTIL");
        display.countdown = calendar.shortTime(paused->until);
        display.pauseDetail = calendar.abbreviatedDateShortTime(paused->until);
        return;
    }
    if (std::holds_alternative<BreakDue>(in.state)) {
        display.stateLabel = QCoreApplication::translate("Tray", "BREAK DUE");
        display.caption = QCoreApplication::translate("Tray", "YOUR BREAK IS");
        display.countdown = QCoreApplication::translate("Tray", "Ready");
        display.progress = 1.0;
        return;
    }
    if (std::holds_alternative<BreakActive>(in.state)) {
        display.stateLabel = QCoreApplication::translate("Tray", "BREAK");
        display.caption = QCoreApplication::translate("Tray", "BREAK IN PROGRESS");
        display.countdown = QCoreApplication::translate("Tray", "Now");
        return;
    }
    display.stateLabel = QCoreApplication::translate("Tray", "STARTING");
    display.caption = QCoreApplication::translate("Tray", "NEXT BREAK IN");
    display.countdown = QStringLiteral("--:--");
}

} // namespace

MenuPopoverDisplay makeMenuPopoverDisplay(const MenuBarInputs& in, const Calendar& calendar) {
    MenuPopoverDisplay display;
    fillStateCard(display, in, calendar);

    const bool working = std::holds_alternative<Working>(in.state);
    const bool breakUnderway =
        std::holds_alternative<BreakDue>(in.state) || std::holds_alternative<BreakActive>(in.state);
    display.workIntervalMinutes = in.workIntervalMinutes;
    display.canStartBreak = !breakUnderway;
    display.canPause = working || std::holds_alternative<Cooldown>(in.state) ||
                       std::holds_alternative<Stopped>(in.state);
    display.canResume = std::holds_alternative<Paused>(in.state);
    display.canSnooze = working && in.schedule.canSnooze(in.now);
    display.snoozesRemaining = working ? in.schedule.snoozesLeft() : 0;
    if (working || (std::holds_alternative<Cooldown>(in.state) &&
                    in.schedule.annotationAs<smartPause::AwayBreakCounted>())) {
        display.smartPauseState = in.schedule.smartPauseState;
    }
    display.todayRepetitions = in.today.squats + in.today.overheadRaises;
    display.todayBreaks = in.today.verifiedBreaks + in.today.timedBreaks + in.today.awayBreaks;
    display.streakDays = in.streakDays;
    return display;
}

QString snoozesLeftText(int remaining) {
    return countedText("Tray", "%n snooze left", QT_TRANSLATE_N_NOOP("Tray", "%n snoozes left"),
                       remaining);
}

QString smartPauseNoticeTitle(const SmartPauseScheduleState& annotation) {
    return std::holds_alternative<smartPause::OutsideActiveHours>(annotation)
               ? QCoreApplication::translate("Tray", "Active hours")
               : QCoreApplication::translate("Tray", "Smart Pause");
}

QString smartPauseNoticeText(const SmartPauseScheduleState& annotation, const Calendar& calendar) {
    if (std::holds_alternative<smartPause::Meeting>(annotation)) {
        return QCoreApplication::translate("Tray", "Meeting detected");
    }
    if (std::holds_alternative<smartPause::AwayBreakCounted>(annotation)) {
        return QCoreApplication::translate("Tray", "Away break counted");
    }
    return QCoreApplication::translate("Tray", "Waiting until %1")
        .arg(calendar.shortTime(std::get<smartPause::OutsideActiveHours>(annotation).resumeAt));
}

} // namespace qv
