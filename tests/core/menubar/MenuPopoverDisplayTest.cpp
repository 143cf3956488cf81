// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/MenuPopoverDisplay.h"

#include "core/menubar/PopoverView.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::scheduleState;

namespace {

Calendar english() {
    return {QTimeZone("Europe/Berlin"), QLocale(QLocale::English)};
}
QDateTime at(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate)
        .toTimeZone(QTimeZone("Europe/Berlin"));
}

const QDateTime now = at("2026-12-07T09:37:30+01:00");

MenuBarInputs inputs(BreakSchedulerState state, std::optional<SmartPauseScheduleState> note = {},
                     int snoozeCount = 0) {
    BreakSchedule schedule;
    schedule.state = state;
    schedule.smartPauseState = note;
    schedule.snoozeCount = snoozeCount;
    return {state, schedule, now, 50, DayStat{}, 0};
}

QString plainSpaces(QString text) {
    return text.replace(QChar(0x202F), QLatin1Char(' '));
}

// Twelve and a half minutes before the break of a fifty-minute cycle.
const Working working{now.addSecs(-2250), now.addSecs(750)};

// Which buttons a state offers, whether its countdown ticks and how far the ring has run.
TEST(MenuPopoverDisplay, EachSchedulerStateFillsTheStateCardAndItsRules) {
    const QDateTime retry = now.addSecs(200);
    const auto meeting = inputs(Working{now, retry}, smartPause::Meeting{retry});
    const auto offHours = inputs(working, smartPause::OutsideActiveHours{now.addSecs(750)});
    const auto overdue = inputs(Working{now.addSecs(-4000), now.addSecs(-5)});
    const auto away = inputs(Cooldown{now.addSecs(60)}, smartPause::AwayBreakCounted{now});
    const auto paused = inputs(Paused{at("2026-12-08T00:00:00+01:00")});
    struct Case {
        const char* name;
        MenuBarInputs in;
        QString countdown;
        bool live;
        std::optional<double> progress;
        const char* buttons; // "s" start, "p" pause, "r" resume
        bool hasNote;
    };
    const std::vector<Case> cases = {
        {"working", inputs(working), "12:30", true, 0.75, "sp", false},
        {"meeting", meeting, "03:20", true, {}, "sp", true},
        {"off hours", offHours, "12:30", true, 0.75, "sp", true},
        {"overdue", overdue, "00:00", true, 1.0, "sp", false},
        {"away", away, "Done", false, {}, "sp", true},
        {"cooldown", inputs(Cooldown{now.addMSecs(1500)}), "00:02", true, {}, "sp", false},
        {"paused", paused, "12:00 AM", false, {}, "sr", false},
        {"stopped", inputs(Stopped{}), "--:--", false, {}, "sp", false},
        {"due", inputs(BreakDue{}), "Ready", false, 1.0, "", false},
        {"active", inputs(BreakActive{}), "Now", false, {}, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto d = makeMenuPopoverDisplay(c.in, english());
        const QString buttons = QString::fromLatin1(c.buttons);
        EXPECT_EQ(plainSpaces(d.countdown), c.countdown);
        EXPECT_EQ(d.isCountdownLive, c.live);
        ASSERT_EQ(d.progress.has_value(), c.progress.has_value());
        if (c.progress) {
            EXPECT_NEAR(*d.progress, *c.progress, 1e-9);
        }
        EXPECT_EQ(d.canStartBreak, buttons.contains('s'));
        EXPECT_EQ(d.canPause, buttons.contains('p'));
        EXPECT_EQ(d.canResume, buttons.contains('r'));
        EXPECT_EQ(d.pauseDetail.has_value(), d.canResume);
        EXPECT_EQ(d.smartPauseState.has_value(), c.hasNote);
    }
}

} // namespace
