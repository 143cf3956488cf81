// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/MenuPopoverDisplay.h"

#include <QString>

namespace qv {

// The popover's display turned into the texts and flags its view lays out as they stand.
struct PopoverView {
    QString stateLabel;
    QString caption;
    QString countdown;
    bool countdownLive = false;
    bool hasProgress = false;
    double progress = 0.0;
    bool canStartBreak = false;
    bool canSnooze = false;
    QString snoozeText;
    QString snoozeAccessibleName;
    bool hasNotice = false;
    QString noticeTitle;
    QString noticeText;
    QString workIntervalText;
    bool canPause = false;
    bool canResume = false;
    QString pausedUntilText;
    QString repetitionsText;
    QString breaksText;
    QString breaksLabel;
    QString streakText;
    bool streakEmphasised = false;
    QString todayAccessibleName;

    bool operator==(const PopoverView&) const = default;
};

PopoverView makePopoverView(const MenuPopoverDisplay& display, const Calendar& calendar);

} // namespace qv
