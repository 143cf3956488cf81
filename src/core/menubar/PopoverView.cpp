// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/PopoverView.h"

namespace qv {

PopoverView makePopoverView(const MenuPopoverDisplay& d, const Calendar& calendar) {
    PopoverView view;
    view.stateLabel = d.stateLabel;
    view.caption = d.caption;
    view.countdown = d.countdown;
    view.countdownLive = d.isCountdownLive;
    view.hasProgress = d.progress.has_value();
    view.progress = d.progress.value_or(0.0);
    view.canStartBreak = d.canStartBreak;
    view.canSnooze = d.canSnooze;
    view.snoozeText = snoozesLeftText(d.snoozesRemaining);
    view.snoozeAccessibleName = QStringLiteral("Snooze break for five minutes, ") + view.snoozeText;
    if (d.smartPauseState) {
        view.hasNotice = true;
        view.noticeTitle = smartPauseNoticeTitle(*d.smartPauseState);
        view.noticeText = smartPauseNoticeText(*d.smartPauseState, calendar);
    }
    view.workIntervalText = QString::number(d.workIntervalMinutes) + QStringLiteral(" min");
    view.canPause = d.canPause;
    view.canResume = d.canResume;
    if (d.pauseDetail) {
        view.pausedUntilText = QStringLiteral("Paused until ") + *d.pauseDetail;
    }
    view.repetitionsText = QString::number(d.todayRepetitions);
    view.breaksText = QString::number(d.todayBreaks);
    view.breaksLabel = d.todayBreaks == 1 ? QStringLiteral("BREAK") : QStringLiteral("BREAKS");
    view.streakText = QString::number(d.streakDays);
    view.streakEmphasised = d.streakDays >= 1;
    view.todayAccessibleName =
        QStringLiteral("Today: %1 exercise repetitions, %2 breaks, %3 day streak")
            .arg(d.todayRepetitions)
            .arg(d.todayBreaks)
            .arg(d.streakDays);
    return view;
}

} // namespace qv
