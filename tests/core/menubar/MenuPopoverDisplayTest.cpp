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

struct StateCase {
    const char* name;
    MenuBarInputs in;
    QString stateLabel, caption, countdown;
    bool live;
    std::optional<double> progress;
    bool canStart, canPause, canResume;
    bool hasNote;
};

// Twelve and a half minutes before the break of a fifty-minute cycle.
const Working working{now.addSecs(-2250), now.addSecs(750)};

TEST(MenuPopoverDisplay, EachSchedulerStateFillsTheStateCardAndItsRules) {
    const QDateTime meetingRetry = now.addSecs(200);
    const std::vector<StateCase> cases = {
        {"working", inputs(working), "WORKING", "NEXT BREAK IN", "12:30", true, 0.75, true, true,
         false, false},
        {"meeting", inputs(Working{now, meetingRetry}, smartPause::Meeting{meetingRetry}),
         "SMART PAUSE", "MEETING DETECTED · RETRY IN", "03:20", true, std::nullopt, true, true,
         false, true},
        {"off hours", inputs(working, smartPause::OutsideActiveHours{now.addSecs(750)}), "WORKING",
         "NEXT BREAK IN", "12:30", true, 0.75, true, true, false, true},
        {"overdue", inputs(Working{now.addSecs(-4000), now.addSecs(-5)}), "WORKING",
         "NEXT BREAK IN", "00:00", true, 1.0, true, true, false, false},
        {"away", inputs(Cooldown{now.addSecs(60)}, smartPause::AwayBreakCounted{now}),
         "SMART PAUSE", "AWAY TIME COUNTED AS BREAK", "Done", false, std::nullopt, true, true,
         false, true},
        {"cooldown", inputs(Cooldown{now.addMSecs(1500)}), "RESETTING", "NEXT CYCLE IN", "00:02",
         true, std::nullopt, true, true, false, false},
        {"paused", inputs(Paused{at("2026-12-08T00:00:00+01:00")}), "PAUSED", "PAUSED UNTIL",
         "12:00 AM", false, std::nullopt, true, false, true, false},
        {"stopped", inputs(Stopped{}), "STARTING", "NEXT BREAK IN", "--:--", false, std::nullopt,
         true, true, false, false},
        {"due", inputs(BreakDue{}), "BREAK DUE", "YOUR BREAK IS", "Ready", false, 1.0, false, false,
         false, false},
        {"active", inputs(BreakActive{}), "BREAK", "BREAK IN PROGRESS", "Now", false, std::nullopt,
         false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto d = makeMenuPopoverDisplay(c.in, english());
        EXPECT_EQ(d.stateLabel, c.stateLabel);
        EXPECT_EQ(d.caption, c.caption);
        EXPECT_EQ(QString(d.countdown).replace(QChar(0x202F), QLatin1Char(' ')), c.countdown);
        EXPECT_EQ(d.isCountdownLive, c.live);
        ASSERT_EQ(d.progress.has_value(), c.progress.has_value());
        if (c.progress) {
            EXPECT_NEAR(*d.progress, *c.progress, 1e-9);
        }
        EXPECT_EQ(d.canStartBreak, c.canStart);
        EXPECT_EQ(d.canPause, c.canPause);
        EXPECT_EQ(d.canResume, c.canResume);
        EXPECT_EQ(d.pauseDetail.has_value(), c.canResume);
        EXPECT_EQ(d.smartPauseState.has_value(), c.hasNote);
        EXPECT_EQ(d.workIntervalMinutes, 50);
    }
}

TEST(MenuPopoverDisplay, AnIntervalBelowOneSecondShowsNoProgressRatherThanDividingByZero) {
    auto in = inputs(working);
    in.workIntervalMinutes = 0;
    EXPECT_EQ(makeMenuPopoverDisplay(in, english()).progress, 0.0);
}

TEST(MenuPopoverDisplay, SnoozeIsOfferedInTheLastMinuteWhileSnoozesRemain) {
    const Working lastMinute{now.addSecs(-2960), now.addSecs(40)};
    struct Case {
        Working state;
        int count;
        bool canSnooze;
        int remaining;
        QString text;
    };
    for (const auto& c : std::vector<Case>{{lastMinute, 0, true, 2, "2 snoozes left"},
                                           {lastMinute, 1, true, 1, "1 snooze left"},
                                           {lastMinute, 2, false, 0, "0 snoozes left"},
                                           {working, 0, false, 2, "2 snoozes left"}}) {
        const auto d = makeMenuPopoverDisplay(inputs(c.state, {}, c.count), english());
        EXPECT_EQ(d.canSnooze, c.canSnooze) << c.count;
        EXPECT_EQ(d.snoozesRemaining, c.remaining);
        const auto view = makePopoverView(d, english());
        EXPECT_EQ(view.snoozeText, c.text);
        EXPECT_EQ(view.snoozeAccessibleName, "Snooze break for five minutes, " + c.text);
    }
    // Outside working there is no snooze and no count, whatever the schedule says.
    EXPECT_EQ(makeMenuPopoverDisplay(inputs(BreakDue{}, {}, 0), english()).snoozesRemaining, 0);
}

TEST(MenuPopoverDisplay, PausedUntilMidnightShowsTheTimeAndTheDateInTheDetail) {
    const auto d =
        makeMenuPopoverDisplay(inputs(Paused{at("2026-12-08T00:00:00+01:00")}), english());
    const auto view = makePopoverView(d, english());
    EXPECT_EQ(QString(view.pausedUntilText).replace(QChar(0x202F), QLatin1Char(' ')),
              "Paused until Dec 8, 2026 12:00 AM");
    EXPECT_TRUE(view.canResume);
}

TEST(MenuPopoverDisplay, TodayTilesCountCompletedBreaksOnlyAndNameOneBreakSingular) {
    struct Case {
        DayStat today;
        qint64 streak;
        QString reps, breaks, label, accessible;
        bool emphasised;
    };
    const std::vector<Case> cases = {
        {{}, 0, "0", "0", "BREAKS", "Today: 0 exercise repetitions, 0 breaks, 0 day streak", false},
        {{10, 0, 1, 0, 0, 3},
         1,
         "10",
         "1",
         "BREAK",
         "Today: 10 exercise repetitions, 1 breaks, 1 day streak",
         true},
        {{20, 8, 2, 1, 1, 0},
         12,
         "28",
         "4",
         "BREAKS",
         "Today: 28 exercise repetitions, 4 breaks, 12 day streak",
         true},
    };
    for (const auto& c : cases) {
        auto in = inputs(working);
        in.today = c.today;
        in.streakDays = c.streak;
        const auto view = makePopoverView(makeMenuPopoverDisplay(in, english()), english());
        EXPECT_EQ(view.repetitionsText, c.reps);
        EXPECT_EQ(view.breaksText, c.breaks);
        EXPECT_EQ(view.breaksLabel, c.label);
        EXPECT_EQ(view.streakEmphasised, c.emphasised);
        EXPECT_EQ(view.todayAccessibleName, c.accessible);
    }
}

TEST(MenuPopoverDisplay, SmartPauseNoticeNamesTheAnnotation) {
    struct Case {
        MenuBarInputs in;
        QString title, text;
    };
    const std::vector<Case> cases = {
        {inputs(working, smartPause::Meeting{now}), "Smart Pause", "Meeting detected"},
        {inputs(Cooldown{now}, smartPause::AwayBreakCounted{now}), "Smart Pause",
         "Away break counted"},
        {inputs(working, smartPause::OutsideActiveHours{at("2026-12-07T18:05:00+01:00")}),
         "Active hours", "Waiting until 6:05 PM"},
    };
    for (const auto& c : cases) {
        const auto view = makePopoverView(makeMenuPopoverDisplay(c.in, english()), english());
        EXPECT_TRUE(view.hasNotice);
        EXPECT_EQ(view.noticeTitle, c.title);
        EXPECT_EQ(QString(view.noticeText).replace(QChar(0x202F), QLatin1Char(' ')), c.text);
    }
    // An annotation left on a paused schedule is not explained.
    EXPECT_FALSE(
        makeMenuPopoverDisplay(inputs(Paused{now.addSecs(60)}, smartPause::Meeting{now}), english())
            .smartPauseState);
}

} // namespace
