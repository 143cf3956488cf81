// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/PopoverView.h"

#include "core/base/CountedText.h"

#include <QCoreApplication>

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
    view.snoozeAccessibleName =
        QCoreApplication::translate("Tray", "Snooze break for five minutes, %1")
            .arg(view.snoozeText);
    if (d.smartPauseState) {
        view.hasNotice = true;
        view.noticeTitle = smartPauseNoticeTitle(*d.smartPauseState);
        view.noticeText = smartPauseNoticeText(*d.smartPauseState, calendar);
    }
    view.workIntervalText = QCoreApplication::translate("Tray", "%1 min", "minutes, abbreviated")
                                .arg(d.workIntervalMinutes);
    view.canPause = d.canPause;
    view.canResume = d.canResume;
    if (d.pauseDetail) {
        view.pausedUntilText =
            QCoreApplication::translate("Tray", "Paused until %1").arg(*d.pauseDetail);
    }
    view.repetitionsText = QString::number(d.todayRepetitions);
    view.breaksText = QString::number(d.todayBreaks);
    view.breaksLabel =
        countedText("Tray", "BREAK", QT_TRANSLATE_N_NOOP("Tray", "BREAKS"), d.todayBreaks);
    view.streakText = QString::number(d.streakDays);
    view.streakEmphasised = d.streakDays >= 1;
    view.todayAccessibleName =
        QCoreApplication::translate("Tray",
                                    "Today: %1 exercise repetitions, %2 breaks, %3 day streak")
            .arg(d.todayRepetitions)
            .arg(d.todayBreaks)
            .arg(d.streakDays);
    return view;
}

} // namespace qv
